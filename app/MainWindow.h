// The main window: the search bar, the category bar, the client panel that
// hosts the docked sub-forms, the skin of the whole program and the frame.
#pragma once

#include "Chassis.h"
#include "WinsockStartup.h"
#include "tkForms.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinCtrls.h"
#include "vxSkinDataComponents.h"

class TForm1 : public tk::TForm {
 public:
  explicit TForm1(tk::TComponent* owner);

  vx::TvxSkinPanel* vxSkinPanel2 = nullptr;
  vx::TvxSkinEdit* edit1 = nullptr;
  vx::TvxSkinSpeedButton* vxSkinSpeedButton1 = nullptr;
  vx::TvxSkinSpeedButton* vxSkinSpeedButton2 = nullptr;
  vx::TvxSkinPanel* vxSkinPanel1 = nullptr;
  vx::TvxSkinButton* vxSkinButton1 = nullptr;
  vx::TvxSkinButton* vxSkinButton2 = nullptr;
  vx::TvxSkinButton* vxSkinButton3 = nullptr;
  vx::TvxSkinButton* vxSkinButton4 = nullptr;
  vx::TvxSkinButton* vxSkinButton5 = nullptr;
  vx::TvxSkinButton* vxSkinButton6 = nullptr;
  vx::TvxSkinButton* vxSkinButton7 = nullptr;
  vx::TvxSkinPanel* panel2 = nullptr;
  vx::TvxSkinDataComponent* vxSkinData1 = nullptr;
  vx::TvxCompressedStoredSkinComponent* vxCompressedStoredSkin1 = nullptr;
  vx::TvxChassis* vxChassis1 = nullptr;
  kinopod::THttpClient* IdHTTP1 = nullptr;

  // Docks a form into a panel: the given instance, or a new one of formClass
  // owned by the application. Every other form in the panel is hidden first.
  void ShowFormInPanel(tk::TCustomForm* form, const tk::TFormClass& formClass, bool alignClient,
                       vx::TvxSkinPanel* panel);

  void FormShow(tk::TObject* sender);
  void vxSkinSpeedButton1Click(tk::TObject* sender);
  void vxSkinSpeedButton2Click(tk::TObject* sender);
  void vxSkinButton1Click(tk::TObject* sender);
  void vxSkinButton2Click(tk::TObject* sender);
  void vxSkinButton3Click(tk::TObject* sender);
  void vxSkinButton4Click(tk::TObject* sender);
  void vxSkinButton5Click(tk::TObject* sender);
  void vxSkinButton6Click(tk::TObject* sender);
  void vxSkinButton7Click(tk::TObject* sender);

 private:
  void OpenCategory(const wchar_t* path);
};

extern TForm1* Form1;
