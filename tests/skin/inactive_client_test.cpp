// The pictures an inactive form's client area shows: the background laid at
// a constant opacity over the snapshot, and the blurred snapshot.
#include <gtest/gtest.h>

#include "vxInactiveClient.h"
#include "vxStackBlur.h"

namespace vx {
namespace {

TEST(InactiveClient, BackgroundBlendsAtItsOpacityOverTheSnapshot) {
  TvxPixmap snap(4, 3, MakePixel(0, 100, 255, 0));
  const TvxPixmap back(4, 3, MakePixel(255, 100, 0, 255));
  DimInactiveClient(snap, back);
  // 255·170/255 = 170; 255·85/255 = 85; equal channels stay.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(snap.At(x, y), MakePixel(170, 100, 85, 255)) << x << "," << y;

  // Rounding to nearest: 1·170/255 = 0.67 → 1, and the ends of the range.
  TvxPixmap a(1, 1, MakePixel(0, 0, 0)), b(1, 1, MakePixel(1, 0, 0));
  BlendConstantAlpha(a, b, 170);
  EXPECT_EQ(PixelR(a.At(0, 0)), 1);
  TvxPixmap c(1, 1, MakePixel(9, 9, 9)), d(1, 1, MakePixel(200, 200, 200));
  BlendConstantAlpha(c, d, 0);
  EXPECT_EQ(c.At(0, 0), MakePixel(9, 9, 9, 255));
  BlendConstantAlpha(c, d, 999);  // clamped to fully opaque
  EXPECT_EQ(c.At(0, 0), MakePixel(200, 200, 200, 255));
}

TEST(InactiveClient, PicturesOfDifferentSizesBlendWhereBothAre) {
  TvxPixmap snap(3, 3, MakePixel(10, 10, 10));
  const TvxPixmap back(2, 5, MakePixel(255, 255, 255));
  DimInactiveClient(snap, back);
  EXPECT_EQ(snap.At(1, 2), MakePixel(173, 173, 173, 255));
  EXPECT_EQ(snap.At(2, 0), MakePixel(10, 10, 10));  // outside the background: untouched

  TvxPixmap empty;
  DimInactiveClient(empty, back);  // nothing to blend into, nothing read
  EXPECT_TRUE(empty.Empty());
  TvxPixmap kept(2, 2, MakePixel(1, 2, 3));
  DimInactiveClient(kept, TvxPixmap{});
  EXPECT_EQ(kept.At(1, 1), MakePixel(1, 2, 3));
}

TEST(InactiveClient, TheBlurIsTheRadiusThreeStackBlur) {
  TvxPixmap pic(16, 9, MakePixel(0, 0, 0));
  for (int y = 0; y < 9; ++y) pic.Set(8, y, MakePixel(255, 255, 255));
  TvxPixmap expected = pic;
  StackBlur(expected, 3);
  BlurInactiveClient(pic);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(pic.At(x, 4), expected.At(x, 4)) << x;
  // The line spread three pixels each way and no further.
  EXPECT_GT(PixelR(pic.At(5, 4)), 0);
  EXPECT_EQ(PixelR(pic.At(4, 4)), 0);
  EXPECT_LT(PixelR(pic.At(8, 4)), 255);
}

}  // namespace
}  // namespace vx
