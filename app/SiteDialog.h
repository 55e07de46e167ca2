// The search-site dialog: seven check boxes choose the sites a search
// reaches; OK hides the dialog and keeps the choice.
#pragma once

#include <vector>

#include "Chassis.h"
#include "SearchSites.h"
#include "tkForms.h"
#include "vxSkinCtrls.h"

class TForm4 : public tk::TForm {
 public:
  explicit TForm4(tk::TComponent* owner);

  // One box per search row, in row order (not the order on screen).
  vx::TvxSkinCheckRadioBox* siteBoxes[kinopod::kSearchSiteCount] = {};
  vx::TvxSkinSpeedButton* okButton = nullptr;
  vx::TvxChassis* chassis = nullptr;

  // The ticked rows in row order, each with its box's caption.
  std::vector<kinopod::ChosenSite> ChosenSites() const;

  void OkClick(tk::TObject* sender);
};

extern TForm4* Form4;
