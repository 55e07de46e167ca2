// TOleControl: creating, activating and closing the embedded object; the
// control's window with its parking across re-creation (see LntOleControl.h).
#include "LntOleControl.h"

#include <olectl.h>

#include <utility>

#include "tkForms.h"

namespace kinopod::lnt {

namespace {

const wchar_t kParkingClass[] = L"KinopodParking";
HWND g_parking = nullptr;

}  // namespace

namespace {

// The object's property-change notifications. The control keeps no copies of
// the object's properties (it reads them from the object each time), so a
// change needs no action; edits are always allowed. A COM object of its own,
// which the object may keep past the control.
class LntPropertySink : public IPropertyNotifySink {
 public:
  LntPropertySink() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IPropertyNotifySink) {
      *out = static_cast<IPropertyNotifySink*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return n;
  }
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

 private:
  virtual ~LntPropertySink() = default;
  LONG refs_ = 1;
};

}  // namespace

HWND ParkingWindow() {
  if (tk::Application && tk::Application->Handle()) return tk::Application->Handle();
  if (g_parking && IsWindow(g_parking)) return g_parking;
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kParkingClass;
    RegisterClassW(&wc);
    registered = true;
  }
  g_parking = CreateWindowExW(WS_EX_TOOLWINDOW, kParkingClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  return g_parking;
}

void DestroyParkingWindow() {
  if (g_parking && IsWindow(g_parking)) DestroyWindow(g_parking);
  g_parking = nullptr;
}

TOleControl::TOleControl(tk::TComponent* owner) : tk::TWinControl(owner) {
  SetTabStop(true);
}

TOleControl::~TOleControl() {
  destroying_ = true;
  if (HandleAllocated()) DestroyHandle();
  DestroyParked();
  DestroyControl();
}

void TOleControl::BeforeDestruction() {
  // From here on the window is destroyed, never parked.
  destroying_ = true;
  tk::TWinControl::BeforeDestruction();
  DestroyParked();
}

void TOleControl::DestroyParked() {
  if (HWND h = std::exchange(parked_, nullptr); h && IsWindow(h)) DestroyWindow(h);
}

// --- the object ----------------------------------------------------------------

void TOleControl::CreateControl(const CLSID& classId) {
  site_ = LntSite::Create(this);
  OleCheck(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                            oleObject_.PutVoid()));
  DWORD misc = 0;
  oleObject_->GetMiscStatus(DVASPECT_CONTENT, &misc);
  if (misc & OLEMISC_SETCLIENTSITEFIRST) {
    OleCheck(oleObject_->SetClientSite(site_->ClientSite()));
    clientSiteSet_ = true;
  }
  persist_ = oleObject_.As<IPersistStreamInit>(IID_IPersistStreamInit);
}

void TOleControl::InitializeControl() {
  if (initialized_ || !oleObject_) return;
  if (!clientSiteSet_) {
    OleCheck(oleObject_->SetClientSite(site_->ClientSite()));
    clientSiteSet_ = true;
  }
  if (persist_) OleCheck(persist_->InitNew());
  ConnectPropertySink();
  ConnectEvents();
  initialized_ = true;
  if (auto control = oleObject_.As<IOleControl>(IID_IOleControl)) control->OnAmbientPropertyChange(DISPID_UNKNOWN);
}

void TOleControl::DestroyControl() {
  if (site_) site_->Detach();
  activeObject_.Reset();
  // Events first: the object must not call into a half-destroyed control.
  DisconnectEvents();
  DisconnectPropertySink();
  persist_.Reset();
  if (oleObject_) {
    if (auto inPlace = InPlaceObject()) inPlace->InPlaceDeactivate();
    oleObject_->Close(OLECLOSE_NOSAVE);
    if (clientSiteSet_) oleObject_->SetClientSite(nullptr);
    oleObject_.Reset();
  }
  clientSiteSet_ = false;
  initialized_ = false;
  if (site_) {
    site_->Release();
    site_ = nullptr;
  }
}

void TOleControl::ConnectPropertySink() {
  auto container = oleObject_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  // An object without property notifications is still a usable control.
  if (!container || FAILED(container->FindConnectionPoint(IID_IPropertyNotifySink, propertyPoint_.Put()))) return;
  auto* sink = new LntPropertySink();
  if (FAILED(propertyPoint_->Advise(sink, &propertyCookie_))) {
    propertyCookie_ = 0;
    propertyPoint_.Reset();
    sink->Release();
    return;
  }
  propertySink_ = sink;
}

void TOleControl::DisconnectPropertySink() {
  if (propertyPoint_ && propertyCookie_) propertyPoint_->Unadvise(propertyCookie_);
  propertyCookie_ = 0;
  propertyPoint_.Reset();
  if (propertySink_) {
    propertySink_->Release();
    propertySink_ = nullptr;
  }
}

// --- the window ----------------------------------------------------------------

void TOleControl::SetParentWindow(HWND window) {
  tk::TWinControl::SetParentWindow(window);
  if (window && !Parent()) HandleNeeded();
}

void TOleControl::CreateParams(tk::TCreateParams& params) {
  tk::TWinControl::CreateParams(params);
  params.WinClassName = L"KinopodOleControl";
}

void TOleControl::CreateWnd() {
  if (parked_ && IsWindow(parked_)) {
    // The parked window comes back with the object's state: filling a parent
    // control's client area, or at its own bounds in a foreign window.
    HWND h = std::exchange(parked_, nullptr);
    AdoptHandle(h);
    HWND parent = Parent() ? Parent()->Handle() : ParentWindow();
    ::SetParent(h, parent);
    if (Parent()) {
      RECT client{};
      GetClientRect(parent, &client);
      MoveWindow(h, 0, 0, client.right, client.bottom, TRUE);
    } else {
      MoveWindow(h, Left(), Top(), Width(), Height(), TRUE);
    }
    ShowWindow(h, Visible() ? SW_SHOWNA : SW_HIDE);
    return;
  }
  parked_ = nullptr;
  tk::TWinControl::CreateWnd();
  InitializeControl();
  RECT rect = SiteRect();
  HRESULT hr = oleObject_ ? oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_->ClientSite(), 0,
                                               Handle(), &rect)
                          : E_UNEXPECTED;
  // A refused verb carries the system's message; a verb that succeeds without
  // giving an in-place object is the activation failure.
  OleCheck(hr);
  if (!InPlaceObject()) throw EOleError(E_FAIL, L"OLE control activation failed");
}

void TOleControl::DestroyWnd() {
  if (!HandleAllocated()) return;
  if (!destroying_) {
    // Re-creation, or leaving a foreign window: keep the window and the
    // object's state in it. (An in-place object does not reliably come back
    // in a new window once its old one is gone.)
    HWND h = DetachHandle();
    ShowWindow(h, SW_HIDE);
    ::SetParent(h, ParkingWindow());
    parked_ = h;
    return;
  }
  activeObject_.Reset();
  tk::TWinControl::DestroyWnd();
}

void TOleControl::ResizeControl() {
  if (!HandleAllocated() || !oleObject_) return;
  auto inPlace = InPlaceObject();
  if (!inPlace) return;
  RECT r = SiteRect();
  inPlace->SetObjectRects(&r, &r);
}

void TOleControl::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      tk::TWinControl::WndProc(m);
      ResizeControl();
      return;
    case WM_ERASEBKGND:
      m.Result = 1;  // the object covers the whole client area
      return;
    case WM_DESTROY:
      activeObject_.Reset();
      break;
    default:
      break;
  }
  tk::TWinControl::WndProc(m);
}

bool TOleControl::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  for (HWND h = msg.hwnd; h; h = GetParent(h)) {
    auto* control = dynamic_cast<TOleControl*>(tk::FindControl(h));
    if (!control) continue;
    return control->activeObject_ && control->activeObject_->TranslateAccelerator(&msg) == S_OK;
  }
  return false;
}

// --- site: the window side ---------------------------------------------------------

HWND TOleControl::SiteWindow() { return HandleAllocated() ? Handle() : nullptr; }

RECT TOleControl::SiteRect() {
  RECT r{0, 0, Width(), Height()};
  if (HandleAllocated()) GetClientRect(Handle(), &r);
  return r;
}

void TOleControl::SiteActiveObject(IOleInPlaceActiveObject* active) {
  activeObject_ = ComPtr<IOleInPlaceActiveObject>::Share(active);
}

void TOleControl::SitePosRectChanged(const RECT&) { ResizeControl(); }

}  // namespace kinopod::lnt
