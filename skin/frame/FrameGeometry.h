// Frame geometry of a skinned form: where the client area, the caption, the
// caption buttons, the sizing corners and the mask area lie for a window of
// W x H, mapped from the FORMINFO values of the window skin image; the client
// rectangle answered to WM_NCCALCSIZE; and what the window region is made of.
#pragma once

#include "FrameTypes.h"

namespace vx::frame {

// The FORMINFO values as loaded (after the loader's own post-read rules).
struct FormInfo {
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  Rect maskrectarea;
  Point hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  Rect buttonsrect;
  Rect captionrect;
  int buttonsoffset = 0;
  bool buttonsinleft = false;
  int borderwidth = 0;
  int formminwidth = 0;
  int formminheight = 0;
  bool stretcheffect = false;
};

// The skin side of a frame. `present` false is default mode (no skin data or
// an empty one); the other fields then mean nothing.
struct FrameSkin {
  bool present = false;
  FormInfo info;
  int pictureWidth = 0;   // MainPicture
  int pictureHeight = 0;
  bool hasMask = false;   // MaskPicture not empty
};

// The form's side: border style and the frame component's settings.
struct FrameOptions {
  bool hasBorder = true;          // BorderStyle is not bsNone
  bool toolWindow = false;        // bsToolWindow or bsSizeToolWin
  bool sizeableStyle = true;      // bsSizeable or bsSizeToolWin
  bool alwaysResize = false;      // AlwaysResize
  bool maximizedMdiChild = false;
  bool layeredWholeFrame = false; // the layered border draws the whole frame
  int layeredRollUpHeight = 0;    // LAYERFRAME rollupformheight
  bool system61 = false;          // Windows 7 (6.1): layered roll-up fallback height 1
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool maximizeOnFullScreen = false;

  bool Resizable() const { return alwaysResize || sizeableStyle; }
};

// Default mode metrics: caption height and caption-button size.
int DefaultCaptionHeight(const FrameOptions& o);
int DefaultButtonSize(const FrameOptions& o);
constexpr int kDefaultBorder = 3;

// The mapped geometry for the current window size (UpdateFrameGeometry).
struct FrameGeometry {
  int width = 0, height = 0;  // W x H the geometry was made for
  int dx = 0, dy = 0;         // W - PW, H - PH
  Point leftTop, rightTop, leftBottom, rightBottom;
  Rect client;                // C, window coordinates
  Rect caption;               // caption area
  Rect buttons;               // buttons area
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;  // H1 .. H4
  Rect maskArea;              // M
};

FrameGeometry UpdateFrameGeometry(const FrameSkin& skin, int width, int height);

// WM_NCCALCSIZE: the proposed window rectangle becomes the client rectangle.
// Never inverted: Right is raised to Left and Bottom to Top.
Rect CalcClientRect(const Rect& window, const FrameSkin& skin, const FrameOptions& options);

// What UpdateWindowRegion sets on the window.
struct WindowRegionPlan {
  enum class Kind {
    None,        // no region (a form without border, or not skinnable)
    Rectangle,   // `rect`
    MaskStrips,  // maskArea united with the black pixels of the four strips
  };
  Kind kind = Kind::None;
  Rect rect;
  bool clearStrips = false;   // default mode drops the held strips
  // Mask case: the strips are cut from MaskPicture for width x height, with
  // the FORMINFO corner points mapped to the geometry's, maskrectarea as the
  // client rectangle in the mask and maskArea as the new one; each strip's
  // black pixels are placed at its origin below.
  Rect maskArea;
  Point topOrigin, bottomOrigin, leftOrigin, rightOrigin;
};

struct RegionState {
  bool skinnable = true;
  bool rolledUpOrMinimized = false;  // shown as a caption bar
};

WindowRegionPlan PlanWindowRegion(const FrameSkin& skin, const FrameOptions& options,
                                  const FrameGeometry& geometry, const RegionState& state);

}  // namespace vx::frame
