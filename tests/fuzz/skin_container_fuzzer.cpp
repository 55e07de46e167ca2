// libFuzzer target over the whole skin load: inflation, the container's
// pictures, the definition and the records.
//
// The first byte chooses what the rest is: odd, the stored zlib stream itself
// (exercises inflation on hostile streams); even, a raw container that is
// compressed here first, so mutations reach the bitmap headers, the counts and
// the definition instead of dying on the zlib checksum.
//
// Run by hand for longer:  build/native/tests/fuzz/skin_container_fuzzer -max_total_time=3600 WORK tests/fuzz/seeds
#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "vxSkinData.h"
#include "vxSkinErrors.h"
#include "vxSkinZlib.h"

namespace {

// The fastest zlib level: the stream's content is what is fuzzed, and level 9
// cost most of each execution.
vx::Bytes Compress(vx::ByteSpan raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  vx::Bytes out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK) __builtin_trap();
  out.resize(size);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  vx::ByteSpan rest(data + 1, size - 1);
  vx::TvxCompressedStoredSkin stored;
  if (data[0] & 1) {
    stored.SetCompressedData(vx::Bytes(rest.begin(), rest.end()));
  } else {
    stored.SetCompressedData(Compress(rest));
  }
  vx::TvxSkinData skin;
  try {
    skin.LoadCompressedStoredSkin(stored);
    // A loaded skin answers lookups and writes its records back.
    vx::TvxSkinIni out;
    for (const auto& r : skin.ControlRecords) r->SaveToIni(out, r->Name);
    for (const auto& r : skin.ObjectRecords) r->SaveToIni(out, r->Name);
    (void)skin.GetControlIndex("button");
    (void)out.ToText();
  } catch (const vx::EvxSkinError&) {
    // Refusing is fine; the load must leave an empty skin behind.
    if (!skin.Empty() || skin.Changing() || !skin.ControlRecords.empty()) __builtin_trap();
  }
  return 0;
}
