// TLantern: the full browser control with its option records, the
// after-loading set-up (owner-window watch, user-agent token, proxy, sound),
// the host style sheet and namespace, and the context-menu item filter.
//
// Form data builds it like any windowed control (owner, parent, bounds,
// Align); at run time it can also live in a foreign window (SetParentWindow,
// then SetWidth/SetHeight), where it keeps the size it is given.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CustomLantern.h"

namespace kinopod::lnt {

class TLantern;

class TDisableErrors {
 public:
  bool EnableDDE = true;  // kept for form data; no effect
  bool ScriptErrorsSuppressed = true;
  bool fpExceptions() const { return fpExceptions_; }
  // True restores the control word remembered at start-up; false masks every
  // floating-point exception.
  void SetfpExceptions(bool value);

 private:
  bool fpExceptions_ = true;
};

struct TDialogBoxes {
  bool DisableAll = false;
  bool ReplaceCaption = true;
  bool ReplaceIcon = true;
  std::wstring NewCaption;
};

struct TMargins {
  double Left = 0, Right = 0, Top = 0, Bottom = 0;  // millimetres
};
enum class TPrintOrientation { poPortrait, poLandscape };

struct TPrintOptions {  // stored only
  bool Enabled = false;
  TMargins Margins;
  std::wstring Header, Footer;
  std::vector<std::wstring> HTMLHeader{L"<HTML></HTML>"};
  TPrintOrientation Orientation = TPrintOrientation::poPortrait;
};

struct TProxySettings {
  bool AutoLoadProxy = false;
  std::wstring Address, UserName, Password;
  int Port = 80;
};

// A view of the control's control-key mask.
class TShortCuts {
 public:
  explicit TShortCuts(TCustomLantern& control) : control_(control) {}
  const std::string& CtrlCharMask() const { return control_.CtrlKeyMask(); }
  void SetCtrlCharMask(const std::string& mask) { control_.SetCtrlKeyMask(mask); }
  bool DisableCTRL_A() const { return Has('A'); }
  void SetDisableCTRL_A(bool on) { Set('A', on); }
  bool DisableCTRL_C() const { return Has('C'); }
  void SetDisableCTRL_C(bool on) { Set('C', on); }
  bool DisableCTRL_F() const { return Has('F'); }
  void SetDisableCTRL_F(bool on) { Set('F', on); }
  bool DisableCTRL_N() const { return Has('N'); }
  void SetDisableCTRL_N(bool on) { Set('N', on); }
  bool DisableCTRL_P() const { return Has('P'); }
  void SetDisableCTRL_P(bool on) { Set('P', on); }

 private:
  bool Has(char c) const { return MaskHasLetter(control_.CtrlKeyMask(), c); }
  void Set(char c, bool on) {
    std::string mask = control_.CtrlKeyMask();
    SetMaskLetter(mask, c, on);
    control_.SetCtrlKeyMask(mask);
  }
  TCustomLantern& control_;
};

struct TVisualEffects {
  int TextSize = 2;
  bool DisableSounds = false;
};

using TLntCloseQuery = std::function<void(TLantern* sender, bool& canClose)>;
using TLntShowDialog = std::function<void(TLantern* sender, HWND dialog)>;

class TLantern : public TCustomLantern {
 public:
  explicit TLantern(tk::TComponent* owner = nullptr);
  ~TLantern() override;

  const std::wstring& About() const { return about_; }
  void SetAbout(const std::wstring&) {}  // the credit stands
  std::wstring UserAgent;
  std::wstring HostCSS;
  std::wstring HostNS;
  TIEPopupMenuItems DisabledPopupMenuItems;

  TDisableErrors& DisableErrors() { return *disableErrors_; }
  TDialogBoxes& DialogBoxes() { return *dialogBoxes_; }
  TPrintOptions& PrintOptions() { return *printOptions_; }
  TProxySettings& ProxySettings() { return *proxySettings_; }
  TShortCuts& ShortCuts() { return *shortCuts_; }
  TVisualEffects& VisualEffects() { return *visualEffects_; }

  TLntCloseQuery OnCloseQuery;
  TLntShowDialog OnShowDialog;

  // Runs once, when an instance built from form data has finished loading
  // (the owner's EndLoading calls it; instances made at run time never run it).
  void Loaded() override;
  bool IsWinXPSP2OrLater() const { return xpsp2_; }
  bool OwnerWatchInstalled() const { return watchingOwner_; }

  // The owner-window watch's reaction to the owner losing activation to
  // `activated`; true when the owner's own handling is to be skipped.
  bool OwnerDeactivated(HWND activated);

  // The application's icon given to the browser's dialogs (the toolkit sets it).
  static void SetApplicationIcon(HICON icon);

 protected:
  HRESULT DocGetHostInfo(DOCHOSTUIINFO* info) override;
  bool HasContextMenuFilter() override;
  void FilterContextMenu(DWORD menuId, HMENU menu) override;
  void WndProc(tk::TMessage& m) override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void InstallOwnerWatch();
  void RemoveOwnerWatch();
  void ResetTextSize();

  std::wstring about_;
  std::unique_ptr<TDisableErrors> disableErrors_;
  std::unique_ptr<TDialogBoxes> dialogBoxes_;
  std::unique_ptr<TPrintOptions> printOptions_;
  std::unique_ptr<TProxySettings> proxySettings_;
  std::unique_ptr<TShortCuts> shortCuts_;
  std::unique_ptr<TVisualEffects> visualEffects_;
  bool xpsp2_ = true;
  bool watchingOwner_ = false;
  tk::TCustomForm* watchedForm_ = nullptr;
  tk::THookToken watchToken_ = 0;
};

}  // namespace kinopod::lnt
