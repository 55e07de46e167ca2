#include "vxTabRules.h"

namespace vx::tabs {

PageMargins MarginsOf(int skinWidth, int skinHeight, const tk::TRect& c) {
  return {c.Left, c.Top, skinWidth - c.Right, skinHeight - c.Bottom};
}

int CloseButtonSizeOf(const tk::TRect& r) { return r.IsEmpty() ? kDefaultCloseButtonSize : r.Width(); }

tk::TRect TabStateRect(const TabLooks& l, bool active, bool hot, bool focused) {
  if (hot && !active && !l.mouseIn.IsEmpty()) return l.mouseIn;
  if (active && focused) return l.focus;
  return active ? l.active : l.tab;
}

int TabContentShift(const TabLooks& l, bool active) {
  return !active && l.tab.Height() != l.active.Height() ? 2 : 0;
}

tk::TRect PageArea(const tk::TRect& computed, int cw, int ch, TabSide side,
                   const std::optional<PageMargins>& margins) {
  tk::TRect r = computed;
  if (margins) {
    const PageMargins& m = *margins;
    switch (side) {
      case TabSide::Top:
        return {m.left, r.Top + m.top - 6, cw - m.right, ch - m.bottom};
      case TabSide::Bottom:
        return {m.left, r.Top + m.top - 4, cw - m.right, r.Bottom + 4 - m.bottom};
      case TabSide::Left:
        return {r.Left + m.left - 4, r.Top + m.top - 4, cw - m.right, ch - m.bottom};
      case TabSide::Right:
        return {m.left, r.Top + m.top - 4, r.Right + 4 - m.right, ch - m.bottom};
    }
  }
  switch (side) {
    case TabSide::Top:
      return {1, r.Top - 5, cw - 1, ch - 1};
    case TabSide::Bottom:
      return {1, 1, cw - 1, r.Bottom + 3};
    case TabSide::Left:
      return {r.Left - 3, r.Top - 5, cw - 1, ch - 1};
    case TabSide::Right:
      return {r.Left - 3, r.Top - 5, r.Right + 3, ch - 1};
  }
  return r;
}

tk::TRect TabItemRect(const tk::TRect& platform, TabSide side, bool multiLine, bool buttonStyle, bool firstTab) {
  tk::TRect r = platform;
  if (!buttonStyle) {
    switch (side) {
      case TabSide::Top:
        r = r.Offset(multiLine ? 0 : -2, -2);
        break;
      case TabSide::Bottom:
        r = r.Offset(multiLine ? 0 : -2, 2);
        break;
      case TabSide::Left:
        r = r.Offset(-2, 0);
        break;
      case TabSide::Right:
        r = r.Offset(2, 0);
        break;
    }
  }
  if (firstTab && !multiLine) ++r.Left;
  return r;
}

tk::TRect CloseButtonRect(int tabWidth, int tabHeight, int closeRoom, bool withRecord, int contentShift,
                          bool hasImage, int buttonWidth, int buttonHeight) {
  int left = tabWidth - closeRoom - (withRecord ? 3 : 0);
  int top = contentShift + (hasImage ? contentShift : 0);
  int y = top + (tabHeight - top - buttonHeight) / 2;
  return {left, y, left + buttonWidth, y + buttonHeight};
}

bool InCloseButton(const tk::TRect& stored, const tk::TRect& item, int shift, int x, int y) {
  if (stored.IsEmpty()) return false;
  return stored.Offset(item.Left - shift, item.Top).Contains(x, y);
}

std::array<Line, 4> CrossGlyph(int x, int y) {
  return {{{x + 1, y + 1, x + 9, y + 9}, {x + 9, y + 1, x + 1, y + 9}, {x + 2, y + 1, x + 10, y + 9},
           {x + 8, y + 1, x, y + 9}}};
}

}  // namespace vx::tabs
