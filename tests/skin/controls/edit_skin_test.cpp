// The edit box's geometry and pictures from its record, checked against
// per-pixel references, and its window-free rules: the line-break filter,
// the keys it routes, the context menu's enabling and the keyboard request.
#include <gtest/gtest.h>

#include <array>

#include "vxEditSkin.h"

namespace vx {
namespace {

TvxPixmap Numbered(int w, int h) {
  TvxPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakePixel(x, y, (x * 31 + y * 17) & 255));
  return p;
}

// The shape of the program's "edit": 57 x 21, ends 4 and 6, text inset 3.
TvxDataSkinEditControl EditRecord() {
  TvxDataSkinEditControl r;
  r.pictureindex = 0;
  r.skinrect = {10, 20, 67, 41};
  r.lefttoppoint = {4, 10};
  r.righttoppoint = {51, 11};
  r.clientrect = {3, 3, 54, 18};
  r.fontcolor = 5849125;
  r.activefontcolor = 111;
  r.disabledfontcolor = 14144205;
  return r;
}

TEST(EditSkin, CopiesTheRecordWithItsFallBacks) {
  TvxDataSkinEditControl r = EditRecord();
  r.activebuttonrect = {1, 2, 3, 4};
  TvxEditSkin s = TvxEditSkin::From(r, 1);
  EXPECT_EQ(s.pictureIndex, 0);
  EXPECT_EQ(s.leftWidth, 4);
  EXPECT_EQ(s.rightWidth, 6);
  EXPECT_EQ(s.activeskinrect, s.skinrect) << "an empty active image is the normal one";
  EXPECT_EQ(s.downbuttonrect, PixRect(1, 2, 3, 4)) << "an empty pressed button is the active one";
  r.activeskinrect = {100, 20, 157, 41};
  r.pictureindex = 1;
  s = TvxEditSkin::From(r, 1);
  EXPECT_EQ(s.activeskinrect, PixRect(100, 20, 157, 41));
  EXPECT_EQ(s.pictureIndex, -1) << "an index past the pictures is none";
}

TEST(EditSkin, FrameInsetsAndTextArea) {
  const TvxEditSkin s = TvxEditSkin::From(EditRecord(), 1);
  const TvxEditInsets in = EditFrameInsets(&s, {}, 121, 21);
  EXPECT_EQ((std::array{in.left, in.top, in.right, in.bottom}), (std::array{3, 3, 3, 3}));
  EXPECT_EQ(EditTextArea(&s, {}, 121, 21), PixRect(3, 3, 118, 18));
  // With UseSkinFont off the control may be higher: the text area follows.
  EXPECT_EQ(EditTextArea(&s, {false, false}, 121, 30), PixRect(3, 3, 118, 27));

  EXPECT_EQ(EditTextArea(nullptr, {}, 121, 18), PixRect(2, 2, 119, 16));
  EXPECT_EQ(EditTextArea(nullptr, {true, true}, 121, 18), PixRect(2, 2, 121 - 18 - 2, 16))
      << "the button square is outside the text";
}

TEST(EditSkin, InsetsNeverExceedTheWindow) {
  TvxDataSkinEditControl r = EditRecord();
  r.clientrect = {-40, 30, 500, -9};  // nonsense from a hostile skin
  const TvxEditSkin s = TvxEditSkin::From(r, 1);
  for (int w : {0, 1, 5, 121})
    for (int h : {0, 3, 21}) {
      const TvxEditInsets in = EditFrameInsets(&s, {}, w, h);
      EXPECT_GE(in.left, 0);
      EXPECT_GE(in.right, 0);
      EXPECT_GE(in.top, 0);
      EXPECT_GE(in.bottom, 0);
      EXPECT_LE(in.left + in.right, w);
      EXPECT_LE(in.top + in.bottom, h);
      const PixRect t = EditTextArea(&s, {}, w, h);
      EXPECT_GE(t.Width(), 0);
      EXPECT_GE(t.Height(), 0);
    }
  EXPECT_EQ(EditTextArea(nullptr, {true, true}, 10, 18).Width(), 0) << "a button wider than the box";
}

TEST(EditSkin, ButtonStaysAtTheRightEnd) {
  TvxDataSkinEditControl r = EditRecord();
  r.buttonrect = {40, 2, 55, 19};  // starts left of the right end part (51 on)
  TvxEditSkin s = TvxEditSkin::From(r, 1);
  EXPECT_EQ(EditButtonRect(&s, {true, true}, 121, 21), PixRect(40, 2, 55, 19)) << "left of the right end: stays";
  r.buttonrect = {51, 2, 56, 19};
  s = TvxEditSkin::From(r, 1);
  EXPECT_EQ(EditButtonRect(&s, {true, true}, 121, 21), PixRect(51 + 64, 2, 56 + 64, 19));
  EXPECT_EQ(EditButtonRect(&s, {true, false}, 121, 30), PixRect(51 + 64, 2, 56 + 64, 28));
  EXPECT_EQ(EditButtonRect(nullptr, {true, true}, 121, 18), PixRect(103, 0, 121, 18));
}

TEST(EditSkin, HeightFromTheFont) {
  const TvxEditSkin s = TvxEditSkin::From(EditRecord(), 1);
  EXPECT_EQ(EditHeightForFont(nullptr, 16), 20);
  EXPECT_EQ(EditHeightForFont(&s, 16), 16 + 21 - 15);
}

TEST(EditSkin, FrameIsThreePartsAcrossAtThePicturesHeight) {
  const TvxPixmap pic = Numbered(80, 50);
  const TvxEditSkin s = TvxEditSkin::From(EditRecord(), 1);
  TvxPixmap out;
  DrawEditFrame(&pic, s, {}, {}, 121, 21, out);
  ASSERT_EQ(out.Width(), 121);
  ASSERT_EQ(out.Height(), 21);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 4; ++x) ASSERT_EQ(out.At(x, y), pic.At(10 + x, 20 + y));
    // The middle (source 4..51, 47 wide) tiled from x = 4.
    for (int x = 4; x < 115; ++x) ASSERT_EQ(out.At(x, y), pic.At(10 + 4 + (x - 4) % 47, 20 + y)) << x << "," << y;
    for (int x = 115; x < 121; ++x) ASSERT_EQ(out.At(x, y), pic.At(10 + 51 + (x - 115), 20 + y));
  }
}

TEST(EditSkin, BackgroundContinuesTheFrameUnderTheText) {
  // The text area's picture is exactly the frame's inner part, in every
  // state: erasing the text leaves the empty box, whatever was typed.
  const TvxPixmap pic = Numbered(200, 50);
  TvxDataSkinEditControl r = EditRecord();
  r.activeskinrect = {100, 20, 157, 41};
  const TvxEditSkin s = TvxEditSkin::From(r, 1);
  for (bool active : {false, true}) {
    TvxEditLook look;
    look.active = active;
    TvxPixmap frame, look2;
    DrawEditFrame(&pic, s, {}, look, 121, 21, frame);
    DrawEditLook(&pic, s, {}, look, 121, 21, look2);
    ASSERT_EQ(frame.Width(), look2.Width());
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 121; ++x) ASSERT_EQ(frame.At(x, y), look2.At(x, y)) << x << "," << y << " active " << active;
    TvxPixmap bg;
    DrawEditBackground(&pic, s, {}, active, 115, 15, bg);
    EXPECT_EQ(bg.At(0, 0), frame.At(3, 3));
    EXPECT_EQ(bg.At(114, 14), frame.At(117, 17));
    EXPECT_EQ(bg.At(0, 0), pic.At((active ? 100 : 10) + 3, 20 + 3)) << "the state's client piece";
  }
}

TEST(EditSkin, StretchedFrameWithoutSkinFontLeavesTheClientOut) {
  const TvxPixmap pic = Numbered(80, 50);
  const TvxEditSkin s = TvxEditSkin::From(EditRecord(), 1);
  TvxPixmap out;
  DrawEditFrame(&pic, s, {false, false}, {}, 121, 30, out);
  ASSERT_EQ(out.Height(), 30);
  EXPECT_EQ(out.At(0, 0), pic.At(10, 20)) << "corner copied";
  EXPECT_EQ(out.At(120, 29), pic.At(66, 40));
  EXPECT_EQ(out.At(60, 15), 0u) << "the client part is the text's";
  TvxPixmap bg;
  DrawEditBackground(&pic, s, {false, false}, false, 115, 24, bg);
  EXPECT_EQ(bg.Height(), 24) << "stretched to the text area";
  EXPECT_EQ(bg.At(0, 23), pic.At(13, 20 + 17));
}

TEST(EditSkin, ButtonPieceFollowsTheLook) {
  TvxDataSkinEditControl r = EditRecord();
  r.activebuttonrect = {0, 0, 10, 10};
  r.unenabledbuttonrect = {20, 0, 30, 10};
  const TvxEditSkin s = TvxEditSkin::From(r, 1);
  EXPECT_TRUE(EditButtonPiece(s, {}).IsEmpty()) << "the frame's own button";
  EXPECT_EQ(EditButtonPiece(s, {false, true, true, false}), PixRect(0, 0, 10, 10));
  EXPECT_EQ(EditButtonPiece(s, {false, true, true, true}), PixRect(0, 0, 10, 10)) << "pressed falls back to active";
  EXPECT_TRUE(EditButtonPiece(s, {false, true, false, true}).IsEmpty()) << "pressed but off the button";
  EXPECT_EQ(EditButtonPiece(s, {false, false, true, true}), PixRect(20, 0, 30, 10));

  const TvxPixmap pic = Numbered(80, 50);
  r.buttonrect = {51, 2, 56, 19};
  const TvxEditSkin sb = TvxEditSkin::From(r, 1);
  TvxPixmap out;
  DrawEditFrame(&pic, sb, {true, true}, {false, true, true, false}, 121, 21, out);
  EXPECT_EQ(out.At(115, 2), pic.At(1, 0)) << "the hot piece over the moved button (pixel centres)";
  EXPECT_EQ(out.At(119, 18), pic.At(9, 9)) << "scaled to the button";
  EXPECT_EQ(out.At(114, 2), pic.At(10 + 4 + (114 - 4) % 47, 20 + 2)) << "the frame beside it";
}

TEST(EditSkin, NoPictureOrEmptyStateDrawsNothing) {
  TvxDataSkinEditControl r = EditRecord();
  const TvxEditSkin s = TvxEditSkin::From(r, 1);
  TvxPixmap out;
  DrawEditLook(nullptr, s, {}, {}, 50, 21, out);
  EXPECT_EQ(out.Width(), 50);
  EXPECT_EQ(out.At(10, 10), 0u);
  r.skinrect = {};
  const TvxPixmap pic = Numbered(80, 50);
  DrawEditLook(&pic, TvxEditSkin::From(r, 1), {}, {}, 50, 21, out);
  EXPECT_EQ(out.At(10, 10), 0u);
  DrawEditLook(&pic, TvxEditSkin::From(EditRecord(), 1), {}, {}, 0, 0, out);
  EXPECT_TRUE(out.Empty());
}

TEST(EditRules, KeepsTheFirstLine) {
  EXPECT_EQ(FirstLine(L"abc\r\ndef"), L"abc");
  EXPECT_EQ(FirstLine(L"abc\ndef"), L"abc");
  EXPECT_EQ(FirstLine(L"abc\rdef"), L"abc");
  EXPECT_EQ(FirstLine(L"\r\nabc"), L"");
  EXPECT_EQ(FirstLine(L" c++ & 50% off"), L" c++ & 50% off");
  EXPECT_TRUE(IsRoutedKey(L'\r'));
  EXPECT_TRUE(IsRoutedKey(L'\n')) << "Ctrl+Enter";
  EXPECT_TRUE(IsRoutedKey(0x1B));
  EXPECT_FALSE(IsRoutedKey(L'a'));
  EXPECT_FALSE(IsRoutedKey(0x08)) << "Backspace edits";
}

TEST(EditRules, MenuEntriesAndTheirEnabling) {
  ASSERT_EQ(kEditMenu[0].command, TvxEditCommand::undo);
  EXPECT_STREQ(kEditMenu[1].fallback, "-");
  EXPECT_STREQ(kEditMenu[7].captionKey, "EDIT_SELECTALL");

  TvxEditMenuState s;
  s.textLength = 5;
  using C = TvxEditCommand;
  // No selection: only Select All (and Paste with text on the clipboard).
  EXPECT_FALSE(EditCommandEnabled(C::cut, s));
  EXPECT_FALSE(EditCommandEnabled(C::copy, s));
  EXPECT_FALSE(EditCommandEnabled(C::del, s));
  EXPECT_FALSE(EditCommandEnabled(C::paste, s));
  EXPECT_FALSE(EditCommandEnabled(C::undo, s));
  EXPECT_TRUE(EditCommandEnabled(C::selectAll, s));
  s.clipboardHasText = true;
  s.canUndo = true;
  EXPECT_TRUE(EditCommandEnabled(C::paste, s));
  EXPECT_TRUE(EditCommandEnabled(C::undo, s));
  s.selStart = 1;
  s.selEnd = 3;
  EXPECT_TRUE(EditCommandEnabled(C::cut, s));
  EXPECT_TRUE(EditCommandEnabled(C::copy, s));
  EXPECT_TRUE(EditCommandEnabled(C::del, s));
  s.readOnly = true;
  EXPECT_FALSE(EditCommandEnabled(C::cut, s));
  EXPECT_FALSE(EditCommandEnabled(C::paste, s));
  EXPECT_FALSE(EditCommandEnabled(C::del, s));
  EXPECT_FALSE(EditCommandEnabled(C::undo, s));
  EXPECT_TRUE(EditCommandEnabled(C::copy, s)) << "copying changes nothing";
  s.selStart = 0;
  s.selEnd = 5;
  EXPECT_FALSE(EditCommandEnabled(C::selectAll, s)) << "all selected";
  s = {};
  EXPECT_FALSE(EditCommandEnabled(C::selectAll, s)) << "an empty text is all selected";
}

TEST(EditRules, OnlyMinusOneMinusOneIsTheKeyboard) {
  EXPECT_TRUE(IsKeyboardMenuRequest(-1, -1));
  EXPECT_FALSE(IsKeyboardMenuRequest(-1, 200)) << "a left monitor's column";
  EXPECT_FALSE(IsKeyboardMenuRequest(-300, -1)) << "a monitor above and left";
  EXPECT_FALSE(IsKeyboardMenuRequest(-1280, 400));
  EXPECT_FALSE(IsKeyboardMenuRequest(0, 0));
}

}  // namespace
}  // namespace vx
