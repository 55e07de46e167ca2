#include "FrameAnimation.h"

#include <algorithm>

namespace vx::frame {
namespace {

// Cells stack downwards when the strip is taller than the caption, else they
// lie side by side.
bool Vertical(const FrameObject& c) { return c.animateRect.Height() > c.skinRect.Height(); }

int CellExtent(const FrameObject& c) {
  if (c.frameCount <= 0) return 0;
  return (Vertical(c) ? c.animateRect.Height() : c.animateRect.Width()) / c.frameCount;
}

bool CaptionNeedsStep(const FrameObject& c) {
  if (!CaptionAnimates(c)) return false;
  return c.Active ? c.animFrame <= c.frameCount : c.animFrame > 0;
}

// A button steps forward only while the pointer is on it (Active) and it
// was entered last; otherwise it heads back to its first frame.
bool Forward(const FrameObject& o) { return !o.buttonStyle || (o.increment && o.Active); }

bool AnimateNeedsStep(const FrameObject& o, bool frameActive) {
  if (o.countFrames <= 1) return false;
  if (o.buttonStyle) {
    if (Forward(o)) return o.cycle || o.currentFrame < o.countFrames;
    return o.currentFrame > 1;
  }
  // A decorative animation loops while the window is active.
  return o.cycle && frameActive;
}

void StepAnimate(FrameObject& o) {
  if (!Forward(o)) {
    o.currentFrame = std::max(1, o.currentFrame - 1);
  } else if (o.currentFrame >= o.countFrames) {
    o.currentFrame = o.cycle ? 1 : o.countFrames;
  } else {
    ++o.currentFrame;
  }
}

}  // namespace

bool CaptionAnimates(const FrameObject& c) {
  // Without a look of its own the caption shows the frame picture only.
  return c.kind == ObjectKind::Caption && !c.activeRect.IsEmpty() && !c.animateRect.IsEmpty() &&
         c.frameCount > 0 && CellExtent(c) > 0;
}

bool StartCaptionAnimation(FrameObject& c, bool active) {
  c.Active = active;
  if (!CaptionAnimates(c)) return false;
  c.animFrame = active ? 1 : (c.inactiveAnimation ? c.frameCount : 0);
  c.animAccumulator = kAnimationTickMs;
  return CaptionNeedsStep(c);
}

void SettleCaptionAnimation(FrameObject& c, bool active) {
  c.Active = active;
  c.animFrame = active ? c.frameCount + 1 : 0;
  c.animAccumulator = kAnimationTickMs;
}

Rect CaptionAnimationCell(const FrameObject& c) {
  if (!CaptionAnimates(c) || c.animFrame < 1 || c.animFrame > c.frameCount) return {};
  const Rect& a = c.animateRect;
  const int size = CellExtent(c);
  const int offset = size * (c.animFrame - 1);
  if (Vertical(c)) return {a.Left, a.Top + offset, a.Right, a.Top + offset + size};
  return {a.Left + offset, a.Top, a.Left + offset + size, a.Bottom};
}

bool AnimateEnter(FrameObject& o) {
  if (o.kind != ObjectKind::Animate || !o.buttonStyle) return false;
  o.Active = true;
  o.increment = true;
  o.animElapsed = 0;
  return AnimateNeedsStep(o, true);
}

bool AnimateLeave(FrameObject& o) {
  if (o.kind != ObjectKind::Animate || !o.buttonStyle) return false;
  o.increment = false;
  o.animElapsed = 0;
  return AnimateNeedsStep(o, true);
}

void AnimatePress(FrameObject& o) {
  if (o.kind == ObjectKind::Animate && !o.downRect.IsEmpty()) o.currentFrame = o.countFrames;
}

void ResetAnimate(FrameObject& o) {
  if (o.kind != ObjectKind::Animate) return;
  o.MouseIn = o.Active = false;
  o.currentFrame = 1;
  o.increment = true;
  o.animElapsed = 0;
}

Rect AnimateFrameRect(const FrameObject& o, bool commandInEffect) {
  const Rect base = commandInEffect && !o.restoreRect.IsEmpty() ? o.restoreRect : o.skinRect;
  const int frame = std::clamp(o.currentFrame, 1, std::max(1, o.countFrames));
  return base.Offset(ClampFrameCoord(int64_t{base.Width()} * (frame - 1)), 0);
}

AnimationTick TickAnimations(FrameObjectList& objects, bool frameActive, int elapsedMs) {
  AnimationTick t;
  for (size_t i = 0; i < objects.size(); ++i) {
    FrameObject& o = objects[i];
    if (o.kind == ObjectKind::Caption) {
      if (!CaptionNeedsStep(o)) continue;
      if (o.animAccumulator < o.animateInterval) {
        o.animAccumulator += elapsedMs;
      } else {
        o.animFrame += o.Active ? 1 : -1;
        o.animAccumulator = kAnimationTickMs;
        t.redraw.push_back(static_cast<int>(i));
      }
      t.running = t.running || CaptionNeedsStep(o);
    } else if (o.kind == ObjectKind::Animate) {
      if (!o.Visible || !AnimateNeedsStep(o, frameActive)) continue;
      o.animElapsed += elapsedMs;
      if (o.animElapsed >= o.timerInterval) {
        o.animElapsed = 0;
        StepAnimate(o);
        t.redraw.push_back(static_cast<int>(i));
      }
      t.running = t.running || AnimateNeedsStep(o, frameActive);
    }
  }
  return t;
}

}  // namespace vx::frame
