#include "MainWindow.h"

#include "CategoryPages.h"
#include "ProgramSkin.h"
#include "CategoryBrowser.h"
#include "SearchResults.h"
#include "SiteDialog.h"

TForm1* Form1 = nullptr;

namespace {

void PanelSettings(vx::TvxSkinPanel* p, vx::TvxSkinDataComponent* skin) {
  p->SetSkinData(skin);
  p->SetSkinDataName("panel");
  p->SetBorderStyle(tk::bvNone);
  p->SetCaptionMode(false);
  p->AutoEnabledControls = true;
  p->DefaultAlignment = tk::taLeftJustify;
  p->DefaultCaptionHeight = 22;
  p->ImagePosition = vx::vxipDefault;
  p->CaptionImageIndex = -1;
  p->RealHeight = -1;
  p->NumGlyphs = 1;
  p->Spacing = 2;
  p->HintImageIndex = 0;
  p->UseSkinFont = true;
  vx::SetDefaultSkinFont(p->DefaultFont(), tk::clWindowText);
  p->SetCaption(L"vxSkinPanel1");
}

void SpeedButtonSettings(vx::TvxSkinSpeedButton* b, vx::TvxSkinDataComponent* skin) {
  b->SetSkinData(skin);
  b->SetSkinDataName("toolbutton");
  b->ShowCaption = true;
  b->ImageIndex = 0;
  b->UseSkinSize = true;
  b->UseSkinFontColor = true;
  b->WidthWithCaption = 0;
  b->WidthWithoutCaption = 0;
  b->Transparent = false;
  b->Flat = false;
  b->RepeatMode = false;
  b->RepeatInterval = 100;
  b->AllowAllUp = false;
  b->Down = false;
  b->GroupIndex = 0;
  b->NumGlyphs = 1;
  b->Spacing = 1;
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
  PixelsPerInch = 96;
  OnShow = [this](tk::TObject* s) { FormShow(s); };

  // The skin comes first: the stored skin's bytes, then the skin data that
  // loads them as soon as it is pointed at them.
  vxCompressedStoredSkin1 = new vx::TvxCompressedStoredSkinComponent(this);
  vxCompressedStoredSkin1->SetName("vxCompressedStoredSkin1");
  {
    auto packed = kinopod::ProgramSkinCompressedData();
    vxCompressedStoredSkin1->SetCompressedData(vx::Bytes(packed.begin(), packed.end()));
  }
  vxSkinData1 = new vx::TvxSkinDataComponent(this);
  vxSkinData1->SetName("vxSkinData1");
  // Settings read from design data announce nothing; the load below does.
  vxSkinData1->ReadingFormData = true;
  vxSkinData1->SetSkinnableForm(true);
  vxSkinData1->AnimationForAllWindows = false;
  vxSkinData1->EnableSkinEffects = false;
  vxSkinData1->ShowButtonGlowFrames = false;
  vxSkinData1->ShowCaptionButtonGlowFrames = false;
  vxSkinData1->SetShowLayeredBorders(false);
  vxSkinData1->SetAeroBlurEnabled(false);
  vxSkinData1->SetSkinIndex(0);
  vxSkinData1->ReadingFormData = false;
  vxSkinData1->SetCompressedStoredSkin(vxCompressedStoredSkin1);

  vxChassis1 = new vx::TvxChassis(this);
  vxChassis1->SetName("vxChassis1");
  vxChassis1->SetSkinData(vxSkinData1);
  vxChassis1->BorderIcons = vx::TvxBorderIcon::biMinimize | vx::TvxBorderIcon::biRollUp;

  vxSkinPanel2 = new vx::TvxSkinPanel(this);
  vxSkinPanel2->SetName("vxSkinPanel2");
  vxSkinPanel2->SetParent(this);
  vxSkinPanel2->SetBounds(0, 0, 877, 49);
  vxSkinPanel2->SetAlign(tk::alTop);
  vxSkinPanel2->SetTabOrder(2);
  PanelSettings(vxSkinPanel2, vxSkinData1);

  edit1 = new vx::TvxSkinEdit(this);
  edit1->SetName("edit1");
  edit1->SetParent(vxSkinPanel2);
  edit1->SetBounds(232, 16, 121, 18);
  edit1->SetTabOrder(0);
  edit1->SetSkinData(vxSkinData1);
  edit1->SetSkinDataName("edit");
  edit1->SetDefaultColor(tk::clWindow);
  edit1->ButtonMode = false;
  edit1->UseSkinFont = true;
  vx::SetDefaultSkinFont(edit1->DefaultFont(), tk::clBlack);
  edit1->SetParentFont(false);
  vx::SetDefaultSkinFont(edit1->Font(), tk::clBlack);

  vxSkinSpeedButton1 = new vx::TvxSkinSpeedButton(this);
  vxSkinSpeedButton1->SetName("vxSkinSpeedButton1");
  vxSkinSpeedButton1->SetParent(vxSkinPanel2);
  vxSkinSpeedButton1->SetBounds(424, 16, 73, 25);
  SpeedButtonSettings(vxSkinSpeedButton1, vxSkinData1);
  vxSkinSpeedButton1->SetCaption(L"\u641c \u7d22");  // "搜 索"
  vxSkinSpeedButton1->OnClick = [this](tk::TObject* s) { vxSkinSpeedButton1Click(s); };

  vxSkinSpeedButton2 = new vx::TvxSkinSpeedButton(this);
  vxSkinSpeedButton2->SetName("vxSkinSpeedButton2");
  vxSkinSpeedButton2->SetParent(vxSkinPanel2);
  vxSkinSpeedButton2->SetBounds(520, 16, 97, 25);
  SpeedButtonSettings(vxSkinSpeedButton2, vxSkinData1);
  vxSkinSpeedButton2->SetCaption(L"\u81ea\u5b9a\u4e49\u641c\u7d22\u7f51\u7ad9");  // "自定义搜索网站"
  vxSkinSpeedButton2->OnClick = [this](tk::TObject* s) { vxSkinSpeedButton2Click(s); };

  vxSkinPanel1 = new vx::TvxSkinPanel(this);
  vxSkinPanel1->SetName("vxSkinPanel1");
  vxSkinPanel1->SetParent(this);
  vxSkinPanel1->SetBounds(0, 49, 97, 630);
  vxSkinPanel1->SetAlign(tk::alLeft);
  vxSkinPanel1->SetTabOrder(0);
  PanelSettings(vxSkinPanel1, vxSkinData1);

  // The category buttons, in the order of their design tops.
  struct Row {
    vx::TvxSkinButton** button;
    const char* name;
    int top;
    const wchar_t* caption;
    int tabOrder;
    void (TForm1::*click)(tk::TObject*);
  };
  const Row rows[] = {
      {&vxSkinButton1, "vxSkinButton1", 0, L"\u70ed\u95e8\u63a8\u8350", 1, &TForm1::vxSkinButton1Click},
      {&vxSkinButton2, "vxSkinButton2", 33, L"\u4eca\u65e5\u66f4\u65b0", 0, &TForm1::vxSkinButton2Click},
      {&vxSkinButton3, "vxSkinButton3", 66, L"\u4e0b\u8f7d\u6392\u884c", 2, &TForm1::vxSkinButton3Click},
      {&vxSkinButton4, "vxSkinButton4", 99, L"\u624b\u673a\u7535\u5f71", 3, &TForm1::vxSkinButton4Click},
      {&vxSkinButton7, "vxSkinButton7", 132, L"\u624b\u673a\u5267\u96c6", 6, &TForm1::vxSkinButton7Click},
      {&vxSkinButton6, "vxSkinButton6", 165, L"\u624b\u673a\u52a8\u6f2b", 5, &TForm1::vxSkinButton6Click},
      {&vxSkinButton5, "vxSkinButton5", 198, L"\u624b\u673a\u7efc\u827a", 4, &TForm1::vxSkinButton5Click},
  };
  for (const Row& row : rows) {
    auto* b = new vx::TvxSkinButton(this);
    *row.button = b;
    b->SetName(row.name);
    b->SetParent(vxSkinPanel1);
    b->SetBounds(0, row.top, 97, 33);
    b->SetAlign(tk::alTop);
    b->SetSkinData(vxSkinData1);
    b->SetSkinDataName("button");
    b->UseSkinSize = true;
    b->UseSkinFontColor = true;
    b->ImageIndex = -1;
    b->AlwaysShowLayeredFrame = false;
    b->RepeatMode = false;
    b->RepeatInterval = 100;
    b->AllowAllUp = false;
    b->Down = false;
    b->GroupIndex = 0;
    b->SetTabStop(true);
    b->CanFocused = true;
    b->NumGlyphs = 1;
    b->Spacing = 1;
    vx::SetDefaultSkinFont(b->DefaultFont(), tk::clWindowText);
    b->SetCaption(row.caption);
    auto click = row.click;
    b->OnClick = [this, click](tk::TObject* s) { (this->*click)(s); };
  }
  // Tab orders once all seven are in the panel (an order refers to siblings).
  for (const Row& row : rows) (*row.button)->SetTabOrder(row.tabOrder);

  panel2 = new vx::TvxSkinPanel(this);
  panel2->SetName("panel2");
  panel2->SetParent(this);
  panel2->SetBounds(97, 49, 780, 630);
  panel2->SetAlign(tk::alClient);
  panel2->SetTabOrder(1);
  PanelSettings(panel2, vxSkinData1);

  IdHTTP1 = new kinopod::THttpClient(this);
  IdHTTP1->SetName("IdHTTP1");
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

void TForm1::FormShow(tk::TObject*) { vxSkinButton1Click(nullptr); }

void TForm1::vxSkinSpeedButton2Click(tk::TObject*) {
  // Modeless and free-standing; showing it again only brings it forward.
  Form4->Show();
  if (Form4->HandleAllocated()) SetForegroundWindow(Form4->Handle());
}

void TForm1::vxSkinSpeedButton1Click(tk::TObject*) {
  ShowFormInPanel(Form3, [](tk::TComponent* o) { return new TForm3(o); }, true, panel2);
  RunSiteSearch(Form3);
}

void TForm1::OpenCategory(const wchar_t* path) {
  Form2->WebBrowser1->Navigate(kinopod::CategoryUrl(path));
  ShowFormInPanel(Form2, [](tk::TComponent* o) { return new TForm2(o); }, true, panel2);
}

void TForm1::vxSkinButton1Click(tk::TObject*) { OpenCategory(L"/"); }
void TForm1::vxSkinButton2Click(tk::TObject*) { OpenCategory(L"/new/"); }
void TForm1::vxSkinButton3Click(tk::TObject*) { OpenCategory(L"/paihang/"); }
void TForm1::vxSkinButton4Click(tk::TObject*) { OpenCategory(L"/movie/"); }
void TForm1::vxSkinButton7Click(tk::TObject*) { OpenCategory(L"/tv/"); }
void TForm1::vxSkinButton6Click(tk::TObject*) { OpenCategory(L"/dm/"); }
void TForm1::vxSkinButton5Click(tk::TObject*) { OpenCategory(L"/zy/"); }
