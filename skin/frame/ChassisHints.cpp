// The frame's object hints: a frame object's hint shown in the skinned hint
// window when the pointer comes to rest on it, hidden when it leaves or when
// anything that dismisses popups happens, and the standard buttons' default
// hints from the skin's resource strings.
#include <windowsx.h>

#include "Chassis.h"
#include "vxResourceStrings.h"
#include "vxSkinMessages.h"

namespace vx {

void TvxChassis::SetSkinHint(TvxSkinHint* hint) {
  if (hint == skinHint_) return;
  if (skinHint_) {
    skinHint_->HideObjectHint();
    RemoveFreeNotification(skinHint_);
  }
  skinHint_ = hint;
  if (skinHint_) FreeNotification(skinHint_);
}

void TvxChassis::ShowObjectHintText(const std::string& text) {
  if (skinHint_ && !text.empty()) skinHint_->ShowObjectHint(tk::Utf8ToWide(text));
}

void TvxChassis::HideObjectHint() {
  if (skinHint_) skinHint_->HideObjectHint();
}

void TvxChassis::HintMessage(const tk::TMessage& m) {
  const bool on = ShowObjectHint && skinHint_;
  mouse_.Env().showObjectHint = on;
  switch (m.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      if (on) skinHint_->HideObjectHint();
      break;
    case WM_SKIN_STRINGS_CHANGED:
      if (Skinnable()) ApplyObjectHints();
      break;
    default:
      break;
  }
}

void TvxChassis::ApplyObjectHints() {
  const TvxSkinData* data = Data();
  if (!UseDefaultObjectHint || !data) return;
  frame::ResourceLookup lookup;
  if (const TvxResourceStrData* strings = data->ResourceStrData())
    lookup = [strings](const std::string& key) -> std::optional<std::string> { return strings->GetResStr(key); };
  frame::ApplyDefaultHints(mouse_.Objects(), lookup);
}

}  // namespace vx
