// The fade-in of a window, a menu or a hint: the opacity grows from 0 to the
// target by target / divisor (at least 1), one step each time more than the
// minimum gap has passed since the previous one. The owner calls Advance from
// a timer, so the user-interface thread keeps running between steps.
//
// Times are a 32-bit millisecond tick counter (GetTickCount). They are
// compared by unsigned difference, so the counter's wrap every 49.7 days
// neither stalls a fade nor rushes it.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vx {

class TvxWindowFade {
 public:
  static constexpr uint32_t kWindowGapMs = 5;  // forms and menus
  static constexpr uint32_t kHintGapMs = 3;    // hint windows
  static constexpr int kSteps = 15;

  // Starts at opacity 0; the first Advance steps at once. The target is
  // clamped to 0 … 255.
  void Start(int target, uint32_t minGapMs = kWindowGapMs) {
    target_ = std::clamp(target, 0, 255);
    step_ = std::max(1, target_ / kSteps);
    gap_ = minGapMs;
    alpha_ = 0;
    stepped_ = false;
    running_ = target_ > 0;
  }
  // Stops where it is; Alpha keeps its last value.
  void Stop() { running_ = false; }

  // One timer tick at `now`; returns whether the opacity changed.
  bool Advance(uint32_t now) {
    if (!running_) return false;
    if (stepped_ && now - last_ <= gap_) return false;
    alpha_ = std::min(alpha_ + step_, target_);
    last_ = now;
    stepped_ = true;
    running_ = alpha_ < target_;
    return true;
  }

  bool Running() const { return running_; }
  int Alpha() const { return alpha_; }
  int Target() const { return target_; }
  int Step() const { return step_; }

 private:
  int target_ = 0, step_ = 1, alpha_ = 0;
  uint32_t gap_ = kWindowGapMs, last_ = 0;
  bool stepped_ = false, running_ = false;
};

}  // namespace vx
