// The fade-in of a layered window: the opacity grows by a tenth of the target
// every tick until it reaches the target.
#pragma once

#include <algorithm>

namespace vx {

class TvxFade {
 public:
  // The target is clamped to 0 … 255 and the step is at least 1, so every
  // fade ends.
  void Start(int target) {
    target_ = std::clamp(target, 0, 255);
    step_ = std::max(1, target_ / 10);
    current_ = 0;
  }
  // One tick: returns the new opacity.
  int Tick() {
    current_ = std::min(current_ + step_, target_);
    return current_;
  }
  bool Done() const { return current_ >= target_; }
  int Current() const { return current_; }
  int Target() const { return target_; }
  int Step() const { return step_; }

 private:
  int current_ = 0;
  int target_ = 0;
  int step_ = 1;
};

}  // namespace vx
