// The guard's report (see LntGuard.h).
#include "LntGuard.h"

#include "tkControls.h"

namespace kinopod::lnt {

void ReportCallbackException() noexcept {
  try {
    tk::HandleException(nullptr);
  } catch (...) {
    // The application's own handler threw: there is nobody left to tell.
    OutputDebugStringW(L"An exception handler threw while reporting a browser callback's exception\n");
  }
}

}  // namespace kinopod::lnt
