// The start-up benchmark's baseline: the smallest Win32 program with a main
// window, built the way podreel is (same compiler, static runtime, same
// manifest and resources). It paints its client area once and waits to be
// closed.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
      EndPaint(w, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.lpszClassName = L"KinopodBlankWindow";
  if (!RegisterClassW(&wc)) return 1;
  // The main window's size: 877 x 679 client pixels.
  RECT r{0, 0, 877, 679};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  HWND w = CreateWindowW(wc.lpszClassName, L"Kinopod blank window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  if (!w) return 1;
  ShowWindow(w, show);
  UpdateWindow(w);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
