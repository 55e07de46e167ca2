// Up-down layout and the hover/press/release/repeat state machine, driven by
// a fake clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "UpDownRules.h"

namespace vx::frame {
namespace {

using K = UpDownEvent::Kind;

// Timer 1 of the control and a clock: the events start and stop it, ticks
// arrive at their due time.
struct Control {
  UpDownRules ud;
  int now = 0;
  bool timer = false;
  int interval = 0, due = 0;
  std::vector<std::pair<int, int>> changes;  // (time, position) per OnChange
  int upClicks = 0, downClicks = 0;

  void Apply(const UpDownEvents& ev) {
    for (const UpDownEvent& e : ev) {
      switch (e.kind) {
        case K::StartTimer: timer = true; interval = e.value; due = now + e.value; break;
        case K::StopTimer: timer = false; break;
        case K::OnChange: changes.emplace_back(now, ud.Position()); break;
        case K::OnUpButtonClick: ++upClicks; break;
        case K::OnDownButtonClick: ++downClicks; break;
        case K::Repaint: break;
      }
    }
  }
  void RunUntil(int t) {
    while (timer && due <= t) {
      now = due;
      due += interval;
      Apply(ud.TimerTick());
    }
    now = t;
  }
  void Press(int x, int y) { Apply(ud.Press(x, y)); }
  void Move(int x, int y) { Apply(ud.MouseMove(x, y)); }
  void Release() { Apply(ud.Release()); }
};

// The program's 32 x 15 arrows: left half is button 1, right half button 0.
std::optional<UpDownRecord> ProgramRecord() {
  UpDownRecord r;
  r.upbuttonrect = {16, 0, 32, 15};
  r.activeupbuttonrect = {48, 0, 64, 15};
  r.downbuttonrect = {0, 0, 16, 15};
  r.activedownbuttonrect = {32, 0, 48, 15};
  r.downdownbuttonrect = {64, 0, 80, 15};
  return r;
}

TEST(UpDown, LayoutFromRecordOrSize) {
  UpDownRules ud;
  ud.SetRecord(ProgramRecord());
  ud.Layout(32, 15);
  EXPECT_EQ(ud.ButtonRect(1), (Rect{0, 0, 16, 15}));
  EXPECT_EQ(ud.ButtonRect(0), (Rect{16, 0, 32, 15}));
  EXPECT_EQ(ud.HitTest(15, 7), 1);
  EXPECT_EQ(ud.HitTest(16, 7), 0);
  EXPECT_EQ(ud.HitTest(32, 7), -1);
  // Empty pressed images fall back to the hot ones.
  EXPECT_EQ(ud.Record()->downupbuttonrect, (Rect{48, 0, 64, 15}));
  EXPECT_EQ(ud.Record()->downdownbuttonrect, (Rect{64, 0, 80, 15}));

  UpDownRules plain;
  plain.Layout(50, 25);
  EXPECT_EQ(plain.ButtonRect(1), (Rect{0, 0, 25, 25}));
  EXPECT_EQ(plain.ButtonRect(0), (Rect{25, 0, 50, 25}));
  plain.SetOrientation(TUDOrientation::udVertical);
  plain.Layout(50, 25);
  EXPECT_EQ(plain.ButtonRect(0), (Rect{0, 0, 50, 12}));
  EXPECT_EQ(plain.ButtonRect(1), (Rect{0, 12, 50, 25}));
  // Without UseSkinSize the record does not place the buttons.
  ud.SetUseSkinSize(false);
  ud.Layout(40, 20);
  EXPECT_EQ(ud.ButtonRect(0), (Rect{20, 0, 40, 20}));
}

TEST(UpDown, PositionBounds) {
  Control c;
  c.Apply(c.ud.SetPosition(101));
  c.Apply(c.ud.SetPosition(-1));
  EXPECT_TRUE(c.changes.empty());
  c.Apply(c.ud.SetPosition(0));  // unchanged, still announced
  EXPECT_EQ(c.changes.size(), 1u);
  c.Apply(c.ud.SetPosition(60));
  c.ud.SetMax(50);  // lowers Position, silently
  EXPECT_EQ(c.ud.Position(), 50);
  c.ud.SetMin(55);
  EXPECT_EQ(c.ud.Position(), 55);
  EXPECT_EQ(c.changes.size(), 2u);
}

TEST(UpDown, ClickAtMaximumStillRaisesTheButtonEvent) {
  Control c;
  c.ud.SetRecord(ProgramRecord());
  c.ud.Layout(32, 15);
  c.Apply(c.ud.SetPosition(100));
  c.changes.clear();
  c.Press(20, 5);
  c.RunUntil(100);
  c.Release();
  EXPECT_EQ(c.ud.Position(), 100);
  EXPECT_TRUE(c.changes.empty());
  EXPECT_EQ(c.upClicks, 1);
  EXPECT_FALSE(c.timer);
}

TEST(UpDown, ZeroIncrementOnlyClicks) {
  Control c;
  c.ud.SetRecord(ProgramRecord());
  c.ud.Layout(32, 15);
  c.ud.SetIncrement(0);
  c.Press(5, 5);
  EXPECT_FALSE(c.timer);
  c.RunUntil(2000);
  c.Release();
  EXPECT_EQ(c.ud.Position(), 0);
  EXPECT_TRUE(c.changes.empty());
  EXPECT_EQ(c.downClicks, 1);
}

TEST(UpDown, DraggingOntoTheOtherButtonNeitherLightsNorSteps) {
  Control c;
  c.ud.SetRecord(ProgramRecord());
  c.ud.Layout(32, 15);
  c.Press(20, 5);
  EXPECT_EQ(c.ud.StateImage(0), (Rect{48, 0, 64, 15}));  // pressed and hot
  c.Move(5, 5);
  EXPECT_FALSE(c.ud.ButtonHot(1));
  EXPECT_EQ(c.ud.HotIndex(), -1);
  EXPECT_TRUE(c.ud.StateImage(1).IsEmpty());
  EXPECT_FALSE(c.timer);  // leaving the held button pauses the repeat
  c.Release();
  EXPECT_EQ(c.ud.Position(), 0);
  EXPECT_EQ(c.upClicks + c.downClicks, 0);
  EXPECT_FALSE(c.ud.ButtonHot(0));
}

TEST(UpDown, HoldingRepeatsAt600ThenEvery100DownToTheMinimum) {
  Control c;
  c.ud.SetRecord(ProgramRecord());
  c.ud.Layout(32, 15);
  c.Apply(c.ud.SetPosition(5));
  c.changes.clear();
  c.Press(5, 5);
  c.RunUntil(1500);
  EXPECT_EQ(c.changes, (std::vector<std::pair<int, int>>{{600, 4}, {700, 3}, {800, 2}, {900, 1}, {1000, 0}}));
  EXPECT_TRUE(c.timer);  // held at the bound: ticking, not stepping
  c.Release();
  EXPECT_EQ(c.ud.Position(), 0);  // 0 - 1 is out of range
  EXPECT_EQ(c.downClicks, 1);
  EXPECT_EQ(c.changes.size(), 5u);
  EXPECT_FALSE(c.timer);
}

TEST(UpDown, LeavingAndReenteringTheHeldButtonRepeatsEvery50) {
  Control c;
  c.ud.SetRecord(ProgramRecord());
  c.ud.Layout(32, 15);
  c.Press(20, 5);
  c.RunUntil(700);  // steps at 600 and 700
  EXPECT_EQ(c.ud.Position(), 2);
  c.Move(40, 5);  // off the control
  c.RunUntil(1000);
  EXPECT_EQ(c.ud.Position(), 2);
  c.Move(20, 5);
  c.RunUntil(1200);  // 1050, 1100, 1150, 1200
  EXPECT_EQ(c.ud.Position(), 6);
  EXPECT_EQ(c.changes.back().first, 1200);
  c.Release();  // the release over the button adds one last step
  EXPECT_EQ(c.ud.Position(), 7);
  EXPECT_EQ(c.upClicks, 1);

  // A tick queued before the release restarts nothing.
  c.Apply(c.ud.TimerTick());
  EXPECT_FALSE(c.timer);
  EXPECT_EQ(c.ud.Position(), 7);
}

TEST(UpDown, EnterAndLeaveTheControl) {
  UpDownRules ud;
  ud.Layout(50, 25);
  ud.MouseMove(30, 5);
  EXPECT_TRUE(ud.ButtonHot(0));
  UpDownEvents ev = ud.MouseLeave();
  EXPECT_FALSE(ud.ButtonHot(0));
  EXPECT_EQ(ev.size(), 1u);
  ud.MouseEnter();
  EXPECT_EQ(ud.HotIndex(), -1);
}

}  // namespace
}  // namespace vx::frame
