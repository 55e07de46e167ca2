// Menu items and the plain popup menu, on the platform's menus.
#include "tkMenus.h"
#include "tkTimer.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::wstring& caption) {
  auto* i = new TMenuItem(nullptr);
  i->SetCaption(caption);
  parent->Add(i);
  return i;
}

std::wstring MenuText(HMENU m, UINT pos) {
  wchar_t buf[128] = {};
  GetMenuStringW(m, pos, buf, 128, MF_BYPOSITION);
  return buf;
}

TEST_F(ToolkitTest, MenuItemsFindAcceleratorsAndShortcutsAndBuildAPlatformMenu) {
  TPopupMenu menu(nullptr);
  TMenuItem* open = AddItem(menu.Items(), L"&Open");
  TMenuItem* hidden = AddItem(menu.Items(), L"&Options");
  hidden->Visible = false;
  TMenuItem* off = AddItem(menu.Items(), L"&Print");
  off->Enabled = false;
  AddItem(menu.Items(), L"-");
  TMenuItem* file = AddItem(menu.Items(), L"\u0424&\u0430\u0439\u043b");  // Файл, accelerator а
  TMenuItem* save = AddItem(file, L"&Save");
  save->SetShortCut(ShortCut('S', scCtrl));
  TMenuItem* red = AddItem(file, L"&Red");
  TMenuItem* blue = AddItem(file, L"&Blue");
  red->SetRadioItem(true);
  blue->SetRadioItem(true);

  EXPECT_EQ(menu.Items()->FindAccel(L'o'), open);
  EXPECT_EQ(menu.Items()->FindAccel(L'O'), open);
  // A hidden item ahead of a visible one with the same accelerator is passed over.
  TPopupMenu order(nullptr);
  AddItem(order.Items(), L"&Zoom")->Visible = false;
  TMenuItem* zero = AddItem(order.Items(), L"&Zero");
  EXPECT_EQ(order.Items()->FindAccel(L'z'), zero) << "hidden &Zoom is skipped";
  EXPECT_EQ(menu.Items()->FindAccel(L'p'), nullptr) << "disabled items are not found";
  EXPECT_EQ(menu.Items()->FindAccel(L'\u0410'), file);  // А finds а
  EXPECT_EQ(file->FindAccel(L's'), save);
  EXPECT_EQ(menu.Items()->Find(L"SAVE"), nullptr) << "Find looks at one level";
  EXPECT_EQ(file->Find(L"save"), save);
  EXPECT_EQ(save->GetParentMenu(), &menu);

  // Radio items of one group exclude each other.
  red->SetChecked(true);
  blue->SetChecked(true);
  EXPECT_FALSE(red->Checked());
  EXPECT_TRUE(blue->Checked());

  // Shortcuts click their item, through sub-menus; a disabled one swallows the key.
  int saves = 0;
  save->OnClick = [&](TObject* s) {
    EXPECT_EQ(s, save);
    ++saves;
  };
  EXPECT_TRUE(menu.IsShortCut(ShortCut('S', scCtrl)));
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(menu.IsShortCut(ShortCut('S', scAlt)));
  file->Enabled = false;
  EXPECT_TRUE(menu.IsShortCut(ShortCut('S', scCtrl)));
  EXPECT_EQ(saves, 1);
  file->Enabled = true;

  // Without OnClick the action hook runs; AutoCheck toggles first.
  TMenuItem* acted = nullptr;
  open->Action = [&](TMenuItem* i) { acted = i; };
  open->AutoCheck = true;
  open->Click();
  EXPECT_EQ(acted, open);
  EXPECT_TRUE(open->Checked());

  // The platform menu: visible items only, shortcut text after a tab.
  HMENU h = menu.CreateMenuHandle();
  ASSERT_EQ(GetMenuItemCount(h), 4);
  EXPECT_EQ(MenuText(h, 0), L"&Open");
  EXPECT_EQ(GetMenuState(h, 0, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_NE(GetMenuState(h, 1, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_NE(GetMenuState(h, 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  HMENU sub = GetSubMenu(h, 3);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(MenuText(sub, 0), L"&Save\tCtrl+S");
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID;
  GetMenuItemInfoW(sub, 2, TRUE, &info);
  EXPECT_NE(info.fType & MFT_RADIOCHECK, 0u);
  EXPECT_EQ(menu.FindItem(static_cast<int>(info.wID)), blue);
  DestroyMenu(h);

  // Freeing an item takes it out of its parent and frees its sub-items.
  red->Free();
  EXPECT_EQ(file->Count(), 2);
  int command = save->Command();
  file->Free();
  EXPECT_EQ(menu.Items()->Count(), 4);
  EXPECT_EQ(menu.FindItem(command), nullptr);
  EXPECT_THROW(open->Add(open), EInvalidOperation);
}

TEST_F(ToolkitTest, ThePlainPopupRunsTheItemChosenByItsAccelerator) {
  TPopupMenu menu(nullptr);
  TMenuItem* first = AddItem(menu.Items(), L"&First");
  TMenuItem* second = AddItem(menu.Items(), L"&Second");
  std::vector<std::string> events;
  menu.OnPopup = [&](TObject*) { events.push_back("popup"); };
  first->OnClick = [&](TObject*) { events.push_back("first"); };
  second->OnClick = [&](TObject*) { events.push_back("second"); };
  // Whatever happens, the menu closes within two seconds.
  TTimer guard(nullptr);
  guard.SetInterval(2000);
  guard.SetOnTimer([&](TObject*) {
    events.push_back("timeout");
    EndMenu();
  });
  // The menu's own loop reads the key messages waiting for the thread.
  TTimer keys(nullptr);
  keys.SetInterval(100);
  keys.SetOnTimer([&](TObject*) {
    keys.SetEnabled(false);
    PostMessageW(FindWindowW(L"TkPopupList", nullptr), WM_CHAR, L's', 0);
  });
  menu.Popup(50, 50);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0], "popup");
  EXPECT_EQ(events.size(), 2u);
  EXPECT_EQ(events.back(), "second");
}

}  // namespace
