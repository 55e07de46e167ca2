// The frame's object hints on a real window with the program's skin: a
// caption button's hint shows in the skinned hint only with ShowObjectHint
// and a SkinHint, the dismissing messages hide it, and the default hints
// come from the skin's resource strings.
#include <gtest/gtest.h>

#include <string>

#include "Chassis.h"
#include "../ProgramSkinOnForm.h"
#include "tkForms.h"
#include "vxResourceStrings.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

constexpr vx::frame::TvxBorderIcons kIcons = vx::frame::biMinimize | vx::frame::biRollUp;

// Any hint window of this thread on screen: the skinned ones or the plain one.
BOOL CALLBACK FindVisibleHint(HWND h, LPARAM lp) {
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  const std::wstring name = cls;
  if (IsWindowVisible(h) && (name.rfind(L"VxSkinHintWindow", 0) == 0 || name == L"TkHintWindow")) {
    *reinterpret_cast<HWND*>(lp) = h;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleHint() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleHint, reinterpret_cast<LPARAM>(&found));
  return found;
}

class ChassisHintTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    tktest::ParkPointer();
    app->HintPause = 50;
    app->HintHidePause = 5000;
    app->CreateForm(form);
    form->SetCaption(L"Hint test");
    skin = vx::testing::AddProgramSkin(form).skin;
    chassis = new vx::TvxChassis(form);
    chassis->SetSkinData(skin);
    chassis->SetBorderIcons(kIcons);
    form->SetBounds(40, 30, 500, 300);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpUntil([&] { return form->Active(); });
    PumpUntilIdle();
  }
  const vx::frame::FrameObject& Named(const std::string& name) {
    for (const auto& o : chassis->Objects())
      if (o.IDName == name) return o;
    throw std::runtime_error("no " + name);
  }
  // The pointer comes to rest on the minimize button: the system asks the
  // frame what is under it.
  void HoverMinimize() {
    const auto& r = Named("minbutton").rect;
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    const int x = w.left + (r.Left + r.Right) / 2, y = w.top + (r.Top + r.Bottom) / 2;
    SetCursorPos(x, y);
    SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    EXPECT_TRUE(PumpUntil([&] { return Named("minbutton").MouseIn; }, 1000));
  }
  // The pointer goes away; the hover poll notices and clears the hot object.
  void LeaveFrame() {
    tktest::ParkPointer();
    EXPECT_TRUE(PumpUntil([&] {
      for (const auto& o : chassis->Objects())
        if (o.MouseIn) return false;
      return true;
    }));
  }

  tk::TForm* form = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxChassis* chassis = nullptr;
};

TEST_F(ChassisHintTest, ACaptionButtonsHintShowsOnlyWithShowObjectHintAndASkinHint) {
  ASSERT_TRUE(form->Active());
  // The program's case: no hint component, hints off.
  HoverMinimize();
  EXPECT_FALSE(PumpUntil([] { return VisibleHint() != nullptr; }, 400));
  LeaveFrame();

  // A hint component alone is not enough ...
  auto* hint = new vx::TvxSkinHint(form);
  hint->SetSkinData(skin);
  chassis->SetSkinHint(hint);
  HoverMinimize();
  EXPECT_FALSE(PumpUntil([] { return VisibleHint() != nullptr; }, 400));
  LeaveFrame();
  // ... nor ShowObjectHint alone.
  chassis->SetSkinHint(nullptr);
  chassis->ShowObjectHint = true;
  HoverMinimize();
  EXPECT_FALSE(PumpUntil([] { return VisibleHint() != nullptr; }, 400));
  LeaveFrame();

  // Both: the button's hint below the pointer, in the skinned window.
  chassis->SetSkinHint(hint);
  HoverMinimize();
  ASSERT_TRUE(PumpUntil([] { return VisibleHint() != nullptr; }, 3000));
  EXPECT_EQ(VisibleHint(), hint->HintWindow()->Handle());
  EXPECT_EQ(hint->HintWindow()->ShownText(), L"Minimize");
  POINT p{};
  GetCursorPos(&p);
  RECT r{};
  GetWindowRect(VisibleHint(), &r);
  EXPECT_GT(r.top, p.y);

  // A popup-dismissing message hides it.
  SendMessageW(form->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_EQ(VisibleHint(), nullptr);

  // The hint component going away leaves no reference behind.
  hint->Free();
  EXPECT_EQ(chassis->SkinHint(), nullptr);
  LeaveFrame();
  HoverMinimize();
  EXPECT_FALSE(PumpUntil([] { return VisibleHint() != nullptr; }, 300));
}

TEST_F(ChassisHintTest, LeavingTheButtonOrMovingTheFormHidesTheHint) {
  auto* hint = new vx::TvxSkinHint(form);
  hint->SetSkinData(skin);
  chassis->SetSkinHint(hint);
  chassis->ShowObjectHint = true;
  ASSERT_TRUE(form->Active());
  HoverMinimize();
  EXPECT_TRUE(hint->ObjectHintPending());
  ASSERT_TRUE(PumpUntil([] { return VisibleHint() != nullptr; }, 3000));
  // The hover poll sees the pointer leave the form.
  LeaveFrame();
  EXPECT_TRUE(PumpUntil([] { return VisibleHint() == nullptr; }, 3000));

  HoverMinimize();
  ASSERT_TRUE(PumpUntil([] { return VisibleHint() != nullptr; }, 3000));
  form->SetBounds(60, 40, 500, 300);
  EXPECT_EQ(VisibleHint(), nullptr) << "a move dismisses it";

  // The caption's quick buttons use the same pair of calls (once the hover
  // has settled: a change of hot object hides any object hint).
  LeaveFrame();
  chassis->ShowObjectHintText("Quick");
  ASSERT_TRUE(PumpUntil([] { return VisibleHint() != nullptr; }, 3000));
  EXPECT_EQ(hint->HintWindow()->ShownText(), L"Quick");
  chassis->HideObjectHint();
  EXPECT_EQ(VisibleHint(), nullptr);
}

TEST_F(ChassisHintTest, DefaultHintsComeFromTheResourceStrings) {
  EXPECT_EQ(Named("closebutton").hint, "Close");
  EXPECT_EQ(Named("minbutton").hint, "Minimize");
  EXPECT_EQ(Named("minbutton").restoreHint, "Restore");

  vx::TvxResourceStrData strings;
  for (std::string& line : strings.ResStrings) {
    if (line.rfind("MINBUTTON_HINT=", 0) == 0) line = "MINBUTTON_HINT=Smaller";
    if (line.rfind("RESTORE_HINT=", 0) == 0) line = "RESTORE_HINT=Back";
  }
  skin->SetResourceStrData(&strings);  // announces the new strings
  EXPECT_EQ(Named("minbutton").hint, "Smaller");
  EXPECT_EQ(Named("minbutton").restoreHint, "Back");
  EXPECT_EQ(Named("closebutton").hint, "Close");

  // Without default hints the skin's own keys stay after a new skin.
  skin->SetResourceStrData(nullptr);
  chassis->UseDefaultObjectHint = false;
  chassis->ApplySkinData();
  EXPECT_EQ(Named("minbutton").hint, "Minimize") << "the skin's hint key";
}

}  // namespace
