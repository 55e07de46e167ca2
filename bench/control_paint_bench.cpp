// Control painting costs. Target (compare within one run): tiling a panel of
// 1920 x 1080 from a 1 x 1 piece costs at most a few times a plain fill of the
// same area, so a skin's tiny tile cannot make painting crawl; the program's
// 55 x 48 panel tile is shown for scale.
#include <benchmark/benchmark.h>

#include "vxControlSkin.h"

namespace {

using namespace vx;

TvxPixmap Pattern(int w, int h) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakePixel(x * 7, y * 3, x ^ y));
  return p;
}

void BM_PlainFill1920x1080(benchmark::State& state) {
  TvxPixmap dst(1920, 1080);
  for (auto _ : state) {
    dst.Fill(MakePixel(1, 2, 3));
    benchmark::DoNotOptimize(dst.Bits());
  }
}
BENCHMARK(BM_PlainFill1920x1080);

void BM_TilePanel1920x1080(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TvxPixmap pic = Pattern(200, 100);
  TvxPixmap dst(1920, 1080);
  const PixRect piece = side == 1 ? PixRect{3, 3, 4, 4} : PixRect{143, 6, 198, 54};
  for (auto _ : state) {
    TileRect(pic, piece, dst, {0, 0, 1920, 1080}, {0, 0});
    benchmark::DoNotOptimize(dst.Bits());
  }
}
BENCHMARK(BM_TilePanel1920x1080)->Arg(1)->Arg(55);

}  // namespace

BENCHMARK_MAIN();
