#include "SkinRender.h"

#include <stdexcept>

#include "vxCopy.h"
#include "vxNinePart.h"
#include "vxThreePart.h"

namespace vx {

int SkinSizingMode(const TvxDataSkinCustomControl& r) {
  if (r.skinrect.IsEmpty()) return -1;
  if (r.rightbottompoint.X != 0 && r.rightbottompoint.Y != 0) return 1;
  if (r.righttoppoint.X != 0 || r.righttoppoint.Y != 0) return 2;
  if (r.leftbottompoint.X != 0 || r.leftbottompoint.Y != 0) return 3;
  return 0;
}

TvxRenderResult RenderControlRecord(const TvxSkinData& data, const TvxDataSkinCustomControl& r, int width,
                                    int height) {
  if (width < 1 || height < 1 || width > kMaxRenderSide || height > kMaxRenderSide)
    throw std::invalid_argument("render size must be 1 to " + std::to_string(kMaxRenderSide) + " pixels each way");
  TvxRenderResult out;
  out.sizingMode = SkinSizingMode(r);
  const int sw = r.skinrect.Width(), sh = r.skinrect.Height();
  const int dx = width - sw, dy = height - sh;
  const TvxPixmap* picture = data.Picture(r.pictureindex);
  const PixRect from = r.skinrect;
  switch (out.sizingMode) {
    case -1:
      out.image.SetSize(width, height);
      break;
    case 0:
      out.image.SetSize(sw, sh);
      if (picture) CopyRect(*picture, from, out.image, PixRect{0, 0, sw, sh});
      break;
    case 1: {
      const NinePartLayout src{r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.clientrect};
      NinePartLayout dst = src;
      dst.rt.x += dx;
      dst.lb.y += dy;
      dst.rb.x += dx;
      dst.rb.y += dy;
      dst.client.right += dx;
      dst.client.bottom += dy;
      const EdgeStretch edges{r.leftstretch, r.topstretch, r.rightstretch, r.bottomstretch};
      const ClientFill fill{r.stretcheffect, r.stretchtype, true};
      out.image.SetSize(width, height);
      if (picture) DrawNinePart(*picture, from, src, dst, width, height, edges, fill, out.image);
      break;
    }
    case 2:
      out.image.SetSize(width, sh);
      if (picture) DrawHorzThreePart(r.lefttoppoint.X, sw - r.righttoppoint.X, out.image, r.stretcheffect, width, from, *picture);
      break;
    case 3:
      out.image.SetSize(sw, height);
      if (picture) DrawVertThreePart(r.lefttoppoint.Y, sh - r.leftbottompoint.Y, out.image, r.stretcheffect, height, from, *picture);
      break;
  }
  return out;
}

}  // namespace vx
