// TControl: what every control has, windowed or not.
#include <windowsx.h>

#include "tkControls.h"
#include "tkForms.h"
#include "tkWidgetSet.h"

namespace tk {

TShiftState MouseShiftState(uintptr_t wp) {
  TShiftState s = 0;
  if (wp & MK_SHIFT) s |= ssShift;
  if (wp & MK_CONTROL) s |= ssCtrl;
  if (wp & MK_LBUTTON) s |= ssLeft;
  if (wp & MK_RBUTTON) s |= ssRight;
  if (wp & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = TWndMethod([this](TMessage& m) { WndProc(m); });
  font_->OnChange = [this](TObject*) {
    parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() { TearDownControl(); }

void TControl::BeforeDestruction() {
  TearDownControl();
  TComponent::BeforeDestruction();
}

void TControl::TearDownControl() {
  if (controlTornDown_) return;
  controlTornDown_ = true;
  ws::ForgetControl(this);
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  TRect old = BoundsRect();
  StoreBounds(left, top, width, height);
  if (parent_ && visible_) {
    // The old and the new place both need painting on the parent's surface.
    if (parent_->HandleAllocated()) {
      RECT a{old.Left, old.Top, old.Right, old.Bottom};
      RECT b{left, top, left + width, top + height};
      InvalidateRect(parent_->handle_, &a, !(ControlStyle & csOpaque));
      InvalidateRect(parent_->handle_, &b, !(ControlStyle & csOpaque));
    }
  }
  RequestAlign();
  if (resized) Resize();
}

void TControl::SetClientSize(int width, int height) {
  TRect c = ClientRect();
  SetBounds(left_, top_, width_ - c.Width() + width, height_ - c.Height() + height);
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  TAlign old = align_;
  align_ = align;
  if (old != alNone || align != alNone) {
    if (parent_) parent_->Realign();
  }
}

void TControl::RequestAlign() {
  if (parent_ && (align_ != alNone) && !parent_->AligningNow()) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::VisibleChanged() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r{left_, top_, left_ + width_, top_ + height_};
    InvalidateRect(parent_->handle_, &r, TRUE);
  }
  if (!visible_ && ws::MouseControl() == this) ws::SetMouseControl(nullptr);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::SetText(const std::wstring& text) {
  if (text == Text()) return;
  text_ = text;
  TextChanged();
  if (ControlStyle & csSetCaption) Invalidate();
}

void TControl::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool v) {
  parentShowHint_ = v;
  if (v && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetCursor(TCursor cursor) { cursor_ = cursor; }

void TControl::SetParentFont(bool v) {
  if (v == parentFont_) return;
  if (v && parent_) {
    font_->Assign(parent_->Font());  // OnChange clears parentFont_; set it after
  }
  parentFont_ = v;
}

void TControl::FontChanged() {
  Invalidate();
  // Children that follow their parent's font follow this one.
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (int i = 0; i < w->ControlCount(); ++i) {
      TControl* c = w->Controls(i);
      if (c->parentFont_) {
        c->font_->Assign(*font_);
        c->parentFont_ = true;
      }
    }
  }
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  if (v == parentColor_) return;
  if (v && parent_) SetColor(parent_->Color());
  parentColor_ = v;
}

void TControl::ColorChanged() {
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (int i = 0; i < w->ControlCount(); ++i) {
      TControl* c = w->Controls(i);
      if (c->parentColor_) {
        c->SetColor(color_);
        c->parentColor_ = true;
      }
    }
  }
}

void TControl::BringToFront() {
  if (!parent_) {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
      SetWindowPos(w->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  auto& list = parent_->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->UpdateZOrder();
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->UpdateZOrder();
  Invalidate();
}

void TControl::Invalidate() {
  if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
  RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->handle_, &r, !(ControlStyle & csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  TMessage m{msg, wparam, lparam, 0};
  WindowProc(m);
  return m.Result;
}

TCustomForm* TControl::ParentForm() const {
  // The outermost form: a form docked into another one shares its focus.
  const TControl* root = this;
  while (root->parent_) root = root->parent_;
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(root));
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}

void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

void TControl::MouseMove(TShiftState s, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, s, x, y);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parentFont_ && parent_) {
    font_->Assign(parent_->Font());
    parentFont_ = true;
  }
}

void TControl::SetMouseCapture(bool capture) {
  if (capture) {
    ws::SetCaptureControl(this);
  } else if (ws::CaptureControl() == this) {
    ws::SetCaptureControl(nullptr);
  }
}

void TControl::HandleMouse(TMessage& m) {
  int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState s = MouseShiftState(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(s, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (m.Msg == WM_LBUTTONDBLCLK) {
        s |= ssDouble;
        if (ControlStyle & csDoubleClicks) DblClick();
      }
      if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
      if (ControlStyle & csClickEvents) ControlState |= csClicked;
      ControlState |= csLButtonDown;
      MouseDown(mbLeft, s, x, y);
      break;
    case WM_LBUTTONUP: {
      bool clicked = ControlState & csClicked;
      ControlState &= ~(csClicked | csLButtonDown);
      if (ControlStyle & csCaptureMouse) SetMouseCapture(false);
      MouseUp(mbLeft, s, x, y);
      if (clicked && ClientRect().Contains(x, y)) Click();
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(mbRight, s | (m.Msg == WM_RBUTTONDBLCLK ? ssDouble : 0), x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(mbRight, s, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(mbMiddle, s, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, s, x, y);
      break;
  }
}

void TControl::WndProc(TMessage& m) {
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
    case WM_MBUTTONDBLCLK:
      if (!enabled_ && m.Msg != WM_MOUSEMOVE) break;
      HandleMouse(m);
      break;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_HITTEST:
      m.Result = 1;  // the whole bounds are the control
      return;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {}

}  // namespace tk
