#include "vxSkinMessagesWin.h"

#include <algorithm>

namespace vx {

void TvxWindowTarget::SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) {
  // A window destroyed by an earlier receiver of the same broadcast is skipped.
  if (IsWindow(window_)) SendMessageW(window_, msg, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
}

TvxWindowTarget& TvxWindowFormList::Add(HWND window, bool layerWindow) {
  forms_.push_back(std::make_unique<TvxWindowTarget>(window, layerWindow));
  return *forms_.back();
}

void TvxWindowFormList::Remove(HWND window) {
  forms_.erase(std::remove_if(forms_.begin(), forms_.end(), [window](const auto& f) { return f->Handle() == window; }),
               forms_.end());
}

std::vector<TvxSkinMessageTarget*> TvxWindowFormList::Forms() const {
  std::vector<TvxSkinMessageTarget*> out;
  for (const auto& f : forms_) out.push_back(f.get());
  return out;
}

}  // namespace vx
