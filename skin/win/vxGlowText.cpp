#include "vxGlowText.h"

#include <algorithm>

#include "vxAlphaBitmap.h"
#include "vxDib.h"
#include "vxStackBlur.h"

namespace vx {
namespace {

int TextLength(std::wstring_view text) { return static_cast<int>(std::min<size_t>(text.size(), 1 << 20)); }

// A picture of w × h, black, with the text drawn in red at `rect`.
bool RedText(TvxBitmap& bmp, int w, int h, const RECT& rect, std::wstring_view text, const TvxTextStyle& style) {
  constexpr int kMaxSide = 32767;
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || !bmp.SetSize(w, h)) return false;
  DrawTextOn(bmp.Pixels(), rect, text.data(), TextLength(text), style.font, RGB(255, 0, 0), style.format);
  return true;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

void DrawGlowText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, int glowSize, COLORREF glowColour,
                  int offset, const TvxTextStyle& style) {
  const int s = std::clamp(glowSize, 0, kMaxGlowSize);
  TvxBitmap glow;
  const RECT inner{s, s, s + Width(rect), s + Height(rect)};
  if (RedText(glow, Width(rect) + 2 * s, Height(rect) + 2 * s, inner, text, style)) {
    StackBlur(glow.Pixels(), s);
    GlowFromRed(glow, glowColour);
    glow.Draw(canvas, rect.left + offset - s, rect.top + offset - s);
  }
  DrawTextOn(canvas, rect, text.data(), TextLength(text), style.font, style.colour, style.format);
}

void DrawSoftGlowText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, const TvxTextStyle& style,
                      COLORREF glowColour, const TvxSoftGlow& shape) {
  const int kMargin = std::clamp(shape.margin, 0, kMaxGlowSize);
  const int radius = std::clamp(shape.radius, 0, kMaxGlowSize);
  TvxBitmap glow;
  const int w = Width(rect) + 2 * kMargin, h = Height(rect) + 2 * kMargin;
  if (RedText(glow, w, h, {0, 0, 0, 0}, {}, style)) {
    const RECT inner{kMargin, kMargin, kMargin + Width(rect), kMargin + Height(rect)};
    // A solid block under the text, then the text smeared by up to 2 pixels.
    for (int y = inner.top + shape.blockInsetY; y < inner.bottom - shape.blockInsetY; ++y)
      for (int x = inner.left + shape.blockInsetX; x < inner.right - shape.blockInsetX; ++x)
        glow.Pixels().Set(x, y, MakePixel(255, 0, 0));
    for (int dy = -2; dy <= 2; dy += 2)
      for (int dx = -2; dx <= 2; dx += 2) {
        RECT r = inner;
        OffsetRect(&r, dx, dy);
        DrawTextOn(glow.Pixels(), r, text.data(), TextLength(text), style.font, RGB(255, 0, 0), style.format);
      }
    StackBlur(glow.Pixels(), radius);
    StackBlur(glow.Pixels(), radius);
    GlowFromRed(glow, glowColour);
    glow.Draw(canvas, rect.left - kMargin, rect.top - kMargin);
  }
  DrawTextOn(canvas, rect, text.data(), TextLength(text), style.font, style.colour, style.format);
}

void DrawReflectedText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, const TvxTextStyle& style) {
  DrawTextOn(canvas, rect, text.data(), TextLength(text), style.font, style.colour, style.format);
  const int w = Width(rect), h = Height(rect);
  TvxBitmap mirror;
  if (!RedText(mirror, w, h, {0, 0, w, h}, text, style)) return;
  // Upside down, in the text colour, the red coverage as alpha; opacity
  // falls from one half at the text's foot to nothing halfway down the copy.
  TvxBitmap copy(w, h);
  const Pixel colour = PixelFromColor(style.colour) & 0xFFFFFFu;
  const int fade = std::max(1, h / 2);
  for (int y = 0; y < h; ++y) {
    const int strength = y < fade ? (fade - y) * 128 / fade : 0;
    const Pixel* src = mirror.Pixels().Row(h - 1 - y);
    Pixel* dst = copy.Pixels().Row(y);
    for (int x = 0; x < w; ++x) dst[x] = colour | (static_cast<Pixel>(PixelR(src[x]) * strength / 255) << 24);
  }
  copy.alphaBlend = true;
  copy.Draw(canvas, rect.left, rect.bottom);
}

}  // namespace vx
