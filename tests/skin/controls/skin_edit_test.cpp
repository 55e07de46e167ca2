// The skinned edit box on a real window with the program's skin: its size
// and non-client frame, the pixels on the screen, the hover and focus
// colours, typing and deleting without leftovers, read-only filtering,
// Enter and Escape, the one-line rules, and the context menu's entries.
#include <gtest/gtest.h>

#include "../ProgramSkinOnForm.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

uint32_t Rgb(vx::Pixel p) { return p & 0xFFFFFF; }

// What the window shows on the screen, frame included.
vx::TvxPixmap Screen(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  tk::TBitmap bitmap(r.right - r.left, r.bottom - r.top);
  HDC dc = GetWindowDC(h);
  BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(h, dc);
  GdiFlush();
  return bitmap.Pixmap();
}

int Differences(const vx::TvxPixmap& a, const vx::TvxPixmap& b, std::string* first = nullptr) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (Rgb(a.At(x, y)) != Rgb(b.At(x, y)) && n++ == 0 && first)
        *first = std::to_string(x) + "," + std::to_string(y);
  return n;
}

void SetClipboardText(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return L"<no clipboard>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

bool menuSeen = false;

void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR, DWORD) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) menuSeen = true;
  EndMenu();
}

class SkinEditTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    SetCursorPos(799, 599);  // away from every window of the test
    app->CreateForm(form);
    form->SetBounds(40, 40, 400, 120);
    skin = vx::testing::AddProgramSkin(form).skin;
    ASSERT_FALSE(skin->Empty());
    edit = new vx::TvxSkinEdit(form);
    edit->SetParent(form);
    edit->SetBounds(232, 16, 121, 18);
    edit->SetSkinData(skin);
    other = new tk::TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 60, 80, 21);
    form->Show();
    other->SetFocus();
  }
  const vx::TvxDataSkinEditControl* Record() {
    return dynamic_cast<const vx::TvxDataSkinEditControl*>(skin->FindControl("edit"));
  }
  // The empty box as the skin draws it.
  vx::TvxPixmap EmptyLook(bool active) {
    const vx::TvxEditSkin s = vx::TvxEditSkin::From(*Record(), static_cast<int>(skin->PictureList.size()));
    vx::TvxEditLook look;
    look.active = active;
    vx::TvxPixmap want;
    vx::DrawEditLook(skin->Picture(s.pictureIndex), s, {}, look, edit->Width(), edit->Height(), want);
    return want;
  }
  // Pumps until the screen shows `want` (bounded); the differences left.
  int WaitForScreen(const vx::TvxPixmap& want, std::string* where = nullptr) {
    int left = -1;
    PumpUntil([&] { return (left = Differences(Screen(edit->Handle()), want, where)) == 0; });
    return left;
  }
  void Type(const std::wstring& keys) {
    for (wchar_t ch : keys) SendMessageW(edit->Handle(), WM_CHAR, ch, 1);
  }

  tk::TForm* form = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxSkinEdit* edit = nullptr;
  tk::TEdit* other = nullptr;
};

TEST_F(SkinEditTest, TakesTheRecordsHeightAndItsFrameInTheNonClientArea) {
  ASSERT_NE(edit->Skin(), nullptr);
  EXPECT_EQ(edit->BoundsRect(), (tk::TRect{232, 16, 353, 37})) << "121 x 21 whatever height it is given";
  edit->SetHeight(40);
  EXPECT_EQ(edit->Height(), 21);
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(client.right, 115);
  EXPECT_EQ(client.bottom, 15);
  POINT origin{0, 0};
  MapWindowPoints(edit->Handle(), form->Handle(), &origin, 1);
  EXPECT_EQ(origin.x, 232 + 3) << "the text area is inset 3 on every side";
  EXPECT_EQ(origin.y, 16 + 3);
  const LONG_PTR style = GetWindowLongPtrW(edit->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & ES_MULTILINE) << "a one-line box";
  EXPECT_FALSE(style & WS_BORDER);
  EXPECT_FALSE(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  // Wider: the frame follows, the height stays.
  edit->SetWidth(150);
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(client.right, 144);
  std::string where;
  EXPECT_EQ(WaitForScreen(EmptyLook(false), &where), 0) << "first difference at " << where;
}

TEST_F(SkinEditTest, ShowsTheEmptyLookFramedOnTheScreenAndTheActiveColoursOnHoverAndFocus) {
  std::string where;
  EXPECT_EQ(WaitForScreen(EmptyLook(false), &where), 0) << "first difference at " << where;
  const vx::TvxDataSkinEditControl* r = Record();
  EXPECT_EQ(edit->Font().Color(), static_cast<tk::TColor>(r->fontcolor));
  edit->Perform(tk::CM_MOUSEENTER);
  EXPECT_TRUE(edit->Look().active);
  EXPECT_EQ(edit->Font().Color(), static_cast<tk::TColor>(r->activefontcolor));
  EXPECT_EQ(WaitForScreen(EmptyLook(true)), 0) << "hovered: the active image";
  edit->Perform(tk::CM_MOUSELEAVE);
  EXPECT_FALSE(edit->Look().active);
  edit->SetFocus();
  EXPECT_TRUE(edit->Look().active);
  EXPECT_EQ(edit->Font().Color(), static_cast<tk::TColor>(r->activefontcolor));
  other->SetFocus();
  EXPECT_FALSE(edit->Look().active);
  EXPECT_EQ(edit->Font().Color(), static_cast<tk::TColor>(r->fontcolor));
}

TEST_F(SkinEditTest, TypingThenDeletingLeavesExactlyTheEmptyLook) {
  const vx::TvxPixmap empty = EmptyLook(false);
  ASSERT_EQ(WaitForScreen(empty), 0);
  Type(L"abc");
  EXPECT_EQ(edit->Text(), L"abc");
  PumpUntil([&] { return Differences(Screen(edit->Handle()), empty) > 20; });
  EXPECT_GT(Differences(Screen(edit->Handle()), empty), 20) << "the text shows";
  Type(L"\b\b\b");
  EXPECT_EQ(edit->Text(), L"");
  std::string where;
  EXPECT_EQ(WaitForScreen(empty, &where), 0) << "left behind at " << where;

  // A selection drawn and taken away again leaves nothing either.
  edit->SetText(L"wide text");
  edit->SelectAll();
  PumpUntilIdle();
  edit->SetSelStart(0);
  edit->SetText(L"");
  EXPECT_EQ(WaitForScreen(empty, &where), 0) << "left behind at " << where;
}

TEST_F(SkinEditTest, EnterCtrlEnterAndEscapeGoToKeyPressNotIntoTheText) {
  std::vector<wchar_t> pressed;
  edit->OnKeyPress = [&](tk::TObject*, wchar_t& key) { pressed.push_back(key); };
  edit->SetText(L"kw");
  edit->SetSelStart(2);
  Type(L"\r\n\x1b");
  EXPECT_EQ(edit->Text(), L"kw");
  EXPECT_EQ(pressed, (std::vector<wchar_t>{L'\r', L'\n', 0x1b}));

  // The form's default button answers Enter typed into the box.
  auto* ok = new vx::TvxSkinButton(form);
  ok->SetParent(form);
  ok->SetBounds(100, 60, 75, 25);
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&](tk::TObject*) { ++clicks; };
  edit->SetFocus();
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(edit->Handle(), WM_CHAR, L'\r', 0x001C0001);
  PumpUntil([&] { return clicks > 0 && pressed.size() == 4; });
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(edit->Text(), L"kw");
}

TEST_F(SkinEditTest, ReadOnlyRefusesEveryChangeButCopying) {
  edit->SetText(L"fixed");
  edit->SetReadOnly(true);
  HWND h = edit->Handle();
  edit->SelectAll();
  Type(L"x\b");
  SendMessageW(h, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(h, WM_KEYUP, VK_DELETE, 0);
  SetClipboardText(h, L"pasted");
  for (UINT m : {WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO}) SendMessageW(h, m, 0, 0);
  EXPECT_EQ(edit->Text(), L"fixed");
  EXPECT_EQ(ClipboardText(h), L"pasted") << "cut refused";
  Type(L"\x03");
  EXPECT_EQ(ClipboardText(h), L"fixed") << "Ctrl+C still copies";

  edit->SetReadOnly(false);
  edit->SelectAll();
  Type(L"y");
  EXPECT_EQ(edit->Text(), L"y");
}

TEST_F(SkinEditTest, NeverHoldsALineBreak) {
  HWND h = edit->Handle();
  SetClipboardText(h, L"abc\r\ndef");
  edit->SetText(L"old");
  edit->SelectAll();
  SendMessageW(h, WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"abc") << "a paste keeps its first line";
  SetClipboardText(h, L"\nxyz");
  SendMessageW(h, WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"abc");
  SetClipboardText(h, L"123");
  SendMessageW(h, WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"abc123") << "at the caret";
  edit->SetText(L"x");
  edit->SelectAll();
  SetClipboardText(h, L"pasted\r\nline two");
  SendMessageW(h, WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"pasted");
  SendMessageW(h, WM_UNDO, 0, 0);
  EXPECT_EQ(edit->Text(), L"x") << "a paste can be undone";

  edit->SetText(L"one\r\ntwo");
  EXPECT_EQ(edit->Text(), L"one");
  edit->SetSelText(L"\rthree");
  EXPECT_EQ(edit->Text(), L"one");
  // Also a text given before the window exists.
  auto* early = new vx::TvxSkinEdit(form);
  early->SetText(L"first\nsecond");
  early->SetParent(form);
  early->HandleNeeded();
  EXPECT_EQ(early->Text(), L"first");
  // Ctrl+V goes the same way.
  SetClipboardText(h, L"v1\nv2");
  edit->SetText(L"");
  Type(L"\x16");
  EXPECT_EQ(edit->Text(), L"v1");
}

TEST_F(SkinEditTest, ContextMenuEntriesTheirEnablingAndActions) {
  HWND h = edit->Handle();
  SetClipboardText(h, L"clip");
  edit->SetText(L"hello");
  edit->SetSelStart(5);
  tk::TPopupMenu* menu = edit->BuildContextMenu();
  ASSERT_EQ(menu->Items()->Count(), 8);
  const wchar_t* captions[] = {L"Undo", L"-", L"Cut", L"Copy", L"Paste", L"Delete", L"-", L"Select All"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(menu->Items()->Items(i)->Caption(), captions[i]);
  auto item = [&](int i) { return edit->ContextMenu()->Items()->Items(i); };
  auto enabled = [&](int i) { return item(i)->Enabled; };
  EXPECT_FALSE(enabled(2)) << "Cut: nothing selected";
  EXPECT_FALSE(enabled(3));
  EXPECT_FALSE(enabled(5));
  EXPECT_TRUE(enabled(4)) << "Paste: text on the clipboard";
  EXPECT_TRUE(enabled(7));

  item(7)->Click();  // Select All
  EXPECT_EQ(edit->SelLength(), 5);
  edit->BuildContextMenu();
  EXPECT_FALSE(enabled(7)) << "everything is selected";
  EXPECT_TRUE(enabled(3));
  item(3)->Click();  // Copy
  EXPECT_EQ(ClipboardText(h), L"hello");
  item(2)->Click();  // Cut
  EXPECT_EQ(edit->Text(), L"");
  edit->BuildContextMenu();
  EXPECT_TRUE(enabled(0)) << "the cut can be undone";
  EXPECT_FALSE(enabled(7)) << "an empty text is all selected";
  item(0)->Click();  // Undo
  EXPECT_EQ(edit->Text(), L"hello");
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  edit->BuildContextMenu();
  item(5)->Click();  // Delete
  EXPECT_EQ(edit->Text(), L"ho");
  SetClipboardText(h, L"a\r\nb");
  edit->BuildContextMenu();
  item(4)->Click();  // Paste
  EXPECT_EQ(edit->Text(), L"hao");

  edit->SetReadOnly(true);
  edit->SelectAll();
  edit->BuildContextMenu();
  EXPECT_FALSE(enabled(2)) << "read-only: no Cut";
  EXPECT_FALSE(enabled(4)) << "no Paste";
  EXPECT_FALSE(enabled(5)) << "no Delete";
  EXPECT_TRUE(enabled(3)) << "Copy stays";
}

TEST_F(SkinEditTest, TheKeyboardsRequestOpensAtTheCaretOthersWhereTheyAre) {
  edit->SetText(L"keyword");
  edit->SetFocus();
  edit->SetSelStart(7);
  POINT caret{};
  ASSERT_TRUE(GetCaretPos(&caret));
  POINT screenCaret = caret;
  ClientToScreen(edit->Handle(), &screenCaret);
  const tk::TPoint at = edit->ContextMenuPoint(-1, -1);
  EXPECT_EQ(at.X, screenCaret.x);
  EXPECT_GT(at.Y, screenCaret.y) << "below the caret's line";
  RECT wr{};
  GetWindowRect(edit->Handle(), &wr);
  EXPECT_NE(at.X, (wr.left + wr.right) / 2) << "the caret, not the centre";
  // A monitor left of the primary one has negative coordinates.
  EXPECT_EQ(edit->ContextMenuPoint(-1, 300), (tk::TPoint{-1, 300}));
  EXPECT_EQ(edit->ContextMenuPoint(-1280, -1), (tk::TPoint{-1280, -1}));
  other->SetFocus();
  const tk::TPoint centre = edit->ContextMenuPoint(-1, -1);
  EXPECT_EQ(centre, (tk::TPoint{(wr.left + wr.right) / 2, (wr.top + wr.bottom) / 2})) << "no caret: the centre";
}

TEST_F(SkinEditTest, WithoutARecordAPlainFrameRoundTheDefaultColour) {
  auto* plain = new vx::TvxSkinEdit(form);
  plain->SetParent(form);
  plain->SetSkinDataName("nosuchedit");
  plain->SetSkinData(skin);
  plain->SetBounds(10, 10, 100, 18);
  plain->SetDefaultColor(0x00FFFF);
  EXPECT_EQ(plain->Skin(), nullptr);
  EXPECT_EQ(plain->Height(), 18) << "keeps the height it is given";
  RECT client{};
  GetClientRect(plain->Handle(), &client);
  EXPECT_EQ(client.right, 96);
  EXPECT_EQ(client.bottom, 14);
  const vx::Pixel shadow = vx::PixelFromColor(GetSysColor(COLOR_BTNSHADOW));
  const vx::Pixel face = vx::PixelFromColor(GetSysColor(COLOR_BTNFACE));
  vx::TvxPixmap shot;
  PumpUntil([&] {
    shot = Screen(plain->Handle());
    return Rgb(shot.At(0, 0)) == Rgb(shadow) && Rgb(shot.At(50, 9)) == Rgb(vx::PixelFromColor(0x00FFFF));
  });
  EXPECT_EQ(Rgb(shot.At(0, 0)), Rgb(shadow));
  EXPECT_EQ(Rgb(shot.At(99, 17)), Rgb(shadow));
  EXPECT_EQ(Rgb(shot.At(1, 1)), Rgb(face));
  EXPECT_EQ(Rgb(shot.At(50, 9)), Rgb(vx::PixelFromColor(0x00FFFF)));
}

TEST_F(SkinEditTest, TheContextRequestOpensTheEditsOwnMenu) {
  edit->SetText(L"menu");
  edit->SetFocus();
  // The menu runs its own loop: a timer ends it once it is up.
  menuSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, EndMenuTimer);
  SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(-1, -1));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(menuSeen) << "a menu was open";
  ASSERT_NE(edit->ContextMenu(), nullptr) << "the request reached the edit, not the platform control";
  EXPECT_EQ(edit->ContextMenu()->Items()->Count(), 8);
  EXPECT_EQ(edit->ContextMenu()->PopupComponent, edit);
  // The skinned menu's note that its command ran frees it.
  SendMessageW(edit->Handle(), 1229, 0, 0);
  EXPECT_EQ(edit->ContextMenu(), nullptr);
}

TEST_F(SkinEditTest, AButtonModeBoxWithoutARecordHasASquareButtonThatClicksAndFocuses) {
  auto* box = new vx::TvxSkinEdit(form);
  box->SetParent(form);
  box->SetButtonMode(true);
  box->SetBounds(10, 10, 100, 20);
  int clicks = 0;
  box->OnButtonClick = [&](tk::TObject*) { ++clicks; };
  EXPECT_EQ(box->ButtonRect(), vx::PixRect(80, 0, 100, 20)) << "as high as the box, at its right end";
  RECT client{};
  GetClientRect(box->Handle(), &client);
  EXPECT_EQ(client.right, 100 - 20 - 2 - 2);
  RECT wr{};
  GetWindowRect(box->Handle(), &wr);
  HWND h = box->Handle();
  const LPARAM onButton = MAKELPARAM(wr.left + 90, wr.top + 10), onFrame = MAKELPARAM(wr.left + 1, wr.top + 10);
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, onButton), HTHSCROLL);
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, onFrame), HTVSCROLL) << "the frame never passes clicks to the text";
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(wr.left + 20, wr.top + 10)), HTCLIENT);
  SendMessageW(h, WM_NCMOUSEMOVE, HTHSCROLL, onButton);
  EXPECT_TRUE(box->ButtonHot());
  SendMessageW(h, WM_NCLBUTTONDOWN, HTHSCROLL, onButton);
  EXPECT_TRUE(box->ButtonPressed());
  SendMessageW(h, WM_NCLBUTTONUP, HTHSCROLL, onButton);
  EXPECT_FALSE(box->ButtonPressed());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(box->Focused()) << "the click moves the focus into the box";
  // Pressed, then released elsewhere: no click.
  SendMessageW(h, WM_NCLBUTTONDOWN, HTHSCROLL, onButton);
  SendMessageW(h, WM_NCMOUSEMOVE, HTVSCROLL, onFrame);
  SendMessageW(h, WM_NCLBUTTONUP, HTVSCROLL, onFrame);
  EXPECT_EQ(clicks, 1);
  box->Perform(tk::CM_MOUSELEAVE);
  EXPECT_FALSE(box->ButtonHot());
  EXPECT_FALSE(box->ButtonPressed());
}

TEST_F(SkinEditTest, SideImagesTakeTheirEndsOfTheTextAreaAndClick) {
  auto* images = new tk::TImageList(form);
  images->SetSize(10, 10);
  tk::TBitmap red(10, 10), blue(10, 10);
  red.Canvas().Brush().SetColor(0x0000FF);
  red.Canvas().FillRect({0, 0, 10, 10});
  blue.Canvas().Brush().SetColor(0xFF0000);
  blue.Canvas().FillRect({0, 0, 10, 10});
  images->Add(red);
  images->Add(blue);
  edit->SetImages(images);
  edit->SetLeftImageIndex(0);
  edit->LeftImageHotIndex = 1;
  int lefts = 0, rights = 0;
  edit->OnLeftButtonClick = [&](tk::TObject*) { ++lefts; };
  edit->OnRightButtonClick = [&](tk::TObject*) { ++rights; };
  EXPECT_EQ(edit->LeftImageRect(), vx::PixRect(0, 0, 10, 15));
  EXPECT_TRUE(edit->RightImageRect().IsEmpty());
  const LRESULT margins = SendMessageW(edit->Handle(), EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 2 + 10 + 2) << "the text starts right of the image";
  vx::TvxPixmap shot = vx::testing::CapturePaint(edit);
  EXPECT_EQ(Rgb(shot.At(4, 7)), Rgb(vx::PixelFromColor(0x0000FF))) << "plain image, centred";
  RECT wr{};
  GetWindowRect(edit->Handle(), &wr);
  HWND h = edit->Handle();
  const LPARAM onImage = MAKELPARAM(wr.left + 3 + 5, wr.top + 3 + 7);
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, onImage), 104);
  EXPECT_TRUE(edit->LeftImageHot());
  shot = vx::testing::CapturePaint(edit);
  EXPECT_EQ(Rgb(shot.At(4, 7)), Rgb(vx::PixelFromColor(0xFF0000))) << "hot image";
  SendMessageW(h, WM_NCLBUTTONDOWN, 104, onImage);
  SendMessageW(h, WM_NCLBUTTONUP, 104, onImage);
  EXPECT_EQ(lefts, 1);
  EXPECT_EQ(rights, 0);
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(wr.left + 60, wr.top + 10)), HTCLIENT);
  EXPECT_FALSE(edit->LeftImageHot());
  edit->SetRightImageIndex(1);
  EXPECT_EQ(edit->RightImageRect(), vx::PixRect(105, 0, 115, 15));
  EXPECT_EQ(HIWORD(SendMessageW(h, EM_GETMARGINS, 0, 0)), 12);
  images->Free();
  EXPECT_EQ(edit->Images(), nullptr) << "a freed image list is forgotten";
}

TEST_F(SkinEditTest, ADisabledBoxDrawsItsTextInTheRecordsDisabledColour) {
  edit->SetText(L"MMMM");
  edit->SetEnabled(false);
  const vx::TvxPixmap shot = vx::testing::CapturePaint(edit);
  edit->SetText(L"");
  const vx::TvxPixmap empty = vx::testing::CapturePaint(edit);
  // The record's disabled colour is a light grey (14144205), its text colour
  // a dark brown: the text's darkest pixel tells which one drew it (glyph
  // edges are smoothed, so few pixels carry the exact colour).
  auto sum = [](vx::Pixel p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF); };
  int textPixels = 0;
  unsigned darkest = 3 * 255;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x)
      if (Rgb(shot.At(x, y)) != Rgb(empty.At(x, y))) {
        ++textPixels;
        darkest = std::min(darkest, static_cast<unsigned>(sum(shot.At(x, y))));
      }
  EXPECT_GT(textPixels, 20) << "the text is drawn";
  EXPECT_GE(darkest, 0xCDu + 0xD3u + 0xD7u - 30) << "no darker than the disabled grey";
}

}  // namespace
