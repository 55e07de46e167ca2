// The frame's own window states: minimize to a caption bar, maximize to the
// monitor, restore, roll-up to the caption bar and back, the caption
// double-click, magnetic screen edges while moving, and the first placement
// by PositionInMonitor. The form's own WindowState stays normal while the frame
// is skinnable; these rules decide the bounds the window binding applies.
#pragma once

#include <vector>

#include "FrameSizeLimits.h"

namespace vx::frame {

enum class TvxPositionInMonitor { vxpDefault, vxpScreenCenter, vxpDesktopCenter };

// Everything the state rules read about the form at the moment of a call.
struct StateEnv {
  const FrameSkin* skin = nullptr;
  const FrameOptions* options = nullptr;
  Rect bounds;              // the form's bounds (screen coordinates)
  MonitorRects monitor;     // of the form's monitor
  Rect screen;              // (0, 0, screen width, screen height)
  bool isMainForm = false;
  bool skinnable = true;
  TvxBorderIcons icons = kDefaultBorderIcons;
  int clientHeightProperty = 0;  // the frame's ClientHeight (0: not forced)
  TvxPositionInMonitor position = TvxPositionInMonitor::vxpDefault;
  // Top-left corners of the other visible forms (not this one, not the main
  // form) whose frames are minimized.
  std::vector<Point> minimizedPlaces;
};

struct StateAction {
  enum class Kind {
    SetBounds,            // rect
    SetHeight,            // value
    SetClientHeight,      // value
    SetFormWindowState,   // state (a form that is not skinnable)
    MinimizeApplication,
    StartHoverPoll,
    ForceRelayout,
    Repaint,
    OnMinimize,
    OnMaximize,
    OnRestore,
    OnChangeRollUpState,
  };
  StateAction(Kind k = Kind::Repaint) : kind(k) {}
  Kind kind;
  Rect rect;
  int value = 0;
  TvxFrameWindowState state = TvxFrameWindowState::Normal;
};
using StateActions = std::vector<StateAction>;

class WindowStates {
 public:
  TvxFrameWindowState State() const { return state_; }
  bool RolledUp() const { return rolledUp_; }
  bool RolledUpWhileMaximized() const { return rolledUpWhileMaximized_; }
  int HeightBeforeRollUp() const { return heightBeforeRollUp_; }
  const Rect& RestoreBounds() const { return restoreBounds_; }
  bool PositionPending() const { return positionPending_; }

  SizeState Sizes() const { return {state_ == TvxFrameWindowState::Minimized, rolledUp_}; }

  StateActions SetFrameWindowState(TvxFrameWindowState s, const StateEnv& env);
  StateActions SetRollUpState(bool rolled, const StateEnv& env);
  // After a WM_NCLBUTTONDBLCLK on the caption.
  StateActions CaptionDoubleClick(const StateEnv& env);
  // WM_SHOWWINDOW showing the form.
  StateActions Shown(const StateEnv& env);

 private:
  void Minimize(const StateEnv& env, StateActions& out);
  void Maximize(const StateEnv& env, StateActions& out);
  void Restore(TvxFrameWindowState from, const StateEnv& env, StateActions& out);
  int MinHeight(const StateEnv& env) const;
  int MinWidth(const StateEnv& env) const;

  TvxFrameWindowState state_ = TvxFrameWindowState::Normal;
  bool rolledUp_ = false;
  bool rolledUpWhileMaximized_ = false;
  bool maximizeTimeRollUp_ = false;
  int heightBeforeRollUp_ = 0;
  Rect restoreBounds_;
  bool positionPending_ = true;
};

// The free place for a minimized caption bar of minW x minH on the work area:
// bottom row first, left to right, then rows above; when every place is taken
// the bottom row's first place. The search visits at most one place per
// taken corner plus one.
Point FindFreePlace(const Rect& work, int minW, int minH, const std::vector<Point>& taken);

// The bounds of a maximized window: the work area (the full monitor with
// MaximizeOnFullScreen), kept 1 pixel inside a single screen that has no
// visible taskbar so that a hidden taskbar can still be reached.
Rect MaximizeTarget(const MonitorRects& monitor, const Rect& screen, bool fullScreen);

// Centring w x h in a reference rectangle (halves toward zero).
Point CenterIn(const Rect& ref, int w, int h);
Rect PlaceByPositionInMonitor(TvxPositionInMonitor p, const MonitorRects& monitor, const Rect& bounds);

// Magnetic screen edges for WM_MOVING.
struct MagneticState {
  bool stuckLeft = false, stuckTop = false, stuckRight = false, stuckBottom = false;
  int anchorX = 0, anchorY = 0;
  void ClearStuck() { stuckLeft = stuckTop = stuckRight = stuckBottom = false; }
};
// Snaps the proposed left/top of a width x height window to the edges of
// `area` (m = MagneticSize) for the pointer position `pointer`.
Point MagneticSnap(int left, int top, int width, int height, const Rect& area, int m, Point pointer,
                   MagneticState& state);

// WM_MOVING: the rectangle a drag may take. A maximized window stays where it
// is; with Magnetic on the proposed left and top snap to `area`.
struct MovingInput {
  Rect proposed;
  Rect current;            // the form's bounds
  bool maximized = false;  // frame window state (not an MDI child)
  bool magnetic = false;
  int magneticSize = 5;
  Rect area;               // the work area of the window's monitor
  Point pointer;
};
Rect MovingRect(const MovingInput& in, MagneticState& state);

// WM_SIZING with full-window drag: the size the frame lays itself out for,
// never below the minimum frame size.
struct SizingSize {
  int width, height;
};
SizingSize SizingProposal(const Rect& proposed, int minFrameWidth, int minFrameHeight);

}  // namespace vx::frame
