#pragma once
// Small solid-colour images for drawing tests, built in memory.
#include <string>

#include "media/BitmapFile.h"
#include "media/ImageList.h"

// Adds a w x h image of one colour (0x00RRGGBB) under the name, with a black key.
inline sw::TImageItem& AddSolidImage(sw::TDXImageList& list, const std::string& name, int w, int h, uint32_t rgb) {
  sw::TBitmap bmp;
  bmp.Width = w;
  bmp.Height = h;
  bmp.Pixels.assign(static_cast<size_t>(w) * h, rgb);
  sw::TImageItem& item = list.Add();
  item.Name = name;
  item.AssignBitmap(bmp);
  item.SetTransparentColor(sw::clBlack);
  item.MakeReady();
  return item;
}
