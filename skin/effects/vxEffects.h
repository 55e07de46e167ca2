// Per-pixel effects on skin pictures, used to make an inactive frame from the
// active one, and quarter-turn rotations (vertical tabs).
//
// The effects change red, green and blue and keep each pixel's alpha. Results
// are rounded to the nearest integer, halves to even, and clamped to 0 … 255.
#pragma once

#include <cstdint>

#include "vxPixmap.h"
#include "vxSkinTypes.h"

namespace vx {

// The effects work on the engine's one picture type.
using TvxEffectBmp = TvxPixmap;

// c' = (1 − x)·c + 255·x, x clamped to 0 … 1.
void Brightness(TvxPixmap& pic, double x);
// c' = (1 − x)·c, x clamped to 0 … 1.
void Darkness(TvxPixmap& pic, double x);
// All three channels become 0.3·red + 0.59·green + 0.11·blue.
void Grayscale(TvxPixmap& pic);
// c' = 255 − c.
void Invert(TvxPixmap& pic);
// For each pixel one n from 0 … amount − 1 is drawn and n − amount div 2 is
// added to its three channels. The same seed gives the same picture.
void Noise(TvxPixmap& pic, int amount, uint32_t seed);
// Each pixel becomes the average (sum div 4) of the four pixels `amount`
// rows and columns away diagonally, worked in place from the top left.
void SplitBlur(TvxPixmap& pic, int amount);

// Applies an inactive effect with its fixed amount: brightness 0.5,
// darkness 0.3, grayscale, noise 50, split blur 1, invert.
void ApplyInactiveEffect(TvxPixmap& pic, TvxInactiveEffect effect, uint32_t noiseSeed = 1);

// Turns `src` a quarter (clockwise), half or three quarters of a turn into
// `dst`, which gets the turned size.
void RotateQuarter(const TvxPixmap& src, TvxPixmap& dst);
void RotateHalf(const TvxPixmap& src, TvxPixmap& dst);
void RotateThreeQuarters(const TvxPixmap& src, TvxPixmap& dst);

}  // namespace vx
