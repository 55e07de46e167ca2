// A helper of the end-to-end test, run under the same Wine as the program:
// it reports where a top-level window and its client area are on the screen,
// and asks a window to close, from outside the program's process.
//
//   e2e_window geometry TITLE [TIMEOUT_MS]
//       waits until a visible top-level window with that caption exists, then
//       prints "screen W H window L T R B client L T W H"
//   e2e_window close TITLE
//       posts WM_CLOSE to it
//   e2e_window tabs TITLE
//       prints the captions of the tabs of the tab control inside that window,
//       one per line (UTF-8), after a line "tabs N"
//   e2e_window tabrects TITLE
//       prints "tabs N cur C first F origin X Y size W H" for the tab control
//       (its client origin on the screen and size), then "item I L T R B" for
//       every tab (the platform's item rectangles, control coordinates),
//       "platformarrows none|hidden|visible" and "arrows none" or
//       "arrows L T R B" (the skinned arrows, control coordinates)
//   e2e_window edit TITLE
//       prints the text of the first edit control inside that window (UTF-8)
//   e2e_window region TITLE
//       prints the window's region, one "rect L,T,R,B" line per rectangle in
//       window coordinates, or "none"
//   e2e_window hittest TITLE X Y [X Y ...]
//       sends WM_NCHITTEST at each point (window coordinates) and prints the
//       answers, one per line ("HTCAPTION", "HTLEFT", ...)
//   e2e_window resize TITLE W H
//       gives the window that size (its top-left corner stays)
//   e2e_window restore TITLE
//       sends it WM_SYSCOMMAND SC_RESTORE (what the taskbar does)
//   e2e_window style TITLE
//       prints "style S exstyle E iconic I" (hexadecimal styles)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

HWND FindVisible(const wchar_t* title) {
  HWND w = FindWindowW(nullptr, title);
  return (w && IsWindowVisible(w)) ? w : nullptr;
}

BOOL CALLBACK FindTabControl(HWND w, LPARAM lp) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (std::wstring(cls) == L"TkTabControl" || std::wstring(cls) == WC_TABCONTROLW) {
    *reinterpret_cast<HWND*>(lp) = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindEdit(HWND w, LPARAM lp) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (_wcsicmp(cls, L"Edit") == 0 || _wcsicmp(cls, L"TkEdit") == 0) {
    *reinterpret_cast<HWND*>(lp) = w;
    return FALSE;
  }
  return TRUE;
}

// WM_GETTEXT is marshalled between processes by the system.
int PrintEdit(HWND top) {
  HWND edit = nullptr;
  EnumChildWindows(top, FindEdit, reinterpret_cast<LPARAM>(&edit));
  if (!edit) return 1;
  wchar_t text[512] = {};
  SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  char utf8[512 * 3] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("%s\n", utf8);
  return 0;
}

// The tab control lives in the program's process: its item texts are asked
// for through a buffer in that process.
int PrintTabs(HWND top) {
  HWND tabs = nullptr;
  EnumChildWindows(top, FindTabControl, reinterpret_cast<LPARAM>(&tabs));
  if (!tabs) {
    std::printf("tabs 0\n");
    return 0;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  constexpr int kChars = 512;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(TCITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return 1;
  int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  std::printf("tabs %d\n", count);
  for (int i = 0; i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
    item.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    WriteProcessMemory(process, remote + sizeof(TCITEMW), text, sizeof text, nullptr);
    SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote + sizeof(TCITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
    char utf8[kChars * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return 0;
}

int PrintRegion(HWND w) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(w, rgn) == ERROR) {
    std::printf("none\n");
    DeleteObject(rgn);
    return 0;
  }
  const DWORD size = GetRegionData(rgn, 0, nullptr);
  std::vector<char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (!size || !GetRegionData(rgn, size, data)) {
    DeleteObject(rgn);
    return 1;
  }
  const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    std::printf("rect %ld,%ld,%ld,%ld\n", r[i].left, r[i].top, r[i].right, r[i].bottom);
  DeleteObject(rgn);
  return 0;
}

const char* HitName(LRESULT code) {
  switch (code) {
    case HTCLIENT: return "HTCLIENT";
    case HTCAPTION: return "HTCAPTION";
    case HTLEFT: return "HTLEFT";
    case HTRIGHT: return "HTRIGHT";
    case HTTOP: return "HTTOP";
    case HTTOPLEFT: return "HTTOPLEFT";
    case HTTOPRIGHT: return "HTTOPRIGHT";
    case HTBOTTOM: return "HTBOTTOM";
    case HTBOTTOMLEFT: return "HTBOTTOMLEFT";
    case HTBOTTOMRIGHT: return "HTBOTTOMRIGHT";
    case HTOBJECT: return "HTOBJECT";
    case HTNOWHERE: return "HTNOWHERE";
    default: return "other";
  }
}

int PrintHitTests(HWND w, int count, wchar_t** points) {
  RECT wr{};
  GetWindowRect(w, &wr);
  for (int i = 0; i + 1 < count; i += 2) {
    const int x = std::wcstol(points[i], nullptr, 10), y = std::wcstol(points[i + 1], nullptr, 10);
    const LRESULT code = SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y));
    std::printf("%s\n", HitName(code));
    // A caption button answered: it stays lit until the frame's hover poll
    // sees the pointer elsewhere, and a lit button changes the answers
    // around it. Let it go out first.
    if (code == HTOBJECT) Sleep(250);
  }
  return 0;
}

BOOL CALLBACK FindSkinnedArrows(HWND w, LPARAM lp) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (std::wstring(cls) == L"TvxSkinUpDown") {
    *reinterpret_cast<HWND*>(lp) = w;
    return FALSE;
  }
  return TRUE;
}

int PrintTabRects(HWND top) {
  HWND tabs = nullptr;
  EnumChildWindows(top, FindTabControl, reinterpret_cast<LPARAM>(&tabs));
  if (!tabs) return 1;
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  auto* remote = static_cast<RECT*>(VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return 1;
  const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  std::vector<RECT> items(count);
  int first = -1;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    WriteProcessMemory(process, remote, &r, sizeof r, nullptr);
    if (SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(remote)))
      ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    items[i] = r;
    if (first < 0 && r.right > r.left && r.right > 0) first = i;
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  POINT origin{0, 0};
  ClientToScreen(tabs, &origin);
  RECT client{};
  GetClientRect(tabs, &client);
  std::printf("tabs %d cur %d first %d origin %ld %ld size %ld %ld\n", count,
              static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)), first < 0 ? 0 : first, origin.x, origin.y,
              client.right, client.bottom);
  for (int i = 0; i < count; ++i)
    std::printf("item %d %ld %ld %ld %ld\n", i, items[i].left, items[i].top, items[i].right, items[i].bottom);
  HWND platform = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  std::printf("platformarrows %s\n", !platform ? "none" : IsWindowVisible(platform) ? "visible" : "hidden");
  HWND arrows = nullptr;
  EnumChildWindows(tabs, FindSkinnedArrows, reinterpret_cast<LPARAM>(&arrows));
  if (arrows && IsWindowVisible(arrows)) {
    RECT r{};
    GetWindowRect(arrows, &r);
    MapWindowPoints(HWND_DESKTOP, tabs, reinterpret_cast<POINT*>(&r), 2);
    std::printf("arrows %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  } else {
    std::printf("arrows none\n");
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: e2e_window geometry|close|tabs|tabrects|edit|region|hittest|resize|restore|style TITLE [...]\n");
    return 2;
  }
  std::wstring cmd = argv[1];
  const wchar_t* title = argv[2];
  DWORD timeout = argc > 3 && cmd == L"geometry" ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 20000;
  DWORD start = GetTickCount();
  HWND w = nullptr;
  while (!(w = FindVisible(title))) {
    if (GetTickCount() - start > timeout) {
      std::fprintf(stderr, "no visible window with that caption\n");
      return 1;
    }
    Sleep(100);
  }
  if (cmd == L"tabs") {
    int rc = PrintTabs(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"tabrects") {
    int rc = PrintTabRects(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"edit") {
    int rc = PrintEdit(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"restore") {
    return PostMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
  }
  if (cmd == L"resize") {
    if (argc < 5) return 2;
    const int width = std::wcstol(argv[3], nullptr, 10), height = std::wcstol(argv[4], nullptr, 10);
    return SetWindowPos(w, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  }
  if (cmd == L"region" || cmd == L"hittest" || cmd == L"style") {
    int rc = 0;
    if (cmd == L"region") rc = PrintRegion(w);
    else if (cmd == L"hittest") rc = PrintHitTests(w, argc - 3, argv + 3);
    else
      std::printf("style %lx exstyle %lx iconic %d\n", static_cast<unsigned long>(GetWindowLongW(w, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongW(w, GWL_EXSTYLE)), IsIconic(w) ? 1 : 0);
    std::fflush(stdout);
    return rc;
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
