#include "BrowserPane.h"

TBrowserPane::TBrowserPane(tk::TComponent* owner)
    : tk::TWinControl(owner), browser_(std::make_unique<kinopod::lnt::TLantern>()) {
  SetTabStop(true);
}

TBrowserPane::~TBrowserPane() = default;

void TBrowserPane::CreateHandleDone() {
  tk::TWinControl::CreateHandleDone();
  browser_->SetBounds(0, 0, ClientWidth(), ClientHeight());
  browser_->SetParentWindow(Handle());
}

void TBrowserPane::DestroyWnd() {
  // Park the browser before its parent window goes.
  browser_->DestroyWnd();
  tk::TWinControl::DestroyWnd();
}

void TBrowserPane::Resize() {
  tk::TWinControl::Resize();
  browser_->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TBrowserPane::Loaded() {
  tk::TWinControl::Loaded();
  // A browser built from form data runs its after-loading set-up.
  browser_->Loaded();
}
