// Registering the skin engine's own window classes.
#pragma once

#include <windows.h>

namespace vx {

// Makes sure the class `wc` describes is registered for its module: true
// when it is there afterwards (registered now, or before by anyone), false
// when the registration failed. Nothing is remembered between calls, so a
// failed registration is tried again by the next window that needs it.
bool RegisterWindowClass(const WNDCLASSEXW& wc);

}  // namespace vx
