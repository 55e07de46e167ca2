// Plain value types the toolkit's classes share: points, rectangles and the
// small enumerations of published settings. No platform headers here, so the
// portable pieces (alignment, components) and their tests build everywhere.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tk {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left/top inclusive, right/bottom exclusive, as the platform's RECT.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // A rectangle with no area (width or height 0 or less) is empty.
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
// The common part of two rectangles; empty (all zero) when they do not meet.
inline TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? TRect{} : r;
}

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using enum TAlign;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

// Modifier keys and mouse buttons held during an input event.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;

// Cursor identities; negative values are the platform's standard cursors.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;
// The border of non-form controls (panels, edits).
enum class TBorderStyle { bsNoBorder, bsSingleBorder };
using enum TBorderStyle;

enum class TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using enum TBorderIcon;
using TBorderIcons = unsigned;
constexpr TBorderIcons operator|(TBorderIcon a, TBorderIcon b) {
  return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr TBorderIcons operator|(TBorderIcons a, TBorderIcon b) { return a | static_cast<unsigned>(b); }
constexpr bool Has(TBorderIcons set, TBorderIcon i) { return (set & static_cast<unsigned>(i)) != 0; }

enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
using enum TPosition;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
using enum TWindowState;
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;

}  // namespace tk
