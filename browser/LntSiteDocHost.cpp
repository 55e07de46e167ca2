// The site's answering interfaces: ambient properties, the document-host
// handlers, the command target, the service provider, zoom events and the drop
// target. Each forwards to the control through the guard; when the control is
// gone or its answer threw, each gives the answer that lets the browser go on
// with its own default.
#include "LntSite.h"

namespace kinopod::lnt {

// --- IDispatch (ambient properties) ---------------------------------------

HRESULT LntAmbientDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->AmbientTypeInfoCount(count); });
}
HRESULT LntAmbientDispatch::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  if (info) *info = nullptr;
  return CallHost(E_NOTIMPL, [&](LntSiteHost* h) { return h->AmbientTypeInfo(index, lcid, info); });
}
HRESULT LntAmbientDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  return CallHost(E_NOTIMPL, [&](LntSiteHost* h) { return h->AmbientIDsOfNames(riid, names, count, lcid, ids); });
}
HRESULT LntAmbientDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* argErr) {
  return CallHost(DISP_E_MEMBERNOTFOUND,
                  [&](LntSiteHost* h) { return h->AmbientInvoke(id, flags, params, result, excep, argErr); });
}

// --- IDocHostUIHandler2 ----------------------------------------------------

HRESULT LntDocHostUIHandler::ShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocShowContextMenu(id, pt, target, element); });
}
HRESULT LntDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  return CallHost(E_FAIL, [&](LntSiteHost* h) { return h->DocGetHostInfo(info); });
}
HRESULT LntDocHostUIHandler::ShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                                    IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocShowUI(id, active, target, frame, doc); });
}
HRESULT LntDocHostUIHandler::HideUI() { return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocHideUI(); }); }
HRESULT LntDocHostUIHandler::UpdateUI() { return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocUpdateUI(); }); }
HRESULT LntDocHostUIHandler::EnableModeless(BOOL enable) {
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DocEnableModeless(enable); });
}
HRESULT LntDocHostUIHandler::OnDocWindowActivate(BOOL activate) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocOnDocWindowActivate(activate); });
}
HRESULT LntDocHostUIHandler::OnFrameWindowActivate(BOOL activate) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocOnFrameWindowActivate(activate); });
}
HRESULT LntDocHostUIHandler::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocResizeBorder(border, window, frameWindow); });
}
HRESULT LntDocHostUIHandler::TranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) {
  if (!msg) return S_FALSE;
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocTranslateAccelerator(msg, group, cmdId); });
}
HRESULT LntDocHostUIHandler::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (!key) return E_POINTER;
  *key = nullptr;
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DocGetOptionKeyPath(key, false); });
}
HRESULT LntDocHostUIHandler::GetOverrideKeyPath(LPOLESTR* key, DWORD) {
  if (!key) return E_POINTER;
  *key = nullptr;
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DocGetOptionKeyPath(key, true); });
}
HRESULT LntDocHostUIHandler::GetDropTarget(IDropTarget* browserTarget, IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  return CallHost(E_NOTIMPL, [&](LntSiteHost* h) { return h->DocGetDropTarget(browserTarget, target); });
}
HRESULT LntDocHostUIHandler::GetExternal(IDispatch** external) {
  if (!external) return E_POINTER;
  *external = nullptr;
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocGetExternal(external); });
}
HRESULT LntDocHostUIHandler::TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocTranslateUrl(translate, url, out); });
}
HRESULT LntDocHostUIHandler::FilterDataObject(IDataObject* in, IDataObject** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocFilterDataObject(in, out); });
}

// --- IDocHostShowUI ---------------------------------------------------------

HRESULT LntDocHostShowUI::ShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                                      DWORD helpContext, LRESULT* result) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) {
    return h->DocShowMessage(hwnd, text, caption, type, helpFile, helpContext, result);
  });
}
HRESULT LntDocHostShowUI::ShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                                   IDispatch* element) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->DocShowHelp(hwnd, helpFile, command, data, pt, element); });
}

// --- IOleCommandTarget ------------------------------------------------------

HRESULT LntCommandTarget::QueryStatus(const GUID* group, ULONG count, OLECMD* cmds, OLECMDTEXT* text) {
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->CmdQueryStatus(group, count, cmds, text); });
}
HRESULT LntCommandTarget::Exec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) {
  return CallHost(OLECMDERR_E_NOTSUPPORTED, [&](LntSiteHost* h) { return h->CmdExec(group, cmdId, options, in, out); });
}

// --- IServiceProvider -------------------------------------------------------

HRESULT LntServiceProvider::QueryService(REFGUID service, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return CallHost(E_NOINTERFACE, [&](LntSiteHost* h) { return h->ServiceQuery(service, riid, out); });
}

// --- IZoomEvents, IDropTarget ----------------------------------------------

HRESULT LntZoomEvents::OnZoomPercentChanged(ULONG percent) {
  return CallHost(S_FALSE, [&](LntSiteHost* h) { return h->ZoomPercentChanged(percent); });
}

HRESULT LntDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DropEnter(data, keys, pt, effect); });
}
HRESULT LntDropTarget::DragOver(DWORD keys, POINTL pt, DWORD* effect) {
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DropOver(keys, pt, effect); });
}
HRESULT LntDropTarget::DragLeave() { return CallHost(S_OK, [&](LntSiteHost* h) { return h->DropLeave(); }); }
HRESULT LntDropTarget::Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return CallHost(S_OK, [&](LntSiteHost* h) { return h->DropDrop(data, keys, pt, effect); });
}

}  // namespace kinopod::lnt
