// A real browser in a real window, navigated to a loopback server this test
// runs: the request must arrive, and the URL must reach the browser unchanged.
#include <gtest/gtest.h>

#include "LoopbackServer.h"

#include <chrono>

#include "Lantern.h"
#include "LntProcess.h"

using namespace kinopod::lnt;

namespace {

HWND MakeParent() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LanternNavTestParent";
    RegisterClassW(&wc);
    registered = true;
  }
  return CreateWindowExW(0, L"LanternNavTestParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 640, 480,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

template <class Pred>
bool PumpUntil(Pred done, int millis) {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
  while (std::chrono::steady_clock::now() < until) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

std::wstring UrlOf(const VARIANT& v) {
  return v.vt == VT_BSTR && v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
}

class NavigationTest : public ::testing::Test {
 protected:
  LntUnit unit_;
};

TEST_F(NavigationTest, SearchTabBrowserReachesTheServerWithUrlUnchanged) {
  LoopbackServer server;
  HWND parent = MakeParent();
  {
    // As the search tabs do: owner, foreign parent window, options, navigate.
    TLantern browser(nullptr);
    browser.SetParentWindow(parent);
    browser.SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DontExecuteJava,
                                TDownloadControlOption::DontDownloadActiveX});
    EXPECT_EQ(browser.DownloadControlValue(), 0x510u);
    std::vector<std::wstring> seen;
    browser.OnBeforeNavigate2 = [&](TLNT*, IDispatch*, VARIANT& url, VARIANT&, VARIANT&, VARIANT&, VARIANT&,
                                    VARIANT_BOOL&) { seen.push_back(UrlOf(url)); };
    std::wstring url = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/search?k=\u4e2d\u6587";
    browser.Navigate(url);
    ASSERT_TRUE(PumpUntil([&] { return !server.Requests().empty(); }, 30000)) << "no request reached the server";
    EXPECT_EQ(server.Requests()[0].rfind("GET /search?k=", 0), 0u) << server.Requests()[0];
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], url);
  }
  DestroyWindow(parent);
}

}  // namespace
