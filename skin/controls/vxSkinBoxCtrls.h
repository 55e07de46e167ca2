// The skinned edit box: the platform's edit control with the skin's frame
// and colours around it. Until the skin's "edit" record is drawn it shows the
// platform's own frame in DefaultColor and DefaultFont.
#pragma once

#include <string>

#include "tkStdCtrls.h"
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

}  // namespace vx
