// Anti-aliased drawing on a Layer: polygons, ellipses, lines, rounded
// rectangles and soft glows. Colours can come from a shader that is asked
// for each covered pixel (used for gradients and lighting).
#pragma once
#include <functional>
#include <vector>

#include "Bitmap.h"

namespace ag {

struct Pt {
    float x = 0, y = 0;
};
using Shader = std::function<Col(float x, float y)>;

void FillPolygon(Layer& l, const std::vector<Pt>& pts, const Shader& sh, float alpha = 1.0f);
void FillPolygon(Layer& l, const std::vector<Pt>& pts, const Col& c, float alpha = 1.0f);
void FillEllipse(Layer& l, float cx, float cy, float rx, float ry, const Shader& sh, float alpha = 1.0f);
void FillEllipse(Layer& l, float cx, float cy, float rx, float ry, const Col& c, float alpha = 1.0f);
void RingEllipse(Layer& l, float cx, float cy, float rx, float ry, float width, const Col& c, float alpha = 1.0f);
void Line(Layer& l, Pt a, Pt b, float width, const Col& c, float alpha = 1.0f);
void Polyline(Layer& l, const std::vector<Pt>& pts, float width, const Col& c, float alpha = 1.0f, bool closed = false);
void FillRect(Layer& l, float x0, float y0, float x1, float y1, const Col& c, float alpha = 1.0f);
void RoundRect(Layer& l, float x0, float y0, float x1, float y1, float radius, const Shader& sh, float alpha = 1.0f);
void RoundRect(Layer& l, float x0, float y0, float x1, float y1, float radius, const Col& c, float alpha = 1.0f);
void RoundRectOutline(Layer& l, float x0, float y0, float x1, float y1, float radius, float width, const Col& c,
                      float alpha = 1.0f);
// Additive light falling off from the centre (only on already painted pixels
// unless onEmpty is true, in which case it also paints into empty space).
void Glow(Layer& l, float cx, float cy, float radius, const Col& c, float strength, bool onEmpty = true);

// Shader helpers.
Shader LinearGradient(Pt a, Pt b, Col ca, Col cb);
Shader Solid(Col c);

// Geometry helpers for symmetric designs: mirror a right-hand outline
// (x relative to the centre line cx) into a closed outline.
std::vector<Pt> Mirror(const std::vector<Pt>& half, float cx);
std::vector<Pt> Transform(const std::vector<Pt>& pts, float dx, float dy, float sx = 1, float sy = 1);

}  // namespace ag
