// The skinned page control under Wine: tab size and image slot, the plain
// look's tabs and crosses, closing pages with the close buttons (which tab
// closes, which one becomes active, what is freed), refusing a close, and
// paging with the mouse wheel.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../ProgramSkinOnForm.h"
#include "tkStdCtrls.h"
#include "vxSkinTabs.h"
#include "win_support.h"

using namespace vx;
using tktest::ToolkitTest;

namespace {

// Marks when its owner frees it. The mark is shared: a sheet still alive at
// the end of a test goes in the fixture's teardown, after the test body's
// locals are gone.
class Witness : public tk::TComponent {
 public:
  Witness(tk::TComponent* owner, std::shared_ptr<bool> gone) : tk::TComponent(owner), gone_(std::move(gone)) {}
  ~Witness() override { *gone_ = true; }

 private:
  std::shared_ptr<bool> gone_;
};

// A sheet whose memory is poisoned and never handed back when it is freed:
// whatever still reaches a closed sheet reads the poison (a call through its
// table of virtual functions faults) rather than a new object in its place.
// On the guarded heap the memory does go back: its pages become inaccessible,
// so a write into a closed sheet faults too, where it happens.
class PoisonedSheet : public TvxSkinTabSheet {
 public:
  using TvxSkinTabSheet::TvxSkinTabSheet;
  static void operator delete(void* p, size_t size) {
    std::memset(p, 0xDD, size);
#ifdef KINOPOD_GUARD_HEAP
    ::operator delete(p, size);
#endif
  }
};

class SkinPageControlTest : public ToolkitTest {
 public:
  void LoadSkin() {
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
    pc->SetSkinData(skin);
  }
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;

 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(20, 20, 640, 300);
    pc = new TvxSkinPageControl(form);
    pc->SetParent(form);
    pc->SetAlign(tk::alClient);
    form->Show();
  }
  TvxSkinTabSheet* AddSheet(const std::wstring& caption, const std::shared_ptr<bool>& gone = nullptr) {
    TvxSkinTabSheet* s = new PoisonedSheet(pc);
    s->SetPageControl(pc);
    s->SetCaption(caption);
    if (gone) new Witness(s, gone);
    return s;
  }
  static std::shared_ptr<bool> Mark() { return std::make_shared<bool>(false); }
  // The page list as the control holds it, compared by address only: a freed
  // sheet left in it shows as a wrong entry rather than as a crash later.
  std::vector<tk::TTabSheet*> PageList() {
    std::vector<tk::TTabSheet*> pages;
    for (int i = 0; i < pc->PageCount(); ++i) pages.push_back(pc->Pages(i));
    return pages;
  }
  using Pages = std::vector<tk::TTabSheet*>;
  void Paint() {
    pc->Invalidate();
    UpdateWindow(pc->Handle());
  }
  tk::TPoint CloseCentre(int tab) {
    tk::TRect r = pc->CloseButtonRect(tab);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Send(UINT msg, tk::TPoint p) {
    SendMessageW(pc->Handle(), msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  }
  void Click(tk::TPoint p) {
    Send(WM_MOUSEMOVE, p);
    Send(WM_LBUTTONDOWN, p);
    Send(WM_LBUTTONUP, p);
  }
  // The control painted into a bitmap of its size.
  std::vector<COLORREF> Snapshot(int& w) {
    w = pc->ClientWidth();
    int h = pc->ClientHeight();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(pc->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    std::vector<COLORREF> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
  }
  tk::TForm* form = nullptr;
  TvxSkinPageControl* pc = nullptr;
};

TEST_F(SkinPageControlTest, TabsTakeTheDefaultHeightAndKeepRoomForTheCloseButton) {
  TvxSkinTabSheet* a = AddSheet(L"alpha");
  // Wider than the platform's smallest tab.
  AddSheet(L"a caption of some length");
  EXPECT_EQ(pc->TabRect(0).Height(), 20);
  pc->SetDefaultItemHeight(26);
  EXPECT_EQ(pc->TabRect(0).Height(), 26);
  pc->SetDefaultItemHeight(20);

  int plain = pc->TabRect(1).Width();
  pc->SetShowCloseButtons(true);
  EXPECT_GE(pc->TabRect(1).Width(), plain + pc->CloseButtonSize());
  pc->SetShowCloseButtons(false);
  EXPECT_EQ(pc->TabRect(1).Width(), plain);

  // The page area lies one pixel inside the control, below the tab row.
  tk::TRect area = pc->DisplayRect();
  EXPECT_EQ(area.Left, 1);
  EXPECT_EQ(area.Right, pc->ClientWidth() - 1);
  EXPECT_EQ(area.Bottom, pc->ClientHeight() - 1);
  EXPECT_GE(area.Top, pc->TabItemRect(0).Bottom - 1);
  EXPECT_EQ(a->BoundsRect(), area);
}

TEST_F(SkinPageControlTest, PlainLookDrawsTheTabStatesAndTheCrosses) {
  pc->SetShowCloseButtons(true);
  AddSheet(L"alpha");
  AddSheet(L"beta");
  Paint();
  int w = 0;
  std::vector<COLORREF> px = Snapshot(w);
  auto at = [&](tk::TPoint p) { return px[static_cast<size_t>(p.Y) * w + p.X]; };

  tk::TRect active = pc->TabItemRect(0), inactive = pc->TabItemRect(1);
  EXPECT_EQ(at({active.Left, active.Top + 5}), RGB(0, 0, 0x80)) << "navy frame round the active tab";
  EXPECT_EQ(at({active.Left + 3, active.Top + 3}), RGB(0xB6, 0xBD, 0xD2)) << "active, unfocused";
  EXPECT_EQ(at({inactive.Left + 3, inactive.Top + 3}), GetSysColor(COLOR_BTNFACE));

  // The cross starts one pixel into its glyph, two into the button: black,
  // white while the pointer is on the button.
  tk::TRect button = pc->CloseButtonRect(1);
  ASSERT_FALSE(button.IsEmpty());
  EXPECT_EQ(button.Right, inactive.Right - 2);
  EXPECT_EQ(at({button.Left + 3, button.Top + 3}), RGB(0, 0, 0));
  Send(WM_MOUSEMOVE, CloseCentre(1));
  px = Snapshot(w);
  EXPECT_EQ(at({button.Left + 3, button.Top + 3}), RGB(255, 255, 255));
  EXPECT_EQ(at({inactive.Left + 3, inactive.Top + 3}), RGB(0xB6, 0xBD, 0xD2)) << "the tab under the pointer";
}

TEST_F(SkinPageControlTest, CloseButtonClosesItsOwnTabAndFreesThePage) {
  pc->SetShowCloseButtons(true);
  pc->FreeOnClose = true;
  int afterClose = 0;
  pc->OnAfterClose = [&](tk::TObject*) { ++afterClose; };
  auto aGone = Mark(), bGone = Mark(), cGone = Mark(), dGone = Mark();
  TvxSkinTabSheet* a = AddSheet(L"a", aGone);
  TvxSkinTabSheet* b = AddSheet(L"b", bGone);
  TvxSkinTabSheet* c = AddSheet(L"c", cGone);
  TvxSkinTabSheet* d = AddSheet(L"d", dGone);
  Paint();
  ASSERT_EQ(PageList(), (Pages{a, b, c, d}));

  // A press on an inactive tab's button selects that tab; the release closes
  // it and the tab moving into its place becomes active.
  tk::TPoint cClose = CloseCentre(2);
  Send(WM_MOUSEMOVE, cClose);
  Send(WM_LBUTTONDOWN, cClose);
  EXPECT_EQ(pc->TabIndex(), 2);
  Send(WM_LBUTTONUP, cClose);
  EXPECT_TRUE(*cGone);
  EXPECT_EQ(afterClose, 1);
  EXPECT_EQ(PageList(), (Pages{a, b, d}));
  EXPECT_EQ(pc->ActivePage(), d);
  Paint();

  // Pressing a button, leaving it and releasing elsewhere closes nothing.
  tk::TPoint dClose = CloseCentre(2);
  Send(WM_MOUSEMOVE, dClose);
  Send(WM_LBUTTONDOWN, dClose);
  tk::TRect body = pc->TabItemRect(2);
  Send(WM_MOUSEMOVE, {body.Left + 3, body.Top + 3});
  Send(WM_LBUTTONUP, {body.Left + 3, body.Top + 3});
  EXPECT_FALSE(*dGone);

  // A press on one tab released on another tab's button closes nothing
  // (the active page is not the one whose button is under the pointer).
  pc->SetActivePage(a);
  Paint();
  tk::TRect aBody = pc->TabItemRect(0);
  Send(WM_MOUSEMOVE, {aBody.Left + 3, aBody.Top + 3});
  Send(WM_LBUTTONDOWN, {aBody.Left + 3, aBody.Top + 3});
  Send(WM_MOUSEMOVE, CloseCentre(1));
  Send(WM_LBUTTONUP, CloseCentre(1));
  EXPECT_FALSE(*aGone);
  EXPECT_FALSE(*bGone);
  EXPECT_EQ(pc->ActivePage(), a);

  // Closing the last tab while active activates the new last one.
  pc->SetActivePage(d);
  Paint();
  Click(CloseCentre(2));
  EXPECT_TRUE(*dGone);
  EXPECT_EQ(PageList(), (Pages{a, b}));
  EXPECT_EQ(pc->ActivePage(), b);

  // A refusing OnClose keeps the page.
  pc->OnClose = [&](tk::TObject* sender, bool& canClose) {
    EXPECT_EQ(sender, b);
    canClose = false;
  };
  Paint();
  Click(CloseCentre(1));
  EXPECT_FALSE(*bGone);
  EXPECT_EQ(pc->TabCount(), 2);
  pc->OnClose = nullptr;

  // Without FreeOnClose the tab goes and the page stays.
  pc->FreeOnClose = false;
  Paint();
  Click(CloseCentre(1));
  EXPECT_FALSE(*bGone);
  EXPECT_FALSE(b->TabVisible());
  EXPECT_EQ(pc->PageCount(), 2);
  EXPECT_EQ(pc->ActivePage(), a);

  // Closing the only tab leaves no active page.
  pc->FreeOnClose = true;
  Paint();
  Click(CloseCentre(0));
  EXPECT_TRUE(*aGone);
  EXPECT_EQ(PageList(), (Pages{b})) << "the page without a tab stays";
  EXPECT_EQ(pc->ActivePage(), nullptr);
  EXPECT_EQ(afterClose, 4);
}

// A tab closes only on a press that began on its close button and a release
// over the same button. A press anywhere else, a drag off the button and back,
// or a release over another tab's button closes nothing.
TEST_F(SkinPageControlTest, CloseNeedsPressAndReleaseOnTheSameButton) {
  pc->SetShowCloseButtons(true);
  pc->FreeOnClose = true;
  auto aGone = Mark(), bGone = Mark();
  TvxSkinTabSheet* a = AddSheet(L"first", aGone);
  TvxSkinTabSheet* b = AddSheet(L"second", bGone);
  Paint();
  auto drag = [&](std::vector<tk::TPoint> path) {
    Send(WM_MOUSEMOVE, path.front());
    Send(WM_LBUTTONDOWN, path.front());
    for (size_t i = 1; i < path.size(); ++i) Send(WM_MOUSEMOVE, path[i]);
    Send(WM_LBUTTONUP, path.back());
    Paint();
  };
  auto body = [&](int tab) {
    tk::TRect r = pc->TabItemRect(tab);
    return tk::TPoint{r.Left + 4, r.Top + 4};
  };

  // From the active tab's body onto its own button.
  ASSERT_EQ(pc->ActivePage(), a);
  drag({body(0), CloseCentre(0)});
  EXPECT_FALSE(*aGone) << "the press began on the tab, not on its button";
  EXPECT_FALSE(a->CloseButtonPressed);

  // Off the button and back before the release.
  drag({CloseCentre(0), body(0), CloseCentre(0)});
  EXPECT_FALSE(*aGone) << "leaving the button let go of the press";

  // From the page area below the row onto a button.
  tk::TRect area = pc->DisplayRect();
  drag({{area.Left + 20, area.Top + 20}, CloseCentre(1), CloseCentre(1)});
  EXPECT_FALSE(*bGone);

  // From one tab's button to the other's.
  drag({CloseCentre(0), CloseCentre(1)});
  EXPECT_FALSE(*aGone);
  EXPECT_FALSE(*bGone);
  EXPECT_EQ(PageList(), (Pages{a, b}));

  // A press and a release on the same button do close.
  pc->SetActivePage(a);
  Paint();
  drag({CloseCentre(1), CloseCentre(1)});
  EXPECT_TRUE(*bGone);
  EXPECT_EQ(PageList(), (Pages{a}));
}

// The close button reacts exactly where it is drawn: one pixel inside each of
// its edges closes the tab, one pixel outside does not; in the plain look and
// with the program's skin, whose buttons stand at fixed places in the tab.
TEST_F(SkinPageControlTest, CloseButtonReactsExactlyOverItsRectangle) {
  pc->SetShowCloseButtons(true);
  pc->FreeOnClose = true;
  for (const bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "program skin" : "plain look");
    if (skinned) LoadSkin();
    // Plain: 14 pixels wide, 2 before the tab's end; skinned: the record's
    // 13, standing 18 before it.
    const int size = skinned ? 13 : 14, fromEnd = skinned ? 18 : 16;
    struct Probe {
      const char* where;
      int x, y;  // relative to the button: 0 is its left or top edge, size its right or bottom
      bool closes;
    };
    const int mid = size / 2;
    const Probe probes[] = {
        {"inside the left edge", 0, mid, true},        {"outside the left edge", -1, mid, false},
        {"inside the right edge", size - 1, mid, true}, {"outside the right edge", size, mid, false},
        {"inside the top edge", mid, 0, true},         {"outside the top edge", mid, -1, false},
        {"inside the bottom edge", mid, size - 1, true}, {"outside the bottom edge", mid, size, false},
    };
    for (const Probe& p : probes) {
      SCOPED_TRACE(p.where);
      while (pc->PageCount() > 0) pc->Pages(0)->Free();
      AddSheet(L"stays");
      auto gone = Mark();
      TvxSkinTabSheet* probed = AddSheet(L"probed", gone);
      Paint();
      const tk::TRect item = pc->TabItemRect(1), r = pc->CloseButtonRect(1);
      ASSERT_EQ(r.Left, item.Right - fromEnd);
      ASSERT_EQ(r.Width(), size);
      ASSERT_EQ(r.Height(), size);
      ASSERT_GE(r.Top, item.Top);
      ASSERT_LE(r.Bottom, item.Bottom);
      Click({r.Left + p.x, r.Top + p.y});
      EXPECT_EQ(*gone, p.closes);
      EXPECT_EQ(PageList().size(), p.closes ? 1u : 2u);
      if (!p.closes) {
        EXPECT_EQ(PageList().back(), probed);
      }
    }
  }
}

// After a tab goes, the hover must not lead to its (poisoned) sheet: neither
// the tab that moves into its place nor leaving the control reaches it, and
// a sheet its owner frees while the pointer rests on its tab is let go too.
TEST_F(SkinPageControlTest, HoverAfterAClosedOrFreedSheetNeverReachesIt) {
  pc->SetShowCloseButtons(true);
  pc->FreeOnClose = true;
  auto bGone = Mark(), cGone = Mark();
  AddSheet(L"first");
  AddSheet(L"middle", bGone);
  TvxSkinTabSheet* c = AddSheet(L"last", cGone);
  Paint();

  Click(CloseCentre(1));
  ASSERT_TRUE(*bGone);
  ASSERT_EQ(pc->TabCount(), 2);
  EXPECT_EQ(pc->ActivePage(), c);
  Paint();
  // Over the tab now in the middle's place, onto its close button, over the
  // first tab, and out of the control.
  tk::TRect moved = pc->TabItemRect(1);
  Send(WM_MOUSEMOVE, {moved.Left + 3, moved.Top + 3});
  Paint();
  Send(WM_MOUSEMOVE, CloseCentre(1));
  EXPECT_TRUE(c->CloseButtonHot);
  Paint();
  tk::TRect first = pc->TabItemRect(0);
  Send(WM_MOUSEMOVE, {first.Left + 3, first.Top + 3});
  SendMessageW(pc->Handle(), WM_MOUSELEAVE, 0, 0);
  Paint();

  // The pointer rests on the last tab's button when its owner frees it.
  Send(WM_MOUSEMOVE, CloseCentre(1));
  c->Free();
  ASSERT_TRUE(*cGone);
  Send(WM_MOUSEMOVE, {first.Left + 3, first.Top + 3});
  SendMessageW(pc->Handle(), WM_MOUSELEAVE, 0, 0);
  Paint();
  EXPECT_EQ(pc->TabCount(), 1);
}

// With the program's skin: tab height, close size and page margins from the
// "tab" record; the tabs' ends, the taller selected tab and the close images
// (lit under the pointer) are the record's pixels.
TEST_F(SkinPageControlTest, SkinnedTabsAreDrawnFromTheTabRecord) {
  LoadSkin();
  const TvxDataSkinTabControl* rec = pc->TabRecord();
  ASSERT_NE(rec, nullptr);
  pc->SetShowCloseButtons(true);
  AddSheet(L"first");
  AddSheet(L"second");
  AddSheet(L"third");
  EXPECT_EQ(pc->TabRect(0).Height(), 22);
  EXPECT_EQ(pc->CloseButtonSize(), 13);
  const tk::TRect area = pc->DisplayRect();
  EXPECT_EQ(area.Left, 2);
  EXPECT_EQ(area.Right, pc->ClientWidth() - 2);
  EXPECT_EQ(area.Bottom, pc->ClientHeight() - 2);
  Paint();
  int w = 0;
  std::vector<COLORREF> px = Snapshot(w);
  auto at = [&](int x, int y) { return px[static_cast<size_t>(y) * w + x]; };
  const TvxPixmap& picture = *skin->Picture(rec->pictureindex);
  auto pic = [&](int x, int y) { return static_cast<COLORREF>(ColorFromPixel(picture.At(x, y))); };

  // The tabs' left ends (the record's unstretched 5 columns): the selected
  // tab 23 rows from activetabrect over the frame, the others 22 from tabrect
  // down to where the frame begins.
  const int frameTop = area.Top - 2;
  tk::TRect a = pc->TabItemRect(0), b = pc->TabItemRect(1);
  int wrong = 0;
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 5; ++x) wrong += at(a.Left + x, a.Top + y) != pic(rec->activetabrect.Left + x, rec->activetabrect.Top + y);
  EXPECT_EQ(wrong, 0) << "selected tab";
  wrong = 0;
  for (int y = 0; y < 22 && b.Top + y < frameTop; ++y)
    for (int x = 0; x < 5; ++x) wrong += at(b.Left + x, b.Top + y) != pic(rec->tabrect.Left + x, rec->tabrect.Top + y);
  EXPECT_EQ(wrong, 0) << "tab not selected";
  EXPECT_GT(frameTop - b.Top, 15);

  // The close image 18 pixels before the tab's end, its key colour showing
  // the tab through.
  tk::TRect close = pc->CloseButtonRect(1);
  EXPECT_EQ(close.Left, b.Right - 18);
  EXPECT_EQ(close.Width(), 13);
  auto closeWrong = [&](const TvxRect& from) {
    int n = 0, opaque = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x) {
        COLORREF src = pic(from.Left + x, from.Top + y);
        if (src == static_cast<COLORREF>(rec->buttontransparentcolor)) continue;
        ++opaque;
        n += at(close.Left + x, close.Top + y) != src;
      }
    return opaque > 20 ? n : -1;
  };
  EXPECT_EQ(closeWrong(rec->closebuttonrect), 0);
  Send(WM_MOUSEMOVE, CloseCentre(1));
  px = Snapshot(w);
  EXPECT_EQ(closeWrong(rec->closebuttonactiverect), 0) << "lit under the pointer";
}

TEST_F(SkinPageControlTest, CentredRowIsDrawnAndHitWhereItStands) {
  AddSheet(L"a");
  AddSheet(L"b");
  pc->SetTabsInCenter(true);
  EXPECT_FALSE(pc->TabsInCenter()) << "refused while tabs size themselves";
  pc->SetTabWidth(80);
  pc->SetTabsInCenter(true);
  ASSERT_TRUE(pc->TabsInCenter());
  EXPECT_TRUE(pc->TabsBGTransparent());
  const int shift = pc->Width() / 2 - 80;
  EXPECT_EQ(pc->TabsShift(), shift);
  EXPECT_EQ(pc->TabItemRect(1).Left, pc->TabRect(1).Left - 2 + shift);
  // A press on the drawn second tab selects it, though the platform's own
  // row starts at the left edge.
  tk::TRect second = pc->TabItemRect(1);
  Click({second.Left + 10, second.Top + 5});
  EXPECT_EQ(pc->TabIndex(), 1);
  tk::TRect first = pc->TabItemRect(0);
  Click({first.Left + 10, first.Top + 5});
  EXPECT_EQ(pc->TabIndex(), 0);
}

TEST_F(SkinPageControlTest, MouseWheelPagesThroughTheTabsWithoutWrapping) {
  pc->MouseWheelSupport = true;
  TvxSkinTabSheet* a = AddSheet(L"a");
  TvxSkinTabSheet* b = AddSheet(L"b");
  TvxSkinTabSheet* c = AddSheet(L"c");
  b->SetTabVisible(false);
  int changes = 0;
  pc->OnChange = [&](tk::TObject*) { ++changes; };
  pc->SetFocus();
  auto wheel = [&](int delta) { SendMessageW(pc->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); };
  wheel(-120);
  EXPECT_EQ(pc->ActivePage(), c) << "the page without a tab is skipped";
  wheel(-120);
  EXPECT_EQ(pc->ActivePage(), c) << "nothing after the last";
  wheel(120);
  EXPECT_EQ(pc->ActivePage(), a);
  wheel(120);
  EXPECT_EQ(pc->ActivePage(), a);
  EXPECT_EQ(changes, 2);

  pc->MouseWheelSupport = false;
  wheel(-120);
  EXPECT_EQ(pc->ActivePage(), a);
}

TEST_F(SkinPageControlTest, OverflowingRowShowsWorkingScrollArrowsOnScreen) {
  pc->SetShowCloseButtons(true);
  // The control is on screen and painted before the row outgrows it, as when
  // a search adds its tabs to a form already showing.
  PumpUntilIdle();
  for (int i = 0; i < 12; ++i) AddSheet(L"keyword " + std::to_wstring(i) + L" (site)");
  TvxSkinUpDown* skinned = pc->ScrollArrows();
  ASSERT_NE(skinned, nullptr) << "twelve tabs do not fit";
  EXPECT_EQ(pc->UpDownWindow(), nullptr) << "the platform's arrows are hidden";
  HWND platform = FindWindowExW(pc->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(platform, nullptr) << "and still there for the tab control";
  HWND arrows = skinned->Handle();
  tk::TRect r = tktest::WindowBoundsInParent(arrows);
  EXPECT_EQ(r, (tk::TRect{pc->ClientWidth() - 40, 0, pc->ClientWidth(), 20})) << "2 x 1 default tab heights";
  POINT centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  ClientToScreen(pc->Handle(), &centre);
  EXPECT_EQ(WindowFromPoint(centre), arrows) << "nothing covers the arrows";

  // A click on the right arrow scrolls the row by one tab; the left one back.
  ASSERT_EQ(pc->FirstVisibleTab(), 0);
  EXPECT_EQ(skinned->Max(), skinned->Rules().Max());
  auto press = [&](int x) {
    SendMessageW(arrows, WM_MOUSEMOVE, 0, MAKELPARAM(x, r.Height() / 2));
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, r.Height() / 2));
    SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(x, r.Height() / 2));
  };
  press(r.Width() * 3 / 4);
  EXPECT_EQ(pc->FirstVisibleTab(), 1);
  EXPECT_EQ(pc->TabIndex(), 0) << "scrolling does not change the page";
  press(r.Width() / 4);
  EXPECT_EQ(pc->FirstVisibleTab(), 0);

  // Once the tabs fit again the skinned arrows go.
  while (pc->PageCount() > 2) pc->Pages(pc->PageCount() - 1)->Free();
  EXPECT_TRUE(PumpUntil([&] { return pc->ScrollArrows() == nullptr; }));
}

}  // namespace
