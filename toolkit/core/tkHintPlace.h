// Where a hint window goes on the work area: at the point it was asked for,
// moved to the other side of the point when it would pass the right or the
// bottom edge, and kept off the left and top edges.
#pragma once

#include <algorithm>

#include "tkTypes.h"

namespace tk {

// `r` is the hint at its wanted place; `pointX` / `pointY` the pointer it
// belongs to. A hint passing the right edge ends 2 pixels left of the
// pointer; one passing the bottom edge ends 2 pixels above it.
inline TRect PlaceHintRect(const TRect& r, int pointX, int pointY, const TRect& workArea) {
  const int w = r.Width(), h = r.Height();
  int x = r.Left, y = r.Top;
  if (x + w > workArea.Right) x = pointX - w - 2;
  if (y + h > workArea.Bottom) y = pointY - h - 2;
  x = std::max(x, workArea.Left);
  y = std::max(y, workArea.Top);
  return Bounds(x, y, w, h);
}

}  // namespace tk
