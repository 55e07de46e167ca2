// The category browser form: one browser control that shows the portal's
// category pages, docked into the main window's client panel.
#pragma once

#include "Lantern.h"
#include "tkForms.h"

class TForm2 : public tk::TForm {
 public:
  explicit TForm2(tk::TComponent* owner);
  kinopod::lnt::TLantern* WebBrowser1 = nullptr;

  void WebBrowser1BeforeNavigate2(kinopod::lnt::TLNT* sender, IDispatch* disp, VARIANT& url, VARIANT& flags,
                                  VARIANT& frame, VARIANT& postData, VARIANT& headers, VARIANT_BOOL& cancel);
};

extern TForm2* Form2;
