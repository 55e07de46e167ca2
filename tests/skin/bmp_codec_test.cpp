// The container's BMP codec: every supported layout decodes to the right
// pixels, ends are found by counting, and lying headers fail before anything
// is allocated.
#include <gtest/gtest.h>

#include "SkinTestSupport.h"

namespace vx {
namespace {

using testing::BmpSpec;
using testing::Gradient;
using testing::MakeBmp;

TvxPixmap Decode(const Bytes& bmp, TvxBmpInfo* info = nullptr) {
  TvxByteReader r(bmp);
  return ReadBmp(r, info);
}

TEST(BmpCodec, TrueColourRoundTripsBottomUp) {
  TvxPixmap pic = Gradient(7, 5);  // 7 * 3 bytes: rows need padding
  for (int bits : {24, 32}) {
    TvxBmpInfo info;
    TvxPixmap back = Decode(EncodeBmp(pic, bits), &info);
    EXPECT_EQ(info.bitCount, bits);
    ASSERT_EQ(back.Width(), 7);
    ASSERT_EQ(back.Height(), 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) ASSERT_EQ(back.At(x, y), pic.At(x, y)) << bits << " bits at " << x << "," << y;
  }
}

TEST(BmpCodec, PalettedDepthsAndTopDownRows) {
  BmpSpec s;
  s.width = 9;
  s.height = -2;  // top-down
  s.bitCount = 1;
  s.palette = {0x000000, 0xFF8040};
  s.pixels = {0b10100000, 0b10000000, 0, 0, /*row 1*/ 0b01000000, 0, 0, 0};
  TvxPixmap one = Decode(MakeBmp(s));
  EXPECT_EQ(one.At(0, 0), MakePixel(0xFF, 0x80, 0x40));
  EXPECT_EQ(one.At(1, 0), 0u);
  EXPECT_EQ(one.At(8, 0), MakePixel(0xFF, 0x80, 0x40));
  EXPECT_EQ(one.At(1, 1), MakePixel(0xFF, 0x80, 0x40));

  s = {};
  s.width = 3;
  s.height = 1;
  s.bitCount = 4;
  s.clrUsed = 2;  // indices past the table read as black, not as stray memory
  s.palette = {0x102030, 0x405060};
  s.pixels = {0x01, 0xF0, 0, 0};
  TvxPixmap four = Decode(MakeBmp(s));
  EXPECT_EQ(four.At(0, 0), MakePixel(0x10, 0x20, 0x30));
  EXPECT_EQ(four.At(1, 0), MakePixel(0x40, 0x50, 0x60));
  EXPECT_EQ(four.At(2, 0), 0u);

  s = {};
  s.width = 2;
  s.height = 2;  // bottom-up: the first row in the data is the picture's last
  s.bitCount = 8;
  s.palette.assign(256, 0);
  s.palette[7] = 0x0000FF;
  s.pixels = {7, 0, 0, 0, 0, 7, 0, 0};
  TvxPixmap eight = Decode(MakeBmp(s));
  EXPECT_EQ(eight.At(0, 1), MakePixel(0, 0, 0xFF));
  EXPECT_EQ(eight.At(1, 0), MakePixel(0, 0, 0xFF));
  EXPECT_EQ(eight.At(0, 0), 0u);
}

TEST(BmpCodec, SixteenBitFieldsAndZeroMasks) {
  BmpSpec s;
  s.width = 1;
  s.height = 1;
  s.bitCount = 16;
  s.pixels = {0x1F, 0x7C, 0, 0};  // 555: red full, blue full
  EXPECT_EQ(Decode(MakeBmp(s)).At(0, 0), MakePixel(0xFF, 0, 0xFF));

  s.compression = 3;
  s.masks = {0xF800, 0x07E0, 0x001F};  // 565
  s.pixels = {0xE0, 0x07, 0, 0};       // green full
  EXPECT_EQ(Decode(MakeBmp(s)).At(0, 0), MakePixel(0, 0xFF, 0));

  s.masks = {0, 0x07E0, 0};  // a zero mask is a zero channel
  s.pixels = {0xFF, 0xFF, 0, 0};
  EXPECT_EQ(Decode(MakeBmp(s)).At(0, 0), MakePixel(0, 0xFF, 0));

  s.bitCount = 32;
  s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
  s.pixels = {0x11, 0x22, 0x33, 0x44};
  EXPECT_EQ(Decode(MakeBmp(s)).At(0, 0), MakePixel(0x11, 0x22, 0x33));
}

TEST(BmpCodec, CoreHeaderWithThreeBytePalette) {
  Bytes b{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  PutU32(b, 12);
  PutU16(b, 2);
  PutU16(b, 1);
  PutU16(b, 1);
  PutU16(b, 1);
  b.insert(b.end(), {0, 0, 0, 0x30, 0x20, 0x10});  // two BGR entries
  b.insert(b.end(), {0x40, 0, 0, 0});
  TvxPixmap p = Decode(b);
  EXPECT_EQ(p.At(0, 0), 0u);
  EXPECT_EQ(p.At(1, 0), MakePixel(0x10, 0x20, 0x30));
}

TEST(BmpCodec, EndIsCountedNotTakenFromTheFileHeader) {
  BmpSpec s;
  s.width = 1;
  s.height = 1;
  s.fileSizeField = 100000;
  s.offBitsField = 9999;
  s.pixels = {1, 2, 3, 0};
  Bytes data = MakeBmp(s);
  const size_t bmpSize = data.size();
  data.insert(data.end(), {0xAB, 0xCD});
  TvxByteReader r(data);
  ReadBmp(r);
  EXPECT_EQ(r.Position(), bmpSize);
  EXPECT_EQ(r.ReadByte(), 0xAB);

  // An image size larger than the rows need is what the bitmap occupies.
  s.sizeImage = 8;
  s.pixels = {1, 2, 3, 0, 9, 9, 9, 9};
  data = MakeBmp(s);
  data.push_back(0xEE);
  TvxByteReader r2(data);
  ReadBmp(r2);
  EXPECT_EQ(r2.ReadByte(), 0xEE);
}

TEST(BmpCodec, LyingHeadersAreInvalidBitmaps) {
  auto fails = [](BmpSpec s) {
    Bytes b = MakeBmp(s);
    TvxByteReader r(b);
    EXPECT_THROW(ReadBmp(r), EvxInvalidBitmap);
  };
  BmpSpec ok;
  ok.pixels.assign(16, 0);
  { Bytes b = MakeBmp(ok); TvxByteReader r(b); EXPECT_NO_THROW(ReadBmp(r)); }

  BmpSpec s = ok;
  s.width = 0; fails(s);
  s.width = -3; fails(s);
  s = ok; s.height = 0; fails(s);
  s.height = INT32_MIN; fails(s);
  s = ok; s.bitCount = 7; fails(s);
  s = ok; s.headerSize = 20; fails(s);
  s = ok; s.compression = 1; s.bitCount = 8; s.palette.assign(256, 0); fails(s);  // run-length
  s = ok; s.compression = 3; fails(s);  // bit fields need 16 or 32 bits
  s = ok; s.bitCount = 1; s.clrUsed = 3; s.palette.assign(3, 0); fails(s);
  s = ok; s.bitCount = 8; s.clrUsed = 0; s.palette.assign(10, 0); fails(s);  // implied 256 entries missing
  s = ok; s.pixels.resize(15); fails(s);  // rows need 16 bytes
  s = ok; s.sizeImage = 4; fails(s);      // image size shorter than the rows
  s = ok; s.width = 20000; s.height = 1; fails(s);
  s = ok; s.width = 10000; s.height = -10000; fails(s);
  s = ok; s.width = 0x7FFFFFFF; s.height = 0x7FFFFFFF; fails(s);

  Bytes notBm = MakeBmp(ok);
  notBm[0] = 'X';
  TvxByteReader r(notBm);
  EXPECT_THROW(ReadBmp(r), EvxInvalidBitmap);
  Bytes tiny = {'B', 'M', 0};
  TvxByteReader r2(tiny);
  EXPECT_THROW(ReadBmp(r2), EvxInvalidBitmap);
}

TEST(BmpCodec, FilesWithAGapAreNormalisedForTheContainer) {
  BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bitCount = 8;
  s.clrUsed = 2;
  s.palette = {0x00FF00, 0x0000FF};
  s.offBitsField = 14 + 40 + 8 + 6;  // six bytes of gap before the pixels
  s.pixels = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 1, 0, 0, 0};
  Bytes file = MakeBmp(s);
  TvxByteReader r(file);
  TvxBmpInfo info = ReadBmpLayout(r, TvxBmpSource::File);
  Bytes normal = NormalizeBmp(file, info);
  TvxBmpInfo again;
  TvxPixmap p = Decode(normal, &again);
  EXPECT_EQ(again.totalBytes, normal.size());
  EXPECT_EQ(p.At(0, 0), MakePixel(0, 0, 0xFF));
  EXPECT_EQ(p.At(1, 0), MakePixel(0, 0xFF, 0));
}

}  // namespace
}  // namespace vx
