#pragma once
// Named image lists. Each item holds a picture converted once to the 16-bit form the blitters
// draw from, and a transparent key colour whose pixels are never drawn.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Colors.h"
#include "media/BitmapFile.h"
#include "media/Surface.h"

namespace sw {

class TImageItem {
public:
  std::string Name;
  TColor TransparentColor = clBlack;

  void LoadFromFile(const std::string& path);
  void AssignBitmap(const TBitmap& bmp);
  void SetTransparentColor(TColor c);
  // Converts the picture into its drawable form; done once after loading.
  void MakeReady();

  int Width() const { return Source.Width; }
  int Height() const { return Source.Height; }
  TRect PatternRect(int pattern) const { return {0, 0, Width(), Height()}; }
  const TBitmap& Picture() const { return Source; }

  // Copies the image with its top-left at (x, y), skipping key pixels, clipped to the surface.
  void Draw(TSurface& s, int x, int y, int pattern = 0) const;
  // Scales the image into the rectangle and blends it with weight alpha/255.
  void DrawAlpha(TSurface& s, const TRect& r, int pattern, int alpha) const;
  // Scales to w x h and rotates about the point at fractions (cx, cy) of its size, which lands
  // on (x, y); angle in 256ths of a turn, growing clockwise.
  void DrawRotate(TSurface& s, int x, int y, int w, int h, int pattern, double cx, double cy, int angle) const;
  void DrawRotateAlpha(TSurface& s, int x, int y, int w, int h, int pattern, double cx, double cy, int angle,
                       int alpha) const;

  // The drawable pixels and the key in that form (for tests and special drawing).
  const std::vector<uint16_t>& Pixels() const { return Converted; }
  uint16_t Key() const { return Key565; }

private:
  void DrawTransformed(TSurface& s, int x, int y, int w, int h, double cx, double cy, int angle, int alpha) const;
  TBitmap Source;
  std::vector<uint16_t> Converted;
  uint16_t Key565 = 0;
  bool Opaque = false;  // no pixel is the key: drawn as whole rows
};

class TDXImageList {
public:
  int Count() const { return static_cast<int>(Items.size()); }
  TImageItem* At(int i) const { return Items[static_cast<size_t>(i)].get(); }
  // The item of that name (letter case ignored). The first time a name is missed it raises
  // "Image '%s' not found", which is how the error gets reported; after that the name yields an
  // empty picture that draws nothing, so a screen is not abandoned, and the error not repeated,
  // on every frame.
  TImageItem& Find(const std::string& name) const;
  // The item of that name, or nullptr. A missing name is reported once through OnMissing (and
  // remembered), never raised: drawing goes on with the rest of the frame.
  const TImageItem* Lookup(const std::string& name) const;
  int IndexOf(const std::string& name) const;
  bool Has(const std::string& name) const { return IndexOf(name) >= 0; }
  TImageItem& Add();
  void Delete(int i);
  // Deletes every item of that name (a picture that must not outlive the battle it was for).
  void Remove(const std::string& name);

  // Told "Image '%s' not found" the first time a name is missed; the main window shows it.
  std::function<void(const std::string& message)> OnMissing;
  // Names missed so far, in the order they were first missed (as asked for).
  const std::vector<std::string>& MissingNames() const { return Missed; }

  // Loads a single image by name: reloads the item of that name in place, or appends one.
  TImageItem& LoadImage(const std::string& name, const std::string& path, TColor key);
  // Cuts a sheet into frames named base_1, base_2 ... row by row; always appends. Only frames
  // that start inside the sheet are cut, however many rows and columns are asked for, and no
  // frame is larger than the sheet.
  void CutSheet(const std::string& base, const std::string& path, int frameHeight, int frameWidth, int rows,
                int columns);

  // The list's 256-entry colour table, installed on the display when its screen is entered.
  std::array<TColor, 256> Palette{};

private:
  std::vector<std::unique_ptr<TImageItem>> Items;
  // Lower-case name to the first item of that name; rebuilt when the list has grown or shrunk.
  // The battle looks images up by name many times a frame.
  mutable std::unordered_map<std::string, int> Index;
  mutable size_t IndexedCount = static_cast<size_t>(-1);
  // Lower-case names already reported missing; a name loaded again may be reported again.
  mutable std::unordered_map<std::string, bool> Reported;
  mutable std::vector<std::string> Missed;
  // Marks the name missed; true the first time.
  bool FirstMiss(const std::string& name) const;
  // What a missed name draws once it has been reported: nothing.
  mutable TImageItem Blank;
};

}  // namespace sw
