#include "CategoryBrowser.h"

TForm2* Form2 = nullptr;

using kinopod::lnt::TDownloadControlOption;
using kinopod::lnt::TUserInterfaceOption;

TForm2::TForm2(tk::TComponent* owner) : tk::TForm(owner) {
  BeginLoading();
  SetName("Form2");
  SetBounds(354, 142, 863, 717);
  SetCaption(L"Form2");
  SetColor(tk::clBtnFace);
  Font().SetName(L"MS Sans Serif");
  Font().SetHeight(-11);

  browser = new kinopod::lnt::TLantern(this);
  browser->SetName("WebBrowser1");
  browser->SetParent(this);
  browser->SetBounds(0, 0, 855, 690);
  browser->SetAlign(tk::alClient);
  browser->SetTabOrder(0);
  browser->SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DownloadVideos,
                               TDownloadControlOption::DownloadBGSounds});
  browser->SetUserInterfaceOptions({TUserInterfaceOption::DontUseScrollBars});
  kinopod::lnt::TPrintOptions& print = browser->PrintOptions();
  print.Margins = {19.05, 19.05, 19.05, 19.05};
  print.Header = L"&w&bPage &p of &P";
  print.Footer = L"&u&b&d";
  EndLoading();
}

void TForm2::OpenPage(const std::wstring& url) { browser->Navigate(url); }
