// Size, item layout and screen position of a skinned popup window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FrameTypes.h"
#include "MenuItems.h"

namespace vx::frame {

// The POPUPWINDOW picture and the "menuitem" record's rectangles; `skinned`
// false is the default look.
struct PopupSkin {
  bool skinned = false;
  int pictureWidth = 0, pictureHeight = 0;  // W0 x H0
  Rect itemsrect;                           // IR
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect textrect;                            // TR ("menuitem")
  Rect skinrect;                            // SR ("menuitem")
  Rect dividerrect;                         // DR ("menuitem")
  // A skinned window without a "menuitem" record: its items take the
  // default item look (default heights, no text rectangle).
  bool itemDefault = false;
};

struct PopupSizeInput {
  const std::vector<const MenuItem*>* items = nullptr;  // the window's items
  std::function<int(const std::string&)> textWidth;     // measured with the canvas font
  int imageListWidth = -1;                              // -1: no image list
  int defaultItemHeight = 20;
  int maxItemsInWindow = 0;                             // 0: no limit
  int workAreaHeight = 0;
};

struct PopupSize {
  int width = 0, height = 0;
  bool scrollMode = false;
  bool maxItemsLimited = false;  // scroll mode caused by the item limit
  std::vector<int> itemHeights;
  Rect itemsRect;                // for this size
  Point leftTop, rightTop, leftBottom, rightBottom;
};

PopupSize ComputePopupSize(const PopupSkin& skin, const PopupSizeInput& in);

struct MenuItemPlaces {
  std::vector<Rect> rects;     // one per item; empty for items not laid out
  std::vector<bool> visible;
  int visibleCount = 0;
};
// From the first visible index down the items rectangle (10-pixel scroll
// markers at both ends in scroll mode); an item that would pass the bottom
// ends the layout.
MenuItemPlaces LayoutMenuItems(const Rect& itemsRect, const std::vector<int>& heights, int firstVisible,
                               bool scrollMode);

struct PopupPlacementInput {
  Rect workArea;
  Rect anchor;           // screen coordinates (a point rectangle for context menus)
  int width = 0, height = 0;
  int itemsTop = 0;      // T: the items rectangle's top offset in the window
  bool subMenu = false;
  bool popupUp = false;
  bool scrollMode = false;
  bool maxItemsLimited = false;
};
Point PositionPopup(const PopupPlacementInput& in);

// Scroll-marker bands of a window in scroll mode (window coordinates).
Rect TopScrollMarker(const PopupSkin& skin, const Rect& itemsRect, int width, int height);
Rect BottomScrollMarker(const PopupSkin& skin, const Rect& itemsRect, int width, int height);

}  // namespace vx::frame
