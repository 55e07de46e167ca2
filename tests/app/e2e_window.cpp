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
//   e2e_window editrect TITLE
//       prints "edit L T W H": the first edit control's window rectangle in
//       the top-level window's client coordinates
//   e2e_window editselect TITLE
//       selects the whole text of the first edit control
//   e2e_window clipboard TITLE TEXT
//       puts TEXT on the clipboard, "\r" and "\n" written as those two
//       characters standing for CR and LF
//   e2e_window clipboard TITLE
//       prints "clipboard TEXT", the clipboard's text in UTF-8
//   e2e_window count TITLE
//       prints "windows N": the program's windows, shown or hidden, top-level
//       and child (what a leak of windows would make grow)
//   e2e_window hostile TITLE
//       sets a window property holding a meaningless pointer on every window
//       of the program (the name the toolkit once kept its controls under)
//       and the user data of the program's own windows,
//       sends and posts messages with meaningless parameters to every window
//       of the program's own classes (pointer-carrying notifications, control
//       notifications naming its controls, the toolkit's and the skin's
//       private messages), then checks that the program still answers and,
//       when the window has a keyword box, waits until the program has
//       worked through the posted ones; prints "hostile WINDOWS SENT"
//       (with " drained in MS ms" after such a wait) and exits 0
//
//   e2e_window menus TITLE
//       prints "popups N platform M": the visible skinned menu windows and
//       platform menu windows (#32768) of the program, then for each skinned
//       one "popup L T R B" and its items, one "item TEXT" line each (UTF-8)
//   e2e_window sysmenusize TITLE [rolled]
//       prints "size W H": the size the landed layout rules give the system
//       menu of the program's skin (normal or rolled-up window), its texts
//       measured here in the skin's menu font
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "../../resources/ProgramSkin.h"
#include "MenuPaint.h"
#include "SystemMenu.h"
#include "vxSkinData.h"
#include "vxStoredSkin.h"

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

HWND FirstEdit(HWND top) {
  HWND edit = nullptr;
  EnumChildWindows(top, FindEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

int PrintEditRect(HWND top) {
  HWND edit = FirstEdit(top);
  if (!edit) return 1;
  RECT r{};
  GetWindowRect(edit, &r);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  std::printf("edit %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

int SetClipboard(const wchar_t* escaped) {
  std::wstring text;
  for (const wchar_t* p = escaped; *p; ++p) {
    if (p[0] == L'\\' && (p[1] == L'r' || p[1] == L'n')) {
      text += p[1] == L'r' ? L'\r' : L'\n';
      ++p;
    } else {
      text += *p;
    }
  }
  // The clipboard's owner must be a window of ours; its data stays after we end.
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!owner || !OpenClipboard(owner)) return 1;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!mem) {
    CloseClipboard();
    return 1;
  }
  std::memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(mem);
  const bool ok = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
  CloseClipboard();
  return ok ? 0 : 1;
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

// ---- hostile ----

struct ProgramWindows {
  DWORD pid = 0;
  std::vector<HWND> all, windows;
};

// The program's own window classes (the toolkit's, the skin's, the browser
// host's): the platform's and the browser's inner windows are not ours to test.
bool OurClass(HWND w) {
  wchar_t cls[128] = {};
  GetClassNameW(w, cls, 128);
  for (const wchar_t* prefix : {L"Tk", L"Tvx", L"TApplication", L"Kinopod"})
    if (std::wcsncmp(cls, prefix, std::wcslen(prefix)) == 0) return true;
  return false;
}

void Collect(HWND w, ProgramWindows& found);

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
  auto& found = *reinterpret_cast<ProgramWindows*>(lp);
  found.all.push_back(w);
  if (OurClass(w)) found.windows.push_back(w);
  return TRUE;
}

void Collect(HWND w, ProgramWindows& found) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != found.pid) return;
  found.all.push_back(w);
  if (OurClass(w)) found.windows.push_back(w);
  EnumChildWindows(w, CollectChild, reinterpret_cast<LPARAM>(&found));
}

BOOL CALLBACK CollectTop(HWND w, LPARAM lp) {
  Collect(w, *reinterpret_cast<ProgramWindows*>(lp));
  return TRUE;
}

bool Answers(HWND w) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, 10000, &result) != 0;
}

int Hostile(HWND top) {
  ProgramWindows found;
  GetWindowThreadProcessId(top, &found.pid);
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&found));
  for (HWND m = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); m;
       m = FindWindowExW(HWND_MESSAGE, m, nullptr, nullptr))
    Collect(m, found);
  const std::vector<HWND>& ours = found.windows;

  long sent = 0;
  bool hung = false;
  auto send = [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_NORMAL | SMTO_ABORTIFHUNG, 10000, &result) &&
        GetLastError() == ERROR_TIMEOUT)
      hung = true;
    ++sent;
  };
  // Numbers that are no address in the program: small, odd, far away.
  const LPARAM garbage[] = {1, 0x10, static_cast<LPARAM>(0xDEADBEEF), static_cast<LPARAM>(-1),
                            static_cast<LPARAM>(static_cast<uintptr_t>(0x7FFFDEAD0000ull))};

  // Any process may set any window's properties: none may be a pointer the
  // program follows.
  for (HWND w : found.all) SetPropW(w, L"tk.control", reinterpret_cast<HANDLE>(garbage[2]));
  // Nor any user data of our windows (Windows lets another process set it,
  // Wine does not); their timers then tick from here.
  for (HWND w : ours) {
    SetWindowLongPtrW(w, GWLP_USERDATA, garbage[2]);
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    if (std::wcscmp(cls, L"TApplication") == 0 || std::wcscmp(cls, L"TvxLayerWindow") == 0)
      for (WPARAM id = 0; id < 8; ++id) send(w, WM_TIMER, id, 0);
  }

  for (HWND w : ours) {
    if (!IsWindow(w)) continue;
    // WM_NOTIFY travels unchanged between processes: the program gets our numbers.
    for (LPARAM g : garbage) send(w, WM_NOTIFY, 1, g);
    for (HWND from : ours) {
      NMHDR hdr{from, 1, static_cast<UINT>(TCN_SELCHANGE)};
      send(w, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&hdr));
      // A control notification naming one of the program's windows.
      for (WORD code : {WORD{BN_CLICKED}, WORD{EN_CHANGE}, WORD{0xFFFF}})
        send(w, WM_COMMAND, MAKEWPARAM(1, code), reinterpret_cast<LPARAM>(from));
    }
    // The system copies these structures across; their contents are ours to choose.
    for (UINT type : {ODT_MENU, ODT_BUTTON, ODT_LISTBOX}) {
      for (LPARAM g : garbage) {
        HWND item = ours[static_cast<size_t>(g & 0xFF) % ours.size()];
        DRAWITEMSTRUCT di{type, 1, 7, ODA_DRAWENTIRE, ODS_SELECTED, item, reinterpret_cast<HDC>(g),
                          {0, 0, 10, 10}, static_cast<ULONG_PTR>(g)};
        send(w, WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&di));
        MEASUREITEMSTRUCT mi{type, 1, 7, 0, 0, static_cast<ULONG_PTR>(g)};
        send(w, WM_MEASUREITEM, 1, reinterpret_cast<LPARAM>(&mi));
        DELETEITEMSTRUCT de{type, 1, 7, item, static_cast<ULONG_PTR>(g)};
        send(w, WM_DELETEITEM, 1, reinterpret_cast<LPARAM>(&de));
        COMPAREITEMSTRUCT ci{type, 1, item, 7, static_cast<ULONG_PTR>(g), 8, static_cast<ULONG_PTR>(g), 0};
        send(w, WM_COMPAREITEM, 1, reinterpret_cast<LPARAM>(&ci));
      }
    }
    // The toolkit's own messages (CM_, and CN_ with the reflected notifications).
    std::vector<UINT> privates;
    for (UINT m = 0xB000; m < 0xB040; ++m) privates.push_back(m);
    for (UINT n : {0x002B, 0x002C, 0x002D, 0x0039, 0x004E, 0x0100, 0x0104, 0x0111, 0x0133, 0x0138})
      privates.push_back(0xBC00 + n);
    // The skin's: its announcements, a parent's background, the glow frame.
    for (UINT m : {1225, 1226, 1227, 1274, 1294, 1427, 1428, 1284, 1424, 1425}) privates.push_back(m);
    // The application window's form release.
    privates.push_back(WM_APP + 1);
    for (UINT m : privates) {
      send(w, m, 0, garbage[2]);
      send(w, m, static_cast<WPARAM>(garbage[2]), 1000);
      send(w, m, static_cast<WPARAM>(garbage[4]), garbage[4]);
      PostMessageW(w, m, static_cast<WPARAM>(garbage[2]), garbage[2]);
    }
    for (HWND from : ours) PostMessageW(w, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(from));
    // The system refuses to post most of these; whatever it lets through must do no harm.
    for (UINT m : {WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM})
      PostMessageW(w, m, 1, garbage[2]);
  }
  // The posted ones are handled after every send: the program must keep
  // answering while it works through them.
  for (int i = 0; i < 5; ++i) {
    if (!Answers(top)) {
      std::fprintf(stderr, "the program stopped answering\n");
      return 1;
    }
    Sleep(100);
  }
  if (hung) {
    std::fprintf(stderr, "a window stopped answering during the sends\n");
    return 1;
  }
  // Sent messages go ahead of posted ones, so the program answering says
  // nothing of the posted backlog. One more posted last, to the keyword box,
  // is handled after all of them: a text limit nobody uses, read back by a
  // send until it shows, then put back. A window without one (a test's own
  // form) is pumped by its caller, which sees the backlog end itself.
  HWND edit = nullptr;
  EnumChildWindows(top, FindEdit, reinterpret_cast<LPARAM>(&edit));
  if (!edit) {
    std::printf("hostile %zu %ld\n", ours.size(), sent);
    return 0;
  }
  const LRESULT limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
  const WPARAM marker = static_cast<WPARAM>(limit) == 12345 ? 12346 : 12345;
  PostMessageW(edit, EM_SETLIMITTEXT, marker, 0);
  const DWORD start = GetTickCount();
  while (static_cast<WPARAM>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)) != marker) {
    if (GetTickCount() - start > 60000) {
      std::fprintf(stderr, "the posted messages were not worked through in 60 s\n");
      return 1;
    }
    Sleep(20);
  }
  const DWORD drained = GetTickCount() - start;
  SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
  std::printf("hostile %zu %ld drained in %lu ms\n", ours.size(), sent, static_cast<unsigned long>(drained));
  return 0;
}

// ---- menus ----

struct MenuWindows {
  DWORD pid = 0;
  std::vector<HWND> skinned;
  int platform = 0;
};

BOOL CALLBACK CollectMenuWindow(HWND h, LPARAM lp) {
  auto* m = reinterpret_cast<MenuWindows*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid != m->pid || !IsWindowVisible(h)) return TRUE;
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (std::wstring(cls) == L"VxSkinPopupWindow") m->skinned.push_back(h);
  else if (std::wstring(cls) == L"#32768") ++m->platform;
  return TRUE;
}

struct WindowCount {
  DWORD pid = 0;
  int count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
  ++reinterpret_cast<WindowCount*>(lp)->count;
  return TRUE;
}

BOOL CALLBACK CountProgramWindow(HWND h, LPARAM lp) {
  auto* c = reinterpret_cast<WindowCount*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid != c->pid) return TRUE;
  ++c->count;
  EnumChildWindows(h, CountChild, lp);
  return TRUE;
}

int PrintWindowCount(HWND w) {
  WindowCount c;
  GetWindowThreadProcessId(w, &c.pid);
  EnumWindows(CountProgramWindow, reinterpret_cast<LPARAM>(&c));
  std::printf("windows %d\n", c.count);
  std::fflush(stdout);
  return 0;
}

std::string Utf8(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

int PrintClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  std::printf("clipboard %s\n", Utf8(text).c_str());
  std::fflush(stdout);
  return 0;
}

int PrintMenus(HWND w) {
  MenuWindows m;
  GetWindowThreadProcessId(w, &m.pid);
  EnumWindows(CollectMenuWindow, reinterpret_cast<LPARAM>(&m));
  std::printf("popups %d platform %d\n", static_cast<int>(m.skinned.size()), m.platform);
  for (HWND p : m.skinned) {
    RECT r{};
    GetWindowRect(p, &r);
    std::printf("popup %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    wchar_t text[1024] = {};
    GetWindowTextW(p, text, 1024);
    std::wstring all = text;
    size_t start = 0;
    while (start <= all.size()) {
      const size_t end = all.find(L'\n', start);
      std::printf("item %s\n", Utf8(all.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start)).c_str());
      if (end == std::wstring::npos) break;
      start = end + 1;
    }
  }
  return 0;
}

int PrintSystemMenuSize(bool rolled) {
  vx::TvxSkinData data;
  auto bytes = kinopod::ProgramSkinCompressedData();
  vx::TvxCompressedStoredSkin stored;
  stored.SetCompressedData(vx::Bytes(bytes.begin(), bytes.end()));
  data.LoadCompressedStoredSkin(stored);
  const vx::frame::MenuLook look = vx::frame::MenuLookFromSkinData(data);
  vx::frame::SystemMenuState st;
  st.icons = vx::frame::kProgramBorderIcons;
  st.rolledUp = rolled;
  const vx::frame::MenuItem menu = vx::frame::BuildDefaultSystemMenu(st);
  std::vector<const vx::frame::MenuItem*> items;
  for (const auto& i : menu.items) items.push_back(&i);
  LOGFONTW lf{};
  lf.lfHeight = look.item.fontheight;
  lf.lfWeight = (look.item.fontstyle & 1) ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  const int n = MultiByteToWideChar(CP_UTF8, 0, look.item.fontname.c_str(), -1, lf.lfFaceName, LF_FACESIZE);
  if (n <= 0) lf.lfFaceName[0] = 0;
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, font);
  vx::frame::PopupSizeInput in;
  in.items = &items;
  in.textWidth = [dc](const std::string& t) {
    std::wstring w(t.begin(), t.end());  // the system menu's texts are ASCII
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return static_cast<int>(r.right - r.left);
  };
  const vx::frame::PopupSize size = vx::frame::ComputePopupSize(look.Sizing(), in);
  DeleteDC(dc);
  DeleteObject(font);
  std::printf("size %d %d\n", size.width, size.height);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: e2e_window geometry|close|tabs|tabrects|edit|editrect|editselect|clipboard|region|hittest|resize|restore|style|hostile|menus|sysmenusize|count TITLE [...]\n");
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
  if (cmd == L"showwindow") {
    // As a taskbar or another program would: ShowWindow from outside.
    if (argc < 4) return 2;
    ShowWindow(w, static_cast<int>(std::wcstol(argv[3], nullptr, 10)));
    return 0;
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
  if (cmd == L"editrect") {
    int rc = PrintEditRect(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"editselect") {
    HWND edit = FirstEdit(w);
    return edit && SendMessageW(edit, EM_SETSEL, 0, -1) >= 0 ? 0 : 1;
  }
  if (cmd == L"clipboard") {
    if (argc < 4) return PrintClipboard();
    return SetClipboard(argv[3]);
  }
  if (cmd == L"hostile") {
    int rc = Hostile(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"count") return PrintWindowCount(w);
  if (cmd == L"menus") {
    int rc = PrintMenus(w);
    std::fflush(stdout);
    return rc;
  }
  if (cmd == L"sysmenusize") {
    int rc = PrintSystemMenuSize(argc > 3 && std::wstring(argv[3]) == L"rolled");
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
