// Alignment arithmetic: stacking order, the strips each alignment takes, and
// controls that refuse the size they are given.
#include <gtest/gtest.h>

#include <vector>

#include "tkAlign.h"

using namespace tk;

namespace {

TEST(Align, StacksByPositionNotByListOrder) {
  // Listed out of order; alTop stacks them by their tops.
  std::vector<AlignItem> items = {
      {alTop, Bounds(0, 66, 97, 33)},
      {alTop, Bounds(0, 0, 97, 33)},
      {alTop, Bounds(0, 33, 97, 20)},
  };
  TRect left = AlignItems(Rect(0, 0, 97, 630), items);
  EXPECT_EQ(items[1].bounds, Bounds(0, 0, 97, 33));
  EXPECT_EQ(items[2].bounds, Bounds(0, 33, 97, 20));
  EXPECT_EQ(items[0].bounds, Bounds(0, 53, 97, 33));
  EXPECT_EQ(left, Rect(0, 86, 97, 630));
}

TEST(Align, EachAlignmentTakesItsStripAndClientTakesTheRest) {
  std::vector<AlignItem> items = {
      {alClient, Bounds(5, 5, 10, 10)},
      {alRight, Bounds(300, 0, 20, 10)},
      {alBottom, Bounds(0, 200, 10, 15)},
      {alLeft, Bounds(0, 0, 30, 10)},
      {alTop, Bounds(0, 0, 10, 40)},
      {alNone, Bounds(7, 8, 9, 10)},
  };
  AlignItems(Rect(0, 0, 400, 300), items);
  EXPECT_EQ(items[4].bounds, Bounds(0, 0, 400, 40));     // top: full width
  EXPECT_EQ(items[2].bounds, Bounds(0, 285, 400, 15));   // bottom: full width, at the bottom
  EXPECT_EQ(items[3].bounds, Bounds(0, 40, 30, 245));    // left: between top and bottom
  EXPECT_EQ(items[1].bounds, Bounds(380, 40, 20, 245));  // right
  EXPECT_EQ(items[0].bounds, Bounds(30, 40, 350, 245));  // client: what is left
  EXPECT_EQ(items[5].bounds, Bounds(7, 8, 9, 10));       // not aligned: untouched
}

TEST(Align, BottomAndRightStackOutwardsWithTiesToTheLaterControl) {
  std::vector<AlignItem> items = {
      {alBottom, Bounds(0, 90, 10, 10)},   // bottom 100
      {alBottom, Bounds(0, 60, 10, 10)},   // bottom 70: higher, so inside although later
      {alBottom, Bounds(0, 80, 10, 20)},   // bottom 100 again: the tie goes to the later, outside
      {alRight, Bounds(50, 0, 10, 10)},    // right 60
      {alRight, Bounds(50, 0, 10, 10)},    // same right: the later one goes outside
  };
  AlignItems(Rect(0, 0, 100, 100), items);
  EXPECT_EQ(items[2].bounds.Top, 80);
  EXPECT_EQ(items[0].bounds.Top, 70);
  EXPECT_EQ(items[1].bounds.Top, 60);
  EXPECT_EQ(items[4].bounds.Left, 90);
  EXPECT_EQ(items[3].bounds.Left, 80);
}

TEST(Align, InvisibleControlsTakeNoSpace) {
  std::vector<AlignItem> items = {
      {alTop, Bounds(0, 0, 10, 49), false},
      {alClient, Bounds(0, 0, 10, 10)},
  };
  AlignItems(Rect(0, 0, 100, 100), items);
  EXPECT_EQ(items[0].bounds, Bounds(0, 0, 10, 49)) << "hidden: left where it was";
  EXPECT_EQ(items[1].bounds, Rect(0, 0, 100, 100));
}

TEST(Align, AControlThatKeepsItsHeightTakesOnlyThatMuch) {
  // The first control refuses any height but 22 (a fixed-height skinned
  // control); the next one starts right below what it kept.
  std::vector<AlignItem> items = {
      {alTop, Bounds(0, 0, 50, 33)},
      {alTop, Bounds(0, 33, 50, 33)},
      {alLeft, Bounds(0, 0, 40, 10)},
  };
  std::vector<TRect> proposed;
  AlignItems(Rect(0, 0, 100, 200), items, [&](size_t i, const TRect& r) {
    proposed.push_back(r);
    if (i == 0) return Bounds(r.Left, r.Top, r.Width(), 22);
    if (i == 2) return Bounds(r.Left, r.Top, 25, r.Height());
    return r;
  });
  EXPECT_EQ(items[0].bounds, Bounds(0, 0, 100, 22));
  EXPECT_EQ(items[1].bounds, Bounds(0, 22, 100, 33));
  EXPECT_EQ(items[2].bounds, Bounds(0, 55, 25, 145));
  ASSERT_EQ(proposed.size(), 3u);
  EXPECT_EQ(proposed[2], Bounds(0, 55, 40, 145));
}

TEST(Align, TooLittleSpaceNeverGivesNegativeSizes) {
  std::vector<AlignItem> items = {
      {alTop, Bounds(0, 0, 10, 80)},
      {alBottom, Bounds(0, 0, 10, 80)},
      {alLeft, Bounds(0, 0, 10, 10)},
      {alClient, Bounds(0, 0, 10, 10)},
  };
  AlignItems(Rect(0, 0, 5, 100), items);
  for (const AlignItem& i : items) {
    EXPECT_GE(i.bounds.Width(), 0);
    EXPECT_GE(i.bounds.Height(), 0);
  }
  EXPECT_EQ(items[3].bounds.Height(), 0);
}

}  // namespace
