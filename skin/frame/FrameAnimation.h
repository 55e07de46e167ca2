// The frame's animations on the 25 ms animation tick: the caption playing its
// strip of cells when the window's activity changes, and animate objects
// stepping through their frames as the pointer enters and leaves them. Pure
// state over the object list; the window binding owns the timer and redraws.
#pragma once

#include "FrameObjects.h"

namespace vx::frame {

// The animation timer's period.
constexpr int kAnimationTickMs = 25;

// Whether the caption has an animation that can be shown: a strip, a frame
// count, and cells at least one pixel in size.
bool CaptionAnimates(const FrameObject& caption);

// The caption's activity changed to `active` (with skin effects on): the run
// starts from the first cell, or from the last one to play backwards when the
// caption animates going inactive. True when the timer is needed.
bool StartCaptionAnimation(FrameObject& caption, bool active);

// Without skin effects the caption shows its plain look at once.
void SettleCaptionAnimation(FrameObject& caption, bool active);

// The cell of the strip the caption shows now; empty while no run shows a
// cell (before it starts, after it ends).
Rect CaptionAnimationCell(const FrameObject& caption);

// Animate objects acting as buttons: the pointer entered or left. True when
// the timer is needed.
bool AnimateEnter(FrameObject& o);
bool AnimateLeave(FrameObject& o);
// A press with a down image shows the last frame pressed.
void AnimatePress(FrameObject& o);
// Back to the idle look (activation, a size/move loop).
void ResetAnimate(FrameObject& o);

// The frame an animate object shows now, as a rectangle of its picture:
// frame k lies k - 1 skin-rectangle widths right of the skin rectangle (of
// the restore set while its command is in effect).
Rect AnimateFrameRect(const FrameObject& o, bool commandInEffect);

// One animation tick of `elapsedMs` over the list. `redraw` receives the
// indices of the objects whose look changed; `running` whether any object
// still needs ticks (the timer stops when none does).
struct AnimationTick {
  std::vector<int> redraw;
  bool running = false;
};
AnimationTick TickAnimations(FrameObjectList& objects, bool frameActive, int elapsedMs = kAnimationTickMs);

}  // namespace vx::frame
