#include "vxControlSkin.h"

#include <algorithm>
#include <cstring>

#include "vxNinePart.h"
#include "vxThreePart.h"

namespace vx {

int SkinSizingMode(const TvxRect& skinrect, const TvxPoint& lefttop, const TvxPoint& righttop,
                   const TvxPoint& leftbottom, const TvxPoint& rightbottom) {
  (void)lefttop;
  if (PixRect(skinrect).IsEmpty()) return -1;
  if (rightbottom.X != 0 && rightbottom.Y != 0) return 1;
  if (righttop.X != 0 || righttop.Y != 0) return 2;
  if (leftbottom.X != 0 || leftbottom.Y != 0) return 3;
  return 0;
}

void TvxControlGeometry::Load(const TvxDataSkinCustomControl* r, int pictureCount) {
  Clear();
  if (!r) {
    sizingMode = 0;
    return;
  }
  // Skin values are untrusted: everything is clamped into the range the
  // drawing code computes in, so no sum below can overflow.
  skinrect = Sanitized(PixRect(r->skinrect));
  layout = Sanitized(NinePartLayout{r->lefttoppoint, r->righttoppoint, r->leftbottompoint, r->rightbottompoint,
                                    r->clientrect});
  current = layout;
  edges = {r->leftstretch, r->topstretch, r->rightstretch, r->bottomstretch};
  stretcheffect = r->stretcheffect;
  stretchtype = r->stretchtype;
  auto picture = [pictureCount](int index) { return index >= 0 && index < pictureCount ? index : -1; };
  pictureIndex = picture(r->pictureindex);
  maskIndex = picture(r->maskpictureindex);
  sizingMode = SkinSizingMode(r->skinrect, r->lefttoppoint, r->righttoppoint, r->leftbottompoint,
                              r->rightbottompoint);
}

void TvxControlGeometry::FitSkinSize(int& width, int& height) {
  const int sw = skinrect.Width(), sh = skinrect.Height();
  const int dx = ClampCoord(int64_t{width} - sw), dy = ClampCoord(int64_t{height} - sh);
  const NinePartLayout& s = layout;
  NinePartLayout& n = current;
  switch (sizingMode) {
    case 0:
      width = sw;
      height = sh;
      n = s;
      break;
    case 1:
      n.lt = s.lt;
      n.rt = {ClampCoord(int64_t{s.rt.x} + dx), s.rt.y};
      n.lb = {s.lb.x, ClampCoord(int64_t{s.lb.y} + dy)};
      n.rb = {ClampCoord(int64_t{s.rb.x} + dx), ClampCoord(int64_t{s.rb.y} + dy)};
      n.client = {s.client.left, s.client.top, ClampCoord(int64_t{s.client.right} + dx),
                  ClampCoord(int64_t{s.client.bottom} + dy)};
      break;
    case 2:
      height = sh;
      n.lt = s.lt;
      n.rt = {ClampCoord(int64_t{s.rt.x} + dx), s.rt.y};
      n.client = {s.client.left, s.client.top, ClampCoord(int64_t{s.client.right} + dx), s.client.bottom};
      break;
    case 3:
      width = sw;
      n.lt = s.lt;
      n.lb = {s.lb.x, ClampCoord(int64_t{s.lb.y} + dy)};
      n.client = {s.client.left, s.client.top, s.client.right, ClampCoord(int64_t{s.client.bottom} + dy)};
      break;
    default:
      break;
  }
}

void DrawControlImage(const TvxPixmap* picture, const TvxControlGeometry& g, const PixRect& from, int width,
                      int height, TvxPixmap& target) {
  const int sw = g.skinrect.Width(), sh = g.skinrect.Height();
  const bool drawable = picture && !picture->Empty();
  switch (g.sizingMode) {
    case 0:
      target.SetSize(sw, sh);
      if (drawable) CopyRect(*picture, from, target, PixRect{0, 0, sw, sh});
      return;
    case 1: {
      if (!drawable) {
        target.SetSize(width, height);
        return;
      }
      TvxControlGeometry fitted = g;
      fitted.FitSkinSize(width, height);
      DrawNinePart(*picture, from, g.layout, fitted.current, width, height, g.edges,
                   ClientFill{g.stretcheffect, g.stretchtype, true}, target);
      return;
    }
    case 2:
      if (drawable)
        DrawHorzThreePart(g.layout.lt.x, sw - g.layout.rt.x, target, g.stretcheffect, width, from, *picture);
      else
        target.SetSize(width, sh);
      return;
    case 3:
      if (drawable)
        DrawVertThreePart(g.layout.lt.y, sh - g.layout.lb.y, target, g.stretcheffect, height, from, *picture);
      else
        target.SetSize(sw, height);
      return;
    default:
      target.SetSize(width, height);
      return;
  }
}

namespace {

PixRect Intersect(const PixRect& a, const PixRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The non-negative remainder of a mod m (m > 0).
int64_t Mod(int64_t a, int64_t m) {
  const int64_t r = a % m;
  return r < 0 ? r + m : r;
}

}  // namespace

void TileRect(const TvxPixmap& picture, const PixRect& pieceIn, TvxPixmap& target, const PixRect& areaIn,
              PixPoint origin) {
  // Parts of a piece outside its picture, and of the area outside the
  // target, are left out.
  const PixRect piece = Intersect(pieceIn, {0, 0, picture.Width(), picture.Height()});
  const PixRect area = Intersect(areaIn, {0, 0, target.Width(), target.Height()});
  if (piece.IsEmpty() || area.IsEmpty()) return;
  const int64_t tw = piece.Width(), th = piece.Height();
  const int64_t aw = area.Width();
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* row = target.Row(y) + area.left;
    if (y - area.top >= th) {
      // Every row repeats the row one tile height above it.
      std::memcpy(row, target.Row(static_cast<int>(y - th)) + area.left, sizeof(Pixel) * static_cast<size_t>(aw));
      continue;
    }
    const Pixel* src = picture.Row(piece.top + static_cast<int>(Mod(int64_t{y} - origin.y, th))) + piece.left;
    // One period from the area's left edge, then the row doubles itself.
    const int64_t phase = Mod(int64_t{area.left} - origin.x, tw);
    const int64_t first = std::min(aw, tw);
    for (int64_t x = 0; x < first; ++x) row[x] = src[(phase + x) % tw];
    for (int64_t done = first; done < aw;) {
      const int64_t n = std::min(done, aw - done);
      std::memcpy(row + done, row, sizeof(Pixel) * static_cast<size_t>(n));
      done += n;
    }
  }
}

void FillFromPiece(const TvxPixmap& picture, const PixRect& piece, TvxPixmap& target, const PixRect& area,
                   bool stretch, TvxStretchType type) {
  if (area.IsEmpty() || piece.IsEmpty()) return;
  if (!stretch) {
    TileRect(picture, piece, target, area, {area.left, area.top});
    return;
  }
  switch (type) {
    case TvxStretchType::stFull:
      CopyRect(picture, piece, target, area);
      return;
    case TvxStretchType::stHorz: {
      TvxPixmap strip;
      if (!strip.SetSize(piece.Width(), area.Height())) return;
      CopyRect(picture, piece, strip, {0, 0, strip.Width(), strip.Height()});
      TileRect(strip, {0, 0, strip.Width(), strip.Height()}, target, area, {area.left, area.top});
      return;
    }
    case TvxStretchType::stVert: {
      TvxPixmap strip;
      if (!strip.SetSize(area.Width(), piece.Height())) return;
      CopyRect(picture, piece, strip, {0, 0, strip.Width(), strip.Height()});
      TileRect(strip, {0, 0, strip.Width(), strip.Height()}, target, area, {area.left, area.top});
      return;
    }
  }
}

bool ParseControlState(std::string_view text, TvxControlState& state) {
  static constexpr std::pair<std::string_view, TvxControlState> kNames[] = {
      {"normal", TvxControlState::normal},     {"hot", TvxControlState::hot},
      {"down", TvxControlState::down},         {"disabled", TvxControlState::disabled},
      {"focused", TvxControlState::focused}};
  for (const auto& [name, value] : kNames)
    if (name == text) {
      state = value;
      return true;
    }
  return false;
}

PixRect StateSourceRect(const TvxDataSkinCustomControl& record, TvxControlState state) {
  const PixRect normal = record.skinrect;
  auto orElse = [](const TvxRect& r, const PixRect& fallback) {
    return PixRect(r).IsEmpty() ? fallback : PixRect(r);
  };
  if (const auto* b = dynamic_cast<const TvxDataSkinButtonControl*>(&record)) {
    const PixRect active = orElse(b->activeskinrect, normal);
    switch (state) {
      case TvxControlState::normal: return normal;
      case TvxControlState::hot: return active;
      case TvxControlState::down: return orElse(b->downskinrect, active);
      case TvxControlState::disabled: return orElse(b->disabledskinrect, normal);
      case TvxControlState::focused: return orElse(b->focusedskinrect, active);
    }
  }
  // Check boxes and edits have one other look: the active one, shown on
  // hover and, for an edit, while it has the focus.
  TvxRect active;
  if (const auto* c = dynamic_cast<const TvxDataSkinCheckRadioControl*>(&record)) active = c->activeskinrect;
  if (const auto* e = dynamic_cast<const TvxDataSkinEditControl*>(&record)) active = e->activeskinrect;
  if (state == TvxControlState::hot || state == TvxControlState::down || state == TvxControlState::focused)
    return orElse(active, normal);
  return normal;
}

}  // namespace vx
