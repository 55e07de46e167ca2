#include "tkColor.h"

#include <array>

namespace tk {
namespace {

SystemColorSource& Source() {
  static SystemColorSource source;
  return source;
}

}  // namespace

void SetSystemColorSource(SystemColorSource source) { Source() = std::move(source); }

uint32_t ClassicSystemColor(int index) {
  // The classic Windows scheme, indexed by system colour number.
  static constexpr std::array<uint32_t, 31> kClassic = {
      0xC8C8C8, 0x000000, 0x6A240A, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x6A240A, 0xFFFFFF, 0xC0C0C0,
      0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF, 0x404040, 0xC0C0C0, 0x000000,
      0xE1FFFF, 0xC0C0C0, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933, 0xC0C0C0};
  if (index < 0 || index >= static_cast<int>(kClassic.size())) return 0;
  return kClassic[index];
}

uint32_t ColorToRGB(TColor c) {
  if (IsSystemColor(c)) {
    int index = c & 0xFF;
    return (Source() ? Source()(index) : ClassicSystemColor(index)) & 0xFFFFFF;
  }
  if (c == clNone || c == clDefault) return 0;
  return static_cast<uint32_t>(c) & 0xFFFFFF;
}

}  // namespace tk
