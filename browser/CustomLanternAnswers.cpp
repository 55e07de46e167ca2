// TCustomLantern's answers to the browser's questions: the document-host
// handlers, commands, services, drop handling and zoom. Each answer is the
// assigned handler's, else the default that leaves the browser its own
// behaviour. No exception may leave these methods: they are called by the
// browser across COM.
#include <exdisp.h>

#include "CustomLantern.h"
#include "LntServices.h"
#include "tkForms.h"

namespace kinopod::lnt {
namespace {

// {F38BC242-B950-11D1-8918-00C04FC2C836}
const GUID kCgidDocHostCommandHandler = {0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};
// {000214D0-0000-0000-C000-000000000046}
const GUID kCgidExplorer = {0x000214d0, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr DWORD kCmdUnload = 37;
constexpr DWORD kCmdShowScriptError = 40;  // OLECMDID_SHOWSCRIPTERROR

bool IsRefreshCommand(DWORD id) { return id == 2300 || id == 6041 || id == 6042; }

}  // namespace

HRESULT TCustomLantern::DocShowContextMenu(DWORD id, POINT* pt, IUnknown* target, IDispatch* element) {
  if (OnShowContextMenu) return OnShowContextMenu(this, id, pt, target, element);
  switch (DecideContextMenu(DisabledPopupMenus, id, HasContextMenuFilter())) {
    case ContextMenuAnswer::Suppress: return S_OK;
    case ContextMenuAnswer::BrowserMenu: return S_FALSE;
    case ContextMenuAnswer::FilteredMenu: break;
  }
  return ShowFilteredContextMenu(id, pt, target);
}

bool TCustomLantern::HasContextMenuFilter() { return static_cast<bool>(OnFilterPopupMenu); }

void TCustomLantern::FilterContextMenu(DWORD menuId, HMENU menu) {
  if (OnFilterPopupMenu) OnFilterPopupMenu(this, menuId, menu);
}

HRESULT TCustomLantern::DocGetHostInfo(DOCHOSTUIINFO* info) {
  // Cleared and sized by the record's real size: the 64-bit record is larger
  // than the 20 bytes of the 32-bit one.
  ZeroMemory(info, sizeof *info);
  info->cbSize = sizeof *info;
  info->dwFlags = hostUIFlags_;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  if (OnGetHostInfo) return OnGetHostInfo(this, info);
  return S_OK;
}

HRESULT TCustomLantern::DocShowUI(DWORD id, IOleInPlaceActiveObject* active, IOleCommandTarget* target,
                                  IOleInPlaceFrame* frame, IOleInPlaceUIWindow* doc) {
  return OnShowUI ? OnShowUI(this, id, active, target, frame, doc) : S_FALSE;
}
HRESULT TCustomLantern::DocHideUI() { return OnHideUI ? OnHideUI(this) : S_FALSE; }
HRESULT TCustomLantern::DocUpdateUI() { return OnUpdateUI ? OnUpdateUI(this) : S_FALSE; }
HRESULT TCustomLantern::DocEnableModeless(BOOL enable) {
  return OnEnableModeless ? OnEnableModeless(this, enable) : S_OK;
}
HRESULT TCustomLantern::DocOnDocWindowActivate(BOOL activate) {
  return OnDocWindowActivate ? OnDocWindowActivate(this, activate) : S_FALSE;
}
HRESULT TCustomLantern::DocOnFrameWindowActivate(BOOL activate) {
  return OnOnFrameWindowActivate ? OnOnFrameWindowActivate(this, activate) : S_FALSE;
}
HRESULT TCustomLantern::DocResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) {
  return OnResizeBorder ? OnResizeBorder(this, border, window, frameWindow) : S_FALSE;
}

HRESULT TCustomLantern::FilterCtrlKey(const MSG& msg) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (!CtrlKeyConsumed(ctrlKeyMask_, msg.message == WM_KEYDOWN, ctrl, static_cast<unsigned>(msg.wParam)))
    return S_FALSE;
  if (OnMaskedCtrlChar) OnMaskedCtrlChar(this, static_cast<char>(msg.wParam));
  return S_OK;
}

HRESULT TCustomLantern::DocTranslateAccelerator(LPMSG msg, const GUID* group, DWORD cmdId) {
  HRESULT answer = FilterCtrlKey(*msg);
  if (answer == S_FALSE && OnTranslateAccelerator) return OnTranslateAccelerator(this, msg, group, cmdId);
  return answer;
}

HRESULT TCustomLantern::DocGetOptionKeyPath(LPOLESTR* key, bool overridePath) {
  if (!OptionKeyPath.empty() && OverrideOptionKeyPath == overridePath) *key = TaskMemCopy(OptionKeyPath);
  return S_OK;
}

HRESULT TCustomLantern::DocGetDropTarget(IDropTarget* browserTarget, IDropTarget** target) {
  try {
    switch (dropHandling_) {
      case TDragDropHandlingType::ddtMS:
        SetRegisterAsDropTarget(true);
        return E_NOTIMPL;  // the browser keeps its own drop handling
      case TDragDropHandlingType::ddtMy:
      case TDragDropHandlingType::ddtCustom:
        *target = Site()->DropTarget();
        (*target)->AddRef();
        if (dropHandling_ == TDragDropHandlingType::ddtCustom && OnGetDropTarget)
          OnGetDropTarget(this, browserTarget, target);
        return S_OK;
      case TDragDropHandlingType::ddtNo:
        SetRegisterAsDropTarget(false);
        return S_OK;
    }
  } catch (const EOleError& e) {
    return e.Code();
  }
  return S_OK;
}

void TCustomLantern::SetDropHandlingType(TDragDropHandlingType type) {
  dropHandling_ = type;
  ApplyDropHandling();
}

void TCustomLantern::ApplyDropHandling() {
  HWND doc = DocumentWindow();
  if (!doc) return;  // the browser asks GetDropTarget when it makes its document window
  RevokeDragDrop(doc);
  switch (dropHandling_) {
    case TDragDropHandlingType::ddtMS:
      SetRegisterAsDropTarget(true);
      break;
    case TDragDropHandlingType::ddtMy:
    case TDragDropHandlingType::ddtCustom: {
      IDropTarget* target = Site()->DropTarget();
      target->AddRef();
      if (dropHandling_ == TDragDropHandlingType::ddtCustom && OnGetDropTarget) OnGetDropTarget(this, nullptr, &target);
      if (target) {
        RegisterDragDrop(doc, target);
        target->Release();
      }
      break;
    }
    case TDragDropHandlingType::ddtNo:
      SetRegisterAsDropTarget(false);
      break;
  }
}

HRESULT TCustomLantern::DocGetExternal(IDispatch** external) {
  return OnGetExternal ? OnGetExternal(this, external) : S_FALSE;
}
HRESULT TCustomLantern::DocTranslateUrl(DWORD translate, LPWSTR url, LPWSTR* out) {
  return OnTranslateUrl ? OnTranslateUrl(this, translate, url, out) : S_FALSE;
}
HRESULT TCustomLantern::DocFilterDataObject(IDataObject* in, IDataObject** out) {
  return OnFilterDataObject ? OnFilterDataObject(this, in, out) : S_FALSE;
}
HRESULT TCustomLantern::DocShowMessage(HWND hwnd, LPOLESTR text, LPOLESTR caption, DWORD type, LPOLESTR helpFile,
                                       DWORD helpContext, LRESULT* result) {
  return OnShowMessage ? OnShowMessage(this, hwnd, text, caption, type, helpFile, helpContext, result) : S_FALSE;
}

HRESULT TCustomLantern::DocShowHelp(HWND hwnd, LPOLESTR helpFile, UINT command, DWORD data, POINT pt,
                                    IDispatch* element) {
  if (OnShowHelpRequest) return OnShowHelpRequest(this, hwnd, helpFile, command, data, pt, element);
  if ((helpFile && *helpFile) || HelpFile.empty()) return S_FALSE;
  using HtmlHelpAFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  static HMODULE library = LoadLibraryW(L"hhctrl.ocx");
  auto htmlHelp = library ? reinterpret_cast<HtmlHelpAFn>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA"))) : nullptr;
  if (!htmlHelp) return S_FALSE;
  int n = WideCharToMultiByte(CP_ACP, 0, HelpFile.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string file(n > 0 ? n : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, HelpFile.c_str(), -1, file.data(), n, nullptr, nullptr);
  htmlHelp(hwnd, file.c_str(), command, data);
  return S_OK;
}

// --- commands ---------------------------------------------------------------

HRESULT TCustomLantern::CmdQueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) { return S_OK; }

HRESULT TCustomLantern::HandleScriptError(VARIANT*, VARIANT* out) {
  ScriptErrorAnswer answer = AnswerScriptError(ScriptErrorAction);
  if (answer.setContinue && out) {
    VariantClear(out);
    out->vt = VT_BOOL;
    out->boolVal = answer.continueScripts ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return answer.result;
}

HRESULT TCustomLantern::CmdExec(const GUID* group, DWORD cmdId, DWORD options, VARIANT* in, VARIANT* out) {
  HRESULT answer = OLECMDERR_E_NOTSUPPORTED;
  if (group && IsEqualGUID(*group, kCgidExplorer) && cmdId == kCmdUnload && OnUnload) {
    OnUnload(this);
    return S_OK;
  }
  if (group && IsEqualGUID(*group, kCgidDocHostCommandHandler)) {
    if (cmdId == kCmdShowScriptError) return HandleScriptError(in, out);
    if (IsRefreshCommand(cmdId)) {
      if (!OnRefresh) return answer;
      bool cancel = false;
      OnRefresh(this, cmdId, cancel);
      return cancel ? S_OK : answer;
    }
  }
  if (OnCommandExec) OnCommandExec(this, group, cmdId, options, in, out, answer);
  return answer;
}

// --- services ---------------------------------------------------------------

HRESULT TCustomLantern::ServiceQuery(REFGUID service, REFIID riid, void** out) {
  return LookupService(service, riid, out);
}

HRESULT TCustomLantern::LookupService(REFGUID service, REFIID riid, void** out) {
  IUnknown* object = nullptr;
  if (IsEqualGUID(service, IID_INewWindowManager) && OnEvaluateNewWindow) {
    object = CreateNewWindowManager(Site());
  } else if (IsEqualGUID(service, IID_IDownloadManager) && OnFileDownload) {
    object = CreateDownloadManager(Site());
  } else if (IsEqualGUID(service, IID_IHTMLOMWindowServices) &&
             (FloatingHosting || OnMove || OnMoveBy || OnResize || OnResizeBy)) {
    object = CreateWindowServices(Site());
  } else {
    return OnQueryService ? OnQueryService(this, service, riid, out) : E_NOINTERFACE;
  }
  if (!object) return E_OUTOFMEMORY;
  HRESULT hr = object->QueryInterface(riid, out);
  object->Release();
  return hr;
}

HRESULT TCustomLantern::WindowServiceMove(bool relative, long x, long y) {
  if (tk::TCustomForm* form = FloatingHosting ? ParentForm() : nullptr)
    form->SetBounds(relative ? form->Left() + x : x, relative ? form->Top() + y : y, form->Width(), form->Height());
  auto& event = relative ? OnMoveBy : OnMove;
  if (event) event(this, x, y);
  return S_OK;
}

HRESULT TCustomLantern::WindowServiceSize(bool relative, long x, long y) {
  if (tk::TCustomForm* form = FloatingHosting ? ParentForm() : nullptr)
    form->SetBounds(form->Left(), form->Top(), relative ? form->Width() + x : x, relative ? form->Height() + y : y);
  auto& event = relative ? OnResizeBy : OnResize;
  if (event) event(this, x, y);
  return S_OK;
}

// --- zoom and drop ------------------------------------------------------------

HRESULT TCustomLantern::ZoomPercentChanged(ULONG percent) {
  return OnZoomPercentChange ? OnZoomPercentChange(this, percent) : S_FALSE;
}
HRESULT TCustomLantern::DropEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return OnDragEnter ? OnDragEnter(this, data, keys, pt, effect) : S_OK;
}
HRESULT TCustomLantern::DropOver(DWORD keys, POINTL pt, DWORD* effect) {
  return OnDragOver2 ? OnDragOver2(this, keys, pt, effect) : S_OK;
}
HRESULT TCustomLantern::DropLeave() { return OnDragLeave ? OnDragLeave(this) : S_OK; }
HRESULT TCustomLantern::DropDrop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) {
  return OnDropEvent ? OnDropEvent(this, data, keys, pt, effect) : S_OK;
}

}  // namespace kinopod::lnt
