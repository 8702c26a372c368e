// The dogfight set-up's "Network" panel in the main window: Host and Join start a duel, Back
// closes the panel (the duel stays connected while the host sets up the battle), and Fight!
// launches the battle to the other player.
#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/Input.h"
#include "screens/DogfightBattleFile.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::OpenNetPanel() {
  PlayClick();
  NetPanel.Open = true;
}

bool TfmMain::OpenNetDuel(bool host, uint16_t port, const std::string& address) {
  SetGameState(gsDogfight, true);
  NetPanel.Open = true;
  if (host) {
    NetPanel.PortText = std::to_string(port);
    NetPanel.Focus = TNetScreen::nfPort;
    return StartNetHost(port);
  }
  // The address is remembered as if it had been typed.
  NetPanel.AddressText = address.substr(0, TNetScreen::MaxAddress);
  NetPanel.Focus = TNetScreen::nfAddress;
  return StartNetJoin(address);
}

void TfmMain::RouteNetPanel(int x, int y) {
  const std::string key = NetPanel.HitTest(x, y);
  if (key.empty()) return;
  PlayClick();
  if (key == "Port") {
    NetPanel.Focus = TNetScreen::nfPort;
  } else if (key == "Address") {
    NetPanel.Focus = TNetScreen::nfAddress;
  } else if (key == "Back") {
    NetPanel.Open = false;
  } else if (key == "Host") {
    if (NetPanel.Port() == 0) NetStatus = "The port must be 1 to 65535";
    else StartNetHost(static_cast<uint16_t>(NetPanel.Port()));
  } else if (key == "Join") {
    if (NetPanel.AddressText.empty()) {
      NetStatus = "Type the host's address first";
      NetPanel.Focus = TNetScreen::nfAddress;
    } else {
      StartNetJoin(NetPanel.AddressText);
    }
  }
}

bool TfmMain::NetPanelKeyDown(int key, bool shift) {
  if (GameState != gsDogfight || !NetPanel.Open) return false;
  // The screenshot, volume and brightness keys work as everywhere.
  if (key >= vk::F9 && key <= vk::F12) return false;
  if (key == vk::Escape) {
    NetPanel.Open = false;
  } else if (key == vk::Return) {
    if (NetPanel.Focus == TNetScreen::nfPort) RouteNetPanel(TNetScreen::HostButton.Left + 1, TNetScreen::HostButton.Top + 1);
    else RouteNetPanel(TNetScreen::JoinButton.Left + 1, TNetScreen::JoinButton.Top + 1);
  } else {
    NetPanel.Type(key, shift);
  }
  // Every other key stays with the panel while it is open.
  return true;
}

void TfmMain::DrawNetPanel() {
  if (NetPanel.Open) {
    NetPanel.Draw(DXDraw->Surface, *DXImageListDF, NetStatusLine());
    return;
  }
  if (!Net) return;
  // With the panel closed, the duel's state stays in sight above the set-up.
  TCanvas c(DXDraw->Surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 8;
  c.Font.Bold = true;
  c.Font.Color = 0x40B0FF;  // amber
  const std::string line = NetStatusLine();
  c.TextOut(400 - c.TextWidth(line) / 2, 52, line);
  c.Release();
}

bool TfmMain::NetFight() {
  if (!Net || Net->State == TNetState::Ended || Net->State == TNetState::Listening) return false;
  if (Net->Role == NetJoinRole) {
    ShowNotice("The host launches the battle");
    return true;
  }
  if (Net->State != TNetState::Connected) {
    ShowNotice("The other player is not connected yet");
    return true;
  }
  // Each player flies his own flagship; the computer may fly the support ships as always.
  TDogfightBattle battle = Dogfight->Battle();
  battle.Side1Computer = battle.Side2Computer = false;
  if (!WriteDogfightBattle(ProgramFolder + "battle.adf", battle)) {
    ShowNotice("Put a flagship on each side first");
    return true;
  }
  if (!LaunchNetBattle()) ShowNotice(NetStatus);
  return true;
}

}  // namespace sw
