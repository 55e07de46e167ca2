// Plain geometry the drawing primitives take: points, rectangles and the corner
// points / client rectangle layout of a nine-part picture.
//
// Records hand their TvxPoint / TvxRect values over as they are (they convert
// implicitly); the primitives stay free of any record type. Rectangles are
// half-open (right and bottom excluded); one with no width or height is empty.
#pragma once

#include <cstdint>

#include "vxSkinTypes.h"

namespace vx {

struct PixPoint {
  int x = 0;
  int y = 0;
  constexpr PixPoint() = default;
  constexpr PixPoint(int px, int py) : x(px), y(py) {}
  constexpr PixPoint(const TvxPoint& p) : x(p.X), y(p.Y) {}  // records pass their points as they are
  friend bool operator==(const PixPoint&, const PixPoint&) = default;
};

struct PixRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr PixRect() = default;
  constexpr PixRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  constexpr PixRect(const TvxRect& r) : left(r.Left), top(r.Top), right(r.Right), bottom(r.Bottom) {}

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  constexpr PixRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const PixRect&, const PixRect&) = default;
};

// The four corner points and the client rectangle of a nine-part layout
// ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
// "clientrect"), relative to the picture's own top-left corner.
struct NinePartLayout {
  PixPoint lt;
  PixPoint rt;
  PixPoint lb;
  PixPoint rb;
  PixRect client;
  friend bool operator==(const NinePartLayout&, const NinePartLayout&) = default;
};

// "leftstretch", "topstretch", "rightstretch", "bottomstretch": a stretched
// edge is scaled once over its span, otherwise it is tiled.
struct EdgeStretch {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// How the client part is drawn: "stretcheffect", "stretchtype", and whether
// it is drawn at all.
struct ClientFill {
  bool stretch = false;
  TvxStretchType type = TvxStretchType::stFull;
  bool draw = true;
};

// Coordinates handed in from records are clamped into ±kCoordLimit at every
// primitive's entry, so sums and differences of two never overflow an int.
constexpr int kCoordLimit = 1 << 28;
constexpr int ClampToLimit(int v) { return v < -kCoordLimit ? -kCoordLimit : v > kCoordLimit ? kCoordLimit : v; }
constexpr PixPoint Sanitized(PixPoint p) { return {ClampToLimit(p.x), ClampToLimit(p.y)}; }
constexpr PixRect Sanitized(const PixRect& r) {
  return {ClampToLimit(r.left), ClampToLimit(r.top), ClampToLimit(r.right), ClampToLimit(r.bottom)};
}
constexpr NinePartLayout Sanitized(const NinePartLayout& l) {
  return {Sanitized(l.lt), Sanitized(l.rt), Sanitized(l.lb), Sanitized(l.rb), Sanitized(l.client)};
}

// The layout of the same picture drawn at width × height: everything left of
// and above the client rectangle keeps its place, everything right of or below
// it moves with the size.
NinePartLayout MapStandardSize(const NinePartLayout& source, int sourceWidth, int sourceHeight, int width,
                               int height);

}  // namespace vx
