// Skinned menus on real windows with the program's skin: the system menu a
// right click on the caption opens (one window of the computed size, never
// the platform's menu window, never taking the activation), keyboard and
// accelerators, the sub-menu delay, live sub-menu filling, closing on clicks
// anywhere else, the message hook's lifetime, the keyboard menu mode that
// never starts, and that nothing is left behind after many openings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../ProgramSkinOnForm.h"
#include "../ProgramSkinParts.h"
#include "Chassis.h"
#include "MenuPaint.h"
#include "resource_counts.h"
#include "tkForms.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinMenus.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

constexpr vx::frame::TvxBorderIcons kIcons = vx::frame::biMinimize | vx::frame::biRollUp;

struct Found {
  const wchar_t* cls;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectClass(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (std::wstring(cls) == f->cls && IsWindowVisible(h)) f->windows.push_back(h);
  return TRUE;
}

// The visible top-level windows of this thread with that class.
std::vector<HWND> ThreadWindows(const wchar_t* cls) {
  Found f{cls, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectClass, reinterpret_cast<LPARAM>(&f));
  return f.windows;
}

std::vector<HWND> Popups() { return ThreadWindows(L"VxSkinPopupWindow"); }
std::vector<HWND> PlatformMenus() { return ThreadWindows(L"#32768"); }

// Text widths in the "menuitem" record's font, measured here on our own.
int RecordFontWidth(const vx::frame::MenuLook& look, const std::string& text) {
  LOGFONTW lf{};
  lf.lfHeight = look.item.fontheight;  // the cell height, as the toolkit's fonts take it
  const std::wstring face = tk::Utf8ToWide(look.item.fontname);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  lf.lfWeight = (look.item.fontstyle & 1) ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const std::wstring w = tk::Utf8ToWide(text);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return r.right - r.left;
}

LRESULT CALLBACK CountingProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_MOUSEWHEEL || msg == WM_LBUTTONDOWN)
    ++*reinterpret_cast<int*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  return DefWindowProcW(h, msg, wp, lp);
}

class MenusTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    tktest::ParkPointer();
    app->CreateForm(form);
    form->SetCaption(L"Menus test");
    const auto program = vx::testing::AddProgramSkin(form);
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
    chassis = new vx::TvxChassis(form);
    chassis->SetSkinData(skin);
    chassis->SetBorderIcons(kIcons);
    form->SetBounds(60, 40, 700, 500);
    form->Show();
    PumpUntilIdle();
  }
  HWND Handle() { return form->Handle(); }
  RECT WindowRect() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
  }
  // A right press on the caption, as the platform delivers it (the second
  // of a quick pair comes as WM_NCRBUTTONDBLCLK), `dx`, `dy` into the window.
  void RightClickCaption(UINT press = WM_NCRBUTTONDOWN, int dx = 300, int dy = 12) {
    const RECT r = WindowRect();
    const POINT p{r.left + dx, r.top + dy};
    SetCursorPos(p.x, p.y);
    PostMessageW(Handle(), press, HTCAPTION, MAKELPARAM(p.x, p.y));
    PostMessageW(Handle(), WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(p.x, p.y));
    ASSERT_TRUE(PumpUntil([] { return Popups().size() == 1; }));
    // Away from the menu, so hovering does not move the highlight.
    tktest::ParkPointer();
  }
  void Key(WPARAM vk) {
    PostMessageW(Handle(), WM_KEYDOWN, vk, 1);
    PumpUntilIdle();
  }
  vx::TvxSkinMenu& Menu() { return chassis->SkinMenu(); }

  tk::TForm* form = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
  vx::TvxChassis* chassis = nullptr;
};

TEST_F(MenusTest, CaptionRightClickOpensOneSkinnedWindowOfTheComputedSize) {
  bool opened = false, closed = false;
  chassis->OnSkinMenuOpen = [&](tk::TObject*) { opened = true; };
  chassis->OnSkinMenuClose = [&](tk::TObject*) { closed = true; };
  RightClickCaption();
  EXPECT_TRUE(PlatformMenus().empty());
  EXPECT_TRUE(opened);
  EXPECT_TRUE(chassis->MenuOpen());
  HWND popup = Popups()[0];
  // Never the activation: the form stays active, the popup is a topmost tool window.
  EXPECT_EQ(GetActiveWindow(), Handle());
  const LONG_PTR ex = GetWindowLongPtrW(popup, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageW(popup, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0), MA_NOACTIVATE);

  // The items of a window in its normal state, and their size computed here.
  const vx::frame::MenuItem items = chassis->GetSystemMenuItems();
  std::vector<std::string> captions;
  std::vector<const vx::frame::MenuItem*> ptrs;
  for (const auto& i : items.items) {
    captions.push_back(i.caption + (i.shortcut.empty() ? "" : "|" + i.shortcut));
    ptrs.push_back(&i);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Mi&nimize", "Ro&llUp", "-", "&Close|Alt+F4"}));
  const vx::frame::MenuLook look = vx::frame::MenuLookFromSkinData(*skin);
  vx::frame::PopupSizeInput in;
  in.items = &ptrs;
  in.textWidth = [&](const std::string& t) { return RecordFontWidth(look, t); };
  in.workAreaHeight = 10000;
  const vx::frame::PopupSize want = vx::frame::ComputePopupSize(look.Sizing(), in);
  RECT pr{};
  GetWindowRect(popup, &pr);
  EXPECT_EQ(pr.right - pr.left, want.width);
  EXPECT_EQ(pr.bottom - pr.top, want.height);
  // At the pointer: the window's top-left corner is the press point.
  const RECT r = WindowRect();
  EXPECT_EQ(pr.left, r.left + 300);
  EXPECT_EQ(pr.top, r.top + 12);
  // The mask's region is on it.
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(popup, rgn), ERROR);
  DeleteObject(rgn);

  Key(VK_ESCAPE);
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());
  EXPECT_TRUE(closed);

  // Right-clicked again within the double-click time, the caption gets the
  // second press as a double click: the menu opens all the same.
  ASSERT_NO_FATAL_FAILURE(RightClickCaption(WM_NCRBUTTONDBLCLK, 320, 10));
  GetWindowRect(Popups()[0], &pr);
  EXPECT_EQ(pr.left, r.left + 320);
  EXPECT_EQ(pr.top, r.top + 10);
  // A double click in the client closes it like any press there.
  PostMessageW(Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 200));
  EXPECT_TRUE(PumpUntil([] { return Popups().empty(); }));
  EXPECT_FALSE(chassis->MenuOpen());
}

TEST_F(MenusTest, KeysMoveTheHighlightAndAcceleratorsRunTheirCommand) {
  RightClickCaption();
  const auto& nav = Menu().Navigator();
  EXPECT_EQ(nav.Window(0).active, 0);  // the first command is highlighted
  Key(VK_DOWN);
  EXPECT_EQ(nav.Window(0).active, 1);
  Key(VK_DOWN);  // over the separator
  EXPECT_EQ(nav.Window(0).active, 3);
  Key(VK_DOWN);  // from the last back to the first
  EXPECT_EQ(nav.Window(0).active, 0);
  Key(VK_UP);
  EXPECT_EQ(nav.Window(0).active, 3);
  // "l" rolls the window up and closes the menu.
  const int before = WindowRect().bottom - WindowRect().top;
  Key('L');
  EXPECT_TRUE(Popups().empty());
  EXPECT_TRUE(chassis->RolledUp());
  EXPECT_LT(WindowRect().bottom - WindowRect().top, before);
  EXPECT_FALSE(chassis->MenuOpen());
  // Rolled up, the menu offers Restore, and "r" rolls it down again.
  RightClickCaption();
  std::vector<std::string> captions;
  for (const auto& e : Menu().Navigator().Window(0).entries) captions.push_back(e.item->caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Mi&nimize", "&Restore", "-", "&Close"}));
  Key('R');
  EXPECT_FALSE(chassis->RolledUp());
  EXPECT_EQ(WindowRect().bottom - WindowRect().top, before);
  EXPECT_TRUE(Popups().empty());
}

TEST_F(MenusTest, ClicksElsewhereCloseTheMenuAndTheWheelIsDropped) {
  int childCount = 0;
  WNDCLASSW wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MenusTestQuietChild";
  RegisterClassW(&wc);
  // A child that tells its parent nothing, like the browser's windows.
  HWND child = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"MenusTestQuietChild", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50,
                               50, Handle(), nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&childCount));

  RightClickCaption();
  PostMessageW(child, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PumpUntilIdle();
  EXPECT_EQ(childCount, 0);  // dropped while the menu is open
  EXPECT_EQ(Popups().size(), 1u);
  PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PumpUntilIdle();
  EXPECT_EQ(childCount, 1);  // the click itself goes on
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());
  PostMessageW(child, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PumpUntilIdle();
  EXPECT_EQ(childCount, 2);  // the hook is gone with the menu

  // Coming active keeps it (the activation of the click that opened it may
  // come late); losing the activation closes it.
  RightClickCaption();
  SendMessageW(Handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(Popups().size(), 1u);
  SendMessageW(Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());

  // The form's own messages close it: a click in the client, a move, losing the application.
  for (UINT msg : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_MOVE), static_cast<UINT>(WM_ACTIVATEAPP)}) {
    RightClickCaption();
    SendMessageW(Handle(), msg, 0, 0);
    EXPECT_TRUE(Popups().empty()) << msg;
    EXPECT_FALSE(chassis->MenuOpen()) << msg;
  }
  DestroyWindow(child);
}

TEST_F(MenusTest, TheHookGoesOnlyIfItIsStillOurs) {
  RightClickCaption();
  // Another component watches the loop too, from after the menu opened.
  int seen = 0;
  const tk::THookToken other = app->AddMessageHook([&](MSG& m, bool&) {
    if (m.message == WM_NULL + 0x7FF0) ++seen;
  });
  Key(VK_ESCAPE);
  EXPECT_FALSE(chassis->MenuOpen());
  PostMessageW(Handle(), WM_NULL + 0x7FF0, 0, 0);
  PumpUntilIdle();
  EXPECT_EQ(seen, 1);
  EXPECT_TRUE(app->RemoveMessageHook(other));
  // A key press after the menu closed reaches the form again.
  int keys = 0;
  const tk::THookToken watch = app->AddMessageHook([&](MSG& m, bool&) {
    if (m.message == WM_KEYDOWN) ++keys;
  });
  Key(VK_DOWN);
  EXPECT_EQ(keys, 1);
  app->RemoveMessageHook(watch);
}

TEST_F(MenusTest, TheKeyboardMenuModeNeverStarts) {
  // Alt alone, F10, Alt+Space: swallowed, nothing opens (the form has no system-menu button).
  for (LPARAM key : {LPARAM{0}, LPARAM{' '}}) {
    EXPECT_EQ(SendMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, key), 0);
    PumpUntilIdle();
    EXPECT_TRUE(Popups().empty());
    EXPECT_TRUE(PlatformMenus().empty());
  }
  // An open system menu closes on it.
  RightClickCaption();
  SendMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  PumpUntilIdle();
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());
  // The platform's context menu never follows a right click on the frame.
  const RECT r = WindowRect();
  EXPECT_EQ(SendMessageW(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()),
                         MAKELPARAM(r.left + 300, r.top + 12)),
            0);
  PumpUntilIdle();
  EXPECT_TRUE(PlatformMenus().empty());
}

// The program's skin with a second system-menu button on the caption, drawn
// from the main picture.
vx::Bytes TwoSystemMenuButtonsSkin() {
  vx::testing::ProgramSkinParts apart = vx::testing::TakeProgramSkinApart();
  bool inObjects = false;
  for (std::string& line : vx::SplitSkinLines(apart.container.definition)) {
    if (line == "[SKINOBJECTS]") inObjects = true;
    if (inObjects && line == "count=11") line = "count=12";
    if (inObjects && line == "10=menubarminbutton:mainmenubarbutton") {
      line += "\r\n11=secondsysmenubutton:stdbutton";
      inObjects = false;
    }
    apart.parts.definitionLines.push_back(line);
  }
  for (const char* line : {"[secondsysmenubutton]", "skinrectinapicture=0", "skinrect=300,5,317,20",
                           "activeskinrect=300,5,317,20", "command=cmsysmenu"})
    apart.parts.definitionLines.push_back(line);
  return vx::DeflateSkin(vx::WriteSkinContainer(apart.parts));
}

TEST_F(MenusTest, AltSpaceOpensTheMenuOnceUnderTheFirstSystemMenuButton) {
  auto* stored = new vx::TvxCompressedStoredSkinComponent(form);
  stored->SetCompressedData(TwoSystemMenuButtonsSkin());
  auto* two = new vx::TvxSkinDataComponent(form);
  two->SetCompressedStoredSkin(stored);
  ASSERT_FALSE(two->Empty());
  chassis->SetSkinData(two);
  chassis->SetBorderIcons(kIcons | vx::frame::biSystemMenu);
  PumpUntilIdle();
  std::vector<vx::frame::Rect> buttons;
  for (const auto& o : chassis->Objects())
    if (o.Visible && o.Enabled && o.command == vx::frame::TvxStdCommand::cmsysmenu) buttons.push_back(o.rect);
  ASSERT_EQ(buttons.size(), 2u) << "the skin's button and the second one";
  int opens = 0;
  chassis->OnSkinMenuOpen = [&](tk::TObject*) { ++opens; };
  EXPECT_EQ(SendMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '), 0);
  PumpUntilIdle();
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_EQ(opens, 1);
  RECT pr{};
  GetWindowRect(Popups()[0], &pr);
  const RECT r = WindowRect();
  EXPECT_EQ(pr.left, r.left + buttons[0].Left) << buttons.size() << " system-menu buttons";
  EXPECT_EQ(pr.top, r.top + buttons[0].Bottom);
}

TEST_F(MenusTest, TheSystemMenuButtonComesBackUpAndOpensTheMenuAgain) {
  chassis->SetBorderIcons(kIcons | vx::frame::biSystemMenu);
  PumpUntilIdle();
  int button = -1;
  for (size_t i = 0; i < chassis->Objects().size() && button < 0; ++i) {
    const auto& o = chassis->Objects()[i];
    if (o.Visible && o.Enabled && o.command == vx::frame::TvxStdCommand::cmsysmenu) button = static_cast<int>(i);
  }
  ASSERT_GE(button, 0);
  const vx::frame::Rect b = chassis->Objects()[button].rect;
  const RECT r = WindowRect();
  const LPARAM at = MAKELPARAM(r.left + (b.Left + b.Right) / 2, r.top + (b.Top + b.Bottom) / 2);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, at);
    SendMessageW(Handle(), WM_NCLBUTTONUP, HTOBJECT, at);
    ASSERT_TRUE(PumpUntil([] { return Popups().size() == 1; }));
    EXPECT_TRUE(chassis->Objects()[button].Down);
    Key(VK_ESCAPE);
    EXPECT_TRUE(Popups().empty());
    EXPECT_FALSE(chassis->Objects()[button].Down);
  }
}

TEST_F(MenusTest, ThePopupsWindowClassIsRegisteredWheneverItIsMissing) {
  RightClickCaption();
  Key(VK_ESCAPE);
  ASSERT_TRUE(Popups().empty());
  PumpUntilIdle();
  // Gone (unregistered by anyone): the next menu registers it again.
  ASSERT_TRUE(UnregisterClassW(L"VxSkinPopupWindow", GetModuleHandleW(nullptr)));
  RightClickCaption();
  EXPECT_EQ(Popups().size(), 1u);
  Key(VK_ESCAPE);
}

TEST_F(MenusTest, PopupMenuOpensSubMenusAfterTheDelayAndSeesLiveItems) {
  auto* menu = new vx::TvxSkinPopupMenu(form);
  auto add = [](tk::TMenuItem* parent, const wchar_t* caption) {
    auto* i = new tk::TMenuItem(parent);
    i->SetCaption(caption);
    parent->Add(i);
    return i;
  };
  int opened = 0;
  tk::TMenuItem* open = add(menu->Items(), L"&Open");
  open->OnClick = [&](tk::TObject*) { ++opened; };
  tk::TMenuItem* file = add(menu->Items(), L"&File");
  add(file, L"New");
  tk::TMenuItem* recent = add(menu->Items(), L"Rec&ent");
  add(recent, L"(none)");
  recent->OnClick = [&](tk::TObject*) {
    recent->Clear();
    add(recent, L"a.txt");
    add(recent, L"b.txt");
  };
  bool popupRaised = false, closeRaised = false;
  menu->OnPopup = [&](tk::TObject*) { popupRaised = true; };
  menu->OnMenuClose = [&](tk::TObject*) { closeRaised = true; };
  const RECT r = WindowRect();
  menu->Popup(r.left + 50, r.top + 80);
  PumpUntilIdle();
  EXPECT_TRUE(popupRaised);
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(chassis->MenuOpen());

  // Resting on "File": its sub-menu opens after the delay, not before.
  vx::TvxSkinPopupWindow* top = Menu().Window(0);
  const RECT item = top->ItemScreenRect(1);
  const ULONGLONG start = GetTickCount64();
  SetCursorPos(item.left + 20, item.top + 5);
  ASSERT_TRUE(PumpUntil([&] { return Menu().Navigator().Window(0).active == 1; }));
  const ULONGLONG hovered = GetTickCount64();
  if (hovered - start < 400) {
    EXPECT_EQ(Menu().WindowCount(), 1);
  }
  ASSERT_TRUE(PumpUntil([&] { return Menu().WindowCount() == 2; }, 3000));
  EXPECT_GE(GetTickCount64() - start, 450u);
  // To the right of its item with a one-pixel gap, its first item level with the item.
  RECT sub{};
  GetWindowRect(Menu().Window(1)->Handle(), &sub);
  EXPECT_EQ(sub.left, item.right + 1);
  EXPECT_EQ(sub.top, item.top - Menu().Window(1)->Size().itemsRect.Top);

  // The keyboard opens "Recent": its handler fills it as it opens.
  tktest::ParkPointer();
  Key(VK_LEFT);
  EXPECT_EQ(Menu().WindowCount(), 1);
  ASSERT_EQ(Menu().Navigator().Window(0).active, 1);  // still on "File"
  Key(VK_DOWN);
  ASSERT_EQ(Menu().Navigator().Window(0).active, 2);
  Key(VK_RIGHT);
  ASSERT_EQ(Menu().WindowCount(), 2);
  ASSERT_EQ(Menu().Window(1)->Items().size(), 2u);
  EXPECT_EQ(Menu().Window(1)->Items()[1].Model->caption, "b.txt");
  Key(VK_ESCAPE);
  EXPECT_EQ(Menu().WindowCount(), 1);

  // An accelerator runs its item at once and closes the menu.
  Key('O');
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(Popups().empty());
  EXPECT_TRUE(closeRaised);
  EXPECT_FALSE(chassis->MenuOpen());
}

TEST_F(MenusTest, PopupMenuWithoutAFrameShowsNothing) {
  tk::TForm* plain = nullptr;
  app->CreateForm(plain);
  auto* menu = new vx::TvxSkinPopupMenu(plain);
  auto* i = new tk::TMenuItem(menu->Items());
  i->SetCaption(L"One");
  menu->Items()->Add(i);
  menu->Popup(100, 100);
  PumpUntilIdle();
  EXPECT_TRUE(Popups().empty());
  EXPECT_TRUE(PlatformMenus().empty());
  // Given a frame, it shows through it with the frame's skin data.
  menu->Chassis = chassis;
  menu->PopupForEdit(nullptr, 100, 100);
  EXPECT_EQ(Popups().size(), 1u);
  EXPECT_EQ(menu->SkinData(), skin);
  Key(VK_ESCAPE);
}

TEST_F(MenusTest, HundredOpeningsLeaveNothingBehind) {
  // One round first: fonts, classes and caches made once do not count.
  RightClickCaption();
  Key(VK_ESCAPE);
  auto gdi = [] { return tktest::GdiObjectCount(); };
  auto user = [] { return tktest::UserObjectCount(); };
  const int gdi0 = PumpUntilSteady(gdi), user0 = PumpUntilSteady(user);
  const RECT r = WindowRect();
  for (int i = 0; i < 100; ++i) {
    chassis->PopupSystemMenu(r.left + 300, r.top + 12);
    // Every other round through a sub-menu-free keyboard walk.
    if (i % 2) Key(VK_DOWN);
    Menu().CloseAll();
  }
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());
  EXPECT_LE(PumpUntilSteady(gdi), gdi0);
  EXPECT_LE(PumpUntilSteady(user), user0);
}

struct Layered {
  bool layered = false;
  int alpha = 255;
};
Layered LayeredState(HWND h) {
  Layered s;
  s.layered = (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  BYTE alpha = 255;
  DWORD flags = 0;
  if (s.layered && GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) s.alpha = alpha;
  return s;
}

TEST_F(MenusTest, MenuAlphaIsAppliedOrFadedInByTheTimer) {
  // Off by default: no layered window.
  RightClickCaption();
  EXPECT_FALSE(LayeredState(Popups()[0]).layered);
  Key(VK_ESCAPE);

  chassis->MenusAlphaBlend = true;
  chassis->MenusAlphaBlendValue = 150;
  RightClickCaption();
  Layered s = LayeredState(Popups()[0]);
  EXPECT_TRUE(s.layered);
  EXPECT_EQ(s.alpha, 150);
  Key(VK_ESCAPE);

  // With the animation the first window starts transparent and climbs by
  // 150 / 15 each time the clock has moved on more than 5 ms.
  chassis->MenusAlphaBlendAnimation = true;
  uint32_t clock = 0xFFFFFFF0u;  // across the tick counter's wrap
  Menu().FadeClock = [&] { return clock; };
  RightClickCaption();
  HWND popup = Popups()[0];
  EXPECT_TRUE(LayeredState(popup).layered);
  ASSERT_TRUE(PumpUntil([&] { return LayeredState(popup).alpha == 10; }));
  Pump(50);  // the clock stands still: no further step
  EXPECT_EQ(LayeredState(popup).alpha, 10);
  std::vector<int> seen{10};
  for (int i = 0; i < 20 && LayeredState(popup).alpha < 150; ++i) {
    clock += 6;
    const int before = LayeredState(popup).alpha;
    ASSERT_TRUE(PumpUntil([&] { return LayeredState(popup).alpha != before; }));
    seen.push_back(LayeredState(popup).alpha);
  }
  EXPECT_EQ(seen.size(), 15u);
  EXPECT_EQ(seen.back(), 150);
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_EQ(seen[i] - seen[i - 1], 10);
  EXPECT_FALSE(Menu().Window(0)->Fading());
  Key(VK_ESCAPE);
  Menu().FadeClock = nullptr;
}

TEST_F(MenusTest, AReleaseOverAnItemRunsItButNotOverALineOrADisabledItem) {
  auto* menu = new vx::TvxSkinPopupMenu(form);
  std::vector<std::wstring> ran;
  auto add = [&](const wchar_t* caption, bool enabled) {
    auto* i = new tk::TMenuItem(menu->Items());
    i->SetCaption(caption);
    i->Enabled = enabled;
    i->OnClick = [&ran, caption](tk::TObject*) { ran.push_back(caption); };
    menu->Items()->Add(i);
  };
  add(L"One", true);
  add(L"-", true);
  add(L"Off", false);
  add(L"Two", true);
  menu->Popup(100, 100);
  PumpUntilIdle();
  ASSERT_EQ(Popups().size(), 1u);
  HWND popup = Popups()[0];
  auto releaseOver = [&](int index) {
    RECT w{}, r = Menu().Window(0)->ItemScreenRect(index);
    GetWindowRect(popup, &w);
    PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(r.left - w.left + 5, r.top - w.top + 2));
    PumpUntilIdle();
  };
  releaseOver(1);
  releaseOver(2);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(Popups().size(), 1u);
  // A press inside the menu window leaves it open.
  PostMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PumpUntilIdle();
  EXPECT_EQ(Popups().size(), 1u);
  releaseOver(3);
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"Two"}));
  EXPECT_TRUE(Popups().empty());
}

TEST_F(MenusTest, AFormFreedWithItsMenuOpenTakesTheMenuAlong) {
  RightClickCaption();
  int keys = 0;
  const tk::THookToken watch = app->AddMessageHook([&](MSG& m, bool&) {
    if (m.message == WM_KEYDOWN) ++keys;
  });
  form->Free();
  form = nullptr;
  PumpUntilIdle();
  EXPECT_TRUE(Popups().empty());
  // The frame's hook went with it: keys reach the loop's other watchers.
  PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_DOWN, 1);
  PumpUntilIdle();
  EXPECT_EQ(keys, 1);
  app->RemoveMessageHook(watch);
}

TEST_F(MenusTest, ACommandThatOpensAnotherMenuRunsOnTheNewOne) {
  auto* menu = new vx::TvxSkinPopupMenu(form);
  auto* again = new tk::TMenuItem(menu->Items());
  again->SetCaption(L"&Again");
  menu->Items()->Add(again);
  int runs = 0;
  again->OnClick = [&](tk::TObject*) {
    // The handler opens the menu once more, from inside the old one's command.
    if (++runs == 1) menu->Popup(200, 200);
  };
  menu->Popup(100, 100);
  PumpUntilIdle();
  Key('A');
  EXPECT_EQ(runs, 1);
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(chassis->MenuOpen());
  Key('A');
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(chassis->MenuOpen());
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(MenusTest, AnEditsContextMenuOnASkinnedFormIsTheSkinnedOne) {
  auto* edit = new vx::TvxSkinEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 20, 160, 21);
  edit->SetSkinData(skin);
  edit->SetText(L"keyword");
  PumpUntilIdle();
  auto open = [&] {
    RECT r{};
    GetWindowRect(edit->Handle(), &r);
    SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()),
                 MAKELPARAM(r.left + 5, r.top + 5));
    PumpUntilIdle();
  };
  auto active = [&] {
    const auto& w = Menu().Navigator().Window(0);
    return w.active >= 0 ? w.entries[w.active].item->caption : std::string();
  };
  auto choose = [&](const std::string& caption) {
    for (int i = 0; i < 8 && active() != caption; ++i) Key(VK_DOWN);
    ASSERT_EQ(active(), caption);
    Key(VK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return Popups().empty(); }));
  };

  open();
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(PlatformMenus().empty());
  EXPECT_EQ(Menu().Navigator().Window(0).entries.size(), 8u);
  choose("Select All");
  DWORD start = 1, end = 0;
  SendMessageW(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 7u);

  // With the text selected, Copy is enabled and puts it on the clipboard.
  open();
  ASSERT_EQ(Popups().size(), 1u);
  choose("Copy");
  EXPECT_EQ(ClipboardText(), L"keyword");
  EXPECT_FALSE(chassis->MenuOpen());
}

TEST_F(MenusTest, APopupMenuFreedWhileOpenClosesAndRunsNothing) {
  auto* menu = new vx::TvxSkinPopupMenu(form);
  int clicks = 0, closes = 0;
  auto* item = new tk::TMenuItem(menu->Items());
  item->SetCaption(L"&Run");
  item->OnClick = [&](tk::TObject*) { ++clicks; };
  menu->Items()->Add(item);
  menu->OnMenuClose = [&](tk::TObject*) { ++closes; };
  menu->Popup(100, 100);
  PumpUntilIdle();
  ASSERT_EQ(Popups().size(), 1u);
  ASSERT_TRUE(chassis->MenuOpen());

  menu->Free();
  PumpUntilIdle();
  EXPECT_TRUE(Popups().empty());
  EXPECT_FALSE(Menu().Visible());
  EXPECT_FALSE(chassis->MenuOpen());
  EXPECT_EQ(closes, 0);  // its handler went with it
  Key('R');
  Key(VK_RETURN);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
