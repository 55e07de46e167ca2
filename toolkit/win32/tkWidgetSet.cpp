// Window classes, the toolkit's window procedure and the mouse bookkeeping.
//
// Every toolkit window has ControlWindowProc as its window procedure. It finds
// the control in the thread's table of its windows (filled at the first
// message, before CreateWindowEx returns, via the control being created) and
// hands the message to the control's WindowProc chain. The table is ours
// alone: a window property would do the same job, but any process can set a
// window's properties. Exceptions never cross the platform's frames: they end
// here, in the application's exception handling.
#include "tkWidgetSet.h"

#include <cwchar>
#include <map>
#include <unordered_map>

#include "tkForms.h"

namespace tk {
namespace {

thread_local TWinControl* g_creating = nullptr;
// A window gets its messages on the thread that made it, so each thread keeps
// the table of its own windows. Never destroyed: a window may still hear its
// destruction while the thread's other objects go.
std::unordered_map<HWND, TWinControl*>& WindowControls() {
  thread_local auto* controls = new std::unordered_map<HWND, TWinControl*>;
  return *controls;
}
std::map<std::wstring, WNDPROC>& SystemProcs() {
  static std::map<std::wstring, WNDPROC> procs;
  return procs;
}
TControl* g_capture = nullptr;
TControl* g_mouse = nullptr;

WNDPROC DefaultProcOf(HWND h) {
  wchar_t name[256];
  if (GetClassNameW(h, name, 256)) {
    auto it = SystemProcs().find(name);
    if (it != SystemProcs().end()) return it->second;
  }
  return DefWindowProcW;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  TWinControl* c = FindControl(h);
  if (!c && g_creating) {
    c = g_creating;
    g_creating = nullptr;
    WindowControls()[h] = c;
    c->handle_ = h;
  }
  if (!c) return CallWindowProcW(DefaultProcOf(h), h, msg, wp, lp);
  // Anyone can send any number to our windows; our own messages are ours.
  if (ws::IsToolkitMessage(msg) && !ws::SentByThisThread()) return 0;
  TMessage m{msg, wp, lp, 0};
  try {
    c->WindowProc(m);
  } catch (...) {
    HandleException(c);
  }
  if (msg == WM_NCDESTROY) {
    WindowControls().erase(h);
    if (c->handle_ == h) c->handle_ = nullptr;
  }
  return m.Result;
}

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  const auto& controls = WindowControls();
  auto it = controls.find(window);
  return it != controls.end() ? it->second : nullptr;
}

TControl* FindDragTarget(TPoint screen, bool allowDisabled) {
  POINT p{screen.X, screen.Y};
  TWinControl* w = FindControl(WindowFromPoint(p));
  if (!w) return nullptr;
  TPoint local = w->ScreenToClient(screen);
  TControl* g = w->ControlAtPos(local, allowDisabled);
  return g ? g : w;
}

void HandleException(TObject* sender) {
  if (Application) {
    Application->HandleException(sender);
  } else {
    OutputDebugStringW(L"Unhandled exception in a message handler (no application)\n");
  }
}

namespace ws {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

bool SentByThisThread() { return InSendMessageEx(nullptr) == ISMEX_NOSEND; }

bool IsToolkitMessage(UINT msg) { return msg >= CM_BASE && msg < CN_BASE + 0x400; }

bool IsPointerNotification(UINT msg) {
  return msg == WM_NOTIFY || msg == WM_DRAWITEM || msg == WM_MEASUREITEM || msg == WM_COMPAREITEM ||
         msg == WM_DELETEITEM;
}

namespace {

thread_local HHOOK g_queueHook = nullptr;

// A control notification (WM_COMMAND from a control) is sent by the control;
// a posted one names a control it did not come from.
bool ForgedPost(const MSG& m) {
  if (IsPointerNotification(m.message)) return true;
  if (!IsToolkitMessage(m.message) && !(m.message == WM_COMMAND && m.lParam)) return false;
  return FindControl(m.hwnd) != nullptr;
}

LRESULT CALLBACK QueueHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && lp) {
    auto* m = reinterpret_cast<MSG*>(lp);
    if (ForgedPost(*m)) {
      m->message = WM_NULL;
      m->wParam = 0;
      m->lParam = 0;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

void GuardThreadQueue() {
  if (!g_queueHook) g_queueHook = SetWindowsHookExW(WH_GETMESSAGE, QueueHook, nullptr, GetCurrentThreadId());
}

// The window class a control's parameters ask for. A class's styles are
// fixed when it is registered, so a control that wants other styles than the
// usual double clicks (a popup with a drop shadow, a hint that saves the bits
// under it) gets a class of its own, named after the styles.
std::wstring ClassNameFor(const TCreateParams& p) {
  if (!p.SystemClassName.empty() || p.ClassStyle == CS_DBLCLKS) return p.WinClassName;
  wchar_t suffix[16];
  swprintf(suffix, 16, L".%X", p.ClassStyle);
  return p.WinClassName + suffix;
}

HWND CreateControlWindow(TWinControl* control, const TCreateParams& p, WNDPROC* defProc) {
  const std::wstring name = ClassNameFor(p);
  // The system's class table says what is registered: no second book to keep.
  WNDCLASSW known{};
  if (!GetClassInfoW(Instance(), name.c_str(), &known)) {
    WNDCLASSW wc{};
    if (!p.SystemClassName.empty()) {
      if (!GetClassInfoW(nullptr, p.SystemClassName.c_str(), &wc))
        throw EInvalidOperation("Unknown window class");
      SystemProcs()[name] = wc.lpfnWndProc;
    } else {
      wc.style = p.ClassStyle;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      // The program's icon for its windows' captions and the taskbar (none
      // in programs that carry no icon resource).
      wc.hIcon = LoadIconW(Instance(), L"MAINICON");
    }
    wc.lpfnWndProc = ControlWindowProc;
    wc.hInstance = Instance();
    wc.lpszClassName = name.c_str();
    if (!RegisterClassW(&wc))
      throw EInvalidOperation("Cannot register the window class " + std::string(name.begin(), name.end()) + " (" +
                              std::to_string(GetLastError()) + ")");
  }
  auto it = SystemProcs().find(name);
  *defProc = it != SystemProcs().end() ? it->second : DefWindowProcW;
  GuardThreadQueue();
  g_creating = control;
  HWND h = CreateWindowExW(p.ExStyle, name.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                           p.Height, p.WndParent, nullptr, Instance(), nullptr);
  g_creating = nullptr;
  return h;
}

TControl* CaptureControl() { return g_capture; }

void SetCaptureControl(TControl* control) {
  g_capture = control;
  if (!control) {
    ReleaseCapture();
    return;
  }
  auto* w = dynamic_cast<TWinControl*>(control);
  if (!w) w = control->Parent();
  if (w) SetCapture(w->Handle());
}

void CaptureLost() { g_capture = nullptr; }

TControl* MouseControl() { return g_mouse; }

void SetMouseControl(TControl* control) {
  if (control == g_mouse) return;
  TControl* old = g_mouse;
  g_mouse = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (g_mouse == control && control) control->Perform(CM_MOUSEENTER);
  if (Application) Application->HintMouseMessage(g_mouse);
}

void ForgetControl(TControl* control) {
  if (g_capture == control) g_capture = nullptr;
  if (g_mouse == control) g_mouse = nullptr;
}

void SetWindowControl(HWND window, TWinControl* control) {
  if (control)
    WindowControls()[window] = control;
  else
    WindowControls().erase(window);
}

// ---- the utility window ----

namespace {

std::map<UINT_PTR, UtilityHandler>& TimerHandlers() {
  static std::map<UINT_PTR, UtilityHandler> handlers;
  return handlers;
}

LRESULT CALLBACK UtilityProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto it = TimerHandlers().find(wp);
    if (it != TimerHandlers().end()) {
      UtilityHandler handler = it->second;  // the handler may remove itself
      try {
        handler(msg, wp, lp);
      } catch (...) {
        HandleException(nullptr);
      }
    }
    return 0;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace

HWND UtilityWindow() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = Instance();
    wc.lpszClassName = L"TkUtilityWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"TkUtilityWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           Instance(), nullptr);
  }();
  return window;
}

void SetUtilityTimerHandler(UINT_PTR id, UtilityHandler handler) {
  TimerHandlers()[id] = std::move(handler);
}

void RemoveUtilityTimerHandler(UINT_PTR id) { TimerHandlers().erase(id); }

UINT_PTR NewTimerId() {
  static UINT_PTR next = 1;
  return next++;
}

}  // namespace ws
}  // namespace tk
