// A toolkit control that gives the browser control (TLantern) its place in a
// form: the lantern lives in this control's window, follows its size, and is
// parked while the toolkit re-creates the window (docking a form re-creates
// it), so the page and its history survive.
#pragma once

#include <memory>
#include <string>

#include "Lantern.h"
#include "tkControls.h"

class TBrowserPane : public tk::TWinControl {
 public:
  explicit TBrowserPane(tk::TComponent* owner);
  ~TBrowserPane() override;
  kinopod::lnt::TLantern& Browser() { return *browser_; }
  void Navigate(const std::wstring& url) { browser_->Navigate(url); }

 protected:
  void CreateHandleDone() override;
  void DestroyWnd() override;
  void Resize() override;
  void Loaded() override;

 private:
  std::unique_ptr<kinopod::lnt::TLantern> browser_;
};
