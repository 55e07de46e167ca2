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
  PixelsPerInch = 96;

  WebBrowser1 = new kinopod::lnt::TLantern(this);
  WebBrowser1->SetName("WebBrowser1");
  WebBrowser1->SetParent(this);
  WebBrowser1->SetBounds(0, 0, 855, 690);
  WebBrowser1->SetAlign(tk::alClient);
  WebBrowser1->SetTabOrder(0);
  kinopod::lnt::TLantern& b = *WebBrowser1;
  b.OnBeforeNavigate2 = [this](kinopod::lnt::TLNT* s, IDispatch* d, VARIANT& url, VARIANT& flags, VARIANT& frame,
                               VARIANT& post, VARIANT& headers, VARIANT_BOOL& cancel) {
    WebBrowser1BeforeNavigate2(s, d, url, flags, frame, post, headers, cancel);
  };
  b.SetDownloadOptions({TDownloadControlOption::DownloadImages, TDownloadControlOption::DownloadVideos,
                          TDownloadControlOption::DownloadBGSounds});
  b.SetUserInterfaceOptions({TUserInterfaceOption::DontUseScrollBars});
  kinopod::lnt::TPrintOptions& print = b.PrintOptions();
  print.Margins = {19.05, 19.05, 19.05, 19.05};
  print.Header = L"&w&bPage &p of &P";
  print.Footer = L"&u&b&d";
  print.HTMLHeader = {L"<HTML></HTML>"};
  print.Orientation = kinopod::lnt::TPrintOrientation::poPortrait;
  EndLoading();
}

void TForm2::WebBrowser1BeforeNavigate2(kinopod::lnt::TLNT*, IDispatch*, VARIANT&, VARIANT&, VARIANT&, VARIANT&,
                                        VARIANT&, VARIANT_BOOL&) {}
