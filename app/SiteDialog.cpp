#include "SiteDialog.h"

#include "MainWindow.h"
#include "kinopod/site_config.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(tk::TComponent* owner) : tk::TForm(owner) {
  vx::TvxSkinDataComponent* skin = Form1 ? Form1->vxSkinData1 : nullptr;
  BeginLoading();
  SetName("Form4");
  SetBounds(388, 149, Width(), Height());
  SetBorderIcons(0);
  SetCaption(L"Form4");
  SetClientWidth(534);
  SetClientHeight(300);
  SetColor(tk::clBtnFace);
  Font().SetName(L"MS Sans Serif");
  Font().SetHeight(-11);
  SetAutoScroll(false);
  PixelsPerInch = 96;

  struct Row {
    vx::TvxSkinCheckRadioBox** box;
    const char* name;
    int left, top, width;
    const wchar_t* caption;
    int tabOrder;
  };
  const Row rows[] = {
      {&vxSkinCheckRadioBox1, "vxSkinCheckRadioBox1", 55, 24, 113, kinopod::site::kLabel1, 1},
      {&vxSkinCheckRadioBox2, "vxSkinCheckRadioBox2", 55, 80, 113, kinopod::site::kLabel2, 0},
      {&vxSkinCheckRadioBox3, "vxSkinCheckRadioBox3", 55, 136, 113, kinopod::site::kLabel3, 2},
      {&vxSkinCheckRadioBox6, "vxSkinCheckRadioBox6", 55, 192, 146, kinopod::site::kLabel7, 6},
      {&vxSkinCheckRadioBox4, "vxSkinCheckRadioBox4", 303, 24, 113, kinopod::site::kLabel4, 3},
      {&vxSkinCheckRadioBox5, "vxSkinCheckRadioBox5", 303, 80, 162, kinopod::site::kLabel5, 4},
      {&vxSkinCheckRadioBox7, "vxSkinCheckRadioBox7", 303, 144, 146, kinopod::site::kLabel6, 5},
  };
  for (const Row& row : rows) {
    auto* b = new vx::TvxSkinCheckRadioBox(this);
    *row.box = b;
    b->SetName(row.name);
    b->SetParent(this);
    b->SetBounds(row.left, row.top, row.width, 25);
    b->SetSkinData(skin);
    b->SetSkinDataName("checkbox");
    b->SetRadio(false);
    b->AllowGrayed = false;
    b->SetChecked(true);
    b->Flat = true;
    b->WordWrap = false;
    b->ImageIndex = 0;
    b->GroupIndex = 0;
    b->SetTabStop(true);
    b->CanFocused = true;
    b->UseSkinFont = true;
    b->UseSkinFontColor = true;
    vx::SetDefaultSkinFont(b->DefaultFont(), tk::clWindowText);
    b->HintImageIndex = 0;
    b->SetCaption(row.caption);
  }
  for (const Row& row : rows) (*row.box)->SetTabOrder(row.tabOrder);

  vxSkinSpeedButton1 = new vx::TvxSkinSpeedButton(this);
  vxSkinSpeedButton1->SetName("vxSkinSpeedButton1");
  vxSkinSpeedButton1->SetParent(this);
  vxSkinSpeedButton1->SetBounds(224, 248, 73, 25);
  vxSkinSpeedButton1->SetSkinData(skin);
  vxSkinSpeedButton1->SetSkinDataName("toolbutton");
  vxSkinSpeedButton1->ShowCaption = true;
  vxSkinSpeedButton1->ImageIndex = 0;
  vxSkinSpeedButton1->UseSkinSize = true;
  vxSkinSpeedButton1->UseSkinFontColor = true;
  vxSkinSpeedButton1->WidthWithCaption = 0;
  vxSkinSpeedButton1->WidthWithoutCaption = 0;
  vxSkinSpeedButton1->Transparent = false;
  vxSkinSpeedButton1->Flat = false;
  vxSkinSpeedButton1->RepeatMode = false;
  vxSkinSpeedButton1->RepeatInterval = 100;
  vxSkinSpeedButton1->AllowAllUp = false;
  vxSkinSpeedButton1->Down = false;
  vxSkinSpeedButton1->GroupIndex = 0;
  vxSkinSpeedButton1->NumGlyphs = 1;
  vxSkinSpeedButton1->Spacing = 1;
  vxSkinSpeedButton1->SetCaption(L"\u786e \u8ba4");  // "确 认"
  vxSkinSpeedButton1->OnClick = [this](tk::TObject* s) { vxSkinSpeedButton1Click(s); };

  vxChassis1 = new vx::TvxChassis(this);
  vxChassis1->SetName("vxChassis1");
  vxChassis1->SetSkinData(skin);
  vxChassis1->BorderIcons = vx::TvxBorderIcon::biMinimize | vx::TvxBorderIcon::biRollUp;
  EndLoading();
}

void TForm4::vxSkinSpeedButton1Click(tk::TObject*) { Form4->Hide(); }
