// The search results form: one skinned page control that receives a tab
// per search site and keyword, and the search that fills it.
#pragma once

#include <string>
#include <vector>

#include "SearchSites.h"
#include "tkForms.h"
#include "vxSkinTabs.h"

namespace kinopod::lnt {
class TLantern;
}

class TForm3 : public tk::TForm {
 public:
  explicit TForm3(tk::TComponent* owner);
  vx::TvxSkinPageControl* resultTabs = nullptr;
};

extern TForm3* Form3;

// Sends `keyword` to every chosen site, one new tab per site at the end of
// form's page control, captioned "keyword(label)", in the order given. An
// error (a browser that cannot be made or refuses the URL) ends the search
// at that site and propagates.
void RunSiteSearch(TForm3* form, const std::wstring& keyword, const std::vector<kinopod::ChosenSite>& sites);

// One search tab: a sheet captioned `caption` (also its hint) at the end of
// `pages`, and a browser in it, sized to it, navigating to `url`. Returns
// the browser; the sheet owns it.
kinopod::lnt::TLantern* AddSearchTab(vx::TvxSkinPageControl* pages, const std::wstring& caption,
                                     const std::wstring& url);
