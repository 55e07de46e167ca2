// A real browser in a real window, navigated to a loopback server this test
// runs: the request must arrive, and the URL must reach the browser unchanged.
#include <gtest/gtest.h>

#include "LoopbackServer.h"

#include <chrono>
#include <stdexcept>

#include "Lantern.h"
#include "LntProcess.h"
#include "tkForms.h"

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
    // As the search tabs do: owner, foreign parent window, its size, options, navigate.
    auto* sheet = new tk::TComponent(nullptr);
    TLantern& browser = *new TLantern(sheet);
    browser.SetParentWindow(parent);
    RECT client{};
    GetClientRect(parent, &client);
    browser.SetWidth(client.right);
    browser.SetHeight(client.bottom);
    RECT placed{};
    GetWindowRect(browser.Handle(), &placed);
    EXPECT_EQ(placed.right - placed.left, client.right);
    EXPECT_EQ(placed.bottom - placed.top, client.bottom);
    browser.SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DontExecuteJava,
                                TDownloadControlOption::DontDownloadActiveX});
    EXPECT_EQ(browser.DownloadControlValue(), 0x510u);
    EXPECT_TRUE(browser.PropertySinkConnected());
    std::vector<std::wstring> seen;
    browser.OnBeforeNavigate2 = [&](TLntWebBrowser*, IDispatch*, VARIANT& url, VARIANT&, VARIANT&, VARIANT&, VARIANT&,
                                    VARIANT_BOOL&) { seen.push_back(UrlOf(url)); };
    std::wstring url = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/search?k=\u4e2d\u6587";
    browser.Navigate(url);
    ASSERT_TRUE(PumpUntil([&] { return !server.Requests().empty(); }, 30000)) << "no request reached the server";
    EXPECT_EQ(server.Requests()[0].rfind("GET /search?k=", 0), 0u) << server.Requests()[0];
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], url);

    // The owner frees the control, and the control its window.
    HWND window = browser.Handle();
    ComPtr<IOleClientSite> site = ComPtr<IOleClientSite>::Share(browser.Site()->ClientSite());
    sheet->Free();
    EXPECT_FALSE(IsWindow(window));
    // A site kept by someone else outlives the control and answers without it.
    ComPtr<IOleWindow> asWindow = site.As<IOleWindow>(IID_IOleWindow);
    ASSERT_TRUE(asWindow);
    HWND none = reinterpret_cast<HWND>(1);
    EXPECT_NE(asWindow->GetWindow(&none), S_OK);
  }
  DestroyWindow(parent);
}

TEST_F(NavigationTest, AHandlerThrowingFromANavigationEventIsReportedOnceAndBrowsingGoesOn) {
  tk::TApplication app;
  std::vector<std::wstring> boxes;
  app.MessageBoxHook = [&](const std::wstring& text, const std::wstring&, unsigned) {
    boxes.push_back(text);
    return IDOK;
  };
  LoopbackServer server;
  HWND parent = MakeParent();
  {
    TLantern browser;
    browser.SetParentWindow(parent);
    browser.SetWidth(320);
    browser.SetHeight(240);
    int thrown = 0;
    browser.OnBeforeNavigate2 = [&](auto...) {
      ++thrown;
      throw std::runtime_error("navigation handler failed");
    };
    const std::wstring base = L"http://127.0.0.1:" + std::to_wstring(server.Port());
    browser.Navigate(base + L"/first");
    ASSERT_TRUE(PumpUntil([&] { return !server.Requests().empty(); }, 30000)) << "the first request never came";
    ASSERT_EQ(thrown, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"navigation handler failed"), std::wstring::npos);

    // The browser goes on: the next navigation runs its handler and reaches the server.
    bool seen = false;
    browser.OnBeforeNavigate2 = [&](auto...) { seen = true; };
    browser.Navigate(base + L"/second");
    ASSERT_TRUE(PumpUntil([&] { return server.Requests().size() >= 2; }, 30000)) << "the second request never came";
    EXPECT_TRUE(seen);
    EXPECT_EQ(server.Requests().back().rfind("GET /second", 0), 0u) << server.Requests().back();
    EXPECT_EQ(boxes.size(), 1u);
  }
  DestroyWindow(parent);
}

}  // namespace
