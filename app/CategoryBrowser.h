// The category browser form: one browser control that shows the portal's
// category pages, docked into the main window's client panel.
#pragma once

#include <string>

#include "Lantern.h"
#include "tkForms.h"

class TForm2 : public tk::TForm {
 public:
  explicit TForm2(tk::TComponent* owner);
  kinopod::lnt::TLantern* browser = nullptr;

  // Starts loading a page into the browser.
  void OpenPage(const std::wstring& url);
};

extern TForm2* Form2;
