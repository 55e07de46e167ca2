// The page control's geometry rules, apart from the window: where the page
// area lies, how the platform's tab rectangles are moved, where a tab's close
// button sits and how it is hit, and the cross drawn on it. Portable; the
// Win32 page control (vxSkinTabs.h) measures the platform and applies these.
#pragma once

#include <array>
#include <optional>

#include "tkTypes.h"

namespace vx::tabs {

enum class TabSide { Top, Bottom, Left, Right };

// A skin record's page margins: clientrect.left and .top, and the distances
// of clientrect's right and bottom edges from the skin rectangle's.
struct PageMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The margins of a record: clientrect's left and top, and its distances from
// the right and bottom of a skin rectangle of skinWidth x skinHeight.
PageMargins MarginsOf(int skinWidth, int skinHeight, const tk::TRect& clientrect);

// The page area from the one the platform computed for the tab row, in a
// client area of clientWidth x clientHeight; without margins the plain look's.
tk::TRect PageArea(const tk::TRect& computed, int clientWidth, int clientHeight, TabSide side,
                   const std::optional<PageMargins>& margins);

// A tab's rectangle from the platform's: ordinary tabs are moved 2 pixels
// outward (and 2 left for single-line rows), and the first tab of a single-line
// row starts 1 pixel further right.
tk::TRect TabItemRect(const tk::TRect& platform, TabSide side, bool multiLine, bool buttonStyle, bool firstTab);

// The close-button size without a record (or with an empty closebuttonrect).
inline constexpr int kDefaultCloseButtonSize = 14;

// The close-button size of a record: its closebuttonrect's width, or the
// default when that is empty.
int CloseButtonSizeOf(const tk::TRect& closebuttonrect);

// A tab record's pictures of one tab, with the record's fall-backs already
// applied (empty active: the normal one; empty focused: the active one).
struct TabLooks {
  tk::TRect tab, active, focus, mouseIn;
};
// The picture a tab shows: under the pointer (when not selected and the
// record has one), selected in a focused control, not selected, selected.
tk::TRect TabStateRect(const TabLooks& looks, bool active, bool hot, bool focused);
// How far a tab's text and image move down (top tabs): 2 for a tab that is
// not selected when the selected tab's picture has another height.
int TabContentShift(const TabLooks& looks, bool active);

// The room a tab keeps at its right end for its close button.
inline int CloseRoom(bool showCloseButtons, int closeButtonSize) {
  return showCloseButtons ? closeButtonSize + 2 : 0;
}

// The close button inside a tab image of tabWidth x tabHeight: at the close
// area's left, vertically centred in it. closeRoom from CloseRoom; withRecord
// moves the area 3 pixels further in; contentShift (the record's offset of
// inactive tab contents) lowers the area's top, twice when the tab has an image.
tk::TRect CloseButtonRect(int tabWidth, int tabHeight, int closeRoom, bool withRecord, int contentShift,
                          bool hasImage, int buttonWidth, int buttonHeight);

// Whether a point of the control lies on a tab's close button: the stored
// rectangle is in tab-image coordinates, the tab at `item`; `shift` is the
// tab row's shift (centred or offset rows), taken back off.
bool InCloseButton(const tk::TRect& stored, const tk::TRect& item, int shift, int x, int y);

// The cross glyph at (x, y): four one-pixel lines, (x1, y1) to (x2, y2) with
// the end point excluded as line drawing does.
struct Line {
  int x1, y1, x2, y2;
};
std::array<Line, 4> CrossGlyph(int x, int y);

}  // namespace vx::tabs
