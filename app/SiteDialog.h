// The search-site dialog: seven check boxes choose the sites a search
// reaches; OK hides the dialog and keeps the choice.
#pragma once

#include "Chassis.h"
#include "tkForms.h"
#include "vxSkinCtrls.h"

class TForm4 : public tk::TForm {
 public:
  explicit TForm4(tk::TComponent* owner);
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox1 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox2 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox3 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox4 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox5 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox6 = nullptr;
  vx::TvxSkinCheckRadioBox* vxSkinCheckRadioBox7 = nullptr;
  vx::TvxSkinSpeedButton* vxSkinSpeedButton1 = nullptr;
  vx::TvxChassis* vxChassis1 = nullptr;

  void vxSkinSpeedButton1Click(tk::TObject* sender);
};

extern TForm4* Form4;
