// The pure rules of the browser host (see LntOptions.h).
#include "LntOptions.h"

#include <algorithm>
#include <cwctype>

namespace kinopod::lnt {

std::uint32_t DownloadControlValue(TDownloadControlOptions options) {
  // Members 0..14 are DLCTL bits 0x10 upwards; the last four sit at the top
  // of the word (FORCEOFFLINE .. OFFLINE), after a gap of unused bits.
  std::uint32_t value = 0;
  for (unsigned ord = 0; ord <= 18; ++ord) {
    if (!options.Contains(static_cast<TDownloadControlOption>(ord))) continue;
    value |= ord <= 14 ? (std::uint32_t{1} << (ord + 4)) : (std::uint32_t{1} << (ord + 13));
  }
  return value;
}

std::uint32_t HostUIFlagValue(TUserInterfaceOptions options) {
  // DOCHOSTUIFLAG 0x8000 has no member, so the members after it shift up one.
  std::uint32_t value = 0;
  for (unsigned ord = 0; ord <= 28; ++ord) {
    if (!options.Contains(static_cast<TUserInterfaceOption>(ord))) continue;
    value |= ord <= 14 ? (std::uint32_t{1} << ord) : (std::uint32_t{1} << (ord + 1));
  }
  return value;
}

unsigned PopupMenuItemCommand(TIEPopupMenuItem item) {
  static constexpr unsigned kCommands[kPopupMenuItemCount] = {
      2282, 2283, 2263, 2264, 2265, 2278, 31, 26, 2266, 2261, 2292, 2300, 2139, 28, 27, 2137, 2136};
  auto ord = static_cast<unsigned>(item);
  return ord < kPopupMenuItemCount ? kCommands[ord] : 0;
}

ScriptErrorAnswer AnswerScriptError(TScriptErrorAction action) {
  switch (action) {
    case TScriptErrorAction::eaContinue: return {kS_OK, true, true};
    case TScriptErrorAction::eaCancel: return {kS_OK, true, false};
    case TScriptErrorAction::eaAskUser: break;
  }
  return {kS_FALSE, false, false};
}

bool MaskHasLetter(const std::string& mask, char letter) {
  return mask.find(letter) != std::string::npos;
}

void SetMaskLetter(std::string& mask, char letter, bool on) {
  auto pos = mask.find(letter);
  if (on && pos == std::string::npos) mask.push_back(letter);
  if (!on && pos != std::string::npos) mask.erase(pos, 1);
}

bool CtrlKeyConsumed(const std::string& mask, bool isKeyDown, bool ctrlHeld, unsigned virtualKey) {
  if (mask.empty() || !isKeyDown || !ctrlHeld || virtualKey > 0xFF) return false;
  return MaskHasLetter(mask, static_cast<char>(virtualKey));
}

ContextMenuAnswer DecideContextMenu(TIEPopupMenus disabled, std::uint32_t menuId, bool filterPresent) {
  if (disabled.Contains(TIEPopupMenu::rcmAll)) return ContextMenuAnswer::Suppress;
  if (menuId < 10 && disabled.Contains(static_cast<TIEPopupMenu>(menuId))) return ContextMenuAnswer::Suppress;
  return filterPresent ? ContextMenuAnswer::FilteredMenu : ContextMenuAnswer::BrowserMenu;
}

namespace {

void ReplaceAll(std::wstring& s, const std::wstring& from, const std::wstring& to) {
  if (from.empty()) return;
  for (std::size_t pos = s.find(from); pos != std::wstring::npos; pos = s.find(from, pos + to.size()))
    s.replace(pos, from.size(), to);
}

std::wstring Upper(std::wstring s) {
  std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return s;
}

}  // namespace

std::wstring RewriteDialogCaption(const std::wstring& caption, std::wstring& newCaption) {
  if (newCaption.empty()) newCaption = L"Web Browser";
  std::wstring result = caption;
  ReplaceAll(result, L"Microsoft ", L"");
  ReplaceAll(result, L"Internet Explorer", newCaption);
  if (result.find(newCaption) == std::wstring::npos) result = newCaption + L":  " + result;
  return result;
}

DialogKind ClassifyDialogCaption(const std::wstring& caption) {
  std::wstring up = Upper(caption);
  if (up.find(L"SCRIPT") != std::wstring::npos) return DialogKind::ScriptError;
  if (up.find(L"ERROR") != std::wstring::npos) return DialogKind::Error;
  return DialogKind::Other;
}

const std::wstring& CreditText() {
  static const std::wstring text = L" Lantern Web Browser from: https://kinopod.example/lantern";
  return text;
}

std::wstring ComposeUserAgent(const std::wstring& userAgent) {
  return userAgent == CreditText() ? userAgent : userAgent + CreditText();
}

bool IsOwnUserAgentToken(const std::wstring& valueName) {
  return valueName.find(CreditText()) != std::wstring::npos;
}

WindowPosEmulation EmulateWindowPos(unsigned flags) {
  bool noMove = (flags & kSwpNoMove) != 0;
  bool noSize = (flags & kSwpNoSize) != 0;
  if (noMove == noSize) return {flags, false, false};
  return {flags | kSwpNoMove | kSwpNoSize, !noMove, !noSize};
}

std::wstring ProxyServerString(const std::wstring& address, int port, bool withUserName) {
  return withUserName ? address : address + L":" + std::to_wstring(port);
}

int ClampZoom(int value, int minimum, int maximum) {
  if (minimum > maximum) return value;  // a nonsensical range clamps nothing
  return std::clamp(value, minimum, maximum);
}

}  // namespace kinopod::lnt
