// The site object through which the WebBrowser control talks to its host.
//
// Design: one reference-counted site object owns one small class per COM
// interface (client site, in-place site, in-place frame, control site, the
// ambient-property dispatch, the document-host handlers, the command target,
// the service provider, the drop target and the zoom events). Every small
// class forwards AddRef/Release/QueryInterface to the site, so the browser sees
// one COM object with one identity, and the site answers QueryInterface from a
// single table. The small classes hold no state and no policy: each method
// turns the browser's call into a call on the site's host (LntSiteHost, which
// the control implements) and only adds the answer that is safe when the host
// is gone.
//
// Traps:
// - Lifetime. The browser keeps references to the site after the control is
//   gone (it may call back while it is being closed, and it releases the site
//   late). The site therefore never owns the control: the control detaches
//   itself (Detach) in its destructor, and every later call finds no host and
//   answers with a harmless default instead of touching freed memory.
// - Identity. The DWebBrowserEvents2 sink is an IDispatch too, but the
//   site's IDispatch answers ambient properties; the sink is therefore a
//   separate COM object (LntEventSink), never a table row of the site.
// - Services handed out through QueryService (new-window manager, download
//   manager, window services) are separate objects made on demand, so that the
//   site's own table never changes with the handlers assigned.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <docobj.h>
#include <mshtmhst.h>
#include <servprov.h>

#include "LntCom.h"
#include "LntGuard.h"

namespace kinopod::lnt {

// What the site asks of its control. Every method may assume the control is
// alive; the site checks that before calling.
class LntSiteHost {
 public:
  virtual HWND SiteWindow() = 0;
  virtual RECT SiteRect() = 0;
  virtual void SiteActiveObject(IOleInPlaceActiveObject* active) = 0;
  virtual void SitePosRectChanged(const RECT& rect) = 0;

  virtual HRESULT AmbientInvoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                UINT* argErr) = 0;
  virtual HRESULT AmbientTypeInfoCount(UINT* count) = 0;
  virtual HRESULT AmbientTypeInfo(UINT index, LCID lcid, ITypeInfo** info) = 0;
  virtual HRESULT AmbientIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) = 0;

  virtual HRESULT DocShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) = 0;
  virtual HRESULT DocGetHostInfo(DOCHOSTUIINFO* info) = 0;
  virtual HRESULT DocShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                            IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) = 0;
  virtual HRESULT DocHideUI() = 0;
  virtual HRESULT DocUpdateUI() = 0;
  virtual HRESULT DocEnableModeless(BOOL enable) = 0;
  virtual HRESULT DocOnDocWindowActivate(BOOL activate) = 0;
  virtual HRESULT DocOnFrameWindowActivate(BOOL activate) = 0;
  virtual HRESULT DocResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) = 0;
  virtual HRESULT DocTranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) = 0;
  virtual HRESULT DocGetOptionKeyPath(LPOLESTR* key, bool overridePath) = 0;
  virtual HRESULT DocGetDropTarget(IDropTarget* browserTarget, IDropTarget** target) = 0;
  virtual HRESULT DocGetExternal(IDispatch** external) = 0;
  virtual HRESULT DocTranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) = 0;
  virtual HRESULT DocFilterDataObject(IDataObject* in, IDataObject** out) = 0;
  virtual HRESULT DocShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                                 DWORD helpContext, LRESULT* result) = 0;
  virtual HRESULT DocShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                              IDispatch* element) = 0;

  virtual HRESULT CmdQueryStatus(const GUID* group, ULONG count, OLECMD* cmds, OLECMDTEXT* text) = 0;
  virtual HRESULT CmdExec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) = 0;

  virtual HRESULT ServiceQuery(REFGUID service, REFIID riid, void** out) = 0;

  virtual HRESULT ZoomPercentChanged(ULONG percent) = 0;
  virtual HRESULT DropEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) = 0;
  virtual HRESULT DropOver(DWORD keys, POINTL pt, DWORD* effect) = 0;
  virtual HRESULT DropLeave() = 0;
  virtual HRESULT DropDrop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) = 0;

 protected:
  ~LntSiteHost() = default;
};

class LntSite;

// Base of the site's small interface classes: reference counting and
// QueryInterface belong to the site.
template <class Interface>
class LntSitePart : public Interface {
 public:
  explicit LntSitePart(LntSite* site) : site_(site) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

 protected:
  LntSiteHost* Host() const;
  // Calls the host when there is one, through the guard (LntGuard.h).
  // `fallback` answers both when the control is gone and when the call threw.
  template <class F>
  HRESULT CallHost(HRESULT fallback, F&& call) const noexcept {
    LntSiteHost* host = Host();
    return host ? GuardedCall(fallback, [&] { return call(host); }) : fallback;
  }
  LntSite* site_;
};

class LntClientSite : public LntSitePart<IOleClientSite> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
};

class LntInPlaceSite : public LntSitePart<IOleInPlaceSiteEx> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT pos) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(BOOL* noRedraw, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(BOOL noRedraw) override;
  HRESULT STDMETHODCALLTYPE RequestUIActivate() override;
};

class LntInPlaceFrame : public LntSitePart<IOleInPlaceFrame> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR name) override;
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU ole, HWND active) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU shared) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg, WORD id) override;
};

class LntControlSite : public LntSitePart<IOleControlSite> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override;
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL lock) override;
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** disp) override;
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg, DWORD modifiers) override;
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL gotFocus) override;
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override;
};

// Ambient properties: the browser reads them with IDispatch::Invoke.
class LntAmbientDispatch : public LntSitePart<IDispatch> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* argErr) override;
};

class LntDocHostUIHandler : public LntSitePart<IDocHostUIHandler2> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) override;
  HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
  HRESULT STDMETHODCALLTYPE ShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                                   IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) override;
  HRESULT STDMETHODCALLTYPE HideUI() override;
  HRESULT STDMETHODCALLTYPE UpdateUI() override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) override;
  HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* browserTarget, IDropTarget** target) override;
  HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
  HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) override;
  HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* in, IDataObject** out) override;
  HRESULT STDMETHODCALLTYPE GetOverrideKeyPath(LPOLESTR* key, DWORD reserved) override;
};

class LntDocHostShowUI : public LntSitePart<IDocHostShowUI> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE ShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                                        DWORD helpContext, LRESULT* result) override;
  HRESULT STDMETHODCALLTYPE ShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                                     IDispatch* element) override;
};

class LntCommandTarget : public LntSitePart<IOleCommandTarget> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE QueryStatus(const GUID* group, ULONG count, OLECMD* cmds, OLECMDTEXT* text) override;
  HRESULT STDMETHODCALLTYPE Exec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) override;
};

class LntServiceProvider : public LntSitePart<IServiceProvider> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID riid, void** out) override;
};

class LntZoomEvents : public LntSitePart<IZoomEvents> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE OnZoomPercentChanged(ULONG percent) override;
};

class LntDropTarget : public LntSitePart<IDropTarget> {
 public:
  using LntSitePart::LntSitePart;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;
};

class LntSite {
 public:
  // Made with one reference, which the caller owns.
  static LntSite* Create(LntSiteHost* host);

  HRESULT QueryInterface(REFIID riid, void** out);
  ULONG AddRef();
  ULONG Release();

  LntSiteHost* Host() const { return host_; }
  // The control is going away: later calls answer without it.
  void Detach() { host_ = nullptr; }

  IOleClientSite* ClientSite() { return &clientSite_; }
  IDropTarget* DropTarget() { return &dropTarget_; }
  IDispatch* Ambient() { return &ambient_; }

 private:
  explicit LntSite(LntSiteHost* host);
  ~LntSite() = default;

  LONG refs_ = 1;
  LntSiteHost* host_;
  LntClientSite clientSite_{this};
  LntInPlaceSite inPlaceSite_{this};
  LntInPlaceFrame inPlaceFrame_{this};
  LntControlSite controlSite_{this};
  LntAmbientDispatch ambient_{this};
  LntDocHostUIHandler docHost_{this};
  LntDocHostShowUI showUI_{this};
  LntCommandTarget commandTarget_{this};
  LntServiceProvider serviceProvider_{this};
  LntZoomEvents zoomEvents_{this};
  LntDropTarget dropTarget_{this};
};

template <class Interface>
HRESULT LntSitePart<Interface>::QueryInterface(REFIID riid, void** out) {
  return site_->QueryInterface(riid, out);
}
template <class Interface>
ULONG LntSitePart<Interface>::AddRef() {
  return site_->AddRef();
}
template <class Interface>
ULONG LntSitePart<Interface>::Release() {
  return site_->Release();
}
template <class Interface>
LntSiteHost* LntSitePart<Interface>::Host() const {
  return site_->Host();
}

}  // namespace kinopod::lnt
