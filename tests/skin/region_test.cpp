// Region data from masks, mask strips and sized mask regions.
#include <gtest/gtest.h>

#include <random>

#include "vxUtils.h"

namespace vx {
namespace {

constexpr Pixel kBlack = 0;
constexpr Pixel kWhite = 0xFFFFFF;

bool RectsContain(const std::vector<PixRect>& rects, int x, int y) {
  for (const PixRect& r : rects)
    if (r.Contains(x, y)) return true;
  return false;
}

TEST(RegionData, BlackWhiteBlackGivesTwoRectanglesInTheRegionLayout) {
  TvxPixmap m(3, 1, kBlack);
  m.Set(1, 0, kWhite);
  RegionData d = MaskToRegionData(m, 0, 0);
  ASSERT_EQ(d.size(), 64u);
  const uint8_t header[32] = {32, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                              0,  0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_TRUE(std::equal(header, header + 32, d.begin()));
  auto rects = RegionDataRects(d);
  ASSERT_TRUE(rects);
  EXPECT_EQ((*rects)[0], (PixRect{0, 0, 1, 1}));
  EXPECT_EQ((*rects)[1], (PixRect{2, 0, 3, 1}));
  // Offsets move every rectangle and the bounds; negative values are stored
  // as two's complement little-endian.
  d = MaskToRegionData(m, -5, 7);
  EXPECT_EQ(d[16], 0xFB);
  EXPECT_EQ(d[19], 0xFF);
  EXPECT_EQ((*RegionDataRects(d))[1], (PixRect{-3, 7, -2, 8}));
  EXPECT_EQ(RegionDataBounds(d), (PixRect{-5, 7, -2, 8}));
  EXPECT_TRUE(MaskToRegionData(TvxPixmap(), 0, 0).empty());
  EXPECT_FALSE(RegionDataRects({1, 2, 3}));
  d.pop_back();
  EXPECT_FALSE(RegionDataRects(d));
}

TEST(RegionData, ContainsExactlyTheBlackPixelsEvenPastTheRectangleBudget) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    TvxPixmap m(1 + rng() % 50, 1 + rng() % 40);
    for (int y = 0; y < m.Height(); ++y)
      for (int x = 0; x < m.Width(); ++x)
        m.Set(x, y, (rng() % 3 == 0 ? kWhite : kBlack) | (rng() % 2 ? 0xFF000000u : 0));
    auto rects = *RegionDataRects(MaskToRegionData(m, 0, 0));
    for (int y = 0; y < m.Height(); ++y)
      for (int x = 0; x < m.Width(); ++x) ASSERT_EQ(RectsContain(rects, x, y), (m.At(x, y) & kWhite) == 0);
  }
  // A checkerboard of 200 × 200 needs 20,000 rectangles: all of them are kept.
  TvxPixmap board(200, 200, kWhite);
  for (int y = 0; y < 200; ++y)
    for (int x = (y & 1); x < 200; x += 2) board.Set(x, y, kBlack);
  RegionData d = MaskRegion(board);
  EXPECT_EQ(d.size(), kRegionHeaderSize + kRegionRectSize * 20000);
  EXPECT_EQ(RegionDataRects(d)->back(), (PixRect{199, 199, 200, 200}));
}

TEST(RegionData, MasksPastTheRectangleLimitGetOneRectanglePerRow) {
  auto board = [](int w, int h) {
    TvxPixmap m(w, h, kWhite);
    for (int y = 0; y < h; ++y)
      for (int x = (y & 1); x < w; x += 2) m.Set(x, y, kBlack);
    return m;
  };
  // 1024 x 512 needs exactly the limit: every run is kept.
  EXPECT_EQ(RegionDataRects(MaskToRegionData(board(1024, 512), 0, 0))->size(), kRegionRectLimit);
  // One row more is over it: each row becomes its first to its last black pixel.
  const RegionData d = MaskToRegionData(board(1024, 513), 10, 20);
  const auto rects = *RegionDataRects(d);
  ASSERT_EQ(rects.size(), 513u);
  EXPECT_EQ(rects[0], (PixRect{10, 20, 10 + 1023, 21}));
  EXPECT_EQ(rects[1], (PixRect{11, 21, 10 + 1024, 22}));
  EXPECT_EQ(RegionDataBounds(d), (PixRect{10, 20, 1034, 533}));
  TvxPixmap sparse(100, 3, kWhite);  // a row without black pixels gives no rectangle
  sparse.Set(7, 2, kBlack);
  EXPECT_EQ(RegionDataRects(MaskRegion(sparse))->size(), 1u);
}

// A 40 × 30 mask with rounded-off top corners: three white pixels in each.
TvxPixmap CornerMask() {
  TvxPixmap m(40, 30, kBlack);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {39, 0}, {38, 0}, {39, 1}}) m.Set(x, y, kWhite);
  return m;
}
const NinePartLayout kMaskLayout{{6, 5}, {34, 5}, {6, 25}, {34, 25}, {3, 4, 37, 27}};

TEST(SizedMask, AtTheMaskSizeTheRegionIsTheMasksBlackPixels) {
  TvxPixmap m = CornerMask();
  auto r = SizedMaskRegion(m, kMaskLayout, kMaskLayout, 40);
  ASSERT_TRUE(r);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(SizedRegionContains(*r, x, y), m.At(x, y) == kBlack) << x << "," << y;
  EXPECT_FALSE(SizedRegionContains(*r, 40, 5));
}

TEST(SizedMask, LargerWindowsKeepTheCornersCut) {
  TvxPixmap m = CornerMask();
  const NinePartLayout n = MapStandardSize(kMaskLayout, 40, 30, 883, 708);
  auto r = SizedMaskRegion(m, kMaskLayout, n, 883);
  ASSERT_TRUE(r);
  EXPECT_FALSE(SizedRegionContains(*r, 0, 0));
  EXPECT_FALSE(SizedRegionContains(*r, 1, 0));
  EXPECT_TRUE(SizedRegionContains(*r, 2, 0));
  EXPECT_FALSE(SizedRegionContains(*r, 882, 0));
  EXPECT_FALSE(SizedRegionContains(*r, 882, 1));
  EXPECT_TRUE(SizedRegionContains(*r, 881, 1));
  EXPECT_TRUE(SizedRegionContains(*r, 500, 400));
  EXPECT_TRUE(SizedRegionContains(*r, 882, 707));
  EXPECT_FALSE(SizedRegionContains(*r, 883, 707));
  // The left strip is as high as the client rectangle and sits below the top.
  BorderStrips s;
  BuildMaskStrips(m, kMaskLayout, n, 883, s);
  EXPECT_EQ(s.left.Height(), n.client.Height());
  EXPECT_EQ(s.top.Width(), 883);
  EXPECT_EQ(s.top.Height(), 4);
  EXPECT_EQ(s.bottom.Height(), 3);
}

TEST(SizedMask, NoneForAnEmptyClientOrCrossedPointsAndSharedPointsEnd) {
  TvxPixmap m = CornerMask();
  NinePartLayout n = kMaskLayout;
  n.client = {3, 4, 3, 27};
  EXPECT_FALSE(SizedMaskRegion(m, kMaskLayout, n, 40));
  n = kMaskLayout;
  n.rt.x = 5;
  EXPECT_FALSE(SizedMaskRegion(m, kMaskLayout, n, 40));
  n = kMaskLayout;
  n.lb.y = 4;
  EXPECT_FALSE(SizedMaskRegion(m, kMaskLayout, n, 40));
  // Two top points sharing an x: the top edge has no tile, the strip still
  // gets its ends and the build finishes.
  NinePartLayout shared = kMaskLayout;
  shared.rt.x = shared.lt.x;
  shared.lb.y = shared.lt.y;
  auto r = SizedMaskRegion(m, shared, MapStandardSize(shared, 40, 30, 400, 300), 400);
  ASSERT_TRUE(r);
  EXPECT_FALSE(SizedRegionContains(*r, 0, 0));
  EXPECT_TRUE(SizedRegionContains(*r, 4, 0));
  EXPECT_FALSE(SizedMaskRegion(TvxPixmap(), kMaskLayout, kMaskLayout, 40)->top.size());
}

}  // namespace
}  // namespace vx
