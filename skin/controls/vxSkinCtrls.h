// The skinned controls of the panel and button family: the control bases
// (vxSkinControlBase.h), the panel (vxSkinPanel.h), the push button, the
// speed button and the check/radio box.
//
// The buttons and the check box keep their published settings and their link
// to a skin data, and paint the plain default look they also fall back to
// when the skin has no record for them: face colour, a system-drawn frame and
// the caption.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tkControls.h"
#include "tkStdCtrls.h"
#include "tkForms.h"
#include "tkImgList.h"
#include "vxButtonStates.h"
#include "vxCheckBoxRules.h"
#include "vxSkinControlBase.h"
#include "vxSkinDataComponents.h"
#include "vxSkinPanel.h"

namespace vx {

constexpr unsigned VXM_SHOWGLOW = 0x0400 + 400;  // 1424, posted by a button to itself
constexpr unsigned VXM_HIDEGLOW = 0x0400 + 401;  // 1425

// (Sender, canvas, text area, down, active, var DrawDefault): owner drawing of
// a button's glyph and caption.
using TvxButtonPaintEvent =
    std::function<void(tk::TObject* sender, tk::TCanvas& canvas, const tk::TRect& r, bool down, bool active,
                       bool& drawDefault)>;

// The three timers of a button on the toolkit's utility window. A tick runs
// from a copy of its handler, so a click on a tick may free the button.
class TvxButtonTimers {
 public:
  explicit TvxButtonTimers(std::function<void(TvxButtonTimer)> tick) : tick_(std::move(tick)) {}
  ~TvxButtonTimers();
  TvxButtonTimers(const TvxButtonTimers&) = delete;
  TvxButtonTimers& operator=(const TvxButtonTimers&) = delete;
  void Start(TvxButtonTimer timer, int ms);
  void Stop(TvxButtonTimer timer);
  bool Running(TvxButtonTimer timer) const { return ids_[static_cast<int>(timer)] != 0; }

 private:
  std::function<void(TvxButtonTimer)> tick_;
  UINT_PTR ids_[3] = {};
};

// What the push and speed buttons share: the glyph and caption settings and
// how a state's picture, text and glyph are drawn from a button record.
struct TvxButtonLooks {
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  int ImageIndex = -1;
  int NumGlyphs = 1;
  int Spacing = 1;
  TvxButtonLayout Layout = TvxButtonLayout::blGlyphLeft;
  tk::TBitmap Glyph;  // NumGlyphs equal images side by side
  TvxButtonPaintEvent OnPaint;
  // Its image ImageIndex is drawn instead of Glyph when the index is valid.
  tk::TCustomImageList* ImageList() const { return imageList_; }
  int Margin() const { return margin_; }
  void SetMargin(int margin) {
    if (margin >= -1) margin_ = margin;
  }

 protected:
  int margin_ = -1;
  tk::TCustomImageList* imageList_ = nullptr;
};

// The windowed, focusable push button of the category bar.
class TvxSkinButton : public TvxSkinCustomControl, public TvxButtonLooks, private TvxButtonHost {
 public:
  explicit TvxSkinButton(tk::TComponent* owner);
  ~TvxSkinButton() override;

  bool Down() const { return states_.Down(); }
  void SetDown(bool down) { states_.SetDown(down); }
  int GroupIndex() const { return states_.groupIndex; }
  // A grouped button does not take the focus.
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return states_.allowAllUp; }
  void SetAllowAllUp(bool v) { states_.allowAllUp = v; }
  bool CanFocused() const { return states_.canFocused; }
  void SetCanFocused(bool v);
  bool Default() const { return states_.isDefault; }
  void SetDefault(bool v);
  bool Cancel = false;
  bool RepeatMode() const { return states_.repeatMode; }
  void SetRepeatMode(bool v) { states_.repeatMode = v; }
  int RepeatInterval() const { return states_.RepeatInterval(); }
  void SetRepeatInterval(int ms) { states_.SetRepeatInterval(ms); }
  bool AlwaysShowLayeredFrame = false;
  const TvxButtonStates& States() const { return states_; }
  // The glow frame's window while one is shown.
  HWND GlowWindow() const;

  // The click as the button delivers it: the parent form's modal result,
  // then OnClick. The handler may free the button.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }

  void SetParent(tk::TWinControl* parent) override;
  void SetImageList(tk::TCustomImageList* list);
  void FindSkinRecord() override;
  void ApplySkin() override;
  void ReleaseSkin() override;
  void FitSkinSize(int& width, int& height) override;

 protected:
  void CreateHandleDone() override;
  void Paint() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap&) override {}
  virtual void DrawStateImage(tk::TBitmap& bitmap, const PixRect& rect, bool active, bool down);
  void WndProc(tk::TMessage& m) override;
  void EnabledChanged() override;
  void TextChanged() override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void StartTimer(TvxButtonTimer timer, int ms) override { timers_.Start(timer, ms); }
  void StopTimer(TvxButtonTimer timer) override { timers_.Stop(timer); }
  void RepaintButton() override { Invalidate(); }
  void ClickButton() override { ButtonClick(); }
  void ReleaseGroup() override;
  void ShowGlow(bool show) override;
  void TrackPointer(int x, int y);
  bool DialogKey(tk::TMessage& msg);
  void InstallKeyHook();
  void RemoveKeyHook();
  void ShowGlowFrame();
  void HideGlowFrame();

  TvxButtonStates states_;
  TvxButtonTimers timers_;
  const TvxDataSkinButtonControl* ButtonRecord() const;
  bool showFocus_ = false;
  bool clicksDisabled_ = false;
  bool releasing_ = false;  // the button gives the mouse back itself
  tk::TCustomForm* keyForm_ = nullptr;
  tk::THookToken keyHook_ = 0;
  std::unique_ptr<class TvxLayerManager> glow_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The window-less tool button of the search bar and the dialog.
class TvxSkinSpeedButton : public TvxGraphicSkinCustomControl, public TvxButtonLooks, private TvxButtonHost {
 public:
  explicit TvxSkinSpeedButton(tk::TComponent* owner);
  ~TvxSkinSpeedButton() override;

  bool Down() const { return states_.Down(); }
  void SetDown(bool down) { states_.SetDown(down); }
  int GroupIndex() const { return states_.groupIndex; }
  void SetGroupIndex(int index) { states_.groupIndex = index; }
  bool AllowAllUp() const { return states_.allowAllUp; }
  void SetAllowAllUp(bool v) { states_.allowAllUp = v; }
  bool RepeatMode() const { return states_.repeatMode; }
  void SetRepeatMode(bool v) { states_.repeatMode = v; }
  int RepeatInterval() const { return states_.RepeatInterval(); }
  void SetRepeatInterval(int ms) { states_.SetRepeatInterval(ms); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show);
  int WidthWithCaption = 0, WidthWithoutCaption = 0;
  bool Transparent() const { return states_.transparent; }
  void SetTransparent(bool v);
  bool Flat() const { return states_.flat; }
  void SetFlat(bool v);
  const TvxButtonStates& States() const { return states_; }

  // OnClick; the handler may free the button.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }

  void SetParent(tk::TWinControl* parent) override;
  void SetImageList(tk::TCustomImageList* list);
  void FindSkinRecord() override;
  void ApplySkin() override;
  void FitSkinSize(int& width, int& height) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  virtual void DrawStateImage(tk::TBitmap& bitmap, const PixRect& rect, bool active, bool down);
  void WndProc(tk::TMessage& m) override;
  void EnabledChanged() override;
  void TextChanged() override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void StartTimer(TvxButtonTimer timer, int ms) override { timers_.Start(timer, ms); }
  void StopTimer(TvxButtonTimer timer) override { timers_.Stop(timer); }
  void RepaintButton() override { Invalidate(); }
  void ClickButton() override { ButtonClick(); }
  void ReleaseGroup() override;
  void TrackPointer(int x, int y);
  bool DialogKey(tk::TMessage& msg);
  void InstallKeyHook();
  void RemoveKeyHook();
  void PaintTransparent();

  TvxButtonStates states_;
  TvxButtonTimers timers_;
  bool showCaption_ = true;
  tk::TCustomForm* keyForm_ = nullptr;
  tk::THookToken keyHook_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A check box, or a radio button when Radio is set. Flat (the usual look:
// the check image and the caption on the parent's background, any size) or
// framed (the record's whole image behind them, sized by its corner points).
// A completed click runs the value on: unchecked, checked, unchecked; with
// AllowGrayed an unchecked check box turns grayed first. A radio box is only
// ever checked by the user. Checking a box unchecks the checked boxes of its
// parent that share its non-zero GroupIndex.
class TvxSkinCheckRadioBox : public TvxSkinCustomControl {
 public:
  explicit TvxSkinCheckRadioBox(tk::TComponent* owner);
  ~TvxSkinCheckRadioBox() override;

  bool Checked() const { return checked_; }
  // Also when unchanged: OnClick fires (except for a radio box unchecked).
  void SetChecked(bool checked);
  TvxCheckBoxState State() const { return state_; }
  void SetState(TvxCheckBoxState state);
  bool Radio() const { return radio_; }
  void SetRadio(bool radio);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool v);
  tk::TCustomImageList* Images() const { return images_; }
  void SetImages(tk::TCustomImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int GroupIndex = 0;
  bool UseSkinFontColor = true;
  bool MouseIn() const { return mouseIn_; }

  // A check box flips; a radio box that is not checked becomes checked.
  virtual void Toggle();

  void FindSkinRecord() override;
  void ApplySkin() override;
  void FitSkinSize(int& width, int& height) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap& bitmap) override;
  void ParentBackgroundChanged() override;
  void WndProc(tk::TMessage& m) override;
  void EnabledChanged() override;
  void TextChanged() override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  const TvxDataSkinCheckRadioControl* CheckRecord() const;
  void SetMouseIn(bool in);
  void PaintFlat(tk::TBitmap& bitmap);
  void DrawFramedState(tk::TBitmap& bitmap, bool active);
  void DrawCheckImage(tk::TBitmap& bitmap, int x, int y);
  void DrawPlainCheck(tk::TCanvas& c, int boxTop);
  // Caption and image from `left`; returns the caption rectangle drawn in.
  tk::TRect DrawFlatCaption(tk::TCanvas& c, int left, tk::TColor color, int imageGap);
  bool HasImage() const;

  TvxCheckBoxState state_ = cbUnchecked;
  bool checked_ = false;
  bool radio_ = false;
  bool allowGrayed_ = false;
  bool flat_ = true;
  bool wordWrap_ = false;
  bool canFocused_ = true;
  tk::TCustomImageList* images_ = nullptr;
  int imageIndex_ = 0;
  bool mouseIn_ = false;
  bool pressed_ = false;
};

}  // namespace vx
