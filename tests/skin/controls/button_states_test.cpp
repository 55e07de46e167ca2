// The buttons' state rules against a fake clock: the timers the states ask
// for run on simulated milliseconds, so morph steps, repeat timings and frame
// animations are checked tick by tick. Clicks that free the button run under
// the sanitizers.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "vxButtonStates.h"

using vx::TvxButtonStates;
using vx::TvxButtonTimer;
using vx::TvxControlState;
using Kind = TvxButtonStates::Kind;

namespace {

// Runs the timers the states start, on a clock the test advances.
class FakeHost : public vx::TvxButtonHost {
 public:
  struct Timer {
    int interval = 0;
    int next = 0;
  };
  void StartTimer(TvxButtonTimer t, int ms) override { timers[t] = {ms, now + ms}; }
  void StopTimer(TvxButtonTimer t) override { timers.erase(t); }
  void RepaintButton() override { ++repaints; }
  void ReleaseGroup() override { ++groupReleases; }
  void ShowGlow(bool show) override { glow = show; }
  void ClickButton() override {
    ++clicks;
    clickTimes.push_back(now);
    if (onClick) onClick();
  }
  bool Running(TvxButtonTimer t) const { return timers.count(t) > 0; }
  // Delivers every tick due up to now + ms, in time order.
  void Advance(int ms) {
    const int end = now + ms;
    for (;;) {
      auto due = timers.end();
      for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->second.next <= end && (due == timers.end() || it->second.next < due->second.next)) due = it;
      if (due == timers.end()) break;
      now = due->second.next;
      const TvxButtonTimer t = due->first;
      due->second.next += due->second.interval;
      if (states) states->Tick(t);
    }
    now = end;
  }

  TvxButtonStates* states = nullptr;
  std::map<TvxButtonTimer, Timer> timers;
  int now = 0, repaints = 0, clicks = 0, groupReleases = 0;
  bool glow = false;
  std::vector<int> clickTimes;
  std::function<void()> onClick;
};

struct Button {
  explicit Button(Kind kind = Kind::push) : states(host, kind) { host.states = &states; }
  FakeHost host;
  TvxButtonStates states;
};

vx::TvxButtonEffects Morphing() {
  vx::TvxButtonEffects e;
  e.Set(true, false, 0, 20);
  return e;
}

}  // namespace

TEST(ButtonStates, PressDragOffAndReleaseGivesNoClickAndLeavesTheButtonUp) {
  Button b;
  b.states.MouseEnter();
  b.states.LeftDown();
  EXPECT_TRUE(b.states.Down());
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::down);
  b.states.MouseLeave();
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::normal) << "held outside: not pressed";
  b.states.LeftUp();
  EXPECT_EQ(b.host.clicks, 0);
  EXPECT_FALSE(b.states.Down());

  // The mouse taken away mid-press: up, no click, no repetition left.
  b.states.repeatMode = true;
  b.states.MouseEnter();
  b.states.LeftDown();
  b.states.CancelPress();
  EXPECT_FALSE(b.states.Down());
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::repeat));
  b.states.LeftUp();
  EXPECT_EQ(b.host.clicks, 0);
  b.states.repeatMode = false;

  // Out and back in while held: one click at release.
  b.states.MouseEnter();
  b.states.LeftDown();
  b.states.MouseLeave();
  b.states.MouseEnter();
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::down);
  b.states.LeftUp();
  EXPECT_EQ(b.host.clicks, 1);
  EXPECT_FALSE(b.states.Down());
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::hot);
}

TEST(ButtonStates, SpaceClicksOnKeyUpAndRepeatsWithTheKeyboardInRepeatMode) {
  Button b;
  b.states.FocusGained();
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::hot) << "focused, no focused image";
  EXPECT_EQ(b.states.CurrentLook(true, true).state, TvxControlState::focused);
  b.states.SpaceDown();
  EXPECT_TRUE(b.states.Down());
  EXPECT_EQ(b.host.clicks, 0);
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::down) << "pressed by key, pointer away";
  b.states.SpaceUp();
  EXPECT_EQ(b.host.clicks, 1);
  EXPECT_FALSE(b.states.Down());

  // A key-up whose key-down went to another control clicks nothing.
  b.states.SpaceUp();
  EXPECT_EQ(b.host.clicks, 1);

  b.states.repeatMode = true;
  b.states.SpaceDown();
  b.states.SpaceDown();  // the keyboard's own repetition
  b.states.SpaceDown();
  b.states.SpaceUp();
  EXPECT_EQ(b.host.clicks, 1 + 3 + 1);

  // Focus lost while Space is held: up, no click at the key-up.
  b.states.repeatMode = false;
  b.states.SpaceDown();
  b.states.FocusLost();
  EXPECT_FALSE(b.states.Down());
  b.states.SpaceUp();
  EXPECT_EQ(b.host.clicks, 5);

  // Speed buttons and buttons that do not take the focus ignore keys.
  Button s(Kind::speed);
  s.states.SpaceDown();
  s.states.SpaceUp();
  s.states.EnterKey();
  b.states.canFocused = false;
  b.states.EnterKey();
  EXPECT_EQ(s.host.clicks + b.host.clicks, 5);
}

TEST(ButtonStates, AutoRepeatWaitsHalfASecondThenClicksEveryRepeatInterval) {
  Button b;
  b.states.repeatMode = true;
  b.states.SetRepeatInterval(100);
  b.states.MouseEnter();
  b.states.LeftDown();
  EXPECT_EQ(b.host.clicks, 0);
  b.host.Advance(499);
  EXPECT_EQ(b.host.clicks, 0);
  b.host.Advance(1);
  EXPECT_EQ(b.host.clicks, 1);
  b.host.Advance(300);
  EXPECT_EQ(b.host.clickTimes, (std::vector<int>{500, 600, 700, 800}));

  // Leaving stops the repetition; coming back restarts it with the delay.
  b.states.MouseLeave();
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::repeat));
  b.host.Advance(1000);
  EXPECT_EQ(b.host.clicks, 4);
  b.states.MouseEnter();
  b.host.Advance(499);
  EXPECT_EQ(b.host.clicks, 4);
  b.host.Advance(101);
  EXPECT_EQ(b.host.clicks, 6);
  // Released inside: one more click, and the timer is gone.
  b.states.LeftUp();
  EXPECT_EQ(b.host.clicks, 7);
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::repeat));

  // An interval of 0 would stop the platform timer after the first click.
  b.states.SetRepeatInterval(0);
  EXPECT_EQ(b.states.RepeatInterval(), vx::TvxButtonEffects::kMinInterval);
}

TEST(ButtonStates, MorphingStepsAFifthEveryTwentyMillisecondsAndStops) {
  Button b;
  b.states.SetEffects(Morphing());
  b.states.MouseEnter();
  EXPECT_TRUE(b.host.Running(TvxButtonTimer::morph));
  std::vector<double> factors;
  for (int i = 0; i < 6; ++i) {
    b.host.Advance(20);
    factors.push_back(b.states.MorphFactor());
  }
  EXPECT_EQ(factors, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0, 1.0}));
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::morph));
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::hot);

  b.states.MouseLeave();
  b.host.Advance(40);
  EXPECT_DOUBLE_EQ(b.states.MorphFactor(), 0.6);
  const auto look = b.states.CurrentLook(true, false);
  EXPECT_TRUE(look.blend);
  b.host.Advance(60);
  EXPECT_DOUBLE_EQ(b.states.MorphFactor(), 0.0);
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::morph));
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::normal);

  // Going down ends the morph at once; disabling drops the factor.
  b.states.MouseEnter();
  b.host.Advance(20);
  b.states.LeftDown();
  EXPECT_DOUBLE_EQ(b.states.MorphFactor(), 1.0);
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::morph));
  b.states.LeftUp();
  b.states.EnabledChanged(false);
  EXPECT_DOUBLE_EQ(b.states.MorphFactor(), 0.0);
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::morph));
  EXPECT_FALSE(b.states.MouseIn());

  // Without morphing the look follows at once, through a repaint.
  Button plain;
  plain.states.MouseEnter();
  EXPECT_FALSE(plain.host.Running(TvxButtonTimer::morph));
  EXPECT_GT(plain.host.repaints, 0);
  // A transparent speed button never morphs.
  Button clear(Kind::speed);
  clear.states.transparent = true;
  clear.states.SetEffects(Morphing());
  clear.states.MouseEnter();
  EXPECT_FALSE(clear.host.Running(TvxButtonTimer::morph));
}

TEST(ButtonStates, FrameAnimationRunsThroughItsFramesAndSkinNumbersAreClamped) {
  vx::TvxButtonEffects e;
  e.Set(false, true, 3, 40);
  Button b;
  b.states.SetEffects(e);
  b.states.MouseEnter();
  std::vector<int> frames{b.states.AnimationFrame()};
  for (int i = 0; i < 4; ++i) {
    b.host.Advance(40);
    frames.push_back(b.states.AnimationFrame());
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0, 0}));
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::animate));
  b.states.MouseLeave();
  EXPECT_EQ(b.states.AnimationFrame(), 3);
  EXPECT_FALSE(b.states.AnimationForward());
  b.host.Advance(120);
  EXPECT_EQ(b.states.AnimationFrame(), 0);
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::animate));

  // A zero interval and negative counts from a skin cannot leave a timer
  // ticking: the interval is at least 10 ms and no frames means no animation.
  e.Set(true, true, 4, 0);
  EXPECT_EQ(e.animateInterval, 10);
  e.Set(true, true, -5, -20);
  EXPECT_EQ(e.frameCount, 0);
  EXPECT_FALSE(e.animation);
  b.states.SetEffects(e);
  b.states.MouseEnter();
  EXPECT_FALSE(b.host.Running(TvxButtonTimer::animate));
  // Flat speed buttons do not animate.
  vx::TvxButtonEffects a;
  a.Set(false, true, 2, 20);
  Button flat(Kind::speed);
  flat.states.flat = true;
  flat.states.SetEffects(a);
  flat.states.MouseEnter();
  EXPECT_FALSE(flat.host.Running(TvxButtonTimer::animate));

  // Frames of a strip: side by side when wider than the image, else stacked.
  const vx::PixRect skinrect{0, 0, 20, 10};
  EXPECT_EQ(vx::AnimationFrameRect({0, 50, 60, 60}, skinrect, 3, 2), (vx::PixRect{20, 50, 40, 60}));
  EXPECT_EQ(vx::AnimationFrameRect({5, 0, 25, 30}, skinrect, 3, 3), (vx::PixRect{5, 20, 25, 30}));
}

TEST(ButtonStates, GroupedButtonsLatchAndReleaseEachOther) {
  Button b;
  b.states.groupIndex = 1;
  b.states.MouseEnter();
  b.states.LeftDown();
  EXPECT_EQ(b.host.clicks, 1) << "a grouped button clicks on the press";
  EXPECT_EQ(b.host.groupReleases, 1);
  b.states.LeftUp();
  EXPECT_TRUE(b.states.Down()) << "latched";
  b.states.MouseLeave();
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::down);
  // Pressing it again does nothing without AllowAllUp.
  b.states.MouseEnter();
  b.states.LeftDown();
  b.states.LeftUp();
  EXPECT_EQ(b.host.clicks, 1);
  EXPECT_TRUE(b.states.Down());

  // With AllowAllUp a second click releases it and clicks once more; going
  // down does not release the others.
  Button u;
  u.states.groupIndex = 2;
  u.states.allowAllUp = true;
  u.states.MouseEnter();
  u.states.LeftDown();
  u.states.LeftUp();
  EXPECT_EQ(u.host.groupReleases, 0);
  u.states.LeftDown();
  u.states.LeftUp();
  EXPECT_FALSE(u.states.Down());
  EXPECT_EQ(u.host.clicks, 2);
  // ... but only when released over it.
  u.states.LeftDown();
  u.states.LeftDown();
  u.states.MouseLeave();
  u.states.LeftUp();
  EXPECT_TRUE(u.states.Down());
}

TEST(ButtonStates, ADefaultButtonGlowsWhileTheFocusRestsOnAnotherKindOfControl) {
  Button b;
  b.states.isDefault = true;
  b.states.WindowCreated();
  EXPECT_TRUE(b.states.Active());
  b.states.FocusMoved(false, false);  // an edit took the focus
  EXPECT_TRUE(b.states.MouseIn());
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::hot);
  b.states.MouseLeave();
  EXPECT_TRUE(b.states.MouseIn()) << "keeps its hot look";
  b.states.FocusMoved(false, true);  // another skin button took it
  EXPECT_FALSE(b.states.Active());
  EXPECT_FALSE(b.states.MouseIn());
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::normal);
}

TEST(ButtonStates, DisabledLooksAndSpeedButtonsIgnoringTheHover) {
  Button s(Kind::speed);
  s.states.EnabledChanged(false);
  s.states.MouseEnter();
  EXPECT_FALSE(s.states.MouseIn());
  EXPECT_EQ(s.states.CurrentLook(true, false).state, TvxControlState::disabled);
  s.states.transparent = true;
  s.states.EnabledChanged(true);
  EXPECT_FALSE(s.states.CurrentLook(true, false).image) << "transparent: caption only";
  s.states.MouseEnter();
  EXPECT_EQ(s.states.CurrentLook(true, false).state, TvxControlState::hot);

  // A disabled push button without a disabled image keeps the normal one.
  Button b;
  b.states.EnabledChanged(false);
  EXPECT_EQ(b.states.CurrentLook(false, false).state, TvxControlState::normal);
  EXPECT_EQ(b.states.CurrentLook(true, false).state, TvxControlState::disabled);
}

TEST(ButtonStates, AClickThatFreesTheButtonIsItsLastStep) {
  // Each way a click happens, with a handler that destroys the states: the
  // sanitizers report any touch afterwards.
  auto run = [](const std::function<void(TvxButtonStates&, FakeHost&)>& press) {
    auto host = std::make_unique<FakeHost>();
    auto* states = new TvxButtonStates(*host, Kind::push);
    host->states = states;
    host->onClick = [&] {
      delete states;
      host->states = nullptr;
      states = nullptr;
    };
    press(*states, *host);
    EXPECT_EQ(states, nullptr);
    delete states;
  };
  run([](TvxButtonStates& s, FakeHost&) {
    s.MouseEnter();
    s.LeftDown();
    s.LeftUp();
  });
  run([](TvxButtonStates& s, FakeHost&) {
    s.FocusGained();
    s.SpaceDown();
    s.SpaceUp();
  });
  run([](TvxButtonStates& s, FakeHost&) { s.EnterKey(); });
  run([](TvxButtonStates& s, FakeHost&) {
    s.groupIndex = 3;
    s.LeftDown();
  });
  run([](TvxButtonStates& s, FakeHost& h) {
    s.repeatMode = true;
    s.MouseEnter();
    s.LeftDown();
    h.Advance(500);
  });
}

TEST(ButtonStates, GlyphAndCaptionLayout) {
  const vx::PixRect r{0, 0, 100, 40};
  using L = vx::TvxButtonLayout;
  // Centred together: 16 + 1 + 30 wide around x = 50.
  auto p = vx::LayoutGlyphAndText(r, 16, 16, 30, 12, L::blGlyphLeft, -1, 1, false);
  EXPECT_EQ(p.glyph, (vx::PixPoint{27, 12}));
  EXPECT_EQ(p.text, (vx::PixPoint{43, 14}));
  p = vx::LayoutGlyphAndText(r, 16, 16, 30, 12, L::blGlyphRight, 4, 2, true);
  EXPECT_EQ(p.glyph, (vx::PixPoint{81, 13}));
  EXPECT_EQ(p.text, (vx::PixPoint{49, 15}));
  p = vx::LayoutGlyphAndText(r, 0, 0, 30, 12, L::blGlyphTop, -1, 5, false);
  EXPECT_EQ(p.text, (vx::PixPoint{35, 14})) << "no glyph: no spacing";
  p = vx::LayoutGlyphAndText(r, 10, 8, 30, 12, L::blGlyphBottom, 2, 3, false);
  EXPECT_EQ(p.glyph, (vx::PixPoint{45, 30}));
  EXPECT_EQ(p.text, (vx::PixPoint{35, 15}));

  EXPECT_EQ(vx::GlyphNumber(4, true, true, true), 3);
  EXPECT_EQ(vx::GlyphNumber(4, true, false, true), 4);
  EXPECT_EQ(vx::GlyphNumber(2, false, false, false), 2);
  EXPECT_EQ(vx::GlyphNumber(3, true, false, true), 1);

  EXPECT_EQ(vx::AcceleratorOf(L"&Open"), L'O');
  EXPECT_EQ(vx::AcceleratorOf(L"Sa&ve"), L'V');
  EXPECT_EQ(vx::AcceleratorOf(L"R&&D"), 0);
  EXPECT_EQ(vx::AcceleratorOf(L"A&&B &c"), L'C');
  EXPECT_EQ(vx::AcceleratorOf(L"end&"), 0);
}
