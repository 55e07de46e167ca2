// What a skinned push button or speed button is doing, without a window.
//
// TvxButtonStates turns the events a button gets (the pointer entering and
// leaving, the left button, Space, the focus, timer ticks) into its state
// (down, hot, pressed), the state image it shows, and the requests it makes of
// its window: start or stop one of its three timers, repaint, release the
// other buttons of its group, show or hide a glow frame, and click. The
// windowed classes feed it messages and carry out the requests; the tests
// feed it a fake clock.
//
// A click may free the button (a form that closes and frees itself from its
// OK button), so every event that can click does so as its very last step:
// after TvxButtonHost::ClickButton returns, nothing of the object is touched.
#pragma once

#include <string>

#include "vxControlSkin.h"
#include "vxGeometry.h"

namespace vx {

enum class TvxButtonTimer { repeat, morph, animate };

class TvxButtonHost {
 public:
  virtual ~TvxButtonHost() = default;
  // (Re)starts a timer with the interval; a running one restarts.
  virtual void StartTimer(TvxButtonTimer timer, int intervalMs) = 0;
  virtual void StopTimer(TvxButtonTimer timer) = 0;
  virtual void RepaintButton() = 0;
  // The other buttons of the group that are down go up.
  virtual void ReleaseGroup() = 0;
  virtual void ShowGlow(bool show) {}
  // The button's click delivery. May free the button and the states.
  virtual void ClickButton() = 0;
};

// The effects a skin record asks for, as the states use them. Skin numbers
// are clamped where they feed timers: a zero or negative interval would leave
// an animation ticking without end.
struct TvxButtonEffects {
  static constexpr int kMinInterval = 10;  // ms
  bool morphing = false;                   // the skin allows effects and the record morphs
  bool animation = false;                  // effects on, a record and a non-empty animateskinrect
  int frameCount = 0;
  int animateInterval = 25;
  void Set(bool morph, bool animate, int framecount, int animateinterval);
};

class TvxButtonStates {
 public:
  static constexpr int kRepeatDelay = 500;     // ms before the first repeated click
  static constexpr int kMorphInterval = 20;    // ms per morph step
  static constexpr int kMorphSteps = 5;        // 0.2 per step

  // A push button takes the focus and the keyboard; a speed button does not,
  // and ignores the pointer while it is disabled.
  enum class Kind { push, speed };

  TvxButtonStates(TvxButtonHost& host, Kind kind) : host_(host), kind_(kind) {}

  // Settings.
  int groupIndex = 0;
  bool allowAllUp = false;
  bool repeatMode = false;
  bool canFocused = true;   // push buttons only
  bool isDefault = false;   // push buttons only
  bool flat = false;        // speed buttons: no frame animation
  bool transparent = false; // speed buttons: never morphs
  void SetRepeatInterval(int ms);
  int RepeatInterval() const { return repeatInterval_; }
  void SetEffects(const TvxButtonEffects& effects) { effects_ = effects; }
  const TvxButtonEffects& Effects() const { return effects_; }

  // State.
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool MouseIn() const { return mouseIn_; }
  bool MouseDownNow() const { return mouseDown_; }
  bool HasFocus() const { return focused_; }
  bool Enabled() const { return enabled_; }
  bool Active() const { return active_; }
  double MorphFactor() const { return static_cast<double>(morph_) / kMorphSteps; }
  int AnimationFrame() const { return frame_; }
  bool AnimationForward() const { return forward_; }
  bool AnimationRunning() const { return animating_ && frame_ >= 1 && frame_ <= effects_.frameCount; }
  bool MorphRunning() const { return morphing_; }
  bool RepeatRunning() const { return repeating_; }

  bool FocusedLook() const { return kind_ == Kind::push && focused_ && canFocused; }
  bool PressedLook() const;
  bool MorphActive() const { return effects_.morphing && !(kind_ == Kind::speed && transparent); }

  // Events.
  void MouseEnter();
  void MouseLeave();
  void LeftDown();
  // The pointer's place at release is what MouseIn says (the window keeps it
  // up to date while the button is held).
  void LeftUp();
  // The press ended without a release (another window took the mouse): up
  // again without a click.
  void CancelPress();
  void SpaceDown();
  void SpaceUp();
  void EnterKey();
  void FocusGained();
  void FocusLost();
  // The focus moved to another control of the form (or to this one).
  void FocusMoved(bool toThis, bool toSkinButton);
  void WindowCreated() { active_ = isDefault; }
  void EnabledChanged(bool enabled);
  // A skin was applied: timers stopped, the factor set for the look now.
  void SkinApplied(bool hasRecord);
  void Tick(TvxButtonTimer timer);

  // Which picture the button shows now. `rect` is the state's rectangle of
  // the record (with the records' fall-backs), or a frame of the animation
  // strip while it runs; `image` is false for a transparent speed button in
  // its normal state (caption and glyph only).
  struct Look {
    TvxControlState state = TvxControlState::normal;
    bool active = false;
    bool down = false;
    bool image = true;
    bool blend = false;  // morphing between normal and active: MorphFactor
  };
  Look CurrentLook(bool hasDisabledRect, bool hasFocusedRect) const;

 private:
  void Refresh();
  void StartAnimation(bool forward);
  void StopAnimation();
  void StartRepeat();
  void StopRepeat();
  void StartMorph();
  void StopMorph();
  bool MorphTarget() const { return mouseIn_ || FocusedLook(); }
  bool EnterLeaveChangesLook() const;

  TvxButtonHost& host_;
  Kind kind_;
  TvxButtonEffects effects_;
  int repeatInterval_ = 100;
  bool down_ = false, mouseIn_ = false, mouseDown_ = false, focused_ = false, enabled_ = true;
  bool active_ = false, allUpCheck_ = false, spaceDown_ = false;
  int morph_ = 0;
  int frame_ = 0;
  bool forward_ = true, animating_ = false;
  bool morphing_ = false, repeating_ = false, repeatFirst_ = false;
};

// Frame k (1 … frames) of an animation strip: side by side when the strip is
// wider than the normal image, stacked otherwise.
PixRect AnimationFrameRect(const PixRect& strip, const PixRect& skinrect, int frames, int k);

// Where glyph and caption go in r. The caption was measured (tw × th) inside
// the room the glyph leaves; gw, gh are 0 without a glyph.
enum class TvxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
struct TvxGlyphTextPlace {
  PixPoint glyph, text;
};
TvxGlyphTextPlace LayoutGlyphAndText(const PixRect& r, int gw, int gh, int tw, int th, TvxButtonLayout layout,
                                     int margin, int spacing, bool pressedShift);

// The glyph image of a strip of `count` for a state (1-based).
int GlyphNumber(int count, bool active, bool down, bool enabled);

// The accelerator character of a caption ("&x"; "&&" is a plain "&"),
// upper-cased for ASCII letters; 0 when there is none.
wchar_t AcceleratorOf(const std::wstring& caption);

}  // namespace vx
