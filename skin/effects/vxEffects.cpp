#include "vxEffects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "vxRounding.h"

namespace vx {
namespace {

using Table = std::array<uint8_t, 256>;

// Applies one table to the three colour channels of every pixel.
void MapChannels(TvxPixmap& pic, const Table& t) {
  for (int y = 0; y < pic.Height(); ++y) {
    Pixel* row = pic.Row(y);
    for (int x = 0; x < pic.Width(); ++x) {
      const Pixel p = row[x];
      row[x] = (p & 0xFF000000u) | (Pixel{t[(p >> 16) & 255]} << 16) | (Pixel{t[(p >> 8) & 255]} << 8) | t[p & 255];
    }
  }
}

// A small deterministic generator (xorshift32): the same seed gives the same
// noise on every platform and standard library.
class NoiseSource {
 public:
  explicit NoiseSource(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

 private:
  uint32_t state_;
};

double Clamp01(double x) { return std::isnan(x) ? 0.0 : std::clamp(x, 0.0, 1.0); }

}  // namespace

void Brightness(TvxPixmap& pic, double x) {
  x = Clamp01(x);
  Table t;
  for (int c = 0; c < 256; ++c) t[c] = RoundChannel((1 - x) * c + 255 * x);
  MapChannels(pic, t);
}

void Darkness(TvxPixmap& pic, double x) {
  x = Clamp01(x);
  Table t;
  for (int c = 0; c < 256; ++c) t[c] = RoundChannel((1 - x) * c);
  MapChannels(pic, t);
}

void Invert(TvxPixmap& pic) {
  Table t;
  for (int c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(255 - c);
  MapChannels(pic, t);
}

void Grayscale(TvxPixmap& pic) {
  for (int y = 0; y < pic.Height(); ++y) {
    Pixel* row = pic.Row(y);
    for (int x = 0; x < pic.Width(); ++x) {
      const Pixel p = row[x];
      // Exact in hundredths: 30·r + 59·g + 11·b, halves to even.
      const int s = 30 * PixelR(p) + 59 * PixelG(p) + 11 * PixelB(p);
      int v = s / 100;
      const int rest = s % 100;
      if (rest > 50 || (rest == 50 && (v & 1))) ++v;
      row[x] = MakePixel(v, v, v, PixelA(p));
    }
  }
}

void Noise(TvxPixmap& pic, int amount, uint32_t seed) {
  if (amount <= 0) return;
  NoiseSource rng(seed);
  const int half = amount / 2;
  for (int y = 0; y < pic.Height(); ++y) {
    Pixel* row = pic.Row(y);
    for (int x = 0; x < pic.Width(); ++x) {
      const int d = static_cast<int>(rng.Next() % static_cast<uint32_t>(amount)) - half;
      const Pixel p = row[x];
      row[x] = MakePixel(ClampChannel(PixelR(p) + d), ClampChannel(PixelG(p) + d), ClampChannel(PixelB(p) + d),
                         PixelA(p));
    }
  }
}

void SplitBlur(TvxPixmap& pic, int a) {
  if (a <= 0 || pic.Empty()) return;
  const int w = pic.Width(), h = pic.Height();
  // Rows (columns) before the first are replaced by the pixel's own; rows at
  // or past the last by the mirrored index, kept inside the picture.
  auto before = [](int i, int a) { return i - a < 0 ? i : i - a; };
  auto after = [](int i, int a, int n) {
    const int64_t j = int64_t{i} + a;
    return j >= n - 1 ? std::clamp(n - i, 0, n - 1) : static_cast<int>(j);
  };
  for (int i = 0; i < h; ++i) {
    const int up = before(i, a), down = after(i, a, h);
    for (int j = 0; j < w; ++j) {
      const int left = before(j, a), right = after(j, a, w);
      const Pixel p1 = pic.At(left, up), p2 = pic.At(right, up), p3 = pic.At(left, down), p4 = pic.At(right, down);
      const int r = (PixelR(p1) + PixelR(p2) + PixelR(p3) + PixelR(p4)) / 4;
      const int g = (PixelG(p1) + PixelG(p2) + PixelG(p3) + PixelG(p4)) / 4;
      const int b = (PixelB(p1) + PixelB(p2) + PixelB(p3) + PixelB(p4)) / 4;
      pic.Set(j, i, MakePixel(r, g, b, PixelA(pic.At(j, i))));
    }
  }
}

void ApplyInactiveEffect(TvxPixmap& pic, TvxInactiveEffect effect, uint32_t noiseSeed) {
  switch (effect) {
    case TvxInactiveEffect::ieBrightness: return Brightness(pic, 0.5);
    case TvxInactiveEffect::ieDarkness: return Darkness(pic, 0.3);
    case TvxInactiveEffect::ieGrayscale: return Grayscale(pic);
    case TvxInactiveEffect::ieNoise: return Noise(pic, 50, noiseSeed);
    case TvxInactiveEffect::ieSplitBlur: return SplitBlur(pic, 1);
    case TvxInactiveEffect::ieInvert: return Invert(pic);
  }
}

void RotateQuarter(const TvxPixmap& src, TvxPixmap& dst) {
  const int w = src.Width(), h = src.Height();
  TvxPixmap out(h, w);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.Set(h - 1 - y, x, src.At(x, y));
  dst = std::move(out);
}

void RotateHalf(const TvxPixmap& src, TvxPixmap& dst) {
  const int w = src.Width(), h = src.Height();
  TvxPixmap out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.Set(w - 1 - x, h - 1 - y, src.At(x, y));
  dst = std::move(out);
}

void RotateThreeQuarters(const TvxPixmap& src, TvxPixmap& dst) {
  const int w = src.Width(), h = src.Height();
  TvxPixmap out(h, w);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.Set(y, w - 1 - x, src.At(x, y));
  dst = std::move(out);
}

}  // namespace vx
