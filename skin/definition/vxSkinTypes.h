// Small value types shared by the skin definition readers and the records.
//
// Enumerations keep the order of their keywords in the definition syntax, so
// the numeric value of a member is its position in the keyword list.
#pragma once

#include <cstdint>

namespace vx {

struct TvxPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TvxPoint&, const TvxPoint&) = default;
  // Corner points with a zero coordinate are treated as not set by the layout rules.
  bool IsUnset() const { return X == 0 || Y == 0; }
};

struct TvxRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TvxRect&, const TvxRect&) = default;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // An empty rectangle means "this state has no image of its own".
  bool IsEmpty() const { return Right - Left <= 0 || Bottom - Top <= 0; }
  // Right and bottom edges are outside.
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

enum class TvxStretchType { stFull, stHorz, stVert };

enum class TvxInactiveEffect { ieBrightness, ieDarkness, ieGrayscale, ieNoise, ieSplitBlur, ieInvert };

enum class TvxMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

enum class TvxStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

enum class TvxAlignment { taLeftJustify, taRightJustify, taCenter };

// A set of font styles, one bit each.
enum TvxFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TvxFontStyles = uint8_t;

// Colours are $00BBGGRR integers; $FF0000nn stands for the platform's system colour nn.
using TvxColor = int32_t;
constexpr TvxColor SystemColor(int index) { return static_cast<TvxColor>(0xFF000000u | static_cast<uint32_t>(index & 0xFF)); }
constexpr bool IsSystemColor(TvxColor c) { return (static_cast<uint32_t>(c) & 0xFFFFFF00u) == 0xFF000000u; }

}  // namespace vx
