// The skinned hint window's geometry and pixels, from the skin's HINTWINDOW
// record: how big a hint is for a text, where it goes on the work area, the
// background image at that size and the window region from the record's
// mask. The hint window draws through these and `skinpack hint` writes the
// same pixels to a file; only the text itself is the platform's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vxGeometry.h"
#include "vxMaskStrips.h"
#include "vxPixmap.h"
#include "vxSkinData.h"

namespace vx::frame {

// Every occurrence of `separator` in `text` replaced by `lineBreak`. An empty
// separator splits nothing (there is no occurrence to find, and looking for
// one would never advance).
template <class String>
String ReplaceHintSeparator(const String& text, const String& separator, const String& lineBreak) {
  if (separator.empty()) return text;
  String out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(separator); at != String::npos; at = text.find(separator, from)) {
    out.append(text, from, at - from);
    out += lineBreak;
    from = at + separator.size();
  }
  out.append(text, from, String::npos);
  return out;
}

// The lines a hint shows: split at the separator and at line breaks already
// in the text (CR, LF or CR LF).
std::vector<std::string> HintLines(const std::string& text, const std::string& separator);

// The HINTWINDOW values the hint draws with. Not present (a plain hint) when
// there is no skin data, it is empty, or the record's window picture is -1,
// out of the picture list or an empty picture.
struct HintSkin {
  bool present = false;
  int pictureIndex = -1;
  int maskIndex = -1;  // -1: no region
  int pictureWidth = 0, pictureHeight = 0;
  NinePartLayout layout;
  EdgeStretch edges;
  ClientFill client;
  std::string fontName = "Arial";
  int fontHeight = 14;
  TvxFontStyles fontStyle = 0;
  TvxColor fontColor = 0;
};
HintSkin HintSkinFromSkinData(const TvxSkinData* data);

// The largest hint side; a larger text is cut by the window.
constexpr int kMaxHintSide = 8192;

// A hint's size for a text of textWidth x textHeight pixels, the record's
// corner points and client rectangle mapped to it, and where the text goes.
struct HintGeometry {
  int width = 0, height = 0;
  NinePartLayout mapped;  // in the hint's own pixels (skinned only)
  PixRect textRect;       // the text's box (skinned: centred in mapped.client)
};
HintGeometry ComputeHintGeometry(const HintSkin& skin, int textWidth, int textHeight);

// The hint's screen rectangle: its top-left corner at (left, top), moved left
// by its width + 2 when it would pass the work area's right edge and up by
// its height + 2 for the bottom edge, and then kept off the left and top
// edges, so a hint that fits the work area is always wholly on it.
PixRect PlaceHint(int left, int top, int width, int height, const PixRect& workArea);

// How far the pointer's visible part reaches below its hot spot, from the
// rows of the cursor's image (top first: whether any pixel of the row
// shows). An object hint goes that far below the pointer.
int CursorDropBelowHotSpot(const std::vector<bool>& rowVisible, int hotSpotY);

// Whether the hint window's class carries the system's drop shadow: every
// version above 5, and 5.1 (not 5.0, not 5.2).
bool HintHasDropShadow(unsigned major, unsigned minor);

// The skinned background at the geometry's size (no text); empty without a
// skin.
TvxPixmap RenderHintBackground(const TvxSkinData& data, const HintSkin& skin, const HintGeometry& g);

// The window region from the record's mask at the geometry's size; none
// without a mask (the window stays a rectangle).
std::optional<SizedRegion> HintRegion(const TvxSkinData& data, const HintSkin& skin, const HintGeometry& g);

}  // namespace vx::frame
