// Messages as controls see them. Window messages keep the platform's numbers;
// the toolkit's own notifications (mouse enter/leave, reflected child
// notifications, ...) live in the CM_/CN_ range above WM_USER, where no
// window class of the platform uses them.
#pragma once

#include <cstdint>
#include <functional>

namespace tk {

struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

// A control's window procedure: replaceable, so a component can take over a
// control's messages and hand the ones it does not want to the saved one.
using TWndMethod = std::function<void(TMessage&)>;

constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
                   CM_ENABLEDCHANGED = CM_BASE + 3, CM_COLORCHANGED = CM_BASE + 4,
                   CM_FONTCHANGED = CM_BASE + 5, CM_CURSORCHANGED = CM_BASE + 6,
                   CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
                   CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
                   CM_SHOWINGCHANGED = CM_BASE + 17, CM_MOUSEENTER = CM_BASE + 19,
                   CM_MOUSELEAVE = CM_BASE + 20, CM_TEXTCHANGED = CM_BASE + 18,
                   CM_RELEASE = CM_BASE + 33, CM_SHOWHINTCHANGED = CM_BASE + 34,
                   CM_PARENTSHOWHINTCHANGED = CM_BASE + 35, CM_HINTSHOW = CM_BASE + 48,
                   CM_CONTROLLISTCHANGE = CM_BASE + 44, CM_ENTER = CM_BASE + 15,
                   CM_EXIT = CM_BASE + 16;
// To every control of a form when the focus moved to another of its
// controls; LParam is that control (a TWinControl*), sent only by Perform.
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
// Notifications a parent reflects back to the child control that sent them.
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_COMMAND = CN_BASE + 0x0111, CN_NOTIFY = CN_BASE + 0x004E,
                   CN_CTLCOLOREDIT = CN_BASE + 0x0133, CN_CTLCOLORSTATIC = CN_BASE + 0x0138,
                   CN_DRAWITEM = CN_BASE + 0x002B;

}  // namespace tk
