// The check/radio box. Its value rules and the record's image choice are in
// vxCheckBoxRules; this binds them to the window: mouse and keyboard, the
// setters with their events, and the flat and framed paints.
#include "vxSkinCtrls.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "tkForms.h"
#include "tkStrings.h"
#include "vxCopy.h"

namespace vx {

namespace {

constexpr tk::TColor kNavy = 0x800000;

// The check mark of the plain look: three parallel strokes.
void DrawCheckMark(tk::TCanvas& c, int x, int y, tk::TColor color) {
  c.Pen().SetStyle(tk::psSolid);
  c.Pen().SetWidth(1);
  c.Pen().SetColor(color);
  for (int i = 0; i < 3; ++i) {
    c.MoveTo(x, y + 5 - i);
    c.LineTo(x + 2, y + 7 - i);
    c.LineTo(x + 7, y + 2 - i);
  }
}

// A dotted rectangle outline, every other pixel, drawn into the pixels.
void DottedFrame(tk::TBitmap& bitmap, const tk::TRect& r, tk::TColor color) {
  GdiFlush();
  TvxPixmap& p = bitmap.Pixmap();
  const Pixel px = PixelFromColor(static_cast<uint32_t>(tk::ColorToRGB(color)));
  auto dot = [&](int x, int y) {
    if (p.Contains(x, y) && ((x + y) & 1) == 0) p.Set(x, y, px);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    dot(x, r.Top);
    dot(x, r.Bottom - 1);
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    dot(r.Left, y);
    dot(r.Right - 1, y);
  }
}

}  // namespace

TvxSkinCheckRadioBox::TvxSkinCheckRadioBox(tk::TComponent* owner) : TvxSkinCustomControl(owner) {
  // OnClick comes from the value's setters, not from the toolkit's mouse-up.
  ControlStyle &= ~tk::csClickEvents;
  SetSkinDataName("checkbox");
  SetTabStop(false);
  SetBounds(0, 0, 150, 25);
}

TvxSkinCheckRadioBox::~TvxSkinCheckRadioBox() = default;

const TvxDataSkinCheckRadioControl* TvxSkinCheckRadioBox::CheckRecord() const {
  return dynamic_cast<const TvxDataSkinCheckRadioControl*>(Record());
}

// ---- value ----

void TvxSkinCheckRadioBox::SetChecked(bool checked) {
  checked_ = checked;
  // Unchecking a grayed box leaves it grayed.
  if (checked || state_ == cbChecked) state_ = checked ? cbChecked : cbUnchecked;
  Invalidate();
  if (checked_ && GroupIndex != 0 && Parent()) {
    tk::TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TvxSkinCheckRadioBox*>(parent->Controls(i));
      if (other && other != this && other->GroupIndex == GroupIndex && other->Checked()) other->SetChecked(false);
    }
  }
  if (!(radio_ && !checked)) Click();
}

void TvxSkinCheckRadioBox::SetState(TvxCheckBoxState state) {
  state_ = state;
  checked_ = state == cbChecked;
  Invalidate();
  Click();
}

void TvxSkinCheckRadioBox::Toggle() {
  if (!radio_)
    SetChecked(!checked_);
  else if (!checked_)
    SetChecked(true);
}

void TvxSkinCheckRadioBox::SetRadio(bool radio) {
  radio_ = radio;
  if (Designing() && !Loading()) {
    SetSkinDataName(radio ? "radiobox" : "checkbox");
    GroupIndex = radio ? 1 : 0;
  }
  Invalidate();
}

void TvxSkinCheckRadioBox::SetAllowGrayed(bool v) {
  allowGrayed_ = v;
  Invalidate();
}

void TvxSkinCheckRadioBox::SetFlat(bool v) {
  flat_ = v;
  Invalidate();
}

void TvxSkinCheckRadioBox::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  if (flat_) Invalidate();
}

void TvxSkinCheckRadioBox::SetCanFocused(bool v) {
  canFocused_ = v;
  SetTabStop(v);
}

void TvxSkinCheckRadioBox::SetImages(tk::TCustomImageList* images) {
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images_) FreeNotification(images_);
  Invalidate();
}

void TvxSkinCheckRadioBox::SetImageIndex(int index) {
  imageIndex_ = index;
  Invalidate();
}

bool TvxSkinCheckRadioBox::HasImage() const {
  return images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count();
}

void TvxSkinCheckRadioBox::Notification(tk::TComponent* component, tk::TOperation operation) {
  TvxSkinCustomControl::Notification(component, operation);
  if (operation == tk::opRemove && component == images_) {
    images_ = nullptr;
    Invalidate();
  }
}

// ---- skin ----

void TvxSkinCheckRadioBox::FindSkinRecord() {
  TvxSkinCustomControl::FindSkinRecord();
  // A flat box lies on its parent's background: no window region.
  if (flat_) geometry_.maskIndex = -1;
}

void TvxSkinCheckRadioBox::ApplySkin() {
  if (!flat_) {
    TvxSkinCustomControl::ApplySkin();
    return;
  }
  // The skin never changes a flat box's size.
  FindSkinRecord();
  UpdateSkinRegion();
  Invalidate();
}

void TvxSkinCheckRadioBox::FitSkinSize(int& width, int& height) {
  if (!flat_) TvxSkinCustomControl::FitSkinSize(width, height);
}

void TvxSkinCheckRadioBox::ParentBackgroundChanged() {
  if (flat_) Invalidate();
}

// ---- input ----

void TvxSkinCheckRadioBox::SetMouseIn(bool in) {
  if (in == mouseIn_) return;
  mouseIn_ = in;
  Invalidate();
}

void TvxSkinCheckRadioBox::EnabledChanged() {
  mouseIn_ = false;
  pressed_ = false;
  TvxSkinCustomControl::EnabledChanged();
}

void TvxSkinCheckRadioBox::TextChanged() {
  TvxSkinCustomControl::TextChanged();
  Invalidate();
}

void TvxSkinCheckRadioBox::WndProc(tk::TMessage& m) {
  if (Designing()) {
    TvxSkinCustomControl::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case tk::CM_MOUSEENTER:
      TvxSkinCustomControl::WndProc(m);
      SetMouseIn(true);
      return;
    case tk::CM_MOUSELEAVE:
      TvxSkinCustomControl::WndProc(m);
      SetMouseIn(false);
      return;
    case WM_MOUSEMOVE:
      TvxSkinCustomControl::WndProc(m);
      // While the box holds the mouse, the pointer's place says whether it is in.
      if (pressed_) SetMouseIn(ClientRect().Contains(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled()) break;
      if (canFocused_ && !Focused()) {
        ::SetFocus(Handle());
        if (!Focused()) return;
      }
      pressed_ = true;
      SetMouseIn(true);
      TvxSkinCustomControl::WndProc(m);
      return;
    case WM_LBUTTONUP: {
      // Decided before the toolkit's handling lets the mouse go (which
      // reports the capture as lost).
      const bool click = pressed_ && mouseIn_ && Enabled() &&
                         ClientRect().Contains(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      pressed_ = false;
      TvxSkinCustomControl::WndProc(m);
      if (!click) return;
      const checkbox::ClickResult r = checkbox::Click(state_, checked_, allowGrayed_, radio_);
      if (r.toGrayed) {
        state_ = cbGrayed;
        Invalidate();
        Click();
      } else {
        Toggle();
      }
      return;
    }
    case WM_CAPTURECHANGED:
      TvxSkinCustomControl::WndProc(m);
      if (reinterpret_cast<HWND>(m.LParam) != Handle()) pressed_ = false;
      return;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE && canFocused_ && Focused()) {
        Toggle();
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TvxSkinCustomControl::WndProc(m);
      Invalidate();
      return;
    case WM_MOVE:
      TvxSkinCustomControl::WndProc(m);
      // What lies behind a flat box is elsewhere now.
      if (flat_) Invalidate();
      return;
    default:
      break;
  }
  TvxSkinCustomControl::WndProc(m);
}

// ---- painting ----

void TvxSkinCheckRadioBox::Paint() {
  const int w = Width(), h = Height();
  if (w < 1 || h < 1) return;
  FindSkinRecord();
  tk::TBitmap bitmap(w, h);
  if (flat_)
    PaintFlat(bitmap);
  else if (CheckRecord() && Picture())
    DrawSkinImage(bitmap);
  else
    DrawDefaultImage(bitmap);
  Canvas().Draw(0, 0, bitmap);
}

void TvxSkinCheckRadioBox::DrawCheckImage(tk::TBitmap& bitmap, int x, int y) {
  const TvxDataSkinCheckRadioControl* rec = CheckRecord();
  const TvxPixmap* picture = Picture();
  if (!rec || !picture) return;
  const checkbox::CheckImage image =
      checkbox::ChooseCheckImage(checkbox::CheckImages::FromRecord(*rec), Enabled(), mouseIn_, state_);
  const PixRect from = image.rect;
  if (from.IsEmpty() || !picture->Contains(from.left, from.bottom - 1)) return;
  GdiFlush();
  TvxPixmap piece(from.Width(), from.Height());
  CopyRect(*picture, from, piece, {0, 0, from.Width(), from.Height()});
  if (image.lighten) checkbox::LightenHalfway(piece);
  // The image's bottom-left pixel is its transparent colour.
  const Pixel key = piece.At(0, piece.Height() - 1);
  CopyRectKeyed(piece, {0, 0, piece.Width(), piece.Height()}, bitmap.Pixmap(),
                {x, y, x + piece.Width(), y + piece.Height()}, key);
}

void TvxSkinCheckRadioBox::DrawPlainCheck(tk::TCanvas& c, int boxTop) {
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(mouseIn_ ? kNavy : tk::clBtnShadow);
  c.FrameRect({3, boxTop, 17, boxTop + 14});
  const int markTop = boxTop + 3;  // H div 2 - 4
  if (state_ == cbGrayed && !radio_) {
    DrawCheckMark(c, 7, markTop, tk::clGrayText);
  } else if (checked_) {
    const tk::TColor color = Enabled() ? tk::clBlack : tk::clBtnShadow;
    if (radio_) {
      c.Brush().SetColor(color);
      c.FillRect({7, boxTop + 4, 13, boxTop + 10});
    } else {
      DrawCheckMark(c, 7, markTop, color);
    }
  }
}

tk::TRect TvxSkinCheckRadioBox::DrawFlatCaption(tk::TCanvas& c, int left, tk::TColor color, int imageGap) {
  const int w = Width(), h = Height();
  const std::wstring& text = Caption();
  const bool image = HasImage();
  tk::TRect r;
  if (!wordWrap_) {
    const tk::TPoint size = text.empty() ? tk::TPoint{0, 0} : c.TextExtent(text);
    r = {left, h / 2 - size.Y / 2, left + size.X, h / 2 - size.Y / 2 + size.Y};
  } else {
    const int l = left + (image ? images_->Width() : 0);
    r = {l, 0, w - 2, h};
    tk::TRect measure = r;
    c.DrawText(text, measure, DT_CALCRECT | DT_WORDBREAK);
    const int th = measure.Height();
    r = {l, h / 2 - th / 2, measure.Right, h / 2 - th / 2 + th};
  }
  r.Right = std::min(r.Right, w - 2);
  if (image) {
    images_->Draw(c, r.Left, h / 2 - images_->Height() / 2, imageIndex_, Enabled());
    const int shift = images_->Width() + imageGap;
    r.Left += shift;
    r.Right = std::min(r.Right + shift, w - 2);
  }
  c.Font().SetColor(color);
  c.Brush().SetStyle(tk::bsClear);
  tk::TRect drawn = r;
  if (wordWrap_)
    c.DrawText(text, drawn, DT_WORDBREAK | DT_LEFT);
  else
    c.DrawText(text, drawn, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
  return r;
}

void TvxSkinCheckRadioBox::PaintFlat(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  const int h = bitmap.Height();
  PaintParentBackground(this, c.Handle());
  const TvxDataSkinCheckRadioControl* rec = CheckRecord();
  tk::TRect caption;
  tk::TColor color;
  c.Font().Assign(DefaultFont());
  if (rec && Picture()) {
    const PixRect check = rec->checkimagerect;
    const PixPoint at = checkbox::FlatCheckOrigin(h, check);
    DrawCheckImage(bitmap, at.x, at.y);
    if (UseSkinFont) {
      c.Font().SetName(tk::Utf8ToWide(rec->fontname));
      c.Font().SetHeight(rec->fontheight);
      c.Font().SetStyle(rec->fontstyle);
    }
    color = static_cast<tk::TColor>(Enabled() ? rec->framefontcolor : rec->unenabledfontcolor);
    if (!UseSkinFontColor) color = DefaultFont().Color();
    caption = DrawFlatCaption(c, checkbox::FlatCaptionLeft(check), color, 8);
  } else {
    DrawPlainCheck(c, h / 2 - 7);
    color = Enabled() ? DefaultFont().Color() : tk::clBtnShadow;
    caption = DrawFlatCaption(c, 22, color, 5);
  }
  if (Focused() && canFocused_) {
    tk::TRect mark{caption.Left - 2, caption.Top - 1, caption.Right + 3, caption.Bottom + 1};
    if (Caption().empty() && HasImage()) {
      const int top = h / 2 - images_->Height() / 2;
      mark = {caption.Left - images_->Width() - 1, top - 1, caption.Left + 1, top + images_->Height() + 1};
    }
    DottedFrame(bitmap, mark, color);
  }
}

void TvxSkinCheckRadioBox::DrawDefaultImage(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  const int w = bitmap.Width(), h = bitmap.Height();
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(tk::clBtnFace);
  c.FillRect({0, 0, w, h});
  if (mouseIn_ || Focused()) {
    c.Brush().SetColor(tk::clBtnShadow);
    c.FrameRect({0, 0, w, h});
  }
  DrawPlainCheck(c, h / 2 - 7);
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(tk::clBtnShadow);
  c.Brush().SetStyle(tk::bsClear);
  tk::TRect r{19, 0, w, h};
  c.DrawText(Caption(), r, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
}

void TvxSkinCheckRadioBox::DrawSkinImage(tk::TBitmap& bitmap) {
  DrawFramedState(bitmap, mouseIn_ || Focused());
}

void TvxSkinCheckRadioBox::DrawFramedState(tk::TBitmap& bitmap, bool active) {
  const TvxDataSkinCheckRadioControl* rec = CheckRecord();
  if (!rec) return;
  const PixRect normal = geometry_.skinrect;
  const PixRect activeRect = PixRect(rec->activeskinrect).IsEmpty()
                                 ? normal
                                 : PixRect(rec->activeskinrect);
  DrawRecordImage(bitmap, active ? activeRect : normal);
  const checkbox::FramedAreas areas = checkbox::FramedLayout(*rec, bitmap.Width());
  const int ih = PixRect(rec->checkimagerect).Height();
  DrawCheckImage(bitmap, areas.checkImage.left,
                 areas.checkImage.top + areas.checkImage.Height() / 2 - ih / 2);
  tk::TCanvas& c = bitmap.Canvas();
  c.Font().Assign(DefaultFont());
  if (UseSkinFont) {
    c.Font().SetName(tk::Utf8ToWide(rec->fontname));
    c.Font().SetHeight(rec->fontheight);
    c.Font().SetStyle(rec->fontstyle);
  }
  tk::TColor color = static_cast<tk::TColor>(!Enabled() ? rec->unenabledfontcolor
                                             : active   ? rec->activefontcolor
                                                        : rec->fontcolor);
  if (!UseSkinFontColor && Enabled()) color = DefaultFont().Color();
  c.Font().SetColor(color);
  c.Brush().SetStyle(tk::bsClear);
  tk::TRect r{areas.text.left, areas.text.top, areas.text.right, areas.text.bottom};
  c.DrawText(Caption(), r, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
}

}  // namespace vx
