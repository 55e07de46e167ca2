#include "vxSkinBoxCtrls.h"

#include "vxSkinCtrls.h"

namespace vx {

TvxSkinEdit::TvxSkinEdit(tk::TComponent* owner) : tk::TCustomMaskEdit(owner), skinData_(*this) {
  SetDefaultSkinFont(defaultFont_, tk::clBlack);
  SetColor(defaultColor_);
  SetTabStop(true);
  SetBounds(0, 0, 121, 20);
}

void TvxSkinEdit::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  Invalidate();
}

void TvxSkinEdit::SetDefaultColor(tk::TColor color) {
  defaultColor_ = color;
  SetColor(color);
}

void TvxSkinEdit::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TCustomMaskEdit::Notification(component, operation);
  skinData_.Notification(component, operation);
}

}  // namespace vx
