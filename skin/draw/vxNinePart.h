// Nine-part drawing: a skin picture stored once at one size, drawn at any size
// from its four corner points and client rectangle.
#pragma once

#include "vxGeometry.h"
#include "vxPixmap.h"

namespace vx {

// Resizes `target` to width × height (transparent black) and draws the
// rectangle `from` of `picture` into it: the eight corner parts copied, the
// four edges stretched or tiled by `edges`, the client part filled by `client`.
// `src` is the layout within `from`, `dst` the layout of the new image (usually
// MapStandardSize of `src`). Nothing is drawn when the picture is empty or the
// right-bottom point shares a coordinate with the left-top point.
void DrawNinePart(const TvxPixmap& picture, const PixRect& from, const NinePartLayout& src,
                  const NinePartLayout& dst, int width, int height, const EdgeStretch& edges,
                  const ClientFill& client, TvxPixmap& target);

// Nine-part drawing of `from` into the already sized `target` whose corners
// are the corners of `clientRect` (relative to `from`): every edge and the
// client part stretched. Used for glow frames and other framed images.
void DrawFramedStretch(TvxPixmap& target, const TvxPixmap& picture, const PixRect& from, const PixRect& clientRect,
                       bool drawClient);

}  // namespace vx
