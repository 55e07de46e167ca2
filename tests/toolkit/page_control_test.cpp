// The page control on the platform's tab control: the tab row following the
// pages, selection by the user and by the program, scrolling of a long row,
// the page area, freeing pages, and the objects many pages leave behind.
#include <string>
#include <vector>

#include "resource_counts.h"
#include "tkStdCtrls.h"
#include "tkTabs.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

// A component that records its own destruction.
class Witness : public TComponent {
 public:
  Witness(TComponent* owner, bool& gone) : TComponent(owner), gone_(gone) {}
  ~Witness() override { gone_ = true; }

 private:
  bool& gone_;
};

class WitnessPanel : public TPanel {
 public:
  WitnessPanel(TComponent* owner, bool& gone) : TPanel(owner), gone_(gone) {}
  ~WitnessPanel() override { gone_ = true; }

 private:
  bool& gone_;
};

class PageControlTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(20, 20, 320, 240);
    pc = new TPageControl(form);
    pc->SetParent(form);
    pc->SetAlign(alClient);
    form->Show();
  }
  TTabSheet* AddSheet(const std::wstring& caption) {
    auto* s = new TTabSheet(pc);
    s->SetPageControl(pc);
    s->SetCaption(caption);
    return s;
  }
  int PlatformTabCount() { return static_cast<int>(SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0)); }
  // The page list as the control holds it; compared by address only, so a
  // freed sheet left in it shows as a wrong entry rather than a crash.
  std::vector<TTabSheet*> PageList() {
    std::vector<TTabSheet*> pages;
    for (int i = 0; i < pc->PageCount(); ++i) pages.push_back(pc->Pages(i));
    return pages;
  }
  std::wstring PlatformCaption(int i) {
    wchar_t buf[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = 64;
    SendMessageW(pc->Handle(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    return buf;
  }
  void Click(int x, int y) {
    SendMessageW(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(pc->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  int VisiblePages() {
    int n = 0;
    for (int i = 0; i < pc->PageCount(); ++i) n += pc->Pages(i)->Visible();
    return n;
  }
  TForm* form = nullptr;
  TPageControl* pc = nullptr;
};

TEST_F(PageControlTest, TwentySheetsScrollTheTabRowAndTheUserPicksPages) {
  std::vector<TTabSheet*> sheets;
  for (int i = 0; i < 20; ++i) sheets.push_back(AddSheet(L"Sheet " + std::to_wstring(i)));
  PumpUntilIdle();
  ASSERT_EQ(pc->TabCount(), 20);
  EXPECT_EQ(PlatformTabCount(), 20);
  EXPECT_EQ(PlatformCaption(13), L"Sheet 13");
  // The first page is shown on its own; the rest wait.
  EXPECT_EQ(pc->ActivePage(), sheets[0]);
  EXPECT_EQ(pc->TabIndex(), 0);
  EXPECT_EQ(VisiblePages(), 1);

  // Twenty tabs do not fit in 320 pixels: the platform's arrows appear.
  TRect last = pc->TabRect(19);
  EXPECT_TRUE(last.Right > pc->ClientWidth() || last.IsEmpty()) << "the last tab is out of sight";
  EXPECT_NE(pc->UpDownWindow(), nullptr);
  EXPECT_EQ(pc->FirstVisibleTab(), 0);

  pc->ScrollTabs(5);
  EXPECT_EQ(pc->FirstVisibleTab(), 5);
  TRect fifth = pc->TabRect(5);
  EXPECT_LE(pc->TabRect(4).Right, 0) << "scrolled off to the left";
  EXPECT_GE(fifth.Left, 0);
  EXPECT_LT(fifth.Left, 10);
  EXPECT_EQ(pc->IndexOfTabAt(fifth.Left + fifth.Width() / 2, fifth.Top + fifth.Height() / 2), 5);
  pc->ScrollTabs(0);
  EXPECT_EQ(pc->FirstVisibleTab(), 0);

  // A click on a tab asks OnChanging, then shows that page and tells OnChange.
  std::vector<std::string> events;
  bool allow = true;
  pc->OnChanging = [&](TObject*, bool& a) {
    events.push_back("changing " + std::to_string(pc->ActivePageIndex()));
    a = allow;
  };
  pc->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(pc->ActivePageIndex())); };
  TRect t2 = pc->TabRect(2);
  Click(t2.Left + 5, t2.Top + 5);
  EXPECT_EQ(pc->ActivePage(), sheets[2]);
  EXPECT_TRUE(sheets[2]->Visible());
  EXPECT_EQ(VisiblePages(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "change 2"}));

  allow = false;
  TRect t3 = pc->TabRect(3);
  Click(t3.Left + 5, t3.Top + 5);
  EXPECT_EQ(pc->ActivePage(), sheets[2]);
  EXPECT_EQ(pc->TabIndex(), 2);

  // The program's own choice raises no events.
  events.clear();
  pc->SetActivePage(sheets[7]);
  EXPECT_EQ(pc->TabIndex(), 7);
  EXPECT_TRUE(events.empty());
  allow = true;
  pc->SelectNextPage(true);
  EXPECT_EQ(pc->ActivePage(), sheets[8]);
  pc->SetActivePage(sheets[19]);
  pc->SelectNextPage(true);
  EXPECT_EQ(pc->ActivePage(), sheets[0]) << "wraps round";

  // Many rows instead of scrolling.
  pc->SetMultiLine(true);
  EXPECT_GT(pc->RowCount(), 1);
  EXPECT_EQ(pc->UpDownWindow(), nullptr);
  EXPECT_EQ(PlatformTabCount(), 20) << "the new window got the tabs back";
  EXPECT_EQ(pc->TabIndex(), 0);
}

TEST_F(PageControlTest, FreeingASheetRemovesItsTabAndEverythingItOwns) {
  TTabSheet* a = AddSheet(L"a");
  TTabSheet* b = AddSheet(L"b");
  TTabSheet* c = AddSheet(L"c");
  TTabSheet* d = AddSheet(L"d");
  bool ownedGone = false, childGone = false;
  new Witness(b, ownedGone);
  auto* child = new WitnessPanel(form, childGone);  // owned by the form, placed on b
  child->SetParent(b);
  child->HandleNeeded();
  HWND bWindow = b->Handle();
  pc->SetActivePage(b);

  b->Free();
  EXPECT_TRUE(ownedGone);
  EXPECT_TRUE(childGone);
  EXPECT_FALSE(IsWindow(bWindow));
  ASSERT_EQ(PageList(), (std::vector<TTabSheet*>{a, c, d}));
  EXPECT_EQ(PlatformTabCount(), 3);
  EXPECT_EQ(PlatformCaption(1), L"c");
  // The tab that moved into the freed one's place is the active one now.
  EXPECT_EQ(pc->ActivePage(), c);
  EXPECT_EQ(pc->TabIndex(), 1);

  // Hiding the last tab while active moves to the new last one.
  pc->SetActivePage(d);
  d->SetTabVisible(false);
  EXPECT_EQ(d->TabIndex(), -1);
  EXPECT_EQ(PlatformTabCount(), 2);
  EXPECT_EQ(pc->ActivePage(), c);
  EXPECT_FALSE(d->Visible());
  d->SetTabVisible(true);
  EXPECT_EQ(PlatformCaption(2), L"d");
  EXPECT_EQ(pc->ActivePage(), c) << "a tab coming back does not take the page";

  // Renaming and reordering reach the row.
  a->SetCaption(L"first");
  EXPECT_EQ(PlatformCaption(0), L"first");
  d->SetPageIndex(0);
  EXPECT_EQ(PlatformCaption(0), L"d");
  EXPECT_EQ(pc->TabIndex(), 2) << "the selection follows its page";

  a->Free();
  EXPECT_EQ(PageList(), (std::vector<TTabSheet*>{d, c}));
  c->Free();
  d->Free();
  EXPECT_TRUE(PageList().empty());
  EXPECT_EQ(pc->ActivePage(), nullptr);
  EXPECT_EQ(pc->TabIndex(), -1);
  EXPECT_EQ(PlatformTabCount(), 0);

  // The page control frees its pages, whoever owns them.
  bool lastGone = false;
  auto* e = new TTabSheet(form);
  e->SetPageControl(pc);
  new Witness(e, lastGone);
  pc->Free();
  EXPECT_TRUE(lastGone);
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(PageControlTest, PagesFillThePageAreaWhereverTheTabsAre) {
  TTabSheet* a = AddSheet(L"alpha");
  TTabSheet* b = AddSheet(L"beta");
  PumpUntilIdle();
  TRect area = pc->DisplayRect();
  TRect tab = pc->TabRect(0);
  EXPECT_GE(area.Top, tab.Bottom - 2);
  EXPECT_EQ(a->BoundsRect(), area);
  EXPECT_EQ(b->BoundsRect(), area) << "hidden pages are sized too";

  pc->SetActivePage(b);
  pc->SetTabPosition(tpBottom);
  area = pc->DisplayRect();
  tab = pc->TabRect(0);
  EXPECT_LE(area.Bottom, tab.Top + 2);
  EXPECT_LT(area.Top, 10);
  EXPECT_EQ(b->BoundsRect(), area);
  EXPECT_EQ(pc->ActivePage(), b);
  EXPECT_EQ(pc->TabIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(b->Handle()));

  // Fixed tab sizes.
  pc->SetTabPosition(tpTop);
  pc->SetTabHeight(30);
  pc->SetTabWidth(90);
  EXPECT_EQ(pc->TabRect(0).Height(), 30);
  EXPECT_EQ(pc->TabRect(1).Width(), 90);
  EXPECT_EQ(a->Top(), pc->DisplayRect().Top);
  EXPECT_GE(pc->DisplayRect().Top, 30);

  // An image list widens the tabs by its image slot; each sheet's image
  // index reaches the platform.
  pc->SetTabWidth(0);
  int plain = pc->TabRect(0).Width();
  TImageList images(nullptr);
  images.SetSize(20, 8);
  TBitmap pic(20, 8);
  images.Add(pic);
  pc->SetImages(&images);
  a->SetImageIndex(0);
  EXPECT_GT(pc->TabRect(0).Width(), plain);
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  SendMessageW(pc->Handle(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 0);
  // Growing the list is seen by the row at once.
  int withImage = pc->TabRect(0).Width();
  images.SetWidth(40);
  EXPECT_GE(pc->TabRect(0).Width(), withImage + 20);
  pc->SetImages(nullptr);
}

// A subclass that draws the whole control; the platform still selects.
class PaintedPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;
  int paints = 0;

 protected:
  void PaintWindow(HDC dc) override {
    ++paints;
    RECT r{0, 0, Width(), Height()};
    HBRUSH b = CreateSolidBrush(RGB(0, 200, 0));
    FillRect(dc, &r, b);
    DeleteObject(b);
  }
};

TEST_F(ToolkitTest, ASubclassPaintsTheWholeControlWhileThePlatformSelects) {
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(20, 20, 300, 200);
  auto* pc = new PaintedPageControl(f);
  pc->SetParent(f);
  pc->SetBounds(0, 0, 300, 150);
  for (int i = 0; i < 3; ++i) {
    auto* s = new TTabSheet(pc);
    s->SetPageControl(pc);
    s->SetCaption(L"Tab");
  }
  f->Show();
  pc->Repaint();
  EXPECT_GT(pc->paints, 0);
  TRect t = pc->TabRect(1);
  HDC dc = GetDC(pc->Handle());
  COLORREF onTab = GetPixel(dc, t.Left + 3, t.Top + 3);
  ReleaseDC(pc->Handle(), dc);
  EXPECT_EQ(onTab, RGB(0, 200, 0));
  SendMessageW(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(t.Left + 5, t.Top + 5));
  SendMessageW(pc->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(t.Left + 5, t.Top + 5));
  EXPECT_EQ(pc->ActivePageIndex(), 1);
}

TEST_F(PageControlTest, FiveHundredSheetsGiveBackEveryObject) {
  auto makeAndFree = [&](int n) {
    for (int i = 0; i < n; ++i) {
      TTabSheet* s = AddSheet(L"Page " + std::to_wstring(i));
      s->SetShowHint(true);
      s->SetHint(s->Caption());
      auto* p = new TPanel(s);
      p->SetParent(s);
      p->SetAlign(alClient);
      if (i % 50 == 0) pc->SetActivePage(s);
    }
    pc->Repaint();
    PumpUntilIdle();
    int during = tktest::UserObjectCount();
    while (pc->PageCount() > 0) pc->Pages(pc->PageCount() / 2)->Free();
    PumpUntilIdle();
    return during;
  };
  // Classes get registered and the platform fills its caches (of window
  // DCs, among others); they settle over the first rounds, after which a
  // round gives back exactly what it took.
  makeAndFree(500);
  makeAndFree(100);
  int gdi0 = PumpUntilSteady(tktest::GdiObjectCount), user0 = PumpUntilSteady(tktest::UserObjectCount);
  ASSERT_GT(gdi0, 0);
  int during = makeAndFree(500);
  EXPECT_GE(during, user0 + 1000) << "the sheets and their panels had windows";
  EXPECT_EQ(pc->TabCount(), 0);
  PumpUntil([&] { return tktest::GdiObjectCount() == gdi0 && tktest::UserObjectCount() == user0; }, 5000);
  EXPECT_EQ(tktest::GdiObjectCount(), gdi0);
  EXPECT_EQ(tktest::UserObjectCount(), user0);
}

}  // namespace
