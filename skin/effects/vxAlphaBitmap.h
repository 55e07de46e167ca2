// The 32-bit alpha picture of the skin engine's effects: glow text, glow
// frames and the pictures shown in layered windows. It carries how it is to
// be drawn: alpha-blended, with a key colour left transparent, or copied.
#pragma once

#include <cstdint>

#include "vxPixmap.h"

namespace vx {

class TvxBitmap {
 public:
  TvxBitmap() = default;
  TvxBitmap(int width, int height) { SetSize(width, height); }

  // Resizes; every pixel becomes 0 (black, fully transparent).
  bool SetSize(int width, int height) { return pixels_.SetSize(width, height, 0); }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  bool Empty() const { return pixels_.Empty(); }
  TvxPixmap& Pixels() { return pixels_; }
  const TvxPixmap& Pixels() const { return pixels_; }

  // Takes a picture's colours with alpha 0, and gives the colours back.
  void Assign(const TvxPixmap& picture);
  void AssignTo(TvxPixmap& picture) const;

  bool alphaBlend = false;   // draw with per-pixel alpha
  bool transparent = false;  // draw with transparentColor left out
  Pixel transparentColor = 0;

  // Sets alphaBlend when any pixel's alpha is neither 0 nor 255.
  void UpdateAlphaBlend();

  // Draws onto `target` at (x, y) by the routine the flags choose.
  void Draw(TvxPixmap& target, int x, int y) const;
  void Draw(TvxBitmap& target, int x, int y) const { Draw(target.pixels_, x, y); }

 private:
  TvxPixmap pixels_;
};

// The three drawing routines. Blending mixes each colour channel as
// (s·a + t·(255 − a)) / 255, rounded; the target keeps its alpha. Parts of
// the source outside the target are left out.
void BlendAlpha(const TvxPixmap& src, TvxPixmap& target, int x, int y);
void BlendKeyColour(const TvxPixmap& src, TvxPixmap& target, int x, int y, Pixel key);
void BlendCopy(const TvxPixmap& src, TvxPixmap& target, int x, int y);

// alpha = the mask pixel's (red + green + blue) / 3, rounded: white opaque,
// black transparent. Pixels beyond the mask keep their alpha.
void AlphaFromMask(TvxBitmap& picture, const TvxPixmap& mask);
// Lowers every colour channel above the pixel's alpha to the alpha, so the
// picture is valid premultiplied data for the platform's layered windows.
void LimitColourToAlpha(TvxBitmap& picture);
// Every pixel becomes `colour` ($BBGGRR) with alpha = its red value (the
// glow of text drawn in red); marks the picture alphaBlend.
void GlowFromRed(TvxBitmap& picture, uint32_t colour);

}  // namespace vx
