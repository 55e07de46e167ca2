// Shared pieces of the toolkit's Wine tests: an application per test whose
// message boxes are recorded instead of shown, and bounded message pumping
// (a test never waits for input that will not come).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "resource_counts.h"
#include "tkForms.h"

namespace tktest {

// Puts the real pointer in the screen's bottom-right corner, away from every
// test window, so no hover poll finds it over what a test looks at.
inline void ParkPointer() { SetCursorPos(1270, 1010); }

// "(x,y)", for naming the first differing pixel in a failure message.
inline std::string PointText(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d)", x, y);
  return text;
}

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new tk::TApplication();
    app->MessageBoxHook = [this](const std::wstring& text, const std::wstring&, unsigned) {
      boxes.push_back(text);
      return IDOK;
    };
  }
  void TearDown() override { delete app; }

  // Handles messages until `done` holds or `ms` milliseconds have passed;
  // returns whether `done` held.
  bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
    ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
      if (GetTickCount64() > end) return false;
      app->ProcessMessages();
      if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
  }
  void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
  }
  // Handles messages until none is waiting (posted ones included), or `ms`
  // have passed; returns whether the queue ran dry.
  bool PumpUntilIdle(int ms = 3000) {
    return PumpUntil([] {
      MSG msg;
      return !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }, ms);
  }
  // Handles messages until `read` has given the same value `rounds` times
  // running, `step` ms apart (or `ms` have passed), and returns that value:
  // counts the platform settles lazily are read once they have settled.
  int PumpUntilSteady(const std::function<int()>& read, int ms = 5000, int rounds = 3, int step = 20) {
    return ReadWhenSteady(read, [this](int pause) { Pump(pause); }, ms, rounds, step);
  }

  tk::TApplication* app = nullptr;
  std::vector<std::wstring> boxes;
};

inline tk::TRect WindowBoundsInParent(HWND h) {
  RECT r;
  GetWindowRect(h, &r);
  HWND p = GetParent(h);
  if (p && (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, p, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace tktest
