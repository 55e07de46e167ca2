#include "vxSkinDataComponents.h"

#include <memory>
#include <vector>

#include "tkForms.h"

namespace vx {

TvxSkinDataComponent::TvxSkinDataComponent(tk::TComponent* owner) : tk::TComponent(owner) {
  InstallApplicationFormList();
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

namespace {

// One form as the skin data's broadcast sees it: messages go through the
// form's window when it has one, else straight to the form.
class FormTarget : public TvxSkinMessageTarget {
 public:
  explicit FormTarget(tk::TCustomForm* form) : form_(form) {}
  void HandleNeeded() override { form_->HandleNeeded(); }
  void SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) override {
    if (form_->HandleAllocated())
      SendMessageW(form_->Handle(), msg, wparam, lparam);
    else
      form_->Perform(msg, wparam, lparam);
  }

 private:
  tk::TCustomForm* form_;
};

class ScreenFormList : public TvxSkinFormList {
 public:
  std::vector<TvxSkinMessageTarget*> Forms() const override {
    targets_.clear();
    std::vector<TvxSkinMessageTarget*> out;
    if (!tk::Screen) return out;
    for (int i = 0; i < tk::Screen->FormCount(); ++i) {
      targets_.push_back(std::make_unique<FormTarget>(tk::Screen->Forms(i)));
      out.push_back(targets_.back().get());
    }
    return out;
  }

 private:
  mutable std::vector<std::unique_ptr<FormTarget>> targets_;
};

}  // namespace

void InstallApplicationFormList() {
  static ScreenFormList list;
  SetApplicationFormList(&list);
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
