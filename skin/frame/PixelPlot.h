// Single pixels and filled rectangles clipped to a pixmap, for the glyphs and
// plain looks the frame and the menus draw by their pixel rules.
#pragma once

#include <algorithm>

#include "FrameTypes.h"
#include "vxPixmap.h"

namespace vx::frame {

inline void PlotPixel(TvxPixmap& canvas, int x, int y, Pixel p) {
  if (canvas.Contains(x, y)) canvas.Set(x, y, p);
}

inline void FillClipped(TvxPixmap& canvas, const Rect& r, Pixel p) {
  const int left = std::max(r.Left, 0), right = std::min(r.Right, canvas.Width());
  const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, canvas.Height());
  for (int y = top; y < bottom; ++y) std::fill(canvas.Row(y) + left, canvas.Row(y) + right, p);
}

}  // namespace vx::frame
