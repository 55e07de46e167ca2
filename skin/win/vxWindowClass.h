// Registering the skin engine's own window classes.
#pragma once

#include <windows.h>

namespace vx {

// Makes sure the engine's popup class `name` (saved bits under it, the arrow
// cursor, this module) is registered with `proc`: true when it is there
// afterwards (registered now, or before by anyone), false when the
// registration failed. Nothing is remembered between calls, so a failed
// registration is tried again by the next window that needs it.
bool RegisterWindowClass(const wchar_t* name, WNDPROC proc);

}  // namespace vx
