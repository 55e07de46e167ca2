// The skin engine's window messages and the seam through which the skin data
// reaches the application's forms.
//
// The skin data announces changes by sending messages synchronously to every
// form's window. It does not know windows: it talks to TvxSkinMessageTarget
// (one form) and TvxSkinFormList (the application's forms, in the toolkit's
// order). The Windows binding supplies both over real windows; tests supply
// fakes that record what they receive.
#pragma once

#include <cstdint>
#include <vector>

namespace vx {

constexpr unsigned kWmUser = 0x0400;
constexpr unsigned WM_SKIN_BEFORE_CHANGE = kWmUser + 201;             // 1225
constexpr unsigned WM_SKIN_CHANGED = kWmUser + 202;                   // 1226
constexpr unsigned WM_SKIN_AFTER_CHANGE = kWmUser + 203;              // 1227
constexpr unsigned WM_SKIN_STRINGS_CHANGED = kWmUser + 250;           // 1274
constexpr unsigned WM_SKIN_SKINNABLE_CHANGED = kWmUser + 270;         // 1294
constexpr unsigned WM_SKIN_LAYERED_BORDERS_CHANGED = kWmUser + 403;   // 1427
constexpr unsigned WM_SKIN_BLUR_CHANGED = kWmUser + 404;              // 1428
// The second parameter every skin data announcement carries.
constexpr intptr_t kSkinMessageLParam = 1000;

// One form, as the broadcast sees it.
class TvxSkinMessageTarget {
 public:
  virtual ~TvxSkinMessageTarget() = default;
  // Makes sure the form has a window (a form without one gets it here).
  virtual void HandleNeeded() {}
  // The layered border windows are forms too, but never receive announcements.
  virtual bool IsLayerWindow() const { return false; }
  // Sends synchronously: the receiver has handled it when this returns.
  virtual void SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) = 0;
  // The form behind this target. Two targets with the same identity are the
  // same form: the owner the skin data serves first is left out of the list
  // walk even when the list hands out a target object of its own.
  virtual const void* Identity() const { return this; }
};

// The application's forms in the toolkit's order.
class TvxSkinFormList {
 public:
  virtual ~TvxSkinFormList() = default;
  virtual std::vector<TvxSkinMessageTarget*> Forms() const = 0;
};

// The form list every skin data broadcasts to unless it was given its own.
// The Windows binding installs the toolkit's; null means there are no forms.
void SetApplicationFormList(TvxSkinFormList* forms);
TvxSkinFormList* ApplicationFormList();

}  // namespace vx
