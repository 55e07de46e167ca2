#include "vxLayerWindow.h"

#include <unordered_map>

#include "vxDib.h"
#include "vxPlatform.h"
#include "vxWindowClass.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"TvxLayerWindow";
constexpr UINT_PTR kFadeTimer = 1;

std::unordered_map<HWND, void*>& Owners() {
  static auto* owners = new std::unordered_map<HWND, void*>;
  return *owners;
}

}  // namespace

void* TvxLayerWindow::OwnerOf(HWND window) {
  auto it = Owners().find(window);
  return it != Owners().end() ? it->second : nullptr;
}

TvxLayerWindow::TvxLayerWindow(int x, int y, int width, int height, WNDPROC proc, void* owner) {
  RegisterWindowClass(kClassName, proc);
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED, kClassName, L"", WS_POPUP, x, y,
                          width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd_) Owners()[hwnd_] = owner;
}

TvxLayerWindow::~TvxLayerWindow() {
  if (hwnd_) {
    Owners().erase(hwnd_);
    DestroyWindow(hwnd_);
  }
}

TvxLayerManager::TvxLayerManager() = default;

TvxLayerManager::~TvxLayerManager() {
  if (window_) HideLayer();
}

LRESULT CALLBACK TvxLayerManager::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_TIMER:
      if (wp == kFadeTimer) {
        if (auto* self = static_cast<TvxLayerManager*>(TvxLayerWindow::OwnerOf(hwnd)))
          self->FadeStep();
        return 0;
      }
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool TvxLayerManager::Push(int opacity) {
  if (!window_ || !dib_ || !dib_->Valid()) return false;
  SIZE size{dib_->Width(), dib_->Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(opacity), AC_SRC_ALPHA};
  HDC screen = GetDC(nullptr);
  const bool ok = TvxPlatform::Get().UpdateLayered(window_->Handle(), screen, &position_, &size, dib_->DC(), &origin,
                                                   0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
  return ok;
}

void TvxLayerManager::ShowLayer(int x, int y, int opacity, const TvxPixmap& mask, const TvxPixmap& picture) {
  const TvxPlatform& platform = TvxPlatform::Get();
  if (!platform.LayeredWindowsAvailable() || !platform.HasUpdateLayered()) return;
  if (window_) HideLayer();
  if (picture.Empty()) return;
  position_ = {x, y};
  window_ = std::make_unique<TvxLayerWindow>(x, y, picture.Width(), picture.Height(), &WindowProc, this);
  if (!window_->Handle()) {
    window_.reset();
    return;
  }
  bitmap_.Assign(picture);
  AlphaFromMask(bitmap_, mask);
  LimitColourToAlpha(bitmap_);
  dib_ = std::make_unique<TvxDib>(picture.Width(), picture.Height());
  dib_->Load(bitmap_.Pixels());
  fade_.Start(opacity);
  Push(0);
  SetWindowPos(window_->Handle(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  fading_ = !fade_.Done();
  if (fading_)
    SetTimer(window_->Handle(), kFadeTimer, kFadeInterval, nullptr);
  else
    Push(fade_.Current());
}

void TvxLayerManager::FadeStep() {
  if (!fading_) return;
  const int opacity = fade_.Tick();
  Push(opacity);
  if (fade_.Done()) {
    fading_ = false;
    KillTimer(window_->Handle(), kFadeTimer);
  }
  if (onFadeStep) onFadeStep(opacity);
}

void TvxLayerManager::HideLayer() {
  if (!TvxPlatform::Get().LayeredWindowsAvailable()) return;
  if (window_) {
    KillTimer(window_->Handle(), kFadeTimer);
    SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  }
  fading_ = false;
  bitmap_ = TvxBitmap();
  dib_.reset();
  window_.reset();
}

}  // namespace vx
