#include "vxSkinDataComponents.h"

#include <memory>
#include <vector>

#include "tkForms.h"
#include "vxSkinFormList.h"

namespace vx {

TvxSkinDataComponent::TvxSkinDataComponent(tk::TComponent* owner) : tk::TComponent(owner) {
  InstallApplicationFormList();
  // The form that carries the skin data hears its announcements first.
  if (auto* form = dynamic_cast<tk::TCustomForm*>(owner)) {
    ownerTarget_ = std::make_unique<TvxFormTarget>(form);
    SetOwnerForm(ownerTarget_.get());
  }
}

TvxSkinDataComponent::~TvxSkinDataComponent() = default;

void TvxSkinDataComponent::SetCompressedStoredSkin(TvxCompressedStoredSkinComponent* skin) {
  if (stored_) RemoveFreeNotification(stored_);
  stored_ = skin;
  if (skin) FreeNotification(skin);
  TvxSkinData::SetCompressedStoredSkin(skin);
}

void TvxSkinDataComponent::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation == tk::opRemove && component == stored_) {
    stored_ = nullptr;
    TvxSkinData::Notification(static_cast<TvxCompressedStoredSkin*>(
        static_cast<TvxCompressedStoredSkinComponent*>(component)));
  }
}

void TvxSkinDataLink::Set(TvxSkinDataComponent* data) {
  if (data_ == data) return;
  if (data_) self_.RemoveFreeNotification(data_);
  data_ = data;
  if (data_) self_.FreeNotification(data_);
}

void TvxSkinDataLink::Notification(tk::TComponent* component, tk::TOperation operation) {
  if (operation == tk::opRemove && component == data_) data_ = nullptr;
}

TvxSkinRecord* TvxSkinDataLink::Control(const std::string& name) const {
  return data_ ? data_->FindControl(name) : nullptr;
}

}  // namespace vx
