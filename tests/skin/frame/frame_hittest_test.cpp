// HitTestFrame in skin mode (rectangle and mask shapes) and default mode.
#include <gtest/gtest.h>

#include <functional>

#include "FrameHitTest.h"
#include "ProgramSkin.h"

namespace vx::frame {
namespace {

using testing::ProgramFrameSkin;
using testing::ProgramObjects;

constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kWhite = 0xFFFFFFFFu;

// Cuts the four strips out of a whole-window shape, as the frame holds them.
MaskStrips StripsFromShape(int w, int h, const Rect& m, const std::function<bool(int, int)>& inside) {
  MaskStrips s;
  auto cut = [&](TvxPixmap& p, int ox, int oy, int pw, int ph) {
    p.SetSize(pw, ph);
    for (int y = 0; y < ph; ++y)
      for (int x = 0; x < pw; ++x) p.Set(x, y, inside(ox + x, oy + y) ? kBlack : kWhite);
  };
  cut(s.top, 0, 0, w, m.Top);
  cut(s.bottom, 0, m.Bottom, w, h - m.Bottom);
  cut(s.left, 0, m.Top, m.Left, m.Bottom - m.Top);
  cut(s.right, m.Right, m.Top, w - m.Right, m.Bottom - m.Top);
  return s;
}

struct Form {
  FrameSkin skin = ProgramFrameSkin();
  FrameOptions options;
  FrameGeometry geometry;
  FrameObjectList objects;
  MaskStrips strips;
  HitTestInput in;
  int w, h;

  Form(int width, int height, bool mask) : w(width), h(height) {
    skin.hasMask = mask;
    Relayout();
  }
  void Relayout() {
    geometry = UpdateFrameGeometry(skin, w, h);
    objects = ProgramObjects(skin, w, h);
    in.skin = &skin;
    in.options = &options;
    in.geometry = &geometry;
    in.objects = &objects;
    in.strips = skin.hasMask ? &strips : nullptr;
  }
  HitCode At(int x, int y) const { return HitTestFrame(in, x, y, w, h); }
};

TEST(FrameHitTest, RectangularWindowBordersCornersCaptionAndButtons) {
  Form f(883, 708, false);
  EXPECT_EQ(f.At(0, 300), HitCode::Left);
  EXPECT_EQ(f.At(2, 300), HitCode::Left);
  EXPECT_EQ(f.At(3, 300), HitCode::Client);
  EXPECT_EQ(f.At(882, 300), HitCode::Right);
  EXPECT_EQ(f.At(880, 300), HitCode::Right);
  EXPECT_EQ(f.At(879, 300), HitCode::Client);
  EXPECT_EQ(f.At(1, 1), HitCode::TopLeft);
  EXPECT_EQ(f.At(6, 2), HitCode::TopLeft);
  EXPECT_EQ(f.At(400, 1), HitCode::Top);
  EXPECT_EQ(f.At(880, 2), HitCode::TopRight);
  EXPECT_EQ(f.At(2, 706), HitCode::BottomLeft);
  EXPECT_EQ(f.At(400, 706), HitCode::Bottom);
  EXPECT_EQ(f.At(882, 707), HitCode::BottomRight);
  EXPECT_EQ(f.At(400, 10), HitCode::Caption);
  EXPECT_EQ(f.At(870, 10), HitCode::Object);  // close button
  EXPECT_EQ(f.At(845, 10), HitCode::Object);  // minimize button
  EXPECT_EQ(f.At(400, 300), HitCode::Client);
}

TEST(FrameHitTest, StatesThatForbidSizing) {
  Form f(883, 708, true);
  f.strips = StripsFromShape(f.w, f.h, f.geometry.maskArea, [](int, int) { return true; });
  f.in.state.maximized = true;
  EXPECT_EQ(f.At(0, 300), HitCode::Object);
  EXPECT_EQ(f.At(400, 10), HitCode::Caption);
  EXPECT_EQ(f.At(400, 300), HitCode::Client);

  f.in.state = {};
  f.in.state.rolledUp = true;  // a rolled-up window offers no sizing border
  EXPECT_EQ(f.At(0, 10), HitCode::Object);
  EXPECT_EQ(f.At(400, 1), HitCode::Object);
  EXPECT_EQ(f.At(400, 10), HitCode::Caption);

  f.in.state = {};
  f.options.sizeableStyle = false;
  EXPECT_EQ(f.At(0, 300), HitCode::Object);
  f.options.alwaysResize = true;
  EXPECT_EQ(f.At(0, 300), HitCode::Left);

  // While an object is hot, the frame around it answers for the object...
  f.in.state.objectHot = true;
  EXPECT_EQ(f.At(870, 1), HitCode::Object);
  EXPECT_EQ(f.At(400, 10), HitCode::Caption);
  // ...but not during a size/move loop.
  f.in.state.sizeMoveLoop = true;
  EXPECT_EQ(f.At(870, 1), HitCode::Top);
}

TEST(FrameHitTest, MaskShapeDecidesTheSizingBand) {
  // A skin whose top five rows are transparent: the sizing band starts below.
  Form masked(883, 708, true);
  masked.skin.info.maskrectarea = {3, 10, 282, 207};
  masked.Relayout();
  masked.strips = StripsFromShape(masked.w, masked.h, masked.geometry.maskArea, [](int, int y) { return y >= 5; });
  EXPECT_EQ(masked.At(100, 7), HitCode::Top);
  EXPECT_EQ(masked.At(100, 8), HitCode::Caption);
  EXPECT_EQ(masked.At(100, 12), HitCode::Caption);  // inside the mask area: never near
  EXPECT_EQ(masked.At(881, 300), HitCode::Right);
  EXPECT_EQ(masked.At(1, 300), HitCode::Left);
  EXPECT_EQ(masked.At(400, 300), HitCode::Client);

  Form plain(883, 708, false);
  plain.skin.info.maskrectarea = {3, 10, 282, 207};
  plain.Relayout();
  EXPECT_EQ(plain.At(100, 7), HitCode::Caption);

  // Transparent mask pixels and points beyond the strips are outside.
  EXPECT_FALSE(InsideFrameShape(masked.in, 100, 3, 883, 708));
  EXPECT_TRUE(InsideFrameShape(masked.in, 100, 5, 883, 708));
  EXPECT_FALSE(InsideFrameShape(masked.in, 900, 300, 883, 708));
}

TEST(FrameHitTest, QuickButtonsAreNotCaption) {
  Form f(883, 708, false);
  f.in.quickButtons = {2, 16};
  EXPECT_EQ(f.At(30, 10), HitCode::Object);
  EXPECT_EQ(f.At(53, 10), HitCode::Caption);
  f.in.quickButtons = {2, -1};  // no image list: no strip
  EXPECT_EQ(f.At(30, 10), HitCode::Caption);
}

TEST(FrameHitTest, DefaultMode) {
  FrameSkin none;
  FrameOptions o;
  FrameObjectList objects = CreateDefaultButtons();
  ApplyBorderIcons(objects, {});
  HitTestInput in;
  in.skin = &none;
  in.options = &o;
  in.objects = &objects;
  in.defaultCaptionArea = LayoutDefaultButtons(objects, 300, o, {});
  auto at = [&](int x, int y) { return HitTestFrame(in, x, y, 300, 200); };
  EXPECT_EQ(at(1, 1), HitCode::TopLeft);
  EXPECT_EQ(at(298, 2), HitCode::TopRight);
  EXPECT_EQ(at(0, 198), HitCode::BottomLeft);
  EXPECT_EQ(at(299, 199), HitCode::BottomRight);
  EXPECT_EQ(at(298, 100), HitCode::Right);
  EXPECT_EQ(at(100, 198), HitCode::Bottom);
  EXPECT_EQ(at(100, 10), HitCode::Caption);
  EXPECT_EQ(at(100, 100), HitCode::Client);
  EXPECT_EQ(at(250, 10), HitCode::Object);
  in.state.objectHot = true;
  EXPECT_EQ(at(1, 1), HitCode::Object);
  in.state = {};
  in.state.maximized = true;
  EXPECT_EQ(at(1, 1), HitCode::Object);
  EXPECT_EQ(at(100, 10), HitCode::Caption);
  EXPECT_STREQ(HitCodeName(HitCode::BottomRight), "HTBOTTOMRIGHT");
}

}  // namespace
}  // namespace vx::frame
