#include "SkinRender.h"

#include <stdexcept>
#include <string>

#include "vxEditSkin.h"

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
  if (const auto* edit = dynamic_cast<const TvxDataSkinEditControl*>(&record)) {
    // An edit draws by its own rules: three parts across at the picture's
    // height, whatever its corner points say, with the text area's
    // background in place.
    const TvxEditSkin skin = TvxEditSkin::From(*edit, static_cast<int>(data.PictureList.size()));
    TvxEditLook look;
    look.active = state == TvxControlState::hot || state == TvxControlState::down ||
                  state == TvxControlState::focused;
    look.enabled = state != TvxControlState::disabled;
    const int h = skin.SkinHeight() > 0 ? skin.SkinHeight() : height;
    DrawEditLook(data.Picture(skin.pictureIndex), skin, TvxEditMode{}, look, width, h, out.image);
    return out;
  }
  DrawControlImage(data.Picture(g.pictureIndex), g, StateSourceRect(record, state), width, height, out.image);
  return out;
}

}  // namespace vx
