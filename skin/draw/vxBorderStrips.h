// The four border strips of a nine-part picture: the frame without its client
// part, for painting only a window's border. A caller paints the strips at
// (0, 0), (0, nCR.bottom), (0, nCR.top) and (nCR.right, nCR.top).
#pragma once

#include "vxGeometry.h"
#include "vxPixmap.h"

namespace vx {

struct BorderStrips {
  TvxPixmap top;
  TvxPixmap bottom;
  TvxPixmap left;
  TvxPixmap right;
};

// Builds the strips of `from` in `picture` (layout `src`) for an image of
// width × height with layout `dst`. A strip without size, or whose middle
// piece has no length, stays empty.
void BuildBorderStrips(const TvxPixmap& picture, const PixRect& from, const NinePartLayout& src,
                       const NinePartLayout& dst, int width, int height, const EdgeStretch& edges,
                       BorderStrips& strips);

}  // namespace vx
