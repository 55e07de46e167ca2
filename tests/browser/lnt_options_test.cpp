// The browser host's pure rules: flag tables, control-key mask, script-error
// and context-menu decisions, dialog captions, user-agent token.
#include <gtest/gtest.h>

#include "LntOptions.h"

using namespace kinopod::lnt;
using D = TDownloadControlOption;
using U = TUserInterfaceOption;

TEST(LntFlags, DownloadControlValuesOfBothBrowsersAndTheEmptySet) {
  EXPECT_EQ(DownloadControlValue({D::DownloadImages, D::DownloadVideos, D::DownloadBGSounds}), 0x70u);
  EXPECT_EQ(DownloadControlValue({D::DownloadImages, D::DontExecuteJava, D::DontDownloadActiveX}), 0x510u);
  EXPECT_EQ(DownloadControlValue({}), 0u);
}

TEST(LntFlags, DownloadControlBitsEitherSideOfTheGap) {
  EXPECT_EQ(DownloadControlValue({D::EnableUrlIfEncodingUTF8}), 0x00040000u);
  EXPECT_EQ(DownloadControlValue({D::ForceOfflineMode}), 0x10000000u);
  EXPECT_EQ(DownloadControlValue({D::WorkOffline}), 0x80000000u);
  TDownloadControlOptions all;
  for (unsigned i = 0; i <= 18; ++i) all.Include(static_cast<D>(i));
  EXPECT_EQ(DownloadControlValue(all), 0xF007FFF0u);
}

TEST(LntFlags, HostUIFlagsSkipTheMissingBit) {
  EXPECT_EQ(HostUIFlagValue({U::DontUseScrollBars}), 0x8u);
  EXPECT_EQ(HostUIFlagValue({}), 0u);
  EXPECT_EQ(HostUIFlagValue({U::EnablesFormsAutoComplete}), 0x4000u);
  EXPECT_EQ(HostUIFlagValue({U::ForceSameWindowNavigation}), 0x10000u);
  EXPECT_EQ(HostUIFlagValue({U::ForceUserActivationOnActiveXJava}), 0x20000000u);
  TUserInterfaceOptions all;
  for (unsigned i = 0; i <= 28; ++i) all.Include(static_cast<U>(i));
  EXPECT_EQ(HostUIFlagValue(all), 0x3FFF7FFFu);
}

TEST(LntRules, ScriptErrorActions) {
  auto go = AnswerScriptError(TScriptErrorAction::eaContinue);
  EXPECT_EQ(go.result, kS_OK);
  EXPECT_TRUE(go.setContinue && go.continueScripts);
  auto stop = AnswerScriptError(TScriptErrorAction::eaCancel);
  EXPECT_EQ(stop.result, kS_OK);
  EXPECT_TRUE(stop.setContinue);
  EXPECT_FALSE(stop.continueScripts);
  auto ask = AnswerScriptError(TScriptErrorAction::eaAskUser);
  EXPECT_EQ(ask.result, kS_FALSE);
  EXPECT_FALSE(ask.setContinue);
}

TEST(LntRules, ControlKeyMask) {
  EXPECT_TRUE(CtrlKeyConsumed("N", true, true, 'N'));
  EXPECT_FALSE(CtrlKeyConsumed("N", true, true, 'C'));
  EXPECT_FALSE(CtrlKeyConsumed("N", true, false, 'N'));  // no Ctrl
  EXPECT_FALSE(CtrlKeyConsumed("N", false, true, 'N'));  // not a key-down
  EXPECT_FALSE(CtrlKeyConsumed("", true, true, 'N'));
  EXPECT_FALSE(CtrlKeyConsumed("n", true, true, 'N'));   // virtual keys of letters are capitals
  EXPECT_FALSE(CtrlKeyConsumed("N", true, true, 0x14E)); // beyond one byte: never a letter

  std::string mask = "N";
  SetMaskLetter(mask, 'A', true);
  SetMaskLetter(mask, 'A', true);
  EXPECT_EQ(mask, "NA");
  SetMaskLetter(mask, 'N', false);
  EXPECT_EQ(mask, "A");
  mask = "AXA";
  SetMaskLetter(mask, 'A', false);  // only the first occurrence goes
  EXPECT_EQ(mask, "XA");
  EXPECT_TRUE(MaskHasLetter(mask, 'A'));
}

TEST(LntRules, ContextMenuDecision) {
  using M = TIEPopupMenu;
  EXPECT_EQ(DecideContextMenu({}, 0, false), ContextMenuAnswer::BrowserMenu);
  EXPECT_EQ(DecideContextMenu({M::rcmAll}, 4, false), ContextMenuAnswer::Suppress);
  EXPECT_EQ(DecideContextMenu({M::rcmAll}, 0xFFFFFFFFu, true), ContextMenuAnswer::Suppress);
  EXPECT_EQ(DecideContextMenu({M::rcmImage}, 1, false), ContextMenuAnswer::Suppress);
  EXPECT_EQ(DecideContextMenu({M::rcmImage}, 0, true), ContextMenuAnswer::FilteredMenu);
  // Identifiers of 10 and more are never single members (10 is rcmAll's ordinal).
  EXPECT_EQ(DecideContextMenu({M::rcmAll}, 10, false), ContextMenuAnswer::Suppress);
  EXPECT_EQ(DecideContextMenu({M::rcmDebug}, 10, false), ContextMenuAnswer::BrowserMenu);
  EXPECT_EQ(DecideContextMenu({M::rcmDefault}, 40, false), ContextMenuAnswer::BrowserMenu);
}

TEST(LntRules, PopupItemCommands) {
  EXPECT_EQ(PopupMenuItemCommand(TIEPopupMenuItem::rcsBack), 2282u);
  EXPECT_EQ(PopupMenuItemCommand(TIEPopupMenuItem::rcsSelectAll), 31u);
  EXPECT_EQ(PopupMenuItemCommand(TIEPopupMenuItem::rcsOpenLink), 2136u);
}

TEST(LntRules, DialogCaptionRewrite) {
  std::wstring newCaption;
  EXPECT_EQ(RewriteDialogCaption(L"Microsoft Internet Explorer", newCaption), L"Web Browser");
  EXPECT_EQ(newCaption, L"Web Browser");
  EXPECT_EQ(RewriteDialogCaption(L"Internet Explorer Script Error", newCaption), L"Web Browser Script Error");
  EXPECT_EQ(RewriteDialogCaption(L"Security Alert", newCaption), L"Web Browser:  Security Alert");
  std::wstring own = L"Kinopod";
  EXPECT_EQ(RewriteDialogCaption(L"Internet Explorer and Internet Explorer", own), L"Kinopod and Kinopod");
  // A new caption containing the old name must not loop.
  std::wstring nested = L"Internet Explorer 2";
  EXPECT_EQ(RewriteDialogCaption(L"Internet Explorer", nested), L"Internet Explorer 2");

  EXPECT_EQ(ClassifyDialogCaption(L"Web Browser Script Error"), DialogKind::ScriptError);
  EXPECT_EQ(ClassifyDialogCaption(L"javascript problem"), DialogKind::ScriptError);
  EXPECT_EQ(ClassifyDialogCaption(L"An error occurred"), DialogKind::Error);
  EXPECT_EQ(ClassifyDialogCaption(L"Web Browser"), DialogKind::Other);
}

TEST(LntRules, UserAgentToken) {
  const std::wstring& credit = CreditText();
  EXPECT_EQ(credit.rfind(L" Lantern Web Browser from: ", 0), 0u);
  EXPECT_EQ(ComposeUserAgent(credit), credit);
  EXPECT_EQ(ComposeUserAgent(L"Kinopod"), L"Kinopod" + credit);
  EXPECT_TRUE(IsOwnUserAgentToken(credit));
  EXPECT_TRUE(IsOwnUserAgentToken(L"Kinopod" + credit));
  EXPECT_FALSE(IsOwnUserAgentToken(L"SomeOtherProgram 1.0"));
  EXPECT_FALSE(IsOwnUserAgentToken(L"Lantern Web Browser"));
}

TEST(LntRules, WindowPositionEmulation) {
  auto move = EmulateWindowPos(kSwpNoSize | 0x10);
  EXPECT_EQ(move.flags, kSwpNoSize | kSwpNoMove | 0x10);
  EXPECT_TRUE(move.reportMove);
  EXPECT_FALSE(move.reportSize);
  auto size = EmulateWindowPos(kSwpNoMove);
  EXPECT_TRUE(size.reportSize);
  EXPECT_FALSE(size.reportMove);
  auto both = EmulateWindowPos(0);
  EXPECT_EQ(both.flags, 0u);
  EXPECT_FALSE(both.reportMove || both.reportSize);
}

TEST(LntRules, ProxyStringAndZoomClamp) {
  EXPECT_EQ(ProxyServerString(L"proxy.local", 8080, false), L"proxy.local:8080");
  EXPECT_EQ(ProxyServerString(L"proxy.local", 8080, true), L"proxy.local");
  EXPECT_EQ(ClampZoom(2, 0, 4), 2);
  EXPECT_EQ(ClampZoom(2, 3, 4), 3);
  EXPECT_EQ(ClampZoom(2, 0, 1), 1);
  EXPECT_EQ(ClampZoom(2, 4, 0), 2);
}
