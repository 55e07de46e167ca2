// Exceptions never cross a COM boundary. The browser calls the host's
// interfaces from its own code, which cannot unwind a C++ exception; a handler
// that throws there would end the program. Every COM entry point that reaches
// the control or a user handler goes through GuardedCall: an exception is
// reported through the application's exception handling (the same path as one
// from a message handler) and the browser gets a fallback answer instead.
#pragma once

#include <windows.h>

namespace kinopod::lnt {

// Reports the exception being handled. Call only inside a catch block; never throws.
void ReportCallbackException() noexcept;

template <class F>
HRESULT GuardedCall(HRESULT fallback, F&& call) noexcept {
  try {
    return call();
  } catch (...) {
    ReportCallbackException();
    return fallback;
  }
}

}  // namespace kinopod::lnt
