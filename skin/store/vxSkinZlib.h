// zlib for stored skins: inflation with a hard ceiling, deflation at level 9.
#pragma once

#include "vxByteStream.h"

namespace vx {

// No skin container comes near this (the program's is under 2 MiB); a stream
// that inflates past it is treated as corrupt rather than allowed to eat memory.
constexpr size_t kMaxInflatedSkinBytes = size_t{64} << 20;

// Inflated bytes in a buffer of their own (no copy into a vector).
class TvxInflatedBytes {
 public:
  TvxInflatedBytes() = default;
  TvxInflatedBytes(TvxInflatedBytes&& other) noexcept { *this = std::move(other); }
  TvxInflatedBytes& operator=(TvxInflatedBytes&& other) noexcept;
  ~TvxInflatedBytes();
  ByteSpan Span() const { return ByteSpan(data_, size_); }
  size_t size() const { return size_; }

 private:
  friend TvxInflatedBytes InflateSkinBuffer(ByteSpan, size_t);
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// Inflates one complete zlib stream. A corrupt or truncated stream (no end
// marker), or one larger than `limit`, raises EvxCompressionError("compression error").
TvxInflatedBytes InflateSkinBuffer(ByteSpan compressed, size_t limit = kMaxInflatedSkinBytes);
Bytes InflateSkin(ByteSpan compressed, size_t limit = kMaxInflatedSkinBytes);
// Deflates at level 9; a failure raises EvxCompressionError("error").
Bytes DeflateSkin(ByteSpan raw);

}  // namespace vx
