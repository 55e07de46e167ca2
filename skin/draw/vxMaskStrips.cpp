#include "vxMaskStrips.h"

#include "vxCopy.h"

namespace vx {
namespace {

constexpr Pixel kOutside = 0xFFFFFFu;

// Copies rows [y0, y1) × columns [x0, x1) of the mask down a strip: tiled
// from the strip's top, then the end pieces above and below the tiled part
// laid over it.
void FillSide(const TvxPixmap& m, int x0, int x1, int tileTop, int tileBottom, int endTop, int endBottom,
              TvxPixmap& strip) {
  const int w = strip.Width(), h = strip.Height();
  ForEachTile(0, h, tileBottom - tileTop, 0, h, [&](int64_t top, int64_t len) {
    CopyRect(m, {x0, tileTop, x1, tileTop + static_cast<int>(len)}, strip,
             {0, static_cast<int>(top), w, static_cast<int>(top + len)});
  });
  if (tileTop - endTop > 0) CopyRect(m, {x0, endTop, x1, tileTop}, strip, {0, 0, w, tileTop - endTop});
  if (endBottom - tileBottom > 0)
    CopyRect(m, {x0, tileBottom, x1, endBottom}, strip, {0, h - (endBottom - tileBottom), w, h});
}

// Copies columns [x0, x1) of rows [y0, y1) across a strip: tiled from `from`
// and cut at `to`, then the two end pieces.
void FillAcross(const TvxPixmap& m, int y0, int y1, int tileLeft, int tileRight, int from, int to, int leftEnd,
                int rightEndTarget, TvxPixmap& strip) {
  const int w = strip.Width(), h = strip.Height();
  ForEachTile(from, to, tileRight - tileLeft, 0, w, [&](int64_t left, int64_t len) {
    CopyRect(m, {tileLeft, y0, tileLeft + static_cast<int>(len), y1}, strip,
             {static_cast<int>(left), 0, static_cast<int>(left + len), h});
  });
  CopyRect(m, {0, y0, leftEnd, y1}, strip, {0, 0, leftEnd, h});
  CopyRect(m, {tileRight, y0, m.Width(), y1}, strip, {rightEndTarget, 0, w, h});
}

}  // namespace

void BuildMaskStrips(const TvxPixmap& mask, const NinePartLayout& srcIn, const NinePartLayout& dstIn, int widthIn,
                     BorderStrips& out) {
  out = BorderStrips{};
  if (mask.Empty()) return;
  const NinePartLayout s = Sanitized(srcIn), n = Sanitized(dstIn);
  const int W = ClampToLimit(widthIn);
  const int mw = mask.Width(), mh = mask.Height();
  const PixRect& cr = s.client;
  const int h = n.client.Height();

  if (cr.left > 0 && h > 0 && out.left.SetSize(cr.left, h, kOutside) && !out.left.Empty())
    FillSide(mask, 0, cr.left, s.lt.y, s.lb.y, cr.top, cr.bottom, out.left);
  if (mw - cr.right > 0 && h > 0 && out.right.SetSize(mw - cr.right, h, kOutside) && !out.right.Empty())
    FillSide(mask, cr.right, mw, s.rt.y, s.rb.y, cr.top, cr.bottom, out.right);
  if (W > 0 && cr.top > 0 && out.top.SetSize(W, cr.top, kOutside) && !out.top.Empty())
    FillAcross(mask, 0, cr.top, s.lt.x, s.rt.x, n.lt.x, n.rt.x, s.lt.x, n.rt.x, out.top);
  if (W > 0 && mh - cr.bottom > 0 && out.bottom.SetSize(W, mh - cr.bottom, kOutside) && !out.bottom.Empty())
    FillAcross(mask, cr.bottom, mh, s.lb.x, s.rb.x, n.lb.x, n.rb.x, s.lb.x, n.rb.x, out.bottom);
}

std::optional<SizedRegion> SizedMaskRegion(const TvxPixmap& mask, const NinePartLayout& srcIn,
                                           const NinePartLayout& dstIn, int width) {
  const NinePartLayout n = Sanitized(dstIn);
  if (n.rt.x < n.lt.x || n.lb.y < n.lt.y) return std::nullopt;
  if (n.client.IsEmpty()) return std::nullopt;
  BorderStrips strips;
  BuildMaskStrips(mask, srcIn, n, width, strips);
  SizedRegion r;
  r.client = n.client;
  r.top = MaskToRegionData(strips.top, 0, 0);
  r.bottom = MaskToRegionData(strips.bottom, 0, n.client.bottom);
  r.left = MaskToRegionData(strips.left, 0, n.client.top);
  r.right = MaskToRegionData(strips.right, n.client.right, n.client.top);
  return r;
}

bool SizedRegionContains(const SizedRegion& region, int x, int y) {
  if (region.client.Contains(x, y)) return true;
  for (const RegionData* d : {&region.top, &region.bottom, &region.left, &region.right}) {
    if (auto rects = RegionDataRects(*d))
      for (const PixRect& r : *rects)
        if (r.Contains(x, y)) return true;
  }
  return false;
}

}  // namespace vx
