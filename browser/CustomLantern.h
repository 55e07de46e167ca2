// TCustomLantern: the browser host core.
//
// It gives TLntWebBrowser all the answers of the site: the download-control
// and user-interface flags, the ambient properties, the document-host services,
// commands, services and drop handling. Each answer is the assigned handler's,
// else a fixed default (LntOptions.h holds the rules). Its window is the
// toolkit window of TOleControl; the messages it adds are the Enter-key rule,
// the dialog code and the window-position emulation of old systems.
#pragma once

#include <windows.h>
#include <downloadmgr.h>
#include <mshtmhst.h>
#include <shobjidl.h>

#include <functional>
#include <string>

#include "LntOptions.h"
#include "LntWebBrowser.h"

namespace tk {
class TCustomForm;
}

namespace kinopod::lnt {

class TCustomLantern;

using TLntInvokeEvent = std::function<void(TCustomLantern* sender, DISPID id, WORD flags, DISPPARAMS* params,
                                           VARIANT* result, EXCEPINFO* excep, UINT* argErr, HRESULT answer)>;
using TLntResultEvent = std::function<HRESULT(TCustomLantern* sender)>;
using TLntBoolResultEvent = std::function<HRESULT(TCustomLantern* sender, BOOL value)>;
using TLntShowContextMenu =
    std::function<HRESULT(TCustomLantern* sender, DWORD id, POINT* pt, IUnknown* target, IDispatch* element)>;
using TLntGetHostInfo = std::function<HRESULT(TCustomLantern* sender, DOCHOSTUIINFO* info)>;
using TLntShowUI = std::function<HRESULT(TCustomLantern* sender, DWORD id, IOleInPlaceActiveObject* active,
                                         IOleCommandTarget* target, IOleInPlaceFrame* frame,
                                         IOleInPlaceUIWindow* doc)>;
using TLntResizeBorder =
    std::function<HRESULT(TCustomLantern* sender, LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow)>;
using TLntTranslateAccelerator =
    std::function<HRESULT(TCustomLantern* sender, LPMSG msg, const GUID* group, DWORD cmdId)>;
using TLntGetDropTarget =
    std::function<HRESULT(TCustomLantern* sender, IDropTarget* browserTarget, IDropTarget** target)>;
using TLntGetExternal = std::function<HRESULT(TCustomLantern* sender, IDispatch** external)>;
using TLntTranslateUrl = std::function<HRESULT(TCustomLantern* sender, DWORD translate, LPWSTR url, LPWSTR* out)>;
using TLntFilterDataObject = std::function<HRESULT(TCustomLantern* sender, IDataObject* in, IDataObject** out)>;
using TLntShowMessage = std::function<HRESULT(TCustomLantern* sender, HWND hwnd, LPOLESTR text, LPOLESTR caption,
                                              DWORD type, LPOLESTR helpFile, DWORD helpContext, LRESULT* result)>;
using TLntShowHelp = std::function<HRESULT(TCustomLantern* sender, HWND hwnd, LPOLESTR helpFile, UINT command,
                                           DWORD data, POINT pt, IDispatch* element)>;
using TLntRefresh = std::function<void(TCustomLantern* sender, DWORD command, bool& cancel)>;
using TLntNotify = std::function<void(TCustomLantern* sender)>;
using TLntCommandExec = std::function<void(TCustomLantern* sender, const GUID* group, DWORD cmdId, DWORD options,
                                           VARIANT* in, VARIANT* out, HRESULT& answer)>;
using TLntQueryService = std::function<HRESULT(TCustomLantern* sender, REFGUID service, REFIID riid, void** out)>;
using TLntEvaluateNewWindow =
    std::function<HRESULT(TCustomLantern* sender, LPCWSTR url, LPCWSTR name, LPCWSTR urlContext, LPCWSTR features,
                          BOOL replace, DWORD flags, DWORD userActionTime)>;
using TLntDownload = std::function<HRESULT(TCustomLantern* sender, IMoniker* moniker, IBindCtx* context, DWORD verb,
                                           LONG bindFlags, BINDINFO* info, LPCOLESTR headers, LPCOLESTR redirect,
                                           UINT codePage)>;
using TLntPointEvent = std::function<void(TCustomLantern* sender, long x, long y)>;
using TLntZoomEvent = std::function<HRESULT(TCustomLantern* sender, ULONG percent)>;
using TLntDragEnter =
    std::function<HRESULT(TCustomLantern* sender, IDataObject* data, DWORD keys, POINTL pt, DWORD* effect)>;
using TLntDragOver = std::function<HRESULT(TCustomLantern* sender, DWORD keys, POINTL pt, DWORD* effect)>;
using TLntMaskedCtrlChar = std::function<void(TCustomLantern* sender, char letter)>;
using TLntFilterPopupMenu = std::function<void(TCustomLantern* sender, DWORD menuId, HMENU menu)>;
using TLntTypeInfoCount = std::function<HRESULT(TCustomLantern* sender, UINT* count)>;
using TLntTypeInfo = std::function<HRESULT(TCustomLantern* sender, UINT index, LCID lcid, ITypeInfo** info)>;
using TLntIDsOfNames = std::function<HRESULT(TCustomLantern* sender, REFIID riid, LPOLESTR* names, UINT count,
                                             LCID lcid, DISPID* ids)>;

// DLCONTROL and the user-agent ambient (never answered).
constexpr DISPID kDispidAmbientDlControl = -5512;
constexpr DISPID kDispidAmbientUserAgent = -5513;
// A key-down reflected to the control that owns the focus window (in the
// toolkit's numbering of notifications reflected to a control).
constexpr UINT kReflectedKeyDown = tk::CN_BASE + WM_KEYDOWN;

class TCustomLantern : public TLntWebBrowser {
 public:
  // The browser object exists, is initialised empty and has its events
  // connected when the constructor returns; the control has no window yet.
  // The owner (a tab sheet, a form) frees the control; it may be null.
  explicit TCustomLantern(tk::TComponent* owner = nullptr);
  ~TCustomLantern() override;

  // --- options ---
  TDownloadControlOptions DownloadOptions() const { return downloadOptions_; }
  void SetDownloadOptions(TDownloadControlOptions options);
  TUserInterfaceOptions UserInterfaceOptions() const { return uiOptions_; }
  void SetUserInterfaceOptions(TUserInterfaceOptions options);
  std::uint32_t DownloadControlValue() const { return dlControl_; }
  std::uint32_t HostUIFlags() const { return hostUIFlags_; }

  TScriptErrorAction ScriptErrorAction = TScriptErrorAction::eaContinue;
  TDragDropHandlingType DropHandlingType() const { return dropHandling_; }
  void SetDropHandlingType(TDragDropHandlingType type);
  TIEPopupMenus DisabledPopupMenus;
  bool FloatingHosting = false;
  std::wstring HelpFile;
  std::wstring OptionKeyPath;
  bool OverrideOptionKeyPath = false;
  bool EnableMessageHandler = true;
  bool DesignMode() const { return designMode_; }

  // The control-key mask (published by TLantern as ShortCuts.CtrlCharMask).
  const std::string& CtrlKeyMask() const { return ctrlKeyMask_; }
  void SetCtrlKeyMask(const std::string& mask) { ctrlKeyMask_ = mask; }

  // The owning form: the owner itself when it is a form, else the nearest
  // form up the owner chain (a tab sheet's form); and its window, when that exists.
  tk::TCustomForm* OwnerForm() const;
  HWND OwnerWindow() const;

  // --- handlers (an empty one means the default answer) ---
  TLntInvokeEvent OnInvoke;
  TLntTypeInfoCount OnGetTypeInfoCount;
  TLntTypeInfo OnGetTypeInfo;
  TLntIDsOfNames OnGetIDsOfNames;
  TLntShowContextMenu OnShowContextMenu;
  TLntGetHostInfo OnGetHostInfo;
  TLntShowUI OnShowUI;
  TLntResultEvent OnHideUI;
  TLntResultEvent OnUpdateUI;
  TLntBoolResultEvent OnEnableModeless;
  TLntBoolResultEvent OnDocWindowActivate;
  TLntBoolResultEvent OnOnFrameWindowActivate;
  TLntResizeBorder OnResizeBorder;
  TLntTranslateAccelerator OnTranslateAccelerator;
  TLntGetDropTarget OnGetDropTarget;
  TLntGetExternal OnGetExternal;
  TLntTranslateUrl OnTranslateUrl;
  TLntFilterDataObject OnFilterDataObject;
  TLntShowMessage OnShowMessage;
  TLntShowHelp OnShowHelpRequest;
  TLntRefresh OnRefresh;
  TLntNotify OnUnload;
  TLntCommandExec OnCommandExec;
  TLntQueryService OnQueryService;
  TLntEvaluateNewWindow OnEvaluateNewWindow;
  TLntDownload OnFileDownload;  // the download manager's; hides TLntWebBrowser's event of the same name
  TLntPointEvent OnMove;
  TLntPointEvent OnMoveBy;
  TLntPointEvent OnResize;
  TLntPointEvent OnResizeBy;
  TLntZoomEvent OnZoomPercentChange;
  TLntDragEnter OnDragEnter;
  TLntDragOver OnDragOver2;
  TLntResultEvent OnDragLeave;
  TLntDragEnter OnDropEvent;
  TLntMaskedCtrlChar OnMaskedCtrlChar;
  TLntFilterPopupMenu OnFilterPopupMenu;

  // The ambient-property dispatcher, as the browser calls it.
  HRESULT AmbientInvoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                        UINT* argErr) override;

 protected:
  // Virtual operations in slot order.
  virtual HRESULT FilterCtrlKey(const MSG& msg);
  virtual HRESULT HandleScriptError(VARIANT* in, VARIANT* out);
  virtual HRESULT LookupService(REFGUID service, REFIID riid, void** out);
  virtual bool HasContextMenuFilter();
  virtual void FilterContextMenu(DWORD menuId, HMENU menu);

  void WndProc(tk::TMessage& m) override;
  // Page scripts moving the window on systems before XP SP2 (see EmulateWindowPos).
  void SetWindowPosEmulation(bool on) { emulateWindowPos_ = on; emulationArmed_ = on; }

  // --- LntSiteHost ---
  HRESULT AmbientTypeInfoCount(UINT* count) override;
  HRESULT AmbientTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT AmbientIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT DocShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) override;
  HRESULT DocGetHostInfo(DOCHOSTUIINFO* info) override;
  HRESULT DocShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target, IOleInPlaceFrame* frame,
                    IOleInPlaceUIWindow* doc) override;
  HRESULT DocHideUI() override;
  HRESULT DocUpdateUI() override;
  HRESULT DocEnableModeless(BOOL enable) override;
  HRESULT DocOnDocWindowActivate(BOOL activate) override;
  HRESULT DocOnFrameWindowActivate(BOOL activate) override;
  HRESULT DocResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
  HRESULT DocTranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) override;
  HRESULT DocGetOptionKeyPath(LPOLESTR* key, bool overridePath) override;
  HRESULT DocGetDropTarget(IDropTarget* browserTarget, IDropTarget** target) override;
  HRESULT DocGetExternal(IDispatch** external) override;
  HRESULT DocTranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) override;
  HRESULT DocFilterDataObject(IDataObject* in, IDataObject** out) override;
  HRESULT DocShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                         DWORD helpContext, LRESULT* result) override;
  HRESULT DocShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                      IDispatch* element) override;
  HRESULT CmdQueryStatus(const GUID* group, ULONG count, OLECMD* cmds, OLECMDTEXT* text) override;
  HRESULT CmdExec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) override;
  HRESULT ServiceQuery(REFGUID service, REFIID riid, void** out) override;
  HRESULT ZoomPercentChanged(ULONG percent) override;
  HRESULT DropEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT DropOver(DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT DropLeave() override;
  HRESULT DropDrop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;

 public:
  // The services handed out through QueryService call back here.
  HRESULT WindowServiceMove(bool relative, long x, long y);
  HRESULT WindowServiceSize(bool relative, long x, long y);
  // The browser's document window ("Internet Explorer_Server"), if it exists.
  HWND DocumentWindow() const;
  // Shows the browser's context menu through the filter (TLantern's path).
  HRESULT ShowFilteredContextMenu(DWORD id, POINT* pt, IUnknown* target);

 private:
  void ApplyDropHandling();

  TDownloadControlOptions downloadOptions_;
  TUserInterfaceOptions uiOptions_;
  std::uint32_t dlControl_ = 0;
  std::uint32_t hostUIFlags_ = 0;
  TDragDropHandlingType dropHandling_ = TDragDropHandlingType::ddtMS;
  bool designMode_ = false;
  std::string ctrlKeyMask_ = "N";
  bool emulateWindowPos_ = false;
  bool emulationArmed_ = false;
};

}  // namespace kinopod::lnt
