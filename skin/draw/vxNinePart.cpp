#include "vxNinePart.h"

#include "vxCopy.h"

namespace vx {

NinePartLayout MapStandardSize(const NinePartLayout& in, int sourceWidth, int sourceHeight, int width, int height) {
  const int64_t dx = int64_t{width} - sourceWidth, dy = int64_t{height} - sourceHeight;
  const NinePartLayout s = Sanitized(in);
  NinePartLayout n = s;
  n.rt.x = ClampCoord(s.rt.x + dx);
  n.lb.y = ClampCoord(s.lb.y + dy);
  n.rb.x = ClampCoord(s.rb.x + dx);
  n.rb.y = ClampCoord(s.rb.y + dy);
  n.client.right = ClampCoord(s.client.right + dx);
  n.client.bottom = ClampCoord(s.client.bottom + dy);
  return n;
}

namespace {

struct Pieces {
  const TvxPixmap& picture;
  PixRect from;  // the source rectangle in the picture
  TvxPixmap& target;

  // Copies a piece given relative to `from` to the target rectangle.
  void Copy(const PixRect& piece, const PixRect& to) const {
    if (piece.IsEmpty() || to.IsEmpty()) return;
    CopyRect(picture, piece.Offset(from.left, from.top), target, to);
  }

  // Horizontal edge: piece tiled across `to` from its left (its height scaled
  // to the target's), or stretched once.
  void HorzEdge(const PixRect& piece, const PixRect& to, bool stretch) const {
    if (piece.IsEmpty() || to.IsEmpty()) return;
    if (stretch) return Copy(piece, to);
    ForEachTile(to.left, to.right, piece.Width(), 0, target.Width(), [&](int64_t left, int64_t len) {
      Copy({piece.left, piece.top, piece.left + static_cast<int>(len), piece.bottom},
           {static_cast<int>(left), to.top, static_cast<int>(left + len), to.bottom});
    });
  }

  void VertEdge(const PixRect& piece, const PixRect& to, bool stretch) const {
    if (piece.IsEmpty() || to.IsEmpty()) return;
    if (stretch) return Copy(piece, to);
    ForEachTile(to.top, to.bottom, piece.Height(), 0, target.Height(), [&](int64_t top, int64_t len) {
      Copy({piece.left, piece.top, piece.right, piece.top + static_cast<int>(len)},
           {to.left, static_cast<int>(top), to.right, static_cast<int>(top + len)});
    });
  }

  void Client(const PixRect& cr, const PixRect& ncr, const ClientFill& fill) const {
    if (cr.IsEmpty() || ncr.IsEmpty()) return;
    const int cw = cr.Width(), ch = cr.Height();
    if (fill.stretch && fill.type == TvxStretchType::stFull) return Copy(cr, ncr);
    // Stretched one way and repeated the other. Each tile is scaled straight
    // from the source: a temporary picture of the stretched piece would be as
    // large as the new client rectangle, which a skin can make far larger
    // than the target; the copy only ever touches the target's pixels.
    if (fill.stretch && fill.type == TvxStretchType::stHorz) {
      ForEachTile(ncr.left, ncr.right, cw, 0, target.Width(), [&](int64_t left, int64_t len) {
        Copy({cr.left, cr.top, cr.left + static_cast<int>(len), cr.bottom},
             {static_cast<int>(left), ncr.top, static_cast<int>(left + len), ncr.bottom});
      });
      return;
    }
    if (fill.stretch && fill.type == TvxStretchType::stVert) {
      ForEachTile(ncr.top, ncr.bottom, ch, 0, target.Height(), [&](int64_t top, int64_t len) {
        Copy({cr.left, cr.top, cr.right, cr.top + static_cast<int>(len)},
             {ncr.left, static_cast<int>(top), ncr.right, static_cast<int>(top + len)});
      });
      return;
    }
    ForEachTile(ncr.left, ncr.right, cw, 0, target.Width(), [&](int64_t left, int64_t w) {
      ForEachTile(ncr.top, ncr.bottom, ch, 0, target.Height(), [&](int64_t top, int64_t h) {
        Copy({cr.left, cr.top, cr.left + static_cast<int>(w), cr.top + static_cast<int>(h)},
             {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + w), static_cast<int>(top + h)});
      });
    });
  }
};

}  // namespace

void DrawNinePart(const TvxPixmap& picture, const PixRect& fromIn, const NinePartLayout& srcIn,
                  const NinePartLayout& dstIn, int width, int height, const EdgeStretch& edges, const ClientFill& client,
                  TvxPixmap& target) {
  target.SetSize(width, height);
  const PixRect from = Sanitized(fromIn);
  const NinePartLayout s = Sanitized(srcIn), n = Sanitized(dstIn);
  if (target.Empty()) return;
  if (s.rb.x == s.lt.x || s.rb.y == s.lt.y || picture.Empty()) return;
  const int sw = from.Width(), sh = from.Height();
  const int W = width, H = height;
  const PixRect& cr = s.client;
  const PixRect& ncr = n.client;
  const Pieces p{picture, from, target};

  // Edges first, so the corners are laid over any tile that runs into them.
  p.HorzEdge({s.lt.x, 0, s.rt.x, cr.top}, {n.lt.x, 0, n.rt.x, ncr.top}, edges.top);
  p.HorzEdge({s.lb.x, cr.bottom, s.rb.x, sh}, {n.lb.x, ncr.bottom, n.rb.x, H}, edges.bottom);
  p.VertEdge({0, s.lt.y, cr.left, s.lb.y}, {0, n.lt.y, ncr.left, n.lb.y}, edges.left);
  p.VertEdge({cr.right, s.rt.y, sw, s.rb.y}, {ncr.right, n.rt.y, W, n.rb.y}, edges.right);

  p.Copy({0, 0, s.lt.x, cr.top}, {0, 0, n.lt.x, ncr.top});
  p.Copy({0, cr.top, cr.left, s.lt.y}, {0, ncr.top, ncr.left, n.lt.y});
  p.Copy({s.rt.x, 0, sw, cr.top}, {n.rt.x, 0, W, ncr.top});
  p.Copy({cr.right, cr.top, sw, s.rt.y}, {ncr.right, ncr.top, W, n.rt.y});
  p.Copy({0, s.lb.y, cr.left, sh}, {0, n.lb.y, ncr.left, H});
  p.Copy({cr.left, cr.bottom, s.lb.x, sh}, {ncr.left, ncr.bottom, n.lb.x, H});
  p.Copy({s.rb.x, cr.bottom, sw, sh}, {n.rb.x, ncr.bottom, W, H});
  p.Copy({cr.right, s.rb.y, sw, cr.bottom}, {ncr.right, n.rb.y, W, ncr.bottom});

  if (client.draw) p.Client(cr, ncr, client);
}

void DrawFramedStretch(TvxPixmap& target, const TvxPixmap& picture, const PixRect& fromIn, const PixRect& clientRect,
                       bool drawClient) {
  const PixRect from = Sanitized(fromIn), c = Sanitized(clientRect);
  NinePartLayout s{{c.left, c.top}, {c.right, c.top}, {c.left, c.bottom}, {c.right, c.bottom}, c};
  const int W = target.Width(), H = target.Height();
  const NinePartLayout n = MapStandardSize(s, from.Width(), from.Height(), W, H);
  DrawNinePart(picture, from, s, n, W, H, {true, true, true, true}, {true, TvxStretchType::stFull, drawClient},
               target);
}

}  // namespace vx
