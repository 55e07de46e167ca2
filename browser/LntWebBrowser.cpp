// TLntWebBrowser: the browser's events connection, its properties and
// Navigate. The event dispatch is in LntWebBrowserEvents.cpp.
#include "LntWebBrowser.h"

#include <exdispid.h>
#include <ocidl.h>
#include <olectl.h>

#include "LntEventSink.h"

namespace kinopod::lnt {

const CLSID& TLntWebBrowser::ControlClassId() { return CLSID_WebBrowser; }
const IID& TLntWebBrowser::EventInterfaceId() { return DIID_DWebBrowserEvents2; }

TLntWebBrowser::TLntWebBrowser(tk::TComponent* owner) : TOleControl(owner) {}

TLntWebBrowser::~TLntWebBrowser() { DestroyBrowser(); }

void TLntWebBrowser::ConnectEvents() {
  auto container = ComPtr<IOleObject>::Share(OleObject()).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (container && SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, eventPoint_.Put()))) {
    sink_ = LntEventSink::Create(this);
    if (FAILED(eventPoint_->Advise(sink_, &eventCookie_))) {
      eventCookie_ = 0;
      eventPoint_.Reset();
    }
  }
}

void TLntWebBrowser::DisconnectEvents() {
  if (sink_) sink_->Detach();
  if (eventPoint_ && eventCookie_) eventPoint_->Unadvise(eventCookie_);
  eventCookie_ = 0;
  eventPoint_.Reset();
  if (sink_) {
    sink_->Release();
    sink_ = nullptr;
  }
  browser_.Reset();
}

void TLntWebBrowser::DestroyBrowser() {
  // The site is detached and the events disconnected before the browser goes.
  DestroyControl();
}

IWebBrowser2* TLntWebBrowser::DefaultInterface() {
  if (!browser_) {
    if (!OleObject()) throw EOleError(E_UNEXPECTED);
    InitializeControl();
    OleCheck(OleObject()->QueryInterface(IID_IWebBrowser2, browser_.PutVoid()));
  }
  return browser_.Get();
}

void TLntWebBrowser::AmbientPropertyChanged(DISPID id) {
  ComPtr<IDispatch> application;
  OleCheck(DefaultInterface()->get_Application(application.Put()));
  if (auto control = application.As<IOleControl>(IID_IOleControl)) control->OnAmbientPropertyChange(id);
}

void TLntWebBrowser::Navigate(const std::wstring& url) {
  Bstr target(url);
  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  VARIANT flags = missing, frame = missing, postData = missing, headers = missing;
  OleCheck(DefaultInterface()->Navigate(target.Get(), &flags, &frame, &postData, &headers));
}

bool TLntWebBrowser::GetBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*getter)(VARIANT_BOOL*)) {
  VARIANT_BOOL value = VARIANT_FALSE;
  OleCheck((DefaultInterface()->*getter)(&value));
  return value != VARIANT_FALSE;
}

void TLntWebBrowser::PutBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*setter)(VARIANT_BOOL), bool value) {
  OleCheck((DefaultInterface()->*setter)(value ? VARIANT_TRUE : VARIANT_FALSE));
}

bool TLntWebBrowser::Visible() { return GetBool(&IWebBrowser2::get_Visible); }
void TLntWebBrowser::SetVisible(bool v) { PutBool(&IWebBrowser2::put_Visible, v); }
bool TLntWebBrowser::StatusBar() { return GetBool(&IWebBrowser2::get_StatusBar); }
void TLntWebBrowser::SetStatusBar(bool v) { PutBool(&IWebBrowser2::put_StatusBar, v); }
bool TLntWebBrowser::MenuBar() { return GetBool(&IWebBrowser2::get_MenuBar); }
void TLntWebBrowser::SetMenuBar(bool v) { PutBool(&IWebBrowser2::put_MenuBar, v); }
bool TLntWebBrowser::FullScreen() { return GetBool(&IWebBrowser2::get_FullScreen); }
void TLntWebBrowser::SetFullScreen(bool v) { PutBool(&IWebBrowser2::put_FullScreen, v); }
bool TLntWebBrowser::Offline() { return GetBool(&IWebBrowser2::get_Offline); }
void TLntWebBrowser::SetOffline(bool v) { PutBool(&IWebBrowser2::put_Offline, v); }
bool TLntWebBrowser::Silent() { return GetBool(&IWebBrowser2::get_Silent); }
void TLntWebBrowser::SetSilent(bool v) { PutBool(&IWebBrowser2::put_Silent, v); }
bool TLntWebBrowser::RegisterAsBrowser() { return GetBool(&IWebBrowser2::get_RegisterAsBrowser); }
void TLntWebBrowser::SetRegisterAsBrowser(bool v) { PutBool(&IWebBrowser2::put_RegisterAsBrowser, v); }
bool TLntWebBrowser::RegisterAsDropTarget() { return GetBool(&IWebBrowser2::get_RegisterAsDropTarget); }
void TLntWebBrowser::SetRegisterAsDropTarget(bool v) { PutBool(&IWebBrowser2::put_RegisterAsDropTarget, v); }
bool TLntWebBrowser::TheaterMode() { return GetBool(&IWebBrowser2::get_TheaterMode); }
void TLntWebBrowser::SetTheaterMode(bool v) { PutBool(&IWebBrowser2::put_TheaterMode, v); }
bool TLntWebBrowser::AddressBar() { return GetBool(&IWebBrowser2::get_AddressBar); }
void TLntWebBrowser::SetAddressBar(bool v) { PutBool(&IWebBrowser2::put_AddressBar, v); }
bool TLntWebBrowser::Resizable() { return GetBool(&IWebBrowser2::get_Resizable); }
void TLntWebBrowser::SetResizable(bool v) { PutBool(&IWebBrowser2::put_Resizable, v); }

int TLntWebBrowser::ToolBar() {
  int value = 0;
  OleCheck(DefaultInterface()->get_ToolBar(&value));
  return value;
}
void TLntWebBrowser::SetToolBar(int v) { OleCheck(DefaultInterface()->put_ToolBar(v)); }

std::wstring TLntWebBrowser::StatusText() {
  Bstr text;
  OleCheck(DefaultInterface()->get_StatusText(text.Put()));
  return text.Str();
}
void TLntWebBrowser::SetStatusText(const std::wstring& v) {
  Bstr text(v);
  OleCheck(DefaultInterface()->put_StatusText(text.Get()));
}

}  // namespace kinopod::lnt
