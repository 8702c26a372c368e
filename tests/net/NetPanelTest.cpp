// The network duel as a player meets it: this game hosts from the dogfight set-up's panel, a
// runner process joins, the battle is launched with Fight!, goes on under the options screen,
// and ends for both when this player leaves it; the game's --host and --join.
#include <chrono>
#include <thread>

#include "NetSides.h"
#include "frontend/FrontEndRoot.h"
#include "net/NetTransport.h"
#include "screens/NetScreen.h"
#include "shell/CommandLine.h"

using namespace sw;
using namespace nettest;

class NetPanelGame : public FrontEndGame {
protected:
  // Frame ticks, a little apart, until the condition holds (at most `seconds`).
  bool RunUntil(const std::function<bool()>& done, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
      if (std::chrono::steady_clock::now() > until) return false;
      Main->DXTimerTimer();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }
  void Click(const TRect& r) { Main->DXDrawMouseDown(1, r.Left + 2, r.Top + 2); }
  void Type(const std::string& text) {
    for (char ch : text) {
      const bool colon = ch == ':';
      const int key = colon ? 0xBA : ch == '.' ? 0xBE : (ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch;
      Main->FormKeyDown(key, colon, false, false);
    }
  }
};

TEST_F(NetPanelGame, HostedFromThePanelFoughtAndLeftThroughTheOptions) {
  Main->SetGameState(gsDogfight, true);
  Settle();
  // "Network" opens the panel; the address typed is kept in config.ini with the port.
  Main->DXDrawMouseDown(1, 540, 35);
  ASSERT_TRUE(Main->NetPanel.Open);
  Click(TNetScreen::AddressBox);
  Type("localhost:4600");
  EXPECT_EQ(Main->NetPanel.AddressText, "localhost:4600");
  const int port = TestPort(5);
  Click(TNetScreen::PortBox);
  for (int i = 0; i < 6; ++i) Main->FormKeyDown(vk::Back, false, false, false);
  Type(std::to_string(port));
  Main->FormKeyDown('Q', false, false, false);  // no letter in a port
  EXPECT_EQ(Main->NetPanel.Port(), port);
  Main->FormKeyDown(vk::Return, false, false, false);  // Enter in the port field hosts
  ASSERT_TRUE(Main->Net) << Main->NetStatus;
  EXPECT_EQ(Main->NetStatusLine(), "Waiting for a player on port " + std::to_string(port));
  EXPECT_EQ(Main->GameState, gsDogfight) << "Escape and the other keys stay with the panel";

  // Fight! before anyone joined is no network battle; then a player joins.
  TSide join;
  join.Start("--join 127.0.0.1:" + std::to_string(port) + " --ticks 100000");
  ASSERT_TRUE(RunUntil([&] { return Main->Net->State == TNetState::Connected; }, 20)) << Main->NetStatusLine();
  EXPECT_EQ(Main->Net->PeerVersion, GameVersion);
  Click(TNetScreen::BackButton);
  EXPECT_FALSE(Main->NetPanel.Open);
  // Sturdy flagships, and a computer-flown support ship that needs far longer than this test
  // to wear one down.
  auto choose = [&](const char* ship) {
    Main->Dogfight->Carousels.Centre(ikShip, ship);
    Main->Dogfight->Carousels.ChooseSlot3(ikShip);
    ASSERT_EQ(Main->Dogfight->Carousels.Selected[ikShip], ship);
  };
  choose("KRU_Node");
  Main->Dogfight->FillSlot(1);
  Main->Dogfight->FillSlot(4);
  choose("TFG_Lancer");
  Main->Dogfight->FillSlot(5);
  ClickButton(Main->Dogfight->Buttons, "Start");
  ASSERT_TRUE(Main->NetBattle) << Main->NetStatus;
  ASSERT_TRUE(Main->Battle);
  EXPECT_EQ(Main->GameState, gsBattle);
  // Both flagships are flown by their players; the support ship by the computer.
  AdfFlushCache();
  EXPECT_EQ(AdfReadInteger(Game.BattleFile(), "SHIP1", "AI", -1), 0);
  EXPECT_EQ(AdfReadInteger(Game.BattleFile(), "SHIP2", "AI", -1), 0);
  EXPECT_EQ(AdfReadInteger(Game.BattleFile(), "SHIP3", "AI", -1), 1);
  EXPECT_EQ(Main->Battle->Phase, bpPreBattle);
  Main->FormKeyDown(vk::Space, false, false, false);
  ASSERT_TRUE(RunUntil([&] { return Main->Battle && Main->Battle->Tick >= 90; }, 30));

  // Escape pauses nothing: the battle goes on in lockstep under the options screen.
  Main->FormKeyDown(vk::Escape, false, false, false);
  Settle();
  ASSERT_EQ(Main->GameState, gsOptions);
  const int64_t under = Main->Battle->Tick;
  ASSERT_TRUE(RunUntil([&] { return Main->Battle && Main->Battle->Tick >= under + 60; }, 30))
      << Main->NetStatusLine();
  EXPECT_EQ(Main->Net->Lockstep()->AgreedTick % 30, 0);
  EXPECT_GE(Main->Net->Lockstep()->AgreedTick, under);

  // Ending the battle there ends it for both: no result, back to the set-up.
  ClickButton(Main->Options->Buttons, "op9");
  ASSERT_TRUE(RunUntil([&] { return !Main->Battle; }, 10));
  EXPECT_EQ(Main->GameState, gsDogfight);
  EXPECT_FALSE(Main->NetBattle);
  EXPECT_EQ(join.Wait(), 1);
  const nlohmann::json j = join.State();
  ASSERT_TRUE(j.is_object()) << join.Output();
  EXPECT_EQ(j["net"]["message"], "The other player left");
  EXPECT_EQ(j["game_state"], gsDogfight);
  EXPECT_GE(j["net"]["ticks"].get<int>(), 150);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();

  Main->SaveConfig();
  AdfFlushCache();
  EXPECT_EQ(AdfReadString(Main->ConfigFile(), "MISC", "NET_ADDRESS", ""), "localhost:4600");
  EXPECT_EQ(AdfReadInteger(Main->ConfigFile(), "MISC", "NET_PORT", 0), port);
}

// The game's command line: --host with or without a port, --join with an address, --replay,
// and what cannot be.
TEST(GameCommandLine, HostJoinOrReplayOneAtATime) {
  struct TCase {
    std::vector<std::string> Args;
    bool Ok;
    bool Host;
    int Port;
    std::string Join;
  };
  const TCase cases[] = {
      {{}, true, false, 0, ""},
      {{"--host"}, true, true, 4520, ""},
      {{"--host", "4600"}, true, true, 4600, ""},
      {{"--host", "0"}, false, false, 0, ""},
      {{"--host", "65536"}, false, false, 0, ""},
      {{"--host", "port"}, false, false, 0, ""},
      {{"--join", "192.168.1.20"}, true, false, 0, "192.168.1.20"},
      {{"--join", "friend.example:4600"}, true, false, 0, "friend.example:4600"},
      {{"--join"}, false, false, 0, ""},
      {{"--join", "host:"}, false, false, 0, ""},
      {{"--join", "host:70000"}, false, false, 0, ""},
      {{"--host", "--join", "a"}, false, false, 0, ""},
      {{"--replay", "r.adf", "--host"}, false, false, 0, ""},
      {{"--connect", "a"}, false, false, 0, ""},
  };
  for (const TCase& c : cases) {
    TGameCommandLine o;
    std::string error;
    const bool ok = ParseGameCommandLine(c.Args, o, error);
    const std::string args = c.Args.empty() ? "(none)" : c.Args[0] + (c.Args.size() > 1 ? " " + c.Args[1] : "");
    EXPECT_EQ(ok, c.Ok) << args << ": " << error;
    if (!c.Ok) {
      EXPECT_FALSE(error.empty()) << args;
      continue;
    }
    EXPECT_EQ(o.Host, c.Host) << args;
    if (c.Host) {
      EXPECT_EQ(o.HostPort, c.Port) << args;
    }
    EXPECT_EQ(o.JoinAddress, c.Join) << args;
  }
  TGameCommandLine o;
  std::string error;
  ASSERT_TRUE(ParseGameCommandLine({"--replay", "replays/last.adf"}, o, error));
  EXPECT_EQ(o.ReplayFile, "replays/last.adf");
}

// `starwake --join` and `starwake --host` open the set-up with the panel saying how the duel
// goes: calling, waiting for a player, or why the port cannot be had. A duel open keeps
// running while the player looks at another window, and ends when the player leaves the set-up
// for the menu.
TEST_F(NetPanelGame, CommandLineDuelOpensOnThePanel) {
  const int port = TestPort(6);
  ASSERT_TRUE(Main->OpenNetDuel(false, 0, "127.0.0.1:" + std::to_string(port)));
  EXPECT_EQ(Main->GameState, gsDogfight);
  EXPECT_TRUE(Main->NetPanel.Open);
  EXPECT_EQ(Main->NetPanel.AddressText, "127.0.0.1:" + std::to_string(port));
  EXPECT_EQ(Main->NetStatusLine(), "Calling 127.0.0.1:" + std::to_string(port) + "…");
  Main->FormDeactivate();
  EXPECT_TRUE(Main->DXTimer.Enabled);
  EXPECT_TRUE(Main->DXDraw->CanDraw());

  ASSERT_TRUE(Main->OpenNetDuel(true, static_cast<uint16_t>(port), ""));
  EXPECT_EQ(Main->NetPanel.PortText, std::to_string(port));
  EXPECT_EQ(Main->NetStatusLine(), "Waiting for a player on port " + std::to_string(port));

  // Leaving the set-up for the menu leaves the duel.
  Main->SetGameState(gsMenu, true);
  EXPECT_FALSE(Main->Net);
  EXPECT_EQ(Main->NetStatusLine(), "You left the network duel");
  // Another program holds the port.
  TNetTransport other;
  ASSERT_TRUE(other.Listen(static_cast<uint16_t>(port + 1), 1));
  EXPECT_FALSE(Main->OpenNetDuel(true, static_cast<uint16_t>(port + 1), ""));
  EXPECT_EQ(Main->NetStatusLine(), "The port " + std::to_string(port + 1) + " cannot be opened (is another game using it?)");
  Main->FormDeactivate();
  EXPECT_FALSE(Main->DXTimer.Enabled) << "with no duel open, the game stops while its window is away";
  Main->FormActivate();
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}
