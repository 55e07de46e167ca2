// The push button and the speed button on real windows with the program's
// skin: the picture of each state, the clicks that mouse and keyboard give
// (and the ones they must not), keys routed by the form, grouped buttons,
// timers, a click that frees its own button, and no handles left behind.
#include <gtest/gtest.h>

#include "../ProgramSkinOnForm.h"
#include "resource_counts.h"
#include "tkImgList.h"
#include "tkStdCtrls.h"
#include "vxSkinCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

vx::TvxPixmap Capture(tk::TWinControl* c) { return vx::testing::CapturePaint(c); }

// A window-less control's part of its parent, painted now.
vx::TvxPixmap CaptureGraphic(tk::TControl* c) {
  tk::TBitmap bitmap(c->Width(), c->Height());
  c->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  return bitmap.Pixmap();
}

int Differences(const vx::TvxPixmap& a, const vx::TvxPixmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += (a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF);
  return n;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class SkinButtonTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(20, 20, 500, 400);
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    skin->EnableSkinEffects = false;  // as the program has it
    ASSERT_FALSE(skin->Empty());
  }
  vx::TvxSkinButton* NewButton(int left, int top, const wchar_t* caption = L"") {
    auto* b = new vx::TvxSkinButton(form);
    b->SetParent(form);
    b->SetBounds(left, top, 97, 33);
    b->SetSkinData(skin);
    b->SetCaption(caption);
    b->OnClick = [this](tk::TObject* s) { clicked.push_back(s); };
    return b;
  }
  vx::TvxSkinSpeedButton* NewSpeedButton(int left, int top, const wchar_t* caption = L"") {
    auto* b = new vx::TvxSkinSpeedButton(form);
    b->SetParent(form);
    b->SetBounds(left, top, 73, 25);
    b->SetSkinData(skin);
    b->SetCaption(caption);
    b->OnClick = [this](tk::TObject* s) { clicked.push_back(s); };
    return b;
  }
  // The record's picture of a state at a size, drawn the way skinpack does.
  vx::TvxPixmap Expected(const char* name, vx::TvxControlState state, int w, int h) {
    const auto* rec = dynamic_cast<const vx::TvxDataSkinCustomControl*>(
        skin->ControlRecord(skin->GetControlIndex(name)));
    vx::TvxControlGeometry g;
    g.Load(rec, static_cast<int>(skin->PictureList.size()));
    int fw = w, fh = h;
    g.FitSkinSize(fw, fh);
    vx::TvxPixmap image;
    vx::DrawControlImage(skin->Picture(g.pictureIndex), g, vx::StateSourceRect(*rec, state), fw, fh, image);
    return image;
  }
  // A message through the form's window for a window-less child.
  void Mouse(UINT msg, int x, int y) { SendMessageW(form->Handle(), msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, At(x, y)); }
  // A key through the application's loop, as typing gives it.
  void Key(HWND target, UINT msg, WPARAM vk, LPARAM flags = 0) {
    PostMessageW(target, msg, vk, flags | 1);
    app->ProcessMessages();
  }

  tk::TForm* form = nullptr;
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  std::vector<tk::TObject*> clicked;
};

TEST_F(SkinButtonTest, EachStateShowsItsPictureOfTheRecordAtTheFittedSize) {
  auto* b = NewButton(10, 10);
  auto* other = NewButton(10, 100);
  form->Show();
  EXPECT_EQ(b->Width(), 97);
  EXPECT_EQ(b->Height(), 22) << "the button record fixes the height";
  HWND h = b->Handle();
  other->SetFocus();
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::normal, 97, 22)), 0);
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));  // the toolkit's enter notification
  EXPECT_TRUE(b->States().MouseIn());
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::hot, 97, 22)), 0);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::down, 97, 22)), 0);
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(clicked.size(), 1u);
  // Focused, pointer gone: the record has no focused image, the active one shows.
  b->Perform(tk::CM_MOUSELEAVE);
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::hot, 97, 22)), 0);
  other->SetFocus();
  b->SetEnabled(false);
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::disabled, 97, 22)), 0);

  auto* s = NewSpeedButton(200, 10);
  EXPECT_EQ(s->Height(), 26) << "the toolbutton record fixes the height";
  EXPECT_EQ(Differences(CaptureGraphic(s), Expected("toolbutton", vx::TvxControlState::normal, 73, 26)), 0);
  Mouse(WM_MOUSEMOVE, 210, 20);
  EXPECT_TRUE(s->States().MouseIn());
  EXPECT_EQ(Differences(CaptureGraphic(s), Expected("toolbutton", vx::TvxControlState::hot, 73, 26)), 0);
  Mouse(WM_LBUTTONDOWN, 210, 20);
  EXPECT_EQ(Differences(CaptureGraphic(s), Expected("toolbutton", vx::TvxControlState::down, 73, 26)), 0);
  Mouse(WM_LBUTTONUP, 210, 20);
  EXPECT_EQ(clicked.size(), 2u);
  // A disabled speed button shows its disabled picture and ignores the pointer.
  Mouse(WM_MOUSEMOVE, 400, 300);
  s->SetEnabled(false);
  Mouse(WM_MOUSEMOVE, 210, 20);
  EXPECT_FALSE(s->States().MouseIn());
  EXPECT_EQ(Differences(CaptureGraphic(s), Expected("toolbutton", vx::TvxControlState::disabled, 73, 26)), 0);
}

TEST_F(SkinButtonTest, OnlyAReleaseOverTheButtonClicksIt) {
  auto* b = NewButton(10, 10);
  auto* s = NewSpeedButton(200, 10);
  int mouseUps = 0;
  s->OnMouseUp = [&](tk::TObject*, tk::TMouseButton, tk::TShiftState, int, int) {
    ++mouseUps;
    EXPECT_EQ(clicked.size(), 1u) << "the push button's click only: OnMouseUp comes before any click";
  };
  form->Show();
  HWND h = b->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(150, 5));  // dragged off, captured
  EXPECT_FALSE(b->States().MouseIn());
  SendMessageW(h, WM_LBUTTONUP, 0, At(150, 5));
  EXPECT_TRUE(clicked.empty());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(GetCapture(), nullptr);
  // Another window taking the mouse mid-press ends the press unclicked.
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(b->Down());
  SetCapture(form->Handle());
  EXPECT_FALSE(b->Down());
  ReleaseCapture();
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_TRUE(clicked.empty());
  // Off and back on while held: one click.
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(-20, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(6, 6));
  SendMessageW(h, WM_LBUTTONUP, 0, At(6, 6));
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], b);

  Mouse(WM_MOUSEMOVE, 210, 20);
  Mouse(WM_LBUTTONDOWN, 210, 20);
  Mouse(WM_MOUSEMOVE, 400, 300);
  Mouse(WM_LBUTTONUP, 400, 300);
  EXPECT_EQ(clicked.size(), 1u);
  EXPECT_EQ(mouseUps, 1);
  EXPECT_FALSE(s->Down());
}

TEST_F(SkinButtonTest, KeysClickTheFocusedDefaultCancelAndAcceleratorButtons) {
  auto* b = NewButton(10, 10, L"&Go");
  auto* cancel = NewButton(10, 50);
  cancel->Cancel = true;
  auto* edit = new tk::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 100, 100, 21);
  auto* s = NewSpeedButton(200, 10, L"&Find");
  form->Show();
  b->SetFocus();
  HWND h = b->Handle();
  // Space clicks on key up, not down.
  Key(h, WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(clicked.empty());
  Key(h, WM_KEYUP, VK_SPACE, 0xC0000000);
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_FALSE(b->Down());
  // Enter clicks the focused button once.
  Key(h, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicked.size(), 2u);
  // Escape clicks the cancel button wherever the focus is.
  edit->SetFocus();
  Key(edit->Handle(), WM_KEYDOWN, VK_ESCAPE);
  ASSERT_EQ(clicked.size(), 3u);
  EXPECT_EQ(clicked.back(), cancel);
  // Enter in the edit: no default button, no click.
  Key(edit->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicked.size(), 3u);
  // A default button answers Enter while the edit has the focus, and shows
  // its active look meanwhile.
  b->SetDefault(true);
  EXPECT_TRUE(b->States().Active());
  EXPECT_TRUE(b->States().MouseIn());
  Key(edit->Handle(), WM_KEYDOWN, VK_RETURN);
  ASSERT_EQ(clicked.size(), 4u);
  EXPECT_EQ(clicked.back(), b);
  // Another skin button taking the focus takes Enter and the glow.
  cancel->SetFocus();
  EXPECT_FALSE(b->States().Active());
  EXPECT_FALSE(b->States().MouseIn());

  // Accelerators: Alt+G focuses and clicks the push button, Alt+F clicks the
  // speed button and leaves the focus where it was.
  edit->SetFocus();
  Key(edit->Handle(), WM_SYSKEYDOWN, 'G', 1 << 29);
  ASSERT_EQ(clicked.size(), 5u);
  EXPECT_EQ(clicked.back(), b);
  EXPECT_TRUE(b->Focused());
  Key(h, WM_SYSKEYDOWN, 'F', 1 << 29);
  ASSERT_EQ(clicked.size(), 6u);
  EXPECT_EQ(clicked.back(), s);
  EXPECT_TRUE(b->Focused());
  // A plain letter typed into the edit is text.
  edit->SetFocus();
  Key(edit->Handle(), WM_KEYDOWN, 'F');
  EXPECT_EQ(clicked.size(), 6u);
}

TEST_F(SkinButtonTest, GroupedSpeedButtonsLatchAndReleaseEachOther) {
  auto* a = NewSpeedButton(10, 10);
  auto* b = NewSpeedButton(100, 10);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  form->Show();
  Mouse(WM_MOUSEMOVE, 20, 20);
  Mouse(WM_LBUTTONDOWN, 20, 20);
  EXPECT_EQ(clicked.size(), 1u) << "clicks on the press";
  Mouse(WM_LBUTTONUP, 20, 20);
  EXPECT_TRUE(a->Down());
  Mouse(WM_MOUSEMOVE, 110, 20);
  Mouse(WM_LBUTTONDOWN, 110, 20);
  Mouse(WM_LBUTTONUP, 110, 20);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // Its pressed picture stays with the pointer gone.
  Mouse(WM_MOUSEMOVE, 400, 300);
  EXPECT_EQ(Differences(CaptureGraphic(b), Expected("toolbutton", vx::TvxControlState::down, 73, 26)), 0);
}

TEST_F(SkinButtonTest, HeldDownARepeatingButtonClicksAgainAndAgain) {
  auto* b = NewButton(10, 10);
  b->SetRepeatMode(true);
  b->SetRepeatInterval(30);
  form->Show();
  HWND h = b->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(PumpUntil([&] { return clicked.size() >= 3; }, 5000));
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  const size_t after = clicked.size();
  Pump(200);
  EXPECT_EQ(clicked.size(), after) << "the release stops the repetition";
}

TEST_F(SkinButtonTest, AClickHandlerMayFreeItsOwnButton) {
  int mouseUps = 0;
  auto freeing = [&](auto* button) {
    button->OnClick = [button](tk::TObject*) { button->Free(); };
    button->OnMouseUp = [&](tk::TObject*, tk::TMouseButton, tk::TShiftState, int, int) { ++mouseUps; };
  };
  auto* b = NewButton(10, 10);
  freeing(b);
  form->Show();
  HWND h = b->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(mouseUps, 0) << "nothing runs on a freed button";

  auto* k = NewButton(10, 10);
  freeing(k);
  k->SetFocus();
  h = k->Handle();
  Key(h, WM_KEYDOWN, VK_SPACE);
  Key(h, WM_KEYUP, VK_SPACE, 0xC0000000);
  EXPECT_FALSE(IsWindow(h));
  // The freed buttons' key hooks on the form are dead: keys reach nothing.
  Key(form->Handle(), WM_KEYDOWN, VK_RETURN);
  Key(form->Handle(), WM_SYSKEYDOWN, 'G', 1 << 29);

  auto* r = NewButton(10, 10);
  r->SetRepeatMode(true);
  freeing(r);
  h = r->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(h); }, 5000)) << "freed on a timer tick";

  auto* s = NewSpeedButton(200, 10);
  freeing(s);
  const int before = form->ControlCount();
  Mouse(WM_MOUSEMOVE, 210, 20);
  Mouse(WM_LBUTTONDOWN, 210, 20);
  Mouse(WM_LBUTTONUP, 210, 20);
  EXPECT_EQ(form->ControlCount(), before - 1);
  Pump(50);
}

TEST_F(SkinButtonTest, WithEffectsOnTheButtonMorphsToItsHotPictureAndBack) {
  skin->EnableSkinEffects = true;  // the "button" record asks for morphing
  auto* b = NewButton(10, 10);
  auto* other = NewButton(10, 100);
  form->Show();
  other->SetFocus();
  HWND h = b->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_TRUE(b->States().MorphRunning());
  EXPECT_LT(b->States().MorphFactor(), 1.0) << "the first step waits for its tick";
  ASSERT_TRUE(PumpUntil([&] { return !b->States().MorphRunning(); }, 3000));
  EXPECT_DOUBLE_EQ(b->States().MorphFactor(), 1.0);
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::hot, 97, 22)), 0);
  Mouse(WM_MOUSEMOVE, 300, 300);
  ASSERT_TRUE(PumpUntil([&] { return !b->States().MorphRunning(); }, 3000));
  EXPECT_DOUBLE_EQ(b->States().MorphFactor(), 0.0);
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::normal, 97, 22)), 0);
}

TEST_F(SkinButtonTest, AGlowFrameShowsInALayeredWindowWhileThePointerIsOver) {
  // The program's skin has no glow picture: lend the record the smallest
  // picture of the skin (shown whole, without a mask).
  size_t smallest = 0;
  for (size_t i = 1; i < skin->PictureList.size(); ++i)
    if (skin->PictureList[i].Width() * skin->PictureList[i].Height() <
        skin->PictureList[smallest].Width() * skin->PictureList[smallest].Height())
      smallest = i;
  auto* rec = dynamic_cast<vx::TvxDataSkinButtonControl*>(skin->ControlRecord(skin->GetControlIndex("button")));
  ASSERT_NE(rec, nullptr);
  rec->glowlayerpictureindex = static_cast<int32_t>(smallest);
  rec->glowlayershowoffsetx = rec->glowlayershowoffsety = 3;
  skin->ShowButtonGlowFrames = false;
  auto* b = NewButton(10, 10);
  form->Show();
  HWND h = b->Handle();
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  Pump(100);
  EXPECT_EQ(b->GlowWindow(), nullptr) << "glow frames are off in the skin data";

  b->AlwaysShowLayeredFrame = true;
  Mouse(WM_MOUSEMOVE, 300, 300);
  SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
  ASSERT_TRUE(PumpUntil([&] { return b->GlowWindow() && IsWindowVisible(b->GlowWindow()); }));
  HWND glow = b->GlowWindow();
  EXPECT_TRUE(GetWindowLongPtrW(glow, GWL_EXSTYLE) & WS_EX_LAYERED);
  RECT r;
  GetWindowRect(glow, &r);
  const tk::TPoint at = b->ClientToScreen({0, 0});
  EXPECT_EQ(r.left, at.X - 3);
  EXPECT_EQ(r.top, at.Y - 3);
  // The record resizes across only: the picture is widened by the button's
  // extra width.
  EXPECT_EQ(r.right - r.left, skin->PictureList[smallest].Width() + 97 - 78);
  Mouse(WM_MOUSEMOVE, 300, 300);
  EXPECT_TRUE(PumpUntil([&] { return b->GlowWindow() == nullptr; }));
  EXPECT_FALSE(IsWindow(glow));
}

TEST_F(SkinButtonTest, WithoutARecordTheButtonsDrawTheirPlainLooks) {
  auto* b = NewButton(10, 10);
  b->SetSkinDataName("nosuchbutton");
  b->SetBounds(10, 10, 80, 30);
  auto* s = NewSpeedButton(200, 10);
  s->SetSkinDataName("nosuchbutton");
  s->SetBounds(200, 10, 60, 30);
  auto* other = NewButton(10, 100);
  form->Show();
  other->SetFocus();
  EXPECT_EQ(b->Height(), 30) << "no record: the size stays";
  const vx::Pixel shadow = vx::PixelFromColor(GetSysColor(COLOR_BTNSHADOW));
  const vx::Pixel face = vx::PixelFromColor(GetSysColor(COLOR_BTNFACE));
  vx::TvxPixmap shot = Capture(b);
  EXPECT_EQ(shot.At(0, 0) & 0xFFFFFF, shadow);
  EXPECT_EQ(shot.At(40, 3) & 0xFFFFFF, face);
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  shot = Capture(b);
  EXPECT_EQ(shot.At(0, 0) & 0xFFFFFF, vx::PixelFromColor(0x800000));
  EXPECT_EQ(shot.At(40, 3) & 0xFFFFFF, vx::PixelFromColor(0xD2BDB6));
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(Capture(b).At(40, 3) & 0xFFFFFF, vx::PixelFromColor(0xB59285));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(5, 5));

  EXPECT_EQ(CaptureGraphic(s).At(30, 3) & 0xFFFFFF, face);
  Mouse(WM_MOUSEMOVE, 210, 20);
  EXPECT_EQ(CaptureGraphic(s).At(30, 3) & 0xFFFFFF, vx::PixelFromColor(0xD2BDB6));
  Mouse(WM_MOUSEMOVE, 300, 300);
  // Toggling the caption switches between the two widths given for it.
  s->WidthWithCaption = 80;
  s->WidthWithoutCaption = 30;
  s->SetShowCaption(false);
  EXPECT_EQ(s->Width(), 30);
  s->SetShowCaption(true);
  EXPECT_EQ(s->Width(), 80);
}

TEST_F(SkinButtonTest, AnImageListImageIsCentredInTheTextAreaAndForgottenWithTheList) {
  auto* list = new tk::TImageList(form);
  list->SetSize(16, 16);
  tk::TBitmap red(16, 16);
  red.Canvas().Brush().SetColor(0x0000FF);
  red.Canvas().FillRect({0, 0, 16, 16});
  ASSERT_EQ(list->Add(red), 0);
  auto* b = NewButton(10, 10);
  b->ImageIndex = 0;
  b->SetImageList(list);
  form->Show();
  // The text area is the record's client rectangle widened to 97: (2,2)-(95,20);
  // 16 + 1 (spacing) centred across makes x 40, y 3.
  vx::TvxPixmap shot = Capture(b);
  EXPECT_EQ(shot.At(40, 3) & 0xFFFFFF, vx::PixelFromColor(0x0000FF));
  EXPECT_EQ(shot.At(55, 18) & 0xFFFFFF, vx::PixelFromColor(0x0000FF));
  EXPECT_NE(shot.At(39, 3) & 0xFFFFFF, vx::PixelFromColor(0x0000FF));
  list->Free();
  EXPECT_EQ(b->ImageList(), nullptr);
  EXPECT_EQ(Differences(Capture(b), Expected("button", vx::TvxControlState::normal, 97, 22)), 0);
}

TEST_F(SkinButtonTest, HoverAndPressCyclesLeaveNoHandlesBehind) {
  auto* b = NewButton(10, 10, L"\u70ed\u95e8\u63a8\u8350");
  auto* s = NewSpeedButton(200, 10, L"\u641c \u7d22");
  b->OnClick = s->OnClick = nullptr;
  form->Show();
  HWND h = b->Handle();
  auto cycle = [&] {
    SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    UpdateWindow(h);
    SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
    Mouse(WM_MOUSEMOVE, 300, 300);  // the pointer leaves for the form
    UpdateWindow(h);
    Mouse(WM_MOUSEMOVE, 210, 20);
    Mouse(WM_LBUTTONDOWN, 210, 20);
    UpdateWindow(form->Handle());
    Mouse(WM_LBUTTONUP, 210, 20);
    Mouse(WM_MOUSEMOVE, 400, 300);
    UpdateWindow(form->Handle());
  };
  for (int i = 0; i < 10; ++i) cycle();
  Pump(50);
  const int gdi = tktest::GdiObjectCount(), user = tktest::UserObjectCount();
  for (int i = 0; i < 1000; ++i) cycle();
  Pump(50);
  EXPECT_EQ(tktest::GdiObjectCount(), gdi);
  EXPECT_EQ(tktest::UserObjectCount(), user);
}

}  // namespace
