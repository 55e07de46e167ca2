// The owner-window watch: one per process, in front of the owning form's
// message handling. When the form loses activation to a dialog of the browser
// (or a standard dialog), the dialog's caption and icon are adjusted and
// script-error dialogs are closed. A form that is a child window never
// receives activation messages, so there the watch stays silent.
#include <windows.h>
#include <commctrl.h>

#include "Lantern.h"
#include "LntProcess.h"

namespace kinopod::lnt {
namespace {

constexpr UINT_PTR kWatchId = 0x4C4E5457;  // 'LNTW'
HICON g_appIcon = nullptr;

LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* control = reinterpret_cast<TLantern*>(data);
  if (msg == WM_ACTIVATE && LOWORD(wp) == WA_INACTIVE && lp && control) {
    if (control->OwnerDeactivated(reinterpret_cast<HWND>(lp))) return 0;
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, WatchProc, kWatchId);
    Process().ownerWatched = false;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

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
  HWND owner = OwnerWindow();
  if (DesignMode() || Process().ownerWatched || !owner || !IsWindow(owner)) return;
  if (!SetWindowSubclass(owner, WatchProc, kWatchId, reinterpret_cast<DWORD_PTR>(this))) return;
  Process().ownerWatched = true;
  watchingOwner_ = true;
}

void TLantern::RemoveOwnerWatch() {
  if (!watchingOwner_) return;
  watchingOwner_ = false;
  HWND owner = OwnerWindow();
  if (owner && IsWindow(owner)) RemoveWindowSubclass(owner, WatchProc, kWatchId);
  Process().ownerWatched = false;
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
