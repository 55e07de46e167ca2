#include "UpDownRules.h"

namespace vx::frame {
namespace {
using K = UpDownEvent::Kind;
}

UpDownEvents UpDownRules::SetPosition(int v) {
  UpDownEvents ev;
  if (v > max_ || v < min_) return ev;
  position_ = v;
  if (!designing_) ev.emplace_back(K::OnChange);
  return ev;
}

void UpDownRules::SetMin(int v) {
  min_ = v;
  if (position_ < v) position_ = v;
}

void UpDownRules::SetMax(int v) {
  max_ = v;
  if (position_ > v) position_ = v;
}

void UpDownRules::SetRecord(const std::optional<UpDownRecord>& record) {
  record_ = record;
  if (record_) {
    if (record_->downupbuttonrect.IsEmpty()) record_->downupbuttonrect = record_->activeupbuttonrect;
    if (record_->downdownbuttonrect.IsEmpty()) record_->downdownbuttonrect = record_->activedownbuttonrect;
  }
}

void UpDownRules::Layout(int w, int h) {
  if (record_ && useSkinSize_) {
    buttons_[0].rect = record_->upbuttonrect;
    buttons_[1].rect = record_->downbuttonrect;
  } else if (orientation_ == TUDOrientation::udVertical) {
    buttons_[0].rect = {0, 0, w, Half(h)};
    buttons_[1].rect = {0, Half(h), w, h};
  } else {
    buttons_[1].rect = {0, 0, Half(w), h};
    buttons_[0].rect = {Half(w), 0, w, h};
  }
}

int UpDownRules::HitTest(int x, int y) const {
  for (int i = 0; i < 2; ++i)
    if (buttons_[i].rect.Contains(x, y)) return i;
  return -1;
}

Rect UpDownRules::StateImage(int i) const {
  if (!record_) return {};
  const Button& b = buttons_[i];
  if (b.pressed && b.hot) return i == 0 ? record_->downupbuttonrect : record_->downdownbuttonrect;
  if (b.hot) return i == 0 ? record_->activeupbuttonrect : record_->activedownbuttonrect;
  return {};
}

void UpDownRules::Track(int x, int y, UpDownEvents& ev) {
  previousHot_ = hot_;
  hot_ = HitTest(x, y);
  // While one button is held the other does not light up.
  if (pressed_ != -1 && hot_ != pressed_) hot_ = -1;
  if (hot_ == previousHot_) return;
  if (previousHot_ != -1) {
    Button& b = buttons_[previousHot_];
    b.hot = false;
    ev.emplace_back(K::Repaint, previousHot_);
    if (increment_ != 0 && b.pressed) ev.emplace_back(K::StopTimer);
  }
  if (hot_ != -1) {
    buttons_[1 - hot_].hot = false;
    buttons_[hot_].hot = true;
    ev.emplace_back(K::Repaint, hot_);
    // Back on the held button: the repeat resumes at once, quickly.
    if (increment_ != 0 && buttons_[hot_].pressed) ev.emplace_back(K::StartTimer, kResume);
  }
}

UpDownEvents UpDownRules::MouseMove(int x, int y) {
  UpDownEvents ev;
  Track(x, y, ev);
  return ev;
}

UpDownEvents UpDownRules::Press(int x, int y) {
  UpDownEvents ev;
  Track(x, y, ev);
  buttons_[hot_ == -1 ? 0 : 1 - hot_].hot = false;
  if (hot_ != -1) {
    pressed_ = hot_;
    buttons_[hot_].hot = buttons_[hot_].pressed = true;
    ev.emplace_back(K::Repaint, hot_);
    if (increment_ != 0) {
      direction_ = hot_ == 0 ? Direction::Up : Direction::Down;
      firstTick_ = true;
      ev.emplace_back(K::StartTimer, kFirstDelay);
    }
  }
  return ev;
}

void UpDownRules::Step(int64_t delta, UpDownEvents& ev) {
  // In 64 bits: Max and Increment may be anywhere in the int range, and a
  // step that would leave Min..Max is refused like any other such position.
  const int64_t next = position_ + delta;
  if (next > max_ || next < min_) return;
  UpDownEvents changed = SetPosition(static_cast<int>(next));
  ev.insert(ev.end(), changed.begin(), changed.end());
}

UpDownEvents UpDownRules::Release() {
  UpDownEvents ev;
  if (pressed_ != -1) {
    const int i = pressed_;
    Button& b = buttons_[i];
    if (increment_ != 0) {
      ev.emplace_back(K::StopTimer);
      direction_ = Direction::None;
      firstTick_ = false;
    }
    b.pressed = false;
    if (i != hot_) b.hot = false;
    ev.emplace_back(K::Repaint, i);
    if (b.hot) {
      // Released over the button: one last step and the click.
      if (increment_ != 0) Step(i == 0 ? int64_t{increment_} : -int64_t{increment_}, ev);
      ev.emplace_back(i == 0 ? K::OnUpButtonClick : K::OnDownButtonClick);
    }
  }
  pressed_ = -1;
  return ev;
}

UpDownEvents UpDownRules::TimerTick() {
  UpDownEvents ev;
  if (direction_ == Direction::None) {
    // A tick queued before the release: nothing is held, so no timer may
    // keep running.
    firstTick_ = false;
    ev.emplace_back(K::StopTimer);
    return ev;
  }
  if (firstTick_) {
    firstTick_ = false;
    ev.emplace_back(K::StartTimer, kRepeat);
    return ev;
  }
  if (direction_ == Direction::Up) Step(increment_, ev);
  else if (direction_ == Direction::Down) Step(-int64_t{increment_}, ev);
  return ev;
}

void UpDownRules::MouseEnter() { hot_ = previousHot_ = -1; }

UpDownEvents UpDownRules::MouseLeave() {
  UpDownEvents ev;
  hot_ = previousHot_ = -1;
  for (int i = 0; i < 2; ++i) {
    if (buttons_[i].hot) {
      buttons_[i].hot = false;
      ev.emplace_back(K::Repaint, i);
    }
  }
  return ev;
}

}  // namespace vx::frame
