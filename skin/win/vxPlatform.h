// Platform services that older or stripped-down Windows may lack, resolved by
// name once, so the program runs where they are missing: layered windows,
// the desktop compositor, monitor work areas, scroll-bar information and
// key-colour blits. Every wrapper does the documented fallback when its
// function is absent.
#pragma once

#include <windows.h>

namespace vx {

class TvxPlatform {
 public:
  // The services of this process (resolved on first use).
  static const TvxPlatform& Get();

  // Version tests offered to the skinned parts.
  bool LayeredWindowsAvailable() const;  // above 5, or 5.0 … 5.2
  bool IsVistaOrLater() const { return major_ >= 6; }
  bool IsXPOrLater() const { return major_ > 5 || (major_ == 5 && minor_ == 1); }
  bool IsWindows7() const { return major_ == 6 && minor_ == 1; }
  DWORD Major() const { return major_; }
  DWORD Minor() const { return minor_; }

  // The work area of the monitor a window is on (or that monitor's whole
  // rectangle when workArea is false); the system work area or the screen
  // when there is one monitor or the monitor functions are missing.
  RECT WorkArea(HWND window, bool workArea = true) const;
  // Scroll-bar information; without the function the bar reports itself
  // invisible.
  bool ScrollBarInfo(HWND window, LONG object, SCROLLBARINFO* info) const;
  // A layered window's constant opacity.
  bool SetOpacity(HWND window, BYTE opacity) const;
  bool UpdateLayered(HWND window, HDC screen, POINT* position, SIZE* size, HDC source, POINT* sourcePoint,
                     COLORREF key, BLENDFUNCTION* blend, DWORD flags) const;
  bool HasUpdateLayered() const { return updateLayered_ != nullptr; }
  // Desktop composition: off when the compositor library is missing.
  bool CompositionEnabled() const;
  // Turns the compositor's window transitions off or on for a window.
  bool SetWindowTransitions(HWND window, bool enabled) const;
  // Blur behind a window, optionally limited to a region.
  bool EnableBlurBehind(HWND window, bool enable, HRGN region) const;
  // Key-colour blit; false when the function is unavailable (callers then
  // draw through the portable key-colour routine).
  bool TransparentBlit(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                       COLORREF key) const;
  bool HasTransparentBlit() const { return transparentBlt_ != nullptr; }

 private:
  TvxPlatform();

  DWORD major_ = 0;
  DWORD minor_ = 0;
  HMONITOR(WINAPI* monitorFromWindow_)(HWND, DWORD) = nullptr;
  BOOL(WINAPI* getMonitorInfo_)(HMONITOR, LPMONITORINFO) = nullptr;
  BOOL(WINAPI* getScrollBarInfo_)(HWND, LONG, PSCROLLBARINFO) = nullptr;
  BOOL(WINAPI* setLayeredAttributes_)(HWND, COLORREF, BYTE, DWORD) = nullptr;
  BOOL(WINAPI* updateLayered_)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD) = nullptr;
  HRESULT(WINAPI* dwmIsCompositionEnabled_)(BOOL*) = nullptr;
  HRESULT(WINAPI* dwmSetWindowAttribute_)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
  HRESULT(WINAPI* dwmEnableBlurBehind_)(HWND, const void*) = nullptr;
  BOOL(WINAPI* transparentBlt_)(HDC, int, int, int, int, HDC, int, int, int, int, UINT) = nullptr;
};

}  // namespace vx
