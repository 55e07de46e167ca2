// The site object's identity and its OLE embedding interfaces: client site,
// in-place site, in-place frame and control site. These carry the in-place
// activation of the browser inside the control's window; they hold no policy.
#include "LntSite.h"

#include <ocidl.h>

namespace kinopod::lnt {

LntSite* LntSite::Create(LntSiteHost* host) { return new LntSite(host); }

LntSite::LntSite(LntSiteHost* host) : host_(host) {}

HRESULT LntSite::QueryInterface(REFIID riid, void** out) {
  const QiEntry table[] = {
      {&IID_IOleClientSite, &clientSite_},
      {&IID_IOleWindow, static_cast<IOleWindow*>(&inPlaceSite_)},
      {&IID_IOleInPlaceSite, static_cast<IOleInPlaceSite*>(&inPlaceSite_)},
      {&IID_IOleInPlaceSiteEx, &inPlaceSite_},
      {&IID_IOleInPlaceUIWindow, static_cast<IOleInPlaceUIWindow*>(&inPlaceFrame_)},
      {&IID_IOleInPlaceFrame, &inPlaceFrame_},
      {&IID_IOleControlSite, &controlSite_},
      {&IID_IDispatch, &ambient_},
      {&IID_IDocHostUIHandler, static_cast<IDocHostUIHandler*>(&docHost_)},
      {&IID_IDocHostUIHandler2, &docHost_},
      {&IID_IDocHostShowUI, &showUI_},
      {&IID_IOleCommandTarget, &commandTarget_},
      {&IID_IServiceProvider, &serviceProvider_},
      {&IID_IZoomEvents, &zoomEvents_},
      {&IID_IDropTarget, &dropTarget_},
  };
  return QueryFromTable(table, riid, out);
}

ULONG LntSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG LntSite::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// --- IOleClientSite -------------------------------------------------------

HRESULT LntClientSite::SaveObject() { return E_NOTIMPL; }
HRESULT LntClientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}
HRESULT LntClientSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}
HRESULT LntClientSite::ShowObject() { return S_OK; }
HRESULT LntClientSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT LntClientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleInPlaceSiteEx ----------------------------------------------------

HRESULT LntInPlaceSite::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = nullptr;
  return CallHost(E_FAIL, [&](LntSiteHost* h) { return (*hwnd = h->SiteWindow()) ? S_OK : E_FAIL; });
}
HRESULT LntInPlaceSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT LntInPlaceSite::CanInPlaceActivate() { return Host() ? S_OK : S_FALSE; }
HRESULT LntInPlaceSite::OnInPlaceActivate() { return S_OK; }
HRESULT LntInPlaceSite::OnUIActivate() { return S_OK; }

HRESULT LntInPlaceSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                         LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame) *frame = nullptr;
  if (doc) *doc = nullptr;
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  return CallHost(E_FAIL, [&](LntSiteHost* h) {
    *pos = h->SiteRect();
    *clip = *pos;
    // The frame info is the caller's record; its size field says how much of it there is.
    info->fMDIApp = FALSE;
    info->hwndFrame = h->SiteWindow();
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    site_->QueryInterface(IID_IOleInPlaceFrame, reinterpret_cast<void**>(frame));
    return S_OK;
  });
}

HRESULT LntInPlaceSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT LntInPlaceSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT LntInPlaceSite::OnInPlaceDeactivate() {
  CallHost(S_OK, [](LntSiteHost* h) { h->SiteActiveObject(nullptr); return S_OK; });
  return S_OK;
}
HRESULT LntInPlaceSite::DiscardUndoState() { return S_OK; }
HRESULT LntInPlaceSite::DeactivateAndUndo() { return S_OK; }
HRESULT LntInPlaceSite::OnPosRectChange(LPCRECT pos) {
  if (pos) CallHost(S_OK, [&](LntSiteHost* h) { h->SitePosRectChanged(*pos); return S_OK; });
  return S_OK;
}
HRESULT LntInPlaceSite::OnInPlaceActivateEx(BOOL* noRedraw, DWORD) {
  if (noRedraw) *noRedraw = FALSE;
  return S_OK;
}
HRESULT LntInPlaceSite::OnInPlaceDeactivateEx(BOOL) { return OnInPlaceDeactivate(); }
HRESULT LntInPlaceSite::RequestUIActivate() { return Host() ? S_OK : S_FALSE; }

// --- IOleInPlaceFrame -----------------------------------------------------

HRESULT LntInPlaceFrame::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = nullptr;
  return CallHost(E_FAIL, [&](LntSiteHost* h) { return (*hwnd = h->SiteWindow()) ? S_OK : E_FAIL; });
}
HRESULT LntInPlaceFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT LntInPlaceFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT LntInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT LntInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS) { return E_NOTIMPL; }
HRESULT LntInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
  CallHost(S_OK, [&](LntSiteHost* h) { h->SiteActiveObject(active); return S_OK; });
  return S_OK;
}
HRESULT LntInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT LntInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT LntInPlaceFrame::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT LntInPlaceFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT LntInPlaceFrame::EnableModeless(BOOL) { return S_OK; }
HRESULT LntInPlaceFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// --- IOleControlSite ------------------------------------------------------

HRESULT LntControlSite::OnControlInfoChanged() { return S_OK; }
HRESULT LntControlSite::LockInPlaceActive(BOOL) { return S_OK; }
HRESULT LntControlSite::GetExtendedControl(IDispatch** disp) {
  if (disp) *disp = nullptr;
  return E_NOTIMPL;
}
HRESULT LntControlSite::TransformCoords(POINTL*, POINTF*, DWORD) { return E_NOTIMPL; }
HRESULT LntControlSite::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }
HRESULT LntControlSite::OnFocus(BOOL) { return S_OK; }
HRESULT LntControlSite::ShowPropertyFrame() { return E_NOTIMPL; }

}  // namespace kinopod::lnt
