// The hint window's layout: line splitting, its size for a text (with and
// without the program's skin, and the growth that keeps corner points in
// order), its place on the work area, and the pixels and region it gets from
// the program's HINTWINDOW record.
#include <gtest/gtest.h>

#include "HintLayout.h"
#include "../ProgramSkinData.h"
#include "vxSkinDataWindows.h"
#include "vxStoredSkin.h"

namespace vx::frame {
namespace {

using vx::testing::ProgramSkin;

bool Black(const TvxPixmap& p, int x, int y) { return (p.At(x, y) & 0xFFFFFF) == 0; }

TEST(HintText, SeparatorBecomesALineBreakEverywhere) {
  const std::string br = "\n";
  EXPECT_EQ(ReplaceHintSeparator<std::string>("Hello@World", "@", br), "Hello\nWorld");
  EXPECT_EQ(ReplaceHintSeparator<std::string>("@a@@b@", "@", br), "\na\n\nb\n");
  EXPECT_EQ(ReplaceHintSeparator<std::string>("a<br>b<br", "<br>", br), "a\nb<br");
  // Non-overlapping, from the left.
  EXPECT_EQ(ReplaceHintSeparator<std::string>("a@@@b", "@@", br), "a\n@b");
  EXPECT_EQ(ReplaceHintSeparator<std::wstring>(L"\u4E2D@\u6587", L"@", L"\r\n"), L"\u4E2D\r\n\u6587");
}

TEST(HintText, EmptySeparatorLeavesTheTextAlone) {
  EXPECT_EQ(ReplaceHintSeparator<std::string>("a@b", "", "\n"), "a@b");
  EXPECT_EQ(HintLines("a@b", ""), std::vector<std::string>{"a@b"});
}

TEST(HintText, LinesSplitAtSeparatorAndExistingBreaks) {
  EXPECT_EQ(HintLines("Close@window", "@"), (std::vector<std::string>{"Close", "window"}));
  EXPECT_EQ(HintLines("a\r\nb\rc\nd@e", "@"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(HintLines("", "@"), std::vector<std::string>{""});
}

TEST(HintSize, PlainHintIsTheTextAndTwoPixelsAround) {
  const HintGeometry g = ComputeHintGeometry(HintSkin{}, 50, 14);
  EXPECT_EQ(g.width, 54);
  EXPECT_EQ(g.height, 18);
  EXPECT_EQ(g.textRect, (PixRect{2, 2, 52, 16}));
  // Hostile sizes stay bounded.
  const HintGeometry huge = ComputeHintGeometry(HintSkin{}, 1 << 30, -5);
  EXPECT_EQ(huge.width, kMaxHintSide + 4);
  EXPECT_EQ(huge.height, 4);
}

TEST(HintSize, ProgramSkinAddsItsBordersAndCentresTheText) {
  const HintSkin s = HintSkinFromSkinData(&ProgramSkin());
  ASSERT_TRUE(s.present);
  EXPECT_EQ(s.pictureWidth, 44);
  EXPECT_EQ(s.pictureHeight, 44);
  EXPECT_EQ(s.maskIndex, 7);
  // 50 + 2 + (44 - 42) + 5 wide, 14 + 2 + (44 - 42) high.
  const HintGeometry g = ComputeHintGeometry(s, 50, 14);
  EXPECT_EQ(g.width, 59);
  EXPECT_EQ(g.height, 18);
  EXPECT_EQ(g.mapped.client, (PixRect{2, 2, 57, 16}));
  EXPECT_EQ(g.mapped.rt, (PixPoint{55, 2}));
  EXPECT_EQ(g.mapped.lb, (PixPoint{2, 14}));
  EXPECT_EQ(g.mapped.rb, (PixPoint{55, 14}));
  // Centred: 2 + 55 / 2 - 25, 2 + 14 / 2 - 7.
  EXPECT_EQ(g.textRect, (PixRect{4, 2, 54, 16}));
}

TEST(HintSize, GrowsUntilNoCornerPointPassesItsOpposite) {
  const HintSkin s = HintSkinFromSkinData(&ProgramSkin());
  // An empty text would make the hint 9 x 4: the bottom points would sit
  // above the top ones. It grows to 44 - 38 = 6 high; the width's 9 keeps
  // the right points right of the left ones (9 - 44 = -35 >= 2 - 40).
  const HintGeometry g = ComputeHintGeometry(s, 0, 0);
  EXPECT_EQ(g.width, 9);
  EXPECT_EQ(g.height, 6);
  EXPECT_EQ(g.mapped.lb.y, g.mapped.lt.y);
  EXPECT_GE(g.mapped.rt.x, g.mapped.lt.x);

  HintSkin wide = s;
  wide.layout.lt = {30, 2};
  wide.layout.lb = {30, 40};
  const HintGeometry w = ComputeHintGeometry(wide, 0, 20);
  EXPECT_EQ(w.width, 44 + (30 - 40));
  EXPECT_EQ(w.mapped.rt.x, w.mapped.lt.x);
  EXPECT_EQ(w.mapped.rb.x, w.mapped.lb.x);
}

TEST(HintSkinChoice, NoSkinOrAMissingPictureGivesThePlainHint) {
  EXPECT_FALSE(HintSkinFromSkinData(nullptr).present);
  TvxSkinData empty;
  EXPECT_FALSE(HintSkinFromSkinData(&empty).present);

  TvxSkinData data;
  auto bytes = kinopod::ProgramSkinCompressedData();
  TvxCompressedStoredSkin stored;
  stored.SetCompressedData(Bytes(bytes.begin(), bytes.end()));
  data.LoadCompressedStoredSkin(stored);
  auto& rec = dynamic_cast<TvxDataSkinHintWindow&>(data.HintWindow());
  rec.maskpictureindex = 999;
  HintSkin noMask = HintSkinFromSkinData(&data);
  EXPECT_TRUE(noMask.present);
  EXPECT_EQ(noMask.maskIndex, -1);
  EXPECT_FALSE(HintRegion(data, noMask, ComputeHintGeometry(noMask, 10, 10)).has_value());
  rec.windowpictureindex = 999;
  EXPECT_FALSE(HintSkinFromSkinData(&data).present);
  rec.windowpictureindex = -1;
  EXPECT_FALSE(HintSkinFromSkinData(&data).present);
}

TEST(HintPlace, StaysAtThePointUnlessAnEdgeIsPassed) {
  const PixRect work{0, 0, 1024, 738};
  EXPECT_EQ(PlaceHint(100, 120, 60, 20, work), (PixRect{100, 120, 160, 140}));
  // Touching the edge is not passing it.
  EXPECT_EQ(PlaceHint(964, 718, 60, 20, work), (PixRect{964, 718, 1024, 738}));
  // Right edge: to the left of the point by width + 2.
  EXPECT_EQ(PlaceHint(1000, 120, 60, 20, work), (PixRect{938, 120, 998, 140}));
  // Bottom edge: above it by height + 2.
  EXPECT_EQ(PlaceHint(100, 730, 60, 20, work), (PixRect{100, 708, 160, 728}));
  // The corner: both.
  EXPECT_EQ(PlaceHint(1000, 730, 60, 20, work), (PixRect{938, 708, 998, 728}));
}

TEST(HintPlace, WorkAreaAwayFromTheOriginAndTooNarrow) {
  // A monitor left of the primary one, with a taskbar at its top.
  const PixRect left{-1280, 40, 0, 1024};
  EXPECT_EQ(PlaceHint(-30, 500, 60, 20, left), (PixRect{-92, 500, -32, 520}));
  EXPECT_EQ(PlaceHint(-1200, 1010, 60, 20, left), (PixRect{-1200, 988, -1140, 1008}));
  // Flipping would leave the work area: the hint keeps to its left and top.
  const PixRect small{0, 0, 100, 30};
  EXPECT_EQ(PlaceHint(50, 20, 80, 20, small), (PixRect{0, 0, 80, 20}));
}

TEST(HintPlace, ObjectHintGoesBelowTheVisiblePartOfThePointer) {
  // An arrow: hot spot at the top, 19 rows drawn in a 32-row image.
  std::vector<bool> arrow(32, false);
  for (int y = 0; y < 19; ++y) arrow[y] = true;
  EXPECT_EQ(CursorDropBelowHotSpot(arrow, 0), 19);
  // An I-beam: hot spot in the middle, blank rows above and below.
  std::vector<bool> beam(32, false);
  for (int y = 8; y < 24; ++y) beam[y] = true;
  EXPECT_EQ(CursorDropBelowHotSpot(beam, 16), 8);
  // Nothing drawn below the hot spot, or nothing drawn at all.
  EXPECT_EQ(CursorDropBelowHotSpot(beam, 30), 0);
  EXPECT_EQ(CursorDropBelowHotSpot(std::vector<bool>(32, false), 0), 0);
}

TEST(HintPlace, DropShadowOnXPAndEveryLaterVersion) {
  EXPECT_FALSE(HintHasDropShadow(4, 10));
  EXPECT_FALSE(HintHasDropShadow(5, 0));
  EXPECT_TRUE(HintHasDropShadow(5, 1));
  EXPECT_FALSE(HintHasDropShadow(5, 2));
  EXPECT_TRUE(HintHasDropShadow(6, 0));
  EXPECT_TRUE(HintHasDropShadow(10, 0));
}

TEST(HintPixels, AtThePictureSizeTheBackgroundIsThePicture) {
  const TvxSkinData& data = ProgramSkin();
  const HintSkin s = HintSkinFromSkinData(&data);
  HintGeometry g;
  g.width = 44;
  g.height = 44;
  g.mapped = s.layout;
  const TvxPixmap image = RenderHintBackground(data, s, g);
  const TvxPixmap& picture = *data.Picture(s.pictureIndex);
  ASSERT_EQ(image.Width(), 44);
  ASSERT_EQ(image.Height(), 44);
  for (int y = 0; y < 44; ++y)
    for (int x = 0; x < 44; ++x) ASSERT_EQ(image.At(x, y) & 0xFFFFFF, picture.At(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(HintPixels, LargerHintKeepsTheCornersAndStretchesTheRest) {
  const TvxSkinData& data = ProgramSkin();
  const HintSkin s = HintSkinFromSkinData(&data);
  const HintGeometry g = ComputeHintGeometry(s, 120, 30);
  const TvxPixmap image = RenderHintBackground(data, s, g);
  const TvxPixmap& picture = *data.Picture(s.pictureIndex);
  ASSERT_EQ(image.Width(), g.width);
  ASSERT_EQ(image.Height(), g.height);
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(image.At(i, j) & 0xFFFFFF, picture.At(i, j) & 0xFFFFFF);
      EXPECT_EQ(image.At(g.width - 4 + i, g.height - 4 + j) & 0xFFFFFF, picture.At(40 + i, 40 + j) & 0xFFFFFF);
    }
  // The client part is the picture's client stretched: its centre pixel
  // comes from inside the picture's client rectangle.
  const uint32_t centre = image.At(g.width / 2, g.height / 2) & 0xFFFFFF;
  bool found = false;
  for (int y = 2; y < 42 && !found; ++y)
    for (int x = 2; x < 42 && !found; ++x) found = (picture.At(x, y) & 0xFFFFFF) == centre;
  EXPECT_TRUE(found);
  EXPECT_TRUE(RenderHintBackground(data, HintSkin{}, g).Empty());
}

TEST(HintPixels, RegionFollowsTheMaskAtEverySize) {
  const TvxSkinData& data = ProgramSkin();
  const HintSkin s = HintSkinFromSkinData(&data);
  const TvxPixmap& mask = *data.Picture(s.maskIndex);
  ASSERT_EQ(mask.Width(), 44);
  for (const auto& [tw, th] : {std::pair{35, 0}, std::pair{120, 30}, std::pair{300, 100}}) {
    const HintGeometry g = ComputeHintGeometry(s, tw, th);
    const auto region = HintRegion(data, s, g);
    ASSERT_TRUE(region.has_value()) << tw;
    // The four corners are the mask's corners; the middle is inside.
    for (int j = 0; j < 2; ++j)
      for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(SizedRegionContains(*region, i, j), Black(mask, i, j)) << tw;
        EXPECT_EQ(SizedRegionContains(*region, g.width - 2 + i, j), Black(mask, 42 + i, j)) << tw;
        EXPECT_EQ(SizedRegionContains(*region, i, g.height - 2 + j), Black(mask, i, 42 + j)) << tw;
        EXPECT_EQ(SizedRegionContains(*region, g.width - 2 + i, g.height - 2 + j), Black(mask, 42 + i, 42 + j))
            << tw;
      }
    EXPECT_TRUE(SizedRegionContains(*region, g.width / 2, g.height / 2));
    EXPECT_FALSE(SizedRegionContains(*region, g.width, g.height / 2));
    EXPECT_FALSE(SizedRegionContains(*region, g.width / 2, g.height));
  }
}

}  // namespace
}  // namespace vx::frame
