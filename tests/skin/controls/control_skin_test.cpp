// How control records size and draw: sizing modes, fitted geometry, tiling
// and the state images, checked against plain per-pixel references.
#include <gtest/gtest.h>

#include <random>

#include "vxControlSkin.h"

namespace vx {
namespace {

TvxPixmap Numbered(int w, int h) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakePixel(x, y, (x * 31 + y * 17) & 255));
  return p;
}

TvxDataSkinButtonControl ButtonRecord() {
  TvxDataSkinButtonControl r;  // the shape of the program's "button": three parts across
  r.pictureindex = 0;
  r.skinrect = {10, 20, 88, 42};
  r.lefttoppoint = {3, 9};
  r.righttoppoint = {73, 13};
  r.clientrect = {2, 2, 76, 20};
  return r;
}

TEST(ControlGeometry, SizingModesFollowTheCornerPoints) {
  TvxDataSkinCustomControl r;
  r.skinrect = {0, 0, 50, 40};
  EXPECT_EQ(SkinSizingMode(r.skinrect, r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint), 0);
  EXPECT_EQ(SkinSizingMode(r.skinrect, {}, {}, {0, 30}, {}), 3);
  EXPECT_EQ(SkinSizingMode(r.skinrect, {}, {40, 0}, {0, 30}, {}), 2);
  EXPECT_EQ(SkinSizingMode(r.skinrect, {}, {40, 0}, {0, 30}, {40, 0}), 2) << "both right-bottom coordinates needed";
  EXPECT_EQ(SkinSizingMode(r.skinrect, {}, {}, {}, {40, 30}), 1);
  EXPECT_EQ(SkinSizingMode({5, 5, 5, 30}, {}, {}, {}, {40, 30}), -1);
}

TEST(ControlGeometry, FittingKeepsFixedDimensionsAndMovesTheClient) {
  TvxDataSkinButtonControl b = ButtonRecord();
  TvxControlGeometry g;
  g.Load(&b, 1);
  int w = 97, h = 50;
  g.FitSkinSize(w, h);
  EXPECT_EQ(w, 97);
  EXPECT_EQ(h, 22) << "a three-part-across record keeps its height";
  EXPECT_EQ(g.current.rt, PixPoint(73 + 19, 13));
  EXPECT_EQ(g.current.client, PixRect(2, 2, 76 + 19, 20));

  TvxDataSkinCustomControl fixed;
  fixed.skinrect = {0, 0, 15, 15};
  g.Load(&fixed, 1);
  w = 100, h = 3;
  g.FitSkinSize(w, h);
  EXPECT_EQ(w, 15);
  EXPECT_EQ(h, 15);

  TvxDataSkinCustomControl nine;
  nine.skinrect = {0, 0, 59, 52};
  nine.lefttoppoint = {2, 2};
  nine.righttoppoint = {57, 2};
  nine.leftbottompoint = {2, 50};
  nine.rightbottompoint = {57, 50};
  nine.clientrect = {2, 2, 57, 50};
  g.Load(&nine, 1);
  w = 200, h = 30;
  g.FitSkinSize(w, h);
  EXPECT_EQ(w, 200);
  EXPECT_EQ(h, 30);
  EXPECT_EQ(g.current.client, PixRect(2, 2, 198, 28));
  EXPECT_EQ(g.current.rb, PixPoint(198, 28));
  EXPECT_EQ(g.ClientPiece(), PixRect(2, 2, 57, 50));
}

TEST(ControlGeometry, UntrustedValuesAreClampedAndPicturesChecked) {
  TvxDataSkinCustomControl r;
  r.pictureindex = 3;
  r.maskpictureindex = -7;
  r.skinrect = {INT32_MIN, 0, INT32_MAX, 10};
  r.rightbottompoint = {INT32_MAX, INT32_MAX};
  r.clientrect = {0, 0, INT32_MAX, INT32_MAX};
  TvxControlGeometry g;
  g.Load(&r, 3);
  EXPECT_EQ(g.pictureIndex, -1) << "index 3 of a three-picture skin";
  EXPECT_EQ(g.maskIndex, -1);
  int w = INT32_MAX, h = INT32_MIN;  // any overflow here is caught by UBSan
  g.FitSkinSize(w, h);
  EXPECT_LE(g.current.client.right, kCoordLimit);

  g.Load(nullptr, 3);
  EXPECT_EQ(g.sizingMode, 0) << "a record of another kind draws as a fixed, empty control";
}

// Reference: every pixel looked up by its offset from the origin.
TvxPixmap TiledReference(const TvxPixmap& pic, const PixRect& piece, TvxPixmap target, const PixRect& area,
                         PixPoint origin) {
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, target.Height()); ++y)
    for (int x = std::max(area.left, 0); x < std::min(area.right, target.Width()); ++x) {
      const int tx = ((x - origin.x) % piece.Width() + piece.Width()) % piece.Width();
      const int ty = ((y - origin.y) % piece.Height() + piece.Height()) % piece.Height();
      target.Set(x, y, pic.At(piece.left + tx, piece.top + ty));
    }
  return target;
}

bool SamePixels(const TvxPixmap& a, const TvxPixmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

TEST(TileRect, MatchesThePerPixelRuleForAnyPieceAreaAndOrigin) {
  const TvxPixmap pic = Numbered(40, 30);
  std::mt19937 rng(7);
  auto r = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < 300; ++i) {
    const int pl = r(0, 39), pt = r(0, 29);
    const PixRect piece{pl, pt, pl + r(1, 40 - pl), pt + r(1, 30 - pt)};
    TvxPixmap target(r(1, 70), r(1, 50), MakePixel(1, 2, 3));
    const PixRect area{r(-10, 60), r(-10, 40), r(-10, 80), r(-10, 60)};
    const PixPoint origin{r(-20, 20), r(-20, 20)};
    const TvxPixmap want = area.IsEmpty() ? target : TiledReference(pic, piece, target, area, origin);
    TileRect(pic, piece, target, area, origin);
    ASSERT_TRUE(SamePixels(target, want)) << "case " << i;
  }
}

TEST(TileRect, APiecePartlyOutsideItsPictureIsCutToThePicture) {
  const TvxPixmap pic = Numbered(10, 10);
  TvxPixmap target(20, 20, MakePixel(9, 9, 9));
  TileRect(pic, {8, 8, 14, 14}, target, {0, 0, 20, 20}, {0, 0});
  EXPECT_EQ(target.At(0, 0), pic.At(8, 8));
  EXPECT_EQ(target.At(2, 3), pic.At(8, 9)) << "the cut piece is 2 x 2";
  TvxPixmap untouched(5, 5, MakePixel(9, 9, 9));
  TileRect(pic, {20, 20, 30, 30}, untouched, {0, 0, 5, 5}, {0, 0});
  EXPECT_EQ(untouched.At(4, 4), MakePixel(9, 9, 9));
}

TEST(FillFromPiece, StretchKindsScaleOneWayAndRepeatTheOther) {
  const TvxPixmap pic = Numbered(8, 6);
  const PixRect piece{2, 1, 6, 4};  // 4 x 3
  TvxPixmap horz(21, 12), vert(12, 21), full(9, 9);
  FillFromPiece(pic, piece, horz, {1, 0, 21, 12}, true, TvxStretchType::stHorz);
  FillFromPiece(pic, piece, vert, {0, 1, 12, 21}, true, TvxStretchType::stVert);
  FillFromPiece(pic, piece, full, {0, 0, 9, 9}, true, TvxStretchType::stFull);
  // stHorz: columns repeat every 4 pixels from the area's left, rows are scaled 3 -> 12.
  EXPECT_EQ(horz.At(1, 0), pic.At(2, 1));
  EXPECT_EQ(horz.At(5, 11), pic.At(2, 3));
  EXPECT_EQ(horz.At(20, 5), horz.At(8, 5));
  EXPECT_EQ(horz.At(0, 0), 0u) << "outside the area";
  // stVert: rows repeat every 3 pixels, columns are scaled 4 -> 12.
  EXPECT_EQ(vert.At(11, 1), pic.At(5, 1));
  EXPECT_EQ(vert.At(0, 4), pic.At(2, 1));
  EXPECT_EQ(full.At(8, 8), pic.At(5, 3));
  TvxPixmap plain(9, 9);
  FillFromPiece(pic, piece, plain, {0, 0, 9, 9}, false, TvxStretchType::stFull);
  EXPECT_EQ(plain.At(4, 3), pic.At(2, 1)) << "tiled from the area's left-top";
}

TEST(ControlImage, EachSizingModeGivesItsSizeAndAStateItsPicture) {
  TvxPixmap pic = Numbered(100, 50);
  TvxDataSkinButtonControl b = ButtonRecord();
  b.activeskinrect = {10, 0, 88, 22};
  TvxControlGeometry g;
  g.Load(&b, 1);
  TvxPixmap img;
  DrawControlImage(&pic, g, StateSourceRect(b, TvxControlState::hot), 97, 22, img);
  ASSERT_EQ(img.Width(), 97);
  ASSERT_EQ(img.Height(), 22);
  EXPECT_EQ(img.At(0, 0), pic.At(10, 0)) << "the hot look comes from activeskinrect";
  EXPECT_EQ(img.At(96, 21), pic.At(87, 21)) << "the right end is copied as it is";

  DrawControlImage(&pic, g, StateSourceRect(b, TvxControlState::normal), 97, 22, img);
  EXPECT_EQ(img.At(0, 0), pic.At(10, 20));

  // Fall-backs: no pressed image -> the active one; no disabled image -> normal.
  EXPECT_EQ(StateSourceRect(b, TvxControlState::down), PixRect(10, 0, 88, 22));
  EXPECT_EQ(StateSourceRect(b, TvxControlState::disabled), PixRect(10, 20, 88, 42));
  EXPECT_EQ(StateSourceRect(b, TvxControlState::focused), PixRect(10, 0, 88, 22));
  b.activeskinrect = {};
  EXPECT_EQ(StateSourceRect(b, TvxControlState::down), PixRect(10, 20, 88, 42));

  TvxDataSkinCustomControl fixed;
  fixed.skinrect = {1, 1, 16, 16};
  g.Load(&fixed, 1);
  DrawControlImage(&pic, g, fixed.skinrect, 40, 40, img);
  EXPECT_EQ(img.Width(), 15);
  EXPECT_EQ(img.At(14, 14), pic.At(15, 15));

  DrawControlImage(nullptr, g, fixed.skinrect, 40, 40, img);
  EXPECT_EQ(img.Width(), 15) << "no picture still gives the fitted size";
}

TEST(ControlState, NamesParse) {
  TvxControlState s{};
  EXPECT_TRUE(ParseControlState("down", s));
  EXPECT_EQ(s, TvxControlState::down);
  EXPECT_FALSE(ParseControlState("Down", s));
  EXPECT_FALSE(ParseControlState("", s));
}

}  // namespace
}  // namespace vx
