// The errors a skin load can end with.
//
// Loading a skin is all-or-nothing: whatever goes wrong (a corrupt zlib
// stream, a bitmap whose header does not add up, a rectangle key without a
// number) raises one of these and the caller shows its text. Every message is
// one line, fit for a message box or a tool's stderr.
#pragma once

#include <stdexcept>
#include <string>

namespace vx {

class EvxSkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The stream ended before a field it had to hold, or a file could not be read.
class EvxStreamError : public EvxSkinError {
 public:
  using EvxSkinError::EvxSkinError;
};

// A picture that is not a bitmap this engine decodes, or whose header lies.
class EvxInvalidBitmap : public EvxSkinError {
 public:
  explicit EvxInvalidBitmap(const std::string& why) : EvxSkinError("invalid bitmap: " + why) {}
};

// Inflating or deflating failed. Inflation reports "compression error" whatever
// the cause (corrupt, truncated, or larger than any skin may be).
class EvxCompressionError : public EvxSkinError {
 public:
  using EvxSkinError::EvxSkinError;
};

// A point or rectangle field without digits, or a digit run too long for 32 bits.
class EvxConvertError : public EvxSkinError {
 public:
  using EvxSkinError::EvxSkinError;
};

}  // namespace vx
