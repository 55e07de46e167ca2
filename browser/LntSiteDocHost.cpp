// The site's answering interfaces: ambient properties, the document-host
// handlers, the command target, the service provider, zoom events and the drop
// target. Each forwards to the control; when the control is gone, each gives
// the answer that lets the browser go on with its own default.
#include "LntSite.h"

namespace kinopod::lnt {

// --- IDispatch (ambient properties) ---------------------------------------

HRESULT LntAmbientDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  if (!Host()) { *count = 0; return S_OK; }
  return Host()->AmbientTypeInfoCount(count);
}
HRESULT LntAmbientDispatch::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  if (info) *info = nullptr;
  return Host() ? Host()->AmbientTypeInfo(index, lcid, info) : E_NOTIMPL;
}
HRESULT LntAmbientDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  return Host() ? Host()->AmbientIDsOfNames(riid, names, count, lcid, ids) : E_NOTIMPL;
}
HRESULT LntAmbientDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* argErr) {
  return Host() ? Host()->AmbientInvoke(id, flags, params, result, excep, argErr) : DISP_E_MEMBERNOTFOUND;
}

// --- IDocHostUIHandler2 ----------------------------------------------------

HRESULT LntDocHostUIHandler::ShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) {
  return Host() ? Host()->DocShowContextMenu(id, pt, target, element) : S_FALSE;
}
HRESULT LntDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  return Host() ? Host()->DocGetHostInfo(info) : E_FAIL;
}
HRESULT LntDocHostUIHandler::ShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                                    IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) {
  return Host() ? Host()->DocShowUI(id, active, target, frame, doc) : S_FALSE;
}
HRESULT LntDocHostUIHandler::HideUI() { return Host() ? Host()->DocHideUI() : S_FALSE; }
HRESULT LntDocHostUIHandler::UpdateUI() { return Host() ? Host()->DocUpdateUI() : S_FALSE; }
HRESULT LntDocHostUIHandler::EnableModeless(BOOL enable) {
  return Host() ? Host()->DocEnableModeless(enable) : S_OK;
}
HRESULT LntDocHostUIHandler::OnDocWindowActivate(BOOL activate) {
  return Host() ? Host()->DocOnDocWindowActivate(activate) : S_FALSE;
}
HRESULT LntDocHostUIHandler::OnFrameWindowActivate(BOOL activate) {
  return Host() ? Host()->DocOnFrameWindowActivate(activate) : S_FALSE;
}
HRESULT LntDocHostUIHandler::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) {
  return Host() ? Host()->DocResizeBorder(border, window, frameWindow) : S_FALSE;
}
HRESULT LntDocHostUIHandler::TranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) {
  return Host() && msg ? Host()->DocTranslateAccelerator(msg, group, cmdId) : S_FALSE;
}
HRESULT LntDocHostUIHandler::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (!key) return E_POINTER;
  *key = nullptr;
  return Host() ? Host()->DocGetOptionKeyPath(key, false) : S_OK;
}
HRESULT LntDocHostUIHandler::GetOverrideKeyPath(LPOLESTR* key, DWORD) {
  if (!key) return E_POINTER;
  *key = nullptr;
  return Host() ? Host()->DocGetOptionKeyPath(key, true) : S_OK;
}
HRESULT LntDocHostUIHandler::GetDropTarget(IDropTarget* browserTarget, IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  return Host() ? Host()->DocGetDropTarget(browserTarget, target) : E_NOTIMPL;
}
HRESULT LntDocHostUIHandler::GetExternal(IDispatch** external) {
  if (!external) return E_POINTER;
  *external = nullptr;
  return Host() ? Host()->DocGetExternal(external) : S_FALSE;
}
HRESULT LntDocHostUIHandler::TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Host() ? Host()->DocTranslateUrl(translate, url, out) : S_FALSE;
}
HRESULT LntDocHostUIHandler::FilterDataObject(IDataObject* in, IDataObject** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Host() ? Host()->DocFilterDataObject(in, out) : S_FALSE;
}

// --- IDocHostShowUI ---------------------------------------------------------

HRESULT LntDocHostShowUI::ShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                                      DWORD helpContext, LRESULT* result) {
  return Host() ? Host()->DocShowMessage(hwnd, text, caption, type, helpFile, helpContext, result) : S_FALSE;
}
HRESULT LntDocHostShowUI::ShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                                   IDispatch* element) {
  return Host() ? Host()->DocShowHelp(hwnd, helpFile, command, data, pt, element) : S_FALSE;
}

// --- IOleCommandTarget ------------------------------------------------------

HRESULT LntCommandTarget::QueryStatus(const GUID* group, ULONG count, OLECMD* cmds, OLECMDTEXT* text) {
  return Host() ? Host()->CmdQueryStatus(group, count, cmds, text) : S_OK;
}
HRESULT LntCommandTarget::Exec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) {
  return Host() ? Host()->CmdExec(group, cmdId, options, in, out) : OLECMDERR_E_NOTSUPPORTED;
}

// --- IServiceProvider -------------------------------------------------------

HRESULT LntServiceProvider::QueryService(REFGUID service, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Host() ? Host()->ServiceQuery(service, riid, out) : E_NOINTERFACE;
}

// --- IZoomEvents, IDropTarget ----------------------------------------------

HRESULT LntZoomEvents::OnZoomPercentChanged(ULONG percent) {
  return Host() ? Host()->ZoomPercentChanged(percent) : S_FALSE;
}

HRESULT LntDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return Host() ? Host()->DropEnter(data, keys, pt, effect) : S_OK;
}
HRESULT LntDropTarget::DragOver(DWORD keys, POINTL pt, DWORD* effect) {
  return Host() ? Host()->DropOver(keys, pt, effect) : S_OK;
}
HRESULT LntDropTarget::DragLeave() { return Host() ? Host()->DropLeave() : S_OK; }
HRESULT LntDropTarget::Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return Host() ? Host()->DropDrop(data, keys, pt, effect) : S_OK;
}

}  // namespace kinopod::lnt
