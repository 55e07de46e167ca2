#include "TrayIcon.h"

#include <algorithm>
#include <vector>

#include "tkControls.h"
#include "tkForms.h"

namespace vx {
namespace {

constexpr UINT kIconId = 1;
constexpr wchar_t kWindowClass[] = L"TvxTrayIconWindow";

class PlatformShell : public TvxTrayShell {
 public:
  bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) override {
    return Shell_NotifyIconW(message, &data) != FALSE;
  }
  void ShowTaskbarWindow(HWND window, bool show) override {
    if (window) ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
  }
};

// The live icons of this thread: a window's object is looked up here, never
// read from the window itself, which any process may write to.
std::vector<TvxTrayIcon*>& LiveIcons() {
  thread_local std::vector<TvxTrayIcon*> icons;
  return icons;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

// The program's own icon at the notification area's size (shared, never
// freed), or the system's application icon when the program has none.
HICON ApplicationIcon() {
  static HICON icon = [] {
    HANDLE own = LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                            GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    return own ? static_cast<HICON>(own) : LoadIconW(nullptr, IDI_APPLICATION);
  }();
  return icon;
}

}  // namespace

TvxTrayShell& SystemTrayShell() {
  static PlatformShell shell;
  return shell;
}

TvxTrayIcon::TvxTrayIcon(tk::TComponent* owner) : tk::TComponent(owner), shell_(&SystemTrayShell()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  RegisterClassW(&wc);  // fails harmlessly when an earlier icon registered it
  // A hidden top-level window: it also hears the shell announce a new
  // taskbar, which a message-only window would not.
  window_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  LiveIcons().push_back(this);
}

TvxTrayIcon::~TvxTrayIcon() { TearDown(); }

void TvxTrayIcon::BeforeDestruction() {
  auto& live = LiveIcons();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  if (shown_) HideIcon();
  // The application must not stay without its taskbar button.
  if (taskbarHidden_) ShowApplicationWindow();
  if (window_) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
  tk::TComponent::BeforeDestruction();
}

void TvxTrayIcon::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation == tk::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TvxTrayIcon::SetShell(TvxTrayShell* shell) {
  TvxTrayShell* next = shell ? shell : &SystemTrayShell();
  if (next == shell_) return;
  const bool shown = shown_;
  if (shown) HideIcon();
  shell_ = next;
  if (shown) ShowIcon();
}

NOTIFYICONDATAW TvxTrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW d{};
  d.cbSize = sizeof(d);
  d.hWnd = window_;
  d.uID = kIconId;
  d.uFlags = flags;
  d.uCallbackMessage = kCallbackMessage;
  d.hIcon = icon_ ? icon_ : ApplicationIcon();
  // The tip is cut to the shell's buffer, never past it.
  const size_t n = std::min(hint_.size(), std::size(d.szTip) - 1);
  std::copy_n(hint_.begin(), n, d.szTip);
  d.szTip[n] = 0;
  return d;
}

void TvxTrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  if (!shown_) return;
  NOTIFYICONDATAW d = Data(NIF_ICON);
  shell_->NotifyIcon(NIM_MODIFY, d);
}

void TvxTrayIcon::SetHint(const std::wstring& hint) {
  hint_ = hint;
  if (!shown_) return;
  NOTIFYICONDATAW d = Data(NIF_TIP);
  shell_->NotifyIcon(NIM_MODIFY, d);
}

void TvxTrayIcon::ShowIcon() {
  if (shown_ || !window_) return;
  NOTIFYICONDATAW d = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  shown_ = shell_->NotifyIcon(NIM_ADD, d);
}

void TvxTrayIcon::HideIcon() {
  if (!shown_) return;
  NOTIFYICONDATAW d = Data(0);
  shell_->NotifyIcon(NIM_DELETE, d);
  shown_ = false;
}

void TvxTrayIcon::SetPopupMenu(tk::TPopupMenu* menu) {
  if (popupMenu_ == menu) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

HWND TvxTrayIcon::TaskbarWindow() const {
  if (!tk::Application) return nullptr;
  tk::TCustomForm* main = tk::Application->MainForm();
  return main && main->HandleAllocated() ? main->Handle() : nullptr;
}

void TvxTrayIcon::MinimizeApplication() {
  if (tk::Application) tk::Application->Minimize();
  if (!minimizeToTray_) return;
  if (HWND h = TaskbarWindow()) {
    shell_->ShowTaskbarWindow(h, false);
    taskbarHidden_ = true;
  }
  ShowIcon();
}

void TvxTrayIcon::ShowApplicationWindow() {
  if (!taskbarHidden_) return;
  taskbarHidden_ = false;
  if (HWND h = TaskbarWindow()) shell_->ShowTaskbarWindow(h, true);
}

void TvxTrayIcon::Popup() {
  if (!popupMenu_) return;
  POINT p{};
  GetCursorPos(&p);
  // Without the foreground the platform's menu would not close on a click
  // elsewhere.
  SetForegroundWindow(window_);
  popupMenu_->PopupComponent = this;
  popupMenu_->Popup(p.x, p.y);
  PostMessageW(window_, WM_NULL, 0, 0);
}

void TvxTrayIcon::IconMessage(UINT mouse) {
  switch (mouse) {
    case WM_LBUTTONUP:
      if (OnClick) OnClick(this);
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      break;
    case WM_RBUTTONUP:
      Popup();
      break;
    default:
      break;
  }
}

LRESULT CALLBACK TvxTrayIcon::WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  TvxTrayIcon* icon = nullptr;
  for (TvxTrayIcon* i : LiveIcons())
    if (i->window_ == h) icon = i;
  if (icon) {
    try {
      if (msg == kCallbackMessage && wp == kIconId) {
        icon->IconMessage(static_cast<UINT>(lp));
        return 0;
      }
      // A restarted shell has forgotten every icon.
      if (msg == TaskbarCreatedMessage() && icon->shown_) {
        icon->shown_ = false;
        icon->ShowIcon();
        return 0;
      }
    } catch (...) {
      tk::HandleException(icon);
      return 0;
    }
  }
  return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace vx
