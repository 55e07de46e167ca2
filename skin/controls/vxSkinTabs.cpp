#include "vxSkinTabs.h"

namespace vx {

TvxSkinPageControl::TvxSkinPageControl(tk::TComponent* owner) : TvxSkinControl(owner) {
  SetSkinDataName("tab");
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

void TvxSkinPageControl::Paint() {
  Canvas().Brush().SetStyle(tk::bsSolid);
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

}  // namespace vx
