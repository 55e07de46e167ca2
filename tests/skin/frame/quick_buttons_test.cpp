// Quick buttons on the caption: their places with and without the divider,
// the strip they take from the caption's text and hit test, and the pointer
// over them.
#include <gtest/gtest.h>

#include "FrameHitTest.h"
#include "ProgramSkin.h"
#include "QuickButtons.h"

namespace vx::frame {
namespace {

using testing::ProgramFrameSkin;
using testing::ProgramObjects;

// The program's caption at 883 x 708 is (5, 4, 839, 20): its middle row is 12.
struct Strip {
  std::vector<QuickButton> buttons;
  std::vector<QuickButton*> refs;
  explicit Strip(int n) : buttons(n) {
    for (int i = 0; i < n; ++i) buttons[i].imageIndex = i;
    Refresh();
  }
  void Refresh() {
    refs.clear();
    for (QuickButton& b : buttons) refs.push_back(&b);
  }
  QuickButtonRefs Items() { return refs; }
};

const Rect kCaption{5, 4, 839, 20};

TEST(QuickButtonLayout, ButtonsFollowEachOtherFromTheCaptionsLeftEdge) {
  Strip s(3);
  const QuickButtonLayout l = LayoutQuickButtons(s.Items(), kCaption, 16, 12, 0, 0);
  EXPECT_TRUE(l.divider.IsEmpty());
  // top = 12 - 12 / 2 - 2 = 4; each 20 x 16, 24 apart.
  EXPECT_EQ(s.buttons[0].rect, (Rect{5, 4, 25, 20}));
  EXPECT_EQ(s.buttons[1].rect, (Rect{29, 4, 49, 20}));
  EXPECT_EQ(s.buttons[2].rect, (Rect{53, 4, 73, 20}));
  EXPECT_EQ(l.stripRight, 77);
  EXPECT_EQ(QuickStripWidth(l, kCaption), 72);
}

TEST(QuickButtonLayout, TheDividerComesFirstAndHiddenItemsTakeNoPlace) {
  Strip s(3);
  s.buttons[1].visible = false;
  s.buttons[1].hot = s.buttons[1].down = true;  // left over from before it was hidden
  const QuickButtonLayout l = LayoutQuickButtons(s.Items(), kCaption, 16, 16, 2, 10);
  EXPECT_EQ(l.divider, (Rect{8, 7, 10, 17}));  // caption.Left + 3, centred
  EXPECT_EQ(s.buttons[0].rect, (Rect{13, 2, 33, 22}));  // after the divider + 6
  EXPECT_TRUE(s.buttons[1].rect.IsEmpty());
  EXPECT_FALSE(s.buttons[1].hot || s.buttons[1].down);
  EXPECT_EQ(s.buttons[2].rect, (Rect{37, 2, 57, 22}));
  EXPECT_EQ(QuickStripWidth(l, kCaption), 56);
}

TEST(QuickButtonLayout, TheHitTestCountsTheCaptionOnlyRightOfTheStrip) {
  const FrameSkin skin = ProgramFrameSkin();
  const FrameGeometry g = UpdateFrameGeometry(skin, 883, 708);
  const FrameObjectList objects = ProgramObjects(skin, 883, 708);
  FrameOptions options;
  HitTestInput in;
  in.skin = &skin;
  in.options = &options;
  in.geometry = &g;
  in.objects = &objects;
  Strip s(2);
  const QuickButtonLayout l = LayoutQuickButtons(s.Items(), kCaption, 16, 16, 2, 10);
  // What the window passes: the visible buttons, the image width and the
  // divider's share.
  in.quickButtons = {2, 16, QuickStripWidth(l, kCaption) - 2 * (16 + 8)};
  const Rect last = s.buttons[1].rect;
  EXPECT_EQ(HitTestFrame(in, last.Right - 1, 10, 883, 708), HitCode::Object);
  EXPECT_EQ(HitTestFrame(in, l.stripRight - 1, 10, 883, 708), HitCode::Object);
  EXPECT_EQ(HitTestFrame(in, l.stripRight, 10, 883, 708), HitCode::Caption);
  EXPECT_EQ(HitTestFrame(in, 400, 10, 883, 708), HitCode::Caption);
}

TEST(QuickButtonMouse, HoverPressAndReleaseOverTheSameItemClickOnce) {
  Strip s(3);
  s.buttons[2].enabled = false;
  LayoutQuickButtons(s.Items(), kCaption, 16, 12, 0, 0);
  QuickButtonChange c = QuickButtonsMove(s.Items(), 30, 10);
  EXPECT_TRUE(c.repaint);
  EXPECT_EQ(c.showHint, 1);
  EXPECT_EQ(HotQuickButton(s.Items()), 1);
  // Moving within the item changes nothing: no repaint for every move.
  EXPECT_FALSE(QuickButtonsMove(s.Items(), 31, 11).repaint);
  c = QuickButtonsPress(s.Items());
  EXPECT_TRUE(c.repaint);
  EXPECT_TRUE(s.buttons[1].down);
  c = QuickButtonsRelease(s.Items(), 31, 11);
  EXPECT_EQ(c.click, 1);
  EXPECT_TRUE(c.repaint);
  EXPECT_FALSE(s.buttons[1].down);
  // A second release (no press) clicks nothing.
  EXPECT_EQ(QuickButtonsRelease(s.Items(), 31, 11).click, -1);
  // A disabled item never lights up, goes down or clicks.
  QuickButtonsMove(s.Items(), 60, 10);
  EXPECT_EQ(HotQuickButton(s.Items()), -1);
  QuickButtonsPress(s.Items());
  EXPECT_EQ(QuickButtonsRelease(s.Items(), 60, 10).click, -1);
}

TEST(QuickButtonMouse, DraggingOffBeforeTheReleaseRunsNothing) {
  Strip s(2);
  LayoutQuickButtons(s.Items(), kCaption, 16, 12, 0, 0);
  QuickButtonsMove(s.Items(), 10, 10);
  QuickButtonsPress(s.Items());
  // Off onto the caption's text, released there.
  EXPECT_TRUE(QuickButtonsMove(s.Items(), 300, 10).hideHint);
  QuickButtonChange c = QuickButtonsRelease(s.Items(), 300, 10);
  EXPECT_EQ(c.click, -1);
  EXPECT_FALSE(s.buttons[0].down);
  // Onto the other item and released there: it was never pressed.
  QuickButtonsMove(s.Items(), 10, 10);
  QuickButtonsPress(s.Items());
  QuickButtonsMove(s.Items(), 30, 10);
  EXPECT_EQ(QuickButtonsRelease(s.Items(), 30, 10).click, -1);
  // Off and back on before the release: it clicks.
  QuickButtonsMove(s.Items(), 10, 10);
  QuickButtonsPress(s.Items());
  QuickButtonsMove(s.Items(), 300, 10);
  QuickButtonsMove(s.Items(), 10, 10);
  EXPECT_EQ(QuickButtonsRelease(s.Items(), 10, 10).click, 0);
  // Leaving the caption gives the press up: coming back and releasing (the
  // release of a press that went out may never reach the caption) clicks
  // nothing.
  QuickButtonsPress(s.Items());
  EXPECT_TRUE(QuickButtonsLeave(s.Items()).repaint);
  EXPECT_EQ(HotQuickButton(s.Items()), -1);
  EXPECT_FALSE(s.buttons[0].down);
  QuickButtonsMove(s.Items(), 10, 10);
  EXPECT_EQ(QuickButtonsRelease(s.Items(), 10, 10).click, -1);
  // A release without a place (in the client area) clears a pressed item.
  QuickButtonsPress(s.Items());
  EXPECT_EQ(QuickButtonsRelease(s.Items(), -1, -1).click, -1);
  EXPECT_FALSE(s.buttons[0].down);
  EXPECT_TRUE(QuickButtonsLeave(s.Items()).repaint);   // the hot item goes
  EXPECT_FALSE(QuickButtonsLeave(s.Items()).repaint);  // nothing left to change
}

TEST(QuickButtonLayout, OnTheCaptionObjectWithItsDivider) {
  FrameObjectList objects = ProgramObjects(ProgramFrameSkin(), 883, 708);
  auto picture = std::make_shared<TvxPixmap>(40, 30);
  for (FrameObject& o : objects)
    if (o.kind == ObjectKind::Caption) {
      o.dividerRect = {30, 0, 32, 12};
      o.picture = picture;
    }
  Strip s(1);
  QuickButtonsPaint q;
  q.items = s.Items();
  ASSERT_TRUE(LayoutQuickButtonsOnCaption(q, objects, true));
  EXPECT_EQ(q.layout.divider, (Rect{8, 6, 10, 18}));
  EXPECT_EQ(q.looks.dividerPicture, picture.get());
  ASSERT_TRUE(LayoutQuickButtonsOnCaption(q, objects, false));  // QuickButtonsShowDivider off
  EXPECT_TRUE(q.layout.divider.IsEmpty());
  EXPECT_EQ(s.buttons[0].rect.Left, 5);
  // No caption, or nothing to show: no strip.
  FrameObjectList none;
  EXPECT_FALSE(LayoutQuickButtonsOnCaption(q, none, true));
  QuickButtonsPaint empty;
  EXPECT_FALSE(LayoutQuickButtonsOnCaption(empty, objects, true));
}

}  // namespace
}  // namespace vx::frame
