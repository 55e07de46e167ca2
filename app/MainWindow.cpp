#include "MainWindow.h"

#include "CategoryBrowser.h"
#include "CategoryPages.h"
#include "ProgramSkin.h"
#include "SearchResults.h"
#include "SiteDialog.h"

TForm1* Form1 = nullptr;

namespace {

// What the design gives every panel beyond the class's defaults.
void PanelSettings(vx::TvxSkinPanel* p, vx::TvxSkinDataComponent* skin) {
  p->SetSkinData(skin);
  p->SetBorderStyle(vx::bvNone);
  p->SetCaption(L"vxSkinPanel1");
}

}  // namespace

TForm1::TForm1(tk::TComponent* owner) : tk::TForm(owner) {
  BeginLoading();
  SetName("Form1");
  SetBounds(326, 147, Width(), Height());
  SetBorderIcons(0);
  SetCaption(L"Kinopod 1.00.01");
  SetClientWidth(877);
  SetClientHeight(679);
  SetColor(tk::clBtnFace);
  Font().SetName(L"MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetCharset(DEFAULT_CHARSET);
  SetPosition(tk::poScreenCenter);
  SetAutoScroll(false);
  OnShow = [this](tk::TObject* s) { FormShow(s); };

  // The skin comes first: the stored skin's bytes, then the skin data that
  // loads them as soon as it is pointed at them.
  storedSkin = new vx::TvxCompressedStoredSkinComponent(this);
  storedSkin->SetName("vxCompressedStoredSkin1");
  {
    auto packed = kinopod::ProgramSkinCompressedData();
    storedSkin->SetCompressedData(vx::Bytes(packed.begin(), packed.end()));
  }
  skinData = new vx::TvxSkinDataComponent(this);
  skinData->SetName("vxSkinData1");
  // Settings read from design data announce nothing; the load below does.
  skinData->ReadingFormData = true;
  skinData->EnableSkinEffects = false;
  skinData->ShowButtonGlowFrames = false;
  skinData->ShowCaptionButtonGlowFrames = false;
  skinData->SetShowLayeredBorders(false);
  skinData->SetAeroBlurEnabled(false);
  skinData->ReadingFormData = false;
  skinData->SetCompressedStoredSkin(storedSkin);

  chassis = new vx::TvxChassis(this);
  chassis->SetName("vxChassis1");
  chassis->SetSkinData(skinData);
  chassis->SetBorderIcons(vx::frame::biMinimize | vx::frame::biRollUp);

  searchBar = new vx::TvxSkinPanel(this);
  searchBar->SetName("vxSkinPanel2");
  searchBar->SetParent(this);
  searchBar->SetBounds(0, 0, 877, 49);
  searchBar->SetAlign(tk::alTop);
  searchBar->SetTabOrder(2);
  PanelSettings(searchBar, skinData);

  keywordEdit = new vx::TvxSkinEdit(this);
  keywordEdit->SetName("edit1");
  keywordEdit->SetParent(searchBar);
  keywordEdit->SetBounds(232, 16, 121, 18);
  keywordEdit->SetTabOrder(0);
  keywordEdit->SetSkinData(skinData);
  keywordEdit->SetParentFont(false);
  vx::SetDefaultSkinFont(keywordEdit->Font(), tk::clBlack);

  searchButton = new vx::TvxSkinSpeedButton(this);
  searchButton->SetName("vxSkinSpeedButton1");
  searchButton->SetParent(searchBar);
  searchButton->SetBounds(424, 16, 73, 25);
  searchButton->SetSkinData(skinData);
  searchButton->SetCaption(L"\u641c \u7d22");  // "搜 索"
  searchButton->OnClick = [this](tk::TObject* s) { SearchClick(s); };

  sitesButton = new vx::TvxSkinSpeedButton(this);
  sitesButton->SetName("vxSkinSpeedButton2");
  sitesButton->SetParent(searchBar);
  sitesButton->SetBounds(520, 16, 97, 25);
  sitesButton->SetSkinData(skinData);
  sitesButton->SetCaption(L"\u81ea\u5b9a\u4e49\u641c\u7d22\u7f51\u7ad9");  // "自定义搜索网站"
  sitesButton->OnClick = [this](tk::TObject* s) { SitesClick(s); };

  categoryBar = new vx::TvxSkinPanel(this);
  categoryBar->SetName("vxSkinPanel1");
  categoryBar->SetParent(this);
  categoryBar->SetBounds(0, 49, 97, 630);
  categoryBar->SetAlign(tk::alLeft);
  categoryBar->SetTabOrder(0);
  PanelSettings(categoryBar, skinData);

  // The category buttons from the top: design name, caption, tab order and
  // the portal page each opens.
  struct Row {
    const char* name;
    const wchar_t* caption;
    int tabOrder;
    const wchar_t* path;
  };
  static constexpr Row rows[kCategoryCount] = {
      {"vxSkinButton1", L"\u70ed\u95e8\u63a8\u8350", 1, L"/"},
      {"vxSkinButton2", L"\u4eca\u65e5\u66f4\u65b0", 0, L"/new/"},
      {"vxSkinButton3", L"\u4e0b\u8f7d\u6392\u884c", 2, L"/paihang/"},
      {"vxSkinButton4", L"\u624b\u673a\u7535\u5f71", 3, L"/movie/"},
      {"vxSkinButton7", L"\u624b\u673a\u5267\u96c6", 6, L"/tv/"},
      {"vxSkinButton6", L"\u624b\u673a\u52a8\u6f2b", 5, L"/dm/"},
      {"vxSkinButton5", L"\u624b\u673a\u7efc\u827a", 4, L"/zy/"},
  };
  for (int i = 0; i < kCategoryCount; ++i) {
    auto* b = new vx::TvxSkinButton(this);
    categoryButtons[i] = b;
    b->SetName(rows[i].name);
    b->SetParent(categoryBar);
    // The form data's height; the skin's "button" record fixes it to its own.
    b->SetBounds(0, 33 * i, 97, 33);
    b->SetAlign(tk::alTop);
    b->SetSkinData(skinData);
    b->SetCaption(rows[i].caption);
    const wchar_t* path = rows[i].path;
    b->OnClick = [this, path](tk::TObject*) { OpenCategory(path); };
  }
  // Tab orders once all seven are in the panel (an order refers to siblings).
  for (int i = 0; i < kCategoryCount; ++i) categoryButtons[i]->SetTabOrder(rows[i].tabOrder);

  clientPanel = new vx::TvxSkinPanel(this);
  clientPanel->SetName("panel2");
  clientPanel->SetParent(this);
  clientPanel->SetBounds(97, 49, 780, 630);
  clientPanel->SetAlign(tk::alClient);
  clientPanel->SetTabOrder(1);
  PanelSettings(clientPanel, skinData);

  winsockStartup = new kinopod::TWinsockStartup(this);
  winsockStartup->SetName("IdHTTP1");
  EndLoading();
}

void TForm1::ShowFormInPanel(tk::TCustomForm* form, const tk::TFormClass& formClass, bool alignClient,
                             vx::TvxSkinPanel* panel) {
  if (!form) form = tk::Application->CreateForm(formClass);
  for (int i = 0; i < panel->ControlCount(); ++i)
    if (auto* docked = dynamic_cast<tk::TCustomForm*>(panel->Controls(i))) docked->Hide();
  form->SetParent(panel);
  form->SetLeft(0);
  form->SetTop(0);
  if (alignClient) form->SetAlign(tk::alClient);
  const int clientWidth = form->ClientWidth();
  const int clientHeight = form->ClientHeight();
  form->SetBorderStyle(tk::bsNone);
  form->SetWidth(clientWidth);
  form->SetHeight(clientHeight);
  form->BringToFront();
  form->Show();
}

void TForm1::FormShow(tk::TObject*) { categoryButtons[0]->Click(); }

void TForm1::SitesClick(tk::TObject*) {
  // Modeless and free-standing; showing it again only brings it forward.
  Form4->Show();
  if (Form4->HandleAllocated()) SetForegroundWindow(Form4->Handle());
}

void TForm1::SearchClick(tk::TObject*) {
  ShowFormInPanel(Form3, [](tk::TComponent* o) { return new TForm3(o); }, true, clientPanel);
  RunSiteSearch(Form3, keywordEdit->Text(), Form4->ChosenSites());
}

void TForm1::OpenCategory(const wchar_t* path) {
  Form2->OpenPage(kinopod::CategoryUrl(path));
  ShowFormInPanel(Form2, [](tk::TComponent* o) { return new TForm2(o); }, true, clientPanel);
}
