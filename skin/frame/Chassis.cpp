#include "Chassis.h"

#include "vxSkinCtrls.h"

namespace vx {

TvxChassis::TvxChassis(tk::TComponent* owner)
    : tk::TComponent(owner), form_(dynamic_cast<tk::TCustomForm*>(owner)), skinData_(*this) {
  SetDefaultSkinFont(defCaptionFont_, tk::clBtnText, tk::fsBold);
  SetDefaultSkinFont(defInActiveCaptionFont_, tk::clBtnShadow, tk::fsBold);
  SetDefaultSkinFont(defMenuItemFont_, tk::clWindowText);
}

void TvxChassis::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  skinData_.Notification(component, operation);
  if (operation == tk::opRemove && component == form_) form_ = nullptr;
}

TvxChassis* FindChassis(tk::TCustomForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TvxChassis*>(form->Components(i))) return c;
  return nullptr;
}

}  // namespace vx
