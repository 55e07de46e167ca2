// The size limits of a skinned form: the smallest and largest frame, reported
// as tracking sizes and used by roll-up, minimize and the live resize.
#pragma once

#include "FrameGeometry.h"

namespace vx::frame {

// The monitor a window is on: its full rectangle and its work area.
struct MonitorRects {
  Rect full;
  Rect work;
};

struct SizeState {
  bool minimized = false;  // frame window state minimized
  bool rolledUp = false;
};

// A skin without a main picture, a negative formminheight or a user maximum
// below the skin's minimum would otherwise give windows of zero or negative
// size; the minimums are kept within 1 .. the maximum frame size.
int MaxFrameWidth(const FrameOptions& o, const MonitorRects& monitor);
int MaxFrameHeight(const FrameOptions& o, const MonitorRects& monitor);
int MinFrameWidth(const FrameSkin& skin, const FrameOptions& o, const MonitorRects& monitor,
                  const SizeState& s);
int MinFrameHeight(const FrameSkin& skin, const FrameOptions& o, const MonitorRects& monitor,
                   const SizeState& s);

// ForceRelayout: the two widths the form is given in turn so that it and the
// frame lay themselves out again.
struct RelayoutWidths {
  int first, second;
};
RelayoutWidths ForceRelayoutWidths(int width, int minFrameWidth);

}  // namespace vx::frame
