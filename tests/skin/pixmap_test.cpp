#include <gtest/gtest.h>

#include "vxPixmap.h"

namespace vx {
namespace {

TEST(Pixmap, ColourOrdersConvert) {
  Pixel p = PixelFromColor(0x123456);  // $BBGGRR: blue 12, green 34, red 56
  EXPECT_EQ(PixelR(p), 0x56);
  EXPECT_EQ(PixelG(p), 0x34);
  EXPECT_EQ(PixelB(p), 0x12);
  EXPECT_EQ(ColorFromPixel(p), 0x123456u);
}

TEST(Pixmap, StartsFilledAndRefusesAbsurdSizes) {
  TvxPixmap pic(3, 2, MakePixel(1, 2, 3));
  EXPECT_EQ(pic.At(2, 1), MakePixel(1, 2, 3));
  EXPECT_FALSE(pic.SetSize(40000, 1));
  EXPECT_TRUE(pic.Empty());
  EXPECT_FALSE(pic.SetSize(16384, 16384));
  EXPECT_TRUE(pic.SetSize(0, 5));
  EXPECT_TRUE(pic.Empty());
}

TEST(Pixmap, CopiesAreDeep) {
  TvxPixmap a(2, 2, 7);
  TvxPixmap b = a;
  b.Set(0, 0, 9);
  EXPECT_EQ(a.At(0, 0), 7u);
  EXPECT_EQ(b.At(0, 0), 9u);
}

}  // namespace
}  // namespace vx
