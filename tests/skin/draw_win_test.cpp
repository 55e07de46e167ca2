// The Windows binding of the drawing code, with real windows under Wine:
// platform services, region handles on windows, glow text and the layered
// window fade.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "vxDib.h"
#include "vxGlowText.h"
#include "vxLayerWindow.h"
#include "vxPlatform.h"
#include "vxRegionWin.h"
#include "ProgramSkin.h"
#include "vxUtils.h"

namespace vx {
namespace {

// Handles messages until `done` holds or `ms` have passed; returns whether it held.
template <class Done>
bool PumpUntil(Done done, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (!done()) {
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
  return true;
}

void Pump(DWORD ms) { PumpUntil([] { return false; }, ms); }

TEST(Platform, ServicesResolveAndFallBackSoundly) {
  const TvxPlatform& p = TvxPlatform::Get();
  EXPECT_GE(p.Major(), 5u);
  EXPECT_TRUE(p.LayeredWindowsAvailable());
  EXPECT_TRUE(p.HasUpdateLayered());
  const RECT work = p.WorkArea(nullptr);
  EXPECT_GT(work.right - work.left, 0);
  EXPECT_GT(work.bottom - work.top, 0);
  HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(w);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(p.ScrollBarInfo(w, OBJID_VSCROLL, &info));
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  p.CompositionEnabled();  // answers either way without the compositor
  p.SetWindowTransitions(w, false);
  DestroyWindow(w);
}

TEST(Region, DataPastTheBudgetBecomesOneRegion) {
  TvxPixmap board(200, 200, 0xFFFFFF);
  for (int y = 0; y < 200; ++y)
    for (int x = (y & 1); x < 200; x += 2) board.Set(x, y, 0);
  HRGN r = MaskRegionHandle(board);
  ASSERT_TRUE(r);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {199, 199}, {198, 199}, {57, 91}, {58, 91}})
    EXPECT_EQ(PtInRegion(r, x, y) != FALSE, ((x + y) & 1) == 0) << x << "," << y;
  DeleteObject(r);
  EXPECT_FALSE(RegionFromData({1, 2, 3}));
}

// A window of the program's frame size whose region comes from a mask with
// the frame's corner points (pinned once, in ProgramSkin.h) and cut corners.
const frame::FrameSkin kProgramFrame = frame::testing::ProgramFrameSkin();

TvxPixmap FrameMask() {
  const int w = kProgramFrame.pictureWidth, h = kProgramFrame.pictureHeight;
  TvxPixmap m(w, h, 0);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6 - i; ++j) {
      m.Set(i, j, 0xFFFFFF);
      m.Set(w - 1 - i, j, 0xFFFFFF);
      m.Set(i, h - 1 - j, 0xFFFFFF);
      m.Set(w - 1 - i, h - 1 - j, 0xFFFFFF);
    }
  return m;
}

NinePartLayout ProgramFrameLayout() {
  const frame::FormInfo& f = kProgramFrame.info;
  auto p = [](frame::Point q) { return PixPoint{q.X, q.Y}; };
  const frame::Rect& c = f.clientrect;
  return {p(f.lefttoppoint), p(f.righttoppoint), p(f.leftbottompoint), p(f.rightbottompoint),
          {c.Left, c.Top, c.Right, c.Bottom}};
}
const NinePartLayout kFrame = ProgramFrameLayout();

LRESULT CALLBACK RedProc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(h, &r);
    HBRUSH b = CreateSolidBrush(RGB(220, 30, 30));
    FillRect(reinterpret_cast<HDC>(wp), &r, b);
    DeleteObject(b);
    return 1;
  }
  return DefWindowProcW(h, m, wp, lp);
}

TEST(Region, MaskRegionCutsTheWindowsCorners) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RedProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"KinopodRegionTest";
  RegisterClassW(&wc);
  const int W = 500, H = 360, X = 120, Y = 90;
  HWND w = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP, X, Y, W, H, nullptr, nullptr,
                           wc.hInstance, nullptr);
  ASSERT_TRUE(w);
  auto sized = SizedMaskRegion(FrameMask(), kFrame, MapStandardSize(kFrame, kProgramFrame.pictureWidth, kProgramFrame.pictureHeight, W, H), W);
  ASSERT_TRUE(sized);
  TvxWindowRegion owner;
  ASSERT_TRUE(owner.Apply(w, SizedRegionHandle(*sized)));
  EXPECT_TRUE(owner.HasRegion());
  ShowWindow(w, SW_SHOWNOACTIVATE);
  UpdateWindow(w);
  HRGN check = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w, check), ERROR);
  EXPECT_FALSE(PtInRegion(check, 0, 0));
  EXPECT_FALSE(PtInRegion(check, 4, 1));
  EXPECT_TRUE(PtInRegion(check, 6, 0));
  EXPECT_FALSE(PtInRegion(check, W - 1, 0));
  EXPECT_FALSE(PtInRegion(check, W - 1, H - 1));
  EXPECT_FALSE(PtInRegion(check, 0, H - 1));
  EXPECT_TRUE(PtInRegion(check, W / 2, H / 2));
  EXPECT_TRUE(PtInRegion(check, W - 7, H - 1));
  DeleteObject(check);
  // What the screen shows: the corner is the desktop, the inside is red
  // (read once the window has been painted).
  auto pixel = [](int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
  };
  PumpUntil([&] { return pixel(X + W / 2, Y + H / 2) == RGB(220, 30, 30); }, 3000);
  const COLORREF corner = pixel(X, Y), inside = pixel(X + W / 2, Y + H / 2);
  EXPECT_EQ(inside, RGB(220, 30, 30));
  EXPECT_NE(corner, RGB(220, 30, 30));
  if (const char* keep = getenv("KINOPOD_KEEP_WINDOW")) Pump(atoi(keep));  // time for a screenshot
  ASSERT_TRUE(owner.Apply(w, nullptr));
  EXPECT_FALSE(owner.HasRegion());
  DestroyWindow(w);
}

TEST(Dib, PicturesInDibSectionsTakeGdiDrawing) {
  InstallDibPixelStorage();
  TvxPixmap p(40, 20, MakePixel(255, 255, 255));
  SetPixelStorageFactory(nullptr);
  HDC dc = PixmapDC(p);
  ASSERT_TRUE(dc);
  SetPixelV(dc, 3, 4, RGB(10, 20, 30));
  GdiFlush();
  EXPECT_EQ(p.At(3, 4) & 0xFFFFFF, MakePixel(10, 20, 30));
  EXPECT_FALSE(PixmapDC(TvxPixmap(2, 2)));
}

TEST(GlowText, GlowSurroundsTheTextAndReflectionsFallBelow) {
  HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial");
  const TvxTextStyle style{font, RGB(0, 0, 0), DT_LEFT | DT_TOP | DT_SINGLELINE};
  const RECT rect{30, 20, 190, 45};
  auto tinted = [](const TvxPixmap& p, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += (p.At(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
  };
  TvxPixmap plain(220, 100, 0xFFFFFF), glow(220, 100, 0xFFFFFF);
  DrawGlowText(plain, rect, L"Kinopod", 0, RGB(255, 0, 0), 0, style);
  DrawGlowText(glow, rect, L"Kinopod", 6, RGB(255, 0, 0), 0, style);
  EXPECT_GT(tinted(plain, 30, 20, 190, 45), 50);                // the text itself
  EXPECT_EQ(tinted(plain, 0, 0, 220, 20), 0);                   // nothing above it
  EXPECT_GT(tinted(glow, 24, 14, 196, 20), 0);                  // glow above the text
  EXPECT_EQ(tinted(glow, 0, 0, 220, 12), 0);                    // but not beyond the glow
  EXPECT_EQ(PixelB(glow.At(35, 17)), PixelG(glow.At(35, 17)));  // red glow: blue and green equal
  TvxPixmap soft(220, 100, 0xFFFFFF);
  DrawSoftGlowText(soft, rect, L"Kinopod", style, RGB(0, 0, 255));
  EXPECT_GT(tinted(soft, 20, 10, 30, 55), 0);
  // The caption's soft glow reaches two pixels further out than the plain one.
  TvxPixmap caption(220, 100, 0xFFFFFF);
  DrawSoftGlowText(caption, rect, L"Kinopod", style, RGB(0, 0, 255), kCaptionSoftGlow);
  EXPECT_EQ(tinted(soft, rect.left - 12, rect.top, rect.left - 10, rect.bottom), 0);
  EXPECT_GT(tinted(caption, rect.left - 12, rect.top, rect.left - 10, rect.bottom), 0);
  TvxPixmap mirrored(220, 100, 0xFFFFFF);
  DrawReflectedText(mirrored, rect, L"Kinopod", style);
  EXPECT_GT(tinted(mirrored, 30, 45, 190, 58), 0);
  EXPECT_EQ(tinted(mirrored, 0, 72, 220, 100), 0);  // faded out by the copy's middle
  DrawGlowText(glow, rect, L"x", 100000, 0, 0, style);  // glow size clamped
  DeleteObject(font);
}

TEST(Layer, ShowLayerFadesInByTenthsAndHides) {
  TvxPixmap picture(60, 40, MakePixel(40, 200, 90)), mask(60, 40, 0xFFFFFF);
  mask.Set(0, 0, 0);
  TvxLayerManager layers;
  std::vector<int> steps;
  layers.onFadeStep = [&](int o) { steps.push_back(o); };
  layers.ShowLayer(300, 200, 255, mask, picture);
  HWND w = layers.Window();
  ASSERT_TRUE(w);
  const LONG_PTR ex = GetWindowLongPtrW(w, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_NE(GetForegroundWindow(), w);
  for (int i = 0; i < 200 && layers.Fading(); ++i) Pump(20);
  ASSERT_EQ(steps.size(), 11u);
  EXPECT_EQ(steps[0], 25);
  EXPECT_EQ(steps[9], 250);
  EXPECT_EQ(steps[10], 255);
  EXPECT_EQ(layers.Opacity(), 255);
  layers.ShowLayer(300, 200, 3, mask, picture);  // a tiny target still ends
  for (int i = 0; i < 100 && layers.Fading(); ++i) Pump(20);
  EXPECT_FALSE(layers.Fading());
  EXPECT_EQ(layers.Opacity(), 3);
  layers.HideLayer();
  EXPECT_FALSE(layers.Window());
  EXPECT_FALSE(IsWindow(w));
}

TEST(Layer, TheFadeFindsItsManagerWhateverTheWindowsUserDataSays) {
  // Any process may set a window's user data (Windows lets it; Wine refuses
  // other processes, so this test sets it from inside).
  TvxPixmap picture(20, 20, MakePixel(40, 200, 90)), mask(20, 20, 0xFFFFFF);
  TvxLayerManager layers;
  int steps = 0;
  layers.onFadeStep = [&](int) { ++steps; };
  layers.ShowLayer(300, 200, 255, mask, picture);
  HWND w = layers.Window();
  ASSERT_TRUE(w);
  SetWindowLongPtrW(w, GWLP_USERDATA, static_cast<LONG_PTR>(0xDEADBEEF));
  for (int i = 0; i < 200 && layers.Fading(); ++i) Pump(20);
  EXPECT_EQ(steps, 11);
  EXPECT_EQ(layers.Opacity(), 255);
}

}  // namespace
}  // namespace vx
