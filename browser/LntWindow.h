// The control's own window and the parking window.
//
// The browser is in-place activated inside a small child window of the
// control's own class, so the control has a window procedure of its own
// (Enter key, close query, window-position notifications, resizing the
// browser) without subclassing the browser's windows. The parking window is a
// hidden top-level window that keeps a control's window, and with it the
// browser's page, history and scripts, alive while its parent is re-created.
#pragma once

#include <windows.h>

namespace kinopod::lnt {

class LntWindowOwner {
 public:
  virtual LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) = 0;
  // The window is gone (WM_NCDESTROY); the owner forgets its handle.
  virtual void WindowDestroyed(HWND hwnd) = 0;

 protected:
  ~LntWindowOwner() = default;
};

extern const wchar_t kLntWindowClass[];

HWND CreateLntWindow(LntWindowOwner* owner, HWND parent, const RECT& bounds, bool visible);
// The window's owner, or null for a window of another class.
LntWindowOwner* LntWindowOwnerOf(HWND hwnd);
// Hands a window (e.g. adopted from the parking window) to a new owner.
void SetLntWindowOwner(HWND hwnd, LntWindowOwner* owner);

// Hidden top-level window (the application's hidden main window when the
// toolkit supplies one; created on first use otherwise).
HWND ParkingWindow();
void SetParkingWindow(HWND hwnd);
void DestroyParkingWindow();

}  // namespace kinopod::lnt
