#include "SiteDialog.h"

#include "MainWindow.h"
#include "kinopod/site_config.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(tk::TComponent* owner) : tk::TForm(owner) {
  vx::TvxSkinDataComponent* skin = Form1 ? Form1->skinData : nullptr;
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

  // The boxes by search row: design name, place, caption and tab order.
  struct Row {
    const char* name;
    int left, top, width;
    const wchar_t* caption;
    int tabOrder;
  };
  const Row rows[kinopod::kSearchSiteCount] = {
      {"vxSkinCheckRadioBox1", 55, 24, 113, kinopod::site::kLabel1, 1},
      {"vxSkinCheckRadioBox2", 55, 80, 113, kinopod::site::kLabel2, 0},
      {"vxSkinCheckRadioBox3", 55, 136, 113, kinopod::site::kLabel3, 2},
      {"vxSkinCheckRadioBox4", 303, 24, 113, kinopod::site::kLabel4, 3},
      {"vxSkinCheckRadioBox5", 303, 80, 162, kinopod::site::kLabel5, 4},
      {"vxSkinCheckRadioBox7", 303, 144, 146, kinopod::site::kLabel6, 5},
      {"vxSkinCheckRadioBox6", 55, 192, 146, kinopod::site::kLabel7, 6},
  };
  // Created in the design's order (the order of the form's controls), then
  // numbered for tabbing once all are siblings.
  static constexpr int kCreationOrder[] = {0, 1, 2, 6, 3, 4, 5};
  for (int row : kCreationOrder) {
    auto* b = new vx::TvxSkinCheckRadioBox(this);
    siteBoxes[row] = b;
    b->SetName(rows[row].name);
    b->SetParent(this);
    b->SetBounds(rows[row].left, rows[row].top, rows[row].width, 25);
    b->SetSkinData(skin);
    b->SetCanFocused(true);
    b->SetChecked(true);
    b->SetCaption(rows[row].caption);
  }
  for (int row : kCreationOrder) siteBoxes[row]->SetTabOrder(rows[row].tabOrder);

  okButton = new vx::TvxSkinSpeedButton(this);
  okButton->SetName("vxSkinSpeedButton1");
  okButton->SetParent(this);
  okButton->SetBounds(224, 248, 73, 25);
  okButton->SetSkinData(skin);
  okButton->SetCaption(L"\u786e \u8ba4");  // "确 认"
  okButton->OnClick = [this](tk::TObject* s) { OkClick(s); };
  // A speed button takes no focus and so no Enter of its own: the dialog
  // gives Enter to it, as a default button would have it.
  OnShortCut = [this](tk::TMessage& m, bool& handled) {
    if (m.Msg != WM_KEYDOWN || m.WParam != VK_RETURN || !okButton->Enabled() || !okButton->Visible()) return;
    handled = true;
    okButton->ButtonClick();
  };

  chassis = new vx::TvxChassis(this);
  chassis->SetName("vxChassis1");
  chassis->SetSkinData(skin);
  chassis->SetBorderIcons(vx::frame::biMinimize | vx::frame::biRollUp);
  EndLoading();
}

std::vector<kinopod::ChosenSite> TForm4::ChosenSites() const {
  std::vector<kinopod::ChosenSite> chosen;
  for (int row = 0; row < kinopod::kSearchSiteCount; ++row)
    if (siteBoxes[row]->Checked()) chosen.push_back({row, siteBoxes[row]->Caption()});
  return chosen;
}

void TForm4::OkClick(tk::TObject*) { Hide(); }
