#include "FrameMask.h"

namespace vx::frame {
namespace {

PixPoint P(Point p) { return {p.X, p.Y}; }
PixRect R(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

FrameMaskLayouts MaskLayouts(const FrameSkin& skin, const FrameGeometry& g) {
  const FormInfo& f = skin.info;
  FrameMaskLayouts l;
  l.source = {P(f.lefttoppoint), P(f.righttoppoint), P(f.leftbottompoint), P(f.rightbottompoint), R(f.maskrectarea)};
  l.window = {P(g.leftTop), P(g.rightTop), P(g.leftBottom), P(g.rightBottom), R(g.maskArea)};
  return l;
}

MaskStrips CutFrameMaskStrips(const TvxPixmap& mask, const FrameSkin& skin, const FrameGeometry& g) {
  MaskStrips strips;
  if (!skin.present || !skin.hasMask || mask.Empty()) return strips;
  const FrameMaskLayouts l = MaskLayouts(skin, g);
  BuildMaskStrips(mask, l.source, l.window, g.width, strips);
  return strips;
}

std::optional<SizedRegion> FrameMaskRegion(const TvxPixmap& mask, const FrameSkin& skin, const FrameGeometry& g) {
  if (!skin.present || !skin.hasMask || mask.Empty()) return std::nullopt;
  const FrameMaskLayouts l = MaskLayouts(skin, g);
  return SizedMaskRegion(mask, l.source, l.window, g.width);
}

}  // namespace vx::frame
