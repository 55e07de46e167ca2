// The main window: the search bar, the category bar, the client panel that
// hosts the docked sub-forms, the skin of the whole program and the frame.
#pragma once

#include "Chassis.h"
#include "SearchSites.h"
#include "WinsockStartup.h"
#include "tkForms.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinCtrls.h"
#include "vxSkinDataComponents.h"

class TForm1 : public tk::TForm {
 public:
  explicit TForm1(tk::TComponent* owner);

  static constexpr int kCategoryCount = 7;

  vx::TvxSkinPanel* searchBar = nullptr;
  vx::TvxSkinEdit* keywordEdit = nullptr;
  vx::TvxSkinSpeedButton* searchButton = nullptr;
  vx::TvxSkinSpeedButton* sitesButton = nullptr;
  vx::TvxSkinPanel* categoryBar = nullptr;
  // Top to bottom, as they stand in the bar.
  vx::TvxSkinButton* categoryButtons[kCategoryCount] = {};
  vx::TvxSkinPanel* clientPanel = nullptr;
  vx::TvxSkinDataComponent* skinData = nullptr;
  vx::TvxCompressedStoredSkinComponent* storedSkin = nullptr;
  vx::TvxChassis* chassis = nullptr;
  kinopod::TWinsockStartup* winsockStartup = nullptr;

  // Docks a form into a panel: the given instance, or a new one of formClass
  // owned by the application. Every other form in the panel is hidden first.
  void ShowFormInPanel(tk::TCustomForm* form, const tk::TFormClass& formClass, bool alignClient,
                       vx::TvxSkinPanel* panel);

  void FormShow(tk::TObject* sender);
  // The keyword to the sites chosen in the site dialog, in new tabs.
  void SearchClick(tk::TObject* sender);
  // Shows the site dialog.
  void SitesClick(tk::TObject* sender);

 private:
  void OpenCategory(const wchar_t* path);
};

extern TForm1* Form1;
