// Loading the program's skin against the bare zlib inflation of its stream.
//
// Target: a full load (inflate, decode 20 pictures, parse the 3,000-line
// definition, create and read every record, announce) costs at most 1.5x the
// bare inflation of the same stream. BM_SkinLoad measures both in one run and
// reports the ratio as "load/inflate" (and "within_target" 1 or 0).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>

#include "vxSkinContainer.h"
#include "vxSkinData.h"
#include "vxSkinZlib.h"

namespace {

const vx::Bytes& Compressed() {
  static const vx::Bytes bytes = vx::DeflateSkin(vx::BuildSkinContainer(KINOPOD_PROGRAM_SKIN));
  return bytes;
}

size_t ContainerSize() {
  static const size_t size = vx::InflateSkin(Compressed()).size();
  return size;
}

// zlib alone, told the exact size, into output memory of its own, as a load's
// output is. main() keeps freed memory in the process for both sides: on a
// virtual machine a page fault costs more than inflating the page, and which
// side pays how many would otherwise depend on the allocator's trimming
// heuristics rather than on the code measured.
void BareInflate() {
  uLongf size = static_cast<uLongf>(ContainerSize());
  void* out = std::malloc(size);
  if (!out || uncompress(static_cast<Bytef*>(out), &size, Compressed().data(), static_cast<uLong>(Compressed().size())) != Z_OK)
    std::abort();
  benchmark::DoNotOptimize(out);
  std::free(out);
}

// CPU time of this thread: the machine may be busy with other work.
double ThreadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double Seconds(auto&& f) {
  const double t0 = ThreadSeconds();
  f();
  return ThreadSeconds() - t0;
}

void BM_BareInflate(benchmark::State& state) {
  for (auto _ : state) BareInflate();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ContainerSize()));
}
BENCHMARK(BM_BareInflate)->Unit(benchmark::kMillisecond);

void BM_SkinInflate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vx::InflateSkin(Compressed()).data());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ContainerSize()));
}
BENCHMARK(BM_SkinInflate)->Unit(benchmark::kMillisecond);

void BM_SkinLoad(benchmark::State& state) {
  vx::TvxCompressedStoredSkin stored;
  stored.SetCompressedData(Compressed());
  vx::TvxSkinData data;
  for (auto _ : state) {
    data.LoadCompressedStoredSkin(stored);
    benchmark::DoNotOptimize(data.ControlRecords.data());
  }
  // Both sides measured here, alternately and best of many, so the ratio
  // compares like with like on a machine that may be busy.
  double inflate = 1e9, load = 1e9;
  for (int i = 0; i < 60; ++i) {
    inflate = std::min(inflate, Seconds([&] { BareInflate(); }));
    load = std::min(load, Seconds([&] { data.LoadCompressedStoredSkin(stored); }));
  }
  state.counters["load_ms"] = load * 1e3;
  state.counters["inflate_ms"] = inflate * 1e3;
  state.counters["load/inflate"] = load / inflate;
  state.counters["within_target"] = load / inflate <= 1.5 ? 1 : 0;
  state.counters["controls"] = static_cast<double>(data.ControlRecords.size());
  state.counters["pictures"] = static_cast<double>(data.PictureList.size());
}
BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMillisecond);

void BM_DefinitionParse(benchmark::State& state) {
  const vx::Bytes inflated = vx::InflateSkin(Compressed());
  const vx::TvxSkinContainer c = vx::ReadSkinContainer(inflated, false);
  for (auto _ : state) {
    vx::TvxSkinIni ini = vx::TvxSkinIni::Parse(c.definition);
    benchmark::DoNotOptimize(ini.ReadInteger("SKINCONTROLS", "count", 0));
  }
}
BENCHMARK(BM_DefinitionParse)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
