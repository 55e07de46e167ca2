// The up-down control's rules: button layout from the record or the control's
// size, hover/press/release tracking and the auto-repeat, as a state machine.
// The control window feeds it pointer input and timer ticks and carries out
// the events (repaints, timer 1 starts and stops, OnChange and click events).
#pragma once

#include <optional>
#include <vector>

#include "FrameTypes.h"

namespace vx::frame {

enum class TUDOrientation { udHorizontal, udVertical };

// The up-down record's button rectangles (skin image coordinates).
struct UpDownRecord {
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
};

struct UpDownEvent {
  enum class Kind {
    Repaint,            // button
    StartTimer,         // interval (ms); restarting replaces the interval
    StopTimer,
    OnChange,
    OnUpButtonClick,
    OnDownButtonClick,
  };
  UpDownEvent(Kind k, int v = -1) : kind(k), value(v) {}
  Kind kind;
  int value = -1;  // the button, or the timer interval
};
using UpDownEvents = std::vector<UpDownEvent>;

class UpDownRules {
 public:
  static constexpr int kFirstDelay = 500;
  static constexpr int kRepeat = 100;
  static constexpr int kResume = 50;

  // Properties. Setting Position to a value outside Min..Max does nothing;
  // inside, it raises OnChange (also when unchanged, unless designing).
  UpDownEvents SetPosition(int v);
  void SetMin(int v);
  void SetMax(int v);
  void SetIncrement(int v) { increment_ = v; }
  void SetOrientation(TUDOrientation o) { orientation_ = o; }
  void SetUseSkinSize(bool on) { useSkinSize_ = on; }
  void SetDesigning(bool on) { designing_ = on; }
  int Position() const { return position_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Increment() const { return increment_; }

  // The record found by the skin lookup (nullopt: none, or not an up-down
  // record); empty pressed images fall back to the hot ones.
  void SetRecord(const std::optional<UpDownRecord>& record);
  const std::optional<UpDownRecord>& Record() const { return record_; }
  // Button layout for a control of width x height.
  void Layout(int width, int height);
  const Rect& ButtonRect(int i) const { return buttons_[i].rect; }
  int HitTest(int x, int y) const;

  bool ButtonHot(int i) const { return buttons_[i].hot; }
  bool ButtonPressed(int i) const { return buttons_[i].pressed; }
  int HotIndex() const { return hot_; }
  int PressedIndex() const { return pressed_; }
  // The record's picture rectangle for the button's current look (empty: the
  // normal look of the whole image stays).
  Rect StateImage(int i) const;

  UpDownEvents MouseMove(int x, int y);
  UpDownEvents Press(int x, int y);
  UpDownEvents Release();
  UpDownEvents TimerTick();
  void MouseEnter();
  UpDownEvents MouseLeave();

 private:
  struct Button {
    Rect rect;
    bool hot = false;
    bool pressed = false;
  };
  enum class Direction { None, Up, Down };
  void Track(int x, int y, UpDownEvents& ev);
  void Step(int64_t delta, UpDownEvents& ev);

  bool useSkinSize_ = true;
  TUDOrientation orientation_ = TUDOrientation::udHorizontal;
  int increment_ = 1;
  int position_ = 0;
  int min_ = 0, max_ = 100;
  bool designing_ = false;
  std::optional<UpDownRecord> record_;
  Button buttons_[2];
  int hot_ = -1, previousHot_ = -1, pressed_ = -1;
  Direction direction_ = Direction::None;
  bool firstTick_ = false;
};

}  // namespace vx::frame
