#include "QuickButtonRecords.h"

#include "vxSkinDataControls.h"

namespace vx::frame {
namespace {

Rect R(const TvxRect& r) { return ClampFrameCoords(Rect{r.Left, r.Top, r.Right, r.Bottom}); }

}  // namespace

void QuickButtonBackgroundFromSkinData(const TvxSkinData& data, QuickButtonLooks& looks) {
  looks.backPicture = nullptr;
  if (data.Empty()) return;
  const auto* r = dynamic_cast<const TvxDataSkinButtonControl*>(data.FindControl("officequickbutton"));
  if (!r) r = dynamic_cast<const TvxDataSkinButtonControl*>(data.FindControl("resizetoolbutton"));
  if (!r) return;
  const TvxPixmap* picture = data.Picture(r->pictureindex);
  if (!picture || picture->Empty()) return;
  looks.backPicture = picture;
  looks.backSkinRect = R(r->skinrect);
  // A button record's missing hot image is its normal one, a missing pressed
  // image its hot one.
  looks.backHover = R(r->activeskinrect).IsEmpty() ? looks.backSkinRect : R(r->activeskinrect);
  looks.backDown = R(r->downskinrect).IsEmpty() ? looks.backHover : R(r->downskinrect);
  looks.backLayout = Sanitized(NinePartLayout{r->lefttoppoint, r->righttoppoint, r->leftbottompoint,
                                              r->rightbottompoint, r->clientrect});
  looks.backEdges = {r->leftstretch, r->topstretch, r->rightstretch, r->bottomstretch};
  looks.backFill = {r->stretcheffect, r->stretchtype, true};
}

}  // namespace vx::frame
