// The page control's geometry: page area, tab rectangles, the close button's
// place and hit area.
#include <gtest/gtest.h>

#include "vxTabRules.h"

namespace vx::tabs {
namespace {

TEST(TabPageArea, PlainLookFramesThePageOnePixelInside) {
  // The platform's page area of a 300 x 200 control with a 20-pixel top row.
  const tk::TRect computed{4, 24, 296, 196};
  EXPECT_EQ(PageArea(computed, 300, 200, TabSide::Top, std::nullopt), (tk::TRect{1, 19, 299, 199}));
  EXPECT_EQ(PageArea({4, 4, 296, 176}, 300, 200, TabSide::Bottom, std::nullopt), (tk::TRect{1, 1, 299, 179}));
  EXPECT_EQ(PageArea({24, 4, 296, 196}, 300, 200, TabSide::Left, std::nullopt), (tk::TRect{21, -1, 299, 199}));
  EXPECT_EQ(PageArea({4, 4, 276, 196}, 300, 200, TabSide::Right, std::nullopt), (tk::TRect{1, -1, 279, 199}));
}

TEST(TabPageArea, RecordMarginsReplaceTheEdges) {
  const PageMargins m{3, 2, 4, 5};
  const tk::TRect computed{4, 24, 296, 196};
  EXPECT_EQ(PageArea(computed, 300, 200, TabSide::Top, m), (tk::TRect{3, 20, 296, 195}));
  EXPECT_EQ(PageArea({4, 4, 296, 176}, 300, 200, TabSide::Bottom, m), (tk::TRect{3, 2, 296, 175}));
  EXPECT_EQ(PageArea({24, 4, 296, 196}, 300, 200, TabSide::Left, m), (tk::TRect{23, 2, 296, 195}));
  EXPECT_EQ(PageArea({4, 4, 276, 196}, 300, 200, TabSide::Right, m), (tk::TRect{3, 2, 276, 195}));
}

TEST(TabItemRect, OrdinaryTabsMoveOutwardAndTheFirstStartsOnePixelIn) {
  const tk::TRect r{10, 2, 60, 22};
  EXPECT_EQ(TabItemRect(r, TabSide::Top, false, false, false), (tk::TRect{8, 0, 58, 20}));
  EXPECT_EQ(TabItemRect(r, TabSide::Top, false, false, true), (tk::TRect{9, 0, 58, 20}));
  EXPECT_EQ(TabItemRect(r, TabSide::Top, true, false, true), (tk::TRect{10, 0, 60, 20})) << "many rows";
  EXPECT_EQ(TabItemRect(r, TabSide::Bottom, false, false, false), (tk::TRect{8, 4, 58, 24}));
  EXPECT_EQ(TabItemRect(r, TabSide::Left, true, false, false), (tk::TRect{8, 2, 58, 22}));
  EXPECT_EQ(TabItemRect(r, TabSide::Right, true, false, false), (tk::TRect{12, 2, 62, 22}));
  EXPECT_EQ(TabItemRect(r, TabSide::Top, false, true, false), r) << "button-style tabs stay";
}

TEST(CloseButton, SitsAtTheRightEndVerticallyCentred) {
  // Plain look: 14 x 14, the room 16 pixels.
  const int room = CloseRoom(true, kDefaultCloseButtonSize);
  EXPECT_EQ(room, 16);
  EXPECT_EQ(CloseRoom(false, kDefaultCloseButtonSize), 0);
  EXPECT_EQ(CloseButtonRect(100, 20, room, false, 0, false, 14, 14), (tk::TRect{84, 3, 98, 17}));
  // The program's skin: 13-pixel buttons start 18 pixels before the end of a
  // 22-pixel tab, whose inactive contents sit 2 pixels lower.
  tk::TRect skinned = CloseButtonRect(100, 22, CloseRoom(true, 13), true, 0, false, 13, 13);
  EXPECT_EQ(skinned.Left, 100 - 18);
  EXPECT_EQ(skinned.Top, 4);
  EXPECT_EQ(CloseButtonRect(100, 22, 15, true, 2, false, 13, 13).Top, 5);
  EXPECT_EQ(CloseButtonRect(100, 22, 15, true, 2, true, 13, 13).Top, 6);
}

TEST(CloseButton, HitAreaFollowsTheTabAndTheRowShift) {
  const tk::TRect stored{84, 3, 98, 17};
  const tk::TRect item{200, 0, 300, 20};
  EXPECT_TRUE(InCloseButton(stored, item, 0, 284, 3));
  EXPECT_TRUE(InCloseButton(stored, item, 0, 297, 16));
  EXPECT_FALSE(InCloseButton(stored, item, 0, 298, 10)) << "right edge excluded";
  EXPECT_FALSE(InCloseButton(stored, item, 0, 283, 10));
  EXPECT_TRUE(InCloseButton(stored, item, 30, 254, 3));
  EXPECT_FALSE(InCloseButton({}, item, 0, 250, 10)) << "a tab never drawn has no button";
}

TEST(TabRecordRules, MarginsAndCloseSizeComeFromTheRecord) {
  // The program's "tab" record: skinrect 59 x 52, clientrect 2,2,57,50.
  const PageMargins m = MarginsOf(59, 52, {2, 2, 57, 50});
  EXPECT_EQ(m.left, 2);
  EXPECT_EQ(m.top, 2);
  EXPECT_EQ(m.right, 2);
  EXPECT_EQ(m.bottom, 2);
  EXPECT_EQ(CloseButtonSizeOf({423, 114, 436, 127}), 13);
  EXPECT_EQ(CloseButtonSizeOf({}), kDefaultCloseButtonSize);
  // Its close button starts 18 pixels before a tab's right end, centred in 22.
  EXPECT_EQ(CloseButtonRect(80, 22, CloseRoom(true, 13), true, 0, false, 13, 13), (tk::TRect{62, 4, 75, 17}));
  // A tab that is not selected has its contents (and close area) 2 lower.
  EXPECT_EQ(CloseButtonRect(80, 22, CloseRoom(true, 13), true, 2, false, 13, 13).Top, 5);
}

TEST(TabRecordRules, EachTabShowsThePictureOfItsState) {
  const TabLooks looks{{67, 105, 118, 127}, {4, 110, 55, 133}, {4, 159, 55, 182}, {4, 134, 56, 156}};
  EXPECT_EQ(TabStateRect(looks, false, false, false), looks.tab);
  EXPECT_EQ(TabStateRect(looks, false, true, true), looks.mouseIn);
  EXPECT_EQ(TabStateRect(looks, true, true, false), looks.active) << "the selected tab does not light up";
  EXPECT_EQ(TabStateRect(looks, true, false, true), looks.focus);
  TabLooks noHot = looks;
  noHot.mouseIn = {};
  EXPECT_EQ(TabStateRect(noHot, false, true, false), looks.tab);
  EXPECT_EQ(TabContentShift(looks, false), 2) << "22 high against the selected 23";
  EXPECT_EQ(TabContentShift(looks, true), 0);
  TabLooks same = looks;
  same.active = same.tab;
  EXPECT_EQ(TabContentShift(same, false), 0);
}

}  // namespace
}  // namespace vx::tabs
