// Measures a program's start-up from outside, as a user sees it: from
// CreateProcess to its main window being on screen, and to that window's
// first paint (visible with an empty update region: the window has answered
// the WM_PAINT its showing caused). Then it asks the window to close.
//
//   startup_probe RUNS EXE1 TITLE1 [EXE2 TITLE2 ...]
//
// Programs are started in turn, one run of each per round, so a change in
// the machine's load hits all of them alike. The first round warms the
// caches and is not counted. Prints one line per run and a summary per
// program: median, quartiles, minimum, maximum, and the median's ratio to
// the first program's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(freq.QuadPart);
}

struct Run {
  double shown = -1, painted = -1;
};

// Bounded: a program that never shows its window gives a failed run, not a hang.
Run StartOnce(const std::wstring& exe, const std::wstring& title) {
  Run run;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + exe + L"\"";
  const double t0 = Now();
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fwprintf(stderr, L"cannot start %ls (%lu)\n", exe.c_str(), GetLastError());
    return run;
  }
  HWND w = nullptr;
  while (Now() - t0 < 60000) {
    if (!w) {
      HWND found = FindWindowW(nullptr, title.c_str());
      if (found && IsWindowVisible(found)) {
        w = found;
        run.shown = Now() - t0;
      }
    }
    if (w && !GetUpdateRect(w, nullptr, FALSE)) {
      run.painted = Now() - t0;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  if (w) PostMessageW(w, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return run;
}

// The q-quantile by linear interpolation between the nearest ranks.
double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const double pos = q * double(v.size() - 1);
  const size_t i = size_t(pos);
  const double frac = pos - double(i);
  return i + 1 < v.size() ? v[i] + (v[i + 1] - v[i]) * frac : v[i];
}
double Median(const std::vector<double>& v) { return Quantile(v, 0.5); }

std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 128 ? char(c) : '?';
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: startup_probe RUNS EXE1 TITLE1 [EXE2 TITLE2 ...]\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  struct Program {
    std::wstring exe, title;
    std::vector<double> shown, painted;
    int failed = 0;
  };
  std::vector<Program> programs;
  for (int i = 2; i + 1 < argc; i += 2) programs.push_back({argv[i], argv[i + 1], {}, {}, 0});

  for (int round = 0; round <= runs; ++round) {
    for (Program& p : programs) {
      Run r = StartOnce(p.exe, p.title);
      std::printf("%s %d %s: shown %.1f ms, first paint %.1f ms\n", round == 0 ? "warm-up" : "run", round,
                  Narrow(p.title).c_str(), r.shown, r.painted);
      if (round == 0) continue;
      if (r.painted < 0) {
        ++p.failed;
        continue;
      }
      p.shown.push_back(r.shown);
      p.painted.push_back(r.painted);
    }
    std::fflush(stdout);
  }

  const double base = Median(programs[0].painted);
  int status = 0;
  for (const Program& p : programs) {
    if (p.painted.empty()) {
      std::printf("%s: no run reached the first paint\n", Narrow(p.title).c_str());
      status = 1;
      continue;
    }
    const double med = Median(p.painted);
    const auto [lo, hi] = std::minmax_element(p.painted.begin(), p.painted.end());
    std::printf("summary %s: first paint median %.1f ms (quartiles %.1f-%.1f, min %.1f, max %.1f over %zu runs, "
                "%d failed); shown median %.1f ms; ratio to %s %.2f\n",
                Narrow(p.title).c_str(), med, Quantile(p.painted, 0.25), Quantile(p.painted, 0.75), *lo, *hi,
                p.painted.size(), p.failed, Median(p.shown), Narrow(programs[0].title).c_str(),
                base > 0 ? med / base : -1.0);
    if (p.failed) status = 1;
  }
  return status;
}
