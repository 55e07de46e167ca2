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
  HWND owner = nullptr;
  {
    // Installed on the owning form before it has a window; it watches the one it gets.
    TLantern browser(&form);
    EXPECT_EQ(browser.OwnerWindow(), nullptr);
    browser.Loaded();
    EXPECT_TRUE(browser.OwnerWatchInstalled());
    form.Show();
    owner = form.Handle();
    EXPECT_EQ(browser.OwnerWindow(), owner);
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

    // The watch is part of the form's handling, not of one window: it
    // survives the form's window being made anew (as docking does).
    form.RecreateWnd();
    owner = form.Handle();
    SetActiveWindow(owner);
    Pump();
    HWND again = MakeDialog(owner, L"Internet Explorer Script Error");
    ShowWindow(again, SW_SHOW);
    SetActiveWindow(again);
    Pump();
    EXPECT_FALSE(IsWindow(again)) << "the watch was lost with the form's old window";

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

RECT RectIn(HWND window, HWND parent) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(LanternWindow, ForeignParentWindowMakesTheWindowAtOnceAndKeepsItsSize) {
  LntUnit unit;
  HWND form = MakeWindow(L"form");
  HWND sheet = MakeWindow(L"sheet", WS_CHILD | WS_VISIBLE, form);
  SetWindowPos(sheet, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
  {
    tk::TComponent owner(nullptr);
    auto* browser = new TLantern(&owner);
    EXPECT_FALSE(browser->HandleAllocated());
    browser->SetParentWindow(sheet);
    ASSERT_TRUE(browser->HandleAllocated());
    HWND h = browser->Handle();
    EXPECT_EQ(GetParent(h), sheet);
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_NE(FirstChild(h), nullptr) << "the browser did not in-place activate in the control's window";
    browser->SetWidth(400);
    browser->SetHeight(300);
    RECT r = RectIn(h, sheet);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    // No parent control: alignment does nothing and the sheet's later size is not followed.
    browser->SetAlign(tk::alClient);
    SetWindowPos(sheet, nullptr, 0, 0, 200, 100, SWP_NOZORDER);
    Pump();
    r = RectIn(h, sheet);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    EXPECT_EQ(browser->Width(), 400);

    // Out of the foreign window and into it again: parked meanwhile, back with its page and size.
    HWND embedded = FirstChild(h);
    browser->SetParentWindow(nullptr);
    EXPECT_FALSE(browser->HandleAllocated());
    EXPECT_EQ(browser->ParkedWindow(), h);
    EXPECT_FALSE(IsWindowVisible(h));
    // (Placed through the toolkit's interface: the window still comes at once.)
    static_cast<tk::TWinControl*>(browser)->SetParentWindow(sheet);
    ASSERT_TRUE(browser->HandleAllocated());
    EXPECT_EQ(browser->Handle(), h);
    EXPECT_EQ(GetParent(h), sheet);
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_EQ(FirstChild(h), embedded);
    r = RectIn(h, sheet);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
  }
  DestroyWindow(form);
}

TEST(LanternWindow, DockingKeepsTheBrowserWindowThroughParking) {
  LntUnit unit;
  tk::TForm host(nullptr);
  host.SetBounds(20, 20, 600, 450);
  host.Show();
  auto* panel = new tk::TWinControl(&host);
  panel->SetParent(&host);
  panel->SetBounds(10, 10, 500, 400);

  auto* docked = new tk::TForm(nullptr);
  docked->SetBounds(300, 300, 320, 240);
  auto* browser = new TLantern(docked);
  browser->SetParent(docked);
  browser->SetAlign(tk::alClient);
  HWND h = browser->Handle();
  HWND embedded = FirstChild(h);
  ASSERT_NE(embedded, nullptr);
  EXPECT_EQ(GetParent(h), docked->Handle());

  // Docking re-creates the form's window: the browser's window is parked and adopted.
  docked->SetBorderStyle(tk::bsNone);
  docked->SetParent(panel);
  docked->SetAlign(tk::alClient);
  docked->Show();
  Pump();
  ASSERT_TRUE(browser->HandleAllocated());
  EXPECT_EQ(browser->Handle(), h);
  EXPECT_EQ(FirstChild(h), embedded);
  EXPECT_EQ(GetParent(h), docked->Handle());
  EXPECT_EQ(browser->ParkedWindow(), nullptr);
  RECT client{};
  GetClientRect(docked->Handle(), &client);
  RECT r = RectIn(h, docked->Handle());
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right - r.left, client.right);
  EXPECT_EQ(r.bottom - r.top, client.bottom);
  EXPECT_EQ(browser->Width(), client.right);

  // Aligned in a parent control, it follows the parent's size, and the browser inside with it.
  panel->SetBounds(10, 10, 380, 260);
  Pump();
  GetClientRect(docked->Handle(), &client);
  r = RectIn(h, docked->Handle());
  EXPECT_EQ(r.right - r.left, client.right);
  EXPECT_EQ(r.bottom - r.top, client.bottom);
  RECT inner = RectIn(embedded, h);
  EXPECT_EQ(inner.right - inner.left, client.right);
  EXPECT_EQ(inner.bottom - inner.top, client.bottom);

  // Undocked and not yet shown again: parked. The parked window goes with its control.
  docked->SetParent(nullptr);
  EXPECT_FALSE(browser->HandleAllocated());
  HWND parked = browser->ParkedWindow();
  ASSERT_EQ(parked, h);
  EXPECT_TRUE(IsWindow(parked));
  EXPECT_EQ(GetParent(parked), ParkingWindow());
  docked->Free();
  EXPECT_FALSE(IsWindow(parked)) << "a parked window must go with its control";
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
  // Enter and the other keys belong to the page while the message handler is on.
  EXPECT_EQ(SendMessageW(browser.Handle(), kReflectedKeyDown, VK_RETURN, 0), 0);
  EXPECT_TRUE(SendMessageW(browser.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
  browser.EnableMessageHandler = false;
  EXPECT_FALSE(SendMessageW(browser.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
  DestroyWindow(form);  // the control survives losing its window with its parent
  EXPECT_FALSE(browser.HandleAllocated());
}

}  // namespace
