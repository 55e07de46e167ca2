// Fonts, pens, brushes, the canvas over a device context and the bitmap.
//
// Graphic objects keep their settings and make the GDI handle only when a
// canvas draws with them; a change drops the handle (and tells OnChange), so
// the next drawing picks up the new settings. System colours are resolved when
// the handle is made.
//
// TBitmap is the skin engine's picture (vx::TvxPixmap) with its pixels in a
// top-down 32-bit DIB section: GDI draws into it through Canvas(), the pixel
// code reads and writes rows through ScanLine/Pixmap. GDI batches its work, so
// reading pixels after GDI drawing goes through ScanLine (which flushes).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tkColor.h"
#include "tkComponent.h"
#include "tkTypes.h"
#include "vxPixmap.h"
#include "vxPixmapDib.h"

namespace tk {

using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;
  // Runs before the GDI handle is dropped, so a DC can let go of it first.
  TNotifyEvent OnChanging;

 protected:
  void Changed();
  void Changing();
};

class TFont : public TGraphicsObject {
 public:
  TFont() = default;
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  void Assign(const TFont& other);

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  // Negative: character height in pixels; positive: cell height (character
  // height plus internal leading).
  int Height() const { return height_; }
  void SetHeight(int height);
  // Size in points at PixelsPerInch (a character height).
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  int PixelsPerInch = 96;

  HFONT Handle();
  bool Equals(const TFont& other) const;

 private:
  void Reset();
  std::wstring name_ = L"MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  HFONT handle_ = nullptr;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
using enum TPenStyle;

class TPen : public TGraphicsObject {
 public:
  ~TPen() override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle();

 private:
  void Reset();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  HPEN handle_ = nullptr;
};

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
 public:
  ~TBrush() override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle();

 private:
  void Reset();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  HBRUSH handle_ = nullptr;
};

class TBitmap;

// Drawing on a device context. The canvas does not own a DC handed to it by
// SetHandle; it selects its font, pen and brush into it while drawing and puts
// the DC's own objects back when the handle changes or the canvas goes.
class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(const TRect& r);
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  TColor Pixels(int x, int y);
  void SetPixel(int x, int y, TColor color);
  void TextOut(int x, int y, const std::wstring& text);
  void TextRect(const TRect& r, int x, int y, const std::wstring& text);
  TPoint TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).X; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).Y; }
  // The platform's DrawText with its DT_* flags; returns the text height. With
  // DT_CALCRECT the rectangle is updated to the text's extent.
  int DrawText(const std::wstring& text, TRect& r, unsigned flags);
  // Draws a bitmap 1:1 at (x, y), or stretched (nearest neighbour) into r.
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const TRect& r, TBitmap& bitmap);
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);
  // Text background: transparent unless the brush is solid.
  // Clipping.
  TRect ClipRect() const;
  void IntersectClipRect(const TRect& r);
  int SaveState();  // returns a token for RestoreState
  void RestoreState(int token);

 private:
  void RequireFont();
  void RequirePen();
  void RequireBrush();
  void DeselectObjects();

  HDC dc_ = nullptr;
  TFont font_;
  TPen pen_;
  TBrush brush_;
  HGDIOBJ oldFont_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
  HFONT selFont_ = nullptr;
  HPEN selPen_ = nullptr;
  HBRUSH selBrush_ = nullptr;
};

// The pictures' DIB-section storage, shared with the skin engine: the
// application installs it at start, and TBitmap makes sure of it.
using vx::InstallDibPixelStorage;
using vx::PixmapBitmapHandle;
using vx::PixmapDC;

class TBitmap : public TObject {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  void Assign(const TBitmap& other);

  int Width() const { return pixmap_.Width(); }
  int Height() const { return pixmap_.Height(); }
  bool Empty() const { return pixmap_.Empty(); }
  // Reallocates (contents cleared to black). Refused sizes leave it empty and
  // raise EInvalidGraphic.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  // The canvas drawing into the bitmap (valid while the size stays).
  TCanvas& Canvas();
  HBITMAP Handle() const { return PixmapBitmapHandle(pixmap_); }
  // Row y of the pixels (0xAARRGGBB), after pending GDI drawing is finished.
  vx::Pixel* ScanLine(int y);
  // The picture itself, for the skin engine's pixel code; call GdiFlush (or
  // ScanLine) first when GDI has drawn into it.
  vx::TvxPixmap& Pixmap() { return pixmap_; }
  // Takes over a picture's pixels (copied into a DIB section if need be).
  void AssignPixmap(const vx::TvxPixmap& pixmap);

 private:
  void AttachCanvas();
  vx::TvxPixmap pixmap_;
  std::unique_ptr<TCanvas> canvas_;
};

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace tk
