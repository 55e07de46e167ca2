// The check/radio box on real windows: the plain look without a skin, the
// program skin's flat look (check image and caption on the parent's own
// background), the click cycle and its events, grouping, and presses that
// must not click.
#include <gtest/gtest.h>

#include <vector>

#include "../ProgramSkinOnForm.h"
#include "tkStdCtrls.h"
#include "vxSkinCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

vx::TvxPixmap Capture(tk::TWinControl* c) { return vx::testing::CapturePaint(c); }

uint32_t Rgb(vx::Pixel p) { return p & 0xFFFFFF; }

class CheckBoxTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(30, 30, 400, 200);
    form->SetColor(kBackground);
  }
  void LoadSkin() {
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
  }
  vx::TvxSkinCheckRadioBox* NewBox(tk::TWinControl* parent, int top, const wchar_t* caption = L"site") {
    auto* b = new vx::TvxSkinCheckRadioBox(form);
    b->SetParent(parent);
    b->SetBounds(10, top, 113, 25);
    b->SetSkinData(skin);
    b->SetCaption(caption);
    b->OnClick = [this](tk::TObject* s) { clicks.push_back(s); };
    return b;
  }
  void Press(tk::TWinControl* c, int x, int y) {
    SendMessageW(c->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  }
  void Release(tk::TWinControl* c, int x, int y) {
    SendMessageW(c->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void ClickBox(tk::TWinControl* c) {
    Press(c, 8, 12);
    Release(c, 8, 12);
  }
  const vx::TvxDataSkinCheckRadioControl* Record() {
    return dynamic_cast<const vx::TvxDataSkinCheckRadioControl*>(skin->ControlRecord(skin->GetControlIndex("checkbox")));
  }

  static constexpr tk::TColor kBackground = 0x336699;
  tk::TForm* form = nullptr;
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  std::vector<tk::TObject*> clicks;
};

TEST_F(CheckBoxTest, PlainLookDrawsTheBoxAndTheStateWithoutASkin) {
  auto* box = NewBox(form, 10);
  EXPECT_FALSE(box->TabStop()) << "takes no tab stop until CanFocused is set";
  form->Show();
  const vx::TvxPixmap unchecked = Capture(box);
  // The 14 x 14 frame at (3, 5), the parent's colour elsewhere at the left.
  EXPECT_EQ(Rgb(unchecked.At(3, 5)), vx::PixelFromColor(GetSysColor(COLOR_BTNSHADOW)) & 0xFFFFFF);
  EXPECT_EQ(Rgb(unchecked.At(1, 1)), vx::PixelFromColor(kBackground));
  box->SetChecked(true);
  const vx::TvxPixmap checked = Capture(box);
  // The mark's first stroke starts at (7, H div 2 - 4 + 5).
  EXPECT_EQ(Rgb(checked.At(7, 13)), 0u);
  EXPECT_NE(Rgb(unchecked.At(7, 13)), 0u);
}

TEST_F(CheckBoxTest, SkinnedFlatBoxShowsTheCheckImageOnTheParentsBackground) {
  LoadSkin();
  auto* box = NewBox(form, 10);
  box->SetChecked(true);
  form->Show();
  EXPECT_EQ(box->Width(), 113) << "the skin does not size a flat box";
  EXPECT_EQ(box->Height(), 25);
  const vx::TvxDataSkinCheckRadioControl* rec = Record();
  ASSERT_NE(rec, nullptr);
  const vx::TvxPixmap& picture = *skin->Picture(rec->pictureindex);

  auto expectImage = [&](const vx::TvxPixmap& shot, const vx::TvxRect& from, const char* what) {
    const vx::Pixel key = picture.At(from.Left, from.Bottom - 1) & 0xFFFFFF;
    int wrong = 0;
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 15; ++x) {
        vx::Pixel src = picture.At(from.Left + x, from.Top + y) & 0xFFFFFF;
        vx::Pixel want = src == key ? vx::PixelFromColor(kBackground) : src;
        wrong += Rgb(shot.At(3 + x, 5 + y)) != want;
      }
    EXPECT_EQ(wrong, 0) << what;
  };
  vx::TvxPixmap shot = Capture(box);
  expectImage(shot, rec->checkimagerect, "checked image at (3, 5)");
  // Outside the image and the caption (from x = 22) only the background.
  int other = 0;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 22; ++x) {
      if (x >= 3 && x < 18 && y >= 5 && y < 20) continue;
      other += Rgb(shot.At(x, y)) != vx::PixelFromColor(kBackground);
    }
  EXPECT_EQ(other, 0);
  int text = 0;
  for (int y = 0; y < 25; ++y)
    for (int x = 22; x < 60; ++x) text += Rgb(shot.At(x, y)) != vx::PixelFromColor(kBackground);
  EXPECT_GT(text, 10) << "the caption from x = 22";

  // Under the pointer the active images, unchecked after a click.
  SendMessageW(box->Handle(), tk::CM_MOUSEENTER, 0, 0);
  expectImage(Capture(box), rec->activecheckimagerect, "hot and checked");
  ClickBox(box);
  expectImage(Capture(box), rec->activeuncheckimagerect, "hot and unchecked");
  SendMessageW(box->Handle(), tk::CM_MOUSELEAVE, 0, 0);
  expectImage(Capture(box), rec->uncheckimagerect, "unchecked");
  box->SetEnabled(false);
  expectImage(Capture(box), rec->unenableduncheckimagerect, "disabled");
}

TEST_F(CheckBoxTest, ClicksRunTheValueOnAndEverySetterClicks) {
  auto* box = NewBox(form, 10);
  form->Show();
  clicks.clear();
  ClickBox(box);
  EXPECT_TRUE(box->Checked());
  ClickBox(box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks.size(), 2u);

  box->SetAllowGrayed(true);
  ClickBox(box);
  EXPECT_EQ(box->State(), vx::cbGrayed);
  EXPECT_FALSE(box->Checked());
  ClickBox(box);
  EXPECT_EQ(box->State(), vx::cbChecked);
  ClickBox(box);
  EXPECT_EQ(box->State(), vx::cbUnchecked);
  EXPECT_EQ(clicks.size(), 5u);

  // Unchecking a grayed box leaves it grayed; unchanged values still click.
  box->SetState(vx::cbGrayed);
  box->SetChecked(false);
  EXPECT_EQ(box->State(), vx::cbGrayed);
  box->SetChecked(false);
  EXPECT_EQ(clicks.size(), 8u);

  // Pressed, dragged off and released outside: nothing.
  box->SetState(vx::cbUnchecked);
  clicks.clear();
  Press(box, 8, 12);
  Release(box, 300, 12);
  EXPECT_EQ(box->State(), vx::cbUnchecked);
  EXPECT_TRUE(clicks.empty());

  // Space released on the focused box toggles it.
  box->SetCanFocused(true);
  EXPECT_TRUE(box->TabStop());
  box->SetFocus();
  SendMessageW(box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(box->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBoxTest, GroupsAndRadioBoxesUncheckTheirSiblingsOnly) {
  auto* panel = new tk::TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(200, 0, 150, 100);
  auto* a = NewBox(form, 10, L"a");
  auto* b = NewBox(form, 40, L"b");
  auto* elsewhere = NewBox(panel, 10, L"c");
  for (auto* x : {a, b, elsewhere}) x->GroupIndex = 3;
  form->Show();
  b->SetChecked(true);
  elsewhere->SetChecked(true);
  a->SetChecked(true);
  EXPECT_FALSE(b->Checked());
  EXPECT_TRUE(elsewhere->Checked()) << "another parent";

  a->SetRadio(true);
  b->SetRadio(true);
  clicks.clear();
  ClickBox(a);
  EXPECT_TRUE(a->Checked()) << "a checked radio box stays checked";
  ClickBox(b);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  // Neither clicking the checked a nor a's unchecking raised a click.
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], b);
}

}  // namespace
