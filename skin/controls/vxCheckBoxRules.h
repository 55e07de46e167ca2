// The check/radio box's rules apart from the window: which picture rectangle
// shows the check in each state, the lightened "grayed" drawing, where the
// flat look puts the check and the caption, the framed look's areas at a
// width, and what a completed click does to the value.
#pragma once

#include "vxGeometry.h"
#include "vxPixmap.h"
#include "vxSkinDataControls.h"

namespace vx {

enum class TvxCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
using enum TvxCheckBoxState;

namespace checkbox {

// The record's check images with their fall-backs applied: empty active and
// disabled images are the normal ones.
struct CheckImages {
  PixRect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck;
  PixRect grayed, activeGrayed;  // empty grayed: the lightened drawing instead
  static CheckImages FromRecord(const TvxDataSkinCheckRadioControl& r);
};

struct CheckImage {
  PixRect rect;          // in the skin picture
  bool lighten = false;  // drawn lightened halfway to white
};
CheckImage ChooseCheckImage(const CheckImages& images, bool enabled, bool mouseIn, TvxCheckBoxState state);

// Every colour channel c becomes c / 2 + 127.5, rounded (alpha kept).
void LightenHalfway(TvxPixmap& pixmap);

// The flat look with a record: the check image's left-top in a box of height
// `boxHeight`, and where the caption starts.
inline PixPoint FlatCheckOrigin(int boxHeight, const PixRect& checkimagerect) {
  return {3, boxHeight / 2 - checkimagerect.Height() / 2};
}
inline int FlatCaptionLeft(const PixRect& checkimagerect) { return checkimagerect.Width() + 7; }

// The framed look at width `width`: the text rectangle, and the check image's
// rectangle centred in the check area (moved with the right edge when the
// check stands right of the text).
struct FramedAreas {
  PixRect text;
  PixRect checkImage;
};
FramedAreas FramedLayout(const TvxDataSkinCheckRadioControl& r, int width);

// The value after a completed click. With AllowGrayed an unchecked check box
// becomes grayed first; otherwise (and for radio boxes) Toggle: a check box
// flips Checked, a radio box becomes checked and stays so.
struct ClickResult {
  bool toGrayed = false;  // State := grayed (field only), else Checked := newChecked
  bool newChecked = false;
};
ClickResult Click(TvxCheckBoxState state, bool checked, bool allowGrayed, bool radio);

}  // namespace checkbox
}  // namespace vx
