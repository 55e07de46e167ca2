// Quick buttons: small image buttons at the left end of the caption. Their
// places along the caption (after an optional divider), the part of the
// caption they take from the text and from the hit test, the pointer over
// them, and their pixels on the frame strip.
#pragma once

#include <functional>
#include <span>

#include "FrameObjects.h"
#include "vxGeometry.h"

namespace vx::frame {

struct QuickButton {
  int imageIndex = -1;
  bool enabled = true;
  bool visible = true;
  // Run time: the place on the window (empty while hidden), the pointer on
  // it, pressed.
  Rect rect;
  bool hot = false;
  bool down = false;
};
using QuickButtonRefs = std::span<QuickButton* const>;

struct QuickButtonLayout {
  Rect divider;        // window coordinates; empty without a divider
  int stripRight = 0;  // where the caption's own part starts (window x)
};

// Places the visible items along `caption` (its window rectangle): after the
// divider (dividerWidth x dividerHeight, 0 x 0 for none) when there is one,
// each image + 4 pixels square-ish and image + 8 pixels apart, centred on the
// caption's middle row.
QuickButtonLayout LayoutQuickButtons(QuickButtonRefs items, const Rect& caption, int imageWidth, int imageHeight,
                                     int dividerWidth, int dividerHeight);

// The width the strip takes from the caption's left edge: the text starts
// after it and only the caption right of it moves the window.
inline int QuickStripWidth(const QuickButtonLayout& l, const Rect& caption) {
  return std::max(0, l.stripRight - caption.Left);
}

// What a pointer action over the caption changed.
struct QuickButtonChange {
  bool repaint = false;
  int click = -1;      // the item to run OnClick for
  int showHint = -1;   // the item whose hint goes into the object hint
  bool hideHint = false;
};

// The pointer moved over the caption (window coordinates): the first visible,
// enabled item under it becomes hot.
QuickButtonChange QuickButtonsMove(QuickButtonRefs items, int x, int y);
// A left press: the hot item goes down.
QuickButtonChange QuickButtonsPress(QuickButtonRefs items);
// A release at (x, y): a click when it lands on the item that went down.
QuickButtonChange QuickButtonsRelease(QuickButtonRefs items, int x, int y);
// The pointer left the caption: no item stays hot or pressed.
QuickButtonChange QuickButtonsLeave(QuickButtonRefs items);
int HotQuickButton(QuickButtonRefs items);

// How the strip looks: the image list (drawn by the caller, who has it), the
// caption's divider and the background a hot item gets from a button record.
struct QuickButtonLooks {
  int imageWidth = 16, imageHeight = 16;
  std::function<void(TvxPixmap& canvas, int x, int y, int imageIndex, bool enabled)> drawImage;
  const TvxPixmap* dividerPicture = nullptr;
  Rect dividerSource;
  bool dividerTransparent = false;
  Pixel dividerKey = 0;
  // The hot background: hover and pressed images of a button record, drawn
  // to the item's size by nine-part drawing. No picture: no background.
  const TvxPixmap* backPicture = nullptr;
  Rect backSkinRect, backHover, backDown;
  NinePartLayout backLayout;
  EdgeStretch backEdges;
  ClientFill backFill;
};

// Draws the divider and the items onto `canvas`, their window rectangles
// moved by (dx, dy).
void DrawQuickButtons(TvxPixmap& canvas, int dx, int dy, QuickButtonRefs items, const QuickButtonLayout& layout,
                      const QuickButtonLooks& looks);

}  // namespace vx::frame

namespace vx::frame {

// Everything the frame's painting needs for the strip.
struct QuickButtonsPaint {
  QuickButtonRefs items;
  QuickButtonLayout layout;
  QuickButtonLooks looks;
};

// Lays the strip out on the list's first caption, with the caption's divider
// (from its picture) when it has one and `showDivider` is on. False, and an
// empty layout, without a caption or without items.
bool LayoutQuickButtonsOnCaption(QuickButtonsPaint& paint, const FrameObjectList& objects, bool showDivider);

}  // namespace vx::frame
