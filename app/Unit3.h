// The search results form: one skinned page control that receives a tab
// per search site and keyword.
#pragma once

#include "tkForms.h"
#include "vxSkinTabs.h"

class TForm3 : public tk::TForm {
 public:
  explicit TForm3(tk::TComponent* owner);
  vx::TvxSkinPageControl* vxSkinPageControl1 = nullptr;
};

extern TForm3* Form3;
