// Caption text effects that need the platform's text rendering: glowing,
// softly glowing and reflected text, drawn onto a picture.
#pragma once

#include <windows.h>

#include <string_view>

#include "vxPixmap.h"

namespace vx {

// Largest glow a caller can ask for.
constexpr int kMaxGlowSize = 64;

// The text's look: font (nullptr: the system font), colour and DrawText format.
struct TvxTextStyle {
  HFONT font = nullptr;
  COLORREF colour = 0;
  UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE;
};

// Text with a glow of `glowSize` (clamped to 0 … kMaxGlowSize) pixels in
// `glowColour`, the glow shifted by `offset`.
void DrawGlowText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, int glowSize, COLORREF glowColour,
                  int offset, const TvxTextStyle& style);
// The soft glow's shape: the margin around the text, the radius of its two
// blur passes, and how far the solid block under the text stays inside it.
struct TvxSoftGlow {
  int margin = 10;
  int radius = 5;
  int blockInsetX = 3, blockInsetY = 3;
};
// The caption's soft ("Vista") glow: wider and softer than the plain one.
constexpr TvxSoftGlow kCaptionSoftGlow{12, 6, 5, 2};

// A wider, softer glow behind a solid block under the text.
void DrawSoftGlowText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, const TvxTextStyle& style,
                      COLORREF glowColour, const TvxSoftGlow& shape = {});
// The text and, below it, a mirrored copy that fades out.
void DrawReflectedText(TvxPixmap& canvas, const RECT& rect, std::wstring_view text, const TvxTextStyle& style);

}  // namespace vx
