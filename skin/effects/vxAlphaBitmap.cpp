#include "vxAlphaBitmap.h"

#include <algorithm>
#include <cstring>

#include "vxCopy.h"

namespace vx {
namespace {

// The part of a w × h source at (x, y) that lands inside the target.
struct Span {
  int sx, sy, tx, ty, w, h;
  bool empty() const { return w <= 0 || h <= 0; }
};
Span Overlap(const TvxPixmap& src, const TvxPixmap& target, int x, int y) {
  const int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
  const int64_t x1 = std::min<int64_t>(int64_t{x} + src.Width(), target.Width());
  const int64_t y1 = std::min<int64_t>(int64_t{y} + src.Height(), target.Height());
  return {static_cast<int>(x0 - x), static_cast<int>(y0 - y), static_cast<int>(x0), static_cast<int>(y0),
          static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

// round(v / 255) for v in 0 … 255·255, without a division; stays in 16 bits
// so the vectoriser can use 16-bit lanes.
inline uint16_t Div255(uint16_t v) {
  const uint16_t t = static_cast<uint16_t>(v + 128);
  return static_cast<uint16_t>((t + (t >> 8)) >> 8);
}
inline uint16_t Mix(uint32_t s, uint32_t d, uint16_t a, uint16_t na) {
  return Div255(static_cast<uint16_t>(static_cast<uint16_t>(s & 255) * a + static_cast<uint16_t>(d & 255) * na));
}

}  // namespace

void TvxBitmap::Assign(const TvxPixmap& picture) {
  pixels_ = picture;
  for (int y = 0; y < pixels_.Height(); ++y) {
    Pixel* row = pixels_.Row(y);
    for (int x = 0; x < pixels_.Width(); ++x) row[x] &= 0xFFFFFFu;
  }
}

void TvxBitmap::AssignTo(TvxPixmap& picture) const {
  picture = pixels_;
  for (int y = 0; y < picture.Height(); ++y) {
    Pixel* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) row[x] &= 0xFFFFFFu;
  }
}

void TvxBitmap::UpdateAlphaBlend() {
  alphaBlend = false;
  for (int y = 0; y < Height() && !alphaBlend; ++y) {
    const Pixel* row = pixels_.Row(y);
    for (int x = 0; x < Width(); ++x) {
      const int a = PixelA(row[x]);
      if (a != 0 && a != 255) {
        alphaBlend = true;
        break;
      }
    }
  }
}

void TvxBitmap::Draw(TvxPixmap& target, int x, int y) const {
  if (alphaBlend)
    BlendAlpha(pixels_, target, x, y);
  else if (transparent)
    BlendKeyColour(pixels_, target, x, y, transparentColor);
  else
    BlendCopy(pixels_, target, x, y);
}

// The three loops below are written so the compiler vectorises them: no
// calls, no early exits, channels unpacked with shifts and masks.
void BlendAlpha(const TvxPixmap& src, TvxPixmap& target, int x, int y) {
  const Span s = Overlap(src, target, x, y);
  if (s.empty()) return;
  for (int j = 0; j < s.h; ++j) {
    const Pixel* __restrict in = src.Row(s.sy + j) + s.sx;
    Pixel* __restrict out = target.Row(s.ty + j) + s.tx;
    for (int i = 0; i < s.w; ++i) {
      const uint32_t p = in[i], q = out[i];
      const auto a = static_cast<uint16_t>(p >> 24), na = static_cast<uint16_t>(255 - a);
      const uint32_t r = Mix(p >> 16, q >> 16, a, na), g = Mix(p >> 8, q >> 8, a, na), b = Mix(p, q, a, na);
      out[i] = (q & 0xFF000000u) | (r << 16) | (g << 8) | b;
    }
  }
}

void BlendKeyColour(const TvxPixmap& src, TvxPixmap& target, int x, int y, Pixel key) {
  const Span s = Overlap(src, target, x, y);
  if (s.empty()) return;
  const uint32_t k = key & 0xFFFFFFu;
  for (int j = 0; j < s.h; ++j) {
    const Pixel* __restrict in = src.Row(s.sy + j) + s.sx;
    Pixel* __restrict out = target.Row(s.ty + j) + s.tx;
    for (int i = 0; i < s.w; ++i) out[i] = (in[i] & 0xFFFFFFu) == k ? out[i] : in[i];
  }
}

void BlendCopy(const TvxPixmap& src, TvxPixmap& target, int x, int y) {
  const Span s = Overlap(src, target, x, y);
  if (s.empty() || &src == &target) return;
  for (int j = 0; j < s.h; ++j)
    std::memcpy(target.Row(s.ty + j) + s.tx, src.Row(s.sy + j) + s.sx, sizeof(Pixel) * s.w);
}

void AlphaFromMask(TvxBitmap& picture, const TvxPixmap& mask) {
  TvxPixmap& p = picture.Pixels();
  const int w = std::min(p.Width(), mask.Width()), h = std::min(p.Height(), mask.Height());
  for (int y = 0; y < h; ++y) {
    Pixel* row = p.Row(y);
    const Pixel* m = mask.Row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t sum = ((m[x] >> 16) & 255) + ((m[x] >> 8) & 255) + (m[x] & 255);
      const uint32_t a = (sum + 1) / 3;  // thirds never tie
      row[x] = (row[x] & 0xFFFFFFu) | (a << 24);
    }
  }
}

void LimitColourToAlpha(TvxBitmap& picture) {
  TvxPixmap& p = picture.Pixels();
  for (int y = 0; y < p.Height(); ++y) {
    Pixel* row = p.Row(y);
    for (int x = 0; x < p.Width(); ++x) {
      const uint32_t v = row[x], a = v >> 24;
      const uint32_t r = std::min((v >> 16) & 255, a), g = std::min((v >> 8) & 255, a), b = std::min(v & 255, a);
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
}

void GlowFromRed(TvxBitmap& picture, uint32_t colour) {
  TvxPixmap& p = picture.Pixels();
  const Pixel c = PixelFromColor(colour) & 0xFFFFFFu;
  for (int y = 0; y < p.Height(); ++y) {
    Pixel* row = p.Row(y);
    for (int x = 0; x < p.Width(); ++x) row[x] = c | (((row[x] >> 16) & 255) << 24);
  }
  picture.alphaBlend = true;
}

}  // namespace vx
