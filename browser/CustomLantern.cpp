// TCustomLantern: construction, the option setters, the ambient properties and
// the control's own window messages.
#include "CustomLantern.h"

#include <olectl.h>

#include "tkForms.h"

namespace kinopod::lnt {

TCustomLantern::TCustomLantern(tk::TComponent* owner) : TLntWebBrowser(owner) {
  // The browser is made here, once the site's answers exist.
  CreateControl(ControlClassId());
  ScriptErrorAction = TScriptErrorAction::eaContinue;
  // The first property access completes the browser's initialisation.
  SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DownloadVideos,
                      TDownloadControlOption::DownloadBGSounds});
  SetUserInterfaceOptions({});
}

TCustomLantern::~TCustomLantern() = default;

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

tk::TCustomForm* TCustomLantern::OwnerForm() const {
  for (tk::TComponent* c = Owner(); c; c = c->Owner())
    if (auto* form = dynamic_cast<tk::TCustomForm*>(c)) return form;
  return nullptr;
}

HWND TCustomLantern::OwnerWindow() const {
  tk::TCustomForm* form = OwnerForm();
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

// --- ambient properties ------------------------------------------------------

namespace {

void SetBool(VARIANT* v, bool value) {
  v->vt = VT_BOOL;
  v->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

// The toolkit's colours refer to system colours with their own flag.
OLE_COLOR OleColor(tk::TColor color) {
  if (tk::IsSystemColor(color)) return 0x80000000u | (static_cast<std::uint32_t>(color) & 0xFFu);
  return tk::ColorToRGB(color);
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
      case DISPID_AMBIENT_BACKCOLOR: SetLong(result, static_cast<LONG>(OleColor(Color()))); break;
      case DISPID_AMBIENT_DISPLAYNAME:
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(tk::Utf8ToWide(Name()).c_str());
        break;
      case DISPID_AMBIENT_FONT: {
        // The toolkit gives a control its parent control's font while it uses
        // that (ParentFont); without a parent control it is the control's own.
        tk::TFont& font = Font();
        FONTDESC desc{};
        desc.cbSizeofstruct = sizeof desc;
        desc.lpstrName = const_cast<LPOLESTR>(font.Name().c_str());
        desc.cySize.int64 = static_cast<LONGLONG>(font.Size()) * 10000;
        desc.sWeight = static_cast<SHORT>((font.Style() & tk::fsBold) ? FW_BOLD : FW_NORMAL);
        desc.sCharset = static_cast<SHORT>(font.Charset());
        desc.fItalic = (font.Style() & tk::fsItalic) != 0;
        desc.fUnderline = (font.Style() & tk::fsUnderline) != 0;
        desc.fStrikethrough = (font.Style() & tk::fsStrikeOut) != 0;
        IDispatch* fontDisp = nullptr;
        if (SUCCEEDED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&fontDisp)))) {
          result->vt = VT_DISPATCH;
          result->pdispVal = fontDisp;
        } else {
          answer = DISP_E_MEMBERNOTFOUND;
        }
        break;
      }
      case DISPID_AMBIENT_FORECOLOR: SetLong(result, static_cast<LONG>(OleColor(Font().Color()))); break;
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
  if (!HandleAllocated()) return nullptr;
  HWND found = nullptr;
  EnumChildWindows(const_cast<TCustomLantern*>(this)->Handle(), FindDocumentWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void TCustomLantern::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      if (emulateWindowPos_) emulationArmed_ = true;
      break;
    case WM_WINDOWPOSCHANGING:
      if (emulationArmed_ && m.LParam) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
        WindowPosEmulation e = EmulateWindowPos(pos->flags);
        pos->flags = e.flags;
        if (e.reportMove && OnMove) OnMove(this, pos->x, pos->y);
        if (e.reportSize && OnResize) OnResize(this, pos->cx, pos->cy);
      }
      break;
    case kReflectedKeyDown:
      // Enter belongs to the page (form submission), not to the form's default button.
      if (EnableMessageHandler && m.WParam == VK_RETURN) {
        m.Result = 0;
        return;
      }
      break;
    case WM_GETDLGCODE:
      if (EnableMessageHandler) {
        m.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
        return;
      }
      break;
    default:
      break;
  }
  TLntWebBrowser::WndProc(m);
}


}  // namespace kinopod::lnt
