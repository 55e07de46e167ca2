// The plain hint window's timing over a tab sheet, the image list and the
// up-down arrows.
#include "tkStdCtrls.h"
#include "tkTabs.h"
#include "tkUpDown.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

bool HintShowing(TApplication* app) {
  return app->HintWindow() && app->HintWindow()->HandleAllocated() &&
         IsWindowVisible(app->HintWindow()->Handle());
}

// The pointer is shared by every test program on the display: it goes back
// where it was, so later tests do not find it resting on their windows.
struct PointerRestorer {
  POINT saved{};
  PointerRestorer() { GetCursorPos(&saved); }
  ~PointerRestorer() { SetCursorPos(saved.x, saved.y); }
};

TEST_F(ToolkitTest, ASheetsHintAppearsAfterThePauseAndGoesAfterTheHidePause) {
  PointerRestorer pointer;
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(40, 40, 300, 220);
  auto* pc = new TPageControl(f);
  pc->SetParent(f);
  pc->SetAlign(alClient);
  auto* sheet = new TTabSheet(pc);
  sheet->SetPageControl(pc);
  sheet->SetCaption(L"kino(site)");
  sheet->SetShowHint(true);
  sheet->SetHint(sheet->Caption());
  f->Show();
  SetForegroundWindow(f->Handle());
  app->HintPause = 300;
  app->HintHidePause = 500;

  TPoint centre = sheet->ClientToScreen({sheet->Width() / 2, sheet->Height() / 2});
  SetCursorPos(centre.X, centre.Y);
  ULONGLONG moved = GetTickCount64();
  // The pointer's arrival reaches the sheet as a mouse move (sent again in
  // case the display reported the warp to nobody).
  POINT local{sheet->Width() / 2, sheet->Height() / 2};
  PostMessageW(sheet->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(local.x, local.y));
  ASSERT_TRUE(PumpUntil([&] { return HintShowing(app); }, 3000));
  ULONGLONG shown = GetTickCount64();
  EXPECT_GE(shown - moved, 250u) << "not before the hint pause";
  EXPECT_EQ(app->HintWindow()->Caption(), L"kino(site)");
  RECT hr;
  GetWindowRect(app->HintWindow()->Handle(), &hr);
  EXPECT_GT(hr.top, centre.Y) << "below the pointer";

  ASSERT_TRUE(PumpUntil([&] { return !HintShowing(app); }, 3000));
  EXPECT_GE(GetTickCount64() - shown, 450u) << "not before the hide pause";

  // With hints switched off nothing shows, however long the pointer rests.
  app->SetShowHint(false);
  PostMessageW(pc->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  PostMessageW(sheet->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(local.x + 1, local.y));
  EXPECT_FALSE(PumpUntil([&] { return HintShowing(app); }, 600));
}

TEST_F(ToolkitTest, APlainHintNearTheWorkAreasCornerStaysOnIt) {
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(40, 40, 200, 120);
  f->SetShowHint(true);
  f->SetHint(L"A hint near the corner of the work area");
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  app->HintMouseMessage(f);
  app->ActivateHint({work.right - 3, work.bottom - 3});
  ASSERT_TRUE(HintShowing(app));
  RECT r;
  GetWindowRect(app->HintWindow()->Handle(), &r);
  EXPECT_LE(r.right, work.right - 3 - 2 + 1) << "left of the pointer";
  EXPECT_LE(r.bottom, work.bottom - 3 - 2 + 1) << "above the pointer";
  EXPECT_GE(r.left, work.left);
  EXPECT_GE(r.top, work.top);
  // In the open it stays where the application puts it: 20 below the pointer.
  app->CancelHint();
  app->ActivateHint({100, 100});
  GetWindowRect(app->HintWindow()->Handle(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  app->CancelHint();
}

TBitmap* Solid(int w, int h, TColor c) {
  auto* b = new TBitmap(w, h);
  b->Canvas().Brush().SetColor(c);
  b->Canvas().FillRect({0, 0, w, h});
  return b;
}

TEST_F(ToolkitTest, ImageListDrawsEnabledAndGreyedAndTellsItsListeners) {
  TImageList list(nullptr);
  EXPECT_THROW(list.SetSize(0, 16), EInvalidOperation);
  list.SetSize(8, 6);
  int changes = 0;
  int dummy = 0;
  list.RegisterChanges(&dummy, [&](TObject*) { ++changes; });
  std::unique_ptr<TBitmap> red(Solid(8, 6, clRed)), blue(Solid(12, 12, clBlue));
  EXPECT_EQ(list.Add(*red), 0);
  EXPECT_EQ(list.AddMasked(*blue, clFuchsia), 1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(changes, 2);

  TBitmap canvas(40, 10);
  canvas.Canvas().Brush().SetColor(clWhite);
  canvas.Canvas().FillRect({0, 0, 40, 10});
  list.Draw(canvas.Canvas(), 0, 0, 0);
  list.Draw(canvas.Canvas(), 10, 0, 1);
  list.Draw(canvas.Canvas(), 20, 0, 0, false);
  list.Draw(canvas.Canvas(), 30, 0, 7);  // nothing
  auto rgb = [&](int x, int y) { return canvas.ScanLine(y)[x] & 0xFFFFFF; };
  EXPECT_EQ(rgb(3, 3), 0xFF0000u);
  EXPECT_EQ(rgb(13, 3), 0x0000FFu) << "cut to the list's size";
  EXPECT_EQ(rgb(18, 3), 0xFFFFFFu);
  EXPECT_NE(rgb(23, 3), 0xFF0000u) << "a disabled image is not drawn in its colours";
  EXPECT_EQ(rgb(33, 3), 0xFFFFFFu);

  // A new size drops the pictures and is announced.
  list.SetWidth(16);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 3);
  list.UnRegisterChanges(&dummy);
  list.Add(*red);
  EXPECT_EQ(changes, 3);
}

TEST_F(ToolkitTest, UpDownArrowsStepWithinTheLimitsAndAsk) {
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(40, 40, 200, 120);
  auto* ud = new TUpDown(f);
  ud->SetParent(f);
  ud->SetBounds(10, 10, 20, 40);
  ud->SetMin(0);
  ud->SetMax(2);
  f->Show();
  std::vector<TUDBtnType> clicks;
  ud->OnClick = [&](TObject*, TUDBtnType b) { clicks.push_back(b); };
  auto press = [&](bool upper) {
    LPARAM at = MAKELPARAM(10, upper ? 5 : 35);
    SendMessageW(ud->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(ud->Handle(), WM_LBUTTONUP, 0, at);
  };
  press(true);
  EXPECT_EQ(ud->Position(), 1);
  press(true);
  press(true);
  EXPECT_EQ(ud->Position(), 2) << "held at Max";
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btNext}));
  EXPECT_EQ(SendMessageW(ud->Handle(), UDM_GETPOS32, 0, 0), 2);

  ud->SetWrap(true);
  press(true);
  EXPECT_EQ(ud->Position(), 0) << "wraps round to Min";
  press(false);
  EXPECT_EQ(ud->Position(), 2);
  EXPECT_EQ(clicks.back(), btPrev);

  bool allow = false;
  ud->OnChanging = [&](TObject*, bool& a) { a = allow; };
  press(false);
  EXPECT_EQ(ud->Position(), 2);
  EXPECT_EQ(clicks.size(), 5u);

  ud->SetMax(1);
  EXPECT_EQ(ud->Position(), 1) << "a lower Max pulls the position in";
  ud->SetPosition(-5);
  EXPECT_EQ(ud->Position(), 0);
}

}  // namespace
