#include "vxSkinZlib.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vx {

namespace {

// Output space that grows with realloc: large blocks are remapped rather than
// copied, and nothing is zero-filled, so hitting the ceiling stays cheap.
class GrowBuffer {
 public:
  ~GrowBuffer() { std::free(data_); }
  bool Reserve(size_t size) {
    void* p = std::realloc(data_, size);
    if (!p) return false;
    data_ = static_cast<uint8_t*>(p);
    size_ = size;
    return true;
  }
  uint8_t* data() { return data_; }
  size_t size() const { return size_; }

 private:
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace

Bytes InflateSkin(ByteSpan compressed, size_t limit) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw EvxCompressionError("compression error");
  GrowBuffer out;
  // The stored skin shrinks about thirty-fold; start near that and double.
  bool ok = out.Reserve(std::min(limit, std::max<size_t>(4096, compressed.size() * 32)));
  size_t produced = 0;
  size_t consumed = 0;
  int rc = Z_OK;
  while (ok && rc != Z_STREAM_END) {
    if (produced == out.size()) {
      if (out.size() >= limit || !out.Reserve(std::min(limit, out.size() * 2))) break;
    }
    const size_t inChunk = std::min<size_t>(compressed.size() - consumed, UINT_MAX);
    const size_t outChunk = std::min<size_t>(out.size() - produced, UINT_MAX);
    z.next_in = const_cast<Bytef*>(compressed.data() + consumed);
    z.avail_in = static_cast<uInt>(inChunk);
    z.next_out = out.data() + produced;
    z.avail_out = static_cast<uInt>(outChunk);
    rc = inflate(&z, Z_NO_FLUSH);
    consumed += inChunk - z.avail_in;
    produced += outChunk - z.avail_out;
    if (rc == Z_BUF_ERROR && z.avail_out != 0) break;  // input ran out before the end marker
    if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) break;
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) throw EvxCompressionError("compression error");
  return Bytes(out.data(), out.data() + produced);
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
