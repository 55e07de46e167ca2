// TLantern: option records, after-loading set-up, host style sheet and
// namespace, context-menu item filter, close query and text-size reset.
#include "Lantern.h"

#include <docobj.h>

#include "LntProcess.h"

namespace kinopod::lnt {
namespace {

// Windows XP Service Pack 2 or later; false where the version test is missing.
bool DetectXPSP2OrLater() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  using VerifyFn = BOOL(WINAPI*)(OSVERSIONINFOEXW*, DWORD, DWORDLONG);
  using MaskFn = ULONGLONG(WINAPI*)(ULONGLONG, DWORD, BYTE);
  auto verify = kernel ? reinterpret_cast<VerifyFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VerifyVersionInfoW"))) : nullptr;
  auto mask = kernel ? reinterpret_cast<MaskFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VerSetConditionMask"))) : nullptr;
  if (!verify || !mask) return false;
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof info;
  info.dwMajorVersion = 5;
  info.dwMinorVersion = 1;
  info.wServicePackMajor = 2;
  ULONGLONG condition = 0;
  condition = mask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
  condition = mask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
  condition = mask(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return verify(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, condition) != FALSE;
}

}  // namespace

void TDisableErrors::SetfpExceptions(bool value) {
  fpExceptions_ = value;
  Set8087CW(value ? Process().fpControlWord : kAllFpExceptionsMasked);
}

TLantern::TLantern(tk::TComponent* owner) : TCustomLantern(owner) {
  about_ = CreditText();
  UserAgent = CreditText();
  disableErrors_ = std::make_unique<TDisableErrors>();
  dialogBoxes_ = std::make_unique<TDialogBoxes>();
  printOptions_ = std::make_unique<TPrintOptions>();
  proxySettings_ = std::make_unique<TProxySettings>();
  shortCuts_ = std::make_unique<TShortCuts>(*this);
  visualEffects_ = std::make_unique<TVisualEffects>();
  xpsp2_ = DetectXPSP2OrLater();
  SetWindowPosEmulation(!xpsp2_);
  EnableMessageHandler = true;
}

TLantern::~TLantern() {
  if (visualEffects_->TextSize != 2) ResetTextSize();
  RemoveOwnerWatch();
}

void TLantern::ResetTextSize() {
  try {
    IWebBrowser2* browser = DefaultInterface();
    VARIANT range;
    VariantInit(&range);
    int target = 2;
    if (SUCCEEDED(browser->ExecWB(OLECMDID_GETZOOMRANGE, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, &range)) &&
        (range.vt == VT_I4 || range.vt == VT_UI4))
      target = ClampZoom(2, static_cast<SHORT>(LOWORD(range.lVal)), static_cast<SHORT>(HIWORD(range.lVal)));
    VARIANT zoom;
    VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = target;
    browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
  } catch (const EOleError&) {
    // A browser that cannot zoom has nothing to reset.
  }
}

void TLantern::Loaded() {
  TCustomLantern::Loaded();
  EnableMessageHandler = true;
  if (disableErrors_->ScriptErrorsSuppressed) ScriptErrorAction = TScriptErrorAction::eaContinue;
  InstallOwnerWatch();
  if (UserAgent != CreditText()) UserAgent = ComposeUserAgent(UserAgent);
  WriteUserAgentToken(UserAgent);
  if (proxySettings_->AutoLoadProxy && !proxySettings_->Address.empty())
    ApplyProxy({UserAgent, proxySettings_->Address, proxySettings_->UserName, proxySettings_->Password,
                proxySettings_->Port});
  if (visualEffects_->DisableSounds) DisableNavigationSound();
}

HRESULT TLantern::DocGetHostInfo(DOCHOSTUIINFO* info) {
  HRESULT answer = TCustomLantern::DocGetHostInfo(info);
  if (!info->pchHostCss && !HostCSS.empty()) info->pchHostCss = TaskMemCopy(HostCSS);
  if (!info->pchHostNS && !HostNS.empty()) info->pchHostNS = TaskMemCopy(HostNS);
  return answer;
}

bool TLantern::HasContextMenuFilter() {
  return TCustomLantern::HasContextMenuFilter() || !DisabledPopupMenuItems.Empty();
}

void TLantern::FilterContextMenu(DWORD menuId, HMENU menu) {
  TCustomLantern::FilterContextMenu(menuId, menu);
  for (unsigned ord = 0; ord < kPopupMenuItemCount; ++ord) {
    auto item = static_cast<TIEPopupMenuItem>(ord);
    if (DisabledPopupMenuItems.Contains(item)) DeleteMenu(menu, PopupMenuItemCommand(item), MF_BYCOMMAND);
  }
}

void TLantern::WndProc(tk::TMessage& m) {
  if (m.Msg == WM_CLOSE) {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    // The window belongs to the control: it is never destroyed behind the control's back.
    m.Result = 0;
    return;
  }
  TCustomLantern::WndProc(m);
}

}  // namespace kinopod::lnt
