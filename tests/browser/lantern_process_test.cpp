// What the host changes outside itself and must put back: the user-agent
// token, the navigation sound, the proxy; the owner-window watch; and the
// control's window with its parking across window re-creation.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <vector>

#include "Lantern.h"
#include "LntProcess.h"
#include "tkForms.h"

using namespace kinopod::lnt;

namespace {

HWND MakeWindow(const wchar_t* caption, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, HWND parent = nullptr) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LanternProcessTestWindow";
    RegisterClassW(&wc);
    registered = true;
  }
  return CreateWindowExW(0, L"LanternProcessTestWindow", caption, style, 20, 20, 500, 400, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::vector<std::wstring> ValueNames(const wchar_t* path) {
  std::vector<std::wstring> names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[1024];
    DWORD length = 1024;
    if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

bool Contains(const std::vector<std::wstring>& v, const std::wstring& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

std::optional<std::wstring> ReadString(const std::wstring& path, const wchar_t* name) {
  wchar_t data[1024];
  DWORD bytes = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data);
}

void WriteString(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

TEST(LanternProcess, UserAgentTokenLivesWhileTheProgramRuns) {
  const std::wstring foreign = L"SomeOtherProgram/2.0";
  const std::wstring stale = L"Crashed" + CreditText();
  WriteString(kPostPlatformKey, foreign.c_str(), L"");
  WriteString(kPostPlatformKey, stale.c_str(), L"");
  {
    LntUnit unit;
    TLantern browser;
    browser.UserAgent = L"Kinopod";
    browser.Loaded();
    EXPECT_EQ(browser.UserAgent, L"Kinopod" + CreditText());
    auto names = ValueNames(kPostPlatformKey);
    EXPECT_TRUE(Contains(names, L"Kinopod" + CreditText()));
    EXPECT_EQ(ReadString(kPostPlatformKey, (L"Kinopod" + CreditText()).c_str()), std::wstring());
  }
  auto after = ValueNames(kPostPlatformKey);
  EXPECT_FALSE(Contains(after, L"Kinopod" + CreditText()));
  EXPECT_FALSE(Contains(after, stale));  // a token of a run that did not exit cleanly goes too
  EXPECT_TRUE(Contains(after, foreign));  // other programs' entries stay
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kPostPlatformKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) RegCloseKey(key);

  // A run that writes nothing removes nothing.
  WriteString(kPostPlatformKey, stale.c_str(), L"");
  { LntUnit unit; }
  EXPECT_TRUE(Contains(ValueNames(kPostPlatformKey), stale));
}

TEST(LanternProcess, NavigationSoundIsSilencedAndRestored) {
  const std::wstring base = kNavigatingSoundKey;
  WriteString(base + L"\\.Current", nullptr, L"C:\\sounds\\click.wav");
  {
    LntUnit unit;
    TLantern browser;
    browser.VisualEffects().DisableSounds = true;
    browser.Loaded();
    EXPECT_FALSE(ReadString(base + L"\\.Current", nullptr).has_value());
    EXPECT_EQ(ReadString(base + L"\\Old_Current", nullptr), L"C:\\sounds\\click.wav");
  }
  EXPECT_EQ(ReadString(base + L"\\.Current", nullptr), L"C:\\sounds\\click.wav");
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, (base + L"\\Old_Current").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

struct ProxyState {
  DWORD flags = 0;
  std::wstring server;
  std::optional<std::wstring> enable, regServer, override;
  bool operator==(const ProxyState&) const = default;
};

std::optional<std::wstring> RegValueText(const wchar_t* name) {
  const wchar_t path[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
  BYTE data[2048];
  DWORD bytes = sizeof data, type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, &type, data, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  if (type == REG_DWORD) return std::to_wstring(*reinterpret_cast<DWORD*>(data));
  return std::wstring(reinterpret_cast<wchar_t*>(data));
}

ProxyState ReadProxy() {
  ProxyState s;
  INTERNET_PER_CONN_OPTIONW options[2] = {};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  INTERNET_PER_CONN_OPTION_LISTW list{};
  list.dwSize = sizeof list;
  list.dwOptionCount = 2;
  list.pOptions = options;
  DWORD size = sizeof list;
  if (InternetQueryOptionW(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size)) {
    s.flags = options[0].Value.dwValue;
    if (options[1].Value.pszValue) {
      s.server = options[1].Value.pszValue;
      GlobalFree(options[1].Value.pszValue);
    }
  }
  s.enable = RegValueText(L"ProxyEnable");
  s.regServer = RegValueText(L"ProxyServer");
  s.override = RegValueText(L"ProxyOverride");
  return s;
}

TEST(LanternProcess, ProxyChangeIsUndoneAtExit) {
  ProxyState before = ReadProxy();
  {
    LntUnit unit;
    TLantern browser;
    browser.ProxySettings().AutoLoadProxy = true;
    browser.ProxySettings().Address = L"127.0.0.1";
    browser.ProxySettings().Port = 3128;
    browser.Loaded();
    EXPECT_TRUE(Process().proxyChanged);
    EXPECT_FALSE(ReadProxy() == before) << "the proxy set-up left no trace to undo";
  }
  EXPECT_FALSE(Process().proxyChanged);
  EXPECT_TRUE(ReadProxy() == before);

  // Without an address nothing is changed at all.
  {
    LntUnit unit;
    TLantern browser;
    browser.ProxySettings().AutoLoadProxy = true;
    browser.Loaded();
    EXPECT_FALSE(Process().proxyChanged);
  }
}

// --- owner-window watch ---------------------------------------------------------

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_CLOSE) {
    DestroyWindow(hwnd);
    return TRUE;
  }
  return FALSE;  // no focus at creation: the dialog is activated when the test says so
}

// A standard dialog ("#32770") that carries its caption from creation on.
HWND MakeDialog(HWND owner, const wchar_t* caption) {
  std::vector<WORD> tmpl(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* t = reinterpret_cast<DLGTEMPLATE*>(tmpl.data());
  t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  t->cx = 120;
  t->cy = 60;
  tmpl.push_back(0);  // no menu
  tmpl.push_back(0);  // the standard dialog class
  for (const wchar_t* c = caption; *c; ++c) tmpl.push_back(static_cast<WORD>(*c));
  tmpl.push_back(0);
  return CreateDialogIndirectW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(tmpl.data()), owner,
                               DialogProc);
}

std::wstring Caption(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

TEST(LanternProcess, OwnerWatchClosesScriptErrorDialogs) {
  LntUnit unit;
  tk::TForm form(nullptr);
  form.SetBounds(20, 20, 500, 400);
  {
    // The owning form has no window yet: nothing to watch.
    TLantern early(&form);
    early.Loaded();
    EXPECT_FALSE(early.OwnerWatchInstalled());
  }
  form.Show();
  HWND owner = form.Handle();
  {
    TLantern browser(&form);
    EXPECT_EQ(browser.OwnerWindow(), owner);
    browser.Loaded();
    EXPECT_TRUE(browser.OwnerWatchInstalled());
    TLantern second(&form);
    second.Loaded();
    EXPECT_FALSE(second.OwnerWatchInstalled());  // one watch per process

    std::vector<HWND> shown;
    browser.OnShowDialog = [&](TLantern*, HWND d) { shown.push_back(d); };
    SetActiveWindow(owner);
    Pump();
    HWND script = MakeDialog(owner, L"Internet Explorer Script Error");
    ShowWindow(script, SW_SHOW);
    SetActiveWindow(script);
    Pump();
    EXPECT_FALSE(IsWindow(script)) << "the script-error dialog stayed open";

    SetActiveWindow(owner);
    Pump();
    HWND alert = MakeDialog(owner, L"Microsoft Internet Explorer");
    ShowWindow(alert, SW_SHOW);
    SetActiveWindow(alert);
    Pump();
    ASSERT_TRUE(IsWindow(alert));
    EXPECT_EQ(Caption(alert), L"Web Browser");
    EXPECT_EQ(shown, std::vector<HWND>{alert});
    DestroyWindow(alert);

    // With errors not suppressed the dialog stays (its caption still rewritten).
    browser.DisableErrors().ScriptErrorsSuppressed = false;
    SetActiveWindow(owner);
    Pump();
    HWND kept = MakeDialog(owner, L"Internet Explorer Script Error");
    ShowWindow(kept, SW_SHOW);
    SetActiveWindow(kept);
    Pump();
    ASSERT_TRUE(IsWindow(kept));
    EXPECT_EQ(Caption(kept), L"Web Browser Script Error");
    DestroyWindow(kept);
  }
  // The watch went with its control: a new dialog is left alone.
  EXPECT_FALSE(Process().ownerWatched);
  SetActiveWindow(owner);
  Pump();
  HWND later = MakeDialog(owner, L"Internet Explorer Script Error");
  ShowWindow(later, SW_SHOW);
  SetActiveWindow(later);
  Pump();
  EXPECT_TRUE(IsWindow(later));
  EXPECT_EQ(Caption(later), L"Internet Explorer Script Error");
  DestroyWindow(later);
}

// --- the control's window ------------------------------------------------------

HWND FirstChild(HWND parent) { return GetWindow(parent, GW_CHILD); }

TEST(LanternWindow, ParentWindowCreatesTheWindowAndParkingKeepsIt) {
  LntUnit unit;
  HWND form = MakeWindow(L"form");
  HWND panel = MakeWindow(L"panel", WS_CHILD | WS_VISIBLE, form);
  SetWindowPos(panel, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
  HWND parked = nullptr;
  {
    TLantern browser;
    EXPECT_FALSE(browser.HandleAllocated());
    browser.SetBounds(5, 6, 200, 100);
    browser.SetParentWindow(panel);
    ASSERT_TRUE(browser.HandleAllocated());
    HWND h = browser.Handle();
    EXPECT_EQ(GetParent(h), panel);
    EXPECT_TRUE(IsWindowVisible(h));
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 200);
    HWND embedded = FirstChild(h);
    EXPECT_NE(embedded, nullptr) << "the browser did not in-place activate in the control's window";

    // Re-creation by the toolkit: parked under the hidden window, then adopted again.
    browser.DestroyWnd();
    EXPECT_FALSE(browser.HandleAllocated());
    EXPECT_EQ(browser.ParkedWindow(), h);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(GetParent(h), ParkingWindow());
    EXPECT_EQ(FirstChild(h), embedded);
    browser.HandleNeeded();
    EXPECT_EQ(browser.Handle(), h);
    EXPECT_EQ(GetParent(h), panel);
    EXPECT_EQ(FirstChild(h), embedded);
    GetClientRect(h, &r);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 300);

    browser.DestroyWnd();
    parked = browser.ParkedWindow();
    ASSERT_TRUE(IsWindow(parked));
  }
  EXPECT_FALSE(IsWindow(parked)) << "a parked window must go with its control";
  DestroyWindow(form);
}

TEST(LanternWindow, CloseMessageRaisesCloseQueryAndKeepsTheWindow) {
  LntUnit unit;
  HWND form = MakeWindow(L"form");
  TLantern browser;
  browser.SetParentWindow(form);
  int asked = 0;
  browser.OnCloseQuery = [&](TLantern*, bool& canClose) {
    ++asked;
    EXPECT_TRUE(canClose);
  };
  SendMessageW(browser.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(IsWindow(browser.Handle()));
  // The toolkit's reflected Enter key is kept for the page.
  EXPECT_EQ(SendMessageW(browser.Handle(), kReflectedKeyDown, VK_RETURN, 0), 0);
  DestroyWindow(form);  // the control survives losing its window with its parent
  EXPECT_FALSE(browser.HandleAllocated());
}

}  // namespace
