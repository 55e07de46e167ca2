// The skinned edit box on the platform edit control: the skin's frame in the
// window's non-client area, the skin's picture behind the text, hover and
// focus looks, the edit button.
//
// The client area is the text area exactly, so the platform control never
// draws outside it. Its painting goes into an off-screen picture that
// already holds the background, and the picture is copied in one piece:
// whatever the text looked like before, every paint starts from the empty
// box, so a deleted character leaves nothing behind.
#include <windowsx.h>

#include <algorithm>

#include "tkForms.h"
#include "tkWidgetSet.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinMessages.h"

namespace vx {

namespace {

// The frame print requests of a skinned form's frame.
constexpr unsigned kFramePrint = 45513;
constexpr intptr_t kFramePrintAnswer = 12851;
constexpr unsigned kFramePrintExcluding = 48203;
constexpr intptr_t kFramePrintKey = 16802;

constexpr tk::TColor kNavy = 0x800000, kHotFace = 0xD2BDB6, kPressedFace = 0xB59285;

tk::TRect TkRect(const PixRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TvxSkinCustomEdit::TvxSkinCustomEdit(tk::TComponent* owner) : TvxCustomEdit(owner), skinData_(*this) {
  SetBorderStyle(tk::bsNoBorder);
  SetDefaultSkinFont(defaultFont_, tk::clBlack);
  SetParentFont(false);
  SetDefaultSkinFont(Font(), tk::clBlack);
  SetColor(defaultColor_);
  SetBounds(Left(), Top(), 121, 20);
}

// ---- settings ----

void TvxSkinCustomEdit::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  if (data && !data->Empty() && !Designing()) ApplySkin();
}

void TvxSkinCustomEdit::SetDefaultColor(tk::TColor color) {
  defaultColor_ = color;
  SetColor(color);
  if (!skin_) Invalidate();
}

void TvxSkinCustomEdit::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  FindSkinRecord();
  if (!skin_ && width > 0) SetWidth(width);
}

void TvxSkinCustomEdit::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  FindSkinRecord();
  if (!skin_ && height > 0 && useSkinFont_)
    SetHeight(height);
  else
    SetHeight(FittedHeight(Height()));
}

void TvxSkinCustomEdit::SetUseSkinFont(bool v) {
  useSkinFont_ = v;
  ApplySkin();
}

void TvxSkinCustomEdit::SetButtonMode(bool v) {
  buttonMode_ = v;
  if (Designing() && !Loading()) skinDataName_ = v ? "buttonedit" : "edit";
  UpdateFrame();
}

void TvxSkinCustomEdit::Notification(tk::TComponent* component, tk::TOperation operation) {
  TvxCustomEdit::Notification(component, operation);
  skinData_.Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == images_) {
    images_ = nullptr;
    SetMargins();
  }
}

// ---- side images ----

void TvxSkinCustomEdit::SetImages(tk::TCustomImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
  SetMargins();
  Invalidate();
}

void TvxSkinCustomEdit::SetLeftImageIndex(int index) {
  leftImage_ = index;
  SetMargins();
  Invalidate();
}

void TvxSkinCustomEdit::SetRightImageIndex(int index) {
  rightImage_ = index;
  SetMargins();
  Invalidate();
}

PixRect TvxSkinCustomEdit::LeftImageRect() const {
  if (!images_ || leftImage_ < 0) return {};
  const PixRect t = TextArea();
  return {0, 0, std::min(images_->Width(), t.Width()), t.Height()};
}

PixRect TvxSkinCustomEdit::RightImageRect() const {
  if (!images_ || rightImage_ < 0) return {};
  const PixRect t = TextArea();
  return {std::max(0, t.Width() - images_->Width()), 0, t.Width(), t.Height()};
}

void TvxSkinCustomEdit::DrawSideImages(tk::TBitmap& bitmap) {
  if (!images_) return;
  auto pick = [](int plain, int hot, int down, bool isHot, bool isPressed, int count) {
    if (isHot && isPressed && down >= 0 && down < count) return down;
    if (isHot && hot >= 0 && hot < count) return hot;
    return plain;
  };
  const int count = images_->Count();
  auto draw = [&](const PixRect& area, int index) {
    if (area.IsEmpty()) return;
    const int y = area.top + std::max(0, (area.Height() - images_->Height()) / 2);
    images_->Draw(bitmap.Canvas(), area.left, y, index, Enabled());
  };
  draw(LeftImageRect(), pick(leftImage_, LeftImageHotIndex, LeftImageDownIndex, leftHot_, leftPressed_, count));
  draw(RightImageRect(), pick(rightImage_, RightImageHotIndex, RightImageDownIndex, rightHot_, rightPressed_, count));
}

int TvxSkinCustomEdit::ImageHitTest(int x, int y) {
  const bool left = LeftImageRect().Contains(x, y), right = !left && RightImageRect().Contains(x, y);
  SetImageHot(left, right);
  return left ? 104 : right ? 105 : 0;
}

void TvxSkinCustomEdit::SetImageHot(bool left, bool right) {
  if (left == leftHot_ && right == rightHot_) return;
  leftHot_ = left;
  rightHot_ = right;
  if (!left) leftPressed_ = false;
  if (!right) rightPressed_ = false;
  Invalidate();
}

// ---- the record ----

void TvxSkinCustomEdit::FindSkinRecord() {
  skin_.reset();
  TvxSkinDataComponent* data = SkinData();
  if (!data || data->Empty()) return;
  if (const auto* r = dynamic_cast<const TvxDataSkinEditControl*>(data->FindControl(skinDataName_)))
    skin_ = TvxEditSkin::From(*r, static_cast<int>(data->PictureList.size()));
}

void TvxSkinCustomEdit::ApplySkin() {
  FindSkinRecord();
  if (skin_ && useSkinFont_) {
    Font().SetName(tk::Utf8ToWide(skin_->fontname));
    Font().SetStyle(skin_->fontstyle);
    Font().SetHeight(skin_->fontheight);
  } else {
    Font().Assign(defaultFont_);
  }
  if (skin_)
    Font().SetColor(Focused() || hover_ ? skin_->activefontcolor : skin_->fontcolor);
  else
    Font().SetColor(defaultFont_.Color());
  int width = Width();
  if (!skin_ && defaultWidth_ > 0) width = defaultWidth_;
  int height = Height();
  if (!skin_ && defaultHeight_ > 0) height = defaultHeight_;
  SetBounds(Left(), Top(), width, FittedHeight(height));
  UpdateFrame();
}

int TvxSkinCustomEdit::FontTextHeight() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

int TvxSkinCustomEdit::FittedHeight(int height) {
  if (skin_ && useSkinFont_) return skin_->SkinHeight() > 0 ? skin_->SkinHeight() : height;
  if (!useSkinFont_) return EditHeightForFont(Skin(), FontTextHeight());
  return height;
}

void TvxSkinCustomEdit::SetBounds(int left, int top, int width, int height) {
  FindSkinRecord();
  if (width != Width() || height != Height()) height = FittedHeight(height);
  TvxCustomEdit::SetBounds(left, top, width, height);
}

// ---- geometry and looks ----

PixRect TvxSkinCustomEdit::TextArea() const { return EditTextArea(Skin(), Mode(), Width(), Height()); }

PixRect TvxSkinCustomEdit::ButtonRect() const { return EditButtonRect(Skin(), Mode(), Width(), Height()); }

TvxEditLook TvxSkinCustomEdit::Look() const {
  TvxEditLook look;
  look.active = hover_ || Focused();
  look.enabled = Enabled();
  look.buttonHot = buttonHot_;
  look.buttonPressed = buttonPressed_;
  return look;
}

tk::TColor TvxSkinCustomEdit::TextColor() {
  if (!Enabled()) return skin_ ? static_cast<tk::TColor>(skin_->disabledfontcolor) : tk::clGrayText;
  return Font().Color();
}

const TvxResourceStrData* TvxSkinCustomEdit::MenuStrings() const {
  return SkinData() ? SkinData()->ResourceStrData() : nullptr;
}

void TvxSkinCustomEdit::DrawFrame(tk::TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w <= 0 || h <= 0) return;
  TvxSkinDataComponent* data = SkinData();
  const TvxPixmap* picture = skin_ && data ? data->Picture(skin_->pictureIndex) : nullptr;
  if (skin_) {
    DrawEditFrame(picture, *skin_, Mode(), Look(), w, h, bitmap.Pixmap());
    return;
  }
  tk::TCanvas& c = bitmap.Canvas();
  const int e = buttonMode_ ? std::max(0, w - h) : w;
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(defaultColor_);
  c.FillRect({0, 0, e, h});
  c.Brush().SetColor(tk::clBtnShadow);
  c.FrameRect({0, 0, e, h});
  c.Brush().SetColor(tk::clBtnFace);
  c.FrameRect({1, 1, e - 1, h - 1});
  if (buttonMode_) {
    const tk::TRect b = TkRect(ButtonRect());
    const bool hot = buttonHot_, pressed = buttonPressed_ && buttonHot_;
    c.Brush().SetColor(pressed ? kPressedFace : hot ? kHotFace : tk::clBtnFace);
    c.FillRect(b);
    c.Brush().SetColor(hot ? kNavy : tk::clBtnShadow);
    c.FrameRect(b);
  }
}

void TvxSkinCustomEdit::DrawBackground(tk::TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w <= 0 || h <= 0) return;
  TvxSkinDataComponent* data = SkinData();
  if (skin_) {
    const TvxPixmap* picture = data ? data->Picture(skin_->pictureIndex) : nullptr;
    DrawEditBackground(picture, *skin_, Mode(), Look().active, w, h, bitmap.Pixmap());
    return;
  }
  bitmap.Canvas().Brush().SetStyle(tk::bsSolid);
  bitmap.Canvas().Brush().SetColor(defaultColor_);
  bitmap.Canvas().FillRect({0, 0, w, h});
}

// ---- the window ----

void TvxSkinCustomEdit::CreateHandleDone() {
  TvxCustomEdit::CreateHandleDone();
  SetMargins();
  UpdateFrame();
}

void TvxSkinCustomEdit::SetMargins() {
  if (!HandleAllocated()) return;
  // A one-line edit has no formatting rectangle of its own: its margins keep
  // the text off the side images.
  const int image = images_ ? images_->Width() + 2 : 0;
  const int left = 2 + (images_ && leftImage_ >= 0 ? image : 0);
  const int right = images_ && rightImage_ >= 0 ? image : 0;
  SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right));
}

void TvxSkinCustomEdit::UpdateFrame() {
  if (!HandleAllocated()) return;
  // The frame's width may have changed: the client area is measured anew.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TvxSkinCustomEdit::Invalidate() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TvxSkinCustomEdit::PaintFrame(HDC given) {
  HWND h = Handle();
  RECT wr{};
  GetWindowRect(h, &wr);
  const int w = wr.right - wr.left, hgt = wr.bottom - wr.top;
  if (w <= 0 || hgt <= 0) return;
  FindSkinRecord();
  tk::TBitmap bitmap(w, hgt);
  DrawFrame(bitmap);
  GdiFlush();
  HDC dc = given ? given : GetWindowDC(h);
  if (!dc) return;
  const int saved = SaveDC(dc);
  const PixRect text = EditTextArea(Skin(), Mode(), w, hgt);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  BitBlt(dc, 0, 0, w, hgt, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(h, dc);
}

void TvxSkinCustomEdit::PaintClient(tk::TMessage& m) {
  HWND h = Handle();
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(h, &ps);
  RECT cr{};
  GetClientRect(h, &cr);
  if (cr.right > 0 && cr.bottom > 0) {
    FindSkinRecord();
    tk::TBitmap bitmap(cr.right, cr.bottom);
    DrawBackground(bitmap);
    DrawSideImages(bitmap);
    GdiFlush();
    HDC mem = bitmap.Canvas().Handle();
    if (Enabled()) {
      // The platform control draws its text on the background, transparent.
      tk::TMessage paint{WM_PAINT, reinterpret_cast<uintptr_t>(mem), 0, 0};
      DefaultHandler(paint);
    } else {
      // A disabled platform control greys its text its own way.
      tk::TCanvas& c = bitmap.Canvas();
      c.Font().Assign(Font());
      c.Font().SetColor(TextColor());
      c.Brush().SetStyle(tk::bsClear);
      const std::wstring text = Text();
      const int textWidth = c.TextWidth(text);
      int x = 2;
      if (Alignment() == tk::taRightJustify) x = cr.right - 1 - textWidth;
      if (Alignment() == tk::taCenter) x = cr.right / 2 - textWidth / 2;
      c.TextOut(x, 0, text);
      c.Brush().SetStyle(tk::bsSolid);
    }
    // The caret is drawn on the screen: keep it out of the copy.
    const BOOL hidden = HideCaret(h);
    BitBlt(dc, 0, 0, cr.right, cr.bottom, mem, 0, 0, SRCCOPY);
    if (hidden) ShowCaret(h);
  }
  if (own) EndPaint(h, &ps);
  m.Result = 0;
}

void TvxSkinCustomEdit::SetHover(bool hover) {
  // Leaving resets the button and the images whether or not the box counted
  // as hovered (the pointer may have come in over the frame only).
  const bool states = buttonHot_ || buttonPressed_ || leftHot_ || rightHot_ || leftPressed_ || rightPressed_;
  if (!hover) {
    buttonHot_ = buttonPressed_ = false;
    leftHot_ = rightHot_ = leftPressed_ = rightPressed_ = false;
  }
  if (hover == hover_ && !(states && !hover)) return;
  hover_ = hover;
  if (skin_ && !Focused()) Font().SetColor(hover ? skin_->activefontcolor : skin_->fontcolor);
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TvxSkinCustomEdit::SetButtonState(bool hot, bool pressed) {
  if (hot == buttonHot_ && pressed == buttonPressed_) return;
  buttonHot_ = hot;
  buttonPressed_ = pressed;
  if (HandleAllocated()) PaintFrame(nullptr);
}

void TvxSkinCustomEdit::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_SKIN_BEFORE_CHANGE:
    case WM_SKIN_CHANGED:
      if (SkinMessageFrom(m.WParam, SkinData())) {
        if (m.Msg == WM_SKIN_BEFORE_CHANGE)
          skin_.reset();
        else
          ApplySkin();
      }
      return;
    case WM_NCCALCSIZE: {
      if (!m.LParam) break;
      RECT* r = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                         : reinterpret_cast<RECT*>(m.LParam);
      FindSkinRecord();
      const TvxEditInsets in = EditFrameInsets(Skin(), Mode(), r->right - r->left, r->bottom - r->top);
      r->left += in.left;
      r->top += in.top;
      r->right -= in.right;
      r->bottom -= in.bottom;
      m.Result = 0;
      return;
    }
    case WM_NCPAINT:
      PaintFrame(nullptr);
      m.Result = 0;
      return;
    case kFramePrint:
      if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = kFramePrintAnswer;
      return;
    case kFramePrintExcluding:
      if (m.LParam != kFramePrintKey) break;
      if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = kFramePrintKey;
      return;
    case WM_NCHITTEST: {
      if (Designing()) break;
      POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      RECT wr{};
      GetWindowRect(Handle(), &wr);
      const int x = p.x - wr.left, y = p.y - wr.top;
      const PixRect text = TextArea();
      if (images_) {
        if (const int code = ImageHitTest(x - text.left, y - text.top)) {
          m.Result = code;
          return;
        }
      }
      if (!buttonMode_) break;
      if (ButtonRect().Contains(x, y)) {
        m.Result = HTHSCROLL;
        return;
      }
      if (!TextArea().Contains(x, y)) {
        // Clicks on the frame never reach the text.
        m.Result = HTVSCROLL;
        return;
      }
      break;
    }
    case WM_NCMOUSEMOVE: {
      // Told when the pointer leaves the frame, the button or the images.
      TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
      TrackMouseEvent(&tme);
      if (m.WParam == 104 || m.WParam == 105) return;
      if (!buttonMode_) break;
      SetButtonState(m.WParam == HTHSCROLL, buttonPressed_);
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) return;
      break;
    }
    case WM_NCMOUSELEAVE:
      SetImageHot(false, false);
      if (buttonMode_) SetButtonState(false, buttonPressed_);
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (images_ && (m.WParam == 104 || m.WParam == 105)) {
        (m.WParam == 104 ? leftPressed_ : rightPressed_) = true;
        if (!Focused() && CanFocus()) SetFocus();
        Invalidate();
        return;
      }
      if (buttonMode_ && m.WParam == HTHSCROLL) {
        SetButtonState(true, true);
        return;
      }
      if (buttonMode_ && m.WParam == HTVSCROLL) return;
      break;
    case WM_NCLBUTTONUP:
      if (images_ && (m.WParam == 104 || m.WParam == 105)) {
        bool& pressed = m.WParam == 104 ? leftPressed_ : rightPressed_;
        const bool click = pressed;
        pressed = false;
        Invalidate();
        if (click) {
          tk::TNotifyEvent handler = m.WParam == 104 ? OnLeftButtonClick : OnRightButtonClick;
          if (handler) handler(this);  // may free the edit
        }
        return;
      }
      if (buttonMode_ && m.WParam == HTHSCROLL) {
        const bool click = buttonPressed_;
        SetButtonState(true, false);
        if (click) {
          if (!Focused() && CanFocus()) SetFocus();
          if (tk::TNotifyEvent handler = OnButtonClick) handler(this);  // may free the edit
        }
        return;
      }
      if (buttonMode_ && m.WParam == HTVSCROLL) return;
      break;
    case WM_MOUSEMOVE:
      if (buttonHot_) SetButtonState(false, buttonPressed_);
      break;
    case tk::CM_MOUSEENTER:
      SetHover(true);
      break;
    case tk::CM_MOUSELEAVE:
      SetHover(false);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TvxCustomEdit::WndProc(m);
      if (skin_ && !hover_) Font().SetColor(m.Msg == WM_SETFOCUS ? skin_->activefontcolor : skin_->fontcolor);
      if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case WM_SETFONT:
      TvxCustomEdit::WndProc(m);
      SetMargins();
      return;
    case WM_SIZE:
      TvxCustomEdit::WndProc(m);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case tk::CM_ENABLEDCHANGED:
      TvxCustomEdit::WndProc(m);
      if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case WM_ERASEBKGND:
      // The paint draws the background with the text.
      m.Result = 1;
      return;
    case WM_PAINT:
      PaintClient(m);
      return;
    default:
      break;
  }
  TvxCustomEdit::WndProc(m);
}

}  // namespace vx
