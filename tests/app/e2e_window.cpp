// A helper of the end-to-end test, run under the same Wine as the program:
// it reports where a top-level window and its client area are on the screen,
// and asks a window to close, from outside the program's process.
//
//   e2e_window geometry TITLE [TIMEOUT_MS]
//       waits until a visible top-level window with that caption exists, then
//       prints "screen W H window L T R B client L T W H"
//   e2e_window close TITLE
//       posts WM_CLOSE to it
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindVisible(const wchar_t* title) {
  HWND w = FindWindowW(nullptr, title);
  return (w && IsWindowVisible(w)) ? w : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: e2e_window geometry|close TITLE [TIMEOUT_MS]\n");
    return 2;
  }
  std::wstring cmd = argv[1];
  const wchar_t* title = argv[2];
  DWORD timeout = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 20000;
  DWORD start = GetTickCount();
  HWND w = nullptr;
  while (!(w = FindVisible(title))) {
    if (GetTickCount() - start > timeout) {
      std::fprintf(stderr, "no visible window with that caption\n");
      return 1;
    }
    Sleep(100);
  }
  if (cmd == L"close") {
    return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  RECT wr{}, cr{};
  GetWindowRect(w, &wr);
  GetClientRect(w, &cr);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  std::printf("screen %d %d window %ld %ld %ld %ld client %ld %ld %ld %ld\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), wr.left, wr.top, wr.right, wr.bottom, origin.x, origin.y,
              cr.right - cr.left, cr.bottom - cr.top);
  std::fflush(stdout);
  return 0;
}
