// Layered pop-up windows that show a picture with per-pixel alpha over the
// desktop (glow frames of hot buttons), faded in.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "vxAlphaBitmap.h"
#include "vxLayerFade.h"

namespace vx {

class TvxDib;

// A top-level pop-up that never takes activation or the mouse.
class TvxLayerWindow {
 public:
  // Created hidden at (x, y), width × height, with the layered style.
  TvxLayerWindow(int x, int y, int width, int height, WNDPROC timerHandler, void* owner);
  ~TvxLayerWindow();
  TvxLayerWindow(const TvxLayerWindow&) = delete;
  TvxLayerWindow& operator=(const TvxLayerWindow&) = delete;
  HWND Handle() const { return hwnd_; }
  // The owner a live layer window was made for, or null: kept here, not in
  // the window's user data, which any process can set.
  static void* OwnerOf(HWND window);

 private:
  HWND hwnd_ = nullptr;
};

class TvxLayerManager {
 public:
  static constexpr UINT kFadeInterval = 25;  // ms

  TvxLayerManager();
  ~TvxLayerManager();
  TvxLayerManager(const TvxLayerManager&) = delete;
  TvxLayerManager& operator=(const TvxLayerManager&) = delete;

  // Shows `picture` at (x, y) through `mask` (white opaque, black clear) and
  // fades it in to `opacity` (clamped to 0 … 255). Hides any layer shown.
  void ShowLayer(int x, int y, int opacity, const TvxPixmap& mask, const TvxPixmap& picture);
  void HideLayer();

  bool topMost = true;
  HWND Window() const { return window_ ? window_->Handle() : nullptr; }
  int Opacity() const { return fade_.Current(); }
  bool Fading() const { return fading_; }
  // Called with the new opacity after each fade step (for the caller's
  // bookkeeping and tests).
  std::function<void(int)> onFadeStep;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void FadeStep();
  bool Push(int opacity);

  std::unique_ptr<TvxLayerWindow> window_;
  std::unique_ptr<TvxDib> dib_;
  TvxBitmap bitmap_;
  TvxFade fade_;
  bool fading_ = false;
  POINT position_{};
};

}  // namespace vx
