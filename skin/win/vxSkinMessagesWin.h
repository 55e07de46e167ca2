// The skin announcements over real windows: a form is its window handle, and
// sending is SendMessageW, synchronous as the broadcast requires.
//
// The toolkit's form list binds to the skin data by implementing
// TvxSkinFormList over its forms (creating a form's window in HandleNeeded)
// and installing it with SetApplicationFormList. TvxWindowFormList is the
// plain version over window handles the program registers itself.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "vxSkinMessages.h"

namespace vx {

class TvxWindowTarget : public TvxSkinMessageTarget {
 public:
  explicit TvxWindowTarget(HWND window, bool layerWindow = false) : window_(window), layer_(layerWindow) {}
  HWND Handle() const { return window_; }
  bool IsLayerWindow() const override { return layer_; }
  const void* Identity() const override { return window_; }
  void SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) override;

 private:
  HWND window_;
  bool layer_;
};

class TvxWindowFormList : public TvxSkinFormList {
 public:
  TvxWindowTarget& Add(HWND window, bool layerWindow = false);
  void Remove(HWND window);
  std::vector<TvxSkinMessageTarget*> Forms() const override;

 private:
  std::vector<std::unique_ptr<TvxWindowTarget>> forms_;
};

}  // namespace vx
