// Skinned hints on real windows: the component taking over the application's
// hints, the hint window's size, lines, region, pixels and place on the work
// area with the program's skin and without one, its alpha and fade, object
// hints, and that a thousand hints leave nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../ProgramSkinOnForm.h"
#include "resource_counts.h"
#include "tkForms.h"
#include "vxPlatform.h"
#include "vxSkinHints.h"
#include "vxSkinPanel.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

// The text's extent in a font, as the hint measures it.
SIZE TextExtent(tk::TFont& font, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

RECT ScreenRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

bool Showing(tk::THintWindow* w) { return w && w->HandleAllocated() && IsWindowVisible(w->Handle()); }

class SkinHintTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    SetCursorPos(5, 5);
    app->CreateForm(form);
    form->SetBounds(60, 60, 400, 300);
    skin = vx::testing::AddProgramSkin(form).skin;
    ASSERT_FALSE(skin->Empty());
    hint = new vx::TvxSkinHint(form);
    hint->SetSkinData(skin);
  }
  // A skinned hint shown at (x, y) through the component's own window.
  vx::TvxSkinHintWindow* ShowAt(int x, int y, const std::wstring& text) {
    vx::TvxSkinHintWindow* w = hint->HintWindow();
    w->ActivateHint(w->CalcHintRect(0, text).Offset(x, y), text);
    return w;
  }
  tk::TRect WorkArea() {
    const RECT r = vx::TvxPlatform::Get().WorkArea(form->Handle());
    return {r.left, r.top, r.right, r.bottom};
  }
  tk::TFont& SkinFont() {
    skinFont.SetName(L"Arial");
    skinFont.SetHeight(14);
    return skinFont;
  }

  tk::TForm* form = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxSkinHint* hint = nullptr;
  tk::TFont skinFont;
};

TEST_F(SkinHintTest, TheComponentTakesOverTheApplicationsHints) {
  EXPECT_EQ(app->HintShortPause, 100);
  ASSERT_TRUE(app->OnShowHint);
  EXPECT_EQ(vx::FindActiveSkinHint(), hint);

  // The next application hint comes in a skinned window, with the title of
  // the skinned control that asks and through the component's own event.
  auto* panel = new vx::TvxSkinPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 100, 60);
  panel->SetShowHint(true);
  panel->SetHint(L"Panel@hint");
  panel->HintTitle = L"Title";
  form->Show();
  PumpUntilIdle();
  std::wstring seen;
  bool refuse = false;
  hint->OnShowHint = [&](std::wstring& text, bool& canShow, tk::TApplication::THintInfo& info) {
    seen = text;
    EXPECT_EQ(info.HintControl, panel);
    canShow = !refuse;
  };
  app->HintMouseMessage(panel);
  app->ActivateHint({200, 200});
  auto* w = dynamic_cast<vx::TvxSkinHintWindow*>(app->HintWindow());
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(Showing(w));
  EXPECT_EQ(seen, L"Panel@hint");
  EXPECT_EQ(hint->HintTitle(), L"Title");
  EXPECT_EQ(w->ShownText(), L"Title\r\nPanel\r\nhint");
  app->CancelHint();
  EXPECT_FALSE(Showing(w));

  refuse = true;
  app->HintMouseMessage(nullptr);
  app->HintMouseMessage(panel);
  app->ActivateHint({200, 200});
  EXPECT_FALSE(Showing(app->HintWindow()));

  // A deactivated component shows nothing; the event goes with the component.
  hint->SetActive(false);
  EXPECT_EQ(vx::FindActiveSkinHint(), nullptr);
  w->ActivateHint({200, 200, 260, 220}, L"text");
  EXPECT_FALSE(Showing(w));
  auto* second = new vx::TvxSkinHint(form);
  hint->SetActive(true);
  EXPECT_FALSE(second->Active());
  EXPECT_EQ(vx::FindActiveSkinHint(), hint);
  second->Free();
  EXPECT_TRUE(app->OnShowHint) << "the active one keeps the event";
  hint->Free();
  EXPECT_FALSE(app->OnShowHint);
}

TEST_F(SkinHintTest, SizeIsTheTextPlusTheRecordsBordersAndTheSeparatorMakesTwoLines) {
  const SIZE one = TextExtent(SkinFont(), L"Close");
  vx::TvxSkinHintWindow* w = ShowAt(100, 100, L"Close");
  ASSERT_TRUE(w->Skinned());
  EXPECT_EQ(w->Width(), one.cx + 2 + (44 - 42) + 5);
  EXPECT_EQ(w->Height(), one.cy + 2 + (44 - 42));
  const RECT r = ScreenRect(w->Handle());
  EXPECT_EQ(r.right - r.left, w->Width());
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 100);
  EXPECT_FALSE(GetWindowLongPtrW(w->Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetClassLongPtrW(w->Handle(), GCL_STYLE) & CS_DROPSHADOW) << "Wine reports a version with shadows";

  const SIZE close = TextExtent(SkinFont(), L"Close"), window = TextExtent(SkinFont(), L"window");
  w = ShowAt(100, 100, L"Close@window");
  EXPECT_EQ(w->ShownText(), L"Close\r\nwindow");
  EXPECT_EQ(w->Height(), close.cy + window.cy + 4) << "two lines";
  EXPECT_EQ(w->Width(), std::max(close.cx, window.cx) + 9);
  // Another separator, and an empty one that splits nothing.
  hint->LineSeparator = L"|";
  EXPECT_EQ(ShowAt(100, 100, L"a@b|c")->ShownText(), L"a@b\r\nc");
  hint->LineSeparator.clear();
  EXPECT_EQ(ShowAt(100, 100, L"a@b|c")->ShownText(), L"a@b|c");
}

TEST_F(SkinHintTest, RegionAndPixelsAreTheRecordsAtTheHintsSize) {
  vx::TvxSkinHintWindow* w = ShowAt(100, 100, L"Region@check");
  const int width = w->Width(), height = w->Height();
  const vx::frame::HintSkin s = vx::frame::HintSkinFromSkinData(skin);
  const auto expected = vx::frame::HintRegion(*skin, s, w->Geometry());
  ASSERT_TRUE(expected.has_value());
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w->Handle(), rgn), ERROR);
  int differ = 0, inside = 0;
  for (int y = -1; y <= height; ++y)
    for (int x = -1; x <= width; ++x) {
      const bool in = PtInRegion(rgn, x, y);
      inside += in;
      differ += in != vx::SizedRegionContains(*expected, x, y);
    }
  DeleteObject(rgn);
  EXPECT_EQ(differ, 0);
  EXPECT_GT(inside, width * height / 2);

  // The paint is the record's background outside the text's box.
  const vx::TvxPixmap painted = vx::testing::CapturePaint(w);
  const vx::TvxPixmap background = vx::frame::RenderHintBackground(*skin, s, w->Geometry());
  const vx::PixRect& text = w->Geometry().textRect;
  int wrong = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!text.Contains(x, y)) wrong += (painted.At(x, y) & 0xFFFFFF) != (background.At(x, y) & 0xFFFFFF);
  EXPECT_EQ(wrong, 0);
  // The text is drawn in the record's colour somewhere in its box.
  const uint32_t colour = 5849125;  // $BBGGRR
  const uint32_t rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
  int textPixels = 0;
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left; x < text.right; ++x) textPixels += (painted.At(x, y) & 0xFFFFFF) == rgb;
  EXPECT_GT(textPixels, 10);
}

TEST_F(SkinHintTest, WithoutSkinTheHintIsPlainAndRectangular) {
  hint->SetSkinData(nullptr);
  const SIZE one = TextExtent(hint->DefaultFont(), L"Plain");
  vx::TvxSkinHintWindow* w = ShowAt(100, 100, L"Plain");
  EXPECT_FALSE(w->Skinned());
  EXPECT_EQ(w->Width(), one.cx + 4);
  EXPECT_EQ(w->Height(), one.cy + 4);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w->Handle(), rgn), ERROR) << "no region";
  DeleteObject(rgn);
  const vx::TvxPixmap painted = vx::testing::CapturePaint(w);
  auto rgb = [](int sys) {
    const COLORREF c = GetSysColor(sys);
    return static_cast<uint32_t>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
  };
  EXPECT_EQ(painted.At(0, 0) & 0xFFFFFF, rgb(COLOR_BTNSHADOW));
  EXPECT_EQ(painted.At(w->Width() - 1, w->Height() - 1) & 0xFFFFFF, rgb(COLOR_BTNSHADOW));
  EXPECT_EQ(painted.At(1, 1) & 0xFFFFFF, rgb(COLOR_INFOBK));

  // A skinned hint after a plain one gets its region back, and loses it again.
  hint->SetSkinData(skin);
  w = ShowAt(100, 100, L"Plain");
  rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(w->Handle(), rgn), ERROR);
  hint->SetSkinData(nullptr);
  w = ShowAt(100, 100, L"Plain");
  EXPECT_EQ(GetWindowRgn(w->Handle(), rgn), ERROR);
  DeleteObject(rgn);
}

TEST_F(SkinHintTest, NearTheWorkAreasEdgesTheHintOpensTheOtherWay) {
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpUntilIdle();
  const tk::TRect work = WorkArea();
  vx::TvxSkinHintWindow* w = ShowAt(work.Left + 50, work.Top + 50, L"Edge");
  const int width = w->Width(), height = w->Height();
  EXPECT_EQ(ScreenRect(w->Handle()).left, work.Left + 50);

  const int x = work.Right - width / 2, y = work.Bottom - height / 2;
  RECT r = ScreenRect(ShowAt(x, work.Top + 50, L"Edge")->Handle());
  EXPECT_EQ(r.left, x - width - 2) << "right edge";
  EXPECT_EQ(r.top, work.Top + 50);
  r = ScreenRect(ShowAt(work.Left + 50, y, L"Edge")->Handle());
  EXPECT_EQ(r.left, work.Left + 50);
  EXPECT_EQ(r.top, y - height - 2) << "bottom edge";
  r = ScreenRect(ShowAt(x, y, L"Edge")->Handle());
  EXPECT_EQ(r.left, x - width - 2);
  EXPECT_EQ(r.top, y - height - 2);
  // Exactly at the edge it stays.
  r = ScreenRect(ShowAt(work.Right - width, work.Bottom - height, L"Edge")->Handle());
  EXPECT_EQ(r.right, work.Right);
  EXPECT_EQ(r.bottom, work.Bottom);
}

TEST_F(SkinHintTest, AlphaAndTheFadeAreBoundedAndEndAtTheValue) {
  if (!vx::TvxPlatform::Get().LayeredWindowsAvailable()) GTEST_SKIP();
  hint->AlphaBlend = true;
  hint->AlphaBlendValue = 180;
  vx::TvxSkinHintWindow* w = ShowAt(100, 100, L"Alpha");
  HWND h = w->Handle();
  ASSERT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(h, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 180);

  hint->AlphaBlendAnimation = true;
  w = ShowAt(100, 100, L"Fade");
  EXPECT_TRUE(w->Fading());
  EXPECT_EQ(w->Alpha(), 0);
  ASSERT_TRUE(PumpUntil([&] { return !w->Fading(); }, 3000));
  EXPECT_EQ(w->Alpha(), 180);
  ASSERT_TRUE(GetLayeredWindowAttributes(h, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 180);

  // Hiding mid-fade stops it; alpha off takes the layered style away.
  w = ShowAt(100, 100, L"Fade");
  w->ReleaseHint();
  EXPECT_FALSE(w->Fading());
  hint->AlphaBlend = false;
  w = ShowAt(100, 100, L"Opaque");
  EXPECT_FALSE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SkinHintTest, ObjectHintsWaitForThePauseGoBelowThePointerAndHide) {
  app->HintPause = 60;
  app->HintHidePause = 400;
  SetCursorPos(300, 200);
  vx::TvxSkinHintWindow* w = hint->HintWindow();
  hint->ShowObjectHint(L"Minimize");
  EXPECT_TRUE(hint->ObjectHintPending());
  EXPECT_FALSE(Showing(w));
  ASSERT_TRUE(PumpUntil([&] { return Showing(w); }, 3000));
  EXPECT_EQ(w->ShownText(), L"Minimize");
  RECT r = ScreenRect(w->Handle());
  EXPECT_EQ(r.left, 300);
  EXPECT_GT(r.top, 200) << "below the pointer";
  EXPECT_LE(r.top, 200 + GetSystemMetrics(SM_CYCURSOR));
  // The hide pause takes it away.
  ASSERT_TRUE(PumpUntil([&] { return !Showing(w); }, 3000));

  // Hidden before the pause ran out: it never shows.
  hint->ShowObjectHint(L"Close");
  hint->HideObjectHint();
  EXPECT_FALSE(hint->ObjectHintPending());
  EXPECT_FALSE(PumpUntil([&] { return Showing(w); }, 300));
  // Shown, then hidden at once on request.
  hint->ShowObjectHint(L"Close");
  ASSERT_TRUE(PumpUntil([&] { return Showing(w); }, 3000));
  hint->HideObjectHint();
  EXPECT_FALSE(Showing(w));
}

TEST_F(SkinHintTest, AThousandHintsLeaveNothingBehind) {
  hint->AlphaBlend = true;
  hint->AlphaBlendValue = 220;
  auto round = [&](int i) {
    hint->AlphaBlendAnimation = i % 3 == 0;
    hint->SetSkinData(i % 5 == 0 ? nullptr : skin);
    vx::TvxSkinHintWindow* w = ShowAt(100 + i % 300, 100 + i % 200, i % 2 ? L"One@two" : L"Hint number " + std::to_wstring(i));
    if (i % 7 == 0) app->ProcessMessages();
    w->ReleaseHint();
  };
  for (int i = 0; i < 20; ++i) round(i);
  PumpUntilIdle();
  const int gdi = PumpUntilSteady(tktest::GdiObjectCount);
  const int user = PumpUntilSteady(tktest::UserObjectCount);
  for (int i = 0; i < 1000; ++i) round(i);
  PumpUntilIdle();
  EXPECT_LE(PumpUntilSteady(tktest::GdiObjectCount), gdi + 2);
  EXPECT_LE(PumpUntilSteady(tktest::UserObjectCount), user);
}

}  // namespace
