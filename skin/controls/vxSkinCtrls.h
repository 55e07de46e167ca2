// The skinned controls of the panel and button family: the control bases
// (vxSkinControlBase.h), the panel (vxSkinPanel.h), the push button, the
// speed button and the check/radio box.
//
// The buttons and the check box keep their published settings and their link
// to a skin data, and paint the plain default look they also fall back to
// when the skin has no record for them: face colour, a system-drawn frame and
// the caption.
#pragma once

#include <string>

#include "tkControls.h"
#include "tkStdCtrls.h"
#include "vxSkinControlBase.h"
#include "vxSkinDataComponents.h"
#include "vxSkinPanel.h"

namespace vx {

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
