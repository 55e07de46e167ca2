// The mask strips cut for a window size agree with the window region, and
// hit-testing follows the mask's rounded corners.
#include <gtest/gtest.h>

#include "FrameMask.h"
#include "ProgramSkin.h"

namespace vx::frame {
namespace {

// A 285 x 210 mask, black inside, with its four corner pixels cut diagonally.
TvxPixmap CornerCutMask() {
  TvxPixmap m(285, 210, 0xFF000000u);
  for (int y = 0; y < 210; ++y)
    for (int x = 0; x < 285; ++x) {
      const int dx = std::min(x, 284 - x), dy = std::min(y, 209 - y);
      if (dx + dy < 4) m.Set(x, y, 0xFFFFFFFFu);
    }
  return m;
}

TEST(FrameMask, StripsMatchTheWindowRegionAndDriveTheHitTest) {
  const FrameSkin skin = testing::ProgramFrameSkin();
  const TvxPixmap mask = CornerCutMask();
  const int w = 883, h = 708;
  const FrameGeometry g = UpdateFrameGeometry(skin, w, h);
  const MaskStrips strips = CutFrameMaskStrips(mask, skin, g);
  EXPECT_EQ(strips.top.Width(), w);
  EXPECT_EQ(strips.top.Height(), 3);
  EXPECT_EQ(strips.left.Height(), 702);
  const auto region = FrameMaskRegion(mask, skin, g);
  ASSERT_TRUE(region.has_value());

  FrameOptions options;
  FrameObjectList objects = testing::ProgramObjects(skin, w, h);
  HitTestInput in;
  in.skin = &skin;
  in.options = &options;
  in.geometry = &g;
  in.objects = &objects;
  in.strips = &strips;
  int checked = 0;
  for (int y = 0; y < h; ++y) {
    if (y == g.maskArea.Top) continue;  // that row belongs to the top strip in the hit test
    for (int x = 0; x < w; ++x) {
      if (x >= 10 && x < w - 10 && y >= 30 && y < h - 10) continue;
      ASSERT_EQ(InsideFrameShape(in, x, y, w, h), SizedRegionContains(*region, x, y)) << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 40000);
  EXPECT_FALSE(InsideFrameShape(in, 1, 1, w, h));
  EXPECT_FALSE(InsideFrameShape(in, w - 2, h - 2, w, h));
  EXPECT_TRUE(InsideFrameShape(in, 2, 2, w, h));

  EXPECT_EQ(HitTestFrame(in, 2, 2, w, h), HitCode::TopLeft);
  EXPECT_EQ(HitTestFrame(in, 400, 2, w, h), HitCode::Top);
  EXPECT_EQ(HitTestFrame(in, 400, 3, w, h), HitCode::Object);  // above the caption object
  EXPECT_EQ(HitTestFrame(in, 400, 4, w, h), HitCode::Caption);
  EXPECT_EQ(HitTestFrame(in, 881, 400, w, h), HitCode::Right);
  EXPECT_EQ(HitTestFrame(in, 880, 706, w, h), HitCode::BottomRight);

  // Without a mask picture nothing is cut.
  FrameSkin plain = skin;
  plain.hasMask = false;
  EXPECT_TRUE(CutFrameMaskStrips(mask, plain, g).top.Empty());
  EXPECT_FALSE(FrameMaskRegion(mask, plain, g).has_value());
}

}  // namespace
}  // namespace vx::frame
