// TApplication: the message loop, the hidden application window, hints and
// the default exception handling; THintWindow.
#include <algorithm>

#include "tkForms.h"
#include "tkHintPlace.h"
#include "tkWidgetSet.h"

namespace tk {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

constexpr UINT kReleaseForm = WM_APP + 1;
constexpr UINT_PTR kHintShowTimer = 1, kHintHideTimer = 2;

std::wstring ModuleTitle() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path, n);
  size_t slash = s.find_last_of(L"\\/");
  if (slash != std::wstring::npos) s = s.substr(slash + 1);
  size_t dot = s.rfind(L'.');
  if (dot != std::wstring::npos) s = s.substr(0, dot);
  return s;
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
  if (Application) throw EInvalidOperation("There is already an application");
  Application = this;
  InstallDibPixelStorage();
  SetSystemColorSource([](int index) { return static_cast<uint32_t>(GetSysColor(index)); });
  Title = ModuleTitle();
  WNDCLASSW wc{};
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = ws::Instance();
  wc.lpszClassName = L"TApplication";
  RegisterClassW(&wc);  // fails harmlessly when a previous application registered it
  handle_ = CreateWindowExW(0, L"TApplication", Title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            ws::Instance(), nullptr);
  screen_ = new TScreen(nullptr);
  Screen = screen_;
  HintWindowClass = [](TComponent* owner) { return new THintWindow(owner); };
}

TApplication::~TApplication() {
  StopHintTimers();
  // Forms and everything else the application owns go first (last made
  // first), while the globals still point here; the screen goes last.
  while (ComponentCount() > 0) {
    TComponent* c = Components(ComponentCount() - 1);
    RemoveComponent(c);
    c->Free();
  }
  hintWindow_ = nullptr;
  mainForm_ = nullptr;
  screen_->Free();
  Screen = nullptr;
  if (handle_) {
    windowClosing_ = true;
    DestroyWindow(handle_);
  }
  // Messages meant for the freed forms must not reach a later application.
  MSG msg;
  while (PeekMessageW(&msg, handle_, 0, 0, PM_REMOVE)) {
  }
  Application = nullptr;
  SetSystemColorSource(nullptr);
}

TCustomForm* TApplication::CreateForm(const TFormClass& formClass) {
  TCustomForm* form = formClass(this);
  if (!mainForm_) mainForm_ = form;
  return form;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  // The application is the one whose window this is; the window's user data
  // would do, but any process can set that.
  TApplication* app = Application && Application->handle_ == h && !Application->windowClosing_ ? Application : nullptr;
  if (app) {
    try {
      if (msg == kReleaseForm) {
        auto* form = reinterpret_cast<TCustomForm*>(lp);
        // Only a form that still exists: it may have been freed meanwhile.
        if (Screen)
          for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i) == form) {
              form->Free();
              break;
            }
        return 0;
      }
      if (msg == WM_TIMER && (wp == kHintShowTimer || wp == kHintHideTimer)) {
        app->OnHintTimer(wp);
        return 0;
      }
    } catch (...) {
      app->HandleException(app);
      return 0;
    }
  }
  return DefWindowProcW(h, msg, wp, lp);
}

void TApplication::ReleaseForm(TCustomForm* form) {
  PostMessageW(handle_, kReleaseForm, 0, reinterpret_cast<LPARAM>(form));
}

// ---- the loop ----

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  try {
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    if (!handled && !messageHooks_.Empty()) {
      const auto hooks = messageHooks_.Snapshot();
      for (auto it = hooks.rbegin(); it != hooks.rend() && !handled; ++it)
        if (messageHooks_.Installed(it->first)) (*it->second)(msg, handled);
    }
    if (!handled && !IsKeyMsg(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  } catch (...) {
    HandleException(this);
  }
  return true;
}

bool TApplication::IsKeyMsg(MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      CancelHint();
      return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      break;
    default:
      return false;
  }
  CancelHint();
  TWinControl* control = FindControl(msg.hwnd);
  if (!control) return false;
  TCustomForm* form = control->ParentForm();
  if (!form) return false;
  TMessage key{msg.message, msg.wParam, msg.lParam, 0};
  if (form->IsShortCut(key)) return true;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
      !(SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
        (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
    form->SelectNext(control, GetKeyState(VK_SHIFT) >= 0, true);
    return true;
  }
  return false;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg) && !terminated_) WaitMessage();
}

void TApplication::Run() {
  if (mainForm_ && ShowMainForm) {
    try {
      mainForm_->Show();
    } catch (...) {
      HandleException(mainForm_);
    }
  }
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
  if (OnRestore) OnRestore(this);
}

// ---- exceptions ----

void TApplication::HandleException(TObject* sender) {
  std::wstring text;
  try {
    throw;
  } catch (const std::exception& e) {
    text = Utf8ToWide(e.what());
  } catch (...) {
    text = L"Unknown exception";
  }
  if (OnException)
    OnException(sender, text);
  else
    ShowException(text);
}

void TApplication::ShowException(const std::wstring& message) {
  std::wstring text = message;
  if (!text.empty() && text.back() != L'.') text += L'.';
  MessageBox(text, Title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags) {
  if (MessageBoxHook) return MessageBoxHook(text, caption, flags);
  HWND owner = nullptr;
  if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->HandleAllocated())
    owner = Screen->ActiveForm()->Handle();
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

// ---- hints ----

void TApplication::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  if (show) return;  // the next hint makes a window of the current class
  CancelHint();
  if (THintWindow* w = hintWindow_) {
    hintWindow_ = nullptr;
    w->Free();
  }
}

namespace {
// The control whose hint shows for `c`: the first one up the parent chain
// with ShowHint and a hint text.
TControl* HintSource(TControl* c) {
  for (; c; c = c->Parent())
    if (c->ShowHint() && !c->Hint().empty()) return c;
  return nullptr;
}
}  // namespace

void TApplication::HintMouseMessage(TControl* control) {
  if (control == hintControl_) return;
  bool wasShowing = hintShowing_;
  HideHint();
  StopHintTimers();
  hintControl_ = control;
  if (!control || !showHint_ || !HintSource(control)) return;
  StartHintTimer(kHintShowTimer, wasShowing ? HintShortPause : HintPause);
}

void TApplication::StartHintTimer(UINT_PTR id, int ms) {
  SetTimer(handle_, id, static_cast<UINT>(std::max(ms, 1)), nullptr);
}

void TApplication::StopHintTimers() {
  if (!handle_) return;
  KillTimer(handle_, kHintShowTimer);
  KillTimer(handle_, kHintHideTimer);
}

void TApplication::OnHintTimer(UINT_PTR id) {
  KillTimer(handle_, id);
  if (id == kHintShowTimer) {
    POINT p;
    GetCursorPos(&p);
    ActivateHint({p.x, p.y});
  } else {
    HideHint();
  }
}

void TApplication::ActivateHint(TPoint cursorPos) {
  TControl* source = HintSource(hintControl_);
  if (!source || !showHint_) return;
  if (!hintWindow_) hintWindow_ = HintWindowClass(this);
  std::wstring hint = source->Hint();
  TRect r = hintWindow_->CalcHintRect(Screen ? Screen->Width() : 640, hint);
  r = r.Offset(cursorPos.X, cursorPos.Y + 20);
  if (OnShowHint) {
    bool canShow = true;
    THintInfo info{source, cursorPos, r};
    OnShowHint(hint, canShow, info);
    // The handler may have switched hints off or freed the window.
    if (!canShow || !showHint_ || !hintWindow_) return;
    if (!(info.CursorRect == r)) r = info.CursorRect;
    else r = hintWindow_->CalcHintRect(Screen ? Screen->Width() : 640, hint).Offset(cursorPos.X, cursorPos.Y + 20);
  }
  r = PlaceHintRect(r, cursorPos.X, cursorPos.Y, WorkAreaAt(cursorPos));
  hintWindow_->ActivateHint(r, hint);
  hintShowing_ = true;
  if (HintHidePause > 0) StartHintTimer(kHintHideTimer, HintHidePause);
}

TRect TApplication::WorkAreaAt(TPoint p) {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (HMONITOR m = MonitorFromPoint({p.X, p.Y}, MONITOR_DEFAULTTONEAREST); m && GetMonitorInfoW(m, &mi))
    return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

void TApplication::HideHint() {
  if (hintWindow_ && hintShowing_) hintWindow_->ReleaseHint();
  hintShowing_ = false;
}

void TApplication::CancelHint() {
  HideHint();
  StopHintTimers();
}

void TApplication::ControlDestroyed(TControl* control) {
  if (hintControl_ == control) {
    CancelHint();
    hintControl_ = nullptr;
  }
  if (control == hintWindow_) {
    hintWindow_ = nullptr;
    hintShowing_ = false;
  }
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i) Screen->Forms(i)->ControlDestroyed(control);
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

// ---- THintWindow ----

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  if (Screen) Font().Assign(Screen->HintFont());
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.WinClassName = L"TkHintWindow";
  p.Style = WS_POPUP | WS_BORDER;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  p.WndParent = nullptr;
  p.ClassStyle = CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::wstring& hint) {
  HDC dc = GetDC(nullptr);
  TCanvas c;
  c.SetHandle(dc);
  c.Font().Assign(Font());
  TRect r{0, 0, maxWidth, 0};
  c.DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  c.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  r.Right += 6 + 2;  // text margins and the border
  r.Bottom += 2 + 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& r, const std::wstring& hint) {
  SetCaption(hint);
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  HWND h = Handle();
  SetWindowPos(h, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHint() { SetVisible(false); }

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(r);
  r.Left += 2;
  r.Top += 1;
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  Canvas().Brush().SetStyle(bsSolid);
}

}  // namespace tk
