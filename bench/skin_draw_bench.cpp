// Drawing and region costs. Targets (compare within one run):
//  - DrawNinePart of a 285 × 210 frame to 883 × 708 costs at most 4× a plain
//    copy of 883 × 708 pixels;
//  - SizedMaskRegion grows with the window's perimeter: 1766 × 1416 costs
//    under 2.5× of 883 × 708;
//  - StackBlur with radius 20 costs at most 1.3× radius 2.
#include <benchmark/benchmark.h>

#include <cstring>

#include "vxAlphaBitmap.h"
#include "vxStackBlur.h"
#include "vxUtils.h"

namespace {

using namespace vx;

TvxPixmap Pattern(int w, int h) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakePixel(x * 7, y * 3, x ^ y));
  return p;
}

// The program's frame layout on its 285 × 210 picture.
const NinePartLayout kFrame{{9, 27}, {273, 27}, {4, 205}, {279, 205}, {3, 26, 282, 207}};

void BM_PlainCopy883x708(benchmark::State& state) {
  TvxPixmap src = Pattern(883, 708), dst(883, 708);
  for (auto _ : state) {
    CopyRect(src, {0, 0, 883, 708}, dst, {0, 0, 883, 708});
    benchmark::DoNotOptimize(dst.Bits());
  }
}
BENCHMARK(BM_PlainCopy883x708);

void BM_DrawNinePart285x210To883x708(benchmark::State& state) {
  TvxPixmap src = Pattern(285, 210), dst;
  const NinePartLayout n = MapStandardSize(kFrame, 285, 210, 883, 708);
  const ClientFill fill{state.range(0) != 0, TvxStretchType::stFull, true};
  for (auto _ : state) {
    DrawNinePart(src, {0, 0, 285, 210}, kFrame, n, 883, 708, {}, fill, dst);
    benchmark::DoNotOptimize(dst.Bits());
  }
}
BENCHMARK(BM_DrawNinePart285x210To883x708)->Arg(0)->Arg(1);

void BM_SizedMaskRegion(benchmark::State& state) {
  TvxPixmap mask(285, 210, 0);
  for (int i = 0; i < 3; ++i)  // rounded corners
    for (int j = 0; j < 3 - i; ++j) {
      mask.Set(i, j, 0xFFFFFF);
      mask.Set(284 - i, j, 0xFFFFFF);
    }
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const NinePartLayout n = MapStandardSize(kFrame, 285, 210, w, h);
  for (auto _ : state) {
    auto r = SizedMaskRegion(mask, kFrame, n, w);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_SizedMaskRegion)->Args({883, 708})->Args({1766, 1416});

void BM_StackBlur(benchmark::State& state) {
  const TvxPixmap src = Pattern(600, 400);
  TvxPixmap pic;
  for (auto _ : state) {
    state.PauseTiming();
    pic = src;
    state.ResumeTiming();
    StackBlur(pic, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(pic.Bits());
  }
}
BENCHMARK(BM_StackBlur)->Arg(2)->Arg(20);

// The alpha-blend routine over a whole window, against the plain copy above.
void BM_BlendAlpha883x708(benchmark::State& state) {
  TvxPixmap src = Pattern(883, 708), dst = Pattern(883, 708);
  for (auto _ : state) {
    BlendAlpha(src, dst, 0, 0);
    benchmark::DoNotOptimize(dst.Bits());
  }
}
BENCHMARK(BM_BlendAlpha883x708);

}  // namespace

BENCHMARK_MAIN();
