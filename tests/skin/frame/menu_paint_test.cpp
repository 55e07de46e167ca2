// The popup menus' pixels: glyph pixel rules, the default window and item
// looks, where texts go, the program skin's window and items, scroll
// markers, and the preview the skin tool writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "../ProgramSkinData.h"
#include "MenuPaint.h"
#include "SystemMenu.h"
#include "vxSkinData.h"
#include "vxSkinDataObjects.h"
#include "vxStoredSkin.h"

namespace vx::frame {
namespace {

using vx::testing::LoadProgramSkin;
using vx::testing::ProgramSkin;

// Texts are 7 pixels a character; drawing records where each text went.
class FakeText : public MenuTextPainter {
 public:
  struct Drawn {
    Rect rect;
    std::string text;
    Pixel colour;
    TextAlign align;
  };
  int Width(const std::string& t) override { return 7 * static_cast<int>(t.size()); }
  void Draw(TvxPixmap&, const Rect& r, const std::string& t, Pixel c, TextAlign a, bool) override {
    drawn.push_back({r, t, c, a});
  }
  const Drawn* Find(const std::string& t) const {
    for (const Drawn& d : drawn)
      if (d.text == t) return &d;
    return nullptr;
  }
  std::vector<Drawn> drawn;
};

constexpr Pixel kInk = MakePixel(1, 2, 3);
constexpr Pixel kPaper = MakePixel(250, 250, 250);

std::vector<std::pair<int, int>> Inked(const TvxPixmap& p) {
  std::vector<std::pair<int, int>> out;
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x)
      if (p.At(x, y) == kInk) out.push_back({x, y});
  return out;
}

MenuItem Cmd(const std::string& caption, const std::string& name = "") {
  MenuItem m;
  m.caption = caption;
  m.name = name;
  return m;
}

TEST(MenuGlyphs, ArrowCheckRadioAndMarkersFollowTheirPixelRules) {
  TvxPixmap p(20, 20, kPaper);
  DrawSubmenuArrow(p, 5, 5, kInk);
  // Column 5 + i from row 5 + i to 11 - i: 7 + 5 + 3 + 1 pixels.
  auto arrow = Inked(p);
  EXPECT_EQ(arrow.size(), 16u);
  EXPECT_EQ(p.At(5, 5), kInk);
  EXPECT_EQ(p.At(5, 11), kInk);
  EXPECT_EQ(p.At(8, 8), kInk);
  EXPECT_NE(p.At(8, 7), kInk);
  EXPECT_NE(p.At(9, 8), kInk);

  p.Fill(kPaper);
  DrawRadioCircle(p, 2, 2, kInk);
  EXPECT_EQ(Inked(p).size(), 32u);  // 36 less the four corners
  EXPECT_NE(p.At(2, 2), kInk);
  EXPECT_NE(p.At(7, 7), kInk);
  EXPECT_EQ(p.At(3, 2), kInk);
  EXPECT_EQ(p.At(2, 3), kInk);

  p.Fill(kPaper);
  DrawCheckMark(p, 4, 4, kInk);
  // Three strokes (x, y+5-i) - (x+2, y+7-i) - (x+7, y+2-i).
  for (int i = 0; i <= 2; ++i) {
    EXPECT_EQ(p.At(4, 9 - i), kInk) << i;
    EXPECT_EQ(p.At(6, 11 - i), kInk) << i;
    EXPECT_EQ(p.At(11, 6 - i), kInk) << i;
  }
  EXPECT_NE(p.At(4, 10), kInk);
  EXPECT_NE(p.At(12, 6), kInk);

  p.Fill(kPaper);
  DrawScrollMarkerArrow(p, {0, 0, 20, 10}, true, kInk);  // centre (10, 5)
  EXPECT_EQ(p.At(10, 3), kInk);
  EXPECT_NE(p.At(9, 3), kInk);
  EXPECT_EQ(p.At(7, 6), kInk);
  EXPECT_EQ(p.At(13, 6), kInk);
  EXPECT_EQ(Inked(p).size(), 16u);
  p.Fill(kPaper);
  DrawScrollMarkerArrow(p, {0, 10, 20, 20}, false, kInk);  // centre (10, 15)
  EXPECT_EQ(p.At(10, 17), kInk);
  EXPECT_NE(p.At(9, 17), kInk);
  EXPECT_EQ(p.At(7, 14), kInk);

  // Glyphs near the edges clip instead of writing outside.
  TvxPixmap tiny(3, 3, kPaper);
  DrawCheckMark(tiny, -2, -4, kInk);
  DrawSubmenuArrow(tiny, 1, -3, kInk);
  DrawScrollMarkerArrow(tiny, {0, 0, 3, 3}, false, kInk);
}

TEST(MenuGlyphs, SystemMenuNamesGetCaptionButtonGlyphs) {
  for (const char* name : {"CHS_CLOSE", "TRAY_CHS_CLOSE", "CHS_MINITEM", "CHS_MAXITEM", "CHS_RESTORE",
                           "TRAY_CHS_RESTORE", "CHS_ROLLUP", "CHS_MINTOTRAY"}) {
    TvxPixmap p(16, 16, kPaper);
    EXPECT_TRUE(DrawSystemMenuGlyph(p, name, 2, 2, kInk)) << name;
    const auto px = Inked(p);
    EXPECT_FALSE(px.empty()) << name;
    for (auto [x, y] : px) {
      EXPECT_GE(x, 2) << name;
      EXPECT_GE(y, 2) << name;
      EXPECT_LT(x, 13) << name;
      EXPECT_LT(y, 12) << name;
    }
  }
  TvxPixmap p(16, 16, kPaper);
  EXPECT_FALSE(DrawSystemMenuGlyph(p, "N1", 2, 2, kInk));
  EXPECT_TRUE(Inked(p).empty());
  // Close and minimize differ: each name draws its own glyph.
  TvxPixmap a(16, 16, kPaper), b(16, 16, kPaper);
  DrawSystemMenuGlyph(a, "CHS_CLOSE", 2, 2, kInk);
  DrawSystemMenuGlyph(b, "CHS_MINITEM", 2, 2, kInk);
  EXPECT_NE(Inked(a), Inked(b));
}

// A window of the default look for these items, the first highlighted.
struct DefaultWindow {
  explicit DefaultWindow(MenuItem r, int highlight = 0) : root(std::move(r)) {
    for (const MenuItem& i : root.items) ptrs.push_back(&i);
    PopupSizeInput si;
    si.items = &ptrs;
    si.textWidth = [this](const std::string& t) { return text.Width(t); };
    in.size = ComputePopupSize({}, si);
    const MenuItemPlaces places = LayoutMenuItems(in.size.itemsRect, in.size.itemHeights, 0, false);
    for (size_t i = 0; i < ptrs.size(); ++i)
      in.items.push_back({ptrs[i], static_cast<int>(i) == highlight, places.rects[i], places.visible[i]});
    in.colors.windowText = kInk;
    RenderPopupWindow(in, text, out);
  }
  MenuItem root;
  std::vector<const MenuItem*> ptrs;
  FakeText text;
  PopupPaintInput in;
  TvxPixmap out;
};

TEST(MenuPaint, DefaultLookWindowItemsAndTexts) {
  MenuItem root;
  root.items = {Cmd("&Open"), Cmd("-"), Cmd("Mi&nimize", "CHS_MINITEM"), Cmd("Sub"), Cmd("Off")};
  root.items[0].shortcut = "Ctrl+O";
  root.items[3].items = {Cmd("Inner")};
  root.items[4].enabled = false;
  root.items[4].checked = true;
  DefaultWindow w(root);
  const MenuColors c = w.in.colors;
  const TvxPixmap& p = w.out;
  ASSERT_EQ(p.Width(), w.in.size.width);
  ASSERT_EQ(p.Height(), w.in.size.height);
  // The frame: shadow outside, window colour inside it, the glyph column in face.
  EXPECT_EQ(p.At(0, 0), c.btnShadow);
  EXPECT_EQ(p.At(p.Width() - 1, p.Height() - 1), c.btnShadow);
  EXPECT_EQ(p.At(1, p.Height() / 2), c.window);
  // The highlighted first item: navy frame, lavender fill.
  const Rect first = w.in.items[0].rect;
  EXPECT_EQ(p.At(first.Left, first.Top), MakePixel(0, 0, 128));
  EXPECT_EQ(p.At(first.Left + 10, first.Top + 5), MakePixel(182, 189, 210));
  // The separator: a shadow line at half height from the glyph column on.
  const Rect sep = w.in.items[1].rect;
  EXPECT_EQ(p.At(sep.Left + 19, sep.Top + 2), c.btnShadow);
  EXPECT_EQ(p.At(sep.Right - 1, sep.Top + 2), c.btnShadow);
  EXPECT_EQ(p.At(sep.Left + 18, sep.Top + 2), c.btnFace);
  EXPECT_EQ(p.At(sep.Left + 19, sep.Top + 1), c.window);
  // Texts: the caption after the glyph column, the shortcut ending 21 before the edge.
  const FakeText::Drawn* open = w.text.Find("&Open");
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->rect.Left, first.Left + 2 + 19);
  EXPECT_EQ(open->align, TextAlign::Left);
  const FakeText::Drawn* key = w.text.Find("Ctrl+O");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->rect.Right, first.Right - 21);
  EXPECT_EQ(key->align, TextAlign::Right);
  // A disabled item's text is in the shadow colour; an enabled one in window text.
  EXPECT_EQ(w.text.Find("Off")->colour, c.btnShadow);
  EXPECT_EQ(w.text.Find("Sub")->colour, kInk);
  // The sub-menu arrow 9 from the right, at middle - 4.
  const Rect sub = w.in.items[3].rect;
  const int mid = sub.Top + sub.Height() / 2;
  EXPECT_EQ(p.At(sub.Right - 9, mid - 4), kInk);
  EXPECT_EQ(p.At(sub.Right - 9, mid + 2), kInk);
  // The minimize glyph 4 from the left; the disabled check mark 5 from the left.
  const Rect min = w.in.items[2].rect;
  const int mmid = min.Top + min.Height() / 2;
  EXPECT_EQ(p.At(min.Left + 4 + 1, mmid - 4 + 8), kInk);
  const Rect off = w.in.items[4].rect;
  const int omid = off.Top + off.Height() / 2;
  EXPECT_EQ(p.At(off.Left + 5, omid - 4 + 5), c.btnShadow);
}

TEST(MenuPaint, TitlesAreCentredWithoutTheirDashes) {
  MenuItem root;
  root.items = {Cmd("-Fonts-"), Cmd("Arial")};
  root.items[0].enabled = false;
  DefaultWindow w(root, 1);
  const FakeText::Drawn* title = w.text.Find("Fonts");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->align, TextAlign::Center);
  EXPECT_EQ(title->colour, w.in.colors.btnHighlight);
  EXPECT_EQ(w.out.At(w.in.items[0].rect.Left + 3, w.in.items[0].rect.Top + 3), w.in.colors.btnShadow);
}

TEST(MenuPaint, ProgramSkinChoosesWindowAndItemRecords) {
  const MenuLook look = MenuLookFromSkinData(ProgramSkin());
  EXPECT_TRUE(look.window.present);
  EXPECT_TRUE(look.item.present);
  ASSERT_NE(look.window.mask, nullptr);
  const PopupSkin s = look.Sizing();
  EXPECT_TRUE(s.skinned);
  EXPECT_FALSE(s.itemDefault);
  EXPECT_EQ(s.pictureWidth, look.window.picture->Width());

  // The same skin without its "menuitem" record keeps the skinned window;
  // its items take the default heights.
  TvxSkinData noItems;
  LoadProgramSkin(noItems);
  auto& recs = noItems.ObjectRecords;
  recs.erase(std::remove_if(recs.begin(), recs.end(),
                            [](const auto& r) { return dynamic_cast<const TvxDataSkinMenuItem*>(r.get()); }),
             recs.end());
  const MenuLook bare = MenuLookFromSkinData(noItems);
  EXPECT_TRUE(bare.window.present);
  EXPECT_FALSE(bare.item.present);
  MenuItem root;
  root.items = {Cmd("One"), Cmd("-"), Cmd("Two")};
  std::vector<const MenuItem*> ptrs{&root.items[0], &root.items[1], &root.items[2]};
  PopupSizeInput in;
  in.items = &ptrs;
  in.textWidth = [](const std::string& t) { return 7 * static_cast<int>(t.size()); };
  const PopupSize size = ComputePopupSize(bare.Sizing(), in);
  EXPECT_EQ(size.itemHeights, (std::vector<int>{20, 4, 20}));
  EXPECT_EQ(size.height, bare.window.picture->Height() - bare.window.itemsrect.Height() + 44);

  // An empty skin data is the default look throughout.
  const MenuLook none = MenuLookFromSkinData(TvxSkinData{});
  EXPECT_FALSE(none.window.present);
  EXPECT_FALSE(none.item.present);
}

TEST(MenuPaint, ProgramSkinWindowDrawsItemImagesAndRegion) {
  const TvxSkinData& data = ProgramSkin();
  SystemMenuState st;
  st.icons = kProgramBorderIcons;
  const MenuItem menu = BuildDefaultSystemMenu(st);
  FakeText text;
  const TvxPixmap p = RenderPopupPreview(data, menu, text);
  const MenuLook look = MenuLookFromSkinData(data);
  std::vector<const MenuItem*> ptrs;
  for (const MenuItem& i : menu.items) ptrs.push_back(&i);
  PopupSizeInput in;
  in.items = &ptrs;
  in.textWidth = [&](const std::string& t) { return text.Width(t); };
  const PopupSize size = ComputePopupSize(look.Sizing(), in);
  ASSERT_EQ(p.Width(), size.width);
  ASSERT_EQ(p.Height(), size.height);
  // The highlighted first item shows the record's active image at its left end.
  const Rect& active = look.item.activeskinrect;
  ASSERT_FALSE(active.IsEmpty());
  const Rect first = LayoutMenuItems(size.itemsRect, size.itemHeights, 0, false).rects[0];
  EXPECT_EQ(p.At(first.Left, first.Top + 1) & 0xFFFFFF,
            look.item.picture->At(active.Left, active.Top + 1) & 0xFFFFFF);
  // The second (normal) item shows the normal image.
  const Rect second = LayoutMenuItems(size.itemsRect, size.itemHeights, 0, false).rects[1];
  const Rect& normal = look.item.skinrect;
  EXPECT_EQ(p.At(second.Left, second.Top + 1) & 0xFFFFFF,
            look.item.picture->At(normal.Left, normal.Top + 1) & 0xFFFFFF);
  // Texts in the record's colours: active for the first, normal for the rest.
  EXPECT_EQ(text.Find("Mi&nimize")->colour, look.item.activefontcolor);
  EXPECT_EQ(text.Find("&Close")->colour, look.item.fontcolor);
  EXPECT_EQ(text.Find("Alt+F4")->align, TextAlign::Right);
  // The region from the mask covers the middle and leaves a masked corner out.
  const auto region = PopupWindowRegion(look, size);
  ASSERT_TRUE(region.has_value());
  EXPECT_TRUE(SizedRegionContains(*region, size.width / 2, size.height / 2));
  const TvxPixmap& mask = *look.window.mask;
  if (mask.At(0, 0) != mask.At(mask.Width() / 2, mask.Height() / 2)) {
    EXPECT_FALSE(SizedRegionContains(*region, 0, 0));
  }
}

TEST(MenuPaint, ScrollModeDrawsMarkersInTheirColours) {
  MenuItem root;
  for (int i = 0; i < 12; ++i) root.items.push_back(Cmd("Item" + std::to_string(i)));
  std::vector<const MenuItem*> ptrs;
  for (const MenuItem& i : root.items) ptrs.push_back(&i);
  FakeText text;
  PopupSizeInput si;
  si.items = &ptrs;
  si.textWidth = [&](const std::string& t) { return text.Width(t); };
  si.workAreaHeight = 100;
  PopupPaintInput in;
  in.size = ComputePopupSize({}, si);
  ASSERT_TRUE(in.size.scrollMode);
  const MenuItemPlaces places = LayoutMenuItems(in.size.itemsRect, in.size.itemHeights, 2, true);
  for (size_t i = 0; i < ptrs.size(); ++i) in.items.push_back({ptrs[i], false, places.rects[i], places.visible[i]});
  in.scrollCode = 2;
  TvxPixmap p;
  RenderPopupWindow(in, text, p);
  const int w = in.size.width, h = in.size.height;
  // Default markers (3, 3, W-3, 13) and (3, H-10, W-3, H-3): the idle top arrow
  // in shadow, the busy bottom one in button text.
  const int cx = 3 + (w - 6) / 2;
  EXPECT_EQ(p.At(cx, 8 - 2), in.colors.btnShadow);
  EXPECT_EQ(p.At(cx, h - 10 + 3 + 2), in.colors.btnText);
  // Only the laid-out items drew their texts.
  EXPECT_EQ(text.Find("Item0"), nullptr);
  EXPECT_NE(text.Find("Item2"), nullptr);
}

TEST(MenuPaint, HostileRecordValuesDrawNothingOutside) {
  MenuLook look = MenuLookFromSkinData(ProgramSkin());
  look.item.textrect = {-1000000, -5, 1 << 28, 1 << 28};
  look.item.imagerect = {1 << 27, 1 << 27, (1 << 27) + 5, (1 << 27) + 5};
  look.item.checkimagerect = {-50, -50, 9000, 9000};
  MenuItem item = Cmd("X");
  item.checked = true;
  item.items = {Cmd("Y")};
  FakeText text;
  TvxPixmap canvas(60, 30, kPaper);
  PaintMenuItem(look, {}, {&item, true, {0, 0, 60, 20}, true}, -1, text, canvas);
  PaintMenuItem(look, {}, {&item, false, {0, 0, 0, 0}, true}, -1, text, canvas);
  SUCCEED();
}

}  // namespace
}  // namespace vx::frame
