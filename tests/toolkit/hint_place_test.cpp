// The plain hint's place on the work area.
#include <gtest/gtest.h>

#include "tkHintPlace.h"

namespace tk {
namespace {

TEST(HintPlace, BelowThePointerUnlessAnEdgeIsPassed) {
  const TRect work{0, 0, 800, 570};
  // The application asks for the pointer + 20 down.
  EXPECT_EQ(PlaceHintRect(Bounds(300, 220, 70, 18), 300, 200, work), Bounds(300, 220, 70, 18));
  EXPECT_EQ(PlaceHintRect(Bounds(730, 552, 70, 18), 730, 532, work), Bounds(730, 552, 70, 18));
  // Right edge: it ends 2 pixels left of the pointer.
  EXPECT_EQ(PlaceHintRect(Bounds(780, 220, 70, 18), 780, 200, work), Bounds(708, 220, 70, 18));
  // Bottom edge: it ends 2 pixels above the pointer.
  EXPECT_EQ(PlaceHintRect(Bounds(300, 560, 70, 18), 300, 540, work), Bounds(300, 520, 70, 18));
  EXPECT_EQ(PlaceHintRect(Bounds(780, 560, 70, 18), 780, 540, work), Bounds(708, 520, 70, 18));
}

TEST(HintPlace, KeepsToTheWorkAreaOfAnyMonitor) {
  const TRect left{-1024, 30, 0, 768};
  EXPECT_EQ(PlaceHintRect(Bounds(-20, 760, 70, 18), -20, 740, left), Bounds(-92, 720, 70, 18));
  // Wider than the space left of the pointer: it keeps to the left edge.
  EXPECT_EQ(PlaceHintRect(Bounds(-1000, 40, 90, 18), -1000, 20, {-1024, 30, -950, 768}), Bounds(-1024, 40, 90, 18));
  // A pointer above the work area (over a top taskbar).
  EXPECT_EQ(PlaceHintRect(Bounds(-500, 10, 70, 18), -500, -10, left), Bounds(-500, 30, 70, 18));
}

}  // namespace
}  // namespace tk
