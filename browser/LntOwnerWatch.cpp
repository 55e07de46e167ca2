// The owner-window watch: one per process, in front of the owning form's
// message handling. When the form loses activation to a dialog of the browser
// (or a standard dialog), the dialog's caption and icon are adjusted and
// script-error dialogs are closed. A form that is a child window never
// receives activation messages, so there the watch stays silent.
//
// The watch is a hook on the form's WindowProc chain, not a subclass of its
// window: docking re-creates the form's window, and the chain survives that.
#include <windows.h>

#include <memory>

#include "Lantern.h"
#include "LntProcess.h"
#include "tkForms.h"

namespace kinopod::lnt {
namespace {

HICON g_appIcon = nullptr;

// The hook put in front of the form's handling. The control switches it off
// before it removes it, so a message already on its way through the hook
// when the control goes only passes on.
struct OwnerWatchLink {
  TLantern* control;
  std::shared_ptr<bool> active;
  void operator()(tk::TMessage& m, const tk::TWndMethod& next) const {
    if (*active && m.Msg == WM_ACTIVATE && LOWORD(m.WParam) == WA_INACTIVE && m.LParam &&
        control->OwnerDeactivated(reinterpret_cast<HWND>(m.LParam))) {
      m.Result = 0;
      return;
    }
    next(m);
  }
};

std::shared_ptr<bool> g_watchActive;

bool IsBrowserDialog(HWND hwnd) {
  wchar_t name[64];
  if (!GetClassNameW(hwnd, name, 64)) return false;
  return lstrcmpW(name, L"#32770") == 0 || lstrcmpW(name, L"Internet Explorer_TridentDlgFrame") == 0;
}

std::wstring WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring text(n > 0 ? n + 1 : 1, L'\0');
  n = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? n : 0);
  return text;
}

void ProcessPendingMessages() {
  MSG msg;
  for (int i = 0; i < 10000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

void TLantern::SetApplicationIcon(HICON icon) { g_appIcon = icon; }

void TLantern::InstallOwnerWatch() {
  tk::TCustomForm* form = OwnerForm();
  // The link does not need the form's window: it is in place for whatever
  // window the form has now or makes later.
  if (DesignMode() || Process().ownerWatched || !form) return;
  g_watchActive = std::make_shared<bool>(true);
  watchToken_ = form->WindowProc.Add(OwnerWatchLink{this, g_watchActive});
  form->FreeNotification(this);
  watchedForm_ = form;
  Process().ownerWatched = true;
  watchingOwner_ = true;
}

void TLantern::RemoveOwnerWatch() {
  if (!watchingOwner_) return;
  watchingOwner_ = false;
  if (g_watchActive) *g_watchActive = false;
  g_watchActive.reset();
  if (tk::TCustomForm* form = std::exchange(watchedForm_, nullptr)) {
    form->WindowProc.Remove(std::exchange(watchToken_, 0));
    form->RemoveFreeNotification(this);
  }
  Process().ownerWatched = false;
}

void TLantern::Notification(tk::TComponent* component, tk::TOperation operation) {
  TCustomLantern::Notification(component, operation);
  if (operation == tk::opRemove && component == watchedForm_) {
    // The form goes first: its chain goes with it.
    watchedForm_ = nullptr;
    RemoveOwnerWatch();
  }
}

bool TLantern::OwnerDeactivated(HWND dialog) {
  if (!IsBrowserDialog(dialog)) return false;
  TDialogBoxes& boxes = DialogBoxes();
  if (boxes.DisableAll) PostMessageW(dialog, WM_CLOSE, 0, 0);
  if (boxes.ReplaceIcon) {
    HICON icon = g_appIcon ? g_appIcon : LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (boxes.ReplaceCaption) {
    std::wstring caption = RewriteDialogCaption(WindowText(dialog), boxes.NewCaption);
    SetWindowTextW(dialog, caption.c_str());
  }
  if (DisableErrors().ScriptErrorsSuppressed) {
    switch (ClassifyDialogCaption(WindowText(dialog))) {
      case DialogKind::ScriptError:
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        PostMessageW(dialog, WM_LBUTTONUP, 0, 0);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        ProcessPendingMessages();
        return true;
      case DialogKind::Error:
        DestroyWindow(dialog);
        return true;
      case DialogKind::Other:
        break;
    }
  }
  if (OnShowDialog) OnShowDialog(this, dialog);
  return false;
}

}  // namespace kinopod::lnt
