// Start-up and exit of the browser host (see LntProcess.h).
#include "LntProcess.h"

#include <windows.h>
#include <ole2.h>

#include "LntOleControl.h"

namespace kinopod::lnt {

LntProcessState& Process() {
  static LntProcessState state;
  return state;
}

std::uint16_t Get8087CW() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

void Set8087CW(std::uint16_t word) {
  __asm__ __volatile__("fldcw %0" : : "m"(word));
#if defined(__x86_64__) || defined(__SSE__)
  // Scripts run on SSE arithmetic in 64-bit code: mirror the six exception masks.
  std::uint32_t mxcsr = 0;
  __asm__ __volatile__("stmxcsr %0" : "=m"(mxcsr));
  mxcsr = (mxcsr & ~(0x3Fu << 7)) | ((word & 0x3Fu) << 7);
  __asm__ __volatile__("ldmxcsr %0" : : "m"(mxcsr));
#endif
}

namespace {

std::uint32_t GetMxcsr() {
  std::uint32_t mxcsr = 0;
#if defined(__x86_64__) || defined(__SSE__)
  __asm__ __volatile__("stmxcsr %0" : "=m"(mxcsr));
#endif
  return mxcsr;
}

void SetMxcsr(std::uint32_t mxcsr) {
#if defined(__x86_64__) || defined(__SSE__)
  __asm__ __volatile__("ldmxcsr %0" : : "m"(mxcsr));
#else
  (void)mxcsr;
#endif
}

}  // namespace

LntUnit::LntUnit() {
  oleReady_ = SUCCEEDED(OleInitialize(nullptr));
  LntProcessState& p = Process();
  p.fpControlWord = Get8087CW();
  p.sseControl = GetMxcsr();
  p.proxyChanged = false;
  p.ownerWatched = false;
  p.soundDisabled = false;
  p.userAgentWritten = false;
}

LntUnit::~LntUnit() {
  LntProcessState& p = Process();
  if (p.proxyChanged) RestoreProxy();
  if (p.soundDisabled) RestoreNavigationSound();
  if (p.userAgentWritten) RemoveOwnUserAgentTokens();
  __asm__ __volatile__("fldcw %0" : : "m"(p.fpControlWord));
  SetMxcsr(p.sseControl);
  DestroyParkingWindow();
  if (oleReady_) OleUninitialize();
}

}  // namespace kinopod::lnt
