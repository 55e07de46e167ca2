#include "vxPlatform.h"

namespace vx {
namespace {

template <typename F>
void Resolve(HMODULE module, const char* name, F& fn) {
  fn = module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The blur-behind request of the compositor (dwmapi's DWM_BLURBEHIND).
struct BlurBehind {
  DWORD flags;
  BOOL enable;
  HRGN region;
  BOOL transitionOnMaximized;
};
constexpr DWORD kBlurEnable = 1, kBlurRegion = 2;
constexpr DWORD kTransitionsForceDisabled = 3;

}  // namespace

const TvxPlatform& TvxPlatform::Get() {
  static const TvxPlatform platform;
  return platform;
}

TvxPlatform::TvxPlatform() {
  // The true version: RtlGetVersion is not subject to manifest compatibility
  // shims as GetVersionEx is.
  RTL_OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  LONG(WINAPI * rtlGetVersion)(RTL_OSVERSIONINFOW*) = nullptr;
  Resolve(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion", rtlGetVersion);
  if (rtlGetVersion && rtlGetVersion(&info) == 0) {
    major_ = info.dwMajorVersion;
    minor_ = info.dwMinorVersion;
  }
  HMODULE user = GetModuleHandleW(L"user32.dll");
  Resolve(user, "MonitorFromWindow", monitorFromWindow_);
  Resolve(user, "GetMonitorInfoW", getMonitorInfo_);
  Resolve(user, "GetScrollBarInfo", getScrollBarInfo_);
  Resolve(user, "SetLayeredWindowAttributes", setLayeredAttributes_);
  Resolve(user, "UpdateLayeredWindow", updateLayered_);
  // Libraries that may be absent are loaded from the system folder only.
  constexpr DWORD kSystemOnly = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, kSystemOnly);
  Resolve(dwm, "DwmIsCompositionEnabled", dwmIsCompositionEnabled_);
  Resolve(dwm, "DwmSetWindowAttribute", dwmSetWindowAttribute_);
  Resolve(dwm, "DwmEnableBlurBehindWindow", dwmEnableBlurBehind_);
  if (LayeredWindowsAvailable()) {
    HMODULE img = LoadLibraryExW(L"msimg32.dll", nullptr, kSystemOnly);
    Resolve(img, "TransparentBlt", transparentBlt_);
  }
}

bool TvxPlatform::LayeredWindowsAvailable() const {
  return major_ > 5 || (major_ == 5 && minor_ <= 2);
}

RECT TvxPlatform::WorkArea(HWND window, bool workArea) const {
  RECT r{};
  if (GetSystemMetrics(SM_CMONITORS) > 1 && monitorFromWindow_ && getMonitorInfo_) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (getMonitorInfo_(monitorFromWindow_(window, MONITOR_DEFAULTTONEAREST), &mi))
      return workArea ? mi.rcWork : mi.rcMonitor;
  }
  if (workArea && SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return r;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool TvxPlatform::ScrollBarInfo(HWND window, LONG object, SCROLLBARINFO* info) const {
  if (getScrollBarInfo_) return getScrollBarInfo_(window, object, info) != FALSE;
  const DWORD size = info->cbSize;
  *info = SCROLLBARINFO{};
  info->cbSize = size;
  info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return true;
}

bool TvxPlatform::SetOpacity(HWND window, BYTE opacity) const {
  return setLayeredAttributes_ && setLayeredAttributes_(window, 0, opacity, LWA_ALPHA);
}

bool TvxPlatform::UpdateLayered(HWND window, HDC screen, POINT* position, SIZE* size, HDC source,
                                POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags) const {
  return updateLayered_ && updateLayered_(window, screen, position, size, source, sourcePoint, key, blend, flags);
}

bool TvxPlatform::CompositionEnabled() const {
  BOOL on = FALSE;
  return dwmIsCompositionEnabled_ && SUCCEEDED(dwmIsCompositionEnabled_(&on)) && on;
}

bool TvxPlatform::SetWindowTransitions(HWND window, bool enabled) const {
  if (!dwmSetWindowAttribute_) return false;
  BOOL disabled = enabled ? FALSE : TRUE;
  return SUCCEEDED(dwmSetWindowAttribute_(window, kTransitionsForceDisabled, &disabled, sizeof(disabled)));
}

bool TvxPlatform::EnableBlurBehind(HWND window, bool enable, HRGN region) const {
  if (!dwmEnableBlurBehind_) return false;
  BlurBehind b{kBlurEnable | (region ? kBlurRegion : 0), enable ? TRUE : FALSE, region, FALSE};
  return SUCCEEDED(dwmEnableBlurBehind_(window, &b));
}

bool TvxPlatform::TransparentBlit(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                                  COLORREF key) const {
  return transparentBlt_ && transparentBlt_(dst, x, y, w, h, src, sx, sy, sw, sh, key);
}

}  // namespace vx
