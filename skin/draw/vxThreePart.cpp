#include "vxThreePart.h"

#include <algorithm>

#include "vxCopy.h"

namespace vx {
namespace {

// Clamps the two end lengths of a piece of length n so both fit side by side.
void ClampEnds(int n, int& a, int& b) {
  a = std::clamp(a, 0, std::max(n, 0));
  b = std::clamp(b, 0, std::max(n - a, 0));
}

}  // namespace

void DrawHorzThreePart(int a, int b, TvxPixmap& target, bool stretch, int width, const PixRect& fromIn,
                       const TvxPixmap& picture) {
  const PixRect from = Sanitized(fromIn);
  const int sw = from.Width(), sh = from.Height();
  target.SetSize(width, sh);
  if (target.Empty() || sw <= 0) return;
  ClampEnds(sw, a, b);
  const int W = width, L = from.left, T = from.top;
  if (a != 0) CopyRect(picture, {L, T, L + a, T + sh}, target, {0, 0, a, sh});
  if (b != 0) CopyRect(picture, {L + sw - b, T, L + sw, T + sh}, target, {W - b, 0, W, sh});
  const int d = sw - a - b;
  if (d <= 0) return;
  if (stretch) {
    CopyRect(picture, {L + a, T, L + a + d, T + sh}, target, {a, 0, W - b, sh});
    return;
  }
  ForEachTile(a, int64_t{W} - b, d, 0, W, [&](int64_t left, int64_t len) {
    CopyRect(picture, {L + a, T, L + a + static_cast<int>(len), T + sh}, target,
             {static_cast<int>(left), 0, static_cast<int>(left + len), sh});
  });
}

void DrawVertThreePart(int a, int b, TvxPixmap& target, bool stretch, int height, const PixRect& fromIn,
                       const TvxPixmap& picture) {
  const PixRect from = Sanitized(fromIn);
  const int sw = from.Width(), sh = from.Height();
  target.SetSize(sw, height);
  if (target.Empty() || sh <= 0) return;
  ClampEnds(sh, a, b);
  const int H = height, L = from.left, T = from.top;
  if (a != 0) CopyRect(picture, {L, T, L + sw, T + a}, target, {0, 0, sw, a});
  if (b != 0) CopyRect(picture, {L, T + sh - b, L + sw, T + sh}, target, {0, H - b, sw, H});
  const int d = sh - a - b;
  if (d <= 0) return;
  if (stretch) {
    CopyRect(picture, {L, T + a, L + sw, T + a + d}, target, {0, a, sw, H - b});
    return;
  }
  ForEachTile(a, int64_t{H} - b, d, 0, H, [&](int64_t top, int64_t len) {
    CopyRect(picture, {L, T + a, L + sw, T + a + static_cast<int>(len)}, target,
             {0, static_cast<int>(top), sw, static_cast<int>(top + len)});
  });
}

void DrawGlyphFrame(TvxPixmap& canvas, int x, int y, int frame, int count, const TvxPixmap& glyph) {
  if (glyph.Empty()) return;
  if (count <= 0) count = 1;
  const int fw = glyph.Width() / count;
  if (fw <= 0 || frame < 1 || frame > count) return;
  const int left = (frame - 1) * fw;
  const Pixel key = glyph.At(left, glyph.Height() - 1);
  const int64_t tx = ClampCoord(x), ty = ClampCoord(y);
  CopyRectKeyed(glyph, {left, 0, left + fw, glyph.Height()}, canvas,
                {static_cast<int>(tx), static_cast<int>(ty), static_cast<int>(tx + fw),
                 static_cast<int>(ty + glyph.Height())},
                key);
}

}  // namespace vx
