// Minimize, maximize, restore, roll-up, the caption double-click, magnetic
// edges and placement.
#include <gtest/gtest.h>

#include "ProgramSkin.h"
#include "WindowStates.h"

namespace vx::frame {
namespace {

using A = StateAction::Kind;

struct States : ::testing::Test {
  FrameSkin skin = testing::ProgramFrameSkin();
  FrameOptions options;
  StateEnv env;
  WindowStates s;

  void SetUp() override {
    env.skin = &skin;
    env.options = &options;
    env.monitor = {{0, 0, 1280, 1024}, {0, 0, 1280, 984}};  // taskbar at the bottom
    env.screen = {0, 0, 1280, 1024};
    env.icons = kProgramBorderIcons;
    env.bounds = RectOfSize(100, 100, 540, 329);  // the search-site dialog
  }
  // Applies the bounds and heights the actions ask for, as the binding would.
  void Apply(const StateActions& actions) {
    for (const StateAction& a : actions) {
      if (a.kind == A::SetBounds) env.bounds = a.rect;
      if (a.kind == A::SetHeight) env.bounds.Bottom = env.bounds.Top + a.value;
    }
  }
  static bool Has(const StateActions& actions, A kind) {
    for (const StateAction& a : actions)
      if (a.kind == kind) return true;
    return false;
  }
};

TEST_F(States, MinimizedDialogsLineUpAlongTheBottom) {
  StateActions a = s.SetFrameWindowState(TvxFrameWindowState::Minimized, env);
  Apply(a);
  EXPECT_EQ(env.bounds, (Rect{0, 955, 200, 984}));
  EXPECT_TRUE(Has(a, A::OnMinimize));
  EXPECT_EQ(s.State(), TvxFrameWindowState::Minimized);
  EXPECT_EQ(s.RestoreBounds(), RectOfSize(100, 100, 540, 329));

  // A second dialog goes to the right of the first.
  WindowStates second;
  StateEnv env2 = env;
  env2.bounds = RectOfSize(300, 300, 540, 329);
  env2.minimizedPlaces = {{0, 955}};
  a = second.SetFrameWindowState(TvxFrameWindowState::Minimized, env2);
  ASSERT_TRUE(Has(a, A::SetBounds));
  EXPECT_EQ(a[0].rect, (Rect{200, 955, 400, 984}));

  // Restore gives the dialog its old bounds back.
  a = s.SetFrameWindowState(TvxFrameWindowState::Normal, env);
  Apply(a);
  EXPECT_EQ(env.bounds, RectOfSize(100, 100, 540, 329));
  EXPECT_TRUE(Has(a, A::OnRestore));
  EXPECT_FALSE(Has(a, A::ForceRelayout));
  EXPECT_TRUE(s.RestoreBounds().IsEmpty());
}

TEST(FreePlace, RowsWrapUpwardsAndAFullScreenFallsBackToTheFirstPlace) {
  const Rect work{0, 0, 450, 100};
  EXPECT_EQ(FindFreePlace(work, 200, 29, {{0, 71}, {200, 71}}), (Point{0, 42}));
  EXPECT_EQ(FindFreePlace(work, 200, 29, {{0, 71}, {200, 71}, {0, 42}}), (Point{200, 42}));
  std::vector<Point> all;
  for (int y = 71; y >= 0; y -= 29)
    for (int x = 0; x + 200 <= 450; x += 200) all.push_back({x, y});
  EXPECT_EQ(FindFreePlace(work, 200, 29, all), (Point{0, 71}));
  // Degenerate sizes end as well.
  EXPECT_EQ(FindFreePlace(work, 0, 0, {{0, 99}}), (Point{1, 99}));
}

TEST_F(States, MainWindowMinimizesTheApplication) {
  env.isMainForm = true;
  StateActions a = s.SetFrameWindowState(TvxFrameWindowState::Minimized, env);
  EXPECT_TRUE(Has(a, A::MinimizeApplication));
  EXPECT_FALSE(Has(a, A::SetBounds));
  EXPECT_EQ(s.State(), TvxFrameWindowState::Normal);

  env.skinnable = false;
  a = s.SetFrameWindowState(TvxFrameWindowState::Maximized, env);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].kind, A::SetFormWindowState);
}

TEST_F(States, MaximizeLeavesAOnePixelMarginOnAScreenWithoutTaskbar) {
  EXPECT_EQ(MaximizeTarget(env.monitor, env.screen, false), (Rect{0, 0, 1280, 984}));
  MonitorRects bare{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}};
  EXPECT_EQ(MaximizeTarget(bare, env.screen, false), (Rect{1, 1, 1279, 1023}));
  EXPECT_EQ(MaximizeTarget(bare, env.screen, true), (Rect{0, 0, 1280, 1024}));
  // A second monitor is not the screen: no margin.
  MonitorRects second{{1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}};
  EXPECT_EQ(MaximizeTarget(second, env.screen, false), second.work);

  env.icons |= biMaximize;
  Apply(s.SetFrameWindowState(TvxFrameWindowState::Maximized, env));
  EXPECT_EQ(env.bounds, (Rect{0, 0, 1280, 984}));
  Apply(s.SetFrameWindowState(TvxFrameWindowState::Normal, env));
  EXPECT_EQ(env.bounds, RectOfSize(100, 100, 540, 329));
}

TEST_F(States, RollUpAndDown) {
  env.bounds = RectOfSize(10, 10, 883, 708);
  StateActions a = s.SetRollUpState(true, env);
  Apply(a);
  EXPECT_EQ(env.bounds.Height(), 29);
  EXPECT_TRUE(Has(a, A::OnChangeRollUpState));
  EXPECT_EQ(s.HeightBeforeRollUp(), 708);
  // Asking again keeps the height to come back to.
  EXPECT_TRUE(s.SetRollUpState(true, env).empty());
  Apply(s.SetRollUpState(false, env));
  EXPECT_EQ(env.bounds.Height(), 708);

  // A forced client height is what a roll-down restores.
  env.clientHeightProperty = 300;
  Apply(s.SetRollUpState(true, env));
  a = s.SetRollUpState(false, env);
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(a[0].kind, A::SetClientHeight);
  EXPECT_EQ(a[0].value, 300);

  // Without the roll-up icon, or minimized, nothing happens.
  env.icons = biMinimize;
  EXPECT_TRUE(s.SetRollUpState(true, env).empty());
  env.icons = kProgramBorderIcons;
  s.SetFrameWindowState(TvxFrameWindowState::Minimized, env);
  EXPECT_TRUE(s.SetRollUpState(true, env).empty());
}

TEST_F(States, CaptionDoubleClick) {
  env.bounds = RectOfSize(10, 10, 883, 708);
  // The program's forms cannot maximize: the caption rolls up and down.
  Apply(s.CaptionDoubleClick(env));
  EXPECT_TRUE(s.RolledUp());
  EXPECT_EQ(env.bounds.Height(), 29);
  Apply(s.CaptionDoubleClick(env));
  EXPECT_FALSE(s.RolledUp());
  EXPECT_EQ(env.bounds.Height(), 708);

  env.icons |= biMaximize;
  Apply(s.CaptionDoubleClick(env));
  EXPECT_EQ(s.State(), TvxFrameWindowState::Maximized);
  Apply(s.CaptionDoubleClick(env));
  EXPECT_EQ(s.State(), TvxFrameWindowState::Normal);
  EXPECT_EQ(env.bounds, RectOfSize(10, 10, 883, 708));

  Apply(s.SetFrameWindowState(TvxFrameWindowState::Minimized, env));
  Apply(s.CaptionDoubleClick(env));
  EXPECT_EQ(s.State(), TvxFrameWindowState::Normal);

  // Not resizable: only the roll-up remains.
  options.sizeableStyle = false;
  Apply(s.CaptionDoubleClick(env));
  EXPECT_TRUE(s.RolledUp());
}

TEST_F(States, RestoringAWindowRolledUpWhileMaximizedRollsItDownFirst) {
  env.icons |= biMaximize;
  env.bounds = RectOfSize(10, 10, 600, 400);
  Apply(s.SetFrameWindowState(TvxFrameWindowState::Maximized, env));
  Apply(s.SetRollUpState(true, env));
  EXPECT_TRUE(s.RolledUpWhileMaximized());
  EXPECT_EQ(env.bounds.Height(), 29);
  StateActions a = s.SetFrameWindowState(TvxFrameWindowState::Normal, env);
  ASSERT_GE(a.size(), 2u);
  EXPECT_EQ(a[0].kind, A::SetHeight);
  EXPECT_EQ(a[0].value, 984);
  Apply(a);
  EXPECT_FALSE(s.RolledUp());
  EXPECT_EQ(env.bounds, RectOfSize(10, 10, 600, 400));

  // Rolled up before maximizing: restore keeps it rolled up.
  WindowStates t;
  Apply(t.SetRollUpState(true, env));
  Apply(t.SetFrameWindowState(TvxFrameWindowState::Maximized, env));
  a = t.SetFrameWindowState(TvxFrameWindowState::Normal, env);
  EXPECT_NE(a[0].kind, A::SetHeight);
  EXPECT_TRUE(t.RolledUp());
}

TEST_F(States, PlacementOnFirstShow) {
  env.position = TvxPositionInMonitor::vxpDesktopCenter;
  StateActions a = s.Shown(env);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].rect, RectOfSize(640 - 270, 492 - 164, 540, 329));
  EXPECT_FALSE(s.PositionPending());
  EXPECT_TRUE(s.Shown(env).empty());

  WindowStates t;
  env.position = TvxPositionInMonitor::vxpScreenCenter;
  EXPECT_EQ(t.Shown(env)[0].rect, RectOfSize(640 - 270, 512 - 164, 540, 329));
  WindowStates u;
  env.position = TvxPositionInMonitor::vxpDefault;
  EXPECT_TRUE(u.Shown(env).empty());
  EXPECT_FALSE(u.PositionPending());
}

// Drives WM_MOVING as the system does: each proposal is the last rectangle
// moved by the pointer's travel since the previous message.
struct Drag {
  Rect area{0, 0, 1000, 800};
  int width = 200, height = 100;
  int left, top, px, py;
  MagneticState state;
  Drag(int l, int t, int x, int y) : left(l), top(t), px(x), py(y) {
    state.anchorX = x;
    state.anchorY = y;
  }
  void MoveTo(int x, int y) {
    const Point p = MagneticSnap(left + x - px, top + y - py, width, height, area, 5, {x, y}, state);
    left = p.X;
    top = p.Y;
    px = x;
    py = y;
  }
};

TEST(Magnetic, SnapsAtFourPixelsHoldsThenFollowsWithTheSnapOffset) {
  Drag d(20, 300, 120, 350);
  d.MoveTo(104, 350);  // left edge proposed at 4: snaps
  EXPECT_EQ(d.left, 0);
  d.MoveTo(107, 350);
  EXPECT_EQ(d.left, 0);
  d.MoveTo(109, 350);  // 5 pixels from the snap point: still held
  EXPECT_EQ(d.left, 0);
  d.MoveTo(110, 350);  // more than 5: follows, 104 -> 0 as when it snapped
  EXPECT_EQ(d.left, 6);

  Drag e(20, 300, 120, 350);
  e.MoveTo(105, 350);  // 5 pixels away: no snap
  EXPECT_EQ(e.left, 5);

  Drag r(700, 300, 800, 350);
  r.MoveTo(897, 350);  // right edge at 997
  EXPECT_EQ(r.left, 800);
  Drag b(20, 600, 120, 650);
  b.MoveTo(120, 746);  // bottom edge at 796
  EXPECT_EQ(b.top, 700);
  EXPECT_EQ(b.left, 20);
}

TEST(Moving, MaximizedWindowsArePinnedAndMagneticOnesSnap) {
  MagneticState state;
  MovingInput in;
  in.current = RectOfSize(0, 0, 1280, 984);
  in.proposed = RectOfSize(40, 30, 1280, 984);
  in.maximized = true;
  EXPECT_EQ(MovingRect(in, state), in.current);
  in.maximized = false;
  EXPECT_EQ(MovingRect(in, state), in.proposed);
  in.magnetic = true;
  in.area = {0, 0, 1280, 984};
  in.current = RectOfSize(100, 100, 200, 29);
  in.proposed = RectOfSize(3, 500, 200, 29);
  EXPECT_EQ(MovingRect(in, state), RectOfSize(0, 500, 200, 29));
  EXPECT_TRUE(state.stuckLeft);

  const SizingSize s = SizingProposal({0, 0, 150, 10}, 200, 29);
  EXPECT_EQ(s.width, 200);
  EXPECT_EQ(s.height, 29);
}

}  // namespace
}  // namespace vx::frame
