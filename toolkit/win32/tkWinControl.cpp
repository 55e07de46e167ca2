// TWinControl: controls with a window of their own; TGraphicControl and
// TCustomControl, the two painting bases.
#include <windowsx.h>

#include <algorithm>

#include "tkControls.h"
#include "tkForms.h"
#include "tkWidgetSet.h"

namespace tk {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
  TearDownWinControl();
  TearDown();
}

void TWinControl::BeforeDestruction() {
  TearDownWinControl();
  TControl::BeforeDestruction();
}

void TWinControl::TearDownWinControl() {
  if (winTornDown_) return;
  winTornDown_ = true;
  if (handle_) {
    // From here on the window gets the platform's handling only: the object
    // is on its way out and must not see its own destruction messages.
    HWND h = handle_;
    DestroyHandle();
    if (IsWindow(h)) DestroyWindow(h);
  }
  // Child controls go with their parent, whoever owns them.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    RemoveControl(c);
    c->Free();
  }
}

// ---- the window ----

HWND TWinControl::Handle() {
  if (!handle_) {
    if (parent_) parent_->HandleNeeded();
    if (!handle_) CreateHandle();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tabStop_) p.Style |= WS_TABSTOP;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.WndParent = parent_ ? parent_->Handle() : parentWindow_;
  p.WinClassName = L"TkWinControl";
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  HWND h = ws::CreateControlWindow(this, p, &DefWndProc);
  if (!h)
    throw EInvalidOperation("Error creating window for '" + Name() + "' (" +
                            std::to_string(GetLastError()) + ")");
  handle_ = h;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  ControlState |= csCreating;
  try {
    CreateWnd();
  } catch (...) {
    ControlState &= ~csCreating;
    throw;
  }
  ControlState &= ~csCreating;
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  sentFont_ = Font().Handle();
  // A new child window starts on top; only one with windowed siblings after
  // it in the list needs moving down.
  if (parent_ && parent_->controls_.back() != this) UpdateZOrder();
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandle();
  CreateHandleDone();
  Realign();
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  int n = GetWindowTextLengthW(handle_);
  std::wstring t(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(handle_, t.data(), n + 1);
  t.resize(static_cast<size_t>(n));
  text_ = t;
  DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  ControlState |= csDestroyingHandle;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  ws::ForgetControl(this);
  DestroyWnd();
  handle_ = nullptr;
  ControlState &= ~csDestroyingHandle;
}

HWND TWinControl::DetachHandle() {
  HWND h = handle_;
  if (!h) return nullptr;
  ws::ForgetControl(this);
  ws::SetWindowControl(h, nullptr);
  handle_ = nullptr;
  return h;
}

void TWinControl::AdoptHandle(HWND window) {
  if (handle_ || !window || !IsWindow(window)) throw EInvalidOperation("Cannot adopt a window for '" + Name() + "'");
  ws::SetWindowControl(window, this);
  handle_ = window;
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  bool focused = Focused();
  DestroyHandle();
  Handle();
  if (focused && CanFocus()) ::SetFocus(handle_);
}

void TWinControl::SetParentWindow(HWND window) {
  if (window == parentWindow_) return;
  parentWindow_ = window;
  if (!parent_ && handle_) {
    if (window)
      ::SetParent(handle_, window);
    else
      DestroyHandle();
  }
}

void TWinControl::UpdateZOrder() {
  if (!handle_ || !parent_) return;
  // Just below the window of the next windowed sibling in the list, or on top.
  HWND after = HWND_TOP;
  auto& list = parent_->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  for (++it; it != list.end(); ++it) {
    auto* w = dynamic_cast<TWinControl*>(*it);
    if (w && w->handle_) {
      after = w->handle_;
      break;
    }
  }
  SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- children ----

int TWinControl::IndexOfControl(const TControl* control) const {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  return it == controls_.end() ? -1 : static_cast<int>(it - controls_.begin());
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  if (control == this) throw EInvalidOperation("A control cannot have itself as its parent");
  controls_.push_back(control);
  control->parent_ = this;
  if (control->parentFont_) {
    control->font_->Assign(Font());
    control->parentFont_ = true;
  }
  if (control->parentColor_) {
    control->SetColor(Color());
    control->parentColor_ = true;
  }
  if (control->parentShowHint_) control->showHint_ = ShowHint();
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (handle_) {
      if (w->handle_)
        w->RecreateWnd();  // a window moves to its new parent by being made anew
      else
        w->CreateHandle();
    }
  }
  if (control->Align() != alNone) Realign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  if (ws::CaptureControl() == control) ws::SetCaptureControl(nullptr);
  if (ws::MouseControl() == control) ws::SetMouseControl(nullptr);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    // The window cannot live on without its parent's; a top-level one (a form
    // leaving a panel) is made anew when next needed.
    w->DestroyHandle();
  }
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (!c->BoundsRect().Contains(p.X, p.Y)) continue;
    TMessage hit{CM_HITTEST, 0, MAKELPARAM(p.X - c->Left(), p.Y - c->Top()), 0};
    c->WindowProc(hit);
    if (hit.Result) return c;
  }
  return nullptr;
}

// ---- geometry ----

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (parent_) return parent_->Showing();
  return handle_ ? IsWindowVisible(handle_) != 0 : false;
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return {p.x, p.y};
  }
  return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  bool resized = width != Width() || height != Height();
  StoreBounds(left, top, width, height);
  if (handle_) {
    // The window reports back through WM_WINDOWPOSCHANGED with these values.
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (resized) Realign();
  RequestAlign();
  if (resized) Resize();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) {
    HWND p = GetParent(handle_);
    if (p) MapWindowPoints(HWND_DESKTOP, p, reinterpret_cast<POINT*>(&r), 2);
  } else if (IsIconic(handle_)) {
    return;  // a minimized window keeps its normal bounds
  }
  int w = r.right - r.left, h = r.bottom - r.top;
  if (r.left == Left() && r.top == Top() && w == Width() && h == Height()) return;
  bool resized = w != Width() || h != Height();
  StoreBounds(r.left, r.top, w, h);
  if (resized) Realign();
  RequestAlign();
  if (resized) Resize();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0) --alignDisabled_;
  if (alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || Loading()) {
    alignPending_ = true;
    return;
  }
  alignPending_ = false;
  TRect r = ClientRect();
  AdjustClientRect(r);
  DisableAlign();
  AlignControls(r);
  --alignDisabled_;
}

void TWinControl::AlignControls(TRect& rect) {
  std::vector<AlignItem> items;
  std::vector<TControl*> aligned;
  for (TControl* c : controls_) {
    if (c->Align() == alNone) continue;
    items.push_back({c->Align(), c->BoundsRect(), c->Visible()});
    aligned.push_back(c);
  }
  if (items.empty()) return;
  rect = AlignItems(rect, items, [&](size_t i, const TRect& r) {
    aligned[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return aligned[i]->BoundsRect();
  });
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

// ---- painting ----

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintHandler(TMessage& m) {
  PAINTSTRUCT ps;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  bool own = dc == nullptr;
  if (own) dc = BeginPaint(handle_, &ps);
  try {
    int saved = SaveDC(dc);
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(handle_, &ps);
    throw;
  }
  if (own) EndPaint(handle_, &ps);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
  RECT clip;
  GetClipBox(dc, &clip);
  for (; it != controls_.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    RECT b{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    RECT both;
    if (!IntersectRect(&both, &b, &clip)) continue;
    int saved = SaveDC(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + c->Left(), org.y + c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// ---- focus and keyboard ----

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  int order = 0;
  for (TControl* c : parent_->controls_) {
    if (c == this) return order;
    if (dynamic_cast<TWinControl*>(c)) ++order;
  }
  return -1;
}

void TWinControl::SetTabOrder(int order) {
  // The tab order is the order of the windowed children in the parent's list.
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  int seen = 0;
  auto it = list.begin();
  for (; it != list.end(); ++it) {
    if (!dynamic_cast<TWinControl*>(*it)) continue;
    if (seen == order) break;
    ++seen;
  }
  list.insert(it, this);
  UpdateZOrder();
}

void TWinControl::SetTabStop(bool v) {
  if (v == tabStop_) return;
  tabStop_ = v;
  if (handle_) {
    LONG_PTR s = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? (s | WS_TABSTOP) : (s & ~WS_TABSTOP));
  }
}

namespace {
void CollectTabList(const TWinControl* w, std::vector<TWinControl*>& out) {
  for (int i = 0; i < w->ControlCount(); ++i) {
    if (auto* c = dynamic_cast<TWinControl*>(w->Controls(i))) {
      out.push_back(c);
      CollectTabList(c, out);
    }
  }
}
}  // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward,
                                          bool checkTabStop) const {
  std::vector<TWinControl*> list;
  CollectTabList(this, list);
  if (list.empty()) return nullptr;
  if (!forward) std::reverse(list.begin(), list.end());
  auto start = std::find(list.begin(), list.end(), current);
  size_t n = list.size();
  size_t i0 = start == list.end() ? n - 1 : static_cast<size_t>(start - list.begin());
  for (size_t k = 1; k <= n; ++k) {
    TWinControl* c = list[(i0 + k) % n];
    if (c == current) break;
    if ((!checkTabStop || c->TabStop()) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

bool TWinControl::DoKeyDown(TMessage& m) {
  uint16_t key = static_cast<uint16_t>(m.WParam);
  if (OnKeyDown) OnKeyDown(this, key, KeyboardShiftState());
  if (key == 0) return true;
  m.WParam = key;
  return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  uint16_t key = static_cast<uint16_t>(m.WParam);
  if (OnKeyUp) OnKeyUp(this, key, KeyboardShiftState());
  if (key == 0) return true;
  m.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  wchar_t ch = static_cast<wchar_t>(m.WParam);
  if (OnKeyPress) OnKeyPress(this, ch);
  if (ch == 0) return true;
  m.WParam = ch;
  return false;
}

// ---- settings that reach the window ----

void TWinControl::VisibleChanged() {
  if (handle_) {
    ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
  }
  TControl::VisibleChanged();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
  TControl::EnabledChanged();
}

void TWinControl::ColorChanged() {
  brush_.SetColor(Color());
  TControl::ColorChanged();
}

void TWinControl::FontChanged() {
  if (handle_ && sentFont_ != Font().Handle()) {
    sentFont_ = Font().Handle();
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(sentFont_), TRUE);
  }
  TControl::FontChanged();
}

std::wstring TWinControl::Text() const {
  if (!handle_) return TControl::Text();
  int n = GetWindowTextLengthW(handle_);
  std::wstring t(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(handle_, t.data(), n + 1);
  t.resize(static_cast<size_t>(n));
  return t;
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextW(handle_, text_.c_str());
}

void TWinControl::Broadcast(TMessage& m) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    TMessage copy = m;
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && w->handle_)
      copy.Result = SendMessageW(w->handle_, m.Msg, m.WParam, m.LParam);
    else
      c->WindowProc(copy);
  }
}

// ---- messages ----

TWinControl* TWinControl::NotifyingChild(HWND from) const {
  TWinControl* child = FindControl(from);
  return child && child != this && child->parent_ == this && GetAncestor(from, GA_PARENT) == handle_ ? child : nullptr;
}

void TWinControl::ReflectNotification(TMessage& m) {
  // A child's notification reaches us only as a send from this thread: from
  // elsewhere the parameters are numbers, not our child or its data.
  const bool ours = ws::SentByThisThread();
  TWinControl* child = nullptr;
  if (ours) {
    HWND from = nullptr;
    if (m.Msg == WM_NOTIFY) {
      if (m.LParam) from = reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    } else if (m.Msg == WM_DRAWITEM) {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (d && d->CtlType != ODT_MENU) from = d->hwndItem;
    } else if (m.Msg == WM_DELETEITEM) {
      if (m.LParam) from = reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    } else if (m.Msg == WM_COMPAREITEM) {
      if (m.LParam) from = reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    } else if (m.Msg == WM_MEASUREITEM) {
      // It names its control by an id, which our windows do not carry.
    } else {
      from = reinterpret_cast<HWND>(m.LParam);
    }
    child = NotifyingChild(from);
  }
  if (child) {
    m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  } else if (!ours && (m.Msg == WM_COMMAND || ws::IsPointerNotification(m.Msg))) {
    // Not even a platform class's own procedure gets to follow these.
    m.Result = 0;
  } else {
    // A platform class hears its own inner windows (a tab control's tooltip).
    DefaultHandler(m);
  }
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
      TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      TControl* target = ws::CaptureControl();
      if (!(target && target->Parent() == this && !dynamic_cast<TWinControl*>(target)))
        target = (target == this) ? nullptr : ControlAtPos(p);
      if (m.Msg == WM_MOUSEMOVE) {
        ws::SetMouseControl(target ? target : this);
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&tme);
      }
      if (target) {
        TMessage fwd = m;
        fwd.LParam = MAKELPARAM(p.X - target->Left(), p.Y - target->Top());
        target->WindowProc(fwd);
        m.Result = fwd.Result;
        return;
      }
      break;
    }
    case WM_MOUSELEAVE: {
      TControl* mc = ws::MouseControl();
      if (mc == this || (mc && mc->Parent() == this && !dynamic_cast<TWinControl*>(mc)))
        ws::SetMouseControl(nullptr);
      DefaultHandler(m);
      return;
    }
    case WM_CAPTURECHANGED: {
      TControl* cc = ws::CaptureControl();
      if (cc && (cc == this || cc->Parent() == this) && reinterpret_cast<HWND>(m.LParam) != handle_)
        ws::CaptureLost();
      break;
    }
    case WM_PAINT: {
      bool graphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
        return !dynamic_cast<TWinControl*>(c);
      });
      if (graphicChildren || dynamic_cast<TCustomControl*>(this)) {
        PaintHandler(m);
        return;
      }
      break;
    }
    case WM_ERASEBKGND: {
      m.Result = 1;
      // An opaque control paints every pixel itself: erasing first would only flicker.
      if (ControlStyle & csOpaque) return;
      RECT r;
      GetClientRect(handle_, &r);
      FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush_.Handle());
      m.Result = 1;
      return;
    }
    case WM_SETCURSOR:
      if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == handle_) {
        TCursor cur = Screen ? Screen->Cursor() : crDefault;
        if (cur == crDefault) {
          POINT pt;
          GetCursorPos(&pt);
          ::ScreenToClient(handle_, &pt);
          TControl* c = ControlAtPos({pt.x, pt.y});
          cur = c ? c->Cursor() : Cursor();
          if (cur == crDefault && c) cur = Cursor();
        }
        if (cur != crDefault) {
          ::SetCursor(LoadCursorW(nullptr, CursorResource(cur)));
          m.Result = 1;
          return;
        }
      }
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      return;
    case WM_COMMAND:
      if (m.LParam) {
        ReflectNotification(m);
        return;
      }
      break;
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      ReflectNotification(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(m)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(m)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(m)) return;
      break;
    case WM_SETFOCUS:
      if (TCustomForm* f = ParentForm()) f->FocusChanged(this);
      if (OnEnter) OnEnter(this);
      break;
    case WM_KILLFOCUS:
      if (OnExit) OnExit(this);
      break;
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  m.Result = CallWindowProcW(DefWndProc, handle_, m.Msg, m.WParam, m.LParam);
}

// ---- the painting bases ----

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
    canvas_.Font().Assign(Font());
    try {
      Paint();
    } catch (...) {
      canvas_.SetHandle(nullptr);
      throw;
    }
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(m);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

}  // namespace tk
