// Three-part drawing (buttons and bars: two fixed ends and a middle that is
// stretched or tiled) and the drawing of one frame of a glyph strip.
#pragma once

#include "vxGeometry.h"
#include "vxPixmap.h"

namespace vx {

// Resizes `target` to width × from.Height() and draws `from` of `picture`
// into it: the left `leftWidth` and right `rightWidth` columns copied to the
// ends, the middle stretched or tiled between them. The end widths are
// clamped to 0 … source width with left + right ≤ source width.
void DrawHorzThreePart(int leftWidth, int rightWidth, TvxPixmap& target, bool stretch, int width,
                       const PixRect& from, const TvxPixmap& picture);

// The same turned by a right angle: target from.Width() × height.
void DrawVertThreePart(int topHeight, int bottomHeight, TvxPixmap& target, bool stretch, int height,
                       const PixRect& from, const TvxPixmap& picture);

// Draws frame `frame` (counted from 1) of a strip of `count` frames laid side
// by side in `glyph` at (x, y) on `canvas`, the colour of the frame's
// bottom-left pixel transparent. A count of 0 or less counts as one frame.
void DrawGlyphFrame(TvxPixmap& canvas, int x, int y, int frame, int count, const TvxPixmap& glyph);

}  // namespace vx
