// Painting the main window's frame at its design size, 883 x 708: the strips
// taken from the cache (or cut anew, as after a resize), the caption buttons
// drawn onto them and the strips copied to the window, side by side with a
// plain copy of the same number of pixels. Target (compare within one run):
// the cached paint within 1.5x the plain copy.
#include <benchmark/benchmark.h>

#include "../resources/ProgramSkin.h"
#include "FramePaint.h"
#include "FrameRecords.h"
#include "vxCopy.h"
#include "vxStoredSkin.h"

namespace {

using namespace vx;
using namespace vx::frame;

constexpr int kW = 883, kH = 708;

// The program's skin and its main window's layout.
struct Frame {
  TvxSkinData data;
  PreviewLayout layout;
  FrameSkin& skin = layout.skin;
  FrameGeometry& geometry = layout.geometry;
  FrameObjectList& objects = layout.objects;
  Frame() : layout(Loaded(data), kW, kH, kProgramBorderIcons) {}
  static const TvxSkinData& Loaded(TvxSkinData& d) {
    auto bytes = kinopod::ProgramSkinCompressedData();
    TvxCompressedStoredSkin stored;
    stored.SetCompressedData(Bytes(bytes.begin(), bytes.end()));
    d.LoadCompressedStoredSkin(stored);
    return d;
  }
};

// The strips onto the window, as the window's device context receives them.
void Blit(const BorderStrips& s, const Rect& c, TvxPixmap& window) {
  auto put = [&](const TvxPixmap& strip, int x, int y) {
    CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, window, {x, y, x + strip.Width(), y + strip.Height()});
  };
  put(s.top, 0, 0);
  put(s.left, 0, c.Top);
  put(s.right, kW - s.right.Width(), c.Top);
  put(s.bottom, 0, kH - s.bottom.Height());
}

void BM_FramePaint(benchmark::State& state) {
  static Frame f;
  const bool cached = state.range(0) != 0;
  FrameStripCache cache;
  TvxPixmap window(kW, kH);
  for (auto _ : state) {
    if (!cached) cache.Clear();
    const BorderStrips& strips = ComposeSkinFrame(f.data, f.skin, f.geometry, f.objects, true, cache, {});
    Blit(strips, f.geometry.client, window);
    benchmark::DoNotOptimize(window.Bits());
  }
}
BENCHMARK(BM_FramePaint)->ArgName("cached")->Arg(1)->Arg(0);

// The same pixels (883 x 26 + 883 x 3 + 2 x 3 x 679) copied once.
void BM_PlainCopyOfTheFramesPixels(benchmark::State& state) {
  static Frame f;
  FrameStripCache cache;
  const BorderStrips strips = ComposeSkinFrame(f.data, f.skin, f.geometry, f.objects, true, cache, {});
  TvxPixmap window(kW, kH);
  for (auto _ : state) {
    Blit(strips, f.geometry.client, window);
    benchmark::DoNotOptimize(window.Bits());
  }
}
BENCHMARK(BM_PlainCopyOfTheFramesPixels);

}  // namespace

BENCHMARK_MAIN();
