// The skin container: what a stored skin inflates to.
//
//   int32 version (written 3; 4 and above are refused)
//   main, inactive and mask picture: a flag byte (0 = a bitmap follows), then the bitmap
//   version 2 only: two more flag + bitmap pictures, read and dropped
//   int32 count, then count bitmaps without flags (the skin's picture list)
//   the definition text, to the end
//
// Bitmaps carry no length; their ends are counted (vxBmpCodec.h). The reader
// checks every count against the bytes that remain and keeps the decoded
// pictures of one container within a pixel budget, so a hostile container
// fails with a clear error before it can allocate or loop without bound.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "vxBmpCodec.h"
#include "vxSkinIni.h"

namespace vx {

constexpr int32_t kSkinContainerVersion = 3;
// All pictures of one container together; the program's skin uses well under a million.
constexpr int64_t kMaxSkinPixels = int64_t{1} << 24;
// Entries of the picture list; the program's skin has 18. Each entry costs a
// record whatever its size, so tiny pictures must not pass for free.
constexpr int32_t kMaxSkinPictures = 4096;

struct TvxContainerPicture {
  bool present = false;
  TvxBmpInfo info;    // layout, when present
  size_t offset = 0;  // where its bitmap starts in the container
  TvxPixmap picture;  // decoded, when the reader was asked to decode
};

struct TvxSkinContainer {
  int32_t version = 0;
  size_t bytes = 0;
  TvxContainerPicture main, inactive, mask;
  std::vector<TvxContainerPicture> pictures;
  std::string definition;  // the text after the pictures
};

// Takes a container apart. With decode false only the layouts are checked
// (the tools' inspection path). Throws EvxSkinError and its kinds; a version
// of 4 or more is refused before anything else is read.
TvxSkinContainer ReadSkinContainer(ByteSpan container, bool decode = true);

// What a container is written from: pictures as bitmap file images already in
// container layout (see NormalizeBmp), an empty vector for an absent picture.
struct TvxSkinContainerParts {
  Bytes main, inactive, mask;
  std::vector<Bytes> pictures;
  std::vector<std::string> definitionLines;
};
Bytes WriteSkinContainer(const TvxSkinContainerParts& parts);

// The sections a definition must have to be built into a container; returns
// the first one missing, or "" when all are there.
std::string MissingSkinSection(const TvxSkinIni& ini);

// Reads a bitmap file and returns it in container layout. Throws on a missing
// file or an invalid bitmap.
Bytes LoadBmpFileForContainer(const std::filesystem::path& file);

// A definition that lacks one of the sections a container is built from.
class EvxMissingSkinSection : public EvxSkinError {
 public:
  explicit EvxMissingSkinSection(const std::string& section)
      : EvxSkinError("the definition has no [" + section + "] section") {}
};

// Builds a container from a definition file and the bitmaps beside it. The
// progress callback, when given, hears each file as it is read. Throws
// EvxMissingSkinSection, file or bitmap errors.
using TvxBuildProgress = std::function<void(const std::string& file)>;
Bytes BuildSkinContainer(const std::filesystem::path& definitionFile, const TvxBuildProgress& progress = {});

// Reads a whole file; throws EvxStreamError naming it when it cannot, or when
// it is larger than `limit`.
Bytes ReadFileBytes(const std::filesystem::path& file, size_t limit);
// Splits text into lines at CR LF, CR or LF.
std::vector<std::string> SplitSkinLines(std::string_view text);

}  // namespace vx
