// The skinned frame on real windows with the program's skin: the client area
// and the window region it gives a form, the pixels it paints (against the
// same previews `skinpack frame --render` and `skinpack region` print), its
// answers to the frame messages, the default frame without a skin, and that
// nothing is left behind over many resizes and skin switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Chassis.h"
#include "FramePaint.h"
#include "vxSkinDataWindows.h"
#include "../ProgramSkinOnForm.h"
#include "resource_counts.h"
#include "tkForms.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

constexpr vx::frame::TvxBorderIcons kIcons = vx::frame::biMinimize | vx::frame::biRollUp;

std::vector<vx::frame::Rect> RegionRects(HWND h) {
  std::vector<vx::frame::Rect> out;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(h, rgn) != ERROR) {
    const DWORD size = GetRegionData(rgn, 0, nullptr);
    std::vector<char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (size && GetRegionData(rgn, size, data)) {
      const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
      for (DWORD i = 0; i < data->rdh.nCount; ++i) out.push_back({r[i].left, r[i].top, r[i].right, r[i].bottom});
    }
  }
  DeleteObject(rgn);
  return out;
}

vx::frame::Rect MaximizedBounds(HWND h) {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &mi);
  const vx::frame::MonitorRects monitor{{mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom},
                                        {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom}};
  const vx::frame::Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return vx::frame::MaximizeTarget(monitor, screen, false);
}

bool SkinnedMenuShown() {
  HWND popup = FindWindowW(L"VxSkinPopupWindow", nullptr);
  return popup && IsWindowVisible(popup);
}

// The frame as the window paints it when asked to print it into a picture.
vx::TvxPixmap PrintFrame(HWND h, int w, int hgt) {
  tk::TBitmap bitmap(w, hgt);
  EXPECT_EQ(SendMessageW(h, vx::kFramePrintMessage, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0),
            vx::kFramePrinted);
  GdiFlush();
  return bitmap.Pixmap();
}

// Pixels of the frame (outside the client and the skipped boxes) that differ.
int FrameDifferences(const vx::TvxPixmap& a, const vx::TvxPixmap& b, const vx::frame::Rect& client,
                     const std::vector<vx::frame::Rect>& skip, std::string* first = nullptr) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      if (client.Contains(x, y)) continue;
      bool skipped = false;
      for (const auto& r : skip) skipped = skipped || r.Contains(x, y);
      if (skipped) continue;
      if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF) && n++ == 0 && first)
        *first = tktest::PointText(x, y);
    }
  return n;
}

class ChassisTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    // The pointer left over a caption button would light it up.
    tktest::ParkPointer();
    app->CreateForm(form);
    form->SetCaption(L"Chassis test");
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
    chassis = new vx::TvxChassis(form);
    chassis->SetSkinData(skin);
    chassis->SetBorderIcons(kIcons);
    form->SetBounds(40, 30, 883, 708);
    form->Show();
    PumpUntilIdle();
  }
  HWND Handle() { return form->Handle(); }
  void LoadEmptySkin() {
    vx::TvxCompressedStoredSkin broken;
    broken.SetCompressedData(vx::Bytes{0x78, 0xDA, 1, 2, 3});
    EXPECT_ANY_THROW(skin->LoadCompressedStoredSkin(broken));
    EXPECT_TRUE(skin->Empty());
    PumpUntilIdle();
  }
  RECT WindowRect() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
  }
  // The client rectangle in window coordinates.
  vx::frame::Rect ClientInWindow() {
    RECT c{};
    GetClientRect(Handle(), &c);
    POINT o{0, 0};
    ClientToScreen(Handle(), &o);
    const RECT w = WindowRect();
    return {o.x - w.left, o.y - w.top, o.x - w.left + c.right, o.y - w.top + c.bottom};
  }
  // The caption text's box: the caption object's place and the text's glow
  // (3 pixels) around it.
  vx::frame::Rect CaptionBox() {
    for (const auto& o : chassis->Objects())
      if (o.kind == vx::frame::ObjectKind::Caption)
        return {o.rect.Left - 3, o.rect.Top - 3, o.rect.Right + 3, o.rect.Bottom + 3};
    return {};
  }
  LRESULT HitTest(int x, int y) {
    const RECT w = WindowRect();
    return SendMessageW(Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y));
  }

  tk::TForm* form = nullptr;
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxChassis* chassis = nullptr;
};

TEST_F(ChassisTest, TheSkinsFrameGivesTheClientAreaAndTheRegionOfThePreviews) {
  const RECT w = WindowRect();
  EXPECT_EQ(w.right - w.left, 883);
  EXPECT_EQ(w.bottom - w.top, 708);
  EXPECT_EQ(ClientInWindow(), (vx::frame::Rect{3, 26, 880, 705}));
  EXPECT_TRUE(chassis->SkinMode());
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, 883, 708, kIcons));

  // The region follows every size.
  form->SetBounds(40, 30, 540, 329);
  PumpUntilIdle();
  EXPECT_EQ(ClientInWindow(), (vx::frame::Rect{3, 26, 537, 326}));
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, 540, 329, kIcons));
  EXPECT_FALSE(RegionRects(Handle()).empty());
}

TEST_F(ChassisTest, TheFramesPixelsAreThePreviewsOutsideTheCaptionText) {
  const vx::frame::Rect client = ClientInWindow();
  std::string where;
  const vx::TvxPixmap active = PrintFrame(Handle(), 883, 708);
  const vx::TvxPixmap wantActive = vx::frame::RenderFramePreview(*skin, 883, 708, kIcons, false);
  EXPECT_EQ(FrameDifferences(active, wantActive, client, {CaptionBox()}, &where), 0) << "first at " << where;
  // The caption text is drawn: the box differs from the bare frame picture.
  EXPECT_GT(FrameDifferences(active, wantActive, client, {}), 0);

  // Another window takes the activation: the inactive look.
  tk::TForm* other = nullptr;
  app->CreateForm(other);
  other->SetBounds(600, 600, 200, 100);
  other->Show();
  SetActiveWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return !form->Active(); }));
  const vx::TvxPixmap inactive = PrintFrame(Handle(), 883, 708);
  const vx::TvxPixmap wantInactive = vx::frame::RenderFramePreview(*skin, 883, 708, kIcons, true);
  EXPECT_EQ(FrameDifferences(inactive, wantInactive, client, {CaptionBox()}, &where), 0) << "first at " << where;
  // Only the buttons and the caption text change with the activation.
  std::vector<vx::frame::Rect> changing{CaptionBox()};
  for (const auto& o : chassis->Objects())
    if (o.Visible && o.kind == vx::frame::ObjectKind::StdButton) changing.push_back(o.rect);
  EXPECT_EQ(changing.size(), 3u);
  EXPECT_EQ(FrameDifferences(active, inactive, client, changing), 0);
  EXPECT_GT(FrameDifferences(active, inactive, client, {CaptionBox()}), 0);
}

TEST_F(ChassisTest, TheFrameAnswersItsMessages) {
  // Too small for the frame: the client area is empty, never inverted.
  RECT tiny{100, 100, 104, 103};
  SendMessageW(Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&tiny));
  EXPECT_GE(tiny.right, tiny.left);
  EXPECT_GE(tiny.bottom, tiny.top);

  EXPECT_EQ(SendMessageW(Handle(), vx::kFrameQueryMessage, 0, 0), vx::kFrameQuerySkinnable);
  tk::TBitmap bitmap(883, 708);
  EXPECT_EQ(SendMessageW(Handle(), vx::kFramePrintMessage2, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()),
                         vx::kFramePrintKey),
            vx::kFramePrintKey);
  // Not the key, and not a device context: handed on, nothing printed.
  EXPECT_EQ(SendMessageW(Handle(), vx::kFramePrintMessage2, 0, 1), 0);
  EXPECT_EQ(SendMessageW(Handle(), vx::kFramePrintMessage, 12345, 0), vx::kFramePrinted);

  // Hit tests by the skin's rules.
  EXPECT_EQ(HitTest(400, 10), HTCAPTION);
  EXPECT_EQ(HitTest(400, 300), HTCLIENT);
  EXPECT_EQ(HitTest(0, 300), HTLEFT);
  EXPECT_EQ(HitTest(869, 10), HTOBJECT);  // the close button

  // Every activation message is announced, changed or not.
  int activated = 0, deactivated = 0;
  chassis->OnActivate = [&](tk::TObject*) { ++activated; };
  chassis->OnDeActivate = [&](tk::TObject*) { ++deactivated; };
  SendMessageW(Handle(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(activated + deactivated, 2);
}

TEST_F(ChassisTest, ACaptionChangeRepaintsOnlyTheCaption) {
  const vx::frame::Rect client = ClientInWindow();
  const vx::TvxPixmap before = PrintFrame(Handle(), 883, 708);
  form->SetCaption(L"Another caption, rather longer than the first");
  PumpUntilIdle();
  const vx::TvxPixmap after = PrintFrame(Handle(), 883, 708);
  EXPECT_EQ(FrameDifferences(before, after, client, {CaptionBox()}), 0);
  EXPECT_GT(FrameDifferences(before, after, client, {}), 0);
}

TEST_F(ChassisTest, WithoutASkinTheDefaultFrameStillMovesMinimizesAndCloses) {
  LoadEmptySkin();
  EXPECT_FALSE(chassis->SkinMode());
  // Border 3, caption 19.
  EXPECT_EQ(ClientInWindow(), (vx::frame::Rect{3, 22, 880, 705}));
  EXPECT_EQ(RegionRects(Handle()), (std::vector<vx::frame::Rect>{{0, 0, 883, 708}}));
  const vx::TvxPixmap frame = PrintFrame(Handle(), 883, 708);
  EXPECT_EQ(frame.At(0, 300) & 0xFFFFFF, vx::PixelFromColor(GetSysColor(COLOR_3DLIGHT)));
  EXPECT_EQ(frame.At(882, 300) & 0xFFFFFF, vx::PixelFromColor(GetSysColor(COLOR_3DDKSHADOW)));

  EXPECT_EQ(HitTest(300, 10), HTCAPTION);  // moves with the platform's move loop
  EXPECT_EQ(HitTest(1, 300), HTLEFT);

  // Press and release on a caption button runs its command.
  auto click = [&](const char* name) {
    for (const auto& o : chassis->Objects()) {
      if (o.IDName != name || !o.Visible) continue;
      const int x = (o.rect.Left + o.rect.Right) / 2, y = (o.rect.Top + o.rect.Bottom) / 2;
      const RECT w = WindowRect();
      SetCursorPos(w.left + x, w.top + y);
      EXPECT_EQ(HitTest(x, y), HTOBJECT) << name;
      SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(w.left + x, w.top + y));
      SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
      return true;
    }
    return false;
  };
  ASSERT_TRUE(click("minbutton"));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Handle()) != FALSE; }));
  ShowWindow(Handle(), SW_RESTORE);
  PumpUntilIdle();
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction& action) {
    ++closes;
    action = tk::caNone;
  };
  ASSERT_TRUE(click("closebutton"));
  EXPECT_TRUE(PumpUntil([&] { return closes == 1; }));

  // The skin comes back: skin mode again, with its client area.
  skin->LoadCompressedStoredSkin(*stored);
  PumpUntilIdle();
  EXPECT_TRUE(chassis->SkinMode());
  EXPECT_EQ(ClientInWindow().Top, 26);
}

TEST_F(ChassisTest, TheClientBackgroundIsTheMainPicturesClientPartTiled) {
  form->SetBounds(40, 30, 540, 329);
  PumpUntilIdle();
  tk::TBitmap bitmap(534, 300);
  SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  const vx::TvxPixmap got = bitmap.Pixmap();
  const vx::TvxPixmap& main = skin->MainPicture;
  int wrong = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 534; ++x)
      if ((got.At(x, y) & 0xFFFFFF) != (main.At(3 + x % 279, 26 + y % 181) & 0xFFFFFF)) ++wrong;
  EXPECT_EQ(wrong, 0);
}

TEST_F(ChassisTest, TheClientBackgroundPaintsNothingOutsideItsRules) {
  auto& info = dynamic_cast<vx::TvxDataSkinFormInfo&>(skin->FormInfo());
  const vx::Pixel face = vx::PixelFromColor(GetSysColor(COLOR_BTNFACE)) & 0xFFFFFF;
  const COLORREF markerColour = RGB(0, 0, 255);
  const vx::Pixel marker = vx::PixelFromColor(markerColour) & 0xFFFFFF;
  auto erase = [&](int w, int h) {
    tk::TBitmap bitmap(w, h);
    HBRUSH brush = CreateSolidBrush(markerColour);
    const RECT all{0, 0, w, h};
    FillRect(bitmap.Canvas().Handle(), &all, brush);
    DeleteObject(brush);
    SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
    GdiFlush();
    return bitmap.Pixmap();
  };
  auto count = [](const vx::TvxPixmap& p, vx::Pixel colour) {
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) n += (p.At(x, y) & 0xFFFFFF) == colour;
    return n;
  };
  // A skin without a client part: the plain face, no logo over it.
  vx::TvxPixmap logo;
  logo.SetSize(40, 30, vx::MakePixel(255, 0, 0));
  chassis->SetLogoBitMap(logo);
  const vx::TvxRect savedClient = info.clientrect;
  info.clientrect = {0, 0, 0, 0};
  const vx::TvxPixmap plain = erase(877, 679);
  EXPECT_EQ(count(plain, face), 877 * 679);
  info.clientrect = savedClient;
  chassis->SetLogoBitMap(vx::TvxPixmap{});

  // Stretched, on a window rolled up to its caption bar: there is no client
  // area, so nothing is drawn into the context.
  info.stretcheffect = true;
  chassis->SetRollUpState(true);
  PumpUntilIdle();
  ASSERT_TRUE(chassis->RolledUp());
  const vx::TvxPixmap untouched = erase(200, 100);
  EXPECT_EQ(count(untouched, marker), 200 * 100);
  chassis->SetRollUpState(false);
  info.stretcheffect = false;
}

TEST_F(ChassisTest, StripsAreCutOnlyWhenTheSizeOrTheSkinChanges) {
  const int builds = chassis->StripBuilds();
  chassis->RepaintFrame();
  chassis->RepaintFrame();
  EXPECT_EQ(chassis->StripBuilds(), builds);
  form->SetBounds(40, 30, 700, 500);
  PumpUntilIdle();
  chassis->RepaintFrame();
  EXPECT_GT(chassis->StripBuilds(), builds);
}

TEST_F(ChassisTest, ResizesAndSkinSwitchesLeaveNothingBehind) {
  auto gdi = [] { return tktest::GdiObjectCount(); };
  auto user = [] { return tktest::UserObjectCount(); };
  for (int i = 0; i < 3; ++i) {
    form->SetBounds(40, 30, 600 + i, 400);
    skin->LoadCompressedStoredSkin(*stored);
  }
  const int gdiBefore = PumpUntilSteady(gdi), userBefore = PumpUntilSteady(user);
  for (int i = 0; i < 500; ++i) {
    form->SetBounds(40, 30, 400 + i, 300 + i % 200);
    if (i % 50 == 0) app->ProcessMessages();
  }
  for (int i = 0; i < 100; ++i) {
    skin->LoadCompressedStoredSkin(*stored);
    if (i % 10 == 0) app->ProcessMessages();
  }
  form->SetBounds(40, 30, 600 + 2, 400);
  EXPECT_LE(PumpUntilSteady(gdi), gdiBefore + 2);
  EXPECT_LE(PumpUntilSteady(user), userBefore);
}

TEST_F(ChassisTest, SettingsActWhenTheyAreSetAtRunTime) {
  const vx::frame::Rect client = ClientInWindow();
  const vx::TvxPixmap before = PrintFrame(Handle(), 883, 708);
  // A maximize button appears between minimize and close.
  chassis->SetBorderIcons(kIcons | vx::frame::biMaximize);
  const vx::TvxPixmap more = PrintFrame(Handle(), 883, 708);
  EXPECT_GT(FrameDifferences(before, more, client, {CaptionBox()}), 0);
  EXPECT_EQ(HitTest(847, 10), HTOBJECT);
  chassis->SetBorderIcons(kIcons);
  EXPECT_EQ(FrameDifferences(before, PrintFrame(Handle(), 883, 708), client, {CaptionBox()}), 0);
  // A larger minimum is applied at once.
  chassis->SetMinWidth(900);
  PumpUntilIdle();
  RECT w = WindowRect();
  EXPECT_EQ(w.right - w.left, 900);
  MINMAXINFO mmi{};
  SendMessageW(Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(mmi.ptMinTrackSize.x, 900);
  chassis->SetClientHeight(400);
  PumpUntilIdle();
  RECT c{};
  GetClientRect(Handle(), &c);
  EXPECT_EQ(c.bottom, 400);
}

TEST_F(ChassisTest, TheCaptionPaintHandlerReplacesTheCaptionText) {
  std::vector<std::pair<tk::TRect, bool>> calls;
  chassis->OnCaptionPaint = [&](tk::TCanvas& canvas, const tk::TRect& r, bool active) {
    calls.emplace_back(r, active);
    RECT fill{r.Left, r.Top, r.Right, r.Bottom};
    HBRUSH b = CreateSolidBrush(RGB(10, 200, 30));
    FillRect(canvas.Handle(), &fill, b);
    DeleteObject(b);
  };
  form->SetCaption(L"");  // still called for an empty caption
  PumpUntilIdle();
  calls.clear();
  const vx::TvxPixmap frame = PrintFrame(Handle(), 883, 708);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().first, (tk::TRect{5, 4, 839, 20}));
  EXPECT_EQ(frame.At(400, 12) & 0xFFFFFF, vx::PixelFromColor(RGB(10, 200, 30)));
}

TEST_F(ChassisTest, TheLogoIsCentredInTheClientArea) {
  vx::TvxPixmap logo(20, 10, vx::MakePixel(200, 0, 0));
  logo.Set(0, 9, vx::MakePixel(0, 0, 255));  // the transparent colour's pixel
  chassis->SetLogoBitMap(logo);
  RECT c{};
  GetClientRect(Handle(), &c);
  tk::TBitmap bitmap(c.right, c.bottom);
  SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  const int x = (c.right - 20) / 2, y = (c.bottom - 10) / 2;
  EXPECT_EQ(bitmap.Pixmap().At(x + 5, y + 5) & 0xFFFFFF, vx::MakePixel(200, 0, 0));
  EXPECT_EQ(bitmap.Pixmap().At(x, y + 9) & 0xFFFFFF, vx::MakePixel(0, 0, 255));
  chassis->SetLogoBitMapTransparent(true);
  SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  EXPECT_EQ(bitmap.Pixmap().At(x + 5, y + 5) & 0xFFFFFF, vx::MakePixel(200, 0, 0));
  EXPECT_NE(bitmap.Pixmap().At(x, y + 9) & 0xFFFFFF, vx::MakePixel(0, 0, 255));
}

// ---- window states ----

// A secondary form with a skinned frame.
vx::TvxChassis* SecondForm(tk::TApplication* app, vx::TvxSkinDataComponent* skin, int left, tk::TForm*& form) {
  app->CreateForm(form);
  auto* c = new vx::TvxChassis(form);
  c->SetSkinData(skin);
  c->SetBorderIcons(kIcons);
  form->SetBounds(left, 100, 540, 329);
  form->Show();
  return c;
}

vx::frame::Rect WorkArea(HWND h) {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &mi);
  return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
}

TEST_F(ChassisTest, MinimizedDialogsBecomeCaptionBarsSideBySideAndComeBack) {
  tk::TForm *a = nullptr, *b = nullptr;
  vx::TvxChassis* ca = SecondForm(app, skin, 100, a);
  vx::TvxChassis* cb = SecondForm(app, skin, 200, b);
  PumpUntilIdle();
  RECT before{};
  GetWindowRect(a->Handle(), &before);
  int minimized = 0;
  ca->OnMinimize = [&](tk::TObject*) { ++minimized; };
  ca->SetFrameWindowState(vx::frame::TvxFrameWindowState::Minimized);
  cb->SetFrameWindowState(vx::frame::TvxFrameWindowState::Minimized);
  PumpUntilIdle();
  const vx::frame::Rect work = WorkArea(a->Handle());
  RECT ra{}, rb{};
  GetWindowRect(a->Handle(), &ra);
  GetWindowRect(b->Handle(), &rb);
  EXPECT_EQ(ra.left, work.Left);
  EXPECT_EQ(ra.bottom, work.Bottom);
  EXPECT_EQ(ra.right - ra.left, 200);
  EXPECT_EQ(ra.bottom - ra.top, 29);
  EXPECT_EQ(rb.left, work.Left + 200);
  EXPECT_EQ(rb.top, ra.top);
  EXPECT_EQ(minimized, 1);
  EXPECT_FALSE(IsIconic(a->Handle()));
  EXPECT_EQ(a->WindowState(), tk::wsNormal);
  // A caption bar: caption and buttons only, no sizing borders.
  const LRESULT edge = SendMessageW(a->Handle(), WM_NCHITTEST, 0, MAKELPARAM(ra.left, ra.top + 14));
  EXPECT_TRUE(edge == HTOBJECT || edge == HTCAPTION) << edge;
  // Its minimize button restores it.
  ca->SetFrameWindowState(vx::frame::TvxFrameWindowState::Normal);
  PumpUntilIdle();
  RECT after{};
  GetWindowRect(a->Handle(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(ChassisTest, MaximizingKeepsAMarginOnABareScreenAndRestoreGoesBack) {
  chassis->SetBorderIcons(kIcons | vx::frame::biMaximize);
  const RECT before = WindowRect();
  chassis->SetFrameWindowState(vx::frame::TvxFrameWindowState::Maximized);
  PumpUntilIdle();
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &mi);
  const vx::frame::MonitorRects monitor{{mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom},
                                        {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom}};
  const vx::frame::Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const vx::frame::Rect want = vx::frame::MaximizeTarget(monitor, screen, false);
  const RECT got = WindowRect();
  EXPECT_EQ((vx::frame::Rect{got.left, got.top, got.right, got.bottom}), want);
  if (monitor.work == screen) {
    EXPECT_EQ(got.left, 1);  // no taskbar under Xvfb: the 1-pixel margin
  }
  EXPECT_FALSE(IsZoomed(Handle()));
  // Not sized from its borders, not moved by its caption.
  EXPECT_NE(HitTest(0, 300), HTLEFT);
  RECT moved{got.left + 50, got.top + 50, got.right + 50, got.bottom + 50};
  SendMessageW(Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&moved));
  EXPECT_EQ(moved.left, got.left);
  chassis->SetFrameWindowState(vx::frame::TvxFrameWindowState::Normal);
  PumpUntilIdle();
  const RECT back = WindowRect();
  EXPECT_EQ(back.left, before.left);
  EXPECT_EQ(back.right - back.left, 883);
}

TEST_F(ChassisTest, AMaximizeFromTheSystemTakesTheFramesRuleOrIsRefused) {
  // Without a maximize of the frame's own the window stays as it was.
  const RECT before = WindowRect();
  ShowWindow(Handle(), SW_MAXIMIZE);
  PumpUntilIdle();
  EXPECT_FALSE(IsZoomed(Handle()));
  EXPECT_EQ(chassis->WindowState(), vx::frame::TvxFrameWindowState::Normal);
  const RECT same = WindowRect();
  EXPECT_EQ(same.left, before.left);
  EXPECT_EQ(same.top, before.top);
  EXPECT_EQ(same.right - same.left, 883);
  EXPECT_EQ(same.bottom - same.top, 708);
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, 883, 708, kIcons));
  EXPECT_FALSE(SkinnedMenuShown());
  EXPECT_FALSE(chassis->MenuOpen());

  // With one it is the frame's maximize: the work area, region and buttons
  // laid out for it, and the frame's restore brings the old bounds back.
  chassis->SetBorderIcons(kIcons | vx::frame::biMaximize);
  ShowWindow(Handle(), SW_MAXIMIZE);
  PumpUntilIdle();
  EXPECT_FALSE(IsZoomed(Handle()));
  EXPECT_EQ(chassis->WindowState(), vx::frame::TvxFrameWindowState::Maximized);
  const RECT got = WindowRect();
  EXPECT_EQ((vx::frame::Rect{got.left, got.top, got.right, got.bottom}), MaximizedBounds(Handle()));
  const int w = got.right - got.left, h = got.bottom - got.top;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Handle(), rgn), ERROR);
  RECT box{};
  GetRgnBox(rgn, &box);
  DeleteObject(rgn);
  EXPECT_EQ((vx::frame::Rect{box.left, box.top, box.right, box.bottom}), (vx::frame::Rect{0, 0, w, h}));
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, w, h, kIcons | vx::frame::biMaximize));
  EXPECT_EQ(chassis->Geometry().width, w);
  EXPECT_FALSE(SkinnedMenuShown());
  chassis->SetFrameWindowState(vx::frame::TvxFrameWindowState::Normal);
  PumpUntilIdle();
  const RECT back = WindowRect();
  EXPECT_EQ(back.left, before.left);
  EXPECT_EQ(back.right - back.left, 883);
  EXPECT_EQ(back.bottom - back.top, 708);
}

TEST_F(ChassisTest, TheHoverPollARestoreStartsStopsOnceThePointerIsAway) {
  chassis->SetBorderIcons(kIcons | vx::frame::biMaximize);
  chassis->SetFrameWindowState(vx::frame::TvxFrameWindowState::Maximized);
  PumpUntilIdle();
  chassis->SetFrameWindowState(vx::frame::TvxFrameWindowState::Normal);
  EXPECT_TRUE(chassis->HoverPolling());
  // Off the window (which is back at 40, 30, 883 x 708).
  SetCursorPos(1100, 900);
  EXPECT_TRUE(PumpUntil([&] { return !chassis->HoverPolling(); }));
}

TEST_F(ChassisTest, ACaptionDoubleClickRollsUpAndDown) {
  const RECT w = WindowRect();
  int changes = 0;
  chassis->OnChangeRollUpState = [&](tk::TObject*) { ++changes; };
  SendMessageW(Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(w.left + 400, w.top + 10));
  PumpUntilIdle();
  EXPECT_TRUE(chassis->RolledUp());
  EXPECT_EQ(WindowRect().bottom - WindowRect().top, 29);
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, 883, 29, kIcons));
  EXPECT_NE(HitTest(0, 15), HTLEFT);  // no sizing while rolled up
  SendMessageW(Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(w.left + 400, w.top + 10));
  PumpUntilIdle();
  EXPECT_FALSE(chassis->RolledUp());
  EXPECT_EQ(WindowRect().bottom - WindowRect().top, 708);
  EXPECT_EQ(changes, 2);
}

TEST_F(ChassisTest, MagneticEdgesSnapAtFourPixelsButNotAtFive) {
  chassis->Magnetic = true;
  const vx::frame::Rect work = WorkArea(Handle());
  const RECT w = WindowRect();
  SetCursorPos(w.left + 400, w.top + 10);
  SendMessageW(Handle(), WM_ENTERSIZEMOVE, 0, 0);
  auto move = [&](int left) {
    RECT r{work.Left + left, 200, work.Left + left + 883, 908};
    SendMessageW(Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    return r.left - work.Left;
  };
  EXPECT_EQ(move(5), 5);
  EXPECT_EQ(move(4), 0);
  // Held at the edge while the pointer stays within 5 pixels of the snap.
  EXPECT_EQ(move(12), 0);
  EXPECT_EQ(move(4), 0);
  // Past that the window follows the pointer with the offset it had at the
  // snap, then moves freely.
  SetCursorPos(w.left + 406, w.top + 10);
  EXPECT_EQ(move(12), 6);
  EXPECT_EQ(move(12), 12);
  SendMessageW(Handle(), WM_EXITSIZEMOVE, 0, 0);
}

TEST_F(ChassisTest, PressingAButtonAndReleasingItElsewhereRunsNothing) {
  const RECT w = WindowRect();
  // Minimize button of the main form: pressed, the pointer leaves, released.
  SetCursorPos(w.left + 847, w.top + 10);
  EXPECT_EQ(HitTest(847, 10), HTOBJECT);
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(w.left + 847, w.top + 10));
  SetCursorPos(w.left + 400, w.top + 300);
  SendMessageW(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(400, 274));
  SendMessageW(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 274));
  PumpUntilIdle();
  EXPECT_FALSE(IsIconic(Handle()));
  // Released on it: the main form minimizes the application; the frame's
  // own state stays normal and so does the form's.
  SetCursorPos(w.left + 847, w.top + 10);
  EXPECT_EQ(HitTest(847, 10), HTOBJECT);
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(w.left + 847, w.top + 10));
  SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Handle()) != FALSE; }));
  EXPECT_EQ(chassis->WindowState(), vx::frame::TvxFrameWindowState::Normal);
  EXPECT_EQ(form->WindowState(), tk::wsNormal);
  SendMessageW(Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpUntilIdle();
  const RECT back = WindowRect();
  EXPECT_EQ(back.left, w.left);
  EXPECT_EQ(back.bottom - back.top, 708);
}

TEST_F(ChassisTest, AButtonPointedAtWhileInactiveWorksRightAfterTheActivation) {
  tk::TForm* other = nullptr;
  app->CreateForm(other);
  other->SetBounds(600, 760, 200, 100);
  other->Show();
  SetActiveWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return !form->Active(); }));
  const RECT w = WindowRect();
  int close = -1;
  for (size_t i = 0; i < chassis->Objects().size(); ++i)
    if (chassis->Objects()[i].command == vx::frame::TvxStdCommand::cmclose) close = static_cast<int>(i);
  ASSERT_GE(close, 0);
  // Over the close button of the inactive window: nothing lights up.
  SetCursorPos(w.left + 869, w.top + 10);
  EXPECT_EQ(HitTest(869, 10), HTOBJECT);
  EXPECT_FALSE(chassis->Objects()[close].Active);
  // Activated (as the press on it does first), the click closes at once.
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction& action) {
    ++closes;
    action = tk::caNone;
  };
  SetActiveWindow(Handle());
  ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(w.left + 869, w.top + 10));
  SendMessageW(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(869 - 3, 10 - 26));
  PumpUntilIdle();
  EXPECT_EQ(closes, 1);
}

TEST_F(ChassisTest, ObjectEventsNameTheirObject) {
  std::vector<std::string> seen;
  chassis->OnMouseEnterEvent = [&](const std::string& n) { seen.push_back("enter " + n); };
  chassis->OnMouseLeaveEvent = [&](const std::string& n) { seen.push_back("leave " + n); };
  chassis->OnMouseUpEvent = [&](const std::string& n) { seen.push_back("up " + n); };
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction& action) {
    ++closes;
    action = tk::caNone;
  };
  const RECT w = WindowRect();
  SetCursorPos(w.left + 869, w.top + 10);
  EXPECT_EQ(HitTest(869, 10), HTOBJECT);
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(w.left + 869, w.top + 10));
  SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(closes, 1);
  SetCursorPos(w.left + 400, w.top + 300);
  EXPECT_TRUE(PumpUntil([&] { return std::find(seen.begin(), seen.end(), "leave closebutton") != seen.end(); }));
  // Close shows the released button first, then clears the hot object.
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], "enter closebutton");
  EXPECT_EQ(seen[1], "up closebutton");
  EXPECT_EQ(seen[2], "leave closebutton");
}

TEST_F(ChassisTest, WithSkinEffectsAButtonFadesInAndOut) {
  skin->EnableSkinEffects = true;
  auto closeMorph = [&] {
    for (const auto& o : chassis->Objects())
      if (o.IDName == "closebutton") return o.morph;
    return -1.0;
  };
  const RECT w = WindowRect();
  SetCursorPos(w.left + 869, w.top + 10);
  EXPECT_EQ(HitTest(869, 10), HTOBJECT);
  std::vector<double> steps;
  EXPECT_TRUE(PumpUntil([&] {
    const double m = closeMorph();
    if (steps.empty() || steps.back() != m) steps.push_back(m);
    return m == 1.0;
  }));
  EXPECT_GE(steps.size(), 3u) << "faded in steps";
  const vx::TvxPixmap& buttons = *skin->Picture(0);
  const vx::TvxPixmap lit = PrintFrame(Handle(), 883, 708);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 17; ++x) ASSERT_EQ(lit.At(861 + x, 3 + y) & 0xFFFFFF, buttons.At(x, 15 + y) & 0xFFFFFF);
  SetCursorPos(w.left + 400, w.top + 300);
  EXPECT_TRUE(PumpUntil([&] { return closeMorph() == 0.0; }));
}

// Full-window drag is set explicitly: the region follows WM_SIZING with it,
// and waits for the window's own new size without it.
class DragSetting {
 public:
  explicit DragSetting(BOOL full) {
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &saved_, 0);
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
  }
  ~DragSetting() { SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, saved_, nullptr, 0); }

 private:
  BOOL saved_ = TRUE;
};

TEST_F(ChassisTest, ALiveResizeCutsTheRegionBeforeTheWindowHasTheNewSize) {
  const auto before = RegionRects(Handle());
  {
    DragSetting outline(FALSE);
    SendMessageW(Handle(), WM_ENTERSIZEMOVE, 0, 0);
    RECT proposed = WindowRect();
    proposed.right += 60;
    SendMessageW(Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(RegionRects(Handle()), before) << "an outline drag leaves the window as it is";
    SendMessageW(Handle(), WM_EXITSIZEMOVE, 0, 0);
  }
  DragSetting full(TRUE);
  SendMessageW(Handle(), WM_ENTERSIZEMOVE, 0, 0);
  RECT proposed = WindowRect();
  proposed.right += 60;
  proposed.bottom -= 40;
  SendMessageW(Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, 943, 668, kIcons));
  SendMessageW(Handle(), WM_EXITSIZEMOVE, 0, 0);
  // Too small a proposal is laid out at the minimum.
  SendMessageW(Handle(), WM_ENTERSIZEMOVE, 0, 0);
  RECT tiny = WindowRect();
  tiny.right = tiny.left + 50;
  SendMessageW(Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&tiny));
  EXPECT_EQ(chassis->Geometry().width, 200);
  SendMessageW(Handle(), WM_EXITSIZEMOVE, 0, 0);
  // The loop over: the frame takes the window's real size again.
  PumpUntilIdle();
  const RECT w = WindowRect();
  EXPECT_EQ(RegionRects(Handle()), vx::frame::FrameRegionPreview(*skin, w.right - w.left, w.bottom - w.top, kIcons));
}

TEST(ChassisOwner, AnOwnerThatIsNotAFormIsRefused) {
  tk::TComponent owner(nullptr);
  EXPECT_THROW(vx::TvxChassis chassis(&owner), tk::EInvalidCast);
}

}  // namespace
