// Frame geometry, client area, window region plan and size limits.
#include <gtest/gtest.h>

#include "FrameGeometry.h"
#include "FrameSizeLimits.h"
#include "ProgramSkin.h"

namespace vx::frame {
namespace {

using testing::ProgramFrameSkin;

const MonitorRects kMonitor{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};

TEST(FrameGeometry, MainWindowAtDesignSize) {
  const FrameSkin skin = ProgramFrameSkin();
  const FrameGeometry g = UpdateFrameGeometry(skin, 883, 708);
  EXPECT_EQ(g.dx, 598);
  EXPECT_EQ(g.dy, 498);
  EXPECT_EQ(g.client, (Rect{3, 26, 880, 705}));
  EXPECT_EQ(g.caption, (Rect{5, 3, 878, 20}));
  EXPECT_TRUE(g.buttons.IsEmpty());
  EXPECT_EQ(g.rightTop, (Point{273 + 598, 27}));
  EXPECT_EQ(g.leftBottom, (Point{4, 205 + 498}));
  EXPECT_EQ(g.hitRightBottom, (Point{280 + 598, 206 + 498}));
  EXPECT_EQ(g.maskArea, (Rect{3, 3, 880, 705}));

  FrameOptions o;
  EXPECT_EQ(CalcClientRect({100, 50, 983, 758}, skin, o), (Rect{103, 76, 980, 755}));
  // The dialog: 540 x 329 gives a 534 x 300 client.
  const Rect c = CalcClientRect({0, 0, 540, 329}, skin, o);
  EXPECT_EQ(c.Width(), 534);
  EXPECT_EQ(c.Height(), 300);
}

TEST(FrameGeometry, ButtonsAreaFollowsRightEdgeOnlyFromTheRightHalf) {
  FrameSkin skin = ProgramFrameSkin();
  skin.info.buttonsrect = {200, 3, 280, 20};
  EXPECT_EQ(UpdateFrameGeometry(skin, 385, 210).buttons, (Rect{300, 3, 380, 20}));
  skin.info.buttonsrect = {142, 3, 150, 20};  // Left = PW / 2: stays
  EXPECT_EQ(UpdateFrameGeometry(skin, 385, 210).buttons, (Rect{142, 3, 150, 20}));
}

TEST(FrameGeometry, ClientAreaNeverInverted) {
  const FrameSkin skin = ProgramFrameSkin();
  FrameOptions o;
  // Smaller than the frame itself: zero size, never negative.
  const Rect c = CalcClientRect({10, 10, 14, 20}, skin, o);
  EXPECT_EQ(c.Width(), 0);
  EXPECT_EQ(c.Height(), 0);
  EXPECT_EQ(c.Left, 13);
  EXPECT_EQ(c.Top, 36);

  const FrameSkin none;  // default mode: 3-pixel border, caption 19 (15 for tool windows)
  EXPECT_EQ(CalcClientRect({0, 0, 200, 100}, none, o), (Rect{3, 22, 197, 97}));
  o.toolWindow = true;
  EXPECT_EQ(CalcClientRect({0, 0, 200, 100}, none, o), (Rect{3, 18, 197, 97}));
  o.hasBorder = false;
  EXPECT_EQ(CalcClientRect({0, 0, 200, 100}, none, o), (Rect{0, 0, 200, 100}));
}

TEST(FrameGeometry, WindowRegionPlan) {
  const FrameSkin skin = ProgramFrameSkin();
  FrameOptions o;
  const FrameGeometry g = UpdateFrameGeometry(skin, 883, 708);
  WindowRegionPlan p = PlanWindowRegion(skin, o, g, {});
  ASSERT_EQ(p.kind, WindowRegionPlan::Kind::MaskStrips);
  EXPECT_EQ(p.maskArea, (Rect{3, 3, 880, 705}));
  EXPECT_EQ(p.bottomOrigin, (Point{0, 705}));
  EXPECT_EQ(p.leftOrigin, (Point{0, 3}));
  EXPECT_EQ(p.rightOrigin, (Point{880, 3}));

  FrameSkin noMask = skin;
  noMask.hasMask = false;
  p = PlanWindowRegion(noMask, o, g, {});
  EXPECT_EQ(p.kind, WindowRegionPlan::Kind::Rectangle);
  EXPECT_EQ(p.rect, (Rect{0, 0, 883, 708}));

  p = PlanWindowRegion(FrameSkin{}, o, UpdateFrameGeometry(FrameSkin{}, 300, 200), {});
  EXPECT_EQ(p.kind, WindowRegionPlan::Kind::Rectangle);
  EXPECT_TRUE(p.clearStrips);

  EXPECT_EQ(PlanWindowRegion(skin, o, g, {false, false}).kind, WindowRegionPlan::Kind::None);

  o.layeredWholeFrame = true;
  p = PlanWindowRegion(skin, o, g, {true, true});
  EXPECT_EQ(p.rect, (Rect{0, 0, 883, 0}));
  o.system61 = true;
  EXPECT_EQ(PlanWindowRegion(skin, o, g, {true, true}).rect, (Rect{0, 0, 883, 1}));
}

TEST(FrameSizeLimits, ProgramSkinMinimumIsTheCaptionBar) {
  const FrameSkin skin = ProgramFrameSkin();
  FrameOptions o;
  EXPECT_EQ(MinFrameWidth(skin, o, kMonitor, {}), 200);
  EXPECT_EQ(MinFrameHeight(skin, o, kMonitor, {}), 29);
  EXPECT_EQ(MaxFrameWidth(o, kMonitor), 1280);
  EXPECT_EQ(MaxFrameHeight(o, kMonitor), 984);
  o.maximizeOnFullScreen = true;
  EXPECT_EQ(MaxFrameHeight(o, kMonitor), 1024);

  // A user minimum above the skin's wins, except for the caption bar.
  o = {};
  o.minWidth = 300;
  o.minHeight = 100;
  EXPECT_EQ(MinFrameWidth(skin, o, kMonitor, {}), 300);
  EXPECT_EQ(MinFrameWidth(skin, o, kMonitor, {true, false}), 200);
  EXPECT_EQ(MinFrameHeight(skin, o, kMonitor, {}), 100);
  EXPECT_EQ(MinFrameHeight(skin, o, kMonitor, {false, true}), 29);
  EXPECT_EQ(MinFrameHeight(skin, o, kMonitor, {true, false}), 29);
}

TEST(FrameSizeLimits, DefaultModeAndDegenerateSkinsStayPositive) {
  const FrameSkin none;
  FrameOptions o;
  EXPECT_EQ(MinFrameWidth(none, o, kMonitor, {}), 120);
  EXPECT_EQ(MinFrameHeight(none, o, kMonitor, {}), 25);
  o.minHeight = 40;
  EXPECT_EQ(MinFrameHeight(none, o, kMonitor, {}), 40);
  EXPECT_EQ(MinFrameHeight(none, o, kMonitor, {false, true}), 25);

  // No main picture and a negative formminheight: at least 1 pixel each way.
  FrameSkin broken;
  broken.present = true;
  broken.info.formminheight = -40;
  o = {};
  EXPECT_EQ(MinFrameWidth(broken, o, kMonitor, {}), 1);
  EXPECT_EQ(MinFrameHeight(broken, o, kMonitor, {}), 1);
  // ...and never beyond the maximum frame size.
  FrameSkin huge = ProgramFrameSkin();
  huge.info.formminwidth = 5000;
  o.maxWidth = 800;
  EXPECT_EQ(MinFrameWidth(huge, o, kMonitor, {}), 800);
}

TEST(FrameSizeLimits, ForceRelayoutWidensAWindowAtItsMinimum) {
  EXPECT_EQ(ForceRelayoutWidths(883, 200).first, 882);
  EXPECT_EQ(ForceRelayoutWidths(200, 200).first, 201);
  EXPECT_EQ(ForceRelayoutWidths(200, 200).second, 200);
}

}  // namespace
}  // namespace vx::frame
