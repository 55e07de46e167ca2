// TvxTrayIcon: the application's icon in the notification area, and its
// minimize-to-tray mode (the taskbar button goes away while the icon shows).
//
// Everything it asks of the shell goes through TvxTrayShell, so the program
// talks to Shell_NotifyIcon and the taskbar while tests hand in a fake (a
// display without a shell has no notification area). The icon's mouse
// messages arrive at a hidden window of the component's own: a right click
// opens PopupMenu at the pointer, a double click raises OnDblClick.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "tkComponent.h"
#include "tkMenus.h"

namespace vx {

class TvxTrayShell {
 public:
  virtual ~TvxTrayShell() = default;
  // NIM_ADD, NIM_MODIFY or NIM_DELETE with the icon's data.
  virtual bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) = 0;
  // Hides or shows the window that carries the application's taskbar button.
  virtual void ShowTaskbarWindow(HWND window, bool show) = 0;
};

// The platform's shell.
TvxTrayShell& SystemTrayShell();

class TvxTrayIcon : public tk::TComponent {
 public:
  // The message the shell sends the icon's window; lParam is the mouse message.
  static constexpr UINT kCallbackMessage = WM_APP + 0x5A1;

  explicit TvxTrayIcon(tk::TComponent* owner);
  ~TvxTrayIcon() override;

  // Null puts the platform's shell back. A shown icon moves to the new shell.
  void SetShell(TvxTrayShell* shell);
  TvxTrayShell& Shell() const { return *shell_; }

  // The icon shown (not owned); null shows the application's icon.
  HICON Icon() const { return icon_; }
  void SetIcon(HICON icon);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);

  bool IconVisible() const { return shown_; }
  void ShowIcon();
  void HideIcon();

  tk::TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(tk::TPopupMenu* menu);

  // Set while the application is minimized to the tray.
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool on) { minimizeToTray_ = on; }

  // Minimizes the application; in minimize-to-tray mode its taskbar button
  // then hides and the icon shows.
  void MinimizeApplication();
  // Brings the application's taskbar window back (before it is restored).
  void ShowApplicationWindow();

  tk::TNotifyEvent OnClick, OnDblClick;

  // The window the shell's messages come to.
  HWND Handle() const { return window_; }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void BeforeDestruction() override;

 private:
  static LRESULT CALLBACK WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  void IconMessage(UINT mouse);
  void Popup();
  NOTIFYICONDATAW Data(UINT flags) const;
  HWND TaskbarWindow() const;

  TvxTrayShell* shell_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  std::wstring hint_;
  bool shown_ = false;
  bool minimizeToTray_ = false;
  bool taskbarHidden_ = false;
  tk::TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace vx
