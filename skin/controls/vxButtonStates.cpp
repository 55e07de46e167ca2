#include "vxButtonStates.h"

#include <algorithm>
#include <cwctype>

namespace vx {

void TvxButtonEffects::Set(bool morph, bool animate, int framecount, int animateinterval) {
  morphing = morph;
  frameCount = std::max(0, framecount);
  animateInterval = std::max(kMinInterval, animateinterval);
  // Without frames there is nothing to step through.
  animation = animate && frameCount > 0;
}

void TvxButtonStates::SetRepeatInterval(int ms) { repeatInterval_ = std::max(TvxButtonEffects::kMinInterval, ms); }

bool TvxButtonStates::PressedLook() const {
  if (!down_) return false;
  if (groupIndex != 0 || mouseIn_) return true;
  return kind_ == Kind::push && FocusedLook() && !mouseDown_;
}

bool TvxButtonStates::EnterLeaveChangesLook() const {
  if (kind_ == Kind::speed) return groupIndex == 0 || !down_;
  if (groupIndex != 0) return !down_;
  return !FocusedLook() || down_;
}

void TvxButtonStates::SetDown(bool down) {
  down_ = down;
  if (MorphActive()) {
    if (down) {
      morph_ = kMorphSteps;
      StopMorph();
    } else {
      StartMorph();
    }
  }
  host_.RepaintButton();
  if (groupIndex != 0 && down && !allowAllUp) host_.ReleaseGroup();
}

void TvxButtonStates::Refresh() {
  if (MorphActive())
    StartMorph();
  else
    host_.RepaintButton();
}

void TvxButtonStates::StartMorph() {
  morphing_ = true;
  host_.StartTimer(TvxButtonTimer::morph, kMorphInterval);
}

void TvxButtonStates::StopMorph() {
  if (!morphing_) return;
  morphing_ = false;
  host_.StopTimer(TvxButtonTimer::morph);
}

void TvxButtonStates::StartAnimation(bool forward) {
  if (!effects_.animation || (kind_ == Kind::speed && flat)) return;
  forward_ = forward;
  frame_ = forward ? 1 : effects_.frameCount;
  animating_ = true;
  host_.StartTimer(TvxButtonTimer::animate, effects_.animateInterval);
}

void TvxButtonStates::StopAnimation() {
  frame_ = 0;
  if (!animating_) return;
  animating_ = false;
  host_.StopTimer(TvxButtonTimer::animate);
}

void TvxButtonStates::StartRepeat() {
  repeating_ = true;
  repeatFirst_ = true;
  host_.StartTimer(TvxButtonTimer::repeat, kRepeatDelay);
}

void TvxButtonStates::StopRepeat() {
  if (!repeating_) return;
  repeating_ = false;
  host_.StopTimer(TvxButtonTimer::repeat);
}

void TvxButtonStates::MouseEnter() {
  if (kind_ == Kind::speed && !enabled_) return;
  mouseIn_ = true;
  if (EnterLeaveChangesLook()) {
    if (down_) {
      if (MorphActive()) morph_ = kMorphSteps;
      host_.RepaintButton();
    } else {
      StartAnimation(true);
      Refresh();
    }
  }
  if (down_ && repeatMode && groupIndex == 0) StartRepeat();
  if (kind_ == Kind::push) host_.ShowGlow(true);
}

void TvxButtonStates::MouseLeave() {
  if (kind_ == Kind::speed && !enabled_) return;
  // A default button that answers Enter keeps its hot look while the focus
  // is elsewhere in the form.
  const bool keepHot = kind_ == Kind::push && canFocused && isDefault && active_ && !focused_;
  if (!keepHot) mouseIn_ = false;
  if (EnterLeaveChangesLook()) {
    StartAnimation(false);
    Refresh();
  }
  if (down_ && repeatMode && groupIndex == 0) StopRepeat();
  if (kind_ == Kind::push) host_.ShowGlow(false);
}

void TvxButtonStates::LeftDown() {
  StopAnimation();
  mouseDown_ = true;
  if (!down_) {
    mouseIn_ = true;
    allUpCheck_ = false;
    SetDown(true);
    if (repeatMode && groupIndex == 0)
      StartRepeat();
    else if (groupIndex != 0)
      host_.ClickButton();  // last: the handler may free the button
  } else if (groupIndex != 0) {
    allUpCheck_ = true;
  }
}

void TvxButtonStates::LeftUp() {
  mouseDown_ = false;
  const bool wasDown = down_;
  if (groupIndex == 0) {
    StopRepeat();
    if (mouseIn_) {
      SetDown(false);
      if (wasDown) host_.ClickButton();
    } else {
      // Released outside: no click, and up without a repaint (the look
      // already left the pressed image when the pointer left).
      down_ = false;
    }
    return;
  }
  if (wasDown && allowAllUp && allUpCheck_ && mouseIn_) {
    allUpCheck_ = false;
    SetDown(false);
    host_.ClickButton();
  }
}

void TvxButtonStates::CancelPress() {
  if (!mouseDown_) return;
  mouseDown_ = false;
  StopRepeat();
  if (groupIndex == 0 && down_) SetDown(false);
}

void TvxButtonStates::SpaceDown() {
  if (kind_ != Kind::push || !canFocused) return;
  StopAnimation();
  spaceDown_ = true;
  SetDown(true);
  if (repeatMode) host_.ClickButton();
}

void TvxButtonStates::SpaceUp() {
  if (kind_ != Kind::push || !canFocused) return;
  // Only a press that began on this button clicks: a Space held while the
  // focus arrived here is not this button's.
  if (!spaceDown_) return;
  spaceDown_ = false;
  SetDown(false);
  host_.ClickButton();
}

void TvxButtonStates::EnterKey() {
  if (kind_ != Kind::push || !canFocused) return;
  host_.ClickButton();
}

void TvxButtonStates::FocusGained() {
  focused_ = true;
  if (!canFocused) return;
  StartAnimation(true);
  Refresh();
}

void TvxButtonStates::FocusLost() {
  focused_ = false;
  spaceDown_ = false;
  if (repeatMode) StopRepeat();
  if (groupIndex == 0) down_ = false;
  if (!canFocused) return;
  StartAnimation(false);
  Refresh();
}

void TvxButtonStates::FocusMoved(bool toThis, bool toSkinButton) {
  active_ = toSkinButton ? toThis : isDefault;
  if (!(canFocused && isDefault)) return;
  if (toSkinButton && !toThis && mouseIn_) {
    mouseIn_ = false;
    Refresh();
  } else if (!toSkinButton && !mouseIn_) {
    if (MorphActive()) morph_ = kMorphSteps;
    mouseIn_ = true;
    Refresh();
  }
}

void TvxButtonStates::EnabledChanged(bool enabled) {
  enabled_ = enabled;
  if (MorphActive()) {
    StopMorph();
    morph_ = 0;
  }
  mouseIn_ = false;
  host_.RepaintButton();
}

void TvxButtonStates::SkinApplied(bool hasRecord) {
  StopMorph();
  StopAnimation();
  morph_ = 0;
  if (MorphActive() && hasRecord && (MorphTarget() || (kind_ == Kind::speed && mouseIn_))) morph_ = kMorphSteps;
}

void TvxButtonStates::Tick(TvxButtonTimer timer) {
  switch (timer) {
    case TvxButtonTimer::repeat:
      if (!repeating_) return;
      if (repeatFirst_) {
        repeatFirst_ = false;
        host_.StartTimer(TvxButtonTimer::repeat, repeatInterval_);
      }
      host_.ClickButton();  // last: the handler may free the button
      return;
    case TvxButtonTimer::morph: {
      if (!morphing_) return;
      const int target = MorphTarget() ? kMorphSteps : 0;
      if (!MorphActive())
        morph_ = target;
      else
        morph_ += morph_ < target ? 1 : (morph_ > target ? -1 : 0);
      if (morph_ == target) StopMorph();
      host_.RepaintButton();
      return;
    }
    case TvxButtonTimer::animate:
      if (!animating_) return;
      frame_ += forward_ ? 1 : -1;
      if ((forward_ && frame_ > effects_.frameCount) || (!forward_ && frame_ <= 0)) {
        animating_ = false;
        frame_ = 0;
        host_.StopTimer(TvxButtonTimer::animate);
      }
      host_.RepaintButton();
      return;
  }
}

TvxButtonStates::Look TvxButtonStates::CurrentLook(bool hasDisabledRect, bool hasFocusedRect) const {
  Look look;
  const bool factorBetween = morph_ > 0 && morph_ < kMorphSteps;
  const bool hotByMorph = MorphActive() && morph_ == kMorphSteps;
  if (kind_ == Kind::push) {
    if (MorphActive() && factorBetween && enabled_) {
      look.blend = true;
    } else if (!enabled_ && hasDisabledRect) {
      look.state = TvxControlState::disabled;
    } else if (PressedLook()) {
      look = {TvxControlState::down, true, true};
    } else if (FocusedLook() && hasFocusedRect && !AnimationRunning()) {
      look = {TvxControlState::focused, true, false};
    } else if (FocusedLook() || mouseIn_ || hotByMorph) {
      look = {TvxControlState::hot, true, false};
    }
    return look;
  }
  if (MorphActive() && factorBetween) {
    look.blend = true;
  } else if (PressedLook()) {
    look = {TvxControlState::down, true, true};
  } else if (mouseIn_ || hotByMorph) {
    look = {TvxControlState::hot, true, false};
  } else if (transparent) {
    look.image = false;
  } else if (!enabled_) {
    look.state = TvxControlState::disabled;
  }
  return look;
}

PixRect AnimationFrameRect(const PixRect& strip, const PixRect& skinrect, int frames, int k) {
  if (frames <= 0 || k < 1 || k > frames) return skinrect;
  if (strip.Width() > skinrect.Width()) {
    const int w = strip.Width() / frames;
    const int left = strip.left + w * (k - 1);
    return {left, strip.top, left + w, strip.bottom};
  }
  const int h = strip.Height() / frames;
  const int top = strip.top + h * (k - 1);
  return {strip.left, top, strip.right, top + h};
}

TvxGlyphTextPlace LayoutGlyphAndText(const PixRect& r, int gw, int gh, int tw, int th, TvxButtonLayout layout,
                                     int margin, int spacing, bool pressedShift) {
  if (gw == 0) spacing = 0;
  const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
  const int gx0 = cx - gw / 2, gy0 = cy - gh / 2, tx0 = cx - tw / 2, ty0 = cy - th / 2;
  TvxGlyphTextPlace p;
  if (margin >= 0) {
    switch (layout) {
      case TvxButtonLayout::blGlyphLeft:
        p.glyph = {r.left + margin, gy0};
        p.text = {p.glyph.x + gw + spacing, ty0};
        break;
      case TvxButtonLayout::blGlyphRight:
        p.glyph = {r.right - gw - margin, gy0};
        p.text = {p.glyph.x - spacing - tw, ty0};
        break;
      case TvxButtonLayout::blGlyphTop:
        p.glyph = {gx0, r.top + margin};
        p.text = {tx0, p.glyph.y + gh + spacing};
        break;
      case TvxButtonLayout::blGlyphBottom:
        p.glyph = {gx0, r.bottom - gh - margin};
        p.text = {tx0, p.glyph.y - spacing - th};
        break;
    }
  } else {
    const int hw = (gw + tw + spacing) / 2, hh = (gh + th + spacing) / 2;
    switch (layout) {
      case TvxButtonLayout::blGlyphLeft:
        p.glyph = {cx - hw, gy0};
        p.text = {cx + hw - tw, ty0};
        break;
      case TvxButtonLayout::blGlyphRight:
        p.text = {cx - hw, ty0};
        p.glyph = {cx + hw - gw, gy0};
        break;
      case TvxButtonLayout::blGlyphTop:
        p.glyph = {gx0, cy - hh};
        p.text = {tx0, cy + hh - th};
        break;
      case TvxButtonLayout::blGlyphBottom:
        p.text = {tx0, cy - hh};
        p.glyph = {gx0, cy + hh - gh};
        break;
    }
  }
  if (pressedShift) {
    p.glyph = {p.glyph.x + 1, p.glyph.y + 1};
    p.text = {p.text.x + 1, p.text.y + 1};
  }
  return p;
}

int GlyphNumber(int count, bool active, bool down, bool enabled) {
  if (active && down && count > 2) return 3;
  if (active && count > 3) return 4;
  if (!enabled && count > 1) return 2;
  return 1;
}

wchar_t AcceleratorOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    const wchar_t c = caption[i + 1];
    return c < 128 ? static_cast<wchar_t>(std::towupper(c)) : c;
  }
  return 0;
}

}  // namespace vx
