// TvxChassis: the component that takes over a form's window frame and draws
// it from the skin. It carries the frame's published settings; until the
// skinned frame is drawn, the form keeps the platform's frame (its default
// look) and the chassis only attaches to it and follows the skin data.
#pragma once

#include <string>

#include "tkForms.h"
#include "vxSkinDataComponents.h"

namespace vx {

enum class TvxBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biRollUp = 8 };
using TvxBorderIcons = unsigned;
constexpr TvxBorderIcons operator|(TvxBorderIcon a, TvxBorderIcon b) {
  return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
enum class TvxPositionInMonitor { vxpDefault, vxpTopLeft, vxpTopRight, vxpBottomLeft, vxpBottomRight, vxpCenter };
using enum TvxPositionInMonitor;
enum class TvxClientInActiveEffect { vxieSemiTransparent, vxieBlur, vxieGrayed };
using enum TvxClientInActiveEffect;

class TvxChassis : public tk::TComponent {
 public:
  // The owner must be a form: the chassis attaches to it at once.
  explicit TvxChassis(tk::TComponent* owner);

  tk::TCustomForm* Form() const { return form_; }
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data) { skinData_.Set(data); }

  TvxBorderIcons BorderIcons = TvxBorderIcon::biSystemMenu | TvxBorderIcon::biMinimize;
  bool UseDefaultSysMenu = true;
  bool DisableSystemMenu = false;
  bool HideCaptionButtons = false;
  bool ShowIcon = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  TvxPositionInMonitor PositionInMonitor = vxpDefault;
  bool AlwaysResize = false, UseFormCursorInNCArea = false, MaximizeOnFullScreen = false;
  bool AlwaysShowInTray = false, AlwaysMinimizeToTray = false, LogoBitMapTransparent = false;
  bool ShowObjectHint = false;
  bool ClientInActiveEffect = false;
  TvxClientInActiveEffect ClientInActiveEffectType = vxieSemiTransparent;
  bool AlphaBlend = false, AlphaBlendAnimation = false;
  bool MenusAlphaBlend = false, MenusAlphaBlendAnimation = false;
  int AlphaBlendValue = 200, MenusAlphaBlendValue = 200;
  int MaxMenuItemsInWindow = 0;
  bool UseSkinFontInMenu = true;
  int DefMenuItemHeight = 20;
  bool QuickButtonsShowHint = false;
  bool QuickButtonsShowDivider = true;
  tk::TFont& DefCaptionFont() { return defCaptionFont_; }
  tk::TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }
  tk::TFont& DefMenuItemFont() { return defMenuItemFont_; }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  tk::TCustomForm* form_ = nullptr;
  TvxSkinDataLink skinData_;
  tk::TFont defCaptionFont_, defInActiveCaptionFont_, defMenuItemFont_;
};

// The chassis attached to a form, or null.
TvxChassis* FindChassis(tk::TCustomForm* form);

}  // namespace vx
