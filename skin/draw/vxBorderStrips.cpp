#include "vxBorderStrips.h"

#include "vxCopy.h"

namespace vx {
namespace {

// A strip being filled from pieces of the source rectangle.
struct StripPainter {
  const TvxPixmap& picture;
  PixRect from;
  TvxPixmap& strip;

  void Copy(const PixRect& piece, const PixRect& to) const {
    if (piece.IsEmpty() || to.IsEmpty()) return;
    CopyRect(picture, piece.Offset(from.left, from.top), strip, to);
  }
  // Middle piece across the strip: stretched onto [x0, x1), or tiled over the
  // whole strip from x = 0.
  void Across(const PixRect& piece, int x0, int x1, bool stretch) const {
    const int h = strip.Height();
    if (stretch) return Copy(piece, {x0, 0, x1, h});
    ForEachTile(0, strip.Width(), piece.Width(), 0, strip.Width(), [&](int64_t left, int64_t len) {
      Copy({piece.left, piece.top, piece.left + static_cast<int>(len), piece.bottom},
           {static_cast<int>(left), 0, static_cast<int>(left + len), h});
    });
  }
  void Down(const PixRect& piece, int y0, int y1, bool stretch) const {
    const int w = strip.Width();
    if (stretch) return Copy(piece, {0, y0, w, y1});
    ForEachTile(0, strip.Height(), piece.Height(), 0, strip.Height(), [&](int64_t top, int64_t len) {
      Copy({piece.left, piece.top, piece.right, piece.top + static_cast<int>(len)},
           {0, static_cast<int>(top), w, static_cast<int>(top + len)});
    });
  }
};

}  // namespace

void BuildBorderStrips(const TvxPixmap& picture, const PixRect& fromIn, const NinePartLayout& srcIn,
                       const NinePartLayout& dstIn, int W, int H, const EdgeStretch& edges, BorderStrips& out) {
  out = BorderStrips{};
  const PixRect from = Sanitized(fromIn);
  const NinePartLayout s = Sanitized(srcIn), n = Sanitized(dstIn);
  W = ClampToLimit(W);
  H = ClampToLimit(H);
  const int sw = from.Width(), sh = from.Height();
  const PixRect& cr = s.client;
  const PixRect& ncr = n.client;

  const int topH = ncr.top;
  if (W > 0 && topH > 0 && s.rt.x - s.lt.x > 0 && out.top.SetSize(W, topH) && !out.top.Empty()) {
    const StripPainter p{picture, from, out.top};
    p.Across({s.lt.x, 0, s.rt.x, topH}, n.lt.x, n.rt.x, edges.top);
    p.Copy({0, 0, s.lt.x, topH}, {0, 0, n.lt.x, topH});
    p.Copy({s.rt.x, 0, sw, topH}, {n.rt.x, 0, W, topH});
  }

  const int bottomH = H - ncr.bottom;
  if (W > 0 && bottomH > 0 && s.rb.x - s.lb.x > 0 && out.bottom.SetSize(W, bottomH) && !out.bottom.Empty()) {
    const StripPainter p{picture, from, out.bottom};
    const int y0 = sh - bottomH;
    p.Across({s.lb.x, y0, s.rb.x, sh}, n.lb.x, n.rb.x, edges.bottom);
    p.Copy({0, y0, s.lb.x, sh}, {0, 0, n.lb.x, bottomH});
    p.Copy({s.rb.x, y0, sw, sh}, {n.rb.x, 0, W, bottomH});
  }

  const int sideH = H - topH - bottomH;
  const int lowerEnd = cr.bottom - s.lb.y;  // rows of the left strip's lower end piece
  const int leftW = ncr.left;
  if (leftW > 0 && sideH > 0 && s.lb.y - s.lt.y > 0 && out.left.SetSize(leftW, sideH) && !out.left.Empty()) {
    const StripPainter p{picture, from, out.left};
    p.Down({0, s.lt.y, leftW, s.lb.y}, s.lt.y - cr.top, sideH - lowerEnd, edges.left);
    if (s.lt.y - cr.top > 0) p.Copy({0, cr.top, leftW, s.lt.y}, {0, 0, leftW, s.lt.y - cr.top});
    if (lowerEnd > 0) p.Copy({0, s.lb.y, leftW, cr.bottom}, {0, sideH - lowerEnd, leftW, sideH});
  }

  const int rightW = W - ncr.right;
  const int rightLowerEnd = cr.bottom - s.rb.y;
  if (rightW >= 1 && sideH >= 1 && s.rb.y - s.rt.y >= 1 && out.right.SetSize(rightW, sideH) &&
      !out.right.Empty()) {
    const StripPainter p{picture, from, out.right};
    p.Down({cr.right, s.rt.y, sw, s.rb.y}, s.rt.y - cr.top, sideH - rightLowerEnd, edges.right);
    if (s.rt.y - cr.top > 0) p.Copy({cr.right, cr.top, sw, s.rt.y}, {0, 0, rightW, s.rt.y - cr.top});
    if (rightLowerEnd > 0) p.Copy({cr.right, s.rb.y, sw, cr.bottom}, {0, sideH - rightLowerEnd, rightW, sideH});
  }
}

}  // namespace vx
