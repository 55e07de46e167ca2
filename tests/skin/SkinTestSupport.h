// Building small skins in memory for the skin data tests, the fuzzer's seed
// corpus and the benchmarks.
#pragma once

#include <string>
#include <vector>

#include "vxBmpCodec.h"
#include "vxSkinContainer.h"
#include "vxSkinZlib.h"
#include "vxStoredSkin.h"

namespace vx::testing {

// A picture whose pixels depend on position, so decoding mistakes show.
inline TvxPixmap Gradient(int w, int h, int seed = 0) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakePixel((x * 7 + seed) & 255, (y * 13 + seed) & 255, (x + y + seed) & 255));
  return p;
}

// A raw bitmap with an info header, built field by field so tests can lie in it.
struct BmpSpec {
  int32_t width = 2, height = 2;
  uint16_t bitCount = 24;
  uint32_t compression = 0, sizeImage = 0, clrUsed = 0;
  uint32_t headerSize = 40;
  uint32_t fileSizeField = 0, offBitsField = 0;
  std::vector<uint32_t> masks;    // written after the header when not empty
  std::vector<uint32_t> palette;  // 4-byte entries
  Bytes pixels;                   // written as given
};

inline Bytes MakeBmp(const BmpSpec& s) {
  Bytes out{'B', 'M'};
  PutU32(out, s.fileSizeField);
  PutU32(out, 0);
  PutU32(out, s.offBitsField);
  PutU32(out, s.headerSize);
  PutI32(out, s.width);
  PutI32(out, s.height);
  PutU16(out, 1);
  PutU16(out, s.bitCount);
  PutU32(out, s.compression);
  PutU32(out, s.sizeImage);
  PutI32(out, 0);
  PutI32(out, 0);
  PutU32(out, s.clrUsed);
  PutU32(out, 0);
  for (uint32_t i = 40; i < s.headerSize; ++i) out.push_back(0);
  for (uint32_t m : s.masks) PutU32(out, m);
  for (uint32_t c : s.palette) PutU32(out, c);
  PutBytes(out, s.pixels);
  return out;
}

inline std::vector<std::string> Lines(const std::string& text) { return SplitSkinLines(text); }

// A definition with the given control and object entries ("name:type"), each
// with a section giving it a picture index and a skin rectangle.
inline std::string Definition(const std::vector<std::string>& controls, const std::vector<std::string>& objects = {},
                              const std::string& extra = "") {
  std::string t = "[VERSION]\r\nskinname=Test skin\r\nskinauthor=Kinopod\r\n[PICTURES]\r\npicture=main.bmp\r\n"
                  "inactivepicture=\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
                  "[FORMINFO]\r\nclientrect=3,26,282,207\r\n[SKINCOLORS]\r\ncbtnface=12345\r\n";
  t += "[SKINOBJECTS]\r\ncount=" + std::to_string(objects.size()) + "\r\n";
  for (size_t i = 0; i < objects.size(); ++i) t += std::to_string(i) + "=" + objects[i] + "\r\n";
  t += "[SKINCONTROLS]\r\ncount=" + std::to_string(controls.size()) + "\r\n";
  for (size_t i = 0; i < controls.size(); ++i) t += std::to_string(i) + "=" + controls[i] + "\r\n";
  for (const auto& e : controls) {
    std::string name = e.substr(0, e.find(':'));
    t += "[" + name + "]\r\npictureindex=1\r\nskinrect=0,0,10," + std::to_string(10 + name.size()) + "\r\n";
  }
  return t + extra;
}

inline TvxSkinContainerParts Parts(const std::string& definition) {
  TvxSkinContainerParts parts;
  parts.main = EncodeBmp(Gradient(28, 21), 24);
  parts.mask = EncodeBmp(Gradient(28, 21, 5), 24);
  parts.pictures = {EncodeBmp(Gradient(5, 4, 1), 24), EncodeBmp(Gradient(3, 7, 2), 32)};
  parts.definitionLines = Lines(definition);
  return parts;
}

inline TvxCompressedStoredSkin StoredSkin(const Bytes& container) {
  TvxCompressedStoredSkin skin;
  skin.SetCompressedData(DeflateSkin(container));
  return skin;
}

}  // namespace vx::testing
