// The control's window class and the parking window (see LntWindow.h).
#include "LntWindow.h"

namespace kinopod::lnt {

const wchar_t kLntWindowClass[] = L"KinopodLantern";

namespace {

const wchar_t kParkingClass[] = L"KinopodLanternParking";
HWND g_parking = nullptr;
bool g_parkingIsOurs = false;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

LRESULT CALLBACK LntWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* owner = reinterpret_cast<LntWindowOwner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (owner) owner->WindowDestroyed(hwnd);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (owner && msg != WM_NCCREATE) return owner->WindowProc(hwnd, msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = LntWndProc;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kLntWindowClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = kParkingClass;
  RegisterClassExW(&wc);
  done = true;
}

}  // namespace

HWND CreateLntWindow(LntWindowOwner* owner, HWND parent, const RECT& bounds, bool visible) {
  RegisterClasses();
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | (visible ? WS_VISIBLE : 0);
  return CreateWindowExW(0, kLntWindowClass, L"", style, bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, parent, nullptr, Instance(), owner);
}

LntWindowOwner* LntWindowOwnerOf(HWND hwnd) {
  wchar_t name[32];
  if (!hwnd || !GetClassNameW(hwnd, name, 32) || lstrcmpW(name, kLntWindowClass) != 0) return nullptr;
  return reinterpret_cast<LntWindowOwner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void SetLntWindowOwner(HWND hwnd, LntWindowOwner* owner) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

HWND ParkingWindow() {
  if (g_parking && IsWindow(g_parking)) return g_parking;
  RegisterClasses();
  g_parking = CreateWindowExW(WS_EX_TOOLWINDOW, kParkingClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              Instance(), nullptr);
  g_parkingIsOurs = true;
  return g_parking;
}

void SetParkingWindow(HWND hwnd) {
  DestroyParkingWindow();
  g_parking = hwnd;
  g_parkingIsOurs = false;
}

void DestroyParkingWindow() {
  if (g_parking && g_parkingIsOurs && IsWindow(g_parking)) DestroyWindow(g_parking);
  g_parking = nullptr;
  g_parkingIsOurs = false;
}

}  // namespace kinopod::lnt
