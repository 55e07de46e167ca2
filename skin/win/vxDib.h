// Pictures in DIB sections, so GDI can draw text into them and copy them to
// windows, and a scratch device context for drawing into any picture.
#pragma once

#include <windows.h>

#include "vxPixmap.h"
#include "vxPixmapDib.h"  // the pictures' storage, shared with the toolkit

namespace vx {

// A top-down 32-bit DIB section with its own memory DC.
class TvxDib {
 public:
  TvxDib(int width, int height);
  ~TvxDib();
  TvxDib(const TvxDib&) = delete;
  TvxDib& operator=(const TvxDib&) = delete;

  bool Valid() const { return bits_ != nullptr; }
  HDC DC() const { return dc_; }
  Pixel* Bits() const { return bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Copies between the DIB and a picture of the same size (or the overlap).
  void Load(const TvxPixmap& from, int x = 0, int y = 0);
  void Store(TvxPixmap& to, int x = 0, int y = 0) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  Pixel* bits_ = nullptr;
};

// Draws text onto a picture with GDI, transparent background: the part of
// the picture under `rect` goes through a scratch DIB.
void DrawTextOn(TvxPixmap& picture, const RECT& rect, const wchar_t* text, int length, HFONT font,
                COLORREF colour, UINT format);

}  // namespace vx
