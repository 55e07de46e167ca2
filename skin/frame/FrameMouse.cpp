#include "FrameMouse.h"

#include "FrameAnimation.h"

namespace vx::frame {
namespace {

using K = FrameEvent::Kind;

void Push(FrameEvents& ev, K kind, int object) { ev.emplace_back(kind, object); }

// The system menu, opened at the pointer by a right press on the caption.
void PushSystemMenuAt(FrameEvents& ev, int x, int y) {
  FrameEvent e{K::SystemMenu, -1};
  e.x = x;
  e.y = y;
  ev.push_back(e);
}

// The system-menu button carries the system menu as its menu item: it stays
// down until the menu closes.
bool HasMenu(const FrameObject& o) {
  return o.kind == ObjectKind::StdButton && o.command == TvxStdCommand::cmsysmenu;
}

void Append(FrameEvents& to, FrameEvents from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

void FrameMouse::SetObjects(FrameObjectList objects) {
  objects_ = std::move(objects);
  hot_ = previousHot_ = captured_ = -1;
}

bool FrameMouse::Tracking() const {
  return !objects_.empty() && env_.frameActive && !env_.sizeMoveLoop && env_.hasBorder &&
         !env_.maximizedMdiChild && !env_.layeredWholeFrame;
}

bool FrameMouse::CommandInEffect(const FrameObject& o) const {
  switch (o.command) {
    case TvxStdCommand::cmrollup: return env_.rolledUp;
    case TvxStdCommand::cmminimize: return env_.minimized;
    case TvxStdCommand::cmmaximize: return env_.maximized;
    default: return false;
  }
}

void FrameMouse::Enter(int i, FrameEvents& ev) {
  FrameObject& o = objects_[i];
  if (o.kind == ObjectKind::StdButton && o.command != TvxStdCommand::cmdefault)
    o.hint = (!o.restoreHint.empty() && CommandInEffect(o)) ? o.restoreHint : o.normalHint;
  if (o.kind == ObjectKind::Caption) {
    // The caption's Active is the window's activity, not the pointer's.
    o.MouseIn = true;
    Push(ev, K::MouseEnter, i);
    return;
  }
  o.MouseIn = o.Active = true;
  if (!o.activeRect.IsEmpty() || o.Down) Push(ev, K::Redraw, i);
  Push(ev, K::MouseEnter, i);
  Push(ev, K::ShowGlow, i);
}

void FrameMouse::Leave(int i, FrameEvents& ev) {
  FrameObject& o = objects_[i];
  if (o.kind == ObjectKind::Caption) {
    o.MouseIn = false;
    Push(ev, K::MouseLeave, i);
    return;
  }
  o.MouseIn = o.Active = false;
  const bool menuDown = HasMenu(o) && o.Down;
  if ((!o.activeRect.IsEmpty() || o.Down) && !menuDown) Push(ev, K::Redraw, i);
  Push(ev, K::MouseLeave, i);
  Push(ev, K::HideGlow, i);
}

FrameEvents FrameMouse::TrackHotObject(int x, int y, bool track) {
  FrameEvents ev;
  if (!Tracking()) return ev;
  previousHot_ = hot_;
  int found = -1;
  for (size_t i = 0; i < objects_.size(); ++i) {
    const FrameObject& o = objects_[i];
    if (o.Enabled && o.Visible && o.rect.Contains(x, y) && o.MaskTest(x - o.rect.Left, y - o.rect.Top)) {
      found = static_cast<int>(i);
      break;
    }
  }
  int hot = track ? found : -1;
  // While a button is held, no other object lights up.
  if (captured_ != -1 && hot != captured_) hot = -1;
  hot_ = hot;
  if (hot_ == previousHot_) return ev;
  if (Valid(previousHot_) && objects_[previousHot_].Enabled && objects_[previousHot_].Visible) {
    Leave(previousHot_, ev);
  }
  Push(ev, K::HideHint, previousHot_);
  if (Valid(hot_)) {
    Enter(hot_, ev);
    if (env_.showObjectHint && !objects_[hot_].hint.empty()) Push(ev, K::ShowHint, hot_);
  }
  return ev;
}

FrameEvents FrameMouse::ClearHot() {
  FrameEvents ev;
  previousHot_ = hot_;
  if (Valid(hot_)) {
    Leave(hot_, ev);
    Push(ev, K::HideHint, hot_);
  }
  hot_ = -1;
  return ev;
}

FrameEvents FrameMouse::ObjectHit(int x, int y) {
  FrameEvents ev;
  if (pollRunning_) return ev;
  ev = TrackHotObject(x, y, true);
  pollRunning_ = true;
  Push(ev, K::StartHoverPoll, -1);
  return ev;
}

FrameEvents FrameMouse::HoverPollTick(bool pointerOverForm, int x, int y, const Rect& client) {
  FrameEvents ev;
  if (!pollRunning_) return ev;
  if (!env_.frameActive) {
    // An inactive frame has nothing to light up; polling resumes with the
    // next object hit instead of ticking for the rest of the run.
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
    return ev;
  }
  if (!pointerOverForm) {
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
    Append(ev, TrackHotObject(x, y, false));
    return ev;
  }
  if (env_.sizeMoveLoop) {
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
    return ev;
  }
  return TrackHotObject(x, y, !client.Contains(x, y));
}

FrameEvents FrameMouse::NcMouseMove(int x, int y) {
  FrameEvents ev;
  const int target = Valid(captured_) ? captured_ : hot_;
  if (Valid(target)) {
    FrameEvent e{K::MouseMove, target};
    e.x = x;
    e.y = y;
    ev.push_back(e);
  }
  return ev;
}

FrameEvents FrameMouse::Press(MouseButton b, int x, int y) {
  FrameEvents ev;
  if (!Valid(hot_)) return ev;
  captured_ = hot_;
  if (objects_[captured_].kind != ObjectKind::Caption) Push(ev, K::SetCapture, captured_);
  ObjectDown(captured_, b, x, y, ev);
  return ev;
}

FrameEvents FrameMouse::Release(MouseButton b, int x, int y) {
  FrameEvents ev;
  if (!Valid(captured_)) return ev;
  const int c = captured_;
  if (objects_[c].kind != ObjectKind::Caption) Push(ev, K::ReleaseCapture, c);
  captured_ = -1;
  ObjectUp(c, b, x, y, ev);
  return ev;
}

FrameEvents FrameMouse::NcButtonDown(MouseButton b, int x, int y, bool onCaption) {
  FrameEvents ev;
  if (b == MouseButton::Middle) return ev;
  if (b == MouseButton::Left && env_.sizeMoveLoop) {
    env_.sizeMoveLoop = false;
    return ev;
  }
  ev = TrackHotObject(x, y, true);
  Append(ev, Press(b, x, y));
  if (onCaption) {
    captured_ = -1;
    if (b == MouseButton::Right) PushSystemMenuAt(ev, x, y);
  }
  return ev;
}

FrameEvents FrameMouse::NcButtonDblClk(MouseButton b, int x, int y, bool onCaption) {
  FrameEvents ev;
  if (b == MouseButton::Middle) return ev;
  ev = TrackHotObject(x, y, true);
  Append(ev, Press(b, x, y));
  if (b == MouseButton::Left && Valid(hot_)) {
    const FrameObject& o = objects_[hot_];
    if (o.HasCommand() && o.command == TvxStdCommand::cmsysmenu) Push(ev, K::CloseForm, hot_);
  }
  if (onCaption) {
    captured_ = -1;
    // The second of two quick right presses is still a press: the menu the
    // first one opened has closed, and the user asks for it again.
    if (b == MouseButton::Right) PushSystemMenuAt(ev, x, y);
  }
  return ev;
}

void FrameMouse::ObjectDown(int i, MouseButton b, int x, int y, FrameEvents& ev) {
  FrameObject& o = objects_[i];
  FrameEvent down{K::MouseDown, i};
  down.x = x;
  down.y = y;
  down.button = b;
  switch (o.kind) {
    case ObjectKind::StdButton:
    case ObjectKind::Button:
    case ObjectKind::Animate:
      if (!o.Enabled) return;
      if (b == MouseButton::Left && !o.Down) {
        o.Down = true;
        Push(ev, K::Redraw, i);
        const bool menuOnPress = o.command == TvxStdCommand::cmsysmenu &&
                                 (o.kind == ObjectKind::StdButton || o.buttonStyle);
        if (menuOnPress) Push(ev, K::SystemMenu, i);
      }
      if (o.kind != ObjectKind::StdButton) ev.push_back(down);
      return;
    case ObjectKind::Caption:
    case ObjectKind::UserObject:
      ev.push_back(down);
      return;
  }
}

void FrameMouse::ButtonUp(int i, MouseButton b, int x, int y, FrameEvents& ev) {
  FrameObject& o = objects_[i];
  if (!o.Enabled) return;
  if (b == MouseButton::Left && !HasMenu(o) && o.Down) {
    o.Down = false;
    Push(ev, K::Redraw, i);
  }
  if (o.MouseIn) {
    FrameEvent up{K::MouseUp, i};
    up.x = x;
    up.y = y;
    up.button = b;
    ev.push_back(up);
  }
}

void FrameMouse::ObjectUp(int i, MouseButton b, int x, int y, FrameEvents& ev) {
  FrameObject& o = objects_[i];
  if (!o.IsButton() && o.kind != ObjectKind::Animate) {
    if (o.MouseIn) {
      FrameEvent up{K::MouseUp, i};
      up.x = x;
      up.y = y;
      up.button = b;
      ev.push_back(up);
    }
    return;
  }
  if (o.kind == ObjectKind::Button) {
    ButtonUp(i, b, x, y, ev);
    return;
  }
  // A command runs only for a left press released over the pressed button.
  const TvxStdCommand cmd = o.command;
  const bool runs = o.Enabled && o.Down && o.Active && b == MouseButton::Left &&
                    cmd != TvxStdCommand::cmsysmenu && cmd != TvxStdCommand::cmdefault;
  auto command = [&] {
    if (cmd != TvxStdCommand::cmrollup) Append(ev, ClearHot());
    FrameEvent e{K::Command, i};
    e.command = cmd;
    ev.push_back(e);
  };
  if (cmd == TvxStdCommand::cmclose) {
    // Close only after the button has shown its released look.
    ButtonUp(i, b, x, y, ev);
    if (runs) command();
  } else {
    if (runs) command();
    ButtonUp(i, b, x, y, ev);
  }
}

FrameEvents FrameMouse::Deactivated() {
  FrameEvents ev = ClearHot();
  if (pollRunning_) {
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
  }
  return ev;
}

void FrameMouse::ResetObjects() {
  for (FrameObject& o : objects_) {
    if (o.kind == ObjectKind::Caption) continue;
    o.Active = o.MouseIn = false;
    if (o.kind == ObjectKind::Animate) ResetAnimate(o);
    else o.morph = 0;
  }
  hot_ = previousHot_ = -1;
}

FrameEvents FrameMouse::StartHoverPoll() {
  FrameEvents ev;
  pollRunning_ = true;
  Push(ev, K::StartHoverPoll, -1);
  return ev;
}

FrameEvents FrameMouse::EnterSizeMove() {
  FrameEvents ev;
  ResetObjects();
  if (pollRunning_) {
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
  }
  hot_ = captured_ = -1;
  env_.sizeMoveLoop = true;
  return ev;
}

FrameEvents FrameMouse::ExitSizeMove() {
  FrameEvents ev;
  env_.sizeMoveLoop = false;
  if (pollRunning_) {
    pollRunning_ = false;
    Push(ev, K::StopHoverPoll, -1);
  }
  hot_ = previousHot_ = captured_ = -1;
  return ev;
}

FrameEvents FrameMouse::MenuClosed() {
  FrameEvents ev;
  for (size_t i = 0; i < objects_.size(); ++i) {
    FrameObject& o = objects_[i];
    if (HasMenu(o) && o.Down) {
      o.Down = false;
      Push(ev, K::Redraw, static_cast<int>(i));
      break;
    }
  }
  return ev;
}

}  // namespace vx::frame
