#include "MenuLayout.h"

#include <cctype>

namespace vx::frame {

char AcceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

PopupSize ComputePopupSize(const PopupSkin& skin, const PopupSizeInput& in) {
  PopupSize size;
  static const std::vector<const MenuItem*> kNone;
  const std::vector<const MenuItem*>& items = in.items ? *in.items : kNone;
  int text = 0;
  for (const MenuItem* item : items) {
    std::string shown = item->caption;
    if (!item->shortcut.empty()) shown += "  " + item->shortcut;
    text = std::max(text, in.textWidth ? in.textWidth(shown) : 0);
  }
  const int glyphColumn = in.imageListWidth >= 0 ? in.imageListWidth + 5 : 19;
  const int content = text + 2 + glyphColumn + 19;
  const int defaultHeight = std::max(in.defaultItemHeight, 1);

  // Item heights and the skin's rectangles are added up in 64 bits: the skin
  // and the item count are not ours to trust.
  int64_t frameHeight;
  const bool skinnedItems = skin.skinned && !skin.itemDefault;
  if (skin.skinned) {
    // Default items add the same 6 pixels around their text as in the
    // default window (10 less its 4-pixel frame).
    const int64_t itemExtra = skinnedItems ? int64_t{skin.textrect.Left} + skin.skinrect.Width() - skin.textrect.Right : 6;
    size.width = ClampFrameCoord(int64_t{skin.pictureWidth} - skin.itemsrect.Width() + content + itemExtra);
    frameHeight = int64_t{skin.pictureHeight} - skin.itemsrect.Height();
  } else {
    size.width = ClampFrameCoord(int64_t{content} + 10);
    frameHeight = 4;
  }
  int64_t sum = 0;
  for (const MenuItem* item : items) {
    int h;
    if (skinnedItems) h = item->IsSeparator() ? skin.dividerrect.Height() : skin.skinrect.Height();
    else h = item->IsSeparator() ? 4 : defaultHeight;
    size.itemHeights.push_back(h);
    sum += h;
  }
  size.height = ClampFrameCoord(frameHeight + sum);
  const int64_t count = static_cast<int64_t>(items.size());
  if (in.maxItemsInWindow > 0 && in.maxItemsInWindow < count) {
    const int64_t itemHeight = skinnedItems ? skin.skinrect.Height() : defaultHeight;
    size.height = ClampFrameCoord(in.maxItemsInWindow * itemHeight + frameHeight + 20);
    size.scrollMode = size.maxItemsLimited = true;
  }
  if (in.workAreaHeight > 0 && size.height > in.workAreaHeight) {
    size.height = in.workAreaHeight;
    size.scrollMode = true;
  }

  const int w = size.width, h = size.height;
  if (skin.skinned) {
    const int gx = w - skin.pictureWidth, gy = h - skin.pictureHeight;
    size.leftTop = skin.lefttoppoint;
    size.rightTop = {skin.righttoppoint.X + gx, skin.righttoppoint.Y};
    size.leftBottom = {skin.leftbottompoint.X, skin.leftbottompoint.Y + gy};
    size.rightBottom = {skin.rightbottompoint.X + gx, skin.rightbottompoint.Y + gy};
    size.itemsRect = {skin.itemsrect.Left, skin.itemsrect.Top, skin.itemsrect.Right + gx,
                      skin.itemsrect.Bottom + gy};
  } else {
    size.itemsRect = {2, 2, w - 2, h - 2};
  }
  return size;
}

MenuItemPlaces LayoutMenuItems(const Rect& itemsRect, const std::vector<int>& heights, int firstVisible,
                               bool scrollMode) {
  MenuItemPlaces places;
  const size_t n = heights.size();
  places.rects.assign(n, Rect{});
  places.visible.assign(n, false);
  int64_t y = int64_t{itemsRect.Top} + (scrollMode ? 10 : 0);
  const int64_t bottom = int64_t{itemsRect.Bottom} - (scrollMode ? 10 : 0);
  for (size_t i = static_cast<size_t>(std::max(firstVisible, 0)); i < n; ++i) {
    if (y + heights[i] > bottom) break;
    places.rects[i] = {itemsRect.Left, ClampFrameCoord(y), itemsRect.Right, ClampFrameCoord(y + heights[i])};
    places.visible[i] = true;
    ++places.visibleCount;
    y += heights[i];
  }
  return places;
}

Point PositionPopup(const PopupPlacementInput& in) {
  const Rect& wa = in.workArea;
  const Rect& a = in.anchor;
  const int w = in.width, h = in.height;
  const bool upperHalf = a.Top < wa.Top + Half(wa.Height());
  bool moved = false;
  int y;
  if (in.scrollMode && !in.maxItemsLimited) {
    y = wa.Top;
  } else if (in.subMenu) {
    if (a.Top - in.itemsTop + h <= wa.Bottom) y = a.Top - in.itemsTop;
    else if (upperHalf) y = wa.Bottom - h;
    else y = std::max(a.Bottom + in.itemsTop - h, wa.Top);
  } else if (in.popupUp) {
    if (a.Top - h >= wa.Top) {
      y = a.Top - h;
    } else if (upperHalf) {
      if (a.Bottom + h <= wa.Bottom) {
        y = a.Bottom;
      } else {
        y = wa.Bottom - h;
        moved = true;
      }
    } else {
      y = wa.Top;
      moved = true;
    }
  } else if (a.Bottom + h <= wa.Bottom) {
    y = a.Bottom;
  } else if (upperHalf) {
    y = wa.Bottom - h;
    moved = true;
  } else if (a.Top - h >= wa.Top) {
    y = a.Top - h;
  } else {
    y = wa.Top;
    moved = true;
  }

  int x;
  if (!in.subMenu && !moved && (!in.scrollMode || in.maxItemsLimited)) {
    x = a.Left;
    if (x + w > wa.Right) x = wa.Right - w;
    else x = std::max(x, wa.Left);
  } else {
    x = a.Right + w + 1 <= wa.Right ? a.Right + 1 : a.Left - w - 1;
  }
  return {x, y};
}

Rect TopScrollMarker(const PopupSkin& skin, const Rect& ir, int width, int height) {
  if (!skin.skinned) return {3, 3, width - 3, 13};
  return {ir.Left, ir.Top, ir.Right, ir.Top + 10};
}

Rect BottomScrollMarker(const PopupSkin& skin, const Rect& ir, int width, int height) {
  if (!skin.skinned) return {3, height - 10, width - 3, height - 3};
  return {ir.Left, ir.Bottom - 10, ir.Right, ir.Bottom};
}

}  // namespace vx::frame
