#include "vxInactiveClient.h"

#include <algorithm>

#include "vxStackBlur.h"

namespace vx {

void BlurInactiveClient(TvxPixmap& snapshot) { StackBlur(snapshot, kInactiveBlurRadius); }

void BlendConstantAlpha(TvxPixmap& under, const TvxPixmap& over, int alpha) {
  const int a = std::clamp(alpha, 0, 255), b = 255 - a;
  const int w = std::min(under.Width(), over.Width()), h = std::min(under.Height(), over.Height());
  auto mix = [&](int o, int u) { return (o * a + u * b + 127) / 255; };
  for (int y = 0; y < h; ++y) {
    Pixel* dst = under.Row(y);
    const Pixel* src = over.Row(y);
    for (int x = 0; x < w; ++x) {
      const Pixel o = src[x], u = dst[x];
      dst[x] = MakePixel(mix(PixelR(o), PixelR(u)), mix(PixelG(o), PixelG(u)), mix(PixelB(o), PixelB(u)), 255);
    }
  }
}

}  // namespace vx
