// TLntWebBrowser's event dispatch: one DWebBrowserEvents2 call becomes one
// event property call. The browser passes arguments last-first; by-reference
// arguments are handed to the handler by reference so it can change them
// (Cancel, the new-window dispatch, the client size). A call with too few or
// mistyped arguments is dropped rather than trusted.
#include <exdispid.h>

#include "LntWebBrowser.h"

namespace kinopod::lnt {
namespace {

class EventArgs {
 public:
  explicit EventArgs(DISPPARAMS* p) : p_(p) {}
  bool Has(UINT count) const { return p_->cArgs >= count && (count == 0 || p_->rgvarg); }

  // The i-th declared argument (0-based), following a by-reference variant.
  VARIANT& Variant(UINT i) {
    VARIANT* v = &p_->rgvarg[p_->cArgs - 1 - i];
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) return *v->pvarVal;
    return *v;
  }
  long Long(UINT i) {
    VARIANT copy;
    VariantInit(&copy);
    long value = 0;
    if (SUCCEEDED(VariantChangeType(&copy, &Variant(i), 0, VT_I4))) value = copy.lVal;
    VariantClear(&copy);
    return value;
  }
  bool Bool(UINT i) {
    VARIANT copy;
    VariantInit(&copy);
    bool value = false;
    if (SUCCEEDED(VariantChangeType(&copy, &Variant(i), 0, VT_BOOL))) value = copy.boolVal != VARIANT_FALSE;
    VariantClear(&copy);
    return value;
  }
  std::wstring Text(UINT i) {
    VARIANT copy;
    VariantInit(&copy);
    std::wstring value;
    if (SUCCEEDED(VariantChangeType(&copy, &Variant(i), 0, VT_BSTR)) && copy.bstrVal)
      value.assign(copy.bstrVal, SysStringLen(copy.bstrVal));
    VariantClear(&copy);
    return value;
  }
  IDispatch* Dispatch(UINT i) {
    VARIANT& v = Variant(i);
    if (v.vt == VT_DISPATCH) return v.pdispVal;
    if (v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal) return *v.ppdispVal;
    return nullptr;
  }
  // By-reference slots; a slot of the wrong type gets a local stand-in so the
  // handler still runs and the browser's memory is never written wrongly.
  VARIANT_BOOL& BoolRef(UINT i) {
    VARIANT& v = p_->rgvarg[p_->cArgs - 1 - i];
    if (v.vt == (VT_BYREF | VT_BOOL) && v.pboolVal) return *v.pboolVal;
    spareBool_ = VARIANT_FALSE;
    return spareBool_;
  }
  long& LongRef(UINT i) {
    VARIANT& v = p_->rgvarg[p_->cArgs - 1 - i];
    if (v.vt == (VT_BYREF | VT_I4) && v.plVal) return *v.plVal;
    spareLong_ = 0;
    return spareLong_;
  }
  IDispatch*& DispatchRef(UINT i) {
    VARIANT& v = p_->rgvarg[p_->cArgs - 1 - i];
    if (v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal) return *v.ppdispVal;
    spareDispatch_ = nullptr;
    return spareDispatch_;
  }

 private:
  DISPPARAMS* p_;
  VARIANT_BOOL spareBool_ = VARIANT_FALSE;
  long spareLong_ = 0;
  IDispatch* spareDispatch_ = nullptr;
};

}  // namespace

HRESULT TLntWebBrowser::DispatchEvent(DISPID id, DISPPARAMS* params) {
  EventArgs a(params);
  auto bad = [] { return DISP_E_BADPARAMCOUNT; };
  switch (id) {
    case DISPID_STATUSTEXTCHANGE:
      if (!a.Has(1)) return bad();
      if (OnStatusTextChange) OnStatusTextChange(this, a.Text(0));
      break;
    case DISPID_PROGRESSCHANGE:
      if (!a.Has(2)) return bad();
      if (OnProgressChange) OnProgressChange(this, a.Long(0), a.Long(1));
      break;
    case DISPID_COMMANDSTATECHANGE:
      if (!a.Has(2)) return bad();
      if (OnCommandStateChange) OnCommandStateChange(this, a.Long(0), a.Bool(1));
      break;
    case DISPID_DOWNLOADBEGIN:
      if (OnDownloadBegin) OnDownloadBegin(this);
      break;
    case DISPID_DOWNLOADCOMPLETE:
      if (OnDownloadComplete) OnDownloadComplete(this);
      break;
    case DISPID_TITLECHANGE:
      if (!a.Has(1)) return bad();
      if (OnTitleChange) OnTitleChange(this, a.Text(0));
      break;
    case DISPID_PROPERTYCHANGE:
      if (!a.Has(1)) return bad();
      if (OnPropertyChange) OnPropertyChange(this, a.Text(0));
      break;
    case DISPID_BEFORENAVIGATE2:
      if (!a.Has(7)) return bad();
      if (OnBeforeNavigate2)
        OnBeforeNavigate2(this, a.Dispatch(0), a.Variant(1), a.Variant(2), a.Variant(3), a.Variant(4), a.Variant(5),
                          a.BoolRef(6));
      break;
    case DISPID_NEWWINDOW2:
      if (!a.Has(2)) return bad();
      if (OnNewWindow2) OnNewWindow2(this, a.DispatchRef(0), a.BoolRef(1));
      break;
    case DISPID_NAVIGATECOMPLETE2:
      if (!a.Has(2)) return bad();
      if (OnNavigateComplete2) OnNavigateComplete2(this, a.Dispatch(0), a.Variant(1));
      break;
    case DISPID_DOCUMENTCOMPLETE:
      if (!a.Has(2)) return bad();
      if (OnDocumentComplete) OnDocumentComplete(this, a.Dispatch(0), a.Variant(1));
      break;
    case DISPID_ONQUIT:
      if (OnQuit) OnQuit(this);
      break;
    case DISPID_ONVISIBLE:
    case DISPID_ONTOOLBAR:
    case DISPID_ONMENUBAR:
    case DISPID_ONSTATUSBAR:
    case DISPID_ONFULLSCREEN:
    case DISPID_ONTHEATERMODE:
    case DISPID_ONADDRESSBAR:
    case DISPID_WINDOWSETRESIZABLE:
    case DISPID_PRIVACYIMPACTEDSTATECHANGE: {
      if (!a.Has(1)) return bad();
      TLNTBoolEvent* event = id == DISPID_ONVISIBLE           ? &OnVisible
                             : id == DISPID_ONTOOLBAR         ? &OnToolBar
                             : id == DISPID_ONMENUBAR         ? &OnMenuBar
                             : id == DISPID_ONSTATUSBAR       ? &OnStatusBar
                             : id == DISPID_ONFULLSCREEN      ? &OnFullScreen
                             : id == DISPID_ONTHEATERMODE     ? &OnTheaterMode
                             : id == DISPID_ONADDRESSBAR      ? &OnAddressBar
                             : id == DISPID_WINDOWSETRESIZABLE ? &OnWindowSetResizable
                                                               : &OnPrivacyImpactedStateChange;
      if (*event) (*event)(this, a.Bool(0));
      break;
    }
    case DISPID_WINDOWSETLEFT:
    case DISPID_WINDOWSETTOP:
    case DISPID_WINDOWSETWIDTH:
    case DISPID_WINDOWSETHEIGHT:
    case DISPID_SETSECURELOCKICON: {
      if (!a.Has(1)) return bad();
      TLNTLongEvent* event = id == DISPID_WINDOWSETLEFT    ? &OnWindowSetLeft
                             : id == DISPID_WINDOWSETTOP   ? &OnWindowSetTop
                             : id == DISPID_WINDOWSETWIDTH ? &OnWindowSetWidth
                             : id == DISPID_WINDOWSETHEIGHT ? &OnWindowSetHeight
                                                            : &OnSetSecureLockIcon;
      if (*event) (*event)(this, a.Long(0));
      break;
    }
    case DISPID_WINDOWCLOSING:
      if (!a.Has(2)) return bad();
      if (OnWindowClosing) OnWindowClosing(this, a.Bool(0), a.BoolRef(1));
      break;
    case DISPID_CLIENTTOHOSTWINDOW:
      if (!a.Has(2)) return bad();
      if (OnClientToHostWindow) OnClientToHostWindow(this, a.LongRef(0), a.LongRef(1));
      break;
    case DISPID_FILEDOWNLOAD:
      // Older browsers send only the Cancel flag.
      if (!a.Has(1)) return bad();
      if (OnFileDownload) {
        if (a.Has(2))
          OnFileDownload(this, a.Bool(0), a.BoolRef(1));
        else
          OnFileDownload(this, true, a.BoolRef(0));
      }
      break;
    case DISPID_NAVIGATEERROR:
      if (!a.Has(5)) return bad();
      if (OnNavigateError) OnNavigateError(this, a.Dispatch(0), a.Variant(1), a.Variant(2), a.Variant(3), a.BoolRef(4));
      break;
    case DISPID_PRINTTEMPLATEINSTANTIATION:
    case DISPID_PRINTTEMPLATETEARDOWN: {
      if (!a.Has(1)) return bad();
      auto& event = id == DISPID_PRINTTEMPLATEINSTANTIATION ? OnPrintTemplateInstantiation : OnPrintTemplateTeardown;
      if (event) event(this, a.Dispatch(0));
      break;
    }
    case DISPID_UPDATEPAGESTATUS:
      if (!a.Has(3)) return bad();
      if (OnUpdatePageStatus) OnUpdatePageStatus(this, a.Dispatch(0), a.Variant(1), a.Variant(2));
      break;
    case DISPID_NEWWINDOW3:
      if (!a.Has(5)) return bad();
      if (OnNewWindow3)
        OnNewWindow3(this, a.DispatchRef(0), a.BoolRef(1), static_cast<DWORD>(a.Long(2)), a.Text(3), a.Text(4));
      break;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
  return S_OK;
}

}  // namespace kinopod::lnt
