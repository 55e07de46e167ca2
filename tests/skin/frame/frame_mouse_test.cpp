// Hot-object tracking and press/release routing of the frame objects.
#include <gtest/gtest.h>

#include <algorithm>

#include "FrameMouse.h"
#include "ProgramSkin.h"

namespace vx::frame {
namespace {

using K = FrameEvent::Kind;
using testing::ProgramFrameSkin;
using testing::ProgramObjects;

constexpr int kClose = 0, kMin = 2, kCaption = 4;
const Rect kClient{3, 26, 880, 705};

struct Frame : ::testing::Test {
  FrameMouse m;
  void SetUp() override {
    FrameObjectList list = ProgramObjects(ProgramFrameSkin(), 883, 708);
    list[kClose].activeRect = {17, 0, 34, 15};
    m.SetObjects(std::move(list));
  }
  static bool Has(const FrameEvents& ev, K kind, int object = -2) {
    return std::any_of(ev.begin(), ev.end(),
                       [&](const FrameEvent& e) { return e.kind == kind && (object == -2 || e.object == object); });
  }
  static int IndexOf(const FrameEvents& ev, K kind) {
    for (size_t i = 0; i < ev.size(); ++i)
      if (ev[i].kind == kind) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(Frame, HoverMovesTheHotObject) {
  FrameEvents ev = m.ObjectHit(870, 10);
  EXPECT_EQ(m.Hot(), kClose);
  EXPECT_TRUE(m.HoverPollRunning());
  EXPECT_TRUE(Has(ev, K::StartHoverPoll));
  EXPECT_TRUE(Has(ev, K::MouseEnter, kClose));
  EXPECT_TRUE(m.Objects()[kClose].Active);

  ev = m.HoverPollTick(true, 845, 10, kClient);
  EXPECT_EQ(m.Hot(), kMin);
  EXPECT_TRUE(Has(ev, K::MouseLeave, kClose));
  EXPECT_TRUE(Has(ev, K::MouseEnter, kMin));
  EXPECT_FALSE(m.Objects()[kClose].Active);

  // Into the client area: nothing is hot, the poll goes on.
  m.HoverPollTick(true, 400, 300, kClient);
  EXPECT_EQ(m.Hot(), -1);
  EXPECT_TRUE(m.HoverPollRunning());
  // Hidden buttons never light up: the maximize button's place is caption.
  m.HoverPollTick(true, 823, 10, kClient);
  EXPECT_EQ(m.Hot(), kCaption);

  // The pointer left the window: the poll stops and the hot object clears.
  ev = m.HoverPollTick(false, 870, 10, kClient);
  EXPECT_FALSE(m.HoverPollRunning());
  EXPECT_EQ(m.Hot(), -1);
}

TEST_F(Frame, InactiveFrameStopsPollingUntilTheNextObjectHit) {
  m.ObjectHit(870, 10);
  m.Env().frameActive = false;
  FrameEvents ev = m.Deactivated();
  EXPECT_EQ(m.Hot(), -1);
  EXPECT_FALSE(m.HoverPollRunning());
  EXPECT_TRUE(Has(ev, K::StopHoverPoll));

  // Hovering an inactive window's buttons changes nothing.
  ev = m.ObjectHit(870, 10);
  EXPECT_EQ(m.Hot(), -1);
  EXPECT_FALSE(Has(ev, K::MouseEnter));
  // A tick that still arrives while inactive ends the poll.
  ev = m.HoverPollTick(true, 870, 10, kClient);
  EXPECT_FALSE(m.HoverPollRunning());

  m.Env().frameActive = true;
  m.ObjectHit(870, 10);
  EXPECT_TRUE(m.HoverPollRunning());
  EXPECT_EQ(m.Hot(), kClose);
}

TEST_F(Frame, AfterAResetTheObjectUnderThePointerTakesItsPressAgain) {
  m.ObjectHit(870, 10);
  ASSERT_EQ(m.Hot(), kClose);
  // Reactivated with the pointer still on the button.
  m.ResetObjects();
  EXPECT_EQ(m.Hot(), -1);
  m.NcButtonDown(MouseButton::Left, 870, 10, false);
  EXPECT_TRUE(m.Objects()[kClose].Active);
  const FrameEvents ev = m.NcButtonUp(MouseButton::Left, 870, 10);
  EXPECT_TRUE(Has(ev, K::Command, kClose));
}

TEST_F(Frame, AHoverPollStartedWithoutAHitTracksAndEnds) {
  const FrameEvents started = m.StartHoverPoll();
  EXPECT_TRUE(Has(started, K::StartHoverPoll));
  EXPECT_TRUE(m.HoverPollRunning());
  m.HoverPollTick(true, 870, 10, kClient);
  EXPECT_EQ(m.Hot(), kClose);
  const FrameEvents ev = m.HoverPollTick(false, 870, 10, kClient);
  EXPECT_TRUE(Has(ev, K::StopHoverPoll));
  EXPECT_FALSE(m.HoverPollRunning());
}

TEST_F(Frame, PressDragOffAndBackDecidesTheCommand) {
  m.ObjectHit(845, 10);
  FrameEvents ev = m.NcButtonDown(MouseButton::Left, 845, 10, false);
  EXPECT_EQ(m.Captured(), kMin);
  EXPECT_TRUE(m.Objects()[kMin].Down);
  EXPECT_TRUE(Has(ev, K::SetCapture, kMin));
  EXPECT_FALSE(Has(ev, K::MouseDown));  // std buttons raise no mouse-down event

  // While the button is held, the close button does not light up.
  m.HoverPollTick(true, 870, 10, kClient);
  EXPECT_EQ(m.Hot(), -1);
  EXPECT_FALSE(m.Objects()[kClose].Active);
  EXPECT_FALSE(m.Objects()[kMin].Active);
  ev = m.NcButtonUp(MouseButton::Left, 870, 10);
  EXPECT_FALSE(Has(ev, K::Command));
  EXPECT_TRUE(Has(ev, K::ReleaseCapture));
  EXPECT_FALSE(m.Objects()[kMin].Down);
  EXPECT_EQ(m.Captured(), -1);

  // Pressed, off, back on: the command runs, before the released look.
  m.HoverPollTick(true, 845, 10, kClient);
  m.NcButtonDown(MouseButton::Left, 845, 10, false);
  m.HoverPollTick(true, 400, 300, kClient);
  m.HoverPollTick(true, 846, 11, kClient);
  EXPECT_EQ(m.Hot(), kMin);
  ev = m.NcButtonUp(MouseButton::Left, 846, 11);
  ASSERT_TRUE(Has(ev, K::Command, kMin));
  const int command = IndexOf(ev, K::Command);
  EXPECT_EQ(ev[command].command, TvxStdCommand::cmminimize);
  EXPECT_EQ(m.Hot(), -1);  // the command clears the hot object first
}

TEST_F(Frame, CloseRunsAfterTheReleasedLookAndOnlyForTheLeftButton) {
  m.ObjectHit(870, 10);
  m.NcButtonDown(MouseButton::Left, 870, 10, false);
  FrameEvents ev = m.NcButtonUp(MouseButton::Left, 870, 10);
  const int redraw = IndexOf(ev, K::Redraw);
  const int command = IndexOf(ev, K::Command);
  ASSERT_GE(redraw, 0);
  ASSERT_GE(command, 0);
  EXPECT_LT(redraw, command);
  EXPECT_EQ(ev[command].command, TvxStdCommand::cmclose);

  // A right press and release reaches the button with the pointer's place, no command.
  m.ObjectHit(870, 10);
  m.NcButtonDown(MouseButton::Right, 870, 10, false);
  EXPECT_EQ(m.Captured(), kClose);
  ev = m.NcButtonUp(MouseButton::Right, 871, 12);
  EXPECT_FALSE(Has(ev, K::Command));
  const int up = IndexOf(ev, K::MouseUp);
  ASSERT_GE(up, 0);
  EXPECT_EQ(ev[up].x, 871);
  EXPECT_EQ(ev[up].y, 12);
  EXPECT_EQ(ev[up].button, MouseButton::Right);
}

TEST_F(Frame, CaptionPressesAreNotCapturedAndOpenTheSystemMenu) {
  m.HoverPollTick(true, 0, 0, kClient);  // not running: ignored
  m.ObjectHit(400, 10);
  EXPECT_EQ(m.Hot(), kCaption);
  FrameEvents ev = m.NcButtonDown(MouseButton::Left, 400, 10, true);
  EXPECT_FALSE(Has(ev, K::SetCapture));
  EXPECT_EQ(m.Captured(), -1);
  ev = m.NcButtonDown(MouseButton::Right, 400, 10, true);
  EXPECT_TRUE(Has(ev, K::SystemMenu, -1));
  // A second right press soon after comes as a double click and opens it again;
  // a left double click does not.
  ev = m.NcButtonDblClk(MouseButton::Right, 402, 11, true);
  const int menu = IndexOf(ev, K::SystemMenu);
  ASSERT_GE(menu, 0);
  EXPECT_EQ(ev[menu].x, 402);
  EXPECT_EQ(ev[menu].y, 11);
  EXPECT_FALSE(Has(m.NcButtonDblClk(MouseButton::Left, 400, 10, true), K::SystemMenu, -1));
  // A press that ends a size/move loop does nothing else.
  m.Env().sizeMoveLoop = true;
  ev = m.NcButtonDown(MouseButton::Left, 870, 10, false);
  EXPECT_TRUE(ev.empty());
  EXPECT_FALSE(m.Env().sizeMoveLoop);
}

TEST_F(Frame, RestoreHintWhileTheCommandIsInEffect) {
  FrameObjectList list = m.Objects();
  ApplyDefaultHints(list, nullptr);
  m.SetObjects(list);
  m.Env().minimized = true;
  m.ObjectHit(845, 10);
  EXPECT_EQ(m.Objects()[kMin].hint, "Restore");
  m.Env().minimized = false;
  m.HoverPollTick(true, 400, 300, kClient);
  m.HoverPollTick(true, 845, 10, kClient);
  EXPECT_EQ(m.Objects()[kMin].hint, "Minimize");
}

TEST_F(Frame, ObjectsFreedWhileHoveredOrPressedAreNeverTouched) {
  m.ObjectHit(870, 10);
  m.NcButtonDown(MouseButton::Left, 870, 10, false);
  // A skin change frees the objects under the pointer and the press.
  m.SetObjects({});
  EXPECT_TRUE(m.NcButtonUp(MouseButton::Left, 870, 10).empty());
  EXPECT_TRUE(m.HoverPollTick(true, 870, 10, kClient).empty());
  EXPECT_TRUE(m.NcMouseMove(870, 10).empty());
  EXPECT_TRUE(m.ClientButtonUp(MouseButton::Left).empty());
  EXPECT_TRUE(m.MenuClosed().empty());
  m.Deactivated();
}

TEST_F(Frame, SizeMoveLoopResetsTheObjects) {
  m.ObjectHit(870, 10);
  m.EnterSizeMove();
  EXPECT_EQ(m.Hot(), -1);
  EXPECT_FALSE(m.HoverPollRunning());
  EXPECT_FALSE(m.Objects()[kClose].Active);
  EXPECT_TRUE(m.ObjectHit(870, 10).size() == 1);  // only the poll starts
  m.ExitSizeMove();
  EXPECT_FALSE(m.HoverPollRunning());
  m.ObjectHit(870, 10);
  EXPECT_EQ(m.Hot(), kClose);
}

}  // namespace
}  // namespace vx::frame
