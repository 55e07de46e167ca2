#include "SearchResults.h"

#include "Lantern.h"
#include "SearchSites.h"
#include "MainWindow.h"
#include "SiteDialog.h"

TForm3* Form3 = nullptr;

using kinopod::lnt::TDownloadControlOption;
using kinopod::lnt::TLantern;

TForm3::TForm3(tk::TComponent* owner) : tk::TForm(owner) {
  BeginLoading();
  SetName("Form3");
  SetBounds(267, 145, 982, 682);
  SetCaption(L"Form3");
  SetColor(tk::clBtnFace);
  Font().SetName(L"MS Sans Serif");
  Font().SetHeight(-11);
  PixelsPerInch = 96;

  vxSkinPageControl1 = new vx::TvxSkinPageControl(this);
  vxSkinPageControl1->SetName("vxSkinPageControl1");
  vxSkinPageControl1->SetParent(this);
  vxSkinPageControl1->SetBounds(0, 0, 974, 655);
  vxSkinPageControl1->SetAlign(tk::alClient);
  vxSkinPageControl1->SetTabOrder(0);
  vxSkinPageControl1->FreeOnClose = true;
  vxSkinPageControl1->SetShowCloseButtons(true);
  vxSkinPageControl1->MouseWheelSupport = true;
  vxSkinPageControl1->SetTabExtededDraw(false);
  vxSkinPageControl1->SetTabsOffset(0);
  vxSkinPageControl1->SetTabSpacing(1);
  vxSkinPageControl1->SetTextInHorizontal(false);
  vxSkinPageControl1->SetTabsInCenter(false);
  vxSkinPageControl1->SetTabsBGTransparent(false);
  vxSkinPageControl1->SetParentFont(false);
  vx::SetDefaultSkinFont(vxSkinPageControl1->Font(), tk::clBtnText);
  vx::SetDefaultSkinFont(vxSkinPageControl1->DefaultFont(), tk::clBtnText);
  vxSkinPageControl1->UseSkinFont = true;
  vxSkinPageControl1->SetDefaultItemHeight(20);
  vxSkinPageControl1->SetSkinData(Form1 ? Form1->vxSkinData1 : nullptr);
  vxSkinPageControl1->SetSkinDataName("tab");
  EndLoading();
}

namespace {

std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
std::u16string Utf16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

}  // namespace

TLantern* AddSearchTab(vx::TvxSkinPageControl* pages, const std::wstring& caption, const std::wstring& url) {
  auto* sheet = new vx::TvxSkinTabSheet(pages);
  sheet->SetPageControl(pages);
  sheet->SetCaption(caption);
  sheet->SetShowHint(true);
  sheet->SetHint(sheet->Caption());

  // The sheet frees its browser. The browser is placed once: it does not
  // follow later changes of the sheet's size.
  auto* browser = new TLantern(sheet);
  browser->SetParentWindow(sheet->Handle());
  browser->SetWidth(sheet->Width());
  browser->SetHeight(sheet->Height());
  browser->SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DontExecuteJava,
                               TDownloadControlOption::DontDownloadActiveX});
  browser->Navigate(url);
  return browser;
}

void RunSiteSearch(TForm3* form) {
  // The boxes in the order the sites are searched: the sixth site's box is
  // number 7 and the seventh's number 6.
  vx::TvxSkinCheckRadioBox* const boxes[kinopod::kSearchSiteCount] = {
      Form4->vxSkinCheckRadioBox1, Form4->vxSkinCheckRadioBox2, Form4->vxSkinCheckRadioBox3,
      Form4->vxSkinCheckRadioBox4, Form4->vxSkinCheckRadioBox5, Form4->vxSkinCheckRadioBox7,
      Form4->vxSkinCheckRadioBox6};
  const std::wstring keyword = Form1->edit1->Text();
  const kinopod::SearchHosts& hosts = kinopod::ConfiguredSearchHosts();
  for (int row = 0; row < kinopod::kSearchSiteCount; ++row) {
    if (!boxes[row]->Checked()) continue;
    AddSearchTab(form->vxSkinPageControl1, keyword + L"(" + boxes[row]->Caption() + L")",
                 Wide(kinopod::SearchUrl(row, Utf16(keyword), hosts)));
  }
}
