// Process-wide state of the browser host and its start-up and exit.
//
// The host changes three things outside the program that must be put back:
// the user-agent token in the user's registry, the WinINet proxy and the
// navigation sound scheme. It also owns OLE for the thread and the
// floating-point control word the browser's scripts may disturb. LntUnit does
// the start-up in its constructor and the exit in its destructor; the program
// keeps one alive around everything that uses a browser.
#pragma once

#include <cstdint>
#include <string>

namespace kinopod::lnt {

struct LntProcessState {
  bool proxyChanged = false;
  bool ownerWatched = false;
  bool soundDisabled = false;
  bool userAgentWritten = false;
  std::uint16_t fpControlWord = 0;   // remembered at start-up
  std::uint32_t sseControl = 0;
};
LntProcessState& Process();

class LntUnit {
 public:
  LntUnit();
  ~LntUnit();
  LntUnit(const LntUnit&) = delete;
  LntUnit& operator=(const LntUnit&) = delete;
  bool OleReady() const { return oleReady_; }

 private:
  bool oleReady_ = false;
};

// The floating-point control word (x87; the SSE exception masks follow it).
std::uint16_t Get8087CW();
void Set8087CW(std::uint16_t word);

// --- user-agent token (current user's "Post Platform" list) ---
extern const wchar_t kPostPlatformKey[];
// Writes a value named after the token with empty data; failures are silent.
void WriteUserAgentToken(const std::wstring& token);
// Removes every value of this program's tokens (also one left by an earlier
// run that did not exit cleanly); other programs' entries and the key stay.
void RemoveOwnUserAgentTokens();

// --- navigation sound (current user's sound scheme) ---
extern const wchar_t kNavigatingSoundKey[];
void DisableNavigationSound();
void RestoreNavigationSound();

// --- WinINet proxy ---
struct ProxyRequest {
  std::wstring agent, address, userName, password;
  int port = 80;
};
void ApplyProxy(const ProxyRequest& request);
// Puts the proxy settings back as they were before the first ApplyProxy.
void RestoreProxy();

}  // namespace kinopod::lnt
