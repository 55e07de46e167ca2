// Writes the files the skinpack command-line test works on: a valid skin
// folder (pictures of every bit depth the program's skin uses) and a set of
// corrupt and hostile compressed skin files.
//
//   skin_fixtures DIR   ->  DIR/skin/definition.ini + BMPs, DIR/hostile/*.skn
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SkinTestSupport.h"

namespace fs = std::filesystem;
using namespace vx;
using namespace vx::testing;

namespace {

void Write(const fs::path& file, const Bytes& b) {
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
void Write(const fs::path& file, const std::string& s) { Write(file, Bytes(s.begin(), s.end())); }

Bytes Paletted(int w, int h, int bits) {
  BmpSpec s;
  s.width = w;
  s.height = h;
  s.bitCount = static_cast<uint16_t>(bits);
  for (int i = 0; i < (1 << bits); ++i) s.palette.push_back(static_cast<uint32_t>(i * 0x010203));
  const size_t row = (size_t(w) * bits + 31) / 32 * 4;
  for (size_t i = 0; i < row * h; ++i) s.pixels.push_back(static_cast<uint8_t>(i * 37));
  return MakeBmp(s);
}

Bytes SkinFile(const Bytes& container) { return MakeCompressedSkinStream(DeflateSkin(container)); }

// A skin whose frame values sit at the ends of the int range: the frame rules
// must answer on it without overflowing (checked under UBSan).
// Rectangle and point fields are unsigned in a skin; single numbers are signed.
Bytes ExtremeFrameSkin(const std::string& lo, const std::string& hi, const std::string& number) {
  const std::string point = hi + "," + hi, rect = lo + "," + lo + "," + hi + "," + hi;
  std::string formInfo = "[FORMINFO]\r\n";
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "hittestlefttoppoint",
                          "hittestrighttoppoint", "hittestleftbottompoint", "hittestrightbottompoint"})
    formInfo += std::string(key) + "=" + point + "\r\n";
  for (const char* key : {"clientrect", "maskrectarea", "buttonsrect", "captionrect"})
    formInfo += std::string(key) + "=" + rect + "\r\n";
  for (const char* key : {"buttonsoffset", "borderwidth", "formminwidth", "formminheight"})
    formInfo += std::string(key) + "=" + number + "\r\n";
  std::string objects;
  const std::pair<const char*, const char*> buttons[] = {
      {"closebutton", "cmclose"}, {"minbutton", "cmminimize"}, {"maxbutton", "cmmaximize"},
      {"sysmenubutton", "cmsysmenu"}, {"rollupbutton", "cmrollup"}};
  for (const auto& [name, command] : buttons)
    objects += "[" + std::string(name) + "]\r\nskinrectinapicture=0\r\nskinrect=" + rect + "\r\ncommand=" + command + "\r\n";
  objects += "[caption]\r\nskinrect=" + rect + "\r\n";
  std::string def = Definition({"button:button"},
                               {"closebutton:stdbutton", "minbutton:stdbutton", "maxbutton:stdbutton",
                                "sysmenubutton:stdbutton", "rollupbutton:stdbutton", "caption:caption"},
                               objects);
  const std::string plain = "[FORMINFO]\r\nclientrect=3,26,282,207\r\n";
  def.replace(def.find(plain), plain.size(), formInfo);
  return SkinFile(WriteSkinContainer(Parts(def)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_fixtures DIR\n");
    return 2;
  }
  const fs::path dir = argv[1];
  fs::create_directories(dir / "skin");
  fs::create_directories(dir / "hostile");
  fs::create_directories(dir / "odd");

  std::string def = Definition({"button:button", "toolpanel:panel", "toolbutton:button", "checkbox:checkradio", "tab:tab",
                                "edit:edit", "hupdown:updown"},
                               {"closebutton:stdbutton", "caption:caption"},
                               "[caption]\r\nhint=Title\r\nskinrect=5,4,280,20\r\nmorphkind=mkpush\r\n");
  Write(dir / "skin" / "definition.ini", def);
  Write(dir / "skin" / "main.bmp", EncodeBmp(Gradient(285, 210), 24));
  Write(dir / "skin" / "mask.bmp", Paletted(285, 210, 8));
  Write(dir / "skin" / "a.bmp", Paletted(44, 44, 4));
  Write(dir / "skin" / "b.bmp", Paletted(17, 15, 1));

  // Hostile files: each must be refused with one line, quickly, in little memory.
  const Bytes good = WriteSkinContainer(Parts(Definition({"button:button"})));
  Bytes z = DeflateSkin(good);
  Write(dir / "hostile" / "truncated-zlib.skn", MakeCompressedSkinStream(Bytes(z.begin(), z.begin() + z.size() / 2)));
  Bytes v4 = good;
  v4[0] = 4;
  Write(dir / "hostile" / "container-version-4.skn", SkinFile(v4));
  Bytes streamV4 = SkinFile(good);
  streamV4[0] = 4;
  Write(dir / "hostile" / "stream-version-4.skn", streamV4);
  Write(dir / "hostile" / "zip-bomb.skn", MakeCompressedSkinStream(DeflateSkin(Bytes(size_t(65) << 20, 0))));
  Write(dir / "hostile" / "empty.skn", Bytes{});
  Write(dir / "hostile" / "length-past-end.skn", Bytes{3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x78, 0xDA});

  BmpSpec huge;
  huge.width = 1 << 30;
  huge.height = 1 << 30;
  huge.pixels.assign(64, 0);
  Bytes hugeC{3, 0, 0, 0, 0};
  PutBytes(hugeC, MakeBmp(huge));
  Write(dir / "hostile" / "huge-bmp.skn", SkinFile(hugeC));

  BmpSpec claims;  // dimensions within the caps, bytes nowhere near
  claims.width = 16000;
  claims.height = 4000;
  claims.pixels.assign(1000, 0);
  Bytes claimsC{3, 0, 0, 0, 0};
  PutBytes(claimsC, MakeBmp(claims));
  Write(dir / "hostile" / "bmp-claims-more-pixels.skn", SkinFile(claimsC));

  Bytes countC{3, 0, 0, 0, 1, 1, 1};
  PutI32(countC, 0x7FFFFFFF);
  PutText(countC, "[VERSION]\r\n");
  Write(dir / "hostile" / "picture-count.skn", SkinFile(countC));

  // A small file declaring a million 1 x 1 pictures (inflating to just under
  // the stream limit): refused by the picture count rather than by memory.
  BmpSpec dot;
  dot.width = 1;
  dot.height = 1;
  dot.pixels.assign(4, 0);
  const Bytes dotBmp = MakeBmp(dot);
  Bytes manyC{3, 0, 0, 0, 1, 1, 1};
  PutI32(manyC, 1000000);
  manyC.reserve(manyC.size() + dotBmp.size() * 1000000);
  for (int i = 0; i < 1000000; ++i) PutBytes(manyC, dotBmp);
  PutText(manyC, "[VERSION]\r\n");
  Write(dir / "hostile" / "many-pictures.skn", SkinFile(manyC));

  Bytes listC{3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
  PutText(listC, "[SKINCONTROLS]\r\ncount=2147483647\r\n0=button:button\r\n[button]\r\nskinrect=1,1,5,5\r\n");
  Write(dir / "odd" / "list-count.skn", SkinFile(listC));

  BmpSpec rle;
  rle.bitCount = 8;
  rle.compression = 1;
  rle.palette.assign(256, 0);
  rle.pixels = {2, 1, 0, 0, 2, 1, 0, 1};
  Bytes rleC{3, 0, 0, 0, 0};
  PutBytes(rleC, MakeBmp(rle));
  Write(dir / "hostile" / "rle-picture.skn", SkinFile(rleC));

  Write(dir / "hostile" / "empty-rect.skn",
        SkinFile(WriteSkinContainer(Parts(Definition({"button:button"}, {}, "[button]\r\nskinrect=\r\n")))));
  Write(dir / "odd" / "frame-int-max.skn", ExtremeFrameSkin("2147483647", "2147483647", "2147483647"));
  Write(dir / "odd" / "frame-int-min.skn", ExtremeFrameSkin("0", "0", "-2147483648"));
  Write(dir / "odd" / "frame-int-span.skn", ExtremeFrameSkin("0", "2147483647", "2147483647"));
  Write(dir / "odd" / "frame-int-inside-out.skn", ExtremeFrameSkin("2147483647", "0", "-2147483648"));
  // Picture names Windows cannot take: device names, and names differing only by case.
  std::string names = Definition({"button:button"});
  const std::string plainNames = "picture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n";
  names.replace(names.find(plainNames), plainNames.size(),
                "picture=picture0.bmp\r\ninactivepicture=\r\nmask=NUL\r\nactivepicturescount=2\r\n0=com3.bmp\r\n1=Picture0.BMP\r\n");
  Write(dir / "odd" / "names.skn", SkinFile(WriteSkinContainer(Parts(names))));
  Write(dir / "hostile" / "not-zlib.skn", MakeCompressedSkinStream(Bytes{'h', 'e', 'l', 'l', 'o'}));
  return 0;
}
