#include "tkGraphics.h"

#include <cmath>

namespace tk {

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphicsObject::Changing() {
  if (OnChanging) OnChanging(this);
}

// ---- TFont ----

TFont::~TFont() { Reset(); }

void TFont::Reset() {
  if (!handle_) return;
  Changing();
  DeleteObject(handle_);
  handle_ = nullptr;
}

void TFont::Assign(const TFont& other) {
  if (&other == this || Equals(other)) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  PixelsPerInch = other.PixelsPerInch;
  Reset();
  Changed();
}

bool TFont::Equals(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
         charset_ == o.charset_;
}

void TFont::SetName(const std::wstring& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Reset();
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Reset();
  Changed();
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-static_cast<double>(height_) * 72 / PixelsPerInch));
}

void TFont::SetSize(int points) {
  SetHeight(-static_cast<int>(std::lround(static_cast<double>(points) * PixelsPerInch / 72)));
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Reset();
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();  // the colour is not part of the GDI font
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Reset();
  Changed();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
  }
  return handle_;
}

// ---- TPen / TBrush ----

TPen::~TPen() { Reset(); }
void TPen::Reset() {
  if (!handle_) return;
  Changing();
  DeleteObject(handle_);
  handle_ = nullptr;
}
void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Reset();
  Changed();
}
void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Reset();
  Changed();
}
void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Reset();
  Changed();
}
HPEN TPen::Handle() {
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    handle_ = CreatePen(kStyles[static_cast<int>(style_)], width_, ColorToRGB(color_));
  }
  return handle_;
}

TBrush::~TBrush() { Reset(); }
void TBrush::Reset() {
  if (!handle_) return;
  Changing();
  DeleteObject(handle_);
  handle_ = nullptr;
}
void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Reset();
  Changed();
}
void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Reset();
  Changed();
}
HBRUSH TBrush::Handle() {
  if (!handle_) {
    if (style_ == bsClear) {
      LOGBRUSH lb{BS_NULL, 0, 0};
      handle_ = CreateBrushIndirect(&lb);
    } else {
      handle_ = CreateSolidBrush(ColorToRGB(color_));
    }
  }
  return handle_;
}

// ---- TCanvas ----

TCanvas::TCanvas() {
  // An object about to drop its handle is taken out of the DC first (a
  // selected GDI object cannot be deleted); the next drawing selects the new one.
  font_.OnChanging = [this](TObject*) {
    if (dc_ && selFont_ && oldFont_) SelectObject(dc_, oldFont_);
    selFont_ = nullptr;
  };
  pen_.OnChanging = [this](TObject*) {
    if (dc_ && selPen_ && oldPen_) SelectObject(dc_, oldPen_);
    selPen_ = nullptr;
  };
  brush_.OnChanging = [this](TObject*) {
    if (dc_ && selBrush_ && oldBrush_) SelectObject(dc_, oldBrush_);
    selBrush_ = nullptr;
  };
}

TCanvas::~TCanvas() {
  DeselectObjects();
  font_.OnChanging = nullptr;
  pen_.OnChanging = nullptr;
  brush_.OnChanging = nullptr;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectObjects();
  dc_ = dc;
}

void TCanvas::DeselectObjects() {
  if (dc_) {
    if (oldFont_) SelectObject(dc_, oldFont_);
    if (oldPen_) SelectObject(dc_, oldPen_);
    if (oldBrush_) SelectObject(dc_, oldBrush_);
  }
  oldFont_ = oldPen_ = oldBrush_ = nullptr;
  selFont_ = nullptr;
  selPen_ = nullptr;
  selBrush_ = nullptr;
}

void TCanvas::RequireFont() {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  HFONT f = font_.Handle();
  if (selFont_ != f) {
    HGDIOBJ old = SelectObject(dc_, f);
    if (!oldFont_) oldFont_ = old;
    selFont_ = f;
  }
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.Style() == bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::RequirePen() {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  HPEN p = pen_.Handle();
  if (selPen_ != p) {
    HGDIOBJ old = SelectObject(dc_, p);
    if (!oldPen_) oldPen_ = old;
    selPen_ = p;
  }
}

void TCanvas::RequireBrush() {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  HBRUSH b = brush_.Handle();
  if (selBrush_ != b) {
    HGDIOBJ old = SelectObject(dc_, b);
    if (!oldBrush_) oldBrush_ = old;
    selBrush_ = b;
  }
}

void TCanvas::MoveTo(int x, int y) {
  RequirePen();
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::LineTo(dc_, x, y);
}

void TCanvas::Rectangle(const TRect& r) {
  RequirePen();
  RequireBrush();
  ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::FillRect(const TRect& r) {
  RequireBrush();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& r) {
  RequireBrush();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FrameRect(dc_, &rc, brush_.Handle());
}

TColor TCanvas::Pixels(int x, int y) {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  COLORREF c = GetPixel(dc_, x, y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  ::SetPixelV(dc_, x, y, ColorToRGB(color));
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  RequireFont();
  ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::wstring& text) {
  RequireFont();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  UINT opts = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ::ExtTextOutW(dc_, x, y, opts, &rc, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

TPoint TCanvas::TextExtent(const std::wstring& text) {
  RequireFont();
  SIZE s{};
  ::GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &s);
  return {s.cx, s.cy};
}

int TCanvas::DrawText(const std::wstring& text, TRect& r, unsigned flags) {
  RequireFont();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  int h = ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, flags);
  if (flags & DT_CALCRECT) r = {rc.left, rc.top, rc.right, rc.bottom};
  return h;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  if (bitmap.Empty()) return;
  HDC src = PixmapDC(bitmap.Pixmap());
  if (!src) return;
  BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), src, 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const TRect& r, TBitmap& bitmap) {
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  if (bitmap.Empty() || r.IsEmpty()) return;
  HDC src = PixmapDC(bitmap.Pixmap());
  if (!src) return;
  int old = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, bitmap.Width(), bitmap.Height(),
             SRCCOPY);
  SetStretchBltMode(dc_, old);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
  if (!dc_ || !source.dc_) throw EInvalidOperation("Canvas does not allow drawing");
  int old = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), source.dc_, src.Left, src.Top,
             src.Width(), src.Height(), SRCCOPY);
  SetStretchBltMode(dc_, old);
}

TRect TCanvas::ClipRect() const {
  RECT rc{};
  if (dc_) GetClipBox(dc_, &rc);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

void TCanvas::IntersectClipRect(const TRect& r) {
  if (dc_) ::IntersectClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

int TCanvas::SaveState() { return dc_ ? SaveDC(dc_) : 0; }

void TCanvas::RestoreState(int token) {
  if (!dc_ || token == 0) return;
  RestoreDC(dc_, token);
  // RestoreDC may have put other objects back in; select ours again when needed.
  selFont_ = nullptr;
  selPen_ = nullptr;
  selBrush_ = nullptr;
}

}  // namespace tk
