// TCustomLantern: construction, the option setters, the ambient properties and
// the control's window (creation, parking, messages).
#include "LntCore.h"

#include <olectl.h>

#include "tkForms.h"

namespace kinopod::lnt {

TCustomLantern::TCustomLantern(tk::TComponent* owner) : TLNT(owner) {
  CreateBrowser(this);
  ScriptErrorAction = TScriptErrorAction::eaContinue;
  // The first property access completes the browser's initialisation.
  SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DownloadVideos,
                      TDownloadControlOption::DownloadBGSounds});
  SetUserInterfaceOptions({});
  dropHandling_ = TDragDropHandlingType::ddtMS;
  ctrlKeyMask_ = "N";
}

TCustomLantern::~TCustomLantern() {
  destroying_ = true;
  activeObject_.Reset();
  if (Site()) Site()->Detach();
  if (handle_) {
    HWND h = handle_;
    SetLntWindowOwner(h, nullptr);
    handle_ = nullptr;
    DestroyWindow(h);
  }
  // A parked window belongs to this control and goes with it.
  if (parked_) {
    if (IsWindow(parked_)) {
      SetLntWindowOwner(parked_, nullptr);
      DestroyWindow(parked_);
    }
    parked_ = nullptr;
  }
  DestroyBrowser();
}

void TCustomLantern::SetDownloadOptions(TDownloadControlOptions options) {
  downloadOptions_ = options;
  dlControl_ = lnt::DownloadControlValue(options);
  AmbientPropertyChanged(kDispidAmbientDlControl);
}

void TCustomLantern::SetUserInterfaceOptions(TUserInterfaceOptions options) {
  uiOptions_ = options;
  hostUIFlags_ = HostUIFlagValue(options);
  // The browser reads the UI flags for its next document; the notification is the DLCONTROL one.
  AmbientPropertyChanged(kDispidAmbientDlControl);
}

HWND TCustomLantern::OwnerWindow() const {
  for (tk::TComponent* c = Owner(); c; c = c->Owner()) {
    if (auto* form = dynamic_cast<tk::TCustomForm*>(c)) return form->HandleAllocated() ? form->Handle() : nullptr;
  }
  return nullptr;
}

const TLntFont& TCustomLantern::EffectiveFont() const {
  // Without a parent control (a browser in a foreign window) the control's own font stands.
  return ParentFont && parentFont_ ? *parentFont_ : Font;
}

// --- ambient properties ------------------------------------------------------

namespace {

void SetBool(VARIANT* v, bool value) {
  v->vt = VT_BOOL;
  v->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

void SetLong(VARIANT* v, LONG value) {
  v->vt = VT_I4;
  v->lVal = value;
}

}  // namespace

HRESULT TCustomLantern::AmbientInvoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                      UINT* argErr) {
  HRESULT answer = DISP_E_MEMBERNOTFOUND;
  if ((flags & DISPATCH_PROPERTYGET) && result) {
    VariantInit(result);
    answer = S_OK;
    switch (id) {
      case kDispidAmbientDlControl: SetLong(result, static_cast<LONG>(dlControl_)); break;
      case DISPID_AMBIENT_USERMODE: SetBool(result, !designMode_); break;
      case DISPID_AMBIENT_BACKCOLOR: SetLong(result, static_cast<LONG>(Color)); break;
      case DISPID_AMBIENT_DISPLAYNAME:
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(Utf8ToWide(Name()).c_str());
        break;
      case DISPID_AMBIENT_FONT: {
        const TLntFont& font = EffectiveFont();
        FONTDESC desc{};
        desc.cbSizeofstruct = sizeof desc;
        desc.lpstrName = const_cast<LPOLESTR>(font.Name.c_str());
        desc.cySize.int64 = static_cast<LONGLONG>(font.Size) * 10000;
        desc.sWeight = static_cast<SHORT>(font.Bold ? FW_BOLD : FW_NORMAL);
        desc.sCharset = font.Charset;
        desc.fItalic = font.Italic;
        desc.fUnderline = font.Underline;
        desc.fStrikethrough = font.StrikeOut;
        IDispatch* fontDisp = nullptr;
        if (SUCCEEDED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&fontDisp)))) {
          result->vt = VT_DISPATCH;
          result->pdispVal = fontDisp;
        } else {
          answer = DISP_E_MEMBERNOTFOUND;
        }
        break;
      }
      case DISPID_AMBIENT_FORECOLOR: SetLong(result, static_cast<LONG>(EffectiveFont().Color)); break;
      case DISPID_AMBIENT_LOCALEID: SetLong(result, static_cast<LONG>(GetUserDefaultLCID())); break;
      case DISPID_AMBIENT_MESSAGEREFLECT: SetBool(result, true); break;
      case DISPID_AMBIENT_UIDEAD: SetBool(result, designMode_); break;
      case DISPID_AMBIENT_SHOWGRABHANDLES: SetBool(result, false); break;
      case DISPID_AMBIENT_SHOWHATCHING: SetBool(result, false); break;
      case DISPID_AMBIENT_SUPPORTSMNEMONICS: SetBool(result, true); break;
      case DISPID_AMBIENT_AUTOCLIP: SetBool(result, true); break;
      default: answer = DISP_E_MEMBERNOTFOUND; break;
    }
  } else if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && id == DISPID_AMBIENT_USERMODE && params &&
             params->cArgs >= 1 && params->rgvarg) {
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(VariantChangeType(&value, &params->rgvarg[0], 0, VT_BOOL))) {
      designMode_ = value.boolVal == VARIANT_FALSE;  // user mode off means design mode
      answer = S_OK;
    } else {
      answer = DISP_E_TYPEMISMATCH;
    }
    VariantClear(&value);
  }
  if (answer == DISP_E_MEMBERNOTFOUND && OnInvoke) OnInvoke(this, id, flags, params, result, excep, argErr, answer);
  return answer;
}

HRESULT TCustomLantern::AmbientTypeInfoCount(UINT* count) {
  if (OnGetTypeInfoCount) return OnGetTypeInfoCount(this, count);
  *count = 0;
  return S_OK;
}

HRESULT TCustomLantern::AmbientTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  if (OnGetTypeInfo) return OnGetTypeInfo(this, index, lcid, info);
  return E_NOTIMPL;
}

HRESULT TCustomLantern::AmbientIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  if (OnGetIDsOfNames) return OnGetIDsOfNames(this, riid, names, count, lcid, ids);
  return E_NOTIMPL;
}

// --- the control's window ------------------------------------------------------

void TCustomLantern::SetParentWindow(HWND parent) {
  if (parent == parentWindow_) return;
  parentWindow_ = parent;
  if (!parent) {
    if (handle_) {
      HWND h = handle_;
      SetLntWindowOwner(h, nullptr);
      handle_ = nullptr;
      activeObject_.Reset();
      if (auto inPlace = InPlaceObject()) inPlace->InPlaceDeactivate();
      DestroyWindow(h);
    }
    return;
  }
  if (handle_)
    SetParent(handle_, parent);
  else
    CreateWnd();
}

void TCustomLantern::HandleNeeded() {
  if (!handle_ && parentWindow_) CreateWnd();
}

void TCustomLantern::CreateWnd() {
  if (parked_ && IsWindow(parked_)) {
    // The parked window comes back with its page, history and scripts.
    handle_ = std::exchange(parked_, nullptr);
    SetLntWindowOwner(handle_, this);
    SetParent(handle_, parentWindow_);
    RECT client{};
    GetClientRect(parentWindow_, &client);
    bounds_ = {0, 0, client.right, client.bottom};
    MoveWindow(handle_, 0, 0, client.right, client.bottom, TRUE);
    return;
  }
  parked_ = nullptr;
  handle_ = CreateLntWindow(this, parentWindow_, bounds_, visible_);
  if (!handle_) throw EOleError(HRESULT_FROM_WIN32(GetLastError()));
  InitializeBrowser();
  RECT rect = SiteRect();
  HRESULT hr = OleObject()->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, Site()->ClientSite(), 0, handle_, &rect);
  auto inPlace = InPlaceObject();
  if (FAILED(hr) || !inPlace) throw EOleError(FAILED(hr) ? hr : E_FAIL, L"OLE control activation failed");
}

void TCustomLantern::DestroyWnd() {
  if (!handle_) return;
  if (destroying_) {
    HWND h = std::exchange(handle_, nullptr);
    SetLntWindowOwner(h, nullptr);
    DestroyWindow(h);
    return;
  }
  parked_ = std::exchange(handle_, nullptr);
  SetParent(parked_, ParkingWindow());
}

void TCustomLantern::WindowDestroyed(HWND hwnd) {
  if (hwnd == handle_) handle_ = nullptr;
  if (hwnd == parked_) parked_ = nullptr;
  activeObject_.Reset();
}

void TCustomLantern::SetBounds(int left, int top, int width, int height) {
  bounds_ = {left, top, left + width, top + height};
  if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void TCustomLantern::SetControlVisible(bool visible) {
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

HWND TCustomLantern::SiteWindow() { return handle_; }

RECT TCustomLantern::SiteRect() {
  RECT r{0, 0, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

void TCustomLantern::SiteActiveObject(IOleInPlaceActiveObject* active) {
  activeObject_ = ComPtr<IOleInPlaceActiveObject>::Share(active);
}

void TCustomLantern::SitePosRectChanged(const RECT&) { ResizeBrowser(); }

void TCustomLantern::ResizeBrowser() {
  if (!handle_ || !OleObject()) return;
  auto inPlace = InPlaceObject();
  if (!inPlace) return;
  RECT r = SiteRect();
  inPlace->SetObjectRects(&r, &r);
}

namespace {

// A named callback: a lambda converts only to the default calling convention,
// and the 32-bit build needs stdcall here.
BOOL CALLBACK FindDocumentWindow(HWND h, LPARAM lp) {
  wchar_t name[64];
  if (GetClassNameW(h, name, 64) && lstrcmpW(name, L"Internet Explorer_Server") == 0) {
    *reinterpret_cast<HWND*>(lp) = h;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND TCustomLantern::DocumentWindow() const {
  if (!handle_) return nullptr;
  HWND found = nullptr;
  EnumChildWindows(handle_, FindDocumentWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

LRESULT TCustomLantern::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return handle_ ? DefWindowProcW(handle_, msg, wp, lp) : 0;
}

LRESULT TCustomLantern::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (emulateWindowPos_) emulationArmed_ = true;
      ResizeBrowser();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the browser covers the whole client area
    case WM_WINDOWPOSCHANGING:
      if (emulationArmed_ && lp) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        WindowPosEmulation e = EmulateWindowPos(pos->flags);
        pos->flags = e.flags;
        if (e.reportMove && OnMove) OnMove(this, pos->x, pos->y);
        if (e.reportSize && OnResize) OnResize(this, pos->cx, pos->cy);
      }
      break;
    case kReflectedKeyDown:
      // Enter belongs to the page (form submission), not to the form's default button.
      if (EnableMessageHandler && wp == VK_RETURN) return 0;
      break;
    case WM_GETDLGCODE:
      if (EnableMessageHandler) return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool TCustomLantern::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  for (HWND h = msg.hwnd; h; h = GetParent(h)) {
    auto* control = dynamic_cast<TCustomLantern*>(LntWindowOwnerOf(h));
    if (!control) continue;
    if (control->activeObject_ && control->activeObject_->TranslateAccelerator(&msg) == S_OK) return true;
    return false;
  }
  return false;
}

}  // namespace kinopod::lnt
