#include "Unit3.h"

#include "Unit1.h"

TForm3* Form3 = nullptr;

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
  vxSkinPageControl1->ShowCloseButtons = true;
  vxSkinPageControl1->MouseWheelSupport = true;
  vxSkinPageControl1->TabExtededDraw = false;
  vxSkinPageControl1->TabsOffset = 0;
  vxSkinPageControl1->TabSpacing = 1;
  vxSkinPageControl1->TextInHorizontal = false;
  vxSkinPageControl1->TabsInCenter = false;
  vxSkinPageControl1->TabsBGTransparent = false;
  vxSkinPageControl1->SetParentFont(false);
  vx::SetDefaultSkinFont(vxSkinPageControl1->Font(), tk::clBtnText);
  vx::SetDefaultSkinFont(vxSkinPageControl1->DefaultFont(), tk::clBtnText);
  vxSkinPageControl1->UseSkinFont = true;
  vxSkinPageControl1->DefaultItemHeight = 20;
  vxSkinPageControl1->SetSkinData(Form1 ? Form1->vxSkinData1 : nullptr);
  vxSkinPageControl1->SetSkinDataName("tab");
  EndLoading();
}
