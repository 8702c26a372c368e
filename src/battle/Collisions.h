#pragma once
// Whether two battle objects touch, and how two bodies bounce off each other.
#include "battle/Arena.h"
#include "battle/GameObject.h"

namespace sw {

// The far-view test: two circles, each 6/10 of the larger displayed side, touch or overlap.
// Used at any zoom to push bodies apart.
bool CirclesOverlap(const TGameObject& a, TImageSize displayedA, const TGameObject& b, TImageSize displayedB);

// The close-view test: the two images' full-size rectangles centred on the objects overlap
// (touching edges do not count).
bool RectsOverlap(const TGameObject& a, TImageSize imageA, const TGameObject& b, TImageSize imageB);

// The overlap test of the collision pass at the view's zoom: circles at zoom 1, image
// rectangles at zoom 3.
bool ObjectsOverlap(const TGameObject& a, const TGameObject& b, const TImageSizeFn& sizes, const TArenaView& view);

// Marker of an axis on which the two bodies move exactly against each other.
constexpr double HEAD_ON = 999;

// The velocity the two bodies share on one axis after a bounce: the faster of the two when they
// move the same way (or one stands still), HEAD_ON when they cancel out, otherwise their sum.
double SharedVelocity(double va, double vb);

// Where body a will be when the two meet (per axis, from their closing speeds).
struct TMeetingPoint {
  int X = 0;
  int Y = 0;
};
TMeetingPoint MeetingPoint(const TGameObject& a, const TGameObject& b);

// Bounces bodies a and b (a earlier in the object list; neither a weapon object).
// A planet or starbase stands still and throws the other back at one and a half times its
// speed; a ship that strikes the planet loses a tenth of its hull and crew with it. Otherwise
// the body nearer the meeting point takes the shared velocity and is pushed clear, and the
// other recoils at 1.1 times its speed.
void BounceObjects(TGameObject& a, TGameObject& b, const TImageSizeFn& sizes, const TArenaView& view);

// Moves the object along its velocity, at most 6 steps, until it no longer touches `other`
// by the far-view test.
void PushOut(TGameObject& o, const TGameObject& other, const TImageSizeFn& sizes, const TArenaView& view);

}  // namespace sw
