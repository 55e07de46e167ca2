// zlib for stored skins: inflation with a hard ceiling, deflation at level 9.
#pragma once

#include "vxByteStream.h"

namespace vx {

// No skin container comes near this (the program's is under 2 MiB); a stream
// that inflates past it is treated as corrupt rather than allowed to eat memory.
constexpr size_t kMaxInflatedSkinBytes = size_t{64} << 20;

// Inflates one complete zlib stream. A corrupt or truncated stream (no end
// marker), or one larger than `limit`, raises EvxCompressionError("compression error").
Bytes InflateSkin(ByteSpan compressed, size_t limit = kMaxInflatedSkinBytes);
// Deflates at level 9; a failure raises EvxCompressionError("error").
Bytes DeflateSkin(ByteSpan raw);

}  // namespace vx
