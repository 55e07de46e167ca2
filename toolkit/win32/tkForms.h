// Forms, the screen and the application: top-level windows, the list of all
// forms, the message loop, hints and the default exception handling.
//
// A form is built by its constructor from one block that reads like design
// data, between BeginLoading() and EndLoading(): while it runs the form and
// every component it comes to own are loading (setters that must wait for the
// whole form, such as alignment, do so), and EndLoading runs each one's
// Loaded. Forms start hidden; Show() shows them (OnShow runs first).
//
// A form may be docked into another control by giving it a Parent: its
// window is then made anew as a child window.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "tkControls.h"

namespace tk {

class TCustomForm;
class THintWindow;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
// msg.WParam is the virtual key; set handled to keep the key from the control.
using TShortCutEvent = std::function<void(TMessage& msg, bool& handled)>;
// A class reference for forms: makes a form of one class for an owner.
using TFormClass = std::function<TCustomForm*(TComponent* owner)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  // A plain delete leaves the screen's list too (Free does it earlier).
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  // Stored for the design data; forms do not scroll their contents.
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool v) { autoScroll_ = v; }
  bool KeyPreview = false;
  int PixelsPerInch = 96;
  // Set by a frame component that keeps the window's state itself (minimized
  // to a caption bar, rolled up, maximized to its own bounds): the form's
  // WindowState then stays as it was set instead of following the window.
  bool FrameKeepsWindowState = false;

  bool Active() const { return active_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  // Asks OnCloseQuery, then OnClose with caHide: closing the main form ends
  // the program, another form is hidden (or minimized, or freed, as the
  // handler chose). caNone keeps it open.
  void Close();
  bool CloseQuery();
  // Frees the form once the current message is done.
  void Release();
  TCanvas& Canvas() { return canvas_; }
  bool IsShortCut(TMessage& msg);

  void SetFocus() override;
  bool CanFocus() const override;
  bool Showing() const override;
  TRect ClientRect() const override;

  TNotifyEvent OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;
  // Components that take keys before the controls (menus, the frame) add a
  // hook of their own (run after OnShortCut, newest first) and remove it by token.
  THookToken AddShortCutHook(TShortCutEvent hook) { return shortCutHooks_.Add(std::move(hook)); }
  bool RemoveShortCutHook(THookToken token) { return shortCutHooks_.Remove(token); }

  // The designed client size is kept: set while the form is loading, it is
  // applied again once every component is in place (a frame component that
  // changes the non-client area calls ApplyDesignedClientSize when it does).
  void SetClientSize(int width, int height) override;
  void ApplyDesignedClientSize();

  // Told by the controls.
  void FocusChanged(TWinControl* control);
  void ControlDestroyed(TControl* control);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;
  void VisibleChanged() override;
  void BeforeDestruction() override;
  bool NumbersClashingDesignName() const override { return true; }
  void Loaded() override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();

 private:
  void ShowNow();
  void WindowStyles(bool child, DWORD& style, DWORD& ex) const;
  THookList<TShortCutEvent> shortCutHooks_;
  TPoint designedClient_{-1, -1};
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool autoScroll_ = true;
  bool active_ = false;
  bool placed_ = false;
  bool closing_ = false;
  void TearDownForm();
  bool formTornDown_ = false;
  TWinControl* activeControl_ = nullptr;
  TCanvas canvas_;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The forms of the program and screen-wide settings.
class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;
  // Forms in the order they were made (the main form first); stable.
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(index); }
  TCustomForm* ActiveForm() const { return activeForm_; }
  // Sends a message to every form's window (to the form itself while it has
  // none), in the order of Forms. Forms made or freed by a receiver are
  // handled safely: each form present at the start and still alive gets it once.
  void Broadcast(uint32_t msg, uintptr_t wparam, intptr_t lparam);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int PixelsPerInch() const;
  TFont& HintFont() { return hintFont_; }

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form) { activeForm_ = form; }
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
  TFont hintFont_;
};

// A small top-level window showing a hint text. Replaceable: the application
// makes its hint window through HintWindowClass.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);
  // The size the hint needs, at most maxWidth wide, as a rectangle at (0, 0).
  virtual TRect CalcHintRect(int maxWidth, const std::wstring& hint);
  // Shows the hint at r (screen coordinates) without taking the focus.
  virtual void ActivateHint(const TRect& r, const std::wstring& hint);
  virtual void ReleaseHint();

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

class TApplication : public TComponent {
 public:
  // Sets the Application and Screen globals; there is one per program.
  TApplication();
  ~TApplication() override;

  // Makes a form owned by the application; the first one becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    reference = nullptr;
    F* form = new F(this);
    reference = form;
    if (!mainForm_) mainForm_ = form;
  }
  TCustomForm* CreateForm(const TFormClass& formClass);
  TCustomForm* MainForm() const { return mainForm_; }
  // The hidden application window (browser windows waiting for a parent
  // live under it).
  HWND Handle() const { return handle_; }
  std::wstring Title;
  bool ShowMainForm = true;

  // Shows the main form and processes messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Handles one message, waiting for one when there is none.
  void HandleMessage();
  void Minimize();
  void Restore();
  TNotifyEvent OnMinimize, OnRestore;
  // Sees every message the loop takes before it is dispatched.
  using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
  TMessageEvent OnMessage;
  // Components that watch the loop add a hook of their own (run after
  // OnMessage, newest first) and remove it by its token.
  THookToken AddMessageHook(TMessageEvent hook) { return messageHooks_.Add(std::move(hook)); }
  bool RemoveMessageHook(THookToken token) { return messageHooks_.Remove(token); }

  // Call inside a catch block: OnException if set, else ShowException.
  void HandleException(TObject* sender);
  std::function<void(TObject* sender, const std::wstring& message)> OnException;
  void ShowException(const std::wstring& message);
  // The message box the application shows; tests replace it.
  std::function<int(const std::wstring& text, const std::wstring& caption, unsigned flags)>
      MessageBoxHook;
  int MessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);

  // Hints.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  // Makes the application's hint window; a change takes effect when hints
  // are switched off and on again (SetShowHint), which frees the old window.
  std::function<THintWindow*(TComponent* owner)> HintWindowClass;
  THintWindow* HintWindow() const { return hintWindow_; }
  // Raised before a hint shows: the handler may change the text or the
  // place, or refuse the hint (canShow false).
  struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;
    TRect CursorRect;  // the hint's rectangle as the application would place it
  };
  using TShowHintEvent = std::function<void(std::wstring& hint, bool& canShow, THintInfo& info)>;
  TShowHintEvent OnShowHint;
  // The work area of the monitor under a screen point.
  static TRect WorkAreaAt(TPoint p);
  void CancelHint();
  // Shows the hint of the control under the pointer now.
  void ActivateHint(TPoint cursorPos);

  // Told by the controls.
  void HintMouseMessage(TControl* control);
  void ControlDestroyed(TControl* control);
  void FormDestroyed(TCustomForm* form);
  void ReleaseForm(TCustomForm* form);

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void HideHint();
  void StartHintTimer(UINT_PTR id, int ms);
  void StopHintTimers();
  void OnHintTimer(UINT_PTR id);
  static LRESULT CALLBACK AppWndProc(HWND, UINT, WPARAM, LPARAM);

  THookList<TMessageEvent> messageHooks_;
  HWND handle_ = nullptr;
  // Set before the window goes: its last messages find no application.
  bool windowClosing_ = false;
  TCustomForm* mainForm_ = nullptr;
  TScreen* screen_ = nullptr;
  bool terminated_ = false;
  bool showHint_ = true;
  TControl* hintControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
  bool hintShowing_ = false;
};

extern TApplication* Application;
extern TScreen* Screen;

// The platform cursor resource of a TCursor.
const wchar_t* CursorResource(TCursor cursor);
std::wstring Utf8ToWide(const std::string& s);

}  // namespace tk
