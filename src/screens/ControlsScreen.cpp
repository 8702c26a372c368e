#include "screens/ControlsScreen.h"

#include <algorithm>
#include <vector>

#include "core/Paths.h"
#include "media/Canvas.h"
#include "media/KeyNames.h"
#include "media/MainWindow.h"

namespace sw {

namespace {

// Two columns, one per pilot, of eight rows each.
constexpr int CtlColumnLeft[2] = {70, 410};
constexpr int CtlColumnWidth = 320;
constexpr int CtlRowTop = 178, CtlRowStep = 31, CtlRowHeight = 26;
// Inside a row: the command, its key, its pad button.
constexpr int CtlKeyX = 128, CtlPadX = 228;
constexpr int CtlMessageY = 438, CtlHintY = 462;

constexpr TColor CtlRowFill = RGB(20, 36, 58);
constexpr TColor CtlRowEdge = RGB(64, 192, 224);
constexpr TColor CtlWaitFill = RGB(120, 78, 16);
constexpr TColor CtlSwapFill = RGB(30, 84, 70);
constexpr TColor CtlHeadingColor = RGB(64, 192, 224);
constexpr TColor CtlAmber = RGB(255, 196, 40);

std::string CtlPilotName(int pilot) { return "Pilot " + std::to_string(pilot); }

std::string CtlCommandName(const TPilotControl& c) { return CtlPilotName(c.Pilot) + "'s " + ControlCaption(c.Control); }

}  // namespace

TControlsScreen::TControlsScreen() : Buttons(&fmMain->DXDraw->Surface, fmMain->DXImageListMain.get()) {
  fmMain->DXImageListMain->LoadImage("controls", ResolvePath(fmMain->GraphicsFolder + "controls.img"), clRed);
  Buttons.Add("back", 70, 505, 59, 23, "back", 2);
  Buttons.Add("defaults", 617, 505, 113, 23, "ctl_defaults", 2);
}

void TControlsScreen::Open() {
  Waiting.reset();
  Swapped.reset();
  Message.clear();
  MessageIsWarning = false;
  Focus.Key = RowKey({1, scTurnLeft});
  // A hand-edited config.ini may give one key to two commands: say so where they show.
  const TControlBindings now = ReadBindings(*fmMain->DXInput, fmMain->PadBindings);
  std::vector<int> keys(now.Keys[0].begin(), now.Keys[0].end());
  keys.insert(keys.end(), now.Keys[1].begin(), now.Keys[1].end());
  std::sort(keys.begin(), keys.end());
  for (size_t i = 1; i < keys.size(); ++i)
    if (keys[i] != 0 && keys[i] == keys[i - 1]) {
      Message = "A key in amber flies two commands: give one of them another key";
      MessageIsWarning = true;
    }
}

TRect TControlsScreen::RowRect(const TPilotControl& c) {
  return Bounds(CtlColumnLeft[c.Pilot == 2 ? 1 : 0], CtlRowTop + CtlRowStep * c.Control, CtlColumnWidth, CtlRowHeight);
}

std::string TControlsScreen::RowKey(const TPilotControl& c) {
  return "p" + std::to_string(c.Pilot) + "_" + std::to_string(static_cast<int>(c.Control));
}

std::optional<TPilotControl> TControlsScreen::RowControl(const std::string& key) {
  if (key.size() != 4 || key[0] != 'p' || (key[1] != '1' && key[1] != '2') || key[2] != '_') return std::nullopt;
  const int control = key[3] - '0';
  if (control < 0 || control >= ShipControlCount) return std::nullopt;
  return TPilotControl{key[1] - '0', static_cast<TShipControl>(control)};
}

TFocusTargets TControlsScreen::FocusTargets() const {
  TFocusTargets targets;
  for (int pilot = 1; pilot <= 2; ++pilot)
    for (int c = 0; c < ShipControlCount; ++c) {
      const TPilotControl control{pilot, static_cast<TShipControl>(c)};
      targets.push_back({RowKey(control), RowRect(control)});
    }
  for (const char* key : {"back", "defaults"}) {
    const TButton& b = Buttons.Find(key);
    targets.push_back({key, Bounds(b.X, b.Y, b.Width, b.Height)});
  }
  return targets;
}

std::string TControlsScreen::HitTest(int x, int y) const {
  const std::string button = Buttons.HitTest(x, y);
  if (!button.empty()) return button;
  for (const TFocusTarget& t : FocusTargets())
    if (x >= t.Rect.Left && x < t.Rect.Right && y >= t.Rect.Top && y < t.Rect.Bottom) return t.Key;
  return "";
}

bool TControlsScreen::StartCapture(const std::string& rowKey) {
  const auto control = RowControl(rowKey);
  if (!control) return false;
  Waiting = control;
  Swapped.reset();
  Focus.Key = rowKey;
  Message = "Press the new key or pad button for " + CtlCommandName(*control) + " (Escape cancels)";
  MessageIsWarning = false;
  return true;
}

void TControlsScreen::CancelCapture() {
  if (!Waiting) return;
  const TControlBindings now = ReadBindings(*fmMain->DXInput, fmMain->PadBindings);
  Message = CtlCommandName(*Waiting) + " keeps " + KeyName(now.Key(*Waiting)) + " and " +
            PadButtonCaption(now.PadButton(*Waiting));
  MessageIsWarning = false;
  Waiting.reset();
}

void TControlsScreen::Bind(const TControlBindings& bindings) {
  ApplyBindings(bindings, *fmMain->DXInput, fmMain->PadBindings);
}

void TControlsScreen::CaptureKey(int key) {
  if (!Waiting) return;
  if (key == vk::Escape) {
    CancelCapture();
    return;
  }
  if (const std::string why = UnbindableKeyReason(key); !why.empty()) {
    Message = why;
    MessageIsWarning = true;
    return;
  }
  TControlBindings b = ReadBindings(*fmMain->DXInput, fmMain->PadBindings);
  const int old = b.Key(*Waiting);
  Swapped = b.BindKey(*Waiting, key);
  Bind(b);
  Message = CtlCommandName(*Waiting) + ": " + KeyName(key);
  if (Swapped) Message = KeyName(key) + " was " + CtlCommandName(*Swapped) + ", which now has " + KeyName(old);
  MessageIsWarning = Swapped.has_value();
  Waiting.reset();
}

void TControlsScreen::CapturePad(int button) {
  if (!Waiting) return;
  if (button == PadButtonFromName("back")) {
    CancelCapture();
    return;
  }
  if (const std::string why = UnbindablePadReason(button); !why.empty()) {
    Message = why;
    MessageIsWarning = true;
    return;
  }
  if (button < 0 || button >= PadButtonCount) return;
  TControlBindings b = ReadBindings(*fmMain->DXInput, fmMain->PadBindings);
  const int old = b.PadButton(*Waiting);
  Swapped = b.BindPad(*Waiting, button);
  Bind(b);
  Message = CtlCommandName(*Waiting) + ": pad " + PadButtonCaption(button);
  if (Swapped)
    Message = "Pad " + PadButtonCaption(button) + " was " + CtlCommandName(*Swapped) + ", which now has " + PadButtonCaption(old);
  MessageIsWarning = Swapped.has_value();
  Waiting.reset();
}

void TControlsScreen::RestoreDefaults() {
  Waiting.reset();
  Swapped.reset();
  Bind(TControlBindings::Defaults());
  Message = "Both pilots have the default keys and pad buttons again";
  MessageIsWarning = false;
}

void TControlsScreen::Draw() {
  TSurface& s = fmMain->DXDraw->Surface;
  fmMain->DXImageListMain->Find("controls").Draw(s, 0, 0);
  const TControlBindings now = ReadBindings(*fmMain->DXInput, fmMain->PadBindings);
  const TFocusTargets targets = FocusTargets();
  Focus.Keep(targets, RowKey({1, scTurnLeft}));

  std::vector<int> keys(now.Keys[0].begin(), now.Keys[0].end());
  keys.insert(keys.end(), now.Keys[1].begin(), now.Keys[1].end());
  TCanvas canvas(s);
  for (int pilot = 1; pilot <= 2; ++pilot) {
    const int left = CtlColumnLeft[pilot - 1];
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Size = 12;
    canvas.Font.Bold = true;
    canvas.Font.Color = clWhite;
    canvas.TextOut(left + 8, 128, CtlPilotName(pilot));
    // A pilot config.ini gives a pad (CON_TYPE=1 the first pad or joystick, 2 the second) flies
    // with its buttons, not with these keys.
    if (const int slot = fmMain->PilotPadSlot[pilot - 1]; slot > 0) {
      canvas.Font.Size = 8;
      canvas.Font.Bold = false;
      canvas.Font.Color = CtlAmber;
      canvas.TextOut(left + 90, 133, "flies with pad " + std::to_string(slot) + " (CON_TYPE=" + std::to_string(slot) + ")");
    }
    canvas.Font.Size = 8;
    canvas.Font.Color = CtlHeadingColor;
    canvas.TextOut(left + 8, 158, "COMMAND");
    canvas.TextOut(left + CtlKeyX, 158, "KEY");
    canvas.TextOut(left + CtlPadX, 158, "PAD");
    for (int c = 0; c < ShipControlCount; ++c) {
      const TPilotControl control{pilot, static_cast<TShipControl>(c)};
      const TRect r = RowRect(control);
      const bool waiting = Waiting && *Waiting == control;
      canvas.Brush.Style = TBrushStyle::bsSolid;
      canvas.Brush.Color = waiting ? CtlWaitFill : Swapped && *Swapped == control ? CtlSwapFill : CtlRowFill;
      canvas.Pen.Color = CtlRowEdge;
      canvas.Pen.Width = 1;
      canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
      canvas.Brush.Style = TBrushStyle::bsClear;
      canvas.Font.Size = 9;
      canvas.Font.Bold = false;
      canvas.Font.Color = RGB(200, 214, 230);
      const int y = r.Top + (CtlRowHeight - canvas.TextHeight("Ag")) / 2;
      canvas.TextOut(r.Left + 8, y, ControlCaption(control.Control));
      canvas.Font.Bold = true;
      // A key two commands share (written so into config.ini by hand) shows in amber.
      const bool shared = std::count(keys.begin(), keys.end(), now.Key(control)) > 1 && now.Key(control) != 0;
      canvas.Font.Color = waiting || shared ? CtlAmber : clWhite;
      canvas.TextOut(r.Left + CtlKeyX, y, waiting ? "press a key" : KeyName(now.Key(control)));
      canvas.Font.Color = waiting ? CtlAmber : clWhite;
      canvas.TextOut(r.Left + CtlPadX, y, waiting ? "or a button" : PadButtonCaption(now.PadButton(control)));
    }
  }
  canvas.Font.Size = 9;
  canvas.Font.Bold = MessageIsWarning;
  canvas.Font.Color = MessageIsWarning ? CtlAmber : clWhite;
  if (!Message.empty()) canvas.TextOut(400 - canvas.TextWidth(Message) / 2, CtlMessageY, Message);
  canvas.Font.Bold = false;
  canvas.Font.Size = 8;
  canvas.Font.Color = RGB(150, 165, 190);
  const std::string hint = "Arrows choose a command, Enter or a click changes it, Escape goes back";
  canvas.TextOut(400 - canvas.TextWidth(hint) / 2, CtlHintY, hint);
  canvas.Release();

  Buttons.Find("back").Draw();
  Buttons.Find("defaults").Draw();
  Focus.Draw(s, targets);
}

}  // namespace sw
