// TCustomForm and TScreen.
#include <algorithm>

#include "tkForms.h"
#include "tkWidgetSet.h"

namespace tk {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  StoreBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  TearDownForm();
  TearDown();
}

void TCustomForm::BeforeDestruction() {
  TearDownForm();
  TWinControl::BeforeDestruction();
}

void TCustomForm::TearDownForm() {
  if (formTornDown_) return;
  formTornDown_ = true;
  if (Application) Application->FormDestroyed(this);
  if (Screen) Screen->RemoveForm(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (!Designing()) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  if (!Designing()) RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (HandleAllocated() && Visible()) {
    static constexpr int kShow[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(Handle(), kShow[static_cast<int>(state)]);
  }
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"TkForm";
  p.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  p.ExStyle = 0;
  bool child = Parent() != nullptr || ParentWindow() != nullptr;
  if (child) {
    p.Style |= WS_CHILD;
  } else {
    p.WndParent = nullptr;
    // Secondary forms belong to the main form: they stay above it and leave
    // the taskbar to it.
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
      p.WndParent = Application->MainForm()->Handle();
  }
  DWORD style = 0, ex = 0;
  WindowStyles(child, style, ex);
  p.Style |= style;
  p.ExStyle |= ex;
  p.ClassStyle = CS_DBLCLKS;
}

void TCustomForm::WindowStyles(bool child, DWORD& style, DWORD& ex) const {
  switch (borderStyle_) {
    case bsNone:
      if (!child) style |= WS_POPUP;
      break;
    case bsSingle:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone) {
    if (Has(borderIcons_, biSystemMenu)) {
      style |= WS_SYSMENU;
      if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
        if (Has(borderIcons_, biMinimize)) style |= WS_MINIMIZEBOX;
        if (Has(borderIcons_, biMaximize)) style |= WS_MAXIMIZEBOX;
      }
    }
    if (Has(borderIcons_, biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      ex |= WS_EX_CONTEXTHELP;
  }
}

TRect TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // No window yet: the frame its styles will give it.
  DWORD style = 0, ex = 0;
  WindowStyles(Parent() != nullptr || ParentWindow() != nullptr, style, ex);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, FALSE, ex);
  return {0, 0, std::max<int>(0, Width() - (r.right - r.left)), std::max<int>(0, Height() - (r.bottom - r.top))};
}

void TCustomForm::CreateHandleDone() {
  // The window is made hidden; a visible form (re-created) is shown again.
  if (Visible()) ShowNow();
}

void TCustomForm::ShowNow() {
  HWND h = Handle();
  if (Parent() || ParentWindow()) {
    ShowWindow(h, SW_SHOWNA);
    return;
  }
  static constexpr int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
  ShowWindow(h, kShow[static_cast<int>(windowState_)]);
}

bool TCustomForm::Showing() const {
  if (!Visible()) return false;
  if (Parent()) return Parent()->Showing();
  return true;
}

void TCustomForm::VisibleChanged() {
  if (Visible()) {
    if (!Parent() && !ParentWindow() && !placed_ && position_ == poScreenCenter) {
      SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
                (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(), Height());
    }
    placed_ = true;
    HandleNeeded();
    DoShow();
    if (Visible()) ShowNow();
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
  TControl::VisibleChanged();
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (closing_) return;
  closing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{closing_};
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() {
  if (Application)
    Application->ReleaseForm(this);
  else
    throw EInvalidOperation("Release needs an application");
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  activeControl_ = control;
  if (control && active_ && control->CanFocus()) control->SetFocus();
}

namespace {
void TellFocusChanged(TWinControl* parent, TWinControl* focused) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(focused));
    if (i < parent->ControlCount() && parent->Controls(i) == c)
      if (auto* w = dynamic_cast<TWinControl*>(c)) TellFocusChanged(w, focused);
  }
}
}  // namespace

void TCustomForm::FocusChanged(TWinControl* control) {
  if (dynamic_cast<TCustomForm*>(control)) return;
  activeControl_ = control;
  // Controls that look different while another one has the focus (a default
  // button) follow it.
  TellFocusChanged(this, control);
}

void TCustomForm::SetClientSize(int width, int height) {
  designedClient_ = {width, height};
  TWinControl::SetClientSize(width, height);
}

void TCustomForm::ApplyDesignedClientSize() {
  if (designedClient_.X >= 0) TWinControl::SetClientSize(designedClient_.X, designedClient_.Y);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  // The frame the form's components gave it is in place now; the client
  // area keeps the size it was designed with.
  ApplyDesignedClientSize();
}

void TCustomForm::ControlDestroyed(TControl* control) {
  if (activeControl_ == control) activeControl_ = nullptr;
}

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (activeControl_ && activeControl_->CanFocus())
    ::SetFocus(activeControl_->Handle());
  else
    ::SetFocus(Handle());
}

bool TCustomForm::IsShortCut(TMessage& msg) {
  bool handled = false;
  if (OnShortCut) OnShortCut(msg, handled);
  if (!handled && !shortCutHooks_.Empty()) {
    const auto hooks = shortCutHooks_.Snapshot();
    for (auto it = hooks.rbegin(); it != hooks.rend() && !handled; ++it)
      if (shortCutHooks_.Installed(it->first)) (*it->second)(msg, handled);
  }
  return handled;
}

void TCustomForm::PaintWindow(HDC dc) {
  if (!OnPaint) return;
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    OnPaint(this);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE: {
      DefaultHandler(m);
      bool now = LOWORD(m.WParam) != WA_INACTIVE;
      active_ = now;
      if (now) {
        if (Screen) Screen->SetActiveForm(this);
        if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
          ::SetFocus(activeControl_->Handle());
        Activate();
      } else {
        Deactivate();
      }
      m.Result = 0;
      return;
    }
    case WM_PAINT:
      if (OnPaint) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_SIZE:
      if (!Parent() && !FrameKeepsWindowState) {
        if (m.WParam == SIZE_MINIMIZED) windowState_ = wsMinimized;
        else if (m.WParam == SIZE_MAXIMIZED) windowState_ = wsMaximized;
        else if (m.WParam == SIZE_RESTORED) windowState_ = wsNormal;
      }
      break;
    case WM_NCDESTROY:
      active_ = false;
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

// ---- TScreen ----

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
    hintFont_.SetName(ncm.lfStatusFont.lfFaceName);
    if (ncm.lfStatusFont.lfHeight) hintFont_.SetHeight(ncm.lfStatusFont.lfHeight);
  }
  hintFont_.SetColor(clInfoText);
}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::Broadcast(uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  std::vector<TCustomForm*> snapshot = forms_;
  for (TCustomForm* f : snapshot) {
    if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) continue;  // freed meanwhile
    if (f->HandleAllocated())
      SendMessageW(f->Handle(), msg, wparam, lparam);
    else
      f->Perform(msg, wparam, lparam);
  }
}

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  POINT p;
  GetCursorPos(&p);
  SetCursorPos(p.x, p.y);  // lets the window under the pointer set the cursor again
  if (cursor != crDefault) ::SetCursor(LoadCursorW(nullptr, CursorResource(cursor)));
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

int TScreen::PixelsPerInch() const {
  HDC dc = GetDC(nullptr);
  int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi;
}

const wchar_t* CursorResource(TCursor c) {
  switch (c) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crSizeNESW: return IDC_SIZENESW;
    case crSizeNS: return IDC_SIZENS;
    case crSizeNWSE: return IDC_SIZENWSE;
    case crSizeWE: return IDC_SIZEWE;
    case crUpArrow: return IDC_UPARROW;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

std::wstring Utf8ToWide(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

}  // namespace tk
