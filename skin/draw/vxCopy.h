// The two ways every drawing primitive moves pixels: one bounds-checked
// rectangle copy (scaled nearest-neighbour when the sizes differ) and one
// tiling walk. Keeping them in one place means a bad record can at worst draw
// nothing; it can never read or write outside a picture or loop without end.
#pragma once

#include <algorithm>
#include <cstdint>

#include "vxGeometry.h"
#include "vxPixmap.h"

namespace vx {

// Copies `from` of `src` onto `to` of `dst`. Equal sizes copy pixel for pixel;
// different sizes scale by repeating or dropping pixels (each target pixel
// takes the source pixel under its centre). Empty rectangles copy nothing.
// Target pixels whose source pixel lies outside `src` keep their value, and
// nothing is written outside `dst`. `src` and `dst` may be the same picture.
void CopyRect(const TvxPixmap& src, const PixRect& from, TvxPixmap& dst, const PixRect& to);

// As CopyRect, but source pixels whose colour (alpha ignored) equals `key`
// are not copied.
void CopyRectKeyed(const TvxPixmap& src, const PixRect& from, TvxPixmap& dst, const PixRect& to, Pixel key);

// Lays tiles of length `d` from `start` up to `end`: tile k starts at
// start + k·d for k = 0 … (end − start) div d, and the last one is shortened so
// that it stops at `end`. Calls visit(tileStart, tileLength) for every tile of
// positive length that reaches into [clipStart, clipEnd). A tile length of 0
// or less lays nothing.
template <typename Visit>
void ForEachTile(int64_t start, int64_t end, int64_t d, int64_t clipStart, int64_t clipEnd, Visit&& visit) {
  if (d <= 0) return;
  const int64_t last = (end - start) / d;  // truncates toward zero, as the layout rules do
  int64_t first = 0;
  if (clipStart > start) first = (clipStart - start) / d;
  int64_t stop = last;
  if (clipEnd < end) stop = clipEnd <= start ? -1 : std::min(last, (clipEnd - start) / d);
  for (int64_t k = first; k <= stop; ++k) {
    const int64_t left = start + k * d;
    int64_t overflow = left + d - end;
    if (overflow < 0) overflow = 0;
    const int64_t length = d - overflow;
    if (length > 0) visit(left, length);
  }
}

// Clamps a 64-bit coordinate into ±kCoordLimit.
inline int ClampCoord(int64_t v) {
  if (v > kCoordLimit) return kCoordLimit;
  if (v < -kCoordLimit) return -kCoordLimit;
  return static_cast<int>(v);
}

}  // namespace vx
