// The skin's part of start-up: the time the main window's skin data takes to
// load the program's stored skin (inflate, decode the pictures into DIB
// sections, parse the definition, build every record), in this process under
// the same Windows (or Wine) as the program. Prints the median and range over
// RUNS loads, after one uncounted load.
//
//   skin_load_probe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ProgramSkin.h"
#include "vxSkinData.h"
#include "vxStoredSkin.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
  auto packed = kinopod::ProgramSkinCompressedData();
  vx::TvxCompressedStoredSkin stored;
  stored.SetCompressedData(vx::Bytes(packed.begin(), packed.end()));
  std::vector<double> times;
  for (int i = 0; i <= runs; ++i) {
    vx::TvxSkinData data;
    const double t0 = Now();
    data.LoadCompressedStoredSkin(stored);
    const double t = Now() - t0;
    if (data.Empty()) {
      std::fprintf(stderr, "the program's skin did not load\n");
      return 1;
    }
    if (i > 0) times.push_back(t);
  }
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::printf("summary skin load: median %.2f ms (min %.2f, max %.2f over %zu loads)\n", median, times.front(),
              times.back(), n);
  return 0;
}
