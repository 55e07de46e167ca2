#include "SearchResults.h"

#include "Lantern.h"
#include "MainWindow.h"

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

  resultTabs = new vx::TvxSkinPageControl(this);
  resultTabs->SetName("vxSkinPageControl1");
  resultTabs->SetParent(this);
  resultTabs->SetBounds(0, 0, 974, 655);
  resultTabs->SetAlign(tk::alClient);
  resultTabs->SetTabOrder(0);
  resultTabs->FreeOnClose = true;
  resultTabs->SetShowCloseButtons(true);
  resultTabs->MouseWheelSupport = true;
  resultTabs->SetParentFont(false);
  vx::SetDefaultSkinFont(resultTabs->Font(), tk::clBtnText);
  resultTabs->SetSkinData(Form1 ? Form1->skinData : nullptr);
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

  // The sheet frees its browser, and keeps it filling the sheet when the
  // window or the results panel changes size (found among the sheet's
  // components each time, so a freed browser is never reached).
  auto* browser = new TLantern(sheet);
  sheet->OnResize = [sheet](tk::TObject*) {
    for (int i = 0; i < sheet->ComponentCount(); ++i)
      if (auto* b = dynamic_cast<TLantern*>(sheet->Components(i))) {
        b->SetWidth(sheet->Width());
        b->SetHeight(sheet->Height());
      }
  };
  browser->SetParentWindow(sheet->Handle());
  browser->SetWidth(sheet->Width());
  browser->SetHeight(sheet->Height());
  browser->SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DontExecuteJava,
                               TDownloadControlOption::DontDownloadActiveX});
  browser->Navigate(url);
  return browser;
}

void RunSiteSearch(TForm3* form, const std::wstring& keyword, const std::vector<kinopod::ChosenSite>& sites) {
  const kinopod::SearchHosts& hosts = kinopod::ConfiguredSearchHosts();
  for (const kinopod::ChosenSite& site : sites)
    AddSearchTab(form->resultTabs, keyword + L"(" + site.label + L")",
                 Wide(kinopod::SearchUrl(site.row, Utf16(keyword), hosts)));
}
