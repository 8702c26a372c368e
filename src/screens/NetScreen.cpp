#include "screens/NetScreen.h"

#include <charconv>

#include "media/Canvas.h"
#include "media/Input.h"

namespace sw {

namespace {

bool InsideNetRect(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// The character a key gives in an address: letters, digits, '.', '-', ':' (Shift and the
// semicolon key), '_'; 0 for any other key.
char AddressCharacter(int key, bool shift) {
  if (key >= 'A' && key <= 'Z') return static_cast<char>(shift ? key : key - 'A' + 'a');
  if (key >= '0' && key <= '9' && !shift) return static_cast<char>(key);
  if (key >= vk::Numpad0 && key <= vk::Numpad0 + 9) return static_cast<char>('0' + key - vk::Numpad0);
  switch (key) {
    case 0xBE:  // the full stop
    case 0x6E:  // the keypad's decimal point
      return '.';
    case 0xBD:  // minus, or the underscore with Shift
      return shift ? '_' : '-';
    case 0xBA:  // the semicolon key: a colon with Shift
      return shift ? ':' : 0;
    default:
      return 0;
  }
}

void DrawNetField(TCanvas& c, const TRect& r, const std::string& text, bool focused) {
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = 0x140C08;
  c.Pen.Color = focused ? 0xE0C040 : 0x705030;  // cyan while typing goes there
  c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 10;
  c.Font.Bold = false;
  c.Font.Color = clWhite;
  // The end of a long text shows, where the typing is.
  std::string shown = text;
  while (!shown.empty() && c.TextWidth(shown + "_") > r.Width() - 10) shown.erase(shown.begin());
  const int y = r.Top + (r.Height() - c.TextHeight("Ag")) / 2;
  c.TextOut(r.Left + 5, y, shown);
  if (focused) c.TextOut(r.Left + 5 + c.TextWidth(shown), y, "_");
}

}  // namespace

int TNetScreen::Port() const {
  unsigned value = 0;
  auto [end, ec] = std::from_chars(PortText.data(), PortText.data() + PortText.size(), value);
  if (PortText.empty() || ec != std::errc() || end != PortText.data() + PortText.size() || value < 1 || value > 65535)
    return 0;
  return static_cast<int>(value);
}

std::string TNetScreen::HitTest(int x, int y) const {
  if (InsideNetRect(HostButton, x, y)) return "Host";
  if (InsideNetRect(JoinButton, x, y)) return "Join";
  if (InsideNetRect(BackButton, x, y)) return "Back";
  if (InsideNetRect(PortBox, x, y)) return "Port";
  if (InsideNetRect(AddressBox, x, y)) return "Address";
  return "";
}

bool TNetScreen::Type(int key, bool shift) {
  std::string& text = Focus == nfPort ? PortText : AddressText;
  if (key == vk::Tab) {
    Focus = Focus == nfPort ? nfAddress : nfPort;
    return true;
  }
  if (key == vk::Back) {
    if (!text.empty()) text.pop_back();
    return true;
  }
  const char ch = AddressCharacter(key, shift);
  if (ch == 0) return false;
  if (Focus == nfPort) {
    if (ch >= '0' && ch <= '9' && PortText.size() < 5) PortText += ch;
    return true;
  }
  if (AddressText.size() < MaxAddress) AddressText += ch;
  return true;
}

void TNetScreen::Draw(TSurface& s, TDXImageList& pictures, const std::string& status) const {
  const TRect p = Panel;
  pictures.Find("net_panel").Draw(s, p.Left, p.Top);
  pictures.Find("net_host").Draw(s, HostButton.Left, HostButton.Top);
  pictures.Find("net_join").Draw(s, JoinButton.Left, JoinButton.Top);
  pictures.Find("net_back").Draw(s, BackButton.Left, BackButton.Top);
  TCanvas c(s);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 14;
  c.Font.Bold = true;
  c.Font.Color = clWhite;
  c.TextOut(p.Left + 16, p.Top + 12, "Network duel");
  c.Font.Size = 9;
  c.Font.Bold = false;
  c.Font.Color = 0xE0C040;  // cyan
  c.TextOut(PortBox.Left - 80, PortBox.Top + 5, "Port");
  c.TextOut(AddressBox.Left - 80, AddressBox.Top + 5, "Address");
  DrawNetField(c, PortBox, PortText, Focus == nfPort);
  DrawNetField(c, AddressBox, AddressText, Focus == nfAddress);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 8;
  c.Font.Bold = false;
  c.Font.Color = 0xB8B0A8;
  c.TextOut(p.Left + 26, HostButton.Bottom + 4, "Wait for a player; you fly side 1 and set up the battle");
  c.TextOut(p.Left + 26, JoinButton.Bottom + 4, "Call a host at HOST or HOST:PORT; you fly side 2");
  // The status line, on two lines at most when it is long.
  c.Font.Size = 9;
  c.Font.Bold = true;
  c.Font.Color = 0x40B0FF;  // amber
  const int width = p.Width() - 32;
  std::string first = status, rest;
  while (c.TextWidth(first) > width) {
    const size_t space = first.rfind(' ');
    if (space == std::string::npos || space == 0) break;
    rest = first.substr(space + 1) + (rest.empty() ? "" : " " + rest);
    first.erase(space);
  }
  while (!first.empty() && c.TextWidth(first) > width) first.pop_back();
  while (!rest.empty() && c.TextWidth(rest) > width) rest.pop_back();
  c.TextOut(p.Left + 16, StatusTop, first);
  if (!rest.empty()) c.TextOut(p.Left + 16, StatusTop + c.TextHeight("Ag") + 2, rest);
  c.Release();
}

}  // namespace sw
