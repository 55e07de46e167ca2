#include "SkinRender.h"

#include <stdexcept>
#include <string>

namespace vx {

TvxRenderResult RenderControlRecord(const TvxSkinData& data, const TvxDataSkinCustomControl& record, int width,
                                    int height, TvxControlState state) {
  if (width < 1 || height < 1 || width > kMaxRenderSide || height > kMaxRenderSide)
    throw std::invalid_argument("render size must be 1 to " + std::to_string(kMaxRenderSide) + " pixels each way");
  TvxControlGeometry g;
  g.Load(&record, static_cast<int>(data.PictureList.size()));
  g.FitSkinSize(width, height);
  TvxRenderResult out;
  out.sizingMode = g.sizingMode;
  DrawControlImage(data.Picture(g.pictureIndex), g, StateSourceRect(record, state), width, height, out.image);
  return out;
}

}  // namespace vx
