// The stored skin: the compressed bytes a form carries in its design data,
// and the list of stored skins a skin data can choose from.
//
// Compressed skin stream (a list item's "Skin" data and the compressed skin
// file on disk), little-endian:
//   int32 version (written 3; above 3 the stream is not read)
//   int32 N, then N bytes of zlib stream
// The form data property "CompressedData" is the zlib stream alone.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "vxByteStream.h"

namespace vx {

class TvxCompressedStoredSkin {
 public:
  std::string Description;

  // Set while a designer edits the form; the file-name setters then rebuild
  // the bytes from the named file. Outside a designer they only store the name.
  bool Designing = false;
  bool ReadingFormData = false;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& path);
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::string& path);

  // The "CompressedData" property: read replaces the kept bytes, written as kept.
  const Bytes& CompressedData() const { return data_; }
  void SetCompressedData(Bytes data) { data_ = std::move(data); }

  // Builds a container from a definition file and the bitmaps beside it and
  // keeps it compressed. A definition lacking a required section keeps the old
  // bytes and returns false; unreadable files and bad bitmaps throw.
  bool LoadFromSkinFile(const std::filesystem::path& path);
  // Reads a compressed skin file. The kept bytes are cleared first; a version
  // above 3 keeps nothing. A length that runs past the file throws.
  void LoadFromCompressedFile(const std::filesystem::path& path);
  void LoadFromStream(ByteSpan stream);
  Bytes SaveToStream() const;

  bool IsEmpty() const { return data_.empty(); }
  // Inflates the kept bytes (see InflateSkin for the limits).
  Bytes Decompress() const;

 private:
  std::string fileName_;
  std::string compressedFileName_;
  Bytes data_;
};

// The largest compressed skin file read: the inflation ceiling bounds any real one far below.
constexpr size_t kMaxCompressedSkinFileBytes = size_t{64} << 20;

// Writes a compressed skin stream (version 3) around a zlib stream.
Bytes MakeCompressedSkinStream(ByteSpan compressed);

class TvxSkinListItem {
 public:
  explicit TvxSkinListItem(int index);
  std::string Description, FileName, CompressedFileName, Name;
  TvxCompressedStoredSkin& StoredSkin() { return skin_; }
  const TvxCompressedStoredSkin& StoredSkin() const { return skin_; }
  // The item's "Skin" property in form data: a compressed skin stream.
  void ReadSkin(ByteSpan stream) { skin_.LoadFromStream(stream); }
  Bytes WriteSkin() const { return skin_.SaveToStream(); }

 private:
  TvxCompressedStoredSkin skin_;
};

class TvxCompressedSkinList {
 public:
  std::vector<std::unique_ptr<TvxSkinListItem>> Skins;
  // A new item named "vxSkin<index>".
  TvxSkinListItem& Add();
  int Count() const { return static_cast<int>(Skins.size()); }
};

}  // namespace vx
