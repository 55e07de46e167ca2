// The browser host's option vocabulary and the pure rules behind its answers.
//
// Everything here is free of the platform so it can be tested natively: the
// option sets and the flag values they map to, the control-key mask, the
// script-error and context-menu decisions, the dialog caption rewrite of the
// owner-window watch and the user-agent token. The COM side (LntSite*,
// CustomLantern, Lantern) only translates between these rules and the
// browser's calls.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace kinopod::lnt {

// A small set over an enumeration with at most 32 members, in the manner of a
// Pascal set: membership by ordinal.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }
  constexpr void Include(E m) { bits_ |= Bit(m); }
  constexpr void Exclude(E m) { bits_ &= ~Bit(m); }
  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr std::uint32_t Bit(E m) { return std::uint32_t{1} << static_cast<unsigned>(m); }
  std::uint32_t bits_ = 0;
};

enum class TDownloadControlOption : unsigned {
  DownloadImages, DownloadVideos, DownloadBGSounds, DontExecuteScripts, DontExecuteJava,
  DontExecuteActiveX, DontDownloadActiveX, DownloadButDontDisplay, DontDownloadFrame,
  CheckPageResynchronize, DownloadAndIgnoreCache, DontDownloadBehaviors, SuppressedMetaCharset,
  DisableUrlIfEncodingUTF8, EnableUrlIfEncodingUTF8, ForceOfflineMode, DontPerformClientPull,
  DonloadInSilentMode, WorkOffline
};
using TDownloadControlOptions = TSet<TDownloadControlOption>;

enum class TUserInterfaceOption : unsigned {
  DisableTextSelect, DisableHelpMenu, DontUse3DBorders, DontUseScrollBars,
  PostponeScriptUntilActive, ForceOpenNewWindow, Reserved_OFFSCREEN, ForceFlatScrollBars,
  InsertDivTagOnEditMode, ActivateUIOnlyOnDocClick, ConsultBeforeRetrievingBehavior,
  CheckFontSupportsCodePage, DisableSubmitUrlInUTF8, EnableSubmitUrlInUTF8,
  EnablesFormsAutoComplete, ForceSameWindowNavigation, EmableImeLocalLanguages, EnableThemes,
  DisableThemes, DisablePicsRatings, DisableFrameSetBorder, DisablesAutoNameSpaceCorrection,
  DisableLocalFileAccess, DisableUntrustedProtocol, CheckNavigationDelegatedToHost,
  EnableRedirectNotification, EnableDomWindlessControls, EnableWindowedControls,
  ForceUserActivationOnActiveXJava
};
using TUserInterfaceOptions = TSet<TUserInterfaceOption>;

// The DLCTL_* value the browser reads through the DLCONTROL ambient property.
std::uint32_t DownloadControlValue(TDownloadControlOptions options);
// The DOCHOSTUIFLAG_* value handed over in GetHostInfo.
std::uint32_t HostUIFlagValue(TUserInterfaceOptions options);

enum class TScriptErrorAction { eaContinue, eaCancel, eaAskUser };
enum class TDragDropHandlingType { ddtMS, ddtMy, ddtCustom, ddtNo };

// The ordinal is the browser's context-menu identifier; rcmAll stands for all.
enum class TIEPopupMenu : unsigned {
  rcmDefault, rcmImage, rcmControl, rcmTable, rcmSelText, rcmAnchor, rcmUnKnown, rcmImageArt,
  rcmImgDynSrc, rcmDebug, rcmAll
};
using TIEPopupMenus = TSet<TIEPopupMenu>;

enum class TIEPopupMenuItem : unsigned {
  rcsBack, rcsForward, rcsSavePageBkg, rcsSetAsBkg, rcsCopyBkg, rcsSetAsDeskT, rcsSelectAll,
  rcsPaste, rcsCreateSC, rcsAddToFav, rcsEncoding, rcsRefresh, rcsViewSource, rcsProperties,
  rcsPrint, rcsOpenNWindow, rcsOpenLink
};
constexpr unsigned kPopupMenuItemCount = 17;
using TIEPopupMenuItems = TSet<TIEPopupMenuItem>;
// The browser command a context-menu item runs (and that the filter removes).
unsigned PopupMenuItemCommand(TIEPopupMenuItem item);

// Result codes shared by the rules below and the COM side.
constexpr std::int32_t kS_OK = 0;
constexpr std::int32_t kS_FALSE = 1;

// Script errors: what the browser is told, and whether scripts keep running.
struct ScriptErrorAnswer {
  std::int32_t result;     // S_OK or S_FALSE (S_FALSE: the browser asks the user itself)
  bool setContinue;        // whether the output argument is written
  bool continueScripts;
};
ScriptErrorAnswer AnswerScriptError(TScriptErrorAction action);

// The control-key mask: letters whose Ctrl chord the host swallows.
bool MaskHasLetter(const std::string& mask, char letter);
// Appends the letter when absent (on) or removes its first occurrence (off).
void SetMaskLetter(std::string& mask, char letter, bool on);
// True when a key-down with Ctrl held and this virtual-key code is consumed.
bool CtrlKeyConsumed(const std::string& mask, bool isKeyDown, bool ctrlHeld, unsigned virtualKey);

enum class ContextMenuAnswer {
  Suppress,      // S_OK, nothing shown
  BrowserMenu,   // S_FALSE, the browser shows its own menu
  FilteredMenu,  // the host shows the browser's menu through its filter
};
ContextMenuAnswer DecideContextMenu(TIEPopupMenus disabled, std::uint32_t menuId, bool filterPresent);

// The owner-window watch rewrites dialog captions: "Microsoft " goes,
// "Internet Explorer" becomes the new caption, and the new caption is put in
// front when it still does not occur. An empty new caption becomes "Web Browser".
std::wstring RewriteDialogCaption(const std::wstring& caption, std::wstring& newCaption);
enum class DialogKind { Other, ScriptError, Error };
// "SCRIPT" (any case) wins over "ERROR" (any case).
DialogKind ClassifyDialogCaption(const std::wstring& caption);

// The credit text is the component's own user-agent token.
const std::wstring& CreditText();
// The token written to the registry: the user agent with the credit text
// appended once, unless it is the credit text itself.
std::wstring ComposeUserAgent(const std::wstring& userAgent);
// Whether a post-platform value name is one of this program's tokens (also a
// token left behind by an earlier run that did not exit cleanly).
bool IsOwnUserAgentToken(const std::wstring& valueName);

// Page scripts asking the window to move or size on systems before XP SP2:
// a position change carrying exactly one of NOMOVE / NOSIZE gets the other
// too, and the suppressed part is reported.
struct WindowPosEmulation {
  unsigned flags;
  bool reportMove;
  bool reportSize;
};
constexpr unsigned kSwpNoSize = 0x0001;
constexpr unsigned kSwpNoMove = 0x0002;
WindowPosEmulation EmulateWindowPos(unsigned flags);

// The proxy server string handed to WinINet.
std::wstring ProxyServerString(const std::wstring& address, int port, bool withUserName);

int ClampZoom(int value, int minimum, int maximum);

// The x87 control word with every exception masked.
constexpr std::uint16_t kAllFpExceptionsMasked = 0x133F;

}  // namespace kinopod::lnt
