// The toolkit's thin layer over the platform's windows: window classes, the
// one window procedure every toolkit window has, and the mouse bookkeeping
// (capture and the control under the pointer) that spans controls. The
// control classes make their platform calls through here or directly where a
// call is one line; window creation and message entry live only here.
#pragma once

#include <windows.h>

#include "tkControls.h"

namespace tk::ws {

HINSTANCE Instance();
// Creates the window for `control`; `defProc` receives the default handler
// (the platform class's procedure for copies of platform classes).
HWND CreateControlWindow(TWinControl* control, const TCreateParams& params, WNDPROC* defProc);

// The control that has the mouse captured (a graphic control's messages come
// through its parent's window) and the control under the pointer.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);
// The platform took the capture away (another window has it now).
void CaptureLost();
TControl* MouseControl();
// Sends CM_MOUSELEAVE to the old and CM_MOUSEENTER to the new control.
void SetMouseControl(TControl* control);
// A control going away is forgotten by the bookkeeping.
void ForgetControl(TControl* control);
// Ties a window made by CreateControlWindow to a control (its messages go to
// the control's WindowProc), or unties it (null: the platform's default
// handling only).
void SetWindowControl(HWND window, TWinControl* control);

// Whether the message being handled was sent by this thread. One sent from
// another thread or process (or sent as a notification or with a callback)
// carries numbers that mean nothing here: pointers into the sender's memory
// at best. Posted messages never get this far as long as they could carry
// such numbers: the queue hook below turns them into WM_NULL. While a message
// from another thread is being handled, the sends this thread makes in the
// meantime count as foreign too: refusing them is the safe side.
bool SentByThisThread();
// The toolkit's own messages (CM_ and CN_): their parameters may be objects
// of ours, so they only ever come from this thread.
bool IsToolkitMessage(UINT msg);
// Messages the platform only ever sends, whose parameters are pointers.
bool IsPointerNotification(UINT msg);
// Watches the thread's message queue (once per thread; the first toolkit
// window on a thread does it): a posted message that the toolkit would follow
// as a pointer or use to pick a control becomes WM_NULL before any message
// loop, ours or the platform's, dispatches it.
void GuardThreadQueue();

// The hidden message-only window timers and the application post to.
HWND UtilityWindow();
using UtilityHandler = std::function<void(UINT msg, WPARAM, LPARAM)>;
// Registers a handler for WM_TIMER with id `id` on the utility window.
void SetUtilityTimerHandler(UINT_PTR id, UtilityHandler handler);
void RemoveUtilityTimerHandler(UINT_PTR id);
UINT_PTR NewTimerId();

}  // namespace tk::ws
