// Timers on the user-interface thread, and the process's GDI and USER object
// counts around making and freeing many windowed controls.
#include <winternl.h>

#include "tkStdCtrls.h"
#include "tkTimer.h"
#include "resource_counts.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

TEST_F(ToolkitTest, TimersFireOnTheUserInterfaceThread) {
  DWORD ui = GetCurrentThreadId();
  TTimer t(nullptr);
  int fired = 0;
  bool otherThread = false;
  t.SetInterval(10);
  t.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &t);
    otherThread |= GetCurrentThreadId() != ui;
    ++fired;
  });
  EXPECT_TRUE(PumpUntil([&] { return fired >= 3; }));
  EXPECT_FALSE(otherThread);
  t.SetEnabled(false);
  int stopped = fired;
  Pump(60);
  EXPECT_EQ(fired, stopped);

  // A timer freed by its own handler goes quietly.
  auto* once = new TTimer(nullptr);
  bool ran = false;
  once->SetInterval(5);
  once->SetOnTimer([&](TObject*) {
    ran = true;
    once->Free();
  });
  EXPECT_TRUE(PumpUntil([&] { return ran; }));
  Pump(30);

  // An exception in a timer handler goes to the application.
  TTimer bad(nullptr);
  bad.SetInterval(5);
  bad.SetOnTimer([&](TObject*) {
    bad.SetEnabled(false);
    throw std::runtime_error("timer broke");
  });
  EXPECT_TRUE(PumpUntil([&] { return !boxes.empty(); }));
  EXPECT_EQ(boxes[0], L"timer broke.");
}

int GdiObjects() { return tktest::GdiObjectCount(); }
int UserObjects() { return tktest::UserObjectCount(); }

TEST_F(ToolkitTest, AThousandWindowedControlsGiveBackEveryObject) {
  // The form has its window but is not shown yet, as a form being built is;
  // every child gets its window at once.
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(0, 0, 400, 300);
  f->HandleNeeded();
  auto makeAndFree = [&](int n) {
    std::vector<TWinControl*> made;
    for (int i = 0; i < n; ++i) {
      TWinControl* c = (i % 2) ? static_cast<TWinControl*>(new TEdit(f))
                               : static_cast<TWinControl*>(new TPanel(f));
      c->SetBounds(i % 300, i % 200, 30, 20);
      c->SetParent(f);
      EXPECT_TRUE(c->HandleAllocated());
      made.push_back(c);
    }
    // Painting (off screen: the form is hidden) brings brushes and paint-time
    // objects into being.
    TBitmap off(40, 30);
    auto dc = reinterpret_cast<uintptr_t>(off.Canvas().Handle());
    for (TWinControl* c : made) {
      c->Perform(WM_ERASEBKGND, dc, 0);
      c->Perform(WM_PAINT, dc, 0);
    }
    PumpUntilIdle();
    int during = UserObjects();
    for (TWinControl* c : made) c->Free();
    PumpUntilIdle();
    return during;
  };
  // Classes get registered and the platform fills its caches of window DCs
  // (Wine keeps a few dozen); after that the counts must come back exactly.
  makeAndFree(200);
  int gdi0 = PumpUntilSteady(GdiObjects), user0 = PumpUntilSteady(UserObjects);
  ASSERT_GT(gdi0, 0);
  ASSERT_GT(user0, 0);
  int userDuring = makeAndFree(1000);
  EXPECT_GE(userDuring, user0 + 1000) << "the windows were really there";
  // Polled, not waited for: the platform may give objects back a little later.
  PumpUntil([&] { return GdiObjects() == gdi0 && UserObjects() == user0; }, 5000);
  EXPECT_EQ(GdiObjects(), gdi0);
  EXPECT_EQ(UserObjects(), user0);
}

}  // namespace
