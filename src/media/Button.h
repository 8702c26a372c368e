#pragma once
// Image buttons and the list each screen keeps them in, under the keys the mouse routing
// uses. A clicked button flashes (drawn dimmed) for a few frames and cannot be clicked again
// until the flash is over.
#include <string>

#include "core/Colors.h"
#include "core/NamedList.h"
#include "media/ImageList.h"
#include "media/Surface.h"

namespace sw {

constexpr int AlphaNormal = 255;
constexpr int AlphaDimmed = 100;
// The caption of a dimmed button: grey, still readable on the light button faces.
constexpr TColor DimmedLabelColor = 0x6E6E6E;

class TButton {
public:
  TButton(TSurface* surface, TDXImageList* imageList, int x, int y, int width, int height,
          const std::string& imageName, int flashLength, int panel = 0);

  int X, Y, Width, Height;
  std::string ImageName;  // empty: nothing is drawn
  int Alpha = AlphaNormal;
  TSurface* Surface;
  TDXImageList* ImageList;
  int FlashCountdown = 0;  // frames of the click flash still to show; 0 = idle
  int FlashLength;         // with length L the button shows dimmed for L - 1 frames
  int Panel;               // campaign sub-screen the button answers in; 0 = every one
  // Why the button is dimmed, in one line the screen shows when the dimmed button is clicked
  // ("Out of hailing range"); empty while it is available.
  std::string Reason;

  // Available: drawn in full and clicked as usual. Not available: drawn dimmed, and a click on
  // it shows the reason instead of acting.
  void SetAvailable(bool available, const std::string& reason = std::string()) {
    Alpha = available ? AlphaNormal : AlphaDimmed;
    Reason = available ? std::string() : reason;
  }
  bool Available() const { return Alpha > AlphaDimmed; }

  // Starts the click flash.
  void Click() { FlashCountdown = FlashLength; }
  // Advances the flash and draws the image centred on the button at its size.
  void Draw();
  // True when the point lies strictly inside the button (its border does not count).
  bool Contains(int x, int y) const { return X < x && x < X + Width && Y < y && y < Y + Height; }
  TRect Rect() const { return Bounds(X, Y, Width, Height); }

private:
  bool InFlash = false;
  int RestAlpha = AlphaNormal;  // the alpha the flash returns to
};

class TButtonList {
public:
  TButtonList(TSurface* surface, TDXImageList* imageList) : Surface(surface), ImageList(imageList) {}

  // Adds a button drawn from this list's image list onto its surface.
  TButton* Add(const std::string& key, int x, int y, int width, int height, const std::string& imageName,
               int flashLength, int alpha = AlphaNormal, int panel = 0);
  // The button of that key (letter case ignored); raises "Button '%s' not found".
  TButton& Find(const std::string& key) const;
  int IndexOf(const std::string& key) const { return Buttons.IndexOf(key); }
  int Count() const { return Buttons.Count(); }
  TButton* At(int i) const { return Buttons.At(i); }
  const std::string& KeyAt(int i) const { return Buttons.NameAt(i); }

  // The key of the first button, in list order, that strictly contains the point and is not
  // flashing; "" when none. Dimmed buttons are hit: their screen decides what a click does.
  std::string HitTest(int x, int y) const;
  // The same, skipping dimmed buttons (alpha 100 or less).
  std::string HitTestAvailable(int x, int y) const;
  // The same as HitTestAvailable, also skipping buttons of another campaign panel than the
  // current sub-screen (panel 0 answers everywhere).
  std::string HitTestPanel(int x, int y, int subScreen) const;
  // The dimmed button of the current sub-screen (or of every one) under the point, not
  // flashing; "" when none. Its Reason says why it cannot act.
  std::string HitTestDimmed(int x, int y, int subScreen) const;

  // Draws every button in list order.
  void DrawAll();

private:
  template <typename TAccept>
  std::string FirstHit(int x, int y, TAccept accept) const;
  TNamedList<TButton> Buttons;
  TSurface* Surface;
  TDXImageList* ImageList;
};

}  // namespace sw
