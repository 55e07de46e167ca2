// The skin data's announcements reach the application's real forms.
//
// A form is told through its window (created on demand); the list is
// tk::Screen's, in its order. Targets stay valid for the whole of a broadcast
// even when a receiver frees a form or starts another broadcast: a freed
// form's target goes quiet and is dropped only once no broadcast is running.
#pragma once

#include "tkComponent.h"
#include "vxSkinMessages.h"

namespace tk {
class TCustomForm;
}

namespace vx {

class TvxFormTarget : public tk::TComponent, public TvxSkinMessageTarget {
 public:
  explicit TvxFormTarget(tk::TCustomForm* form);
  tk::TCustomForm* Form() const { return form_; }
  void HandleNeeded() override;
  void SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) override;
  const void* Identity() const override { return form_; }
  // True while any target is inside a send (a receiver is running).
  static bool Sending();

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  tk::TCustomForm* form_;
};

// Makes the skin data of every form announce to the application's forms
// (tk::Screen's list). Idempotent; the program calls it before making forms.
void InstallApplicationFormList();

}  // namespace vx
