// The up-down arrows on a real window: their size and buttons from the
// program skin's "hupdown" record, the hot and pressed images, clicks and
// the auto-repeat on the window's timer, and a handler that frees them.
#include <gtest/gtest.h>

#include "../ProgramSkinOnForm.h"
#include "vxSkinBoxCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

vx::TvxPixmap Capture(tk::TWinControl* c) { return vx::testing::CapturePaint(c); }

class SkinUpDownTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(40, 40, 300, 200);
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
    arrows = new vx::TvxSkinUpDown(form);
    arrows->SetParent(form);
    arrows->SetBounds(10, 10, 40, 20);
    arrows->SetSkinData(skin);
    arrows->OnChange = [this](tk::TObject*) { ++changes; };
    arrows->OnUpButtonClick = [this](tk::TObject*) { ++upClicks; };
    arrows->OnDownButtonClick = [this](tk::TObject*) { ++downClicks; };
    form->Show();
  }
  void Move(int x, int y) { SendMessageW(arrows->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  void Down(int x, int y) {
    Move(x, y);
    SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  }
  void Up(int x, int y) { SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  // The picture rectangle `from` of the skin at `at` of the capture.
  int Differences(const vx::TvxPixmap& shot, const vx::TvxRect& from, int atX) {
    const vx::TvxPixmap& picture = *skin->Picture(4);
    int n = 0;
    for (int y = 0; y < from.Bottom - from.Top; ++y)
      for (int x = 0; x < from.Right - from.Left; ++x)
        n += (shot.At(atX + x, y) & 0xFFFFFF) != (picture.At(from.Left + x, from.Top + y) & 0xFFFFFF);
    return n;
  }
  const vx::TvxDataSkinUpDownControl* Record() {
    return dynamic_cast<const vx::TvxDataSkinUpDownControl*>(skin->FindControl("hupdown"));
  }

  tk::TForm* form = nullptr;
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxSkinUpDown* arrows = nullptr;
  int changes = 0, upClicks = 0, downClicks = 0;
};

TEST_F(SkinUpDownTest, TakesTheRecordsSizeButtonsAndStateImages) {
  EXPECT_EQ(arrows->Width(), 32);
  EXPECT_EQ(arrows->Height(), 15);
  const vx::frame::Rect left = arrows->Rules().ButtonRect(1), right = arrows->Rules().ButtonRect(0);
  EXPECT_EQ((tk::TRect{left.Left, left.Top, left.Right, left.Bottom}), (tk::TRect{0, 0, 16, 15}));
  EXPECT_EQ((tk::TRect{right.Left, right.Top, right.Right, right.Bottom}), (tk::TRect{16, 0, 32, 15}));
  const vx::TvxDataSkinUpDownControl* rec = Record();
  ASSERT_NE(rec, nullptr);
  const vx::TvxRect skinRight{rec->skinrect.Left + 16, rec->skinrect.Top, rec->skinrect.Right, rec->skinrect.Bottom};
  EXPECT_EQ(Differences(Capture(arrows), skinRight, 16), 0) << "normal look";
  Move(24, 7);
  EXPECT_EQ(Differences(Capture(arrows), rec->activeupbuttonrect, 16), 0) << "hot";
  Down(24, 7);
  EXPECT_EQ(Differences(Capture(arrows), rec->downupbuttonrect, 16), 0) << "pressed";
  Up(24, 7);
  EXPECT_EQ(arrows->Position(), 1);
  EXPECT_EQ(upClicks, 1);
}

TEST_F(SkinUpDownTest, ClicksAtTheBoundsAndDragsToTheOtherButton) {
  arrows->SetMax(3);
  arrows->SetPosition(3);
  changes = 0;
  Down(24, 7);
  Up(24, 7);
  EXPECT_EQ(arrows->Position(), 3);
  EXPECT_EQ(changes, 0) << "no step beyond Max";
  EXPECT_EQ(upClicks, 1) << "but the click is reported";

  // Pressed on the right button, released over the left: nothing.
  Down(24, 7);
  Move(4, 7);
  EXPECT_FALSE(arrows->Rules().ButtonHot(1)) << "the other button does not light up";
  Up(4, 7);
  EXPECT_EQ(arrows->Position(), 3);
  EXPECT_EQ(upClicks, 1);
  EXPECT_EQ(downClicks, 0);
}

TEST_F(SkinUpDownTest, HoldingAButtonRepeatsOnTheWindowsTimerUntilTheBound) {
  arrows->SetPosition(5);
  changes = 0;
  Down(4, 7);
  EXPECT_TRUE(PumpUntil([&] { return arrows->Position() == 0; }, 5000)) << "stepped down while held";
  EXPECT_EQ(changes, 5);
  Pump(300);
  EXPECT_EQ(changes, 5) << "nothing below Min";
  Up(4, 7);
  EXPECT_EQ(arrows->Position(), 0);
  EXPECT_EQ(downClicks, 1);
  // The timer is gone with the release.
  Pump(300);
  EXPECT_EQ(changes, 5);
}

TEST_F(SkinUpDownTest, AHandlerMayFreeTheArrows) {
  arrows->OnChange = [this](tk::TObject*) {
    tk::TObject* gone = arrows;
    arrows = nullptr;
    static_cast<vx::TvxSkinUpDown*>(gone)->Free();
  };
  HWND h = arrows->Handle();
  Down(24, 7);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(24, 7));
  EXPECT_EQ(arrows, nullptr);
  EXPECT_FALSE(IsWindow(h));
  Pump(700);  // no repeat tick reaches the freed control
}

}  // namespace
