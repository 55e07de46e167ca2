// The search in the program's own forms under Wine and code page 936: the
// tabs a click on the search button adds (captions, hints, their browsers
// and options), the requests those browsers send, the edge cases of the
// keyword and of the site choice, and that closing many search tabs gives
// every window, GDI object and browser back.
#include "SearchWinTest.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

TEST_F(SearchTest, ChineseKeywordOpensATabPerSiteInTableOrder) {
  ASSERT_EQ(GetACP(), 936u);
  PumpUntil([] { return !Server().Requests().empty(); }, 30000);  // the first category page
  const size_t before = Server().Requests().size();
  const std::wstring sky = L"\u5929\u7a7a";  // 天空
  Search(sky);

  EXPECT_EQ(Form3->Parent(), Form1->clientPanel);
  EXPECT_TRUE(Form3->Visible());
  ASSERT_EQ(pages->PageCount(), 7);
  EXPECT_EQ(pages->Pages(5)->Caption(), L"\u5929\u7a7a(psp\u4e13\u7528)");
  for (int row = 0; row < 7; ++row) {
    tk::TTabSheet* sheet = pages->Pages(row);
    EXPECT_NE(dynamic_cast<vx::TvxSkinTabSheet*>(sheet), nullptr);
    EXPECT_EQ(sheet->Caption(), sky + L"(" + kLabels[row] + L")");
    EXPECT_EQ(pages->TabCaption(row), sheet->Caption());
    EXPECT_EQ(sheet->Hint(), sheet->Caption());
    EXPECT_TRUE(sheet->ShowHint());
    TLantern* browser = BrowserOf(sheet);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->ParentWindow(), sheet->Handle());
    RECT r{};
    GetWindowRect(browser->Handle(), &r);
    EXPECT_EQ(r.right - r.left, sheet->Width());
    EXPECT_EQ(r.bottom - r.top, sheet->Height());
    EXPECT_EQ(browser->DownloadOptions(),
              (kinopod::lnt::TDownloadControlOptions{TDownloadControlOption::DownloadImages,
                                                     TDownloadControlOption::DontExecuteJava,
                                                     TDownloadControlOption::DontDownloadActiveX}));
  }
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));

  std::multiset<std::string> got = Requests(before, 7);
  const std::string utf8 = "%E5%A4%A9%E7%A9%BA", host = LoopbackHost();
  for (const std::string& want :
       std::vector<std::string>{"/search.php?srchtxt=" + utf8, "/Search.asp?keyword=%CC%EC%BF%D5", "/do/s?wd=" + utf8,
        "/search?domains=" + host + "&q=" + utf8 + "&sitesearch=127.0.0.1", "/search?search=" + utf8 + "+mp4"})
    EXPECT_EQ(got.count(want), 1u) << want;
  // The raw rows hand the characters themselves to the browser, which
  // escapes them for the wire as it does for any typed address.
  int raw = 0;
  for (const std::string& path : got) raw += path.rfind("/plus/search.php?kwtype=0&keyword=", 0) == 0;
  EXPECT_EQ(raw, 2);
  EXPECT_EQ(got.size(), 7u);

  // A second search, after a category page took the panel, appends its tabs;
  // the first search's browsers keep their windows in their sheets.
  Form1->categoryButtons[1]->Click();
  EXPECT_FALSE(Form3->Visible());
  Search(sky);
  EXPECT_EQ(pages->PageCount(), 14);
  EXPECT_EQ(pages->Pages(13)->Caption(), sky + L"(" + kLabels[6] + L")");
  for (int i = 0; i < 7; ++i) {
    TLantern* browser = BrowserOf(pages->Pages(i));
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(browser->HandleAllocated());
    EXPECT_TRUE(IsWindow(browser->Handle()));
    EXPECT_EQ(GetParent(browser->Handle()), pages->Pages(i)->Handle());
  }

  // After the window grows, every browser fills its sheet again.
  const int oldWidth = pages->Pages(0)->Width();
  Form1->SetBounds(Form1->Left(), Form1->Top(), Form1->Width() + 120, Form1->Height() + 70);
  PumpUntil([&] { return pages->Pages(0)->Width() == oldWidth + 120; }, 5000);
  EXPECT_EQ(pages->Pages(0)->Width(), oldWidth + 120);
  for (int i = 0; i < pages->PageCount(); ++i) {
    TLantern* browser = BrowserOf(pages->Pages(i));
    ASSERT_NE(browser, nullptr);
    RECT r{};
    GetWindowRect(browser->Handle(), &r);
    EXPECT_EQ(r.right - r.left, pages->Pages(i)->Width()) << i;
    EXPECT_EQ(r.bottom - r.top, pages->Pages(i)->Height()) << i;
  }
}

TEST_F(SearchTest, EmptyKeywordBlanksAndNoSiteTicked) {
  PumpUntil([] { return !Server().Requests().empty(); }, 30000);
  size_t before = Server().Requests().size();
  Search(L"");
  ASSERT_EQ(pages->PageCount(), 7);
  EXPECT_EQ(pages->Pages(0)->Caption(), L"(" + kLabels[0] + L")");
  std::multiset<std::string> got = Requests(before, 7);
  EXPECT_EQ(got.count("/search.php?srchtxt="), 1u);
  EXPECT_EQ(got.count("/Search.asp?keyword="), 1u);
  EXPECT_EQ(got.count("/plus/search.php?kwtype=0&keyword=%20mp4"), 1u);
  EXPECT_EQ(got.count("/search?search=mp4"), 1u);

  // Blanks stay in the captions; the encoding rows drop them.
  before = Server().Requests().size();
  Search(L"  ab ");
  ASSERT_EQ(pages->PageCount(), 14);
  EXPECT_EQ(pages->Pages(7)->Caption(), L"  ab (" + kLabels[0] + L")");
  got = Requests(before, 7);
  EXPECT_EQ(got.count("/search.php?srchtxt=ab"), 1u);
  EXPECT_EQ(got.count("/search?search=ab++mp4"), 1u);
  EXPECT_EQ(got.count("/plus/search.php?kwtype=0&keyword=%20%20ab%20%20mp4"), 1u);
  EXPECT_EQ(Form1->keywordEdit->Text(), L"  ab ") << "the keyword box is left as typed";

  // Nothing ticked: the results form is shown, no tab is added.
  Form2->Show();
  for (auto* box : Form4->siteBoxes) box->SetChecked(false);
  Search(L"x");
  EXPECT_EQ(pages->PageCount(), 14);
  EXPECT_TRUE(Form3->Visible());
  EXPECT_FALSE(Form2->Visible());

  // Only rows 6 and 7.
  Form4->siteBoxes[5]->SetChecked(true);
  Form4->siteBoxes[6]->SetChecked(true);
  Search(L"x");
  ASSERT_EQ(pages->PageCount(), 16);
  EXPECT_EQ(pages->Pages(14)->Caption(), L"x(" + kLabels[5] + L")");
  EXPECT_EQ(pages->Pages(15)->Caption(), L"x(" + kLabels[6] + L")");
}

TEST_F(SearchTest, TheSearchTakesItsKeywordAndSitesAsGivenAndTheDialogGivesTheTickedRows) {
  PumpUntil([] { return !Server().Requests().empty(); }, 30000);
  const size_t before = Server().Requests().size();
  Form1->keywordEdit->SetText(L"typed");
  RunSiteSearch(Form3, L"kw", {{5, L"six"}, {0, L"one"}});
  ASSERT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->Pages(0)->Caption(), L"kw(six)");
  EXPECT_EQ(pages->Pages(1)->Caption(), L"kw(one)");
  std::multiset<std::string> got = Requests(before, 2);
  EXPECT_EQ(got.count("/search?domains=" + LoopbackHost() + "&q=kw&sitesearch=127.0.0.1"), 1u);
  EXPECT_EQ(got.count("/search.php?srchtxt=kw"), 1u);

  Form4->siteBoxes[0]->SetChecked(false);
  Form4->siteBoxes[4]->SetChecked(false);
  const std::vector<kinopod::ChosenSite> chosen = Form4->ChosenSites();
  ASSERT_EQ(chosen.size(), 5u);
  const int rows[] = {1, 2, 3, 5, 6};
  for (size_t i = 0; i < chosen.size(); ++i) {
    EXPECT_EQ(chosen[i].row, rows[i]);
    EXPECT_EQ(chosen[i].label, kLabels[rows[i]]);
  }
}

TEST_F(SearchTest, SiteDialogStartsTickedAndOnlyEverHides) {
  // By search row; the design numbered the last two boxes the other way round.
  struct Box {
    const char* name;
    tk::TRect bounds;
    int tabOrder;
    std::wstring caption;
  };
  const Box boxes[kinopod::kSearchSiteCount] = {
      {"vxSkinCheckRadioBox1", {55, 24, 168, 49}, 1, kLabels[0]},
      {"vxSkinCheckRadioBox2", {55, 80, 168, 105}, 0, kLabels[1]},
      {"vxSkinCheckRadioBox3", {55, 136, 168, 161}, 2, kLabels[2]},
      {"vxSkinCheckRadioBox4", {303, 24, 416, 49}, 3, kLabels[3]},
      {"vxSkinCheckRadioBox5", {303, 80, 465, 105}, 4, kLabels[4]},
      {"vxSkinCheckRadioBox7", {303, 144, 449, 169}, 5, L"psp\u4e13\u7528"},
      {"vxSkinCheckRadioBox6", {55, 192, 201, 217}, 6, kLabels[6]},
  };
  EXPECT_FALSE(Form4->Visible());
  EXPECT_EQ(Form4->ClientWidth(), 534);
  EXPECT_EQ(Form4->ClientHeight(), 300);
  for (int row = 0; row < kinopod::kSearchSiteCount; ++row) {
    const Box& b = boxes[row];
    vx::TvxSkinCheckRadioBox* box = Form4->siteBoxes[row];
    EXPECT_EQ(box->Name(), b.name);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->State(), vx::cbChecked);
    EXPECT_EQ(box->BoundsRect(), b.bounds);
    EXPECT_EQ(box->TabOrder(), b.tabOrder);
    EXPECT_EQ(box->Caption(), b.caption);
  }
  EXPECT_EQ(Form4->okButton->Caption(), L"\u786e \u8ba4");

  // Shown by the main window's button, hidden by OK, keeping the choice.
  Form1->SitesClick(nullptr);
  EXPECT_TRUE(Form4->Visible());
  Form4->siteBoxes[2]->SetChecked(false);
  Form4->OkClick(nullptr);
  EXPECT_FALSE(Form4->Visible());
  Form1->SitesClick(nullptr);
  EXPECT_TRUE(Form4->Visible());
  EXPECT_FALSE(Form4->siteBoxes[2]->Checked());

  // Closing it by its frame hides it too; the form lives on.
  TForm4* dialog = Form4;
  Form4->Close();
  EXPECT_TRUE(PumpUntil([] { return !Form4->Visible(); }, 5000));
  EXPECT_EQ(Form4, dialog);
  EXPECT_FALSE(Form4->siteBoxes[2]->Checked());
}

TEST_F(SearchTest, ClosingSeventySearchTabsGivesEverythingBack) {
  PumpUntil([] { return !Server().Requests().empty(); }, 30000);
  // A first round loads what browsers share for the rest of the process.
  Search(L"warm");
  PumpUntil([] { return false; }, 1500);  // the pages load before they are closed
  CloseAll();
  const int gdi0 = Steady(tktest::GdiObjectCount), user0 = Steady(tktest::UserObjectCount);
  ASSERT_GT(gdi0, 0);

  int browsersGone = 0;
  for (int i = 0; i < 10; ++i) Search(L"k" + std::to_wstring(i));
  ASSERT_EQ(pages->PageCount(), 70);
  for (int i = 0; i < 70; ++i) new Witness(BrowserOf(pages->Pages(i)), browsersGone);
  EXPECT_GT(tktest::UserObjectCount(), user0 + 70);
  PumpUntil([] { return false; }, 1500);  // the pages load before they are closed

  CloseAll();
  EXPECT_EQ(pages->PageCount(), 0);
  EXPECT_EQ(browsersGone, 70);
  EXPECT_TRUE(CountsBackTo(gdi0, user0)) << "GDI " << tktest::GdiObjectCount() << " of " << gdi0 << ", USER "
                                         << tktest::UserObjectCount() << " of " << user0;
}

}  // namespace
