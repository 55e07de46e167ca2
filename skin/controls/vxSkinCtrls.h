// The skinned controls of the panel and button family: the control bases,
// the panel, the push button, the speed button and the check/radio box.
//
// Each control keeps its published settings and its link to a skin data.
// Until the skin records are drawn, every control paints the plain default
// look it also falls back to when the skin has no record for it: face colour,
// a system-drawn frame and its caption.
#pragma once

#include <string>

#include "tkControls.h"
#include "tkStdCtrls.h"
#include "vxSkinDataComponents.h"

namespace vx {

enum class TvxImagePosition { vxipDefault, vxipLeft, vxipRight, vxipTop, vxipBottom };
using enum TvxImagePosition;

// The font a skinned control uses when it does not take the skin's.
void SetDefaultSkinFont(tk::TFont& font, tk::TColor color, tk::TFontStyles style = 0);

// Windowed skinned controls.
class TvxSkinControl : public tk::TCustomControl {
 public:
  explicit TvxSkinControl(tk::TComponent* owner);
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name);
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;
  int HintImageIndex = 0;
  int DefaultWidth = 0, DefaultHeight = 0;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void WndProc(tk::TMessage& m) override;
  // The font captions are drawn in.
  tk::TFont& CaptionFont() { return defaultFont_; }

 private:
  TvxSkinDataLink skinData_;
  std::string skinDataName_;
  tk::TFont defaultFont_;
};

// Window-less skinned controls.
class TvxGraphicSkinControl : public tk::TGraphicControl {
 public:
  explicit TvxGraphicSkinControl(tk::TComponent* owner);
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name);
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  TvxSkinDataLink skinData_;
  std::string skinDataName_;
  tk::TFont defaultFont_;
};

class TvxSkinPanel : public TvxSkinControl {
 public:
  explicit TvxSkinPanel(tk::TComponent* owner);
  tk::TPanelBevel BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(tk::TPanelBevel style);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool v);
  bool RollUpMode = false, RollUpState = false, CheckedMode = false, Checked = false;
  bool RibbonStyle = false, TransparentMode = false;
  bool AutoEnabledControls = true;
  tk::TAlignment DefaultAlignment = tk::taLeftJustify;
  int DefaultCaptionHeight = 22;
  TvxImagePosition ImagePosition = vxipDefault;
  int CaptionImageIndex = -1;
  int RealHeight = -1;
  int NumGlyphs = 1;
  int Spacing = 2;

 protected:
  void Paint() override;
  void AdjustClientRect(tk::TRect& rect) const override;

 private:
  tk::TPanelBevel borderStyle_ = tk::bvNone;
  bool captionMode_ = false;
};

// What the two button classes share: the pressed look while the left button
// is held over them, and the settings of grouped and repeating buttons.
struct TvxButtonSettings {
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  int ImageIndex = -1;
  bool RepeatMode = false;
  int RepeatInterval = 100;
  bool AllowAllUp = false;
  bool Down = false;
  int GroupIndex = 0;
  int NumGlyphs = 1;
  int Spacing = 1;
};

class TvxSkinButton : public TvxSkinControl, public TvxButtonSettings {
 public:
  explicit TvxSkinButton(tk::TComponent* owner);
  bool AlwaysShowLayeredFrame = false;
  bool CanFocused = true;

 protected:
  void Paint() override;
  void MouseDown(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  void MouseUp(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  void MouseMove(tk::TShiftState shift, int x, int y) override;
  bool DoKeyDown(tk::TMessage& m) override;
  void WndProc(tk::TMessage& m) override;

 private:
  void SetPressed(bool pressed);
  bool pressed_ = false;
};

class TvxSkinSpeedButton : public TvxGraphicSkinControl, public TvxButtonSettings {
 public:
  explicit TvxSkinSpeedButton(tk::TComponent* owner);
  bool ShowCaption = true;
  int WidthWithCaption = 0, WidthWithoutCaption = 0;
  bool Transparent = false;
  bool Flat = false;

 protected:
  void Paint() override;
  void MouseDown(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  void MouseUp(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  void MouseMove(tk::TShiftState shift, int x, int y) override;

 private:
  void SetPressed(bool pressed);
  bool pressed_ = false;
};

enum class TvxCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
using enum TvxCheckBoxState;

// A check box, or a radio button when Radio is set. A click (or Space) moves
// it to its next state: unchecked, checked, then grayed when AllowGrayed; a
// radio button only becomes checked and unchecks the radio buttons of its
// parent that share its GroupIndex.
class TvxSkinCheckRadioBox : public TvxSkinControl {
 public:
  explicit TvxSkinCheckRadioBox(tk::TComponent* owner);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool checked);
  TvxCheckBoxState State() const { return state_; }
  void SetState(TvxCheckBoxState state);
  bool Radio() const { return radio_; }
  void SetRadio(bool radio);
  bool AllowGrayed = false;
  bool Flat = true;
  bool WordWrap = false;
  int ImageIndex = 0;
  int GroupIndex = 0;
  bool CanFocused = true;
  bool UseSkinFontColor = true;

  void Click() override;

 protected:
  void Paint() override;
  bool DoKeyDown(tk::TMessage& m) override;
  void WndProc(tk::TMessage& m) override;

 private:
  TvxCheckBoxState state_ = cbUnchecked;
  bool radio_ = false;
};

}  // namespace vx
