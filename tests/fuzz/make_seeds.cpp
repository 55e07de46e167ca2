// Writes the fuzzer's seed corpus (committed in seeds/; rerun only to refresh it).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SkinTestSupport.h"

using namespace vx;
using namespace vx::testing;

namespace {

void Seed(const std::filesystem::path& dir, const char* name, uint8_t mode, const Bytes& body) {
  Bytes b{mode};
  PutBytes(b, body);
  std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes Paletted(int w, int h, int bits, uint32_t compression = 0) {
  BmpSpec s;
  s.width = w;
  s.height = h;
  s.bitCount = static_cast<uint16_t>(bits);
  s.compression = compression;
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) s.palette.push_back(static_cast<uint32_t>(i * 0x030507));
  if (compression == 3) s.masks = {0xF800, 0x07E0, 0x001F};
  s.pixels.assign((size_t(w) * bits + 31) / 32 * 4 * h, 0x5A);
  return MakeBmp(s);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  std::string def = Definition({"button:button", "panel:panel", "tab:tab"}, {"closebutton:stdbutton", "caption:caption"},
                               "[caption]\r\nfontstyle=fsbold\r\nalignment=taleftjustify\r\nmorphkind=mkpush\r\n"
                               "[LAYERFRAME]\r\npictureindex=0\r\nclientrect=1,2,3,4\r\n");
  TvxSkinContainerParts parts;
  parts.main = Paletted(6, 5, 8);
  parts.mask = Paletted(6, 5, 1);
  parts.pictures = {Paletted(3, 3, 4), EncodeBmp(Gradient(2, 2), 24), EncodeBmp(Gradient(2, 3), 32), Paletted(2, 2, 16, 3)};
  parts.definitionLines = Lines(def);
  Bytes full = WriteSkinContainer(parts);
  Seed(dir, "full-container", 0, full);
  Seed(dir, "full-zlib", 1, DeflateSkin(full));

  Bytes v2 = full;
  v2[0] = 2;
  Bytes extra{0};
  PutBytes(extra, Paletted(2, 2, 1));
  extra.push_back(1);
  const size_t afterMask = 4 + 1 + parts.main.size() + 1 + 1 + parts.mask.size();
  v2.insert(v2.begin() + afterMask, extra.begin(), extra.end());
  Seed(dir, "version-2", 0, v2);

  TvxSkinContainerParts textOnly;
  textOnly.definitionLines = Lines(def);
  Seed(dir, "text-only", 0, WriteSkinContainer(textOnly));
  return 0;
}
