// Bounds-checked little-endian reading and writing over byte buffers: the
// skin container and the BMP codec read untrusted bytes only through these.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "vxSkinErrors.h"

namespace vx {

using Bytes = std::vector<uint8_t>;
using ByteSpan = std::span<const uint8_t>;

class TvxByteReader {
 public:
  explicit TvxByteReader(ByteSpan data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Size() const { return data_.size(); }
  size_t Remaining() const { return data_.size() - pos_; }
  void Seek(size_t pos) {
    if (pos > data_.size()) throw EvxStreamError("stream read error");
    pos_ = pos;
  }

  uint8_t ReadByte() { return Take(1)[0]; }
  uint16_t ReadU16() {
    ByteSpan b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  uint32_t ReadU32() {
    ByteSpan b = Take(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
           (static_cast<uint32_t>(b[3]) << 24);
  }
  int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }

  // The next n bytes; throws when fewer remain.
  ByteSpan Take(size_t n) {
    if (n > Remaining()) throw EvxStreamError("stream read error");
    ByteSpan s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  ByteSpan Rest() { return Take(Remaining()); }
  ByteSpan Peek(size_t n) const { return data_.subspan(pos_, n < Remaining() ? n : Remaining()); }

 private:
  ByteSpan data_;
  size_t pos_ = 0;
};

inline void PutU16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutI32(Bytes& out, int32_t v) { PutU32(out, static_cast<uint32_t>(v)); }
inline void PutBytes(Bytes& out, ByteSpan b) { out.insert(out.end(), b.begin(), b.end()); }
inline void PutText(Bytes& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

}  // namespace vx
