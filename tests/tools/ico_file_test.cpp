// The icon writer: the directory, the images' headers and the AND masks that
// shells without alpha use to cut the icon out.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "IcoFile.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }

iconart::IconImage Solid(int size, uint8_t alpha) {
  iconart::IconImage im;
  im.size = size;
  im.rgba.assign(size_t(size) * size * 4, 0);
  for (size_t i = 0; i < im.rgba.size(); i += 4) {
    im.rgba[i] = 10;
    im.rgba[i + 1] = 20;
    im.rgba[i + 2] = 30;
    im.rgba[i + 3] = alpha;
  }
  return im;
}

TEST(IcoFile, DirectoryPointsAtEachImageInOrder) {
  std::vector<uint8_t> ico = iconart::EncodeIco({Solid(16, 255), Solid(32, 255), Solid(48, 255)});
  EXPECT_EQ(U16(ico, 0), 0);
  EXPECT_EQ(U16(ico, 2), 1);
  ASSERT_EQ(U16(ico, 4), 3);
  size_t expectedOffset = 6 + 3 * 16;
  for (int i = 0; i < 3; ++i) {
    const size_t e = 6 + 16 * size_t(i);
    const int want = (i + 1) * 16;
    EXPECT_EQ(ico[e], want);
    EXPECT_EQ(ico[e + 1], want);
    EXPECT_EQ(U16(ico, e + 6), 32);
    const uint32_t bytes = U32(ico, e + 8), offset = U32(ico, e + 12);
    EXPECT_EQ(offset, expectedOffset);
    // Colour rows plus mask rows padded to 32 bits, after a 40-byte header.
    const size_t maskStride = ((size_t(want) + 31) / 32) * 4;
    EXPECT_EQ(bytes, 40 + size_t(want) * want * 4 + maskStride * want);
    ASSERT_LE(offset + bytes, ico.size());
    EXPECT_EQ(U32(ico, offset), 40u);
    EXPECT_EQ(U32(ico, offset + 4), uint32_t(want));
    EXPECT_EQ(U32(ico, offset + 8), uint32_t(2 * want));  // colour and mask rows
    expectedOffset += bytes;
  }
  EXPECT_EQ(expectedOffset, ico.size());
}

TEST(IcoFile, PixelsAreBgraBottomUpAndTheMaskCutsOutTransparentOnes) {
  iconart::IconImage im = Solid(16, 255);
  // Top-left pixel transparent, bottom-right pixel a distinct colour.
  im.rgba[3] = 0;
  uint8_t* last = &im.rgba[(15 * 16 + 15) * 4];
  last[0] = 1, last[1] = 2, last[2] = 3, last[3] = 200;
  std::vector<uint8_t> ico = iconart::EncodeIco({im});
  const size_t px = U32(ico, 6 + 12) + 40;
  // The first stored row is the bottom one: its last pixel is the distinct one.
  EXPECT_EQ(ico[px + 15 * 4 + 0], 3);
  EXPECT_EQ(ico[px + 15 * 4 + 1], 2);
  EXPECT_EQ(ico[px + 15 * 4 + 2], 1);
  EXPECT_EQ(ico[px + 15 * 4 + 3], 200);
  const size_t mask = px + 16 * 16 * 4;
  // Mask rows are bottom-up too, 4 bytes each for 16 pixels; only the top
  // row's first pixel is transparent.
  for (int row = 0; row < 15; ++row) EXPECT_EQ(ico[mask + 4 * size_t(row)], 0) << row;
  EXPECT_EQ(ico[mask + 4 * 15], 0x80);
  EXPECT_EQ(ico[mask + 4 * 15 + 1], 0);
}

TEST(IcoFile, RefusesImagesOfAWrongSize) {
  iconart::IconImage im = Solid(16, 255);
  im.rgba.pop_back();
  EXPECT_THROW(iconart::EncodeIco({im}), std::invalid_argument);
  EXPECT_THROW(iconart::EncodeIco({Solid(0, 255)}), std::invalid_argument);
  iconart::IconImage big;
  big.size = 257;
  big.rgba.assign(size_t(257) * 257 * 4, 0);
  EXPECT_THROW(iconart::EncodeIco({big}), std::invalid_argument);
}

}  // namespace
