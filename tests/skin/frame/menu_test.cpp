// Popup window size, item layout and placement; keyboard and mouse
// navigation of the open cascade.
#include <gtest/gtest.h>

#include <algorithm>

#include "MenuLayout.h"
#include "MenuNavigator.h"

namespace vx::frame {
namespace {

using K = MenuEvent::Kind;

MenuItem Cmd(const std::string& caption, bool enabled = true) {
  MenuItem m;
  m.caption = caption;
  m.enabled = enabled;
  return m;
}
MenuItem Sep() { return Cmd("-"); }

int Width7(const std::string& s) { return 7 * static_cast<int>(s.size()); }

std::vector<const MenuItem*> Pointers(const MenuItem& root) {
  std::vector<const MenuItem*> v;
  for (const MenuItem& m : root.items) v.push_back(&m);
  return v;
}

bool Has(const MenuEvents& ev, K kind) {
  return std::any_of(ev.begin(), ev.end(), [&](const MenuEvent& e) { return e.kind == kind; });
}
const MenuItem* Executed(const MenuEvents& ev) {
  for (const MenuEvent& e : ev)
    if (e.kind == K::Execute) return e.item;
  return nullptr;
}

TEST(MenuLayout, WindowSizeDefaultAndSkinned) {
  MenuItem root;
  root.items = {Cmd("Open"), Cmd("Close"), Sep()};
  root.items[1].shortcut = "Alt+F4";
  const auto items = Pointers(root);
  PopupSizeInput in;
  in.items = &items;
  in.textWidth = Width7;
  in.workAreaHeight = 984;
  // "Close  Alt+F4" is the widest: 91 + 2, glyph column 19, 19 more.
  PopupSize s = ComputePopupSize({}, in);
  EXPECT_EQ(s.width, 131 + 10);
  EXPECT_EQ(s.height, 20 + 20 + 4 + 4);
  EXPECT_EQ(s.itemsRect, (Rect{2, 2, 139, 46}));
  EXPECT_FALSE(s.scrollMode);
  in.imageListWidth = 16;
  EXPECT_EQ(ComputePopupSize({}, in).width, 91 + 2 + 21 + 19 + 10);
  in.imageListWidth = -1;

  PopupSkin skin;  // the program's POPUPWINDOW with a 100 x 20 item image
  skin.skinned = true;
  skin.pictureWidth = 93;
  skin.pictureHeight = 55;
  skin.itemsrect = {2, 2, 91, 53};
  skin.lefttoppoint = {5, 4};
  skin.righttoppoint = {88, 4};
  skin.leftbottompoint = {5, 50};
  skin.rightbottompoint = {87, 49};
  skin.skinrect = {0, 0, 100, 20};
  skin.textrect = {4, 0, 96, 20};
  skin.dividerrect = {0, 20, 100, 23};
  s = ComputePopupSize(skin, in);
  EXPECT_EQ(s.width, 93 - 89 + 131 + 4 + 4);
  EXPECT_EQ(s.height, 55 - 51 + 20 + 20 + 3);
  EXPECT_EQ(s.rightTop, (Point{88 + 50, 4}));
  EXPECT_EQ(s.leftBottom, (Point{5, 50 - 8}));
  EXPECT_EQ(s.itemsRect, (Rect{2, 2, 141, 45}));
}

TEST(MenuLayout, ItemLimitAndWorkAreaGiveScrollMode) {
  MenuItem root;
  for (int i = 0; i < 100; ++i) root.items.push_back(Cmd("Item"));
  const auto items = Pointers(root);
  PopupSizeInput in;
  in.items = &items;
  in.textWidth = Width7;
  in.workAreaHeight = 984;
  PopupSize s = ComputePopupSize({}, in);
  EXPECT_EQ(s.height, 984);
  EXPECT_TRUE(s.scrollMode);
  EXPECT_FALSE(s.maxItemsLimited);
  MenuItemPlaces p = LayoutMenuItems(s.itemsRect, s.itemHeights, 0, true);
  EXPECT_EQ(p.visibleCount, (982 - 10 - 12) / 20);
  EXPECT_EQ(p.rects[0], (Rect{2, 12, s.width - 2, 32}));
  EXPECT_FALSE(p.visible[48]);
  p = LayoutMenuItems(s.itemsRect, s.itemHeights, 52, true);
  EXPECT_FALSE(p.visible[51]);
  EXPECT_TRUE(p.visible[52]);
  EXPECT_TRUE(p.visible[99]);
  EXPECT_EQ(p.visibleCount, 48);

  in.maxItemsInWindow = 5;
  s = ComputePopupSize({}, in);
  EXPECT_EQ(s.height, 5 * 20 + 4 + 20);
  EXPECT_TRUE(s.maxItemsLimited);
  EXPECT_EQ(LayoutMenuItems(s.itemsRect, s.itemHeights, 0, true).visibleCount, 5);
  EXPECT_EQ(TopScrollMarker({}, s.itemsRect, s.width, s.height), (Rect{3, 3, s.width - 3, 13}));
}

TEST(MenuLayout, PlacementNearTheWorkAreasEdges) {
  PopupPlacementInput in;
  in.workArea = {0, 0, 1280, 984};
  in.width = 100;
  in.height = 80;
  in.itemsTop = 2;
  // A context menu at a point in the open: below and to the right of it.
  in.anchor = {500, 300, 500, 300};
  EXPECT_EQ(PositionPopup(in), (Point{500, 300}));
  // Near the bottom-right corner: moved left to fit and opened above.
  in.anchor = {1250, 950, 1250, 950};
  EXPECT_EQ(PositionPopup(in), (Point{1180, 870}));
  // Near the bottom in the upper half cannot happen; near the bottom of a
  // short work area the window is pushed up and then placed beside the anchor.
  in.workArea = {0, 0, 1280, 150};
  in.anchor = {600, 60, 600, 75};
  EXPECT_EQ(PositionPopup(in), (Point{601, 70}));

  // Sub-menus open right of their item with a 1-pixel gap, else left of it.
  in.workArea = {0, 0, 1280, 984};
  in.subMenu = true;
  in.anchor = {300, 100, 450, 120};
  EXPECT_EQ(PositionPopup(in), (Point{451, 98}));
  in.anchor = {1100, 100, 1250, 120};
  EXPECT_EQ(PositionPopup(in), (Point{999, 98}));
  in.anchor = {1100, 950, 1250, 970};  // lower half, no room below: ends at the item's bottom
  EXPECT_EQ(PositionPopup(in).Y, 970 + 2 - 80);

  // Upwards from a button; no room above in the upper half: below it.
  in.subMenu = false;
  in.popupUp = true;
  in.anchor = {10, 500, 60, 520};
  EXPECT_EQ(PositionPopup(in), (Point{10, 420}));
  in.anchor = {10, 40, 60, 60};
  EXPECT_EQ(PositionPopup(in), (Point{10, 60}));

  // Taller than the work area: from its top.
  in.popupUp = false;
  in.scrollMode = true;
  in.height = 984;
  in.anchor = {500, 300, 500, 300};
  EXPECT_EQ(PositionPopup(in), (Point{501, 0}));
}

struct Nav : ::testing::Test {
  MenuItem root;
  MenuNavigator nav;
  void SetUp() override {
    root.items = {Cmd("Mi&nimize"), Cmd("Ro&llUp"), Sep(), Cmd("-Title-", false), Cmd("&Disabled", false),
                  Cmd("&More"), Cmd("&Close")};
    root.items[5].items = {Cmd("&One"), Cmd("&Two")};
    root.items[5].items[1].items = {Cmd("Deep")};
  }
};

TEST_F(Nav, FirstCommandHighlightedAndUpDownWrap) {
  MenuEvents ev = nav.Popup(&root, 0);
  ASSERT_TRUE(nav.Visible());
  EXPECT_TRUE(Has(ev, K::OpenWindow));
  EXPECT_EQ(nav.Window(0).active, 0);
  EXPECT_TRUE(nav.Window(0).entries[0].Active);

  nav.Key(MenuKey::Up);
  EXPECT_EQ(nav.Window(0).active, 6);  // up from the first wraps to the last
  EXPECT_FALSE(nav.Window(0).entries[0].Active);
  nav.Key(MenuKey::Down);
  EXPECT_EQ(nav.Window(0).active, 0);  // down from the last wraps to the first
  nav.Key(MenuKey::Down);
  nav.Key(MenuKey::Down);
  EXPECT_EQ(nav.Window(0).active, 5);  // separator, title and disabled item skipped

  // A window opens with its first command, not a title or disabled item.
  MenuItem titled;
  titled.items = {Cmd("-Title-", false), Cmd("&Off", false), Cmd("&On")};
  MenuNavigator t;
  t.Popup(&titled, 0);
  EXPECT_EQ(t.Window(0).active, 2);
  EXPECT_TRUE(titled.items[0].IsTitle());

  // A popup with nothing to show opens nothing.
  MenuItem empty;
  MenuNavigator other;
  other.Popup(&empty, 0);
  EXPECT_FALSE(other.Visible());
  other.Popup(&root, 7);
  EXPECT_FALSE(other.Visible());
}

TEST_F(Nav, AcceleratorsExecuteAtOnce) {
  nav.Popup(&root, 0);
  MenuEvents ev = nav.Key(MenuKey::Other, 'L');
  EXPECT_EQ(Executed(ev), &root.items[1]);
  EXPECT_FALSE(nav.Visible());
  EXPECT_TRUE(Has(ev, K::MenuClosed));
  EXPECT_TRUE(Has(ev, K::CommandDone));

  // A disabled item is only highlighted.
  nav.Popup(&root, 0);
  ev = nav.Key(MenuKey::Other, 'd');
  EXPECT_EQ(Executed(ev), nullptr);
  EXPECT_TRUE(nav.Visible());
  EXPECT_EQ(nav.Window(0).active, 4);

  // A hidden item ahead of a visible one with the same accelerator is passed over.
  MenuItem order;
  order.items = {Cmd("&Zoom"), Cmd("&Zero")};
  order.items[0].visible = false;
  MenuNavigator o;
  o.Popup(&order, 0);
  EXPECT_EQ(Executed(o.Key(MenuKey::Other, 'z')), &order.items[1]);

  // An item with sub-items opens its sub-menu.
  ev = nav.Key(MenuKey::Other, 'm');
  EXPECT_EQ(nav.WindowCount(), 2);
  EXPECT_TRUE(nav.Window(0).entries[5].Down);
  EXPECT_EQ(nav.Window(1).active, 0);
  EXPECT_FALSE(nav.SubmenuTimerRunning());
}

TEST_F(Nav, MouseClicksAndSubmenuDelay) {
  nav.Popup(&root, 0);
  EXPECT_TRUE(nav.Release(0, 4).empty());  // disabled: the menu stays open
  EXPECT_TRUE(nav.Release(0, 2).empty());  // separator: nothing
  EXPECT_TRUE(nav.Visible());

  // Hovering the sub-menu item arms the timer; leaving it early opens nothing.
  MenuEvents ev = nav.Hover(0, 5);
  EXPECT_TRUE(Has(ev, K::StartSubmenuTimer));
  EXPECT_TRUE(nav.SubmenuTimerRunning());
  ev = nav.Hover(0, 6);
  EXPECT_TRUE(Has(ev, K::StopSubmenuTimer));
  EXPECT_EQ(nav.WaitingItem(), nullptr);
  EXPECT_EQ(nav.WindowCount(), 1);

  nav.Hover(0, 5);
  ev = nav.SubmenuTimerFired();
  EXPECT_EQ(nav.WindowCount(), 2);
  EXPECT_EQ(Executed(ev), &root.items[5]);  // its own command runs first

  // Back to a plain item: the sub-menu closes.
  nav.Hover(0, 1);
  EXPECT_EQ(nav.WindowCount(), 1);
  ev = nav.Release(0, 1);
  EXPECT_EQ(Executed(ev), &root.items[1]);
  EXPECT_FALSE(nav.Visible());
}

TEST_F(Nav, EscapeAndLeftCloseOneLevelAndNeverOpenAFreedItemsSubmenu) {
  nav.Popup(&root, 0);
  nav.Key(MenuKey::Other, 'm');
  ASSERT_EQ(nav.WindowCount(), 2);
  // A pending sub-menu inside the sub-menu window...
  nav.Hover(1, 1);
  ASSERT_TRUE(nav.SubmenuTimerRunning());
  // ...dies with its window on Left.
  MenuEvents ev = nav.Key(MenuKey::Left);
  EXPECT_EQ(nav.WindowCount(), 1);
  EXPECT_FALSE(nav.Window(0).entries[5].Down);
  EXPECT_FALSE(nav.SubmenuTimerRunning());
  EXPECT_EQ(nav.WaitingItem(), nullptr);
  EXPECT_TRUE(nav.SubmenuTimerFired().size() <= 1);
  EXPECT_EQ(nav.WindowCount(), 1);
  EXPECT_TRUE(nav.Key(MenuKey::Left).empty());  // one window: Left does nothing

  // Escape with a pending sub-menu in the last window closes the menu.
  nav.Hover(0, 6);
  nav.Hover(0, 5);
  ASSERT_TRUE(nav.SubmenuTimerRunning());
  ev = nav.Key(MenuKey::Escape);
  EXPECT_FALSE(nav.Visible());
  EXPECT_TRUE(nav.ClosedByLastKey());
  EXPECT_TRUE(Has(ev, K::MenuClosed));
  ev = nav.SubmenuTimerFired();
  EXPECT_FALSE(Has(ev, K::OpenWindow));
  EXPECT_FALSE(nav.Visible());

  // CloseFrom(0) from outside (an outside click) with a pending timer.
  nav.Popup(&root, 0);
  nav.Hover(0, 5);
  nav.CloseAll();
  EXPECT_FALSE(Has(nav.SubmenuTimerFired(), K::OpenWindow));
}

TEST_F(Nav, ScrollModeFollowsTheKeyboardAndTheMarkers) {
  MenuItem many;
  for (int i = 0; i < 10; ++i) many.items.push_back(Cmd("Item " + std::to_string(i)));
  nav.Popup(&many, 0);
  nav.SetScrollMode(0, true, 3);
  nav.Key(MenuKey::Down);
  nav.Key(MenuKey::Down);
  EXPECT_EQ(nav.Window(0).firstVisible, 0);
  MenuEvents ev = nav.Key(MenuKey::Down);  // past the last visible: scroll by one
  EXPECT_TRUE(Has(ev, K::Scrolled));
  EXPECT_EQ(nav.Window(0).firstVisible, 1);
  nav.Key(MenuKey::Up);
  nav.Key(MenuKey::Up);
  nav.Key(MenuKey::Up);
  EXPECT_EQ(nav.Window(0).active, 0);
  EXPECT_EQ(nav.Window(0).firstVisible, 0);
  nav.Key(MenuKey::Up);  // jumps to the other end
  EXPECT_EQ(nav.Window(0).active, 9);
  EXPECT_EQ(nav.Window(0).firstVisible, 7);

  // Hidden items ignore the pointer; the bottom marker scrolls to the end.
  nav.Key(MenuKey::Down);
  EXPECT_TRUE(nav.Hover(0, 5).empty());
  ev = nav.HoverScrollMarker(0, 2);
  EXPECT_TRUE(Has(ev, K::StartScrollTimer));
  int ticks = 0;
  while (nav.Window(0).scrollCode != 0 && ticks < 20) {
    nav.ScrollTimerFired(0);
    ++ticks;
  }
  EXPECT_EQ(ticks, 7);
  EXPECT_EQ(nav.Window(0).firstVisible, 7);
  EXPECT_TRUE(nav.HoverScrollMarker(0, 2).empty());  // nothing more below
}


TEST(MenuNavigator, SubmenuHandlerRefillsItemsBeforeTheWindowOpens) {
  MenuItem root;
  root.items = {MenuItem{}};
  root.items[0].caption = "Recent";
  root.items[0].items = {MenuItem{}};
  root.items[0].items[0].caption = "(empty)";
  MenuNavigator nav;
  int calls = 0;
  nav.OnOpeningSubmenu = [&](const MenuItem& item) {
    ++calls;
    // The handler fills the sub-menu as it opens.
    auto& live = const_cast<MenuItem&>(item);
    live.items.clear();
    for (const char* c : {"a.txt", "b.txt"}) {
      MenuItem m;
      m.caption = c;
      live.items.push_back(m);
    }
  };
  nav.Popup(&root, 0);
  MenuEvents ev = nav.Key(MenuKey::Right);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(nav.WindowCount(), 2);
  ASSERT_EQ(nav.Window(1).entries.size(), 2u);
  EXPECT_EQ(nav.Window(1).entries[1].item->caption, "b.txt");
  // A handler that empties the sub-menu leaves no window behind.
  nav.Key(MenuKey::Escape);
  nav.OnOpeningSubmenu = [](const MenuItem& item) {
    auto& live = const_cast<MenuItem&>(item);
    for (MenuItem& m : live.items) m.visible = false;
  };
  nav.Key(MenuKey::Right);
  EXPECT_EQ(nav.WindowCount(), 1);
}

TEST(MenuLayout, SkinnedWindowWithoutItemRecordUsesDefaultItemSizes) {
  MenuItem root;
  root.items = {Cmd("Open"), Sep()};
  const auto items = Pointers(root);
  PopupSizeInput in;
  in.items = &items;
  in.textWidth = Width7;
  PopupSkin skin;
  skin.skinned = true;
  skin.itemDefault = true;
  skin.pictureWidth = 93;
  skin.pictureHeight = 55;
  skin.itemsrect = {2, 2, 91, 53};
  skin.skinrect = {0, 0, 100, 30};  // left from an earlier skin: ignored
  const PopupSize s = ComputePopupSize(skin, in);
  EXPECT_EQ(s.itemHeights, (std::vector<int>{20, 4}));
  EXPECT_EQ(s.height, 55 - 51 + 24);
  // "Open" 28 + 2 + 19 + 19, the window's frame part 4, the default item's 6.
  EXPECT_EQ(s.width, 68 + 4 + 6);
}

}  // namespace
}  // namespace vx::frame
