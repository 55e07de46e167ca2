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
    std::fprintf(stderr, "usage: e2e_window geometry|close|tabs|tabrects|edit TITLE [TIMEOUT_MS]\n");
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
