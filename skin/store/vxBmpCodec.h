// The BMP codec of the skin container.
//
// A skin container stores each picture as a complete bitmap file image with
// no length in front, so a reader finds where a bitmap ends by counting its
// parts: file header, info header, bit-field masks, colour table, pixel rows.
// The file header's size and pixel-offset fields are not trusted there.
//
// Bitmaps are untrusted input. Every header is checked before anything is
// allocated: the dimensions are capped, sizes are computed in 64 bits, the
// colour table and the rows must fit in the bytes that are there. Palettes
// decode through a zero-filled 256-entry table, and a zero bit-field mask
// gives a zero channel. Run-length-compressed bitmaps are not decoded.
#pragma once

#include <cstdint>

#include "vxByteStream.h"
#include "vxPixmap.h"

namespace vx {

struct TvxBmpInfo {
  static constexpr int kMaxSide = 16384;
  static constexpr int64_t kMaxPixels = int64_t{1} << 26;

  int32_t width = 0;
  int32_t height = 0;  // absolute
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = 0;  // 0 plain, 3 bit fields
  uint32_t headerSize = 0;   // 12 (core) or 40 and its later extensions
  uint32_t masks[4] = {};    // red, green, blue, alpha (16/32-bit)
  uint32_t paletteEntries = 0;
  uint32_t paletteEntrySize = 4;
  // Offsets from the start of the bitmap ("BM").
  size_t paletteOffset = 0;
  size_t pixelOffset = 0;
  size_t rowBytes = 0;
  size_t pixelBytes = 0;  // the bytes the pixel data occupies (at least rowBytes * height)
  size_t totalBytes = 0;  // where the bitmap ends, counted
};

enum class TvxBmpSource {
  Container,  // pixels follow the colour table directly; the end is counted
  File,       // a bitmap file: the pixel offset field is honoured when sane
};

// Reads and checks the headers at the reader's position and leaves the reader
// at the bitmap's end. Throws EvxInvalidBitmap.
TvxBmpInfo ReadBmpLayout(TvxByteReader& reader, TvxBmpSource source = TvxBmpSource::Container);
// Decodes a bitmap whose layout was read from `bmp` (which starts at "BM").
TvxPixmap DecodeBmp(ByteSpan bmp, const TvxBmpInfo& info);
// Reads one bitmap at the reader's position; `info` receives its layout.
TvxPixmap ReadBmp(TvxByteReader& reader, TvxBmpInfo* info = nullptr, TvxBmpSource source = TvxBmpSource::Container);

// The same bitmap in the layout a container needs: 40-byte info header, masks,
// colour table, then exactly the rows; file header fields consistent.
Bytes NormalizeBmp(ByteSpan bmp, const TvxBmpInfo& info);
// A bottom-up 24- or 32-bit bitmap file image of the picture.
Bytes EncodeBmp(const TvxPixmap& picture, int bitCount = 24);

}  // namespace vx
