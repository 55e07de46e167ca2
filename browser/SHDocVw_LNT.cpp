// TLNT: the browser's events connection, its properties and Navigate. The event dispatch is in LntEvents.cpp.
#include "SHDocVw_LNT.h"

#include <exdispid.h>
#include <ocidl.h>
#include <olectl.h>

#include "LntEventSink.h"

namespace kinopod::lnt {

const CLSID& TLNT::ControlClassId() { return CLSID_WebBrowser; }
const IID& TLNT::EventInterfaceId() { return DIID_DWebBrowserEvents2; }

TLNT::TLNT(tk::TComponent* owner) : TOleControl(owner) {}

TLNT::~TLNT() { DestroyBrowser(); }

void TLNT::ConnectEvents() {
  auto container = ComPtr<IOleObject>::Share(OleObject()).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (container && SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, eventPoint_.Put()))) {
    sink_ = LntEventSink::Create(this);
    if (FAILED(eventPoint_->Advise(sink_, &eventCookie_))) {
      eventCookie_ = 0;
      eventPoint_.Reset();
    }
  }
}

void TLNT::DisconnectEvents() {
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

void TLNT::DestroyBrowser() {
  // The site is detached and the events disconnected before the browser goes.
  DestroyControl();
}

IWebBrowser2* TLNT::DefaultInterface() {
  if (!browser_) {
    if (!OleObject()) throw EOleError(E_UNEXPECTED);
    InitializeControl();
    OleCheck(OleObject()->QueryInterface(IID_IWebBrowser2, browser_.PutVoid()));
  }
  return browser_.Get();
}

void TLNT::AmbientPropertyChanged(DISPID id) {
  ComPtr<IDispatch> application;
  OleCheck(DefaultInterface()->get_Application(application.Put()));
  if (auto control = application.As<IOleControl>(IID_IOleControl)) control->OnAmbientPropertyChange(id);
}

void TLNT::Navigate(const std::wstring& url) {
  Bstr target(url);
  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  VARIANT flags = missing, frame = missing, postData = missing, headers = missing;
  OleCheck(DefaultInterface()->Navigate(target.Get(), &flags, &frame, &postData, &headers));
}

bool TLNT::GetBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*getter)(VARIANT_BOOL*)) {
  VARIANT_BOOL value = VARIANT_FALSE;
  OleCheck((DefaultInterface()->*getter)(&value));
  return value != VARIANT_FALSE;
}

void TLNT::PutBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*setter)(VARIANT_BOOL), bool value) {
  OleCheck((DefaultInterface()->*setter)(value ? VARIANT_TRUE : VARIANT_FALSE));
}

bool TLNT::Visible() { return GetBool(&IWebBrowser2::get_Visible); }
void TLNT::SetVisible(bool v) { PutBool(&IWebBrowser2::put_Visible, v); }
bool TLNT::StatusBar() { return GetBool(&IWebBrowser2::get_StatusBar); }
void TLNT::SetStatusBar(bool v) { PutBool(&IWebBrowser2::put_StatusBar, v); }
bool TLNT::MenuBar() { return GetBool(&IWebBrowser2::get_MenuBar); }
void TLNT::SetMenuBar(bool v) { PutBool(&IWebBrowser2::put_MenuBar, v); }
bool TLNT::FullScreen() { return GetBool(&IWebBrowser2::get_FullScreen); }
void TLNT::SetFullScreen(bool v) { PutBool(&IWebBrowser2::put_FullScreen, v); }
bool TLNT::Offline() { return GetBool(&IWebBrowser2::get_Offline); }
void TLNT::SetOffline(bool v) { PutBool(&IWebBrowser2::put_Offline, v); }
bool TLNT::Silent() { return GetBool(&IWebBrowser2::get_Silent); }
void TLNT::SetSilent(bool v) { PutBool(&IWebBrowser2::put_Silent, v); }
bool TLNT::RegisterAsBrowser() { return GetBool(&IWebBrowser2::get_RegisterAsBrowser); }
void TLNT::SetRegisterAsBrowser(bool v) { PutBool(&IWebBrowser2::put_RegisterAsBrowser, v); }
bool TLNT::RegisterAsDropTarget() { return GetBool(&IWebBrowser2::get_RegisterAsDropTarget); }
void TLNT::SetRegisterAsDropTarget(bool v) { PutBool(&IWebBrowser2::put_RegisterAsDropTarget, v); }
bool TLNT::TheaterMode() { return GetBool(&IWebBrowser2::get_TheaterMode); }
void TLNT::SetTheaterMode(bool v) { PutBool(&IWebBrowser2::put_TheaterMode, v); }
bool TLNT::AddressBar() { return GetBool(&IWebBrowser2::get_AddressBar); }
void TLNT::SetAddressBar(bool v) { PutBool(&IWebBrowser2::put_AddressBar, v); }
bool TLNT::Resizable() { return GetBool(&IWebBrowser2::get_Resizable); }
void TLNT::SetResizable(bool v) { PutBool(&IWebBrowser2::put_Resizable, v); }

int TLNT::ToolBar() {
  int value = 0;
  OleCheck(DefaultInterface()->get_ToolBar(&value));
  return value;
}
void TLNT::SetToolBar(int v) { OleCheck(DefaultInterface()->put_ToolBar(v)); }

std::wstring TLNT::StatusText() {
  Bstr text;
  OleCheck(DefaultInterface()->get_StatusText(text.Put()));
  return text.Str();
}
void TLNT::SetStatusText(const std::wstring& v) {
  Bstr text(v);
  OleCheck(DefaultInterface()->put_StatusText(text.Get()));
}

}  // namespace kinopod::lnt
