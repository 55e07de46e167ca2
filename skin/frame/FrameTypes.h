// Plain value types shared by the frame, menu and up-down rules.
//
// The rules are pure arithmetic and state over these types, so they build and
// run without a window system. The Win32 binding converts RECT/POINT and the
// loaded skin records into them (see the record adapters) and turns the rules'
// answers back into window calls.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vx::frame {

struct Point {
  int X = 0;
  int Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle whose width or height is 0 or less is empty; containment
// excludes the right and bottom edges (the platform's point-in-rectangle).
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool Contains(Point p) const { return Contains(p.X, p.Y); }
  Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect RectOfSize(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// The caption buttons a form asks for (a set of TvxBorderIcon).
enum TvxBorderIcon : uint8_t {
  biSystemMenu = 1 << 0,
  biMinimize = 1 << 1,
  biMaximize = 1 << 2,
  biRollUp = 1 << 3,
  biMinimizeToTray = 1 << 4,
};
using TvxBorderIcons = uint8_t;
constexpr TvxBorderIcons kDefaultBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
// What the program's two skinned forms carry.
constexpr TvxBorderIcons kProgramBorderIcons = biMinimize | biRollUp;

// The command of a standard caption button (ordinals as stored in skins).
enum class TvxStdCommand : uint8_t {
  cmclose = 0,
  cmmaximize = 1,
  cmminimize = 2,
  cmsysmenu = 3,
  cmdefault = 4,
  cmrollup = 5,
  cmminimizetotray = 6,
};

enum class TvxFrameWindowState : uint8_t { Normal, Minimized, Maximized };

// The hit-test codes the frame answers with (the values of the Win32 HT*
// codes; named here without the prefix so <windows.h> macros do not clash).
enum class HitCode : int {
  Client = 1,
  Caption = 2,
  Left = 10,
  Right = 11,
  Top = 12,
  TopLeft = 13,
  TopRight = 14,
  Bottom = 15,
  BottomLeft = 16,
  BottomRight = 17,
  Object = 19,
};
// "HTCLIENT", "HTCAPTION", ... "HTOBJECT".
const char* HitCodeName(HitCode code);

// Integer halving of the layout rules truncates toward zero (as C++ does).
constexpr int Half(int v) { return v / 2; }

// Skin values are untrusted. The record adapters clamp every coordinate and
// size into ±kFrameCoordLimit (far beyond any picture or screen), and so do
// the rules on window sizes, so the rules' sums of a handful of terms stay
// inside an int; rules that add up lists work in 64 bits and clamp the result.
constexpr int kFrameCoordLimit = 1 << 24;
constexpr int ClampFrameCoord(int64_t v) {
  return v < -kFrameCoordLimit ? -kFrameCoordLimit : v > kFrameCoordLimit ? kFrameCoordLimit : static_cast<int>(v);
}
constexpr Point ClampFrameCoords(Point p) { return {ClampFrameCoord(p.X), ClampFrameCoord(p.Y)}; }
constexpr Rect ClampFrameCoords(const Rect& r) {
  return {ClampFrameCoord(r.Left), ClampFrameCoord(r.Top), ClampFrameCoord(r.Right), ClampFrameCoord(r.Bottom)};
}

}  // namespace vx::frame
