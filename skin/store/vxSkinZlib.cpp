#include "vxSkinZlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vx {

TvxInflatedBytes& TvxInflatedBytes::operator=(TvxInflatedBytes&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = other.data_;
    size_ = other.size_;
    capacity_ = other.capacity_;
    other.data_ = nullptr;
    other.size_ = other.capacity_ = 0;
  }
  return *this;
}

TvxInflatedBytes::~TvxInflatedBytes() { std::free(data_); }

// The output grows with realloc: large blocks are remapped rather than copied,
// and nothing is zero-filled, so running into the ceiling stays cheap.
TvxInflatedBytes InflateSkinBuffer(ByteSpan compressed, size_t limit) {
  TvxInflatedBytes out;
  auto reserve = [&out](size_t size) {
    void* p = std::realloc(out.data_, size);
    if (!p) return false;
    out.data_ = static_cast<uint8_t*>(p);
    out.capacity_ = size;
    return true;
  };
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw EvxCompressionError("compression error");
  // The stored skin shrinks about thirty-fold; start near that and double.
  bool ok = reserve(std::min(limit, std::max<size_t>(4096, compressed.size() * 40)));
  size_t consumed = 0;
  int rc = Z_OK;
  while (ok && rc != Z_STREAM_END) {
    if (out.size_ == out.capacity_) {
      if (out.capacity_ >= limit || !reserve(std::min(limit, out.capacity_ * 2))) break;
    }
    const size_t inChunk = std::min<size_t>(compressed.size() - consumed, UINT_MAX);
    const size_t outChunk = std::min<size_t>(out.capacity_ - out.size_, UINT_MAX);
    z.next_in = const_cast<Bytef*>(compressed.data() + consumed);
    z.avail_in = static_cast<uInt>(inChunk);
    z.next_out = out.data_ + out.size_;
    z.avail_out = static_cast<uInt>(outChunk);
    rc = inflate(&z, Z_NO_FLUSH);
    consumed += inChunk - z.avail_in;
    out.size_ += outChunk - z.avail_out;
    if (rc == Z_BUF_ERROR && z.avail_out != 0) break;  // input ran out before the end marker
    if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) break;
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) throw EvxCompressionError("compression error");
  return out;
}

Bytes InflateSkin(ByteSpan compressed, size_t limit) {
  TvxInflatedBytes b = InflateSkinBuffer(compressed, limit);
  return Bytes(b.Span().begin(), b.Span().end());
}

Bytes DeflateSkin(ByteSpan raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  if (raw.size() > ULONG_MAX || compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    throw EvxCompressionError("error");
  out.resize(size);
  return out;
}

}  // namespace vx
