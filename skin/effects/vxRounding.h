// Rounding of effect arithmetic: to the nearest integer, halves to even, then
// clamped to a colour channel.
//
// Effect amounts are decimal (0.3, 0.59 ...), so the products that are meant
// to be exact halves (0.7 × 255 = 178.5) come out a hair above or below in
// binary. Values within a tiny tolerance of a half count as the half.
#pragma once

#include <cmath>
#include <cstdint>

namespace vx {

inline int RoundHalfEven(double v) {
  if (!std::isfinite(v)) return 0;
  if (v > 1e9) return 1000000000;
  if (v < -1e9) return -1000000000;
  const double lower = std::floor(v);
  const double frac = v - lower;
  constexpr double kTie = 1e-9;
  if (std::fabs(frac - 0.5) <= kTie) {
    const auto l = static_cast<int64_t>(lower);
    return static_cast<int>((l & 1) == 0 ? l : l + 1);
  }
  return static_cast<int>(frac < 0.5 ? lower : lower + 1);
}

inline uint8_t ClampChannel(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }
inline uint8_t RoundChannel(double v) { return ClampChannel(RoundHalfEven(v)); }

}  // namespace vx
