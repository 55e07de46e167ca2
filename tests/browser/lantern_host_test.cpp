// The host's answers, asked the way the browser asks them: through the
// interfaces of the site object. (The browser under Wine never asks for most
// of them itself, so the tests play the browser.)
#include <gtest/gtest.h>

#include <exdispid.h>
#include <olectl.h>

#include <stdexcept>

#include "Lantern.h"
#include "LntEventSink.h"
#include "LntProcess.h"
#include "tkForms.h"

using namespace kinopod::lnt;

namespace {

const GUID kCgidDocHostCommandHandler = {0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};
const GUID kCgidExplorer = {0x000214d0, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

template <class I>
ComPtr<I> SiteAs(TLantern& control, REFIID iid) {
  ComPtr<I> out;
  control.Site()->QueryInterface(iid, out.PutVoid());
  return out;
}

class HostTest : public ::testing::Test {
 protected:
  HRESULT Ambient(TLantern& control, DISPID id, VARIANT* result) {
    auto disp = SiteAs<IDispatch>(control, IID_IDispatch);
    DISPPARAMS none{};
    VariantInit(result);
    return disp->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
  }
  LONG AmbientLong(TLantern& control, DISPID id) {
    VARIANT v;
    EXPECT_EQ(Ambient(control, id, &v), S_OK) << id;
    EXPECT_EQ(v.vt, VT_I4) << id;
    return v.lVal;
  }
  bool AmbientBool(TLantern& control, DISPID id) {
    VARIANT v;
    EXPECT_EQ(Ambient(control, id, &v), S_OK) << id;
    EXPECT_EQ(v.vt, VT_BOOL) << id;
    return v.boolVal != VARIANT_FALSE;
  }
  HRESULT Exec(TLantern& control, const GUID* group, DWORD id, VARIANT* out = nullptr) {
    return SiteAs<IOleCommandTarget>(control, IID_IOleCommandTarget)->Exec(group, id, 0, nullptr, out);
  }
  HRESULT Key(TLantern& control, UINT vk, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg{};
    msg.message = WM_KEYDOWN;
    msg.wParam = vk;
    auto handler = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
    return handler->TranslateAccelerator(&msg, nullptr, 0);
  }
  LntUnit unit_;
};

TEST_F(HostTest, DownloadControlAmbientFollowsTheOptions) {
  TLantern control;
  EXPECT_EQ(AmbientLong(control, kDispidAmbientDlControl), 0x70);  // the category browser keeps the defaults
  control.SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DontExecuteJava,
                              TDownloadControlOption::DontDownloadActiveX});
  EXPECT_EQ(AmbientLong(control, kDispidAmbientDlControl), 0x510);
  control.SetDownloadOptions({});
  EXPECT_EQ(AmbientLong(control, kDispidAmbientDlControl), 0);
}

TEST_F(HostTest, AmbientRows) {
  TLantern control;
  control.SetName("WebBrowser1");
  control.Font().SetName(L"Arial");
  control.Font().SetSize(11);
  EXPECT_TRUE(AmbientBool(control, DISPID_AMBIENT_USERMODE));
  EXPECT_FALSE(AmbientBool(control, DISPID_AMBIENT_UIDEAD));
  // Colours reach the browser as OLE colours: system colours keep their index.
  control.SetColor(tk::clWindow);
  control.Font().SetColor(tk::clWindowText);
  EXPECT_EQ(static_cast<OLE_COLOR>(AmbientLong(control, DISPID_AMBIENT_BACKCOLOR)), 0x80000000u | COLOR_WINDOW);
  EXPECT_EQ(static_cast<OLE_COLOR>(AmbientLong(control, DISPID_AMBIENT_FORECOLOR)), 0x80000000u | COLOR_WINDOWTEXT);
  control.SetColor(tk::RGBColor(1, 2, 3));
  EXPECT_EQ(static_cast<OLE_COLOR>(AmbientLong(control, DISPID_AMBIENT_BACKCOLOR)), 0x030201u);
  EXPECT_EQ(static_cast<LCID>(AmbientLong(control, DISPID_AMBIENT_LOCALEID)), GetUserDefaultLCID());
  EXPECT_TRUE(AmbientBool(control, DISPID_AMBIENT_MESSAGEREFLECT));
  EXPECT_FALSE(AmbientBool(control, DISPID_AMBIENT_SHOWGRABHANDLES));
  EXPECT_FALSE(AmbientBool(control, DISPID_AMBIENT_SHOWHATCHING));
  EXPECT_TRUE(AmbientBool(control, DISPID_AMBIENT_SUPPORTSMNEMONICS));
  EXPECT_TRUE(AmbientBool(control, DISPID_AMBIENT_AUTOCLIP));

  VARIANT name;
  ASSERT_EQ(Ambient(control, DISPID_AMBIENT_DISPLAYNAME, &name), S_OK);
  ASSERT_EQ(name.vt, VT_BSTR);
  EXPECT_STREQ(name.bstrVal, L"WebBrowser1");
  VariantClear(&name);

  // No parent control: the control's own font, never a missing parent's.
  // (Wine maps face names to installed fonts, so the style carries the check.)
  control.Font().SetStyle(tk::fsBold);
  auto fontOf = [&](bool& bold, bool& italic) {
    VARIANT font;
    ASSERT_EQ(Ambient(control, DISPID_AMBIENT_FONT, &font), S_OK);
    ASSERT_EQ(font.vt, VT_DISPATCH);
    ComPtr<IFont> oleFont = ComPtr<IDispatch>::Attach(font.pdispVal).As<IFont>(IID_IFont);
    ASSERT_TRUE(oleFont);
    BOOL b = FALSE, i = FALSE;
    oleFont->get_Bold(&b);
    oleFont->get_Italic(&i);
    bold = b;
    italic = i;
  };
  bool bold = false, italic = true;
  fontOf(bold, italic);
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);

  // In a parent control that lends its font, the parent's font.
  tk::TWinControl parent(nullptr);
  parent.Font().SetStyle(tk::fsItalic);
  control.SetParentFont(true);
  control.SetParent(&parent);
  fontOf(bold, italic);
  EXPECT_FALSE(bold);
  EXPECT_TRUE(italic);
  control.Font().SetStyle(tk::fsBold);
  fontOf(bold, italic);
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  control.SetParent(nullptr);
}

TEST_F(HostTest, UserModeWriteSetsDesignMode) {
  TLantern control;
  auto disp = SiteAs<IDispatch>(control, IID_IDispatch);
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BOOL;
  arg.boolVal = VARIANT_FALSE;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  ASSERT_EQ(disp->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                         nullptr),
            S_OK);
  EXPECT_TRUE(control.DesignMode());
  EXPECT_FALSE(AmbientBool(control, DISPID_AMBIENT_USERMODE));
  EXPECT_TRUE(AmbientBool(control, DISPID_AMBIENT_UIDEAD));
}

TEST_F(HostTest, UnansweredAmbientsReportMemberNotFoundToOnInvoke) {
  TLantern control;
  std::vector<std::pair<DISPID, HRESULT>> calls;
  control.OnInvoke = [&](TCustomLantern*, DISPID id, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*, HRESULT hr) {
    calls.emplace_back(id, hr);
  };
  VARIANT v;
  EXPECT_EQ(Ambient(control, kDispidAmbientUserAgent, &v), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Ambient(control, 12345, &v), DISP_E_MEMBERNOTFOUND);
  // A read without a result slot is not answered either.
  auto disp = SiteAs<IDispatch>(control, IID_IDispatch);
  DISPPARAMS none{};
  EXPECT_EQ(disp->Invoke(kDispidAmbientDlControl, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr,
                         nullptr),
            DISP_E_MEMBERNOTFOUND);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], std::make_pair(kDispidAmbientUserAgent, DISP_E_MEMBERNOTFOUND));
  // Answered rows do not reach OnInvoke.
  AmbientLong(control, kDispidAmbientDlControl);
  EXPECT_EQ(calls.size(), 3u);
}

TEST_F(HostTest, GetHostInfoClearsTheWholeRecordAndAddsHostStyles) {
  TLantern control;
  control.SetUserInterfaceOptions({TUserInterfaceOption::DontUseScrollBars});
  auto handler = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
  DOCHOSTUIINFO info;
  memset(&info, 0xAB, sizeof info);
  ASSERT_EQ(handler->GetHostInfo(&info), S_OK);
  EXPECT_EQ(info.cbSize, sizeof(DOCHOSTUIINFO));
  EXPECT_EQ(info.dwFlags, 0x8u);
  EXPECT_EQ(info.dwDoubleClick, static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT));
  EXPECT_EQ(info.pchHostCss, nullptr);
  EXPECT_EQ(info.pchHostNS, nullptr);

  control.HostCSS = L"body{margin:0}";
  control.OnGetHostInfo = [](TCustomLantern*, DOCHOSTUIINFO* i) {
    i->pchHostNS = TaskMemCopy(L"handler-ns");
    return HRESULT(E_FAIL);
  };
  control.HostNS = L"ignored";
  EXPECT_EQ(handler->GetHostInfo(&info), E_FAIL);
  ASSERT_NE(info.pchHostCss, nullptr);
  EXPECT_STREQ(info.pchHostCss, L"body{margin:0}");
  EXPECT_STREQ(info.pchHostNS, L"handler-ns");
  CoTaskMemFree(info.pchHostCss);
  CoTaskMemFree(info.pchHostNS);
}

TEST_F(HostTest, ServicesWithoutHandlersLeaveTheBrowserItsOwnBehaviour) {
  TLantern control;
  auto ui = SiteAs<IDocHostUIHandler2>(control, IID_IDocHostUIHandler2);
  auto showUI = SiteAs<IDocHostShowUI>(control, IID_IDocHostShowUI);
  auto commands = SiteAs<IOleCommandTarget>(control, IID_IOleCommandTarget);
  auto zoom = SiteAs<IZoomEvents>(control, IID_IZoomEvents);
  auto drop = SiteAs<IDropTarget>(control, IID_IDropTarget);
  ASSERT_TRUE(ui && showUI && commands && zoom && drop);

  POINT pt{10, 10};
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(ui->ShowUI(0, nullptr, nullptr, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(ui->HideUI(), S_FALSE);
  EXPECT_EQ(ui->UpdateUI(), S_FALSE);
  EXPECT_EQ(ui->EnableModeless(TRUE), S_OK);
  EXPECT_EQ(ui->OnDocWindowActivate(TRUE), S_FALSE);
  EXPECT_EQ(ui->OnFrameWindowActivate(TRUE), S_FALSE);
  EXPECT_EQ(ui->ResizeBorder(nullptr, nullptr, FALSE), S_FALSE);
  IDispatch* external = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(ui->GetExternal(&external), S_FALSE);
  EXPECT_EQ(external, nullptr);
  LPWSTR translated = reinterpret_cast<LPWSTR>(1);
  wchar_t url[] = L"http://x/";
  EXPECT_EQ(ui->TranslateUrl(0, url, &translated), S_FALSE);
  EXPECT_EQ(translated, nullptr);
  IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
  EXPECT_EQ(ui->FilterDataObject(nullptr, &filtered), S_FALSE);
  EXPECT_EQ(filtered, nullptr);
  LRESULT result = 0;
  wchar_t text[] = L"hello";
  EXPECT_EQ(showUI->ShowMessage(nullptr, text, text, MB_OK, nullptr, 0, &result), S_FALSE);
  EXPECT_EQ(showUI->ShowHelp(nullptr, nullptr, 0, 0, pt, nullptr), S_FALSE);
  OLECMD cmd{2300, 0};
  EXPECT_EQ(commands->QueryStatus(nullptr, 1, &cmd, nullptr), S_OK);
  EXPECT_EQ(cmd.cmdf, 0u);
  EXPECT_EQ(Exec(control, nullptr, 1), OLECMDERR_E_NOTSUPPORTED);
  EXPECT_EQ(Exec(control, &kCgidExplorer, 37), OLECMDERR_E_NOTSUPPORTED);
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, 2300), OLECMDERR_E_NOTSUPPORTED);
  EXPECT_EQ(zoom->OnZoomPercentChanged(150), S_FALSE);
  DWORD effect = DROPEFFECT_COPY;
  EXPECT_EQ(drop->DragEnter(nullptr, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(drop->DragOver(0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(drop->DragLeave(), S_OK);
  EXPECT_EQ(drop->Drop(nullptr, 0, {0, 0}, &effect), S_OK);

  auto disp = SiteAs<IDispatch>(control, IID_IDispatch);
  UINT count = 7;
  EXPECT_EQ(disp->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);

  // Option key paths: the plain one unless the override is asked for.
  LPOLESTR key = reinterpret_cast<LPOLESTR>(1);
  EXPECT_EQ(ui->GetOptionKeyPath(&key, 0), S_OK);
  EXPECT_EQ(key, nullptr);
  control.OptionKeyPath = L"Software\\Kinopod\\Browser";
  EXPECT_EQ(ui->GetOptionKeyPath(&key, 0), S_OK);
  ASSERT_NE(key, nullptr);
  EXPECT_STREQ(key, L"Software\\Kinopod\\Browser");
  CoTaskMemFree(key);
  EXPECT_EQ(ui->GetOverrideKeyPath(&key, 0), S_OK);
  EXPECT_EQ(key, nullptr);
  control.OverrideOptionKeyPath = true;
  EXPECT_EQ(ui->GetOptionKeyPath(&key, 0), S_OK);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(ui->GetOverrideKeyPath(&key, 0), S_OK);
  ASSERT_NE(key, nullptr);
  CoTaskMemFree(key);
}

TEST_F(HostTest, AssignedHandlersGiveTheAnswers) {
  TLantern control;
  control.OnShowUI = [](auto...) { return HRESULT(S_OK); };
  control.OnZoomPercentChange = [](TCustomLantern*, ULONG percent) { return percent == 150 ? S_OK : E_FAIL; };
  control.OnShowMessage = [](auto...) { return HRESULT(S_OK); };
  control.OnShowContextMenu = [](auto...) { return HRESULT(E_ABORT); };
  auto ui = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
  EXPECT_EQ(ui->ShowUI(0, nullptr, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(SiteAs<IZoomEvents>(control, IID_IZoomEvents)->OnZoomPercentChanged(150), S_OK);
  LRESULT result = 0;
  EXPECT_EQ(SiteAs<IDocHostShowUI>(control, IID_IDocHostShowUI)
                ->ShowMessage(nullptr, nullptr, nullptr, 0, nullptr, 0, &result),
            S_OK);
  POINT pt{};
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), E_ABORT);
}

TEST_F(HostTest, ThrowingHandlersAreReportedAndTheBrowserGetsTheFallback) {
  tk::TApplication app;
  std::vector<std::wstring> boxes;
  app.MessageBoxHook = [&](const std::wstring& text, const std::wstring&, unsigned) {
    boxes.push_back(text);
    return IDOK;
  };
  TLantern control;
  auto fail = [](auto...) -> HRESULT { throw std::runtime_error("handler failed"); };
  control.OnShowContextMenu = fail;
  control.OnTranslateUrl = fail;
  control.OnZoomPercentChange = fail;
  control.OnQueryService = fail;
  control.OnEvaluateNewWindow = fail;
  control.OnTitleChange = [](TLntWebBrowser*, const std::wstring&) { throw 42; };  // not even a std::exception

  POINT pt{};
  auto ui = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
  LPWSTR translated = reinterpret_cast<LPWSTR>(1);
  wchar_t url[] = L"http://x/";
  EXPECT_EQ(ui->TranslateUrl(0, url, &translated), S_FALSE);
  EXPECT_EQ(translated, nullptr);
  EXPECT_EQ(SiteAs<IZoomEvents>(control, IID_IZoomEvents)->OnZoomPercentChanged(150), S_FALSE);
  ComPtr<IServiceProvider> services = SiteAs<IServiceProvider>(control, IID_IServiceProvider);
  ComPtr<IUnknown> service;
  EXPECT_EQ(services->QueryService(IID_IUnknown, IID_IUnknown, service.PutVoid()), E_NOINTERFACE);
  ComPtr<INewWindowManager> windows;
  ASSERT_EQ(services->QueryService(IID_INewWindowManager, IID_INewWindowManager, windows.PutVoid()), S_OK);
  EXPECT_EQ(windows->EvaluateNewWindow(L"http://x/", L"", L"", L"", FALSE, 0, 0), E_FAIL);
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_NE(boxes[0].find(L"handler failed"), std::wstring::npos) << boxes[0];

  // The event sink the browser calls: DISPID_TITLECHANGE with a title.
  ComPtr<IDispatch> sink = ComPtr<IDispatch>::Attach(LntEventSink::Create(&control));
  VARIANT title;
  title.vt = VT_BSTR;
  title.bstrVal = SysAllocString(L"t");
  DISPPARAMS params{&title, nullptr, 1, 0};
  EXPECT_EQ(sink->Invoke(DISPID_TITLECHANGE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
  VariantClear(&title);
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_NE(boxes[5].find(L"Unknown exception"), std::wstring::npos) << boxes[5];

  // The application's own exception hook sees them first, and may itself throw.
  app.OnException = [](tk::TObject*, const std::wstring&) { throw std::runtime_error("hook failed"); };
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(boxes.size(), 6u);
}

TEST_F(HostTest, ScriptErrorActions) {
  TLantern control;
  VARIANT out;
  VariantInit(&out);
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, &out), S_OK);
  ASSERT_EQ(out.vt, VT_BOOL);
  EXPECT_EQ(out.boolVal, VARIANT_TRUE);
  control.ScriptErrorAction = TScriptErrorAction::eaCancel;
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, &out), S_OK);
  EXPECT_EQ(out.boolVal, VARIANT_FALSE);
  control.ScriptErrorAction = TScriptErrorAction::eaAskUser;
  VariantInit(&out);
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, &out), S_FALSE);
  EXPECT_EQ(out.vt, VT_EMPTY);

  // The after-loading set-up forces scripts to go on while errors are suppressed.
  control.Loaded();
  EXPECT_EQ(control.ScriptErrorAction, TScriptErrorAction::eaContinue);
}

TEST_F(HostTest, RefreshUnloadAndOtherCommands) {
  TLantern control;
  std::vector<DWORD> refreshed;
  bool cancel = true;
  control.OnRefresh = [&](TCustomLantern*, DWORD cmd, bool& c) {
    refreshed.push_back(cmd);
    c = cancel;
  };
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, 6041), S_OK);
  cancel = false;
  EXPECT_EQ(Exec(control, &kCgidDocHostCommandHandler, 2300), OLECMDERR_E_NOTSUPPORTED);
  EXPECT_EQ(refreshed, (std::vector<DWORD>{6041, 2300}));

  int unloads = 0;
  std::vector<DWORD> other;
  control.OnCommandExec = [&](TCustomLantern*, const GUID*, DWORD id, DWORD, VARIANT*, VARIANT*, HRESULT& answer) {
    other.push_back(id);
    answer = S_OK;
  };
  EXPECT_EQ(Exec(control, &kCgidExplorer, 37), S_OK);  // no OnUnload: goes to OnCommandExec
  control.OnUnload = [&](TCustomLantern*) { ++unloads; };
  EXPECT_EQ(Exec(control, &kCgidExplorer, 37), S_OK);
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(other, std::vector<DWORD>{37});
  EXPECT_EQ(Exec(control, nullptr, 5), S_OK);
  EXPECT_EQ(other.size(), 2u);
}

TEST_F(HostTest, ControlKeyFilter) {
  TLantern control;
  std::string swallowed;
  control.OnMaskedCtrlChar = [&](TCustomLantern*, char c) { swallowed += c; };
  EXPECT_EQ(Key(control, 'N', true), S_OK);
  EXPECT_EQ(Key(control, 'C', true), S_FALSE);
  EXPECT_EQ(Key(control, 'N', false), S_FALSE);
  EXPECT_EQ(swallowed, "N");

  EXPECT_FALSE(control.ShortCuts().DisableCTRL_A());
  control.ShortCuts().SetDisableCTRL_A(true);
  EXPECT_EQ(control.ShortCuts().CtrlCharMask(), "NA");
  EXPECT_EQ(Key(control, 'A', true), S_OK);
  control.ShortCuts().SetDisableCTRL_A(false);
  EXPECT_EQ(control.ShortCuts().CtrlCharMask(), "N");
  EXPECT_EQ(Key(control, 'A', true), S_FALSE);

  // Keys the filter lets pass go to OnTranslateAccelerator; swallowed ones never do.
  int asked = 0;
  control.OnTranslateAccelerator = [&](auto...) {
    ++asked;
    return HRESULT(S_OK);
  };
  EXPECT_EQ(Key(control, 'C', true), S_OK);
  EXPECT_EQ(Key(control, 'N', true), S_OK);
  EXPECT_EQ(asked, 1);
  Key(control, 'C', false);
}

TEST_F(HostTest, ContextMenus) {
  TLantern control;
  auto ui = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
  POINT pt{};
  control.DisabledPopupMenus = {TIEPopupMenu::rcmImage};
  EXPECT_EQ(ui->ShowContextMenu(1, &pt, nullptr, nullptr), S_OK);
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
  control.DisabledPopupMenus = {TIEPopupMenu::rcmAll};
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_OK);
  EXPECT_EQ(ui->ShowContextMenu(42, &pt, nullptr, nullptr), S_OK);
  // A filter without the browser's menu resources leaves the menu to the browser.
  control.DisabledPopupMenus = {};
  control.DisabledPopupMenuItems = {TIEPopupMenuItem::rcsViewSource};
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
}

TEST_F(HostTest, DropTargetModes) {
  TLantern control;
  auto ui = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
  IDropTarget* target = nullptr;
  // (Wine's browser keeps no RegisterAsDropTarget state, so only the answers are checked.)
  EXPECT_EQ(ui->GetDropTarget(nullptr, &target), E_NOTIMPL);
  EXPECT_EQ(target, nullptr);

  control.SetDropHandlingType(TDragDropHandlingType::ddtNo);
  EXPECT_EQ(ui->GetDropTarget(nullptr, &target), S_OK);
  EXPECT_EQ(target, nullptr);

  control.SetDropHandlingType(TDragDropHandlingType::ddtMy);
  ASSERT_EQ(ui->GetDropTarget(nullptr, &target), S_OK);
  EXPECT_EQ(target, control.Site()->DropTarget());
  target->Release();

  IDropTarget* custom = SiteAs<IDropTarget>(control, IID_IDropTarget).Get();
  control.SetDropHandlingType(TDragDropHandlingType::ddtCustom);
  int asked = 0;
  control.OnGetDropTarget = [&](TCustomLantern*, IDropTarget*, IDropTarget** t) {
    ++asked;
    return HRESULT(S_OK);
  };
  ASSERT_EQ(ui->GetDropTarget(nullptr, &target), S_OK);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(target, custom);
  target->Release();
}

TEST_F(HostTest, QueryServiceOffersExactlyTheWantedServices) {
  TLantern control;
  auto provider = SiteAs<IServiceProvider>(control, IID_IServiceProvider);
  auto ask = [&](REFGUID sid) {
    IUnknown* out = nullptr;
    HRESULT hr = provider->QueryService(sid, sid, reinterpret_cast<void**>(&out));
    if (out) out->Release();
    return hr;
  };
  EXPECT_EQ(ask(IID_INewWindowManager), E_NOINTERFACE);
  EXPECT_EQ(ask(IID_IDownloadManager), E_NOINTERFACE);
  EXPECT_EQ(ask(IID_IHTMLOMWindowServices), E_NOINTERFACE);

  std::wstring evaluated;
  control.OnEvaluateNewWindow = [&](TCustomLantern*, LPCWSTR url, auto...) {
    evaluated = url;
    return HRESULT(S_FALSE);
  };
  EXPECT_EQ(ask(IID_INewWindowManager), S_OK);
  EXPECT_EQ(ask(IID_IDownloadManager), E_NOINTERFACE);
  EXPECT_EQ(ask(IID_IHTMLOMWindowServices), E_NOINTERFACE);
  ComPtr<INewWindowManager> manager;
  ASSERT_EQ(provider->QueryService(IID_INewWindowManager, IID_INewWindowManager, manager.PutVoid()), S_OK);
  EXPECT_EQ(manager->EvaluateNewWindow(L"http://popup/", nullptr, nullptr, nullptr, FALSE, 0, 0), S_FALSE);
  EXPECT_EQ(evaluated, L"http://popup/");

  control.OnFileDownload = [](auto...) { return HRESULT(S_OK); };
  EXPECT_EQ(ask(IID_IDownloadManager), S_OK);
  control.FloatingHosting = true;
  EXPECT_EQ(ask(IID_IHTMLOMWindowServices), S_OK);
  control.FloatingHosting = false;
  control.OnResizeBy = [](auto...) {};
  EXPECT_EQ(ask(IID_IHTMLOMWindowServices), S_OK);

  GUID other = IID_IOleClientSite;
  GUID asked{};
  control.OnQueryService = [&](TCustomLantern*, REFGUID sid, REFIID, void**) {
    asked = sid;
    return HRESULT(E_ACCESSDENIED);
  };
  EXPECT_EQ(ask(other), E_ACCESSDENIED);
  EXPECT_TRUE(IsEqualGUID(asked, other));

  // A service kept past its control answers with the default, without the control.
  control.OnEvaluateNewWindow = nullptr;
  EXPECT_EQ(manager->EvaluateNewWindow(L"x", nullptr, nullptr, nullptr, FALSE, 0, 0), E_FAIL);
}

TEST_F(HostTest, SiteOutlivesItsControl) {
  ComPtr<IDocHostUIHandler> ui;
  ComPtr<IDispatch> ambient;
  ComPtr<IOleCommandTarget> commands;
  {
    TLantern control;
    ui = SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler);
    ambient = SiteAs<IDispatch>(control, IID_IDispatch);
    commands = SiteAs<IOleCommandTarget>(control, IID_IOleCommandTarget);
  }
  DOCHOSTUIINFO info{};
  EXPECT_EQ(ui->GetHostInfo(&info), E_FAIL);
  POINT pt{};
  EXPECT_EQ(ui->ShowContextMenu(0, &pt, nullptr, nullptr), S_FALSE);
  VARIANT v;
  VariantInit(&v);
  DISPPARAMS none{};
  EXPECT_EQ(ambient->Invoke(kDispidAmbientDlControl, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(commands->Exec(&kCgidDocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &v),
            OLECMDERR_E_NOTSUPPORTED);
}

TEST_F(HostTest, SiteAnswersQueryInterfaceWithOneIdentity) {
  TLantern control;
  ComPtr<IUnknown> a, b;
  SiteAs<IDocHostUIHandler>(control, IID_IDocHostUIHandler)->QueryInterface(IID_IUnknown, a.PutVoid());
  SiteAs<IOleInPlaceSite>(control, IID_IOleInPlaceSite)->QueryInterface(IID_IUnknown, b.PutVoid());
  EXPECT_EQ(a.Get(), b.Get());
  ComPtr<IUnknown> none;
  EXPECT_EQ(control.Site()->QueryInterface(IID_INewWindowManager, none.PutVoid()), E_NOINTERFACE);
  EXPECT_EQ(control.Site()->QueryInterface(IID_IWebBrowser2, none.PutVoid()), E_NOINTERFACE);
}

TEST_F(HostTest, EventDispatchHandsBackByReferenceArgumentsAndRejectsShortCalls) {
  TLantern control;
  std::wstring url;
  control.OnBeforeNavigate2 = [&](TLntWebBrowser*, IDispatch*, VARIANT& u, VARIANT&, VARIANT&, VARIANT&, VARIANT&,
                                  VARIANT_BOOL& cancel) {
    url = u.bstrVal;
    cancel = VARIANT_TRUE;
  };
  VARIANT args[7];
  for (auto& a : args) VariantInit(&a);
  VARIANT urlValue;
  VariantInit(&urlValue);
  urlValue.vt = VT_BSTR;
  urlValue.bstrVal = SysAllocString(L"http://h/\u4e2d");
  VARIANT_BOOL cancel = VARIANT_FALSE;
  // Arguments arrive last-first.
  args[6].vt = VT_DISPATCH;
  args[6].pdispVal = nullptr;
  args[5].vt = VT_BYREF | VT_VARIANT;
  args[5].pvarVal = &urlValue;
  args[0].vt = VT_BYREF | VT_BOOL;
  args[0].pboolVal = &cancel;
  DISPPARAMS params{args, nullptr, 7, 0};
  EXPECT_EQ(control.DispatchEvent(DISPID_BEFORENAVIGATE2, &params), S_OK);
  EXPECT_EQ(url, L"http://h/\u4e2d");
  EXPECT_EQ(cancel, VARIANT_TRUE);

  DISPPARAMS shortCall{args, nullptr, 2, 0};
  EXPECT_EQ(control.DispatchEvent(DISPID_BEFORENAVIGATE2, &shortCall), DISP_E_BADPARAMCOUNT);
  // A Cancel slot of the wrong type is not written through.
  args[0].vt = VT_I4;
  args[0].lVal = 5;
  EXPECT_EQ(control.DispatchEvent(DISPID_BEFORENAVIGATE2, &params), S_OK);
  EXPECT_EQ(args[0].lVal, 5);
  VariantClear(&urlValue);

  long cx = 0;
  control.OnClientToHostWindow = [](TLntWebBrowser*, long& x, long& y) { x = 320; y = 240; };
  long cy = 0;
  VARIANT sizes[2];
  sizes[1].vt = VT_BYREF | VT_I4;
  sizes[1].plVal = &cx;
  sizes[0].vt = VT_BYREF | VT_I4;
  sizes[0].plVal = &cy;
  DISPPARAMS sizeParams{sizes, nullptr, 2, 0};
  EXPECT_EQ(control.DispatchEvent(DISPID_CLIENTTOHOSTWINDOW, &sizeParams), S_OK);
  EXPECT_EQ(cx, 320);
  EXPECT_EQ(cy, 240);
  DISPPARAMS none{};
  EXPECT_EQ(control.DispatchEvent(9999, &none), DISP_E_MEMBERNOTFOUND);
}

TEST_F(HostTest, FloatingPointExceptionsOption) {
  std::uint16_t original = Process().fpControlWord;
  TLantern control;
  EXPECT_TRUE(control.DisableErrors().fpExceptions());
  control.DisableErrors().SetfpExceptions(false);
  // Bit 6 of the x87 control word always reads back as set.
  EXPECT_EQ(Get8087CW() & ~0x40, kAllFpExceptionsMasked);
  control.DisableErrors().SetfpExceptions(true);
  EXPECT_EQ(Get8087CW(), original);
}

TEST_F(HostTest, ConstructionDefaults) {
  TLantern control;
  EXPECT_EQ(control.DownloadControlValue(), 0x70u);
  EXPECT_EQ(control.HostUIFlags(), 0u);
  EXPECT_EQ(control.ScriptErrorAction, TScriptErrorAction::eaContinue);
  EXPECT_EQ(control.DropHandlingType(), TDragDropHandlingType::ddtMS);
  EXPECT_EQ(control.ShortCuts().CtrlCharMask(), "N");
  EXPECT_EQ(control.UserAgent, CreditText());
  EXPECT_EQ(control.About(), CreditText());
  control.SetAbout(L"x");
  EXPECT_EQ(control.About(), CreditText());
  EXPECT_EQ(control.PrintOptions().HTMLHeader, std::vector<std::wstring>{L"<HTML></HTML>"});
  EXPECT_EQ(control.ProxySettings().Port, 80);
  EXPECT_EQ(control.VisualEffects().TextSize, 2);
  EXPECT_TRUE(control.DialogBoxes().ReplaceCaption);
  EXPECT_TRUE(control.DisableErrors().ScriptErrorsSuppressed);
  EXPECT_TRUE(control.IsWinXPSP2OrLater());
  EXPECT_FALSE(control.HandleAllocated());
}

}  // namespace
