#include "vxSkinContainer.h"

#include <fstream>
#include <iterator>

#include "vxSkinReaders.h"

namespace vx {
namespace {

// A file header plus the smallest info header: the least a bitmap can occupy.
constexpr size_t kMinBmpBytes = 14 + 12;

class PixelBudget {
 public:
  void Spend(const TvxBmpInfo& info) {
    spent_ += int64_t{info.width} * info.height;
    if (spent_ > kMaxSkinPixels) throw EvxInvalidBitmap("the skin's pictures are too large altogether");
  }

 private:
  int64_t spent_ = 0;
};

// Only the layout: pixels are decoded once every header has been checked and
// the whole container is known to fit the budget.
void ReadPicture(TvxByteReader& r, PixelBudget& budget, TvxContainerPicture& out) {
  out.offset = r.Position();
  out.info = ReadBmpLayout(r, TvxBmpSource::Container);
  out.present = true;
  budget.Spend(out.info);
}

void ReadFlaggedPicture(TvxByteReader& r, PixelBudget& budget, TvxContainerPicture& out) {
  if (r.ReadByte() != 0) return;  // any non-zero flag: absent, nothing follows
  ReadPicture(r, budget, out);
}

void Decode(ByteSpan all, TvxContainerPicture& p) {
  if (p.present) p.picture = DecodeBmp(all.subspan(p.offset, p.info.totalBytes), p.info);
}

void PutFlaggedPicture(Bytes& out, const Bytes& bmp) {
  out.push_back(bmp.empty() ? 1 : 0);
  PutBytes(out, bmp);
}

}  // namespace

TvxSkinContainer ReadSkinContainer(ByteSpan container, bool decode) {
  TvxByteReader r(container);
  TvxSkinContainer c;
  c.bytes = container.size();
  c.version = r.ReadI32();
  if (c.version >= 4) throw EvxSkinError("unsupported skin container version " + std::to_string(c.version));
  PixelBudget budget;
  ReadFlaggedPicture(r, budget, c.main);
  ReadFlaggedPicture(r, budget, c.inactive);
  ReadFlaggedPicture(r, budget, c.mask);
  if (c.version == 2) {
    TvxContainerPicture dropped;
    ReadFlaggedPicture(r, budget, dropped);
    ReadFlaggedPicture(r, budget, dropped);
  }
  const int32_t count = r.ReadI32();
  if (count > 0) {
    if (count > kMaxSkinPictures)
      throw EvxStreamError("picture count " + std::to_string(count) + " is over the limit of " +
                           std::to_string(kMaxSkinPictures) + " pictures");
    if (uint64_t(count) * kMinBmpBytes > r.Remaining())
      throw EvxStreamError("picture count " + std::to_string(count) + " does not fit in the container");
    c.pictures.resize(size_t(count));
    for (auto& p : c.pictures) ReadPicture(r, budget, p);
  }
  ByteSpan text = r.Rest();
  c.definition.assign(text.begin(), text.end());
  if (decode) {
    Decode(container, c.main);
    Decode(container, c.inactive);
    Decode(container, c.mask);
    for (auto& p : c.pictures) Decode(container, p);
  }
  return c;
}

Bytes WriteSkinContainer(const TvxSkinContainerParts& parts) {
  Bytes out;
  size_t total = 64 + parts.main.size() + parts.inactive.size() + parts.mask.size();
  for (const auto& p : parts.pictures) total += p.size();
  for (const auto& l : parts.definitionLines) total += l.size() + 2;
  out.reserve(total);
  PutI32(out, kSkinContainerVersion);
  PutFlaggedPicture(out, parts.main);
  PutFlaggedPicture(out, parts.inactive);
  PutFlaggedPicture(out, parts.mask);
  PutI32(out, static_cast<int32_t>(parts.pictures.size()));
  for (const auto& p : parts.pictures) PutBytes(out, p);
  for (const auto& l : parts.definitionLines) {
    PutText(out, l);
    PutText(out, "\r\n");
  }
  return out;
}

std::string MissingSkinSection(const TvxSkinIni& ini) {
  for (const char* s : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(s)) return s;
  return "";
}

Bytes ReadFileBytes(const std::filesystem::path& file, size_t limit) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EvxStreamError("cannot open file " + file.string());
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw EvxStreamError("cannot read file " + file.string());
  if (static_cast<uint64_t>(size) > limit) throw EvxStreamError("file too large: " + file.string());
  in.seekg(0, std::ios::beg);
  Bytes data(static_cast<size_t>(size));
  if (size && !in.read(reinterpret_cast<char*>(data.data()), size)) throw EvxStreamError("cannot read file " + file.string());
  return data;
}

std::vector<std::string> SplitSkinLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(pos, end - pos));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    pos = end + 1;
  }
  return lines;
}

Bytes LoadBmpFileForContainer(const std::filesystem::path& file) {
  Bytes data = ReadFileBytes(file, size_t{256} << 20);
  TvxByteReader r(data);
  try {
    TvxBmpInfo info = ReadBmpLayout(r, TvxBmpSource::File);
    return NormalizeBmp(data, info);
  } catch (const EvxInvalidBitmap& e) {
    throw EvxInvalidBitmap(file.filename().string() + ": " + std::string(e.what()).substr(16));
  }
}

Bytes BuildSkinContainer(const std::filesystem::path& definitionFile, const TvxBuildProgress& progress) {
  Bytes text = ReadFileBytes(definitionFile, TvxSkinIni::kMaxTextBytes);
  std::vector<std::string> lines = SplitSkinLines(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  TvxSkinIni ini = TvxSkinIni::ParseLines(lines);
  if (std::string missing = MissingSkinSection(ini); !missing.empty())
    throw EvxMissingSkinSection(missing);
  const std::filesystem::path folder = definitionFile.parent_path();
  auto load = [&](const std::string& name) {
    if (progress) progress(name);
    return LoadBmpFileForContainer(folder / name);
  };
  TvxSkinContainerParts parts;
  Bytes* fixed[] = {&parts.main, &parts.inactive, &parts.mask};
  const char* keys[] = {"picture", "inactivepicture", "mask"};
  for (int i = 0; i < 3; ++i) {
    std::string name = ReadSkinString(ini, "PICTURES", keys[i]);
    if (!name.empty()) *fixed[i] = load(name);
  }
  for (const std::string& name : ReadSkinList(ini, "PICTURES", "activepictures")) {
    if (name.empty())
      throw EvxStreamError("PICTURES entry " + std::to_string(parts.pictures.size()) + " names no file");
    if (parts.pictures.size() >= size_t(kMaxSkinPictures))
      throw EvxStreamError("PICTURES lists more than " + std::to_string(kMaxSkinPictures) + " pictures");
    parts.pictures.push_back(load(name));
  }
  parts.definitionLines = std::move(lines);
  return WriteSkinContainer(parts);
}

}  // namespace vx
