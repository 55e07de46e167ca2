#include "QuickButtons.h"

#include <algorithm>

#include "vxCopy.h"
#include "vxNinePart.h"

namespace vx::frame {
namespace {

PixRect R(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

int ItemAt(QuickButtonRefs items, int x, int y) {
  for (size_t i = 0; i < items.size(); ++i) {
    const QuickButton& b = *items[i];
    if (b.visible && b.enabled && b.rect.Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

QuickButtonLayout LayoutQuickButtons(QuickButtonRefs items, const Rect& caption, int imageWidth, int imageHeight,
                                     int dividerWidth, int dividerHeight) {
  QuickButtonLayout l;
  const int iw = std::clamp(imageWidth, 0, 4096), ih = std::clamp(imageHeight, 0, 4096);
  const int middle = caption.Top + caption.Height() / 2;
  int x = caption.Left;
  if (dividerWidth > 0 && dividerHeight > 0) {
    const int top = middle - dividerHeight / 2;
    l.divider = {caption.Left + 3, top, caption.Left + 3 + dividerWidth, top + dividerHeight};
    x = caption.Left + dividerWidth + 6;
  }
  const int top = middle - ih / 2 - 2;
  for (QuickButton* b : items) {
    if (!b->visible) {
      b->rect = {};
      b->hot = b->down = false;
      continue;
    }
    b->rect = {x, top, x + iw + 4, top + ih + 4};
    x = ClampFrameCoord(int64_t{x} + iw + 8);
  }
  l.stripRight = x;
  return l;
}

int HotQuickButton(QuickButtonRefs items) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i]->hot) return static_cast<int>(i);
  return -1;
}

QuickButtonChange QuickButtonsMove(QuickButtonRefs items, int x, int y) {
  QuickButtonChange c;
  const int was = HotQuickButton(items), now = ItemAt(items, x, y);
  if (was == now) return c;
  if (was >= 0) items[was]->hot = false;
  if (now >= 0) items[now]->hot = true;
  c.repaint = true;
  c.hideHint = was >= 0;
  c.showHint = now;
  return c;
}

QuickButtonChange QuickButtonsPress(QuickButtonRefs items) {
  QuickButtonChange c;
  const int hot = HotQuickButton(items);
  if (hot < 0 || items[hot]->down) return c;
  items[hot]->down = true;
  c.repaint = true;
  return c;
}

QuickButtonChange QuickButtonsRelease(QuickButtonRefs items, int x, int y) {
  QuickButtonChange c;
  const int under = ItemAt(items, x, y);
  // Only the item that went down clicks, and only with the pointer back on
  // it: a press dragged off and released elsewhere runs nothing.
  if (under >= 0 && items[under]->down && items[under]->hot) c.click = under;
  for (QuickButton* b : items) {
    if (b->down) c.repaint = true;
    b->down = false;
  }
  return c;
}

QuickButtonChange QuickButtonsLeave(QuickButtonRefs items) {
  QuickButtonChange c;
  // A press that left the caption is given up: its release may come
  // anywhere, or never reach the caption.
  for (QuickButton* b : items) {
    if (b->down) c.repaint = true;
    b->down = false;
  }
  const int hot = HotQuickButton(items);
  if (hot < 0) return c;
  items[hot]->hot = false;
  c.repaint = true;
  c.hideHint = true;
  return c;
}

void DrawQuickButtons(TvxPixmap& canvas, int dx, int dy, QuickButtonRefs items, const QuickButtonLayout& layout,
                      const QuickButtonLooks& looks) {
  if (!layout.divider.IsEmpty() && looks.dividerPicture) {
    const Rect to = layout.divider.Offset(dx, dy);
    if (looks.dividerTransparent)
      CopyRectKeyed(*looks.dividerPicture, R(looks.dividerSource), canvas, R(to), looks.dividerKey);
    else
      CopyRect(*looks.dividerPicture, R(looks.dividerSource), canvas, R(to));
  }
  for (const QuickButton* b : items) {
    if (!b->visible || b->rect.IsEmpty()) continue;
    const Rect to = b->rect.Offset(dx, dy);
    if (b->hot && b->enabled && looks.backPicture) {
      const Rect& from = b->down ? looks.backDown : looks.backHover;
      const int sw = looks.backSkinRect.Width(), sh = looks.backSkinRect.Height();
      TvxPixmap back;
      const NinePartLayout& l = looks.backLayout;
      if (l.rb.x != 0 && l.rb.y != 0) {
        DrawNinePart(*looks.backPicture, R(from), l, MapStandardSize(l, sw, sh, to.Width(), to.Height()), to.Width(),
                     to.Height(), looks.backEdges, looks.backFill, back);
      } else if (back.SetSize(to.Width(), to.Height())) {
        // A record made for three-part drawing has no nine-part corners:
        // its client rectangle frames it instead (corners kept, the rest
        // stretched), or it is scaled whole.
        if (!l.client.IsEmpty()) DrawFramedStretch(back, *looks.backPicture, R(from), l.client, true);
        else CopyRect(*looks.backPicture, R(from), back, {0, 0, back.Width(), back.Height()});
      }
      if (!back.Empty()) CopyRect(back, {0, 0, back.Width(), back.Height()}, canvas, R(to));
    }
    if (looks.drawImage) {
      const int x = to.Left + (to.Width() - looks.imageWidth) / 2;
      const int y = to.Top + (to.Height() - looks.imageHeight) / 2;
      looks.drawImage(canvas, x, y, b->imageIndex, b->enabled);
    }
  }
}

}  // namespace vx::frame

namespace vx::frame {

bool LayoutQuickButtonsOnCaption(QuickButtonsPaint& q, const FrameObjectList& objects, bool showDivider) {
  q.layout = {};
  const int i = FirstCaptionIndex(objects);
  if (i < 0 || q.items.empty()) return false;
  const FrameObject& caption = objects[i];
  const bool divider = showDivider && !caption.dividerRect.IsEmpty() && caption.picture;
  q.looks.dividerPicture = divider ? caption.picture.get() : nullptr;
  q.looks.dividerSource = caption.dividerRect;
  q.looks.dividerTransparent = caption.dividerTransparent;
  q.looks.dividerKey = PixelFromColor(caption.dividerTransparentColor);
  q.layout = LayoutQuickButtons(q.items, caption.rect, q.looks.imageWidth, q.looks.imageHeight,
                                divider ? caption.dividerRect.Width() : 0, divider ? caption.dividerRect.Height() : 0);
  return true;
}

}  // namespace vx::frame
