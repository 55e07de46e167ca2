// Nine-part, three-part, border-strip and glyph drawing.
#include <gtest/gtest.h>

#include <random>

#include "vxUtils.h"

namespace vx {
namespace {

// Every pixel distinct, so a wrong source pixel shows.
TvxPixmap Numbered(int w, int h) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, static_cast<Pixel>(0x01000000u | (y << 12) | x));
  return p;
}
int SrcX(Pixel p) { return p & 0xFFF; }
int SrcY(Pixel p) { return (p >> 12) & 0xFFF; }

TEST(Copy, ScalesNearestNeighbourAndClipsToBothPictures) {
  TvxPixmap src = Numbered(4, 2);
  TvxPixmap dst(8, 2, 7);
  CopyRect(src, {0, 0, 2, 1}, dst, {0, 0, 4, 1});  // each pixel doubled
  EXPECT_EQ(SrcX(dst.At(0, 0)), 0);
  EXPECT_EQ(SrcX(dst.At(1, 0)), 0);
  EXPECT_EQ(SrcX(dst.At(2, 0)), 1);
  EXPECT_EQ(SrcX(dst.At(3, 0)), 1);
  CopyRect(src, {0, 0, 4, 1}, dst, {0, 1, 2, 2});  // halved: pixels under the centres
  EXPECT_EQ(SrcX(dst.At(0, 1)), 1);
  EXPECT_EQ(SrcX(dst.At(1, 1)), 3);
  // Source running off the picture: uncovered target pixels keep their value.
  TvxPixmap t(4, 1, 7);
  CopyRect(src, {2, 1, 6, 2}, t, {0, 0, 4, 1});
  EXPECT_EQ(SrcX(t.At(1, 0)), 3);
  EXPECT_EQ(t.At(2, 0), 7u);
  EXPECT_EQ(t.At(3, 0), 7u);
  CopyRect(src, {0, 0, 4, 2}, t, {-2, -1, 2, 1});  // target partly off the picture
  EXPECT_EQ(SrcX(t.At(0, 0)), 2);
  EXPECT_EQ(SrcY(t.At(0, 0)), 1);
  CopyRect(t, {0, 0, 3, 1}, t, {1, 0, 4, 1});  // overlapping copy within one picture
  EXPECT_EQ(SrcX(t.At(1, 0)), 2);
  EXPECT_EQ(SrcX(t.At(2, 0)), 3);
}

TEST(Copy, EnlargingKeepsEveryPixelWhoseSourceIsOutside) {
  // Rows repeat when enlarging; the columns whose source lies left of the
  // picture must keep each row's own value, not the row above's.
  TvxPixmap src = Numbered(2, 2);
  TvxPixmap dst = Numbered(6, 6);
  const TvxPixmap before = dst;
  CopyRect(src, {-1, 0, 2, 2}, dst, {0, 0, 6, 6});  // 3 x 2 source onto 6 x 6
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 2; ++x) ASSERT_EQ(dst.At(x, y), before.At(x, y)) << x << "," << y;
    ASSERT_EQ(SrcX(dst.At(2, y)), 0) << y;
    ASSERT_EQ(SrcY(dst.At(2, y)), y / 3) << y;
  }
}

TEST(ThreePart, ButtonDrawnWiderTilesTheMiddleAndPinsTheEnds) {
  TvxPixmap src = Numbered(90, 30);
  const PixRect r{5, 2, 83, 24};  // 78 wide
  TvxPixmap out;
  DrawHorzThreePart(3, 5, out, false, 97, r, src);
  ASSERT_EQ(out.Width(), 97);
  ASSERT_EQ(out.Height(), 22);
  for (int x = 0; x < 97; ++x) {
    int expect = x < 3 ? x : x < 73 ? x : x < 92 ? 3 + (x - 73) : 73 + (x - 92);
    ASSERT_EQ(SrcX(out.At(x, 10)), 5 + expect) << x;
    ASSERT_EQ(SrcY(out.At(x, 10)), 12);
  }
  DrawHorzThreePart(3, 5, out, true, 148, r, src);  // 70 middle columns stretched to 140
  EXPECT_EQ(SrcX(out.At(3, 0)), 8);
  EXPECT_EQ(SrcX(out.At(4, 0)), 8);
  EXPECT_EQ(SrcX(out.At(142, 0)), 77);
  EXPECT_EQ(SrcX(out.At(143, 0)), 78);
  // Ends wider than the picture are clamped; nothing is read outside it.
  DrawHorzThreePart(60, 60, out, false, 20, r, src);
  EXPECT_EQ(out.Width(), 20);
  EXPECT_EQ(SrcX(out.At(19, 0)), 82);
}

TEST(ThreePart, VerticalTilesDownward) {
  TvxPixmap src = Numbered(4, 10);
  TvxPixmap out;
  DrawVertThreePart(2, 3, out, false, 14, {0, 0, 4, 10}, src);
  ASSERT_EQ(out.Height(), 14);
  const int rows[14] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 7, 8, 9};
  for (int y = 0; y < 14; ++y) EXPECT_EQ(SrcY(out.At(1, y)), rows[y]) << y;
}

TEST(NinePart, TopEdgeTilesFromTheNewCornerPoint) {
  TvxPixmap src = Numbered(300, 40);
  NinePartLayout s{{9, 30}, {273, 30}, {9, 35}, {273, 35}, {3, 26, 297, 37}};
  NinePartLayout n = MapStandardSize(s, 300, 40, 636, 40);
  ASSERT_EQ(n.rt.x, 609);
  TvxPixmap out;
  DrawNinePart(src, {0, 0, 300, 40}, s, n, 636, 40, {}, {}, out);
  for (int x = 9; x < 609; ++x) ASSERT_EQ(SrcX(out.At(x, 5)), 9 + (x - 9) % 264) << x;
  EXPECT_EQ(SrcX(out.At(609, 5)), 273);  // the top-right corner starts at nRT.x
  EXPECT_EQ(SrcX(out.At(635, 5)), 299);
  EXPECT_EQ(SrcX(out.At(8, 5)), 8);
}

TEST(NinePart, HorizontalClientStretchRepeatsTheStretchedColumn) {
  TvxPixmap src = Numbered(50, 30);
  NinePartLayout s{{5, 5}, {45, 5}, {5, 25}, {45, 25}, {5, 5, 45, 25}};  // client 40 × 20
  NinePartLayout n = MapStandardSize(s, 50, 30, 110, 70);                 // client 100 × 60
  TvxPixmap out;
  DrawNinePart(src, {0, 0, 50, 30}, s, n, 110, 70, {}, {true, TvxStretchType::stHorz, true}, out);
  for (int x = 5; x < 105; ++x) {
    ASSERT_EQ(SrcX(out.At(x, 5)), 5 + (x - 5) % 40) << x;
    ASSERT_EQ(SrcY(out.At(x, 5)), 5);
    ASSERT_EQ(SrcY(out.At(x, 64)), 24);  // 20 rows stretched to 60: row 59 → 19
    ASSERT_EQ(SrcY(out.At(x, 7)), 5);
    ASSERT_EQ(SrcY(out.At(x, 8)), 6);
  }
  DrawNinePart(src, {0, 0, 50, 30}, s, n, 110, 70, {}, {true, TvxStretchType::stVert, true}, out);
  for (int y = 5; y < 65; ++y) ASSERT_EQ(SrcY(out.At(30, y)), 5 + (y - 5) % 20) << y;
  DrawNinePart(src, {0, 0, 50, 30}, s, n, 110, 70, {}, {false, TvxStretchType::stFull, true}, out);
  EXPECT_EQ(SrcX(out.At(46, 26)), 6);
  EXPECT_EQ(SrcY(out.At(46, 26)), 6);
}

// Random records whose corner points are consistent with their client
// rectangle, as the skin data keeps them.
NinePartLayout RandomLayout(std::mt19937& rng, int sw, int sh) {
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  PixRect c;
  c.left = in(0, sw / 2 - 1);
  c.right = in(sw / 2 + 1, sw);
  c.top = in(0, sh / 2 - 1);
  c.bottom = in(sh / 2 + 1, sh);
  NinePartLayout l;
  l.client = c;
  l.lt = {in(0, sw / 2 - 1), in(c.top, sh / 2 - 1)};
  l.rt = {in(l.lt.x + 1, sw), in(c.top, sh / 2)};
  l.lb = {in(c.left, sw / 2), in(l.lt.y + 1, c.bottom)};
  l.rb = {in(std::max(l.lb.x, l.lt.x + 1), sw), in(std::max(l.rt.y, sh / 2 + 1), c.bottom)};
  return l;
}

TEST(NinePart, AtTheSourceSizeReproducesTheSourceWhateverTheFlags) {
  std::mt19937 rng(42);
  TvxPixmap src = Numbered(64, 48);
  for (int i = 0; i < 300; ++i) {
    const int sw = 8 + static_cast<int>(rng() % 40), sh = 8 + static_cast<int>(rng() % 30);
    const PixRect r{static_cast<int>(rng() % 10), static_cast<int>(rng() % 10), 0, 0};
    const PixRect from{r.left, r.top, r.left + sw, r.top + sh};
    const NinePartLayout s = RandomLayout(rng, sw, sh);
    const EdgeStretch e{(rng() & 1) != 0, (rng() & 2) != 0, (rng() & 4) != 0, (rng() & 8) != 0};
    const ClientFill c{(rng() & 16) != 0, static_cast<TvxStretchType>(rng() % 3), true};
    TvxPixmap out;
    DrawNinePart(src, from, s, MapStandardSize(s, sw, sh, sw, sh), sw, sh, e, c, out);
    for (int y = 0; y < sh; ++y)
      for (int x = 0; x < sw; ++x) ASSERT_EQ(out.At(x, y), src.At(from.left + x, from.top + y)) << i;
  }
}

TEST(NinePart, OneWayStretchOfAClientFarLargerThanTheTargetDrawsTheVisiblePart) {
  // The new client rectangle reaches 30,000 pixels past a 100 x 100 target:
  // only the target's pixels are drawn, as if the whole stretch were made.
  TvxPixmap src = Numbered(50, 30);
  const NinePartLayout s{{5, 5}, {45, 5}, {5, 25}, {45, 25}, {5, 5, 45, 25}};  // client 40 x 20
  NinePartLayout n = s;
  n.client = {5, 5, 30005, 30005};
  TvxPixmap out;
  DrawNinePart(src, {0, 0, 50, 30}, s, n, 100, 100, {}, {true, TvxStretchType::stHorz, true}, out);
  for (int x = 5; x < 100; ++x) {
    ASSERT_EQ(SrcX(out.At(x, 50)), 5 + (x - 5) % 40) << x;
    ASSERT_EQ(SrcY(out.At(x, 99)), 5);  // 20 rows over 30,000: the first lasts 1,500
  }
  DrawNinePart(src, {0, 0, 50, 30}, s, n, 100, 100, {}, {true, TvxStretchType::stVert, true}, out);
  for (int y = 5; y < 100; ++y) {
    ASSERT_EQ(SrcY(out.At(50, y)), 5 + (y - 5) % 20) << y;
    ASSERT_EQ(SrcX(out.At(99, y)), 5);
  }
}

TEST(NinePart, DegenerateAndHostileGeometryDrawsWhatItCanAndEnds) {
  TvxPixmap src = Numbered(20, 20);
  TvxPixmap out;
  NinePartLayout s{{5, 5}, {15, 5}, {5, 15}, {5, 5}, {5, 5, 15, 15}};  // rb = lt: nothing drawn
  DrawNinePart(src, {0, 0, 20, 20}, s, s, 30, 30, {}, {}, out);
  EXPECT_EQ(out.Width(), 30);
  EXPECT_EQ(out.At(0, 0), 0u);
  DrawNinePart(TvxPixmap(), {0, 0, 20, 20}, s, s, 30, 30, {}, {}, out);
  EXPECT_EQ(out.Height(), 30);
  const int big = 2'000'000'000;
  NinePartLayout h{{-big, 3}, {big, 3}, {4, big}, {big, -big}, {-big, -big, big, big}};
  NinePartLayout hn = MapStandardSize(h, 20, 20, 300, 200);
  DrawNinePart(src, {-big, -big, big, big}, h, hn, 300, 200, {}, {}, out);
  DrawNinePart(src, {0, 0, 20, 20}, h, hn, 300, 200, {true, true, true, true}, {true, TvxStretchType::stHorz, true},
               out);
  BorderStrips strips;
  BuildBorderStrips(src, {0, 0, 20, 20}, h, hn, 300, 200, {}, strips);
  SUCCEED();
}

TEST(BorderStrips, AtTheSourceSizeCutTheFrameOutOfTheSource) {
  TvxPixmap src = Numbered(60, 40);
  const NinePartLayout s{{9, 12}, {50, 12}, {9, 30}, {50, 30}, {3, 8, 56, 34}};
  BorderStrips st;
  for (bool stretch : {false, true}) {
    BuildBorderStrips(src, {0, 0, 60, 40}, s, s, 60, 40, {stretch, stretch, stretch, stretch}, st);
    ASSERT_EQ(st.top.Width(), 60);
    ASSERT_EQ(st.top.Height(), 8);
    ASSERT_EQ(st.bottom.Height(), 6);
    ASSERT_EQ(st.left.Width(), 3);
    ASSERT_EQ(st.left.Height(), 26);
    ASSERT_EQ(st.right.Width(), 4);
    // Tiles of a strip start at the strip's own edge, not at the corner point.
    auto col = [&](int x) { return stretch || x < 9 || x >= 50 ? x : 9 + x % 41; };
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(st.top.At(x, y), src.At(col(x), y)) << x;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(st.bottom.At(x, y), src.At(col(x), 34 + y));
    auto row = [&](int y) { return stretch || y < 4 || y >= 22 ? 8 + y : 12 + y % 18; };
    for (int y = 0; y < 26; ++y) {
      for (int x = 0; x < 3; ++x) ASSERT_EQ(st.left.At(x, y), src.At(x, row(y))) << x << "," << y;
      for (int x = 0; x < 4; ++x) ASSERT_EQ(st.right.At(x, y), src.At(56 + x, row(y)));
    }
  }
  // Wider: the top strip's middle tiles from x = 0 and the ends pin the corners.
  const NinePartLayout n = MapStandardSize(s, 60, 40, 100, 40);
  BuildBorderStrips(src, {0, 0, 60, 40}, s, n, 100, 40, {}, st);
  EXPECT_EQ(SrcX(st.top.At(9, 0)), 9 + 9 % 41);
  EXPECT_EQ(SrcX(st.top.At(89, 0)), 9 + 89 % 41);
  EXPECT_EQ(SrcX(st.top.At(90, 0)), 50);
  EXPECT_EQ(SrcX(st.top.At(5, 0)), 5);
}

TEST(GlyphFrame, DrawsOneFrameWithItsBottomLeftColourTransparent) {
  TvxPixmap glyph(60, 4, MakePixel(9, 9, 9));
  for (int x = 0; x < 60; ++x) glyph.Set(x, 0, MakePixel(x, 1, 1));
  glyph.Set(20, 3, MakePixel(200, 0, 0));  // frame 2's key colour
  glyph.Set(25, 2, MakePixel(200, 0, 0));
  TvxPixmap canvas(30, 10, MakePixel(5, 5, 5));
  DrawGlyphFrame(canvas, 2, 1, 2, 3, glyph);
  EXPECT_EQ(canvas.At(2, 1), MakePixel(20, 1, 1));
  EXPECT_EQ(canvas.At(21, 1), MakePixel(39, 1, 1));
  EXPECT_EQ(canvas.At(22, 1), MakePixel(5, 5, 5));
  EXPECT_EQ(canvas.At(7, 3), MakePixel(5, 5, 5));  // key colour left transparent
  EXPECT_EQ(canvas.At(8, 3), MakePixel(9, 9, 9));
  TvxPixmap whole(70, 10);
  DrawGlyphFrame(whole, 0, 0, 1, 0, glyph);  // no count: the whole strip is one frame
  EXPECT_EQ(whole.At(59, 0), MakePixel(59, 1, 1));
  TvxPixmap untouched(70, 10);
  DrawGlyphFrame(untouched, 0, 0, 4, 3, glyph);
  EXPECT_EQ(untouched.At(0, 0), 0u);
}

}  // namespace
}  // namespace vx
