// PercentEncodeQuery throughput, and proof that it allocates once per call.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>

#include "KeywordEncoding.h"

static std::atomic<long> g_allocations{0};

void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::string MixedInput(size_t n) {
  std::mt19937 rng(7);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(1 + rng() % 255);
  return s;
}

void BM_PercentEncodeQuery(benchmark::State& state) {
  const std::string input = MixedInput(static_cast<size_t>(state.range(0)));
  long before = g_allocations;
  for (auto _ : state) {
    std::string out = kinopod::PercentEncodeQuery(input);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
  state.counters["allocs/call"] =
      static_cast<double>(g_allocations - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PercentEncodeQuery)->Arg(8)->Arg(64)->Arg(4096)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
