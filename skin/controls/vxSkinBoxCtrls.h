// The skinned edit box and the skinned up-down arrows.
//
// The skinned edit box: the platform's edit control with the skin's frame
// and colours around it. Until the skin's "edit" record is drawn it shows the
// platform's own frame in DefaultColor and DefaultFont.
#pragma once

#include <memory>
#include <string>

#include "UpDownRules.h"
#include "tkStdCtrls.h"
#include "vxSkinControlBase.h"
#include "vxSkinDataComponents.h"

namespace vx {

class TvxSkinEdit : public tk::TCustomMaskEdit {
 public:
  explicit TvxSkinEdit(tk::TComponent* owner);
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  tk::TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(tk::TColor color);
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool ButtonMode = false;
  bool UseSkinFont = true;
  int LeftImageIndex = -1, LeftImageHotIndex = -1, LeftImageDownIndex = -1;
  int RightImageIndex = -1, RightImageHotIndex = -1, RightImageDownIndex = -1;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  TvxSkinDataLink skinData_;
  std::string skinDataName_ = "edit";
  tk::TColor defaultColor_ = tk::clWindow;
  tk::TFont defaultFont_;
};

// Two arrow buttons that step Position between Min and Max, by click and by
// auto-repeat while a button is held (first step after 600 ms, then every
// 100 ms; every 50 ms after the pointer comes back onto the held button).
// Button 0 is the up (right) one, button 1 the down (left) one. With a
// record the control takes the record's image size and button places; the
// state images are the record's. The page control uses one as the arrows of
// an overflowing tab row.
class TvxSkinUpDown : public TvxSkinCustomControl {
 public:
  explicit TvxSkinUpDown(tk::TComponent* owner);
  ~TvxSkinUpDown() override;

  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool v);
  frame::TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(frame::TUDOrientation o);
  int Increment() const { return rules_.Increment(); }
  void SetIncrement(int v) { rules_.SetIncrement(v); }
  int Position() const { return rules_.Position(); }
  // Outside Min..Max nothing happens; inside OnChange fires, also unchanged.
  void SetPosition(int v);
  int Min() const { return rules_.Min(); }
  void SetMin(int v) { rules_.SetMin(v); }
  int Max() const { return rules_.Max(); }
  void SetMax(int v) { rules_.SetMax(v); }
  const frame::UpDownRules& Rules() const { return rules_; }

  // The handlers may free the control.
  tk::TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick;

  void FindSkinRecord() override;
  void FitSkinSize(int& width, int& height) override;
  void UpdateSkinRegion() override;

 protected:
  void CreateParams(tk::TCreateParams& params) override;
  void Resize() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap& bitmap) override;
  void WndProc(tk::TMessage& m) override;

 private:
  // Carries out what the rules ask for; false when a handler freed the control.
  bool Run(const frame::UpDownEvents& events);
  void Relayout();

  frame::UpDownRules rules_;
  bool useSkinSize_ = true;
  frame::TUDOrientation orientation_ = frame::TUDOrientation::udHorizontal;
  bool timer_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vx
