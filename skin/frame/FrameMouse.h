// Hot-object tracking and the routing of non-client mouse input to the frame
// objects, as a state machine. It owns the object list; the window binding
// feeds it pointer positions, presses, releases and hover-poll ticks and
// carries out the events it returns (redraws, capture, timers, commands).
#pragma once

#include <string>
#include <vector>

#include "FrameObjects.h"

namespace vx::frame {

enum class MouseButton { Left, Right, Middle };

struct FrameEvent {
  enum class Kind {
    MouseEnter,      // OnMouseEnterEvent (object)
    MouseLeave,      // OnMouseLeaveEvent
    MouseDown,       // OnMouseDownEvent (object, x, y, button)
    MouseUp,         // OnMouseUpEvent
    MouseMove,       // OnMouseMoveEvent
    Redraw,          // redraw the object
    ShowHint,        // show the object's hint (when hints are on)
    HideHint,
    ShowGlow,
    HideGlow,
    SetCapture,
    ReleaseCapture,
    StartHoverPoll,  // the 50 ms hover poll timer
    StopHoverPoll,
    Command,         // carry out `command` (close, maximize/restore, ...)
    SystemMenu,      // pop the system menu up under the object
    CloseForm,       // double click on the system-menu button
  };
  FrameEvent(Kind k, int obj = -1) : kind(k), object(obj) {}
  Kind kind;
  int object = -1;
  TvxStdCommand command = TvxStdCommand::cmdefault;
  int x = 0, y = 0;
  MouseButton button = MouseButton::Left;
};
using FrameEvents = std::vector<FrameEvent>;

// What the tracker needs to know about the frame at the moment.
struct FrameMouseEnv {
  bool frameActive = true;        // IsFrameActive
  bool sizeMoveLoop = false;
  bool hasBorder = true;
  bool maximizedMdiChild = false;
  bool layeredWholeFrame = false;
  bool showObjectHint = false;    // ShowObjectHint with a SkinHint assigned
  // Whose command is in effect (restore look and hint).
  bool rolledUp = false, minimized = false, maximized = false;
};

class FrameMouse {
 public:
  // Replaces the list (a skin change or a mode change): hot, previous hot and
  // captured become none.
  void SetObjects(FrameObjectList objects);
  FrameObjectList& Objects() { return objects_; }
  const FrameObjectList& Objects() const { return objects_; }
  FrameMouseEnv& Env() { return env_; }

  int Hot() const { return hot_; }
  int PreviousHot() const { return previousHot_; }
  int Captured() const { return captured_; }
  bool HoverPollRunning() const { return pollRunning_; }

  FrameEvents TrackHotObject(int x, int y, bool track);
  // The hit test answered HTOBJECT at (x, y).
  FrameEvents ObjectHit(int x, int y);
  // A tick of the hover poll: whether the window under the pointer is the
  // form's, the pointer in window coordinates and the client rectangle.
  FrameEvents HoverPollTick(bool pointerOverForm, int x, int y, const Rect& client);

  // Routing of the non-client messages (after the form's own handling).
  FrameEvents NcMouseMove(int x, int y);
  FrameEvents NcButtonDown(MouseButton b, int x, int y, bool onCaption);
  FrameEvents NcButtonUp(MouseButton b, int x, int y) { return Release(b, x, y); }
  FrameEvents NcButtonDblClk(MouseButton b, int x, int y, bool onCaption);
  // WM_LBUTTONUP / WM_RBUTTONUP in the client area.
  FrameEvents ClientButtonUp(MouseButton b) { return Release(b, -1, -1); }

  // The frame went inactive (WM_NCACTIVATE): the hot object is cleared and
  // the hover poll stops until the next object hit.
  FrameEvents Deactivated();
  // ResetObjects (WM_ACTIVATE and the start of a size/move loop). Nothing
  // stays hot either, so the object under the pointer lights up again on the
  // next track instead of keeping an idle look that ignores its release.
  void ResetObjects();
  // The hover poll starts without an object hit (after a restore).
  FrameEvents StartHoverPoll();
  FrameEvents EnterSizeMove();
  FrameEvents ExitSizeMove();
  // Clears the hot object (as the commands do before acting).
  FrameEvents ClearHot();
  // The skinned menu closed: the first pressed button is released.
  FrameEvents MenuClosed();

 private:
  bool Tracking() const;
  FrameEvents Press(MouseButton b, int x, int y);
  FrameEvents Release(MouseButton b, int x, int y);
  void Enter(int i, FrameEvents& ev);
  void Leave(int i, FrameEvents& ev);
  void ObjectDown(int i, MouseButton b, int x, int y, FrameEvents& ev);
  void ObjectUp(int i, MouseButton b, int x, int y, FrameEvents& ev);
  void ButtonUp(int i, MouseButton b, int x, int y, FrameEvents& ev);
  bool CommandInEffect(const FrameObject& o) const;
  bool Valid(int i) const { return i >= 0 && i < static_cast<int>(objects_.size()); }

  FrameObjectList objects_;
  FrameMouseEnv env_;
  int hot_ = -1;
  int previousHot_ = -1;
  int captured_ = -1;
  bool pollRunning_ = false;
};

}  // namespace vx::frame
