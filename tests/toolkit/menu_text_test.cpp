// Accelerators and shortcut names of menu captions.
#include <gtest/gtest.h>

#include "tkMenuText.h"

using namespace tk;

namespace {

TEST(MenuTextTest, AcceleratorsIgnoreCaseAndLiteralAmpersands) {
  EXPECT_EQ(GetHotkey(L"&File"), L'F');
  EXPECT_EQ(GetHotkey(L"Save &as"), L'a');
  EXPECT_EQ(GetHotkey(L"Fish && &Chips"), L'C') << "a doubled ampersand is text";
  EXPECT_EQ(GetHotkey(L"A&&B"), 0);
  EXPECT_EQ(GetHotkey(L"Trailing&"), 0);
  EXPECT_EQ(GetHotkey(L""), 0);

  EXPECT_TRUE(IsAccel(L'f', L"&File"));
  EXPECT_TRUE(IsAccel(L'F', L"&file"));
  EXPECT_FALSE(IsAccel(L'i', L"&File"));
  EXPECT_FALSE(IsAccel(0, L"No accelerator"));
  EXPECT_FALSE(IsAccel(L'&', L"A&&B"));
  // Beyond ASCII too: Cyrillic, Greek (both sigmas), Latin-1, Latin Extended-A.
  EXPECT_TRUE(IsAccel(L'\u0444', L"&\u0424\u0430\u0439\u043b"));  // ф / Ф
  EXPECT_TRUE(IsAccel(L'\u0451', L"&\u0401"));                    // ё / Ё
  EXPECT_TRUE(IsAccel(L'\u03c2', L"&\u03a3"));
  EXPECT_TRUE(IsAccel(L'\u00e9', L"&\u00c9t\u00e9"));             // é / É
  EXPECT_TRUE(IsAccel(L'\u0142', L"&\u0141\u00f3d\u017a"));       // ł / Ł
  EXPECT_TRUE(IsAccel(L'\u017e', L"&\u017d"));                    // ž / Ž
  EXPECT_FALSE(IsAccel(L'\u00d7', L"&\u00f7")) << "signs have no case";
  EXPECT_TRUE(IsAccel(L'\u641c', L"\u641c\u7d22(&\u641c)"));     // CJK: itself only

  EXPECT_EQ(StripHotkey(L"Fish && &Chips"), L"Fish & Chips");
  EXPECT_EQ(StripHotkey(L"&&&A&"), L"&A");
}

TEST(MenuTextTest, ShortcutsRoundTripThroughText) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(0x73, scAlt)), L"Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(0x2E, scShift | scCtrl)), L"Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(ShortCut(0x6B, 0)), L"Num +");
  EXPECT_EQ(ShortCutToText(scNone), L"");
  EXPECT_EQ(ShortCutToText(ShortCut(0xE7, scCtrl)), L"") << "a key without a name";

  for (TShortCut s : {ShortCut('S', scCtrl), ShortCut(0x73, scAlt), ShortCut(0x2E, scShift | scCtrl),
                      ShortCut(0x6B, scCtrl), ShortCut(0x7B, 0), ShortCut('9', scAlt | scShift)})
    EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s);
  EXPECT_EQ(TextToShortCut(L" ctrl + shift + s "), ShortCut('S', scCtrl | scShift));
  EXPECT_EQ(TextToShortCut(L"Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut(L"Hyper+S"), scNone);
  EXPECT_EQ(TextToShortCut(L"Ctrl+Banana"), scNone);
  EXPECT_EQ(TextToShortCut(L""), scNone);
}

}  // namespace
