#include "vxBmpCodec.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <string>

namespace vx {
namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;

[[noreturn]] void Invalid(const std::string& why) { throw EvxInvalidBitmap(why); }

bool SupportedInfoHeader(uint32_t size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }

// A channel of a bit-field mask scaled to 0..255; a zero mask reads as zero.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (m) {
      shift = std::countr_zero(m);
      max = m >> shift;
    }
  }
  int Get(uint32_t v) const { return mask ? static_cast<int>(((v & mask) >> shift) * 255u / max) : 0; }
};

}  // namespace

TvxBmpInfo ReadBmpLayout(TvxByteReader& r, TvxBmpSource source) {
  const size_t start = r.Position();
  TvxBmpInfo info;
  if (r.Remaining() < 14 + 12) Invalid("truncated header");
  if (r.ReadByte() != 'B' || r.ReadByte() != 'M') Invalid("no BM signature");
  r.ReadU32();  // file size: not trusted
  r.ReadU32();  // reserved
  const uint32_t offBits = r.ReadU32();
  info.headerSize = r.ReadU32();
  if (info.headerSize == 12) {
    info.width = r.ReadU16();
    info.height = r.ReadU16();
    r.ReadU16();  // planes
    info.bitCount = r.ReadU16();
    info.paletteEntrySize = 3;
    if (info.width <= 0 || info.height <= 0) Invalid("zero width or height");
    if (info.bitCount != 1 && info.bitCount != 4 && info.bitCount != 8 && info.bitCount != 24)
      Invalid("unsupported bit count " + std::to_string(info.bitCount));
  } else if (SupportedInfoHeader(info.headerSize)) {
    if (r.Remaining() < info.headerSize - 4) Invalid("truncated header");
    info.width = r.ReadI32();
    int32_t h = r.ReadI32();
    r.ReadU16();  // planes
    info.bitCount = r.ReadU16();
    info.compression = r.ReadU32();
    const uint32_t sizeImage = r.ReadU32();
    r.ReadI32();  // resolution
    r.ReadI32();
    const uint32_t clrUsed = r.ReadU32();
    r.ReadU32();  // important colours
    if (info.width <= 0) Invalid("width " + std::to_string(info.width));
    if (h == 0 || h == INT_MIN) Invalid("height " + std::to_string(h));
    info.topDown = h < 0;
    info.height = h < 0 ? -h : h;
    switch (info.bitCount) {
      case 1: case 4: case 8: case 16: case 24: case 32: break;
      default: Invalid("unsupported bit count " + std::to_string(info.bitCount));
    }
    if (info.compression == kBiBitFields) {
      if (info.bitCount != 16 && info.bitCount != 32) Invalid("bit fields need 16 or 32 bits per pixel");
    } else if (info.compression != kBiRgb) {
      Invalid("compression " + std::to_string(info.compression) + " is not supported");
    }
    if (info.headerSize > 40) {
      for (int i = 0; i < (info.headerSize >= 56 ? 4 : 3); ++i) info.masks[i] = r.ReadU32();
      r.Take(info.headerSize - 40 - (info.headerSize >= 56 ? 16 : 12));
    } else if (info.compression == kBiBitFields) {
      if (r.Remaining() < 12) Invalid("truncated colour masks");
      for (int i = 0; i < 3; ++i) info.masks[i] = r.ReadU32();
    }
    if (info.compression == kBiRgb && info.bitCount == 16) {
      info.masks[0] = 0x7C00, info.masks[1] = 0x03E0, info.masks[2] = 0x001F, info.masks[3] = 0;
    }
    if (clrUsed) {
      if (info.bitCount <= 8 && clrUsed > (1u << info.bitCount)) Invalid("colour table longer than the bit count allows");
      info.paletteEntries = clrUsed;
    }
    // The image size field, when set, says how many pixel bytes follow.
    info.pixelBytes = sizeImage;
  } else {
    Invalid("unsupported header size " + std::to_string(info.headerSize));
  }
  if (info.width > TvxBmpInfo::kMaxSide || info.height > TvxBmpInfo::kMaxSide ||
      int64_t{info.width} * info.height > TvxBmpInfo::kMaxPixels)
    Invalid("dimensions " + std::to_string(info.width) + "x" + std::to_string(info.height) + " are too large");
  if (info.paletteEntries == 0 && info.bitCount <= 8) info.paletteEntries = 1u << info.bitCount;

  const uint64_t paletteBytes = uint64_t{info.paletteEntries} * info.paletteEntrySize;
  if (paletteBytes > r.Remaining()) Invalid("colour table longer than the data");
  info.paletteOffset = r.Position() - start;
  r.Take(static_cast<size_t>(paletteBytes));

  // A bitmap file may leave a gap before its pixels; a container never does.
  if (source == TvxBmpSource::File && offBits >= r.Position() - start && offBits - (r.Position() - start) <= r.Remaining())
    r.Take(offBits - (r.Position() - start));
  info.pixelOffset = r.Position() - start;

  info.rowBytes = static_cast<size_t>((uint64_t{static_cast<uint32_t>(info.width)} * info.bitCount + 31) / 32 * 4);
  const uint64_t needed = uint64_t{info.rowBytes} * info.height;
  uint64_t count = info.pixelBytes ? info.pixelBytes : needed;
  count = std::min<uint64_t>(count, r.Remaining());
  if (count < needed) Invalid("pixel data shorter than its rows");
  info.pixelBytes = static_cast<size_t>(count);
  r.Take(info.pixelBytes);
  info.totalBytes = r.Position() - start;
  return info;
}

TvxPixmap DecodeBmp(ByteSpan bmp, const TvxBmpInfo& info) {
  TvxPixmap pic;
  if (!pic.Allocate(info.width, info.height)) Invalid("dimensions are too large");  // every pixel is written below
  Pixel palette[256] = {};
  const uint32_t usable = std::min<uint32_t>(info.paletteEntries, 256);
  for (uint32_t i = 0; i < usable && info.bitCount <= 8; ++i) {
    const uint8_t* e = bmp.data() + info.paletteOffset + size_t{i} * info.paletteEntrySize;
    palette[i] = MakePixel(e[2], e[1], e[0]);
  }
  const Channel red(info.masks[0]), green(info.masks[1]), blue(info.masks[2]), alpha(info.masks[3]);
  const int w = info.width;
  for (int y = 0; y < info.height; ++y) {
    const int srcRow = info.topDown ? y : info.height - 1 - y;
    const uint8_t* s = bmp.data() + info.pixelOffset + size_t(srcRow) * info.rowBytes;
    Pixel* d = pic.Row(y);
    switch (info.bitCount) {
      case 1:
        for (int x = 0; x < w; ++x) d[x] = palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < w; ++x) d[x] = palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
        break;
      case 8:
        for (int x = 0; x < w; ++x) d[x] = palette[s[x]];
        break;
      case 16:
        for (int x = 0; x < w; ++x) {
          uint32_t v = s[2 * x] | (s[2 * x + 1] << 8);
          d[x] = MakePixel(red.Get(v), green.Get(v), blue.Get(v), alpha.Get(v));
        }
        break;
      case 24: {
        int x = 0;
        if constexpr (std::endian::native == std::endian::little) {
          // Four bytes at a time while a fourth byte is there to read: the
          // hot loop of a skin load.
          for (; x + 1 < w; ++x, s += 3) {
            uint32_t v;
            std::memcpy(&v, s, 4);
            d[x] = v & 0x00FFFFFFu;
          }
        }
        for (; x < w; ++x, s += 3) d[x] = s[0] | (s[1] << 8) | (uint32_t(s[2]) << 16);
        break;
      }
      case 32:
        if (info.compression == kBiRgb) {
          std::memcpy(d, s, size_t(w) * 4);  // blue, green, red, alpha: the pixel layout itself
        } else {
          for (int x = 0; x < w; ++x, s += 4) {
            uint32_t v = s[0] | (s[1] << 8) | (uint32_t(s[2]) << 16) | (uint32_t(s[3]) << 24);
            d[x] = MakePixel(red.Get(v), green.Get(v), blue.Get(v), alpha.Get(v));
          }
        }
        break;
    }
  }
  return pic;
}

TvxPixmap ReadBmp(TvxByteReader& reader, TvxBmpInfo* info, TvxBmpSource source) {
  const size_t start = reader.Position();
  TvxBmpInfo layout = ReadBmpLayout(reader, source);
  TvxByteReader whole = reader;
  whole.Seek(start);
  TvxPixmap pic = DecodeBmp(whole.Take(layout.totalBytes), layout);
  if (info) *info = layout;
  return pic;
}

namespace {

void PutInfoHeader(Bytes& out, int32_t width, int32_t height, int bitCount, uint32_t compression, uint32_t sizeImage,
                   uint32_t clrUsed) {
  PutU32(out, 40);
  PutI32(out, width);
  PutI32(out, height);
  PutU16(out, 1);
  PutU16(out, static_cast<uint16_t>(bitCount));
  PutU32(out, compression);
  PutU32(out, sizeImage);
  PutI32(out, 2835);  // 72 dpi
  PutI32(out, 2835);
  PutU32(out, clrUsed);
  PutU32(out, 0);
}

void PutFileHeader(Bytes& out, uint32_t fileSize, uint32_t offBits) {
  out.push_back('B');
  out.push_back('M');
  PutU32(out, fileSize);
  PutU32(out, 0);
  PutU32(out, offBits);
}

}  // namespace

Bytes NormalizeBmp(ByteSpan bmp, const TvxBmpInfo& info) {
  const uint32_t masksBytes = info.compression == kBiBitFields ? 12 : 0;
  const uint32_t paletteBytes = info.paletteEntries * 4;
  const size_t rows = info.rowBytes * size_t(info.height);
  const uint32_t offBits = 14 + 40 + masksBytes + paletteBytes;
  Bytes out;
  out.reserve(offBits + rows);
  PutFileHeader(out, static_cast<uint32_t>(offBits + rows), offBits);
  // The colour table's length is written out even when it is implied, so the
  // counted layout and the header agree for every reader.
  PutInfoHeader(out, info.width, info.topDown ? -info.height : info.height, info.bitCount, info.compression,
                static_cast<uint32_t>(rows), info.bitCount <= 8 || info.paletteEntries ? info.paletteEntries : 0);
  for (uint32_t i = 0; i < masksBytes / 4; ++i) PutU32(out, info.masks[i]);
  for (uint32_t i = 0; i < info.paletteEntries; ++i) {
    const uint8_t* e = bmp.data() + info.paletteOffset + size_t{i} * info.paletteEntrySize;
    out.push_back(e[0]);
    out.push_back(e[1]);
    out.push_back(e[2]);
    out.push_back(0);
  }
  PutBytes(out, bmp.subspan(info.pixelOffset, rows));
  return out;
}

Bytes EncodeBmp(const TvxPixmap& picture, int bitCount) {
  if (bitCount != 24 && bitCount != 32) bitCount = 24;
  const int w = picture.Width(), h = picture.Height();
  const size_t rowBytes = (size_t(w) * bitCount + 31) / 32 * 4;
  const size_t rows = rowBytes * size_t(h);
  Bytes out;
  out.reserve(54 + rows);
  PutFileHeader(out, static_cast<uint32_t>(54 + rows), 54);
  PutInfoHeader(out, w, h, bitCount, kBiRgb, static_cast<uint32_t>(rows), 0);
  for (int y = h - 1; y >= 0; --y) {
    const Pixel* s = picture.Row(y);
    size_t rowStart = out.size();
    for (int x = 0; x < w; ++x) {
      out.push_back(static_cast<uint8_t>(PixelB(s[x])));
      out.push_back(static_cast<uint8_t>(PixelG(s[x])));
      out.push_back(static_cast<uint8_t>(PixelR(s[x])));
      if (bitCount == 32) out.push_back(static_cast<uint8_t>(PixelA(s[x])));
    }
    out.resize(rowStart + rowBytes, 0);
  }
  return out;
}

}  // namespace vx
