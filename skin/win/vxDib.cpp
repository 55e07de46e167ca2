#include "vxDib.h"

#include <algorithm>
#include <cstring>

namespace vx {

TvxDib::TvxDib(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) return;
  dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) return;
  old_ = SelectObject(dc_, bitmap_);
  bits_ = static_cast<Pixel*>(bits);
}

TvxDib::~TvxDib() {
  if (dc_) {
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

void TvxDib::Load(const TvxPixmap& from, int x, int y) {
  if (!Valid()) return;
  GdiFlush();
  const int w = std::min(width_, from.Width() - x), h = std::min(height_, from.Height() - y);
  for (int j = 0; j < h && x >= 0 && y >= 0; ++j)
    std::memcpy(bits_ + static_cast<size_t>(j) * width_, from.Row(y + j) + x, sizeof(Pixel) * std::max(w, 0));
}

void TvxDib::Store(TvxPixmap& to, int x, int y) const {
  if (!Valid()) return;
  GdiFlush();
  const int w = std::min(width_, to.Width() - x), h = std::min(height_, to.Height() - y);
  for (int j = 0; j < h && x >= 0 && y >= 0; ++j)
    std::memcpy(to.Row(y + j) + x, bits_ + static_cast<size_t>(j) * width_, sizeof(Pixel) * std::max(w, 0));
}

void DrawTextOn(TvxPixmap& picture, const RECT& rect, const wchar_t* text, int length, HFONT font,
                COLORREF colour, UINT format) {
  RECT clip{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
            std::min<LONG>(rect.right, picture.Width()), std::min<LONG>(rect.bottom, picture.Height())};
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  TvxDib dib(clip.right - clip.left, clip.bottom - clip.top);
  if (!dib.Valid()) return;
  dib.Load(picture, clip.left, clip.top);
  HGDIOBJ oldFont = font ? SelectObject(dib.DC(), font) : nullptr;
  SetBkMode(dib.DC(), TRANSPARENT);
  SetTextColor(dib.DC(), colour);
  RECT r = rect;
  OffsetRect(&r, -clip.left, -clip.top);
  DrawTextW(dib.DC(), text, length, &r, format);
  if (oldFont) SelectObject(dib.DC(), oldFont);
  dib.Store(picture, clip.left, clip.top);
}

}  // namespace vx
