// The frame's window effects and tray on real windows: the layered style and
// opacity its alpha settings give, the fade-in stepped by a hand-driven clock
// (across the tick counter's wrap) and by the real timer, the picture over an
// inactive form's client area, and the tray through a fake shell (a display
// without a shell has no notification area).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Chassis.h"
#include "../ProgramSkinOnForm.h"
#include "tkStdCtrls.h"
#include "vxInactiveClient.h"
#include "vxStackBlur.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

constexpr vx::frame::TvxBorderIcons kIcons = vx::frame::biMinimize | vx::frame::biRollUp;

struct Layered {
  bool layered = false;
  int alpha = -1;
  DWORD flags = 0;
};

Layered LayeredState(HWND h) {
  Layered s;
  s.layered = (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  BYTE alpha = 0;
  COLORREF key = 0;
  if (s.layered && GetLayeredWindowAttributes(h, &key, &alpha, &s.flags)) s.alpha = alpha;
  return s;
}

// The client area as the screen shows it.
vx::TvxPixmap ClientPixels(HWND h) {
  RECT cr{};
  GetClientRect(h, &cr);
  tk::TBitmap bitmap(cr.right, cr.bottom);
  HDC dc = GetDC(h);
  BitBlt(bitmap.Canvas().Handle(), 0, 0, cr.right, cr.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(h, dc);
  GdiFlush();
  return bitmap.Pixmap();
}

int Rgb(vx::Pixel p) { return static_cast<int>(p & 0xFFFFFF); }

class EffectsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    tktest::ParkPointer();
    app->CreateForm(form);
    form->SetCaption(L"Effects test");
    skin = vx::testing::AddProgramSkin(form).skin;
    chassis = new vx::TvxChassis(form);
    chassis->SetSkinData(skin);
    chassis->SetBorderIcons(kIcons);
    form->SetBounds(40, 30, 500, 360);
  }
  void ShowForm() {
    form->Show();
    PumpUntilIdle();
  }
  HWND Handle() { return form->Handle(); }
  // One tick of the fade timer, handled at once (no other message runs).
  void Tick() { SendMessageW(Handle(), WM_TIMER, 1, 0); }

  tk::TForm* form = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxChassis* chassis = nullptr;
};

// ---- opacity and the fade ----

TEST_F(EffectsTest, AlphaSettersActAtOnceOnTheShownWindow) {
  ShowForm();
  EXPECT_FALSE(LayeredState(Handle()).layered);
  chassis->SetAlphaBlend(true);
  Layered s = LayeredState(Handle());
  EXPECT_TRUE(s.layered);
  EXPECT_EQ(s.alpha, 200);
  EXPECT_EQ(s.flags, static_cast<DWORD>(LWA_ALPHA));
  chassis->SetAlphaBlendValue(90);
  EXPECT_EQ(LayeredState(Handle()).alpha, 90);
  chassis->SetAlphaBlendValue(400);  // a byte: clamped
  EXPECT_EQ(chassis->AlphaBlendValue(), 255);
  EXPECT_EQ(LayeredState(Handle()).alpha, 255);
  chassis->SetAlphaBlend(false);
  EXPECT_FALSE(LayeredState(Handle()).layered);
  // Off, a new value waits for the next time it is switched on.
  chassis->SetAlphaBlendValue(-5);
  EXPECT_FALSE(LayeredState(Handle()).layered);
  chassis->SetAlphaBlend(true);
  EXPECT_EQ(LayeredState(Handle()).alpha, 0);
}

TEST_F(EffectsTest, TheFadeStepsByAFifteenthNoCloserThanTheGapAcrossTheWrap) {
  uint32_t now = 0xFFFFFFF0u;  // the counter wraps during the fade
  chassis->FadeClock = [&] { return now; };
  chassis->SetAlphaBlend(true);
  chassis->SetAlphaBlendValue(150);
  chassis->SetAlphaBlendAnimation(true);
  form->Show();  // no messages handled: the fade waits for its timer
  Layered s = LayeredState(Handle());
  EXPECT_TRUE(s.layered);
  EXPECT_EQ(s.alpha, 0);

  std::vector<int> seen;
  int ticks = 0;
  Tick();
  seen.push_back(LayeredState(Handle()).alpha);
  while (chassis->Fading() && ticks++ < 100) {
    Tick();  // same moment: no step
    EXPECT_EQ(LayeredState(Handle()).alpha, seen.back());
    now += 5;  // 5 ms is not yet more than the gap
    Tick();
    EXPECT_EQ(LayeredState(Handle()).alpha, seen.back());
    now += 1;
    Tick();
    seen.push_back(LayeredState(Handle()).alpha);
  }
  ASSERT_EQ(seen.size(), 15u);
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], 10 * static_cast<int>(i + 1)) << i;
  EXPECT_LT(now, 0x100u);  // the wrap was crossed
  // Below 255 the window stays layered at the value, and the timer is done.
  now += 1000;
  Tick();
  s = LayeredState(Handle());
  EXPECT_TRUE(s.layered);
  EXPECT_EQ(s.alpha, 150);
  EXPECT_FALSE(chassis->Fading());
}

TEST_F(EffectsTest, AFadeToFullOpacityEndsUnlayeredAndRunsFromTheRealTimer) {
  // The skin's rule alone asks for the fade, with a value of 0 made opaque.
  skin->AnimationForAllWindows = true;
  chassis->SetAlphaBlendValue(0);
  // Every tick reads the clock once, before its step: the opacity seen at
  // the next tick tells whether this one stepped. The step times are the
  // fade's own, not when this test happened to look.
  std::vector<std::pair<uint32_t, int>> ticks;
  chassis->FadeClock = [&] {
    const uint32_t t = GetTickCount();
    ticks.push_back({t, LayeredState(Handle()).alpha});
    return t;
  };
  form->Show();
  EXPECT_EQ(LayeredState(Handle()).alpha, 0);
  EXPECT_EQ(chassis->AlphaBlendValue(), 255);
  // Other messages are handled while it runs: a posted one arrives before
  // the fade ends.
  bool posted = false;
  const UINT probe = RegisterWindowMessageW(L"KinopodFadeProbe");
  PostMessageW(Handle(), probe, 0, 0);
  const auto old = form->WindowProc.Add([&](tk::TMessage& m, const tk::TWndMethod& next) {
    if (m.Msg == probe) posted = true;
    next(m);
  });
  std::vector<int> seen;
  ASSERT_TRUE(PumpUntil(
      [&] {
        const Layered s = LayeredState(Handle());
        if (s.layered && (seen.empty() || s.alpha != seen.back())) seen.push_back(s.alpha);
        return !s.layered;
      },
      5000));
  form->WindowProc.Remove(old);
  EXPECT_TRUE(posted);
  EXPECT_FALSE(chassis->Fading());
  std::vector<uint32_t> stepAt;
  for (size_t i = 0; i + 1 < ticks.size(); ++i)
    if (ticks[i + 1].second != ticks[i].second) stepAt.push_back(ticks[i].first);
  ASSERT_GE(stepAt.size(), 10u);
  for (size_t i = 1; i < stepAt.size(); ++i) EXPECT_GT(stepAt[i] - stepAt[i - 1], 5u) << i;
  ASSERT_FALSE(seen.empty());
  for (int alpha : seen) EXPECT_EQ(alpha % 17, 0) << alpha;  // 255 / 15
}

TEST_F(EffectsTest, WithoutTheFadeTheValueIsAppliedOnTheFirstTick) {
  chassis->SetAlphaBlend(true);
  chassis->SetAlphaBlendValue(120);
  form->Show();
  Tick();
  EXPECT_EQ(LayeredState(Handle()).alpha, 120);
  EXPECT_FALSE(chassis->Fading());
  form->Hide();
  chassis->SetAlphaBlendValue(255);
  form->Show();
  EXPECT_TRUE(LayeredState(Handle()).layered);
  Tick();
  EXPECT_FALSE(LayeredState(Handle()).layered);
  // A stray tick with the same id changes nothing once the show is done.
  chassis->SetAlphaBlendValue(60);
  Tick();
  EXPECT_EQ(LayeredState(Handle()).alpha, 60);
}

TEST_F(EffectsTest, HidingDuringTheFadeLeavesTheTargetAndNoTimer) {
  uint32_t now = 100;
  chassis->FadeClock = [&] { return now; };
  chassis->SetAlphaBlendAnimation(true);
  form->Show();
  Tick();
  EXPECT_EQ(LayeredState(Handle()).alpha, 17);
  form->Hide();
  EXPECT_FALSE(chassis->Fading());
  EXPECT_FALSE(LayeredState(Handle()).layered);
  now += 100;
  Tick();
  EXPECT_FALSE(LayeredState(Handle()).layered);
  // Shown again, the fade starts over.
  form->Show();
  EXPECT_EQ(LayeredState(Handle()).alpha, 0);
  Tick();
  EXPECT_EQ(LayeredState(Handle()).alpha, 17);

  // Hidden before its first tick, a constant opacity is left in place.
  form->Hide();
  chassis->SetAlphaBlend(true);
  chassis->SetAlphaBlendValue(80);
  form->Show();
  EXPECT_EQ(LayeredState(Handle()).alpha, 0);
  form->Hide();
  EXPECT_EQ(LayeredState(Handle()).alpha, 80);
  Tick();
  EXPECT_EQ(LayeredState(Handle()).alpha, 80);
  EXPECT_FALSE(chassis->Fading());
}

TEST_F(EffectsTest, ASizeRepaintsAWindowThatIsSeenThrough) {
  ShowForm();
  RECT cr{};
  GetClientRect(Handle(), &cr);
  auto repaintAfterSize = [&] {
    UpdateWindow(Handle());
    SendMessageW(Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(cr.right, cr.bottom));
    RECT u{};
    return GetUpdateRect(Handle(), &u, FALSE) != FALSE;
  };
  EXPECT_FALSE(repaintAfterSize());
  chassis->SetAlphaBlend(true);
  EXPECT_TRUE(repaintAfterSize());
  chassis->SetAlphaBlendValue(255);  // opaque: nothing shows through
  EXPECT_FALSE(repaintAfterSize());
}

// ---- the inactive client effect ----

class InactiveTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    block = new tk::TPanel(form);
    block->SetParent(form);
    block->SetBevelOuter(tk::TPanelBevel::bvNone);
    block->SetColor(tk::TColor(RGB(255, 0, 0)));
    block->SetBounds(100, 80, 60, 40);
    chassis->ClientInActiveEffect = true;
    ShowForm();
    SendMessageW(Handle(), WM_NCACTIVATE, TRUE, 0);
  }
  tk::TPanel* block = nullptr;
};

TEST_F(InactiveTest, TheBlurredSnapshotCoversTheClientWhileInactive) {
  chassis->ClientInActiveEffectType = vx::vxieBlur;
  vx::TvxPixmap expected = ClientPixels(Handle());
  ASSERT_EQ(Rgb(expected.At(130, 100)), 0xFF0000);
  vx::StackBlur(expected, 3);
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  vx::TvxClientInActivePanel* panel = chassis->ClientInActivePanel();
  ASSERT_NE(panel, nullptr);
  RECT cr{};
  GetClientRect(Handle(), &cr);
  EXPECT_EQ(tktest::WindowBoundsInParent(panel->Handle()), (tk::TRect{0, 0, cr.right, cr.bottom}));
  const vx::TvxPixmap& pic = panel->Picture();
  ASSERT_EQ(pic.Width(), expected.Width());
  ASSERT_EQ(pic.Height(), expected.Height());
  int differing = 0;
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x) differing += Rgb(pic.At(x, y)) != Rgb(expected.At(x, y));
  EXPECT_EQ(differing, 0);
  // The block's edge is soft now, and the screen shows the picture.
  EXPECT_NE(Rgb(pic.At(100, 100)), 0xFF0000);
  EXPECT_TRUE(PumpUntil([&] { return Rgb(ClientPixels(Handle()).At(100, 100)) == Rgb(pic.At(100, 100)); }));

  // A second deactivation keeps the one panel; activation frees it.
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(chassis->ClientInActivePanel(), panel);
  SendMessageW(Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(chassis->ClientInActivePanel(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return Rgb(ClientPixels(Handle()).At(130, 100)) == 0xFF0000; }));
  // The form may go while its panel shows.
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  ASSERT_NE(chassis->ClientInActivePanel(), nullptr);
  form->Free();
  PumpUntilIdle();
}

TEST_F(InactiveTest, TheBackgroundDimsTheSnapshotAndActivationByAnotherWindowCounts) {
  chassis->ClientInActiveEffectType = vx::vxieSemiTransparent;
  const vx::TvxPixmap shown = ClientPixels(Handle());
  RECT cr{};
  GetClientRect(Handle(), &cr);
  tk::TBitmap back(cr.right, cr.bottom);
  SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(back.Canvas().Handle()), 0);
  GdiFlush();
  const vx::TvxPixmap background = back.Pixmap();

  tk::TForm* other = nullptr;
  app->CreateForm(other);
  other->SetBounds(600, 500, 200, 100);
  other->Show();
  SetActiveWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return chassis->ClientInActivePanel() != nullptr; }));
  const vx::TvxPixmap& pic = chassis->ClientInActivePanel()->Picture();
  // In the red block: the background at 170 over red at 85.
  const vx::Pixel bg = background.At(130, 100);
  auto mix = [](int over, int under) { return (over * 170 + under * 85 + 127) / 255; };
  EXPECT_EQ(Rgb(pic.At(130, 100)), Rgb(vx::MakePixel(mix(vx::PixelR(bg), 255), mix(vx::PixelG(bg), 0),
                                                    mix(vx::PixelB(bg), 0))));
  // Where only the background showed, it stays as it was.
  EXPECT_EQ(Rgb(pic.At(20, 20)), Rgb(shown.At(20, 20)));

  SetActiveWindow(Handle());
  ASSERT_TRUE(PumpUntil([&] { return chassis->ClientInActivePanel() == nullptr; }));
}

TEST_F(InactiveTest, NoPanelForAnEmptyClientAHiddenFormOrTheEffectOff) {
  chassis->ClientInActiveEffect = false;
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(chassis->ClientInActivePanel(), nullptr);
  SendMessageW(Handle(), WM_NCACTIVATE, TRUE, 0);

  chassis->ClientInActiveEffect = true;
  chassis->SetRollUpState(true);
  PumpUntilIdle();
  RECT cr{};
  GetClientRect(Handle(), &cr);
  ASSERT_EQ(cr.bottom, 0);
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(chassis->ClientInActivePanel(), nullptr);
  chassis->SetRollUpState(false);
  PumpUntilIdle();

  form->Hide();
  SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(chassis->ClientInActivePanel(), nullptr);
}

// ---- the tray ----

class FakeShell : public vx::TvxTrayShell {
 public:
  bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) override {
    if (message == NIM_ADD) ++adds;
    if (message == NIM_DELETE) ++deletes;
    if (message == NIM_ADD) shown = true;
    if (message == NIM_DELETE) shown = false;
    last = data;
    return true;
  }
  void ShowTaskbarWindow(HWND window, bool show) override {
    taskbar.push_back({window, show});
    ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
  }
  int adds = 0, deletes = 0;
  bool shown = false;
  NOTIFYICONDATAW last{};
  std::vector<std::pair<HWND, bool>> taskbar;
};

class TrayTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    ShowForm();
    tray = new vx::TvxTrayIcon(form);
    tray->SetShell(&shell);
  }
  void DoubleClick(vx::TvxTrayIcon* icon) {
    SendMessageW(icon->Handle(), vx::TvxTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
  }
  void DoubleClick() { DoubleClick(tray); }
  FakeShell shell;
  vx::TvxTrayIcon* tray = nullptr;
};

TEST_F(TrayTest, AssigningAnIconHidesItAndGivesItTheTrayMenuAndRestore) {
  tray->ShowIcon();
  tray->SetMinimizeToTray(true);
  ASSERT_TRUE(shell.shown);
  chassis->SetTrayIcon(tray);
  EXPECT_FALSE(shell.shown);
  EXPECT_FALSE(tray->MinimizeToTray());
  ASSERT_NE(tray->PopupMenu(), nullptr);
  EXPECT_EQ(tray->PopupMenu(), chassis->TrayPopupMenu());
  tk::TMenuItem* items = tray->PopupMenu()->Items();
  ASSERT_EQ(items->Count(), 2);
  EXPECT_EQ(items->Items(0)->Name(), "TRAY_CHS_RESTORE");
  EXPECT_EQ(items->Items(0)->Caption(), L"&Restore");
  EXPECT_EQ(items->Items(1)->Name(), "TRAY_CHS_CLOSE");
  EXPECT_EQ(items->Items(1)->Caption(), L"&Close");
  EXPECT_EQ(items->Items(1)->ShortCutText(), L"Alt+F4");
  EXPECT_TRUE(static_cast<bool>(tray->OnDblClick));

  // An icon with a menu of its own keeps it and gets no double-click.
  auto* own = new vx::TvxTrayIcon(form);
  own->SetShell(&shell);
  auto* menu = new tk::TPopupMenu(form);
  own->SetPopupMenu(menu);
  chassis->AlwaysShowInTray = true;
  chassis->SetTrayIcon(own);
  EXPECT_EQ(own->PopupMenu(), menu);
  EXPECT_FALSE(static_cast<bool>(own->OnDblClick));
  EXPECT_TRUE(own->IconVisible());
  // The first icon, let go, keeps nothing of the frame.
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  EXPECT_FALSE(static_cast<bool>(tray->OnDblClick));
}

TEST_F(TrayTest, MinimizeToTrayAndBackByDoubleClick) {
  chassis->SetTrayIcon(tray);
  int minimized = 0, restored = 0;
  chassis->OnMinimizeToTray = [&](tk::TObject*) { ++minimized; };
  chassis->OnRestoreFromTray = [&](tk::TObject*) { ++restored; };
  chassis->MinimizeToTray();
  EXPECT_EQ(minimized, 1);
  EXPECT_TRUE(tray->MinimizeToTray());
  EXPECT_TRUE(shell.shown);
  EXPECT_EQ(shell.adds, 1);
  ASSERT_EQ(shell.taskbar.size(), 1u);
  EXPECT_EQ(shell.taskbar[0], std::make_pair(Handle(), false));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Handle()) && !IsWindowVisible(Handle()); }));
  // The shell is told where the icon's messages go.
  EXPECT_EQ(shell.last.hWnd, tray->Handle());
  EXPECT_EQ(shell.last.uCallbackMessage, vx::TvxTrayIcon::kCallbackMessage);

  DoubleClick();
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(minimized, 1);
  EXPECT_FALSE(tray->MinimizeToTray());
  EXPECT_FALSE(shell.shown);
  ASSERT_EQ(shell.taskbar.size(), 2u);
  EXPECT_EQ(shell.taskbar[1], std::make_pair(Handle(), true));
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(Handle()) && IsWindowVisible(Handle()); }));

  // With AlwaysShowInTray the icon stays after the restore.
  chassis->AlwaysShowInTray = true;
  chassis->MinimizeToTray();
  chassis->RestoreFromTray();
  EXPECT_TRUE(shell.shown);
  EXPECT_EQ(restored, 2);
}

TEST_F(TrayTest, TheMinimizeButtonGoesToTheTrayOnlyWhenAskedAndAnIconIsThere) {
  int toTray = 0;
  chassis->OnMinimizeToTray = [&](tk::TObject*) { ++toTray; };
  chassis->AlwaysMinimizeToTray = true;
  const RECT w = [&] {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
  }();
  // The minimize button's place, from the frame's own layout.
  vx::frame::Rect button;
  for (const auto& o : chassis->Objects())
    if (o.kind == vx::frame::ObjectKind::StdButton && o.command == vx::frame::TvxStdCommand::cmminimize)
      button = o.rect;
  ASSERT_FALSE(button.IsEmpty());
  const int x = w.left + (button.Left + button.Right) / 2, y = w.top + (button.Top + button.Bottom) / 2;
  auto click = [&] {
    SetCursorPos(x, y);
    ASSERT_EQ(SendMessageW(Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)), HTOBJECT);
    SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(x, y));
    SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
    tktest::ParkPointer();
  };
  // No icon: an ordinary minimize.
  click();
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Handle()) != FALSE; }));
  EXPECT_EQ(toTray, 0);
  EXPECT_TRUE(IsWindowVisible(Handle()));
  SendMessageW(Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsIconic(Handle()); }));
  PumpUntilIdle();

  chassis->SetTrayIcon(tray);
  click();
  EXPECT_EQ(toTray, 1);
  EXPECT_TRUE(shell.shown);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Handle()) && !IsWindowVisible(Handle()); }));
  // The tray menu's restore item brings it back; its close item closes.
  tray->PopupMenu()->Items()->Items(0)->Click();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(Handle()) && IsWindowVisible(Handle()); }));
  bool closing = false;
  form->OnCloseQuery = [&](tk::TObject*, bool& canClose) {
    closing = true;
    canClose = false;
  };
  tray->PopupMenu()->Items()->Items(1)->Click();
  EXPECT_TRUE(closing);
}

TEST_F(TrayTest, NoIconNoTrayAndLinksAreCutWhenEitherGoes) {
  int events = 0;
  chassis->OnMinimizeToTray = [&](tk::TObject*) { ++events; };
  chassis->OnRestoreFromTray = [&](tk::TObject*) { ++events; };
  chassis->MinimizeToTray();
  chassis->RestoreFromTray();
  EXPECT_EQ(events, 0);
  EXPECT_TRUE(shell.taskbar.empty());
  PumpUntilIdle();
  EXPECT_FALSE(IsIconic(Handle()));

  chassis->SetTrayIcon(tray);
  tray->Free();
  EXPECT_EQ(chassis->TrayIcon(), nullptr);
  chassis->MinimizeToTray();
  EXPECT_EQ(events, 0);

  // An icon that outlives the frame keeps no handler or menu of it, and a
  // hidden taskbar window comes back when the icon goes.
  auto* lasting = new vx::TvxTrayIcon(app);
  lasting->SetShell(&shell);
  chassis->SetTrayIcon(lasting);
  chassis->Free();
  EXPECT_EQ(lasting->PopupMenu(), nullptr);
  EXPECT_FALSE(static_cast<bool>(lasting->OnDblClick));
  DoubleClick(lasting);  // nothing to call: the frame that set the handler is gone
  lasting->SetMinimizeToTray(true);
  lasting->MinimizeApplication();
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(Handle()); }));
  lasting->Free();
  EXPECT_TRUE(IsWindowVisible(Handle()));
  EXPECT_FALSE(shell.shown);
}

// Records where it was asked to open instead of running the platform's
// modal menu loop.
class RecordingMenu : public tk::TPopupMenu {
 public:
  using tk::TPopupMenu::TPopupMenu;
  void Popup(int x, int y) override { opened.push_back({x, y}); }
  std::vector<std::pair<int, int>> opened;
};

TEST_F(TrayTest, TheIconsMouseMessagesAndAShellRestart) {
  auto* menu = new RecordingMenu(form);
  tray->SetPopupMenu(menu);
  int clicks = 0, doubleClicks = 0;
  tray->OnClick = [&](tk::TObject*) { ++clicks; };
  tray->OnDblClick = [&](tk::TObject*) { ++doubleClicks; };
  auto send = [&](UINT mouse, WPARAM id = 1) {
    SendMessageW(tray->Handle(), vx::TvxTrayIcon::kCallbackMessage, id, mouse);
  };
  SetCursorPos(700, 650);
  send(WM_RBUTTONUP);
  ASSERT_EQ(menu->opened.size(), 1u);
  EXPECT_EQ(menu->opened[0], std::make_pair(700, 650));
  EXPECT_EQ(menu->PopupComponent, tray);
  send(WM_RBUTTONDOWN);
  send(WM_MOUSEMOVE);
  send(WM_LBUTTONUP);
  send(WM_LBUTTONDBLCLK);
  send(WM_LBUTTONDBLCLK, 7);  // another icon's id: not ours
  EXPECT_EQ(menu->opened.size(), 1u);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
  tktest::ParkPointer();

  // A restarted shell has lost the icon: a shown one is added again, a
  // hidden one is not.
  const UINT restarted = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageW(tray->Handle(), restarted, 0, 0);
  EXPECT_EQ(shell.adds, 0);
  tray->ShowIcon();
  SendMessageW(tray->Handle(), restarted, 0, 0);
  EXPECT_EQ(shell.adds, 2);
  EXPECT_TRUE(tray->IconVisible());

  // The menu going away is noticed.
  menu->Free();
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  send(WM_RBUTTONUP);
}

TEST_F(TrayTest, TheTipIsCutToTheShellsBuffer) {
  tray->SetHint(std::wstring(300, L'x'));
  tray->ShowIcon();
  const std::wstring tip(shell.last.szTip);
  EXPECT_EQ(tip.size(), std::size(shell.last.szTip) - 1);
  tray->SetHint(L"Kinopod");
  EXPECT_EQ(std::wstring(shell.last.szTip), L"Kinopod");
  EXPECT_NE(shell.last.hIcon, nullptr);  // the application's icon without one of its own
}

}  // namespace
