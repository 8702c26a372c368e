#pragma once
// The arena a battle is fought in: its zoom factor with the image divisor and the camera,
// displayed sizes of objects, wrap-around at the edges, and the camera that follows the focus
// ship and its opponent, zooming in when they come close.
#include <functional>
#include <string>

#include "battle/BackStar.h"
#include "battle/GameObject.h"
#include "battle/Trail.h"

namespace sw {

class TDXImageList;

// Width and height of an image's first frame.
struct TImageSize {
  int Width = 0;
  int Height = 0;
};
// Gives an image's size by name; 0 x 0 for a picture that is not loaded.
using TImageSizeFn = std::function<TImageSize(const std::string& name)>;
// Image sizes read from an image list (the battle's own sprites). Asking never reports a
// missing picture: the simulation does not depend on pictures, drawing reports them.
TImageSizeFn ImageSizesOf(const TDXImageList& images);

// The size an object moves, collides and wraps with when neither its picture nor its own
// ship picture is loaded.
constexpr TImageSize DefaultObjectSize{16, 16};
// The size of the picture an object shows; when that is not loaded, the size of its own
// picture (a ship's sprite, a shot's picture while its detonation frames are missing), else
// the default.
TImageSize ObjectImageSize(const TGameObject& o, const TImageSizeFn& sizes);

struct TArenaView {
  int Zoom = 1;          // 1: the whole 800 x 600 arena on screen; 3: close view of 2400 x 1800
  int ImageDivisor = 3;  // sprites are shown at a third of their size in the far view
  int CameraX = 0;
  int CameraY = 0;
};

// A sprite of `size` as shown at this image divisor: never narrower or lower than 3 pixels.
TImageSize DisplayedSize(TImageSize size, int imageDivisor);
int DisplayedWidth(const TGameObject& o, const TImageSizeFn& sizes, int imageDivisor);
int DisplayedHeight(const TGameObject& o, const TImageSizeFn& sizes, int imageDivisor);

// Wrap-around with the object's displayed half sizes: leaving to the left (top) it comes back
// with its centre on the right (bottom) edge; leaving to the right (bottom) it comes back just
// outside the left (top) edge.
void WrapObject(TGameObject& o, TImageSize displayed, int zoom);
void WrapObject(TGameObject& o, const TImageSizeFn& sizes, const TArenaView& view);

// A screen rectangle in whole pixels.
struct TArenaRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// Everything a zoom change rescales.
struct TArenaContents {
  TObjectList& Objects;
  TStarList& Stars;
  TTrailList& Trails;
};

// Switches the zoom factor: to 3, positions and velocities of every object that is not removed,
// every star and trail are tripled and the camera centres on `rect` (zoom-1 units); to 1,
// everything is divided by the current zoom and the camera goes back to 0, 0.
void ChangeZoom(TArenaView& view, int newZoom, const TArenaRect& rect, TArenaContents contents);

// The rectangle that holds both ships' sprites at the current image divisor.
TArenaRect PairRect(const TGameObject& a, TImageSize displayedA, const TGameObject& b, TImageSize displayedB);

// Once a frame after the collision pass: zooms in when the focus ship and its opponent come
// close, out when they part, and keeps the camera on them. Without either ship the view goes
// back to zoom 1.
void UpdateCamera(TArenaView& view, const TGameObject* focus, const TGameObject* opponent,
                  const TImageSizeFn& sizes, TArenaContents contents);

}  // namespace sw
