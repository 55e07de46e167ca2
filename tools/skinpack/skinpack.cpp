// skinpack: builds, inspects and takes apart compressed skin files.
//
//   skinpack build DIR/definition.ini -o FILE   pack a skin folder (compressed skin file)
//   skinpack info FILE [--raw]                  load a skin and summarise it (--raw: FILE is
//                                               a bare zlib stream, as a form carries it)
//   skinpack dump FILE NAME [--raw]             one record's keys, written back by the record
//   skinpack unpack FILE DIR [--raw]            the definition text and every picture as BMP
//   skinpack render FILE NAME W H OUT.bmp [--state S] [--raw]
//                                  a control record's image at W x H in one of its looks
//                                  (normal, hot, down, disabled, focused)
//   skinpack frame FILE W H [--icons LIST] [--raw]  client area, caption and frame objects
//                                               of a W x H window (LIST: minimize,maximize,
//                                               sysmenu,rollup,tray; default minimize,rollup)
//   skinpack frame FILE W H --render OUT.bmp [--inactive]  the frame as the program paints it
//                                  [--quick N [--quick-hot I]]  with N sample quick buttons on the
//                                  caption, button I hot
//   skinpack hittest FILE W H X Y [--icons LIST] [--raw]  the hit-test code of a point
//   skinpack region FILE W H [--icons LIST] [--raw]  the window region, one rect per line
//   skinpack hint FILE TEXT OUT.bmp [--text-size W H] [--raw]
//                                  the skinned hint window for TEXT ("@" starts a line);
//                                  the text's extent is estimated unless given
//   skinpack menu FILE OUT.bmp [ITEM ...] [--raw]  a popup menu window as the program paints
//                                               it, the first command highlighted (ITEM:
//                                               "caption" or "caption|shortcut", "-" a line;
//                                               none: the program's system menu); texts are
//                                               left out and measured 7 pixels a character
//
// Every failure is one line on stderr and a non-zero exit: skin files come
// from anywhere, and authors need to see what is wrong with theirs.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FramePreview.h"
#include "HintPreview.h"
#include "MenuPaint.h"
#include "SystemMenu.h"
#include "SkinRender.h"
#include "vxBmpCodec.h"
#include "vxSkinContainer.h"
#include "vxSkinData.h"
#include "vxSkinZlib.h"
#include "vxStoredSkin.h"

namespace fs = std::filesystem;
using namespace vx;

namespace {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr const char* kUsage =
    "usage: skinpack build DIR/definition.ini -o FILE | info FILE [--raw] | dump FILE NAME [--raw] | "
    "unpack FILE DIR [--raw] | render FILE NAME W H OUT.bmp [--state S] [--raw] | frame FILE W H [--icons LIST] [--raw] | "
    "hittest FILE W H X Y [--icons LIST] [--raw] | hint FILE TEXT OUT.bmp [--text-size W H] [--raw] | "
    "menu FILE OUT.bmp [ITEM ...] [--raw]";

void WriteFile(const fs::path& file, ByteSpan bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    throw EvxStreamError("cannot write file " + file.string());
}

// The stored skin in FILE: a compressed skin file, or with --raw the zlib stream alone.
TvxCompressedStoredSkin LoadStoredSkin(const fs::path& file, bool raw) {
  TvxCompressedStoredSkin skin;
  Bytes bytes = ReadFileBytes(file, kMaxCompressedSkinFileBytes + 8);
  if (raw) {
    skin.SetCompressedData(std::move(bytes));
  } else {
    TvxByteReader r(bytes);
    const int32_t version = r.ReadI32();
    if (version > 3) throw EvxSkinError("unsupported compressed skin stream version " + std::to_string(version));
    skin.LoadFromStream(bytes);
  }
  if (skin.IsEmpty()) throw EvxSkinError("the file holds no compressed skin bytes");
  return skin;
}

std::string Size(const TvxPixmap& p) { return std::to_string(p.Width()) + "x" + std::to_string(p.Height()); }

int Build(const std::vector<std::string>& args) {
  if (args.size() != 3 || args[1] != "-o") throw UsageError(kUsage);
  const fs::path definition = fs::u8path(args[0]);
  const fs::path output = fs::u8path(args[2]);
  size_t files = 0;
  Bytes container = BuildSkinContainer(definition, [&](const std::string& name) {
    std::fprintf(stderr, "skinpack: reading %s\n", name.c_str());
    ++files;
  });
  Bytes compressed = DeflateSkin(container);
  WriteFile(output, MakeCompressedSkinStream(compressed));
  std::printf("built %s: %zu pictures, container %zu bytes, compressed %zu bytes\n", output.string().c_str(), files,
              container.size(), compressed.size());
  return 0;
}

int Info(const std::vector<std::string>& args, bool raw) {
  if (args.size() != 1) throw UsageError(kUsage);
  TvxCompressedStoredSkin skin = LoadStoredSkin(fs::u8path(args[0]), raw);
  TvxSkinData data;
  data.LoadCompressedStoredSkin(skin);
  const TvxSkinLoadFacts& f = data.LoadFacts();
  std::printf("version: %d\n", f.containerVersion);
  std::printf("container-bytes: %zu\n", f.containerBytes);
  std::printf("main-picture: %s\n", Size(data.MainPicture).c_str());
  std::printf("inactive-picture: %s\n", Size(data.InactivePicture).c_str());
  std::printf("mask: %s\n", Size(data.MaskPicture).c_str());
  std::printf("pictures: %zu\n", data.PictureList.size());
  for (size_t i = 0; i < data.PictureList.size(); ++i)
    std::printf("picture[%zu]: %s %d\n", i, Size(data.PictureList[i]).c_str(), f.pictureBitCounts[i]);
  std::printf("sections: %zu\n", f.sectionCount);
  std::printf("objects: %zu\n", data.ObjectRecords.size());
  std::printf("controls: %zu\n", data.ControlRecords.size());
  for (const auto& r : data.ControlRecords) std::printf("control: %s %s\n", r->Name.c_str(), r->TypeName.c_str());
  for (const auto& r : data.ObjectRecords) std::printf("object: %s %s\n", r->Name.c_str(), r->TypeName.c_str());
  return 0;
}

int Dump(const std::vector<std::string>& args, bool raw) {
  if (args.size() != 2) throw UsageError(kUsage);
  TvxCompressedStoredSkin skin = LoadStoredSkin(fs::u8path(args[0]), raw);
  TvxSkinData data;
  data.LoadCompressedStoredSkin(skin);
  const std::string& name = args[1];
  const TvxSkinRecord* record = data.ControlRecord(data.GetControlIndex(name));
  if (!record) record = data.ObjectRecord(data.GetObjectIndex(name));
  for (const TvxSkinRecord* w : {&data.FormInfo(), &data.PopupWindow(), &data.LayerFrame(), &data.HintWindow()})
    if (!record && w->Name == name) record = w;
  TvxSkinIni out;
  if (record) {
    record->SaveToIni(out, record->Name);
    if (out.SectionCount() == 0) out.WriteString(record->Name, "", "");  // a record without keys still shows its header
  } else if (name == "SKINCOLORS") {
    data.SkinColors.SaveToIni(out);
  } else {
    throw EvxSkinError("the skin has no record named " + name);
  }
  std::string text = out.ToText();
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

// Picture names come from the skin, which may be hostile: only plain file
// names are used as they stand, anything else gets a name of our own. The
// rules are Windows' on every build, so an unpacked folder works there too.
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// CON, NUL, COM1 ... name devices on Windows, with any extension.
bool DeviceName(const std::string& name) {
  std::string stem = Lower(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
  return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// Why a name cannot be used as it stands, or nullptr when it can.
const char* UnusableFileName(const std::string& name) {
  if (name.empty() || name.size() > 100 || name[0] == '.') return "is not a plain file name";
  for (char c : name)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-' || c == ' '))
      return "is not a plain file name";
  if (name.back() == '.' || name.back() == ' ') return "ends in a dot or a blank";
  if (DeviceName(name)) return "is a reserved device name on Windows";
  return nullptr;
}

int Unpack(const std::vector<std::string>& args, bool raw) {
  if (args.size() != 2) throw UsageError(kUsage);
  TvxCompressedStoredSkin skin = LoadStoredSkin(fs::u8path(args[0]), raw);
  const Bytes inflated = skin.Decompress();
  const TvxSkinContainer c = ReadSkinContainer(inflated, false);
  const TvxSkinIni ini = TvxSkinIni::Parse(c.definition);
  const fs::path dir = fs::u8path(args[1]);
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir)) throw EvxStreamError("cannot create folder " + dir.string());

  // Names in use, lower-cased: on Windows names that differ only by case are one file.
  std::set<std::string> used = {"definition.ini"};
  size_t written = 0;
  auto put = [&](const TvxContainerPicture& p, std::string name, std::string fallback) {
    if (!p.present) return;
    const char* why = UnusableFileName(name);
    if (!why && used.count(Lower(name))) why = "is already taken (names differing only by case are one file)";
    if (why) {
      const std::string stem = fallback.substr(0, fallback.rfind('.'));
      for (int n = 2; used.count(Lower(fallback)); ++n) fallback = stem + "-" + std::to_string(n) + ".bmp";
      if (!name.empty())
        std::fprintf(stderr, "skinpack: picture \"%s\" %s: written as %s\n", name.c_str(), why, fallback.c_str());
      name = fallback;
    }
    used.insert(Lower(name));
    WriteFile(dir / name, NormalizeBmp(ByteSpan(inflated).subspan(p.offset, p.info.totalBytes), p.info));
    ++written;
  };
  put(c.main, ini.ReadString("PICTURES", "picture", ""), "picture.bmp");
  put(c.inactive, ini.ReadString("PICTURES", "inactivepicture", ""), "inactivepicture.bmp");
  put(c.mask, ini.ReadString("PICTURES", "mask", ""), "mask.bmp");
  for (size_t i = 0; i < c.pictures.size(); ++i)
    put(c.pictures[i], ini.ReadString("PICTURES", std::to_string(i), ""), "picture" + std::to_string(i) + ".bmp");
  WriteFile(dir / "definition.ini", ByteSpan(reinterpret_cast<const uint8_t*>(c.definition.data()), c.definition.size()));
  std::printf("unpacked %zu pictures and definition.ini into %s\n", written, dir.string().c_str());
  return 0;
}

// --state NAME, taken out of the arguments; the normal look by default.
TvxControlState TakeState(std::vector<std::string>& args) {
  TvxControlState state = TvxControlState::normal;
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--state") continue;
    if (it + 1 == args.end() || !ParseControlState(*(it + 1), state))
      throw UsageError("skinpack render: --state takes normal, hot, down, disabled or focused");
    args.erase(it, it + 2);
    break;
  }
  return state;
}

int Render(std::vector<std::string> args, bool raw) {
  const TvxControlState state = TakeState(args);
  if (args.size() != 5) throw UsageError(kUsage);
  int size[2];
  for (int i = 0; i < 2; ++i) {
    int32_t v = 0;
    if (!TryStrToInt(args[2 + i], v) || v < 1 || v > kMaxRenderSide)
      throw UsageError("skinpack render: width and height must be 1 to " + std::to_string(kMaxRenderSide));
    size[i] = v;
  }
  TvxCompressedStoredSkin skin = LoadStoredSkin(fs::u8path(args[0]), raw);
  TvxSkinData data;
  data.LoadCompressedStoredSkin(skin);
  const auto* record = dynamic_cast<const TvxDataSkinCustomControl*>(data.FindControl(args[1]));
  if (!record) {
    if (data.FindControl(args[1])) throw EvxSkinError(args[1] + " is not drawn by the custom-control rules");
    throw EvxSkinError("the skin has no control record named " + args[1]);
  }
  TvxRenderResult r = RenderControlRecord(data, *record, size[0], size[1], state);
  WriteFile(fs::u8path(args[4]), EncodeBmp(r.image, 24));
  std::printf("rendered %s at %dx%d (sizing mode %d)\n", args[1].c_str(), r.image.Width(), r.image.Height(),
              r.sizingMode);
  return 0;
}

// --icons LIST, taken out of the arguments; the program's forms by default.
frame::TvxBorderIcons TakeIcons(std::vector<std::string>& args) {
  frame::TvxBorderIcons icons = frame::kProgramBorderIcons;
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--icons") continue;
    if (it + 1 == args.end()) throw UsageError("skinpack: --icons needs a list");
    auto parsed = frame::ParseBorderIcons(*(it + 1));
    if (!parsed) throw UsageError("skinpack: --icons takes minimize,maximize,sysmenu,rollup,tray");
    icons = *parsed;
    args.erase(it, it + 2);
    break;
  }
  return icons;
}

// W H (and X Y) of the frame previews.
std::vector<int> Numbers(const std::vector<std::string>& args, size_t from, size_t count, int low, int high,
                         const char* what) {
  std::vector<int> values;
  for (size_t i = from; i < from + count; ++i) {
    int32_t v = 0;
    if (!TryStrToInt(args[i], v) || v < low || v > high)
      throw UsageError(std::string("skinpack: ") + what + " must be " + std::to_string(low) + " to " +
                       std::to_string(high));
    values.push_back(v);
  }
  return values;
}

// A flag taken out of the arguments.
bool TakeFlag(std::vector<std::string>& args, const char* flag) {
  auto it = std::find(args.begin(), args.end(), flag);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

// --render OUT.bmp, taken out of the arguments; empty when absent.
std::string TakeRender(std::vector<std::string>& args) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--render") continue;
    if (it + 1 == args.end()) throw UsageError("skinpack frame: --render needs a file");
    std::string out = *(it + 1);
    args.erase(it, it + 2);
    return out;
  }
  return {};
}

// Texts take room but are not drawn: the platform draws them in the program.
class BlankMenuText : public frame::MenuTextPainter {
 public:
  int Width(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
  void Draw(TvxPixmap&, const frame::Rect&, const std::string&, Pixel, frame::TextAlign, bool) override {}
};

int Menu(std::vector<std::string> args, bool raw) {
  if (args.size() < 2) throw UsageError(kUsage);
  constexpr size_t kMaxItems = 1000;
  if (args.size() - 2 > kMaxItems) throw UsageError("skinpack menu: at most 1000 items");
  frame::MenuItem root;
  if (args.size() == 2) {
    frame::SystemMenuState st;
    st.icons = frame::kProgramBorderIcons;
    root = frame::BuildDefaultSystemMenu(st);
  }
  for (size_t i = 2; i < args.size(); ++i) {
    frame::MenuItem item;
    const size_t bar = args[i].find('|');
    item.caption = args[i].substr(0, bar);
    if (bar != std::string::npos) item.shortcut = args[i].substr(bar + 1);
    root.items.push_back(item);
  }
  TvxSkinData data;
  data.LoadCompressedStoredSkin(LoadStoredSkin(fs::u8path(args[0]), raw));
  BlankMenuText text;
  const TvxPixmap image = frame::RenderPopupPreview(data, root, text);
  if (image.Empty()) throw EvxSkinError("the menu cannot be drawn");
  WriteFile(fs::u8path(args[1]), EncodeBmp(image, 24));
  std::printf("rendered the menu at %dx%d\n", image.Width(), image.Height());
  return 0;
}

// --quick N and --quick-hot I, taken out of the arguments; -1 when absent.
int TakeNumber(std::vector<std::string>& args, const char* option, int low, int high) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != option) continue;
    if (it + 1 == args.end()) throw UsageError(std::string("skinpack frame: ") + option + " needs a number");
    const int value = Numbers(args, static_cast<size_t>(it + 1 - args.begin()), 1, low, high, option)[0];
    args.erase(it, it + 2);
    return value;
  }
  return -1;
}

// --text-size W H, taken out of the arguments.
std::optional<std::pair<int, int>> TakeTextSize(std::vector<std::string>& args) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--text-size") continue;
    if (args.end() - it < 3) throw UsageError("skinpack hint: --text-size needs a width and a height");
    const std::vector<std::string> wh(it + 1, it + 3);
    const std::vector<int> size = Numbers(wh, 0, 2, 0, frame::kMaxHintSide, "text width and height");
    args.erase(it, it + 3);
    return std::pair{size[0], size[1]};
  }
  return std::nullopt;
}

int Hint(std::vector<std::string> args, bool raw) {
  const auto textSize = TakeTextSize(args);
  if (args.size() != 3) throw UsageError(kUsage);
  TvxSkinData data;
  data.LoadCompressedStoredSkin(LoadStoredSkin(fs::u8path(args[0]), raw));
  if (data.Empty()) throw EvxSkinError("the skin is empty");
  const frame::HintPreview p = frame::RenderHintPreview(data, args[1], "@", textSize);
  WriteFile(fs::u8path(args[2]), EncodeBmp(p.image, 24));
  const PixRect& t = p.geometry.textRect;
  std::printf("rendered a hint of %d line%s at %dx%d, text box %d,%d,%d,%d\n", p.lines, p.lines == 1 ? "" : "s",
              p.geometry.width, p.geometry.height, t.left, t.top, t.right, t.bottom);
  return 0;
}

int Frame(std::vector<std::string> args, bool raw) {
  const frame::TvxBorderIcons icons = TakeIcons(args);
  const std::string render = TakeRender(args);
  const bool inactive = TakeFlag(args, "--inactive");
  const int quick = TakeNumber(args, "--quick", 1, 32);
  const int quickHot = TakeNumber(args, "--quick-hot", 0, 31);
  if (args.size() != 3) throw UsageError(kUsage);
  if (inactive && render.empty()) throw UsageError("skinpack frame: --inactive goes with --render");
  if (quick > 0 && render.empty()) throw UsageError("skinpack frame: --quick goes with --render");
  if (quickHot >= 0 && (quick < 0 || quickHot >= quick))
    throw UsageError("skinpack frame: --quick-hot names one of the --quick buttons");
  const std::vector<int> size = Numbers(args, 1, 2, 1, kMaxRenderSide, "width and height");
  TvxSkinData data;
  data.LoadCompressedStoredSkin(LoadStoredSkin(fs::u8path(args[0]), raw));
  if (data.Empty()) throw EvxSkinError("the skin is empty");
  if (!render.empty()) {
    const TvxPixmap image =
        quick > 0 ? frame::RenderQuickButtonsPreview(data, size[0], size[1], icons, inactive, quick, quickHot)
                  : frame::RenderFramePreview(data, size[0], size[1], icons, inactive);
    if (image.Empty()) throw EvxSkinError("the frame cannot be drawn at that size");
    WriteFile(fs::u8path(render), EncodeBmp(image, 24));
    std::printf("rendered the %s frame at %dx%d\n", inactive ? "inactive" : "active", size[0], size[1]);
    return 0;
  }
  frame::PrintFramePreview(stdout, data, size[0], size[1], icons);
  return 0;
}

int Region(std::vector<std::string> args, bool raw) {
  const frame::TvxBorderIcons icons = TakeIcons(args);
  if (args.size() != 3) throw UsageError(kUsage);
  const std::vector<int> size = Numbers(args, 1, 2, 1, kMaxRenderSide, "width and height");
  TvxSkinData data;
  data.LoadCompressedStoredSkin(LoadStoredSkin(fs::u8path(args[0]), raw));
  if (data.Empty()) throw EvxSkinError("the skin is empty");
  for (const frame::Rect& r : frame::FrameRegionPreview(data, size[0], size[1], icons))
    std::printf("rect %d,%d,%d,%d\n", r.Left, r.Top, r.Right, r.Bottom);
  return 0;
}

int HitTest(std::vector<std::string> args, bool raw) {
  const frame::TvxBorderIcons icons = TakeIcons(args);
  if (args.size() != 5) throw UsageError(kUsage);
  const std::vector<int> size = Numbers(args, 1, 2, 1, kMaxRenderSide, "width and height");
  const std::vector<int> point = Numbers(args, 3, 2, -kMaxRenderSide, kMaxRenderSide, "x and y");
  TvxSkinData data;
  data.LoadCompressedStoredSkin(LoadStoredSkin(fs::u8path(args[0]), raw));
  if (data.Empty()) throw EvxSkinError("the skin is empty");
  std::printf("%s\n", frame::HitCodeName(frame::FrameHitTestPreview(data, size[0], size[1], point[0], point[1], icons)));
  return 0;
}

int Run(std::vector<std::string> args) {
  if (args.empty()) throw UsageError(kUsage);
  const std::string command = args[0];
  args.erase(args.begin());
  bool raw = false;
  for (auto it = args.begin(); it != args.end();) {
    if (*it == "--raw") {
      raw = true;
      it = args.erase(it);
    } else {
      ++it;
    }
  }
  if (command == "build") return Build(args);
  if (command == "info") return Info(args, raw);
  if (command == "dump") return Dump(args, raw);
  if (command == "unpack") return Unpack(args, raw);
  if (command == "render") return Render(args, raw);
  if (command == "frame") return Frame(args, raw);
  if (command == "hittest") return HitTest(args, raw);
  if (command == "region") return Region(args, raw);
  if (command == "hint") return Hint(args, raw);
  if (command == "menu") return Menu(args, raw);
  throw UsageError(kUsage);
}

int Main(std::vector<std::string> args) {
  try {
    return Run(std::move(args));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "skinpack: out of memory\n");
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so file names in any script reach the file system intact.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::u8string u8 = fs::path(argv[i]).u8string();
    args.emplace_back(u8.begin(), u8.end());
  }
  return Main(std::move(args));
}
#else
int main(int argc, char** argv) { return Main(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
