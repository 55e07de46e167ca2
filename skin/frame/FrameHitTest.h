// HitTestFrame: the answer to WM_NCHITTEST of a skinnable form, in skin mode
// (from the mapped geometry, the mask strips and the caption object) and in
// default mode.
#pragma once

#include "FrameObjects.h"
#include "vxBorderStrips.h"

namespace vx::frame {

// The four strips cut from the mask picture for the current size (held by the
// frame for hit-testing, see CutFrameMaskStrips): top is W x M.Top at (0,0),
// bottom at (0, M.Bottom), left at (0, M.Top), right at (M.Right, M.Top).
// Black pixels are inside.
using MaskStrips = BorderStrips;

struct HitTestState {
  bool rolledUp = false;
  bool minimized = false;
  bool maximized = false;
  bool objectHot = false;      // an object is hot
  bool sizeMoveLoop = false;   // a size/move loop runs
};

struct QuickButtonStrip {
  int count = 0;        // visible quick buttons
  int imageWidth = -1;  // QuickImageList's image width; -1 without a list
  int leading = 0;      // the divider and its gap before the first button
};

struct HitTestInput {
  const FrameSkin* skin = nullptr;
  const FrameOptions* options = nullptr;
  const FrameGeometry* geometry = nullptr;   // skin mode
  const FrameObjectList* objects = nullptr;
  const MaskStrips* strips = nullptr;        // skin mode with a mask
  Rect defaultCaptionArea;                   // default mode: A of the default layout
  QuickButtonStrip quickButtons;
  HitTestState state;
};

// x, y in window coordinates; W x H is the geometry's (or, in default mode,
// the given) window size.
HitCode HitTestFrame(const HitTestInput& in, int x, int y, int width, int height);

// Whether (x, y) lies inside the window's shape (the rectangle, or the mask).
bool InsideFrameShape(const HitTestInput& in, int x, int y, int width, int height);

}  // namespace vx::frame
