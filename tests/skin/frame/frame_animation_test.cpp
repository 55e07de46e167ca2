// The caption's strip animation and the animate objects' frame stepping,
// driven by a fake 25 ms tick.
#include <gtest/gtest.h>

#include "FrameAnimation.h"
#include "FrameMouse.h"

namespace vx::frame {
namespace {

// A caption 100 x 16 with three cells of an animation strip.
FrameObject AnimatedCaption(int interval, bool inactiveAnimation, bool vertical = true) {
  FrameObject c;
  c.kind = ObjectKind::Caption;
  c.skinRect = c.rect = {5, 4, 105, 20};
  c.activeRect = {0, 0, 100, 16};
  c.animateRect = vertical ? Rect{0, 20, 100, 68} : Rect{0, 20, 300, 36};
  c.frameCount = 3;
  c.animateInterval = interval;
  c.inactiveAnimation = inactiveAnimation;
  return c;
}

// The frames shown, tick by tick, until the run ends (bounded).
std::vector<int> PlayRun(FrameObjectList& list, int maxTicks = 100) {
  std::vector<int> shown;
  for (int i = 0; i < maxTicks; ++i) {
    const AnimationTick t = TickAnimations(list, true);
    if (!t.redraw.empty()) shown.push_back(list[0].animFrame);
    if (!t.running) break;
  }
  return shown;
}

TEST(CaptionAnimation, ActivationPlaysTheCellsForwardThenShowsTheActiveLook) {
  FrameObjectList list{AnimatedCaption(25, false)};
  ASSERT_TRUE(StartCaptionAnimation(list[0], true));
  EXPECT_EQ(list[0].animFrame, 1);
  EXPECT_EQ(CaptionAnimationCell(list[0]), (Rect{0, 20, 100, 36}));
  EXPECT_EQ(PlayRun(list), (std::vector<int>{2, 3, 4}));
  // Past the last cell the caption shows its active image again.
  EXPECT_TRUE(CaptionAnimationCell(list[0]).IsEmpty());
  // Idle: further ticks neither step nor ask for the timer.
  const AnimationTick idle = TickAnimations(list, true);
  EXPECT_TRUE(idle.redraw.empty());
  EXPECT_FALSE(idle.running);
}

TEST(CaptionAnimation, TheIntervalGathersTicksBeforeEachStep) {
  FrameObjectList list{AnimatedCaption(100, false)};
  StartCaptionAnimation(list[0], true);
  // The accumulator starts at 25 and grows by 25 per tick up to 100: three
  // quiet ticks, then a step, and so on.
  std::vector<int> stepTicks;
  for (int tick = 1; tick <= 40; ++tick) {
    if (!TickAnimations(list, true).redraw.empty()) stepTicks.push_back(tick);
  }
  EXPECT_EQ(stepTicks, (std::vector<int>{4, 8, 12}));
}

TEST(CaptionAnimation, DeactivationPlaysBackwardsOnlyWhenTheSkinAsks) {
  FrameObjectList list{AnimatedCaption(25, true)};
  ASSERT_TRUE(StartCaptionAnimation(list[0], false));
  EXPECT_EQ(CaptionAnimationCell(list[0]), (Rect{0, 52, 100, 68}));  // the last cell first
  EXPECT_EQ(PlayRun(list), (std::vector<int>{2, 1, 0}));
  EXPECT_TRUE(CaptionAnimationCell(list[0]).IsEmpty());

  FrameObjectList plain{AnimatedCaption(25, false)};
  EXPECT_FALSE(StartCaptionAnimation(plain[0], false));
  EXPECT_EQ(plain[0].animFrame, 0);
  EXPECT_TRUE(CaptionAnimationCell(plain[0]).IsEmpty());
  EXPECT_FALSE(TickAnimations(plain, false).running);
}

TEST(CaptionAnimation, ReactivatingMidRunRestartsFromTheFirstCell) {
  FrameObjectList list{AnimatedCaption(25, true)};
  StartCaptionAnimation(list[0], true);
  TickAnimations(list, true);
  TickAnimations(list, true);
  EXPECT_EQ(list[0].animFrame, 3);
  StartCaptionAnimation(list[0], false);
  EXPECT_EQ(list[0].animFrame, 3);
  TickAnimations(list, true);
  EXPECT_EQ(list[0].animFrame, 2);
  StartCaptionAnimation(list[0], true);
  EXPECT_EQ(list[0].animFrame, 1);
}

TEST(CaptionAnimation, WithoutEffectsTheCaptionRestsOnItsPlainLook) {
  FrameObjectList list{AnimatedCaption(25, true)};
  SettleCaptionAnimation(list[0], true);
  EXPECT_TRUE(CaptionAnimationCell(list[0]).IsEmpty());
  // Ticks run for other objects leave it alone.
  EXPECT_FALSE(TickAnimations(list, true).running);
  SettleCaptionAnimation(list[0], false);
  EXPECT_TRUE(CaptionAnimationCell(list[0]).IsEmpty());
  EXPECT_FALSE(TickAnimations(list, true).running);
}

TEST(CaptionAnimation, CellsLieSideBySideWhenTheStripIsNotTaller) {
  FrameObject c = AnimatedCaption(25, false, false);
  StartCaptionAnimation(c, true);
  EXPECT_EQ(CaptionAnimationCell(c), (Rect{0, 20, 100, 36}));
  c.animFrame = 3;
  EXPECT_EQ(CaptionAnimationCell(c), (Rect{200, 20, 300, 36}));
}

TEST(CaptionAnimation, NothingRunsWithoutAShowableStrip) {
  FrameObject noActive = AnimatedCaption(25, true);
  noActive.activeRect = {};  // the frame picture holds the caption: nothing to animate over
  FrameObject noStrip = AnimatedCaption(25, true);
  noStrip.animateRect = {};
  FrameObject tooMany = AnimatedCaption(25, true);
  tooMany.frameCount = 1000;  // cells below one pixel
  FrameObject none = AnimatedCaption(25, true);
  none.frameCount = 0;
  for (FrameObject* c : {&noActive, &noStrip, &tooMany, &none}) {
    EXPECT_FALSE(StartCaptionAnimation(*c, true));
    EXPECT_TRUE(CaptionAnimationCell(*c).IsEmpty());
    FrameObjectList list{*c};
    EXPECT_FALSE(TickAnimations(list, true).running);
  }
}

FrameObject AnimateButton(int frames, int interval, bool cycle = false) {
  FrameObject a;
  a.kind = ObjectKind::Animate;
  a.buttonStyle = true;
  a.inPicture = true;
  a.skinRect = {0, 0, 10, 8};
  a.countFrames = frames;
  a.timerInterval = interval;
  a.cycle = cycle;
  return a;
}

std::vector<int> Frames(FrameObjectList& list, int ticks) {
  std::vector<int> out;
  for (int i = 0; i < ticks; ++i) {
    TickAnimations(list, true);
    out.push_back(list[0].currentFrame);
  }
  return out;
}

TEST(AnimateObject, EnteringStepsForwardToTheLastFrameAndLeavingBackToTheFirst) {
  FrameObjectList list{AnimateButton(4, 50)};
  ASSERT_TRUE(AnimateEnter(list[0]));
  EXPECT_EQ(Frames(list, 6), (std::vector<int>{1, 2, 2, 3, 3, 4}));
  EXPECT_FALSE(TickAnimations(list, true).running);  // held on the last frame
  EXPECT_EQ(AnimateFrameRect(list[0], false), (Rect{30, 0, 40, 8}));
  // Leaving half-way back: entering again turns round from where it is.
  ASSERT_TRUE(AnimateLeave(list[0]));
  EXPECT_EQ(Frames(list, 2), (std::vector<int>{4, 3}));
  AnimateEnter(list[0]);
  EXPECT_EQ(Frames(list, 2), (std::vector<int>{3, 4}));
  AnimateLeave(list[0]);
  Frames(list, 6);
  EXPECT_EQ(list[0].currentFrame, 1);
  EXPECT_FALSE(TickAnimations(list, true).running);
}

TEST(AnimateObject, ButtonsAtRestStayPutWhileTheTickRunsForOthers) {
  FrameObjectList list{AnimateButton(4, 25), AnimatedCaption(25, false)};
  StartCaptionAnimation(list[1], true);
  for (int i = 0; i < 6; ++i) TickAnimations(list, true);
  EXPECT_EQ(list[0].currentFrame, 1);
  // Reset half-way forward (activation, a size/move loop): back on the
  // first frame, and further ticks leave it there.
  AnimateEnter(list[0]);
  TickAnimations(list, true);
  ResetAnimate(list[0]);
  StartCaptionAnimation(list[1], true);
  for (int i = 0; i < 6; ++i) TickAnimations(list, true);
  EXPECT_EQ(list[0].currentFrame, 1);
  // The pointer went away without a leave of its own (the frame cleared it):
  // the button still returns to its first frame.
  AnimateEnter(list[0]);
  Frames(list, 2);
  list[0].Active = false;
  for (int i = 0; i < 6; ++i) TickAnimations(list, true);
  EXPECT_EQ(list[0].currentFrame, 1);
}

TEST(AnimateObject, CyclingLoopsWhileEnteredAndDecorativeOnesLoopWhileActive) {
  FrameObjectList list{AnimateButton(3, 25, true)};
  AnimateEnter(list[0]);
  EXPECT_EQ(Frames(list, 5), (std::vector<int>{2, 3, 1, 2, 3}));
  EXPECT_TRUE(TickAnimations(list, true).running);

  FrameObject deco = AnimateButton(2, 25, true);
  deco.buttonStyle = false;
  FrameObjectList decorative{deco};
  EXPECT_EQ(Frames(decorative, 3), (std::vector<int>{2, 1, 2}));
  EXPECT_FALSE(TickAnimations(decorative, false).running);  // an inactive window rests
  // Without cycle and button style an animate stays on its first frame.
  deco.cycle = false;
  FrameObjectList still{deco};
  EXPECT_EQ(Frames(still, 2), (std::vector<int>{1, 1}));
}

TEST(AnimateObject, PressShowsTheLastFrameAndResetReturnsToTheFirst) {
  FrameObject a = AnimateButton(4, 25);
  AnimatePress(a);
  EXPECT_EQ(a.currentFrame, 1);  // no down image: no jump
  a.downRect = {0, 10, 10, 18};
  AnimatePress(a);
  EXPECT_EQ(a.currentFrame, 4);
  a.Active = a.MouseIn = true;
  a.increment = false;
  ResetAnimate(a);
  EXPECT_EQ(a.currentFrame, 1);
  EXPECT_TRUE(a.increment);
  EXPECT_FALSE(a.Active || a.MouseIn);
}

TEST(AnimateObject, TheRestoreSetTakesOverWhileTheCommandIsInEffect) {
  FrameObject a = AnimateButton(3, 25);
  a.restoreRect = {0, 20, 10, 28};
  a.currentFrame = 2;
  EXPECT_EQ(AnimateFrameRect(a, true), (Rect{10, 20, 20, 28}));
  EXPECT_EQ(AnimateFrameRect(a, false), (Rect{10, 0, 20, 8}));
  a.currentFrame = 99;  // never beyond the last frame
  EXPECT_EQ(AnimateFrameRect(a, false), (Rect{20, 0, 30, 8}));
}

TEST(CaptionHover, ThePointerDoesNotChangeTheCaptionsActivity) {
  FrameMouse m;
  FrameObject caption = AnimatedCaption(25, false);
  caption.Active = true;  // an active window
  m.SetObjects({caption});
  m.TrackHotObject(20, 10, true);
  EXPECT_EQ(m.Hot(), 0);
  EXPECT_TRUE(m.Objects()[0].MouseIn);
  m.TrackHotObject(500, 300, true);
  EXPECT_FALSE(m.Objects()[0].MouseIn);
  EXPECT_TRUE(m.Objects()[0].Active);
}

}  // namespace
}  // namespace vx::frame
