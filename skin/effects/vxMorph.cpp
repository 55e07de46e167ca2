#include "vxMorph.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "vxRounding.h"

namespace vx {
namespace {

// f·A + (1 − f)·B per colour channel; alpha is taken from A.
Pixel Blend(Pixel a, Pixel b, double f) {
  if (f >= 1) return a;
  if (f <= 0) return (a & 0xFF000000u) | (b & 0xFFFFFFu);
  const double g = 1 - f;
  return MakePixel(RoundChannel(f * PixelR(a) + g * PixelR(b)), RoundChannel(f * PixelG(a) + g * PixelG(b)),
                   RoundChannel(f * PixelB(a) + g * PixelB(b)), PixelA(a));
}

// Blends every pixel by the factor of its column (byColumn) or row.
void BlendLines(TvxPixmap& a, const TvxPixmap& b, const std::vector<double>& f, bool byColumn) {
  for (int y = 0; y < a.Height(); ++y) {
    Pixel* ra = a.Row(y);
    const Pixel* rb = b.Row(y);
    for (int x = 0; x < a.Width(); ++x) ra[x] = Blend(ra[x], rb[x], f[byColumn ? x : y]);
  }
}

void CrossFade(TvxPixmap& a, const TvxPixmap& b, double k) {
  // One factor for the whole picture: tabulate both products once.
  const double f = 1 - k;
  if (f >= 1) return;
  double ta[256], tb[256];
  for (int c = 0; c < 256; ++c) {
    ta[c] = f * c;
    tb[c] = k * c;
  }
  for (int y = 0; y < a.Height(); ++y) {
    Pixel* ra = a.Row(y);
    const Pixel* rb = b.Row(y);
    for (int x = 0; x < a.Width(); ++x) {
      const Pixel p = ra[x], q = rb[x];
      ra[x] = MakePixel(RoundChannel(ta[PixelR(p)] + tb[PixelR(q)]), RoundChannel(ta[PixelG(p)] + tb[PixelG(q)]),
                        RoundChannel(ta[PixelB(p)] + tb[PixelB(q)]), PixelA(p));
    }
  }
}

void GradientFromMiddle(TvxPixmap& a, const TvxPixmap& b, double k) {
  const bool byColumn = !(a.Width() < a.Height());
  const int n = byColumn ? a.Width() : a.Height();
  const int span = RoundHalfEven(n * k);
  const int bandLeft = std::max(0, n / 2 - span / 2), bandRight = std::min(n, n / 2 + span / 2);
  const int sideLen = (n - span) / 2;
  const double step = sideLen > 0 ? 1.0 / sideLen : 1.0;  // no room for a gradient: full step
  std::vector<double> f(n, 0.0);
  for (int c = bandLeft - 1, t = 1; c >= 0; --c, ++t) f[c] = std::min(1.0, t * step);
  for (int c = bandRight, t = 1; c < n; ++c, ++t) f[c] = std::min(1.0, t * step);
  BlendLines(a, b, f, byColumn);
}

void GradientFromLeft(TvxPixmap& a, const TvxPixmap& b, double k) {
  const int w = a.Width();
  const int span = std::clamp(RoundHalfEven(w * k), 1, w - 1);
  std::vector<double> f(w, 1.0);
  for (int c = 0; c <= span; ++c) f[c] = std::min(1.0, c * (1.0 / span));
  BlendLines(a, b, f, true);
}

void GradientFromRight(TvxPixmap& a, const TvxPixmap& b, double k) {
  const int w = a.Width();
  const int start = std::clamp(w - RoundHalfEven(w * k), 0, w - 1);
  std::vector<double> f(w, 1.0);
  const double step = 1.0 / (w - start);
  for (int c = w - 1, t = 0; c >= start; --c, ++t) f[c] = std::min(1.0, t * step);
  BlendLines(a, b, f, true);
}

void Slide(TvxPixmap& a, const TvxPixmap& b, double k, bool fromLeft) {
  const int w = a.Width();
  const int n = std::clamp(RoundHalfEven(w * k), 1, w - 1);
  for (int y = 0; y < a.Height(); ++y) {
    if (fromLeft)
      std::memcpy(a.Row(y), b.Row(y) + (w - n), sizeof(Pixel) * n);
    else
      std::memcpy(a.Row(y) + (w - n), b.Row(y), sizeof(Pixel) * n);
  }
}

void Push(TvxPixmap& a, const TvxPixmap& b, double k) {
  const int w = a.Width();
  const int n = std::clamp(RoundHalfEven(w * k), 0, w - 1) + 1;  // columns pushed in
  for (int y = 0; y < a.Height(); ++y) {
    Pixel* ra = a.Row(y);
    std::memmove(ra + n, ra, sizeof(Pixel) * (w - n));
    std::memcpy(ra, b.Row(y) + (w - n), sizeof(Pixel) * n);
  }
}

}  // namespace

void MorphBlend(TvxPixmap& from, const TvxPixmap& to, double k, TvxMorphKind kind) {
  if (from.Empty() || from.Width() != to.Width() || from.Height() != to.Height()) return;
  k = std::isnan(k) ? 0.0 : std::clamp(k, 0.0, 1.0);
  if (kind == TvxMorphKind::mkDefault) return CrossFade(from, to, k);
  // Every other transition works along a line and needs at least two pixels.
  const bool middleByRows = from.Width() < from.Height();
  if ((kind == TvxMorphKind::mkGradient && middleByRows ? from.Height() : from.Width()) < 2) return;
  switch (kind) {
    case TvxMorphKind::mkGradient: return GradientFromMiddle(from, to, k);
    case TvxMorphKind::mkLeftGradient: return GradientFromLeft(from, to, k);
    case TvxMorphKind::mkRightGradient: return GradientFromRight(from, to, k);
    case TvxMorphKind::mkLeftSlide: return Slide(from, to, k, true);
    case TvxMorphKind::mkRightSlide: return Slide(from, to, k, false);
    case TvxMorphKind::mkPush: return Push(from, to, k);
    case TvxMorphKind::mkDefault: break;
  }
}

}  // namespace vx
