// The skinned container. With a nine-part "panel" record, no border and no
// caption (how the main window uses its three panels) it is one tiled
// background from the record's client piece and its children use the whole
// panel. Without a record it draws the plain face with the border its
// BorderStyle asks for and, in caption mode, a caption bar.
#pragma once

#include <string>

#include "vxSkinControlBase.h"

namespace vx {

enum class TvxSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
using enum TvxSkinBorderStyle;

enum class TvxImagePosition { vxipDefault, vxipLeft, vxipRight, vxipTop, vxipBottom };
using enum TvxImagePosition;

class TvxSkinPanel : public TvxSkinCustomControl {
 public:
  explicit TvxSkinPanel(tk::TComponent* owner);

  TvxSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TvxSkinBorderStyle style);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool v);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int v);
  tk::TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(tk::TAlignment v);
  bool TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(bool v);
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool v);
  bool Checked() const { return checked_; }
  // Every assignment fires OnChecked, also one that changes nothing.
  void SetChecked(bool v);
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool v);
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool v);
  int RealHeight() const { return realHeight_; }
  void SetRealHeight(int v) { realHeight_ = v; }
  bool RibbonStyle() const { return ribbonStyle_; }
  void SetRibbonStyle(bool v);
  bool AutoEnabledControls = true;
  TvxImagePosition ImagePosition = vxipDefault;
  int CaptionImageIndex = -1;
  int NumGlyphs = 1;
  int Spacing = 2;
  tk::TNotifyEvent OnChecked, OnChangeRollUpState;

  void FindSkinRecord() override;
  void ApplySkin() override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap& bitmap) override;
  void AdjustClientRect(tk::TRect& rect) const override;
  void WndProc(tk::TMessage& m) override;
  void ParentBackgroundChanged() override;

 private:
  const TvxDataSkinPanelControl* PanelRecord() const;
  // The borderless tiled look of the program's panels.
  bool TiledLook() const;
  void Roll(bool up);
  void DrawCaptionText(tk::TBitmap& bitmap, tk::TRect r, tk::TColor color);

  TvxSkinBorderStyle borderStyle_ = bvFrame;
  bool captionMode_ = false;
  int defaultCaptionHeight_ = 22;
  tk::TAlignment defaultAlignment_ = tk::taLeftJustify;
  bool transparentMode_ = false;
  bool checkedMode_ = false;
  bool checked_ = false;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;
  bool rolling_ = false;
  int realHeight_ = -1;
  bool ribbonStyle_ = false;
  int bgPictureIndex_ = -1;
  PixRect captionRect_;
};

}  // namespace vx
