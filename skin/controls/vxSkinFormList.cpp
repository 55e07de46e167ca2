#include "vxSkinFormList.h"

#include <map>
#include <memory>
#include <vector>

#include "tkForms.h"

namespace vx {

namespace {
int g_sendDepth = 0;
}

TvxFormTarget::TvxFormTarget(tk::TCustomForm* form) : tk::TComponent(nullptr), form_(form) {
  if (form_) FreeNotification(form_);
}

bool TvxFormTarget::Sending() { return g_sendDepth > 0; }

void TvxFormTarget::HandleNeeded() {
  if (form_) form_->HandleNeeded();
}

namespace {

// Tells every control inside `parent`, depth first in the parents' control
// order. Forms docked inside are left out: they are in the application's
// list and hear the announcement themselves. A receiver may free controls,
// so each one is looked up again in its parent before it is told or walked.
void TellControls(tk::TWinControl* parent, unsigned msg, uintptr_t wparam, intptr_t lparam) {
  const int count = parent->ControlCount();
  std::vector<tk::TControl*> children;
  children.reserve(count);
  for (int i = 0; i < count; ++i) children.push_back(parent->Controls(i));
  for (tk::TControl* c : children) {
    if (parent->IndexOfControl(c) < 0 || dynamic_cast<tk::TCustomForm*>(c)) continue;
    c->Perform(msg, wparam, lparam);
    if (parent->IndexOfControl(c) < 0) continue;
    if (auto* w = dynamic_cast<tk::TWinControl*>(c)) TellControls(w, msg, wparam, lparam);
  }
}

}  // namespace

void TvxFormTarget::SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) {
  if (!form_) return;  // freed by an earlier receiver of this broadcast
  struct Depth {
    Depth() { ++g_sendDepth; }
    ~Depth() { --g_sendDepth; }
  } depth;
  if (form_->HandleAllocated())
    SendMessageW(form_->Handle(), msg, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
  else
    form_->Perform(msg, wparam, lparam);
  // The form's skinned controls follow the form (the frame first).
  if (form_) TellControls(form_, msg, wparam, lparam);
}

void TvxFormTarget::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation == tk::opRemove && component == form_) form_ = nullptr;
}

namespace {

class ScreenFormList : public TvxSkinFormList {
 public:
  std::vector<TvxSkinMessageTarget*> Forms() const override {
    // A broadcast still walking its own copy of the list may hold targets of
    // freed forms; they go only when nobody is sending.
    if (!TvxFormTarget::Sending()) {
      std::erase_if(targets_, [](const auto& t) { return !t.second->Form(); });
      retired_.clear();
    }
    std::vector<TvxSkinMessageTarget*> out;
    if (!tk::Screen) return out;
    for (int i = 0; i < tk::Screen->FormCount(); ++i) {
      tk::TCustomForm* form = tk::Screen->Forms(i);
      auto it = targets_.find(form);
      // A freed form's address may come back for a new form: its old target is
      // dead (form null) and is replaced.
      if (it != targets_.end() && !it->second->Form()) {
        retired_.push_back(std::move(it->second));
        targets_.erase(it);
        it = targets_.end();
      }
      if (it == targets_.end()) it = targets_.emplace(form, std::make_unique<TvxFormTarget>(form)).first;
      out.push_back(it->second.get());
    }
    return out;
  }

 private:
  mutable std::map<tk::TCustomForm*, std::unique_ptr<TvxFormTarget>> targets_;
  mutable std::vector<std::unique_ptr<TvxFormTarget>> retired_;
};

}  // namespace

void InstallApplicationFormList() {
  static ScreenFormList list;
  SetApplicationFormList(&list);
}

}  // namespace vx
