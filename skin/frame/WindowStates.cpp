#include "WindowStates.h"

#include <cstdlib>

namespace vx::frame {
namespace {

using A = StateAction::Kind;

void Add(StateActions& out, A kind) { out.push_back(StateAction{kind}); }
void AddBounds(StateActions& out, const Rect& r) {
  StateAction a{A::SetBounds};
  a.rect = r;
  out.push_back(a);
}
void AddValue(StateActions& out, A kind, int v) {
  StateAction a{kind};
  a.value = v;
  out.push_back(a);
}

FrameOptions DefaultOptions() { return FrameOptions{}; }

}  // namespace

int WindowStates::MinWidth(const StateEnv& env) const {
  static const FrameSkin kNoSkin;
  static const FrameOptions kNoOptions = DefaultOptions();
  return MinFrameWidth(env.skin ? *env.skin : kNoSkin, env.options ? *env.options : kNoOptions, env.monitor,
                       Sizes());
}

int WindowStates::MinHeight(const StateEnv& env) const {
  static const FrameSkin kNoSkin;
  static const FrameOptions kNoOptions = DefaultOptions();
  return MinFrameHeight(env.skin ? *env.skin : kNoSkin, env.options ? *env.options : kNoOptions, env.monitor,
                        Sizes());
}

StateActions WindowStates::SetFrameWindowState(TvxFrameWindowState s, const StateEnv& env) {
  StateActions out;
  if (!env.skinnable) {
    StateAction a{A::SetFormWindowState};
    a.state = s;
    out.push_back(a);
    return out;
  }
  if (s == state_) return out;
  const TvxFrameWindowState from = state_;
  // The main form minimizes the whole application and keeps its frame normal.
  if (!(s == TvxFrameWindowState::Minimized && env.isMainForm)) state_ = s;
  switch (s) {
    case TvxFrameWindowState::Minimized: Minimize(env, out); break;
    case TvxFrameWindowState::Maximized: Maximize(env, out); break;
    case TvxFrameWindowState::Normal: Restore(from, env, out); break;
  }
  return out;
}

void WindowStates::Minimize(const StateEnv& env, StateActions& out) {
  if (env.isMainForm) {
    Add(out, A::MinimizeApplication);
    Add(out, A::OnMinimize);
    return;
  }
  if (restoreBounds_.IsEmpty()) restoreBounds_ = env.bounds;
  const int w = MinWidth(env), h = MinHeight(env);
  const Point p = FindFreePlace(env.monitor.work, w, h, env.minimizedPlaces);
  AddBounds(out, RectOfSize(p.X, p.Y, w, h));
  Add(out, A::OnMinimize);
}

void WindowStates::Maximize(const StateEnv& env, StateActions& out) {
  maximizeTimeRollUp_ = rolledUp_;
  if (restoreBounds_.IsEmpty()) restoreBounds_ = env.bounds;
  const bool full = env.options && env.options->maximizeOnFullScreen;
  AddBounds(out, MaximizeTarget(env.monitor, env.screen, full));
  Add(out, A::OnMaximize);
}

void WindowStates::Restore(TvxFrameWindowState from, const StateEnv& env, StateActions& out) {
  if (from == TvxFrameWindowState::Maximized && rolledUp_ && !maximizeTimeRollUp_) {
    StateActions down = SetRollUpState(false, env);
    out.insert(out.end(), down.begin(), down.end());
  }
  maximizeTimeRollUp_ = false;
  rolledUpWhileMaximized_ = false;
  const int oldW = env.bounds.Width(), oldH = env.bounds.Height();
  Rect target = restoreBounds_;
  // Without remembered bounds the window keeps its own rather than
  // collapsing to an empty rectangle.
  if (target.IsEmpty()) target = env.bounds;
  if (positionPending_) {
    positionPending_ = false;
    target = PlaceByPositionInMonitor(env.position, env.monitor, target);
  }
  AddBounds(out, target);
  Add(out, A::StartHoverPoll);
  if (target.Width() == oldW && target.Height() == oldH) Add(out, A::ForceRelayout);
  Add(out, A::Repaint);
  restoreBounds_ = {};
  Add(out, A::OnRestore);
}

StateActions WindowStates::SetRollUpState(bool rolled, const StateEnv& env) {
  StateActions out;
  const bool maximized = state_ == TvxFrameWindowState::Maximized;
  if (!(env.icons & biRollUp) || state_ == TvxFrameWindowState::Minimized) return out;
  if (rolledUp_ && maximized && !rolledUpWhileMaximized_) return out;
  // Rolling up twice would overwrite the height to come back to.
  if (rolled == rolledUp_) return out;
  if (maximized) rolledUpWhileMaximized_ = rolled;
  rolledUp_ = rolled;
  if (rolled) {
    heightBeforeRollUp_ = env.bounds.Height();
    const int bar = MinHeight(env);
    if (env.options && env.options->layeredWholeFrame && heightBeforeRollUp_ == bar) {
      heightBeforeRollUp_ = bar + 1;
      AddValue(out, A::SetHeight, bar + 1);
    }
    AddValue(out, A::SetHeight, bar);
  } else if (env.clientHeightProperty != 0) {
    AddValue(out, A::SetClientHeight, env.clientHeightProperty);
  } else {
    AddValue(out, A::SetHeight, heightBeforeRollUp_);
  }
  Add(out, A::OnChangeRollUpState);
  return out;
}

StateActions WindowStates::CaptionDoubleClick(const StateEnv& env) {
  const bool resizable = env.options ? env.options->Resizable() : true;
  const bool maximized = state_ == TvxFrameWindowState::Maximized;
  if (resizable && state_ == TvxFrameWindowState::Minimized)
    return SetFrameWindowState(TvxFrameWindowState::Normal, env);
  if (resizable && !maximized && !rolledUp_ && (env.icons & biMaximize))
    return SetFrameWindowState(TvxFrameWindowState::Maximized, env);
  if (resizable && maximized && !rolledUpWhileMaximized_)
    return SetFrameWindowState(TvxFrameWindowState::Normal, env);
  return SetRollUpState(!rolledUp_, env);
}

StateActions WindowStates::Shown(const StateEnv& env) {
  StateActions out;
  if (!positionPending_) return out;
  if (env.position == TvxPositionInMonitor::vxpDefault) {
    positionPending_ = false;
  } else if (state_ == TvxFrameWindowState::Normal) {
    positionPending_ = false;
    AddBounds(out, PlaceByPositionInMonitor(env.position, env.monitor, env.bounds));
  }
  return out;
}

Point FindFreePlace(const Rect& work, int minW, int minH, const std::vector<Point>& taken) {
  minW = std::max(minW, 1);
  minH = std::max(minH, 1);
  const Point first{work.Left, work.Bottom - minH};
  Point p = first;
  auto isTaken = [&](Point q) {
    for (const Point& t : taken)
      if (t == q) return true;
    return false;
  };
  // Each step leaves a taken place behind, so a free one turns up within
  // taken.size() + 1 visits.
  for (size_t visits = 0; visits <= taken.size(); ++visits) {
    if (!isTaken(p)) return p;
    p.X += minW;
    if (p.X + minW > work.Right) {
      p.X = work.Left;
      p.Y -= minH;
      if (p.Y < work.Top) return first;
    }
  }
  return first;
}

Rect MaximizeTarget(const MonitorRects& monitor, const Rect& screen, bool fullScreen) {
  if (fullScreen) return monitor.full;
  Rect r = monitor.work;
  if (r.Width() == monitor.full.Width() && r.Height() == monitor.full.Height() && monitor.full == screen) {
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  return r;
}

Point CenterIn(const Rect& ref, int w, int h) {
  return {ref.Left + Half(ref.Width()) - Half(w), ref.Top + Half(ref.Height()) - Half(h)};
}

Rect PlaceByPositionInMonitor(TvxPositionInMonitor p, const MonitorRects& monitor, const Rect& bounds) {
  if (p == TvxPositionInMonitor::vxpDefault) return bounds;
  const Rect& ref = p == TvxPositionInMonitor::vxpScreenCenter ? monitor.full : monitor.work;
  const Point c = CenterIn(ref, bounds.Width(), bounds.Height());
  return RectOfSize(c.X, c.Y, bounds.Width(), bounds.Height());
}

namespace {

// One edge: `pos` is the window's coordinate that lines up with `edge` when
// snapped at `snapped`.
int SnapEdge(int value, int distanceFromEdge, int snapped, int m, int pointer, int& anchor, bool& stuck) {
  const bool near = std::abs(distanceFromEdge) < m;
  if (near && !stuck) {
    value = snapped;
    anchor = pointer;
  } else if (stuck) {
    // Follow the pointer again once it has travelled far enough, keeping the
    // offset the window had when it snapped.
    value = std::abs(pointer - anchor) > m ? pointer + snapped - anchor : snapped;
  }
  stuck = near;
  return value;
}

}  // namespace

Point MagneticSnap(int left, int top, int width, int height, const Rect& r, int m, Point pointer,
                   MagneticState& s) {
  left = SnapEdge(left, left - r.Left, r.Left, m, pointer.X, s.anchorX, s.stuckLeft);
  top = SnapEdge(top, top - r.Top, r.Top, m, pointer.Y, s.anchorY, s.stuckTop);
  left = SnapEdge(left, left + width - r.Right, r.Right - width, m, pointer.X, s.anchorX, s.stuckRight);
  top = SnapEdge(top, top + height - r.Bottom, r.Bottom - height, m, pointer.Y, s.anchorY, s.stuckBottom);
  return {left, top};
}

Rect MovingRect(const MovingInput& in, MagneticState& state) {
  if (in.maximized) return in.current;
  if (!in.magnetic) return in.proposed;
  const int w = in.current.Width(), h = in.current.Height();
  const Point p = MagneticSnap(in.proposed.Left, in.proposed.Top, w, h, in.area, in.magneticSize, in.pointer, state);
  return RectOfSize(p.X, p.Y, w, h);
}

SizingSize SizingProposal(const Rect& proposed, int minFrameWidth, int minFrameHeight) {
  return {std::max(proposed.Width(), minFrameWidth), std::max(proposed.Height(), minFrameHeight)};
}

}  // namespace vx::frame
