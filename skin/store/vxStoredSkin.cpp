#include "vxStoredSkin.h"

#include "vxSkinContainer.h"
#include "vxSkinZlib.h"

namespace vx {

void TvxCompressedStoredSkin::SetFileName(const std::string& path) {
  if (Designing && !ReadingFormData) LoadFromSkinFile(path);
  fileName_ = std::filesystem::path(path).filename().string();
}

void TvxCompressedStoredSkin::SetCompressedFileName(const std::string& path) {
  if (Designing && !ReadingFormData) LoadFromCompressedFile(path);
  compressedFileName_ = std::filesystem::path(path).filename().string();
}

bool TvxCompressedStoredSkin::LoadFromSkinFile(const std::filesystem::path& path) {
  Bytes container;
  try {
    container = BuildSkinContainer(path);
  } catch (const EvxMissingSkinSection&) {
    return false;  // a definition without its required sections leaves the skin as it was
  }
  data_ = DeflateSkin(container);
  return true;
}

void TvxCompressedStoredSkin::LoadFromStream(ByteSpan stream) {
  data_.clear();
  TvxByteReader r(stream);
  const int32_t version = r.ReadI32();
  if (version > 3) return;
  const int32_t n = r.ReadI32();
  if (n < 0) throw EvxStreamError("stream read error: negative length");
  ByteSpan body = r.Take(static_cast<size_t>(n));
  data_.assign(body.begin(), body.end());
}

void TvxCompressedStoredSkin::LoadFromCompressedFile(const std::filesystem::path& path) {
  data_.clear();
  Bytes file = ReadFileBytes(path, kMaxCompressedSkinFileBytes + 8);
  LoadFromStream(file);
}

Bytes MakeCompressedSkinStream(ByteSpan compressed) {
  Bytes out;
  out.reserve(compressed.size() + 8);
  PutI32(out, kSkinContainerVersion);
  PutI32(out, static_cast<int32_t>(compressed.size()));
  PutBytes(out, compressed);
  return out;
}

Bytes TvxCompressedStoredSkin::SaveToStream() const { return MakeCompressedSkinStream(data_); }

Bytes TvxCompressedStoredSkin::Decompress() const { return InflateSkin(data_); }

TvxSkinListItem::TvxSkinListItem(int index) : Name("vxSkin" + std::to_string(index)) {}

TvxSkinListItem& TvxCompressedSkinList::Add() {
  Skins.push_back(std::make_unique<TvxSkinListItem>(static_cast<int>(Skins.size())));
  return *Skins.back();
}

}  // namespace vx
