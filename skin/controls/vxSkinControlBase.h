// The bases every skinned control stands on.
//
//   TvxSkinControl               windowed: the link to a skin data and a record
//                                name, the record lookup, the reaction to skin
//                                changes, the off-screen paint path
//   TvxSkinCustomControl         adds the record's geometry: sizes fitted to the
//                                corner points, the image drawn at any size, the
//                                window region from a mask, the default size
//   TvxGraphicSkinControl        the same binding for window-less controls
//   TvxGraphicSkinCustomControl  and their geometry
//
// A control never keeps a record pointer: the skin data frees its records on
// every skin change, so the control keeps the record's index and looks it up
// at the start of every paint. Everything it copies from the record (the
// geometry) is plain values.
//
// Painting never draws straight onto the window: a picture of the control's
// size is filled by DrawSkinImage (a record) or DrawDefaultImage (no skin, no
// record) and copied in one piece, so there is nothing to flicker and no
// background to erase.
#pragma once

#include <windows.h>

#include <string>

#include "tkControls.h"
#include "vxControlSkin.h"
#include "vxRegionWin.h"
#include "vxSkinDataComponents.h"

namespace vx {

// Sent to a control whose parent's look changed under it (both parameters 0).
constexpr unsigned VXM_PARENTBACKGROUND = 0x0400 + 260;  // 1284

// The font a skinned control uses when it does not take the skin's.
void SetDefaultSkinFont(tk::TFont& font, tk::TColor color, tk::TFontStyles style = 0);

// Draws what lies behind `control` into `dc` (positioned at the control's
// left-top): the parent's background and content, then the window-less
// siblings before the control that overlap it. For controls that show their
// parent through (a transparent panel, a flat check box).
void PaintParentBackground(tk::TControl* control, HDC dc);

class TvxSkinControl : public tk::TCustomControl {
 public:
  explicit TvxSkinControl(tk::TComponent* owner);

  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  // Applies the skin at once when it is loaded.
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  // Takes effect at the next lookup (the next paint or skin change).
  void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  int RecordIndex() const { return recordIndex_; }
  bool InPaintMessage() const { return inPaintMessage_; }
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;
  std::wstring HintTitle;
  int HintImageIndex = 0;

  // Looks the record up again: -1 without skin data, while the skin is
  // empty or loading, or when the skin has no record of that name.
  virtual void FindSkinRecord();
  // A skin was loaded: look up, resize and repaint.
  virtual void ApplySkin();
  // A skin is about to be replaced: forget the record.
  virtual void ReleaseSkin() { recordIndex_ = -1; }

 protected:
  // The record, or null; valid until the skin changes.
  TvxSkinRecord* Record() const;
  // Fill `bitmap` (sized to the control) with the look without a record,
  // or with the record's look.
  virtual void DrawDefaultImage(tk::TBitmap& bitmap) {}
  virtual void DrawSkinImage(tk::TBitmap& bitmap) {}
  virtual void ParentBackgroundChanged() {}
  void Paint() override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void WndProc(tk::TMessage& m) override;
  // The font captions are drawn in.
  tk::TFont& CaptionFont() { return defaultFont_; }

  int recordIndex_ = -1;

 private:
  TvxSkinDataLink skinData_;
  std::string skinDataName_;
  tk::TFont defaultFont_;
  bool inPaintMessage_ = false;
};

class TvxSkinCustomControl : public TvxSkinControl {
 public:
  explicit TvxSkinCustomControl(tk::TComponent* owner);

  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int width);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int height);
  int SizingMode() const { return geometry_.sizingMode; }
  const TvxControlGeometry& Geometry() const { return geometry_; }

  void FindSkinRecord() override;
  void ApplySkin() override;
  void SetBounds(int left, int top, int width, int height) override;
  // The size the control takes for a requested one (unchanged without a record).
  virtual void FitSkinSize(int& width, int& height);
  // Gives the window the region of the record's mask at its size, or takes
  // it away when there is no mask.
  virtual void UpdateSkinRegion();
  // Tells the children that the background behind them changed.
  void NotifyChildBackgrounds();

 protected:
  const TvxPixmap* Picture() const;
  const TvxPixmap* MaskPicture() const;
  void CreateHandleDone() override { UpdateSkinRegion(); }
  void Paint() override;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap& bitmap) override;
  // Draws the picture rectangle `from` (a state image of the record's size)
  // at the control's size into `bitmap`.
  void DrawRecordImage(tk::TBitmap& bitmap, const PixRect& from);

  TvxControlGeometry geometry_;
  // Border strips and client fill drawn separately (panels).
  bool forceBackground_ = false;
  bool drawBackground_ = true;

 private:
  void PaintForcedBackground();
  int defaultWidth_ = 0, defaultHeight_ = 0;
  TvxWindowRegion region_;
};

class TvxGraphicSkinControl : public tk::TGraphicControl {
 public:
  explicit TvxGraphicSkinControl(tk::TComponent* owner);
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  int RecordIndex() const { return recordIndex_; }
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;

  virtual void FindSkinRecord();
  virtual void ApplySkin();
  virtual void ReleaseSkin() { recordIndex_ = -1; }

 protected:
  TvxSkinRecord* Record() const;
  virtual void DrawDefaultImage(tk::TBitmap& bitmap) {}
  virtual void DrawSkinImage(tk::TBitmap& bitmap) {}
  void Paint() override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void WndProc(tk::TMessage& m) override;

  int recordIndex_ = -1;

 private:
  TvxSkinDataLink skinData_;
  std::string skinDataName_;
  tk::TFont defaultFont_;
};

class TvxGraphicSkinCustomControl : public TvxGraphicSkinControl {
 public:
  explicit TvxGraphicSkinCustomControl(tk::TComponent* owner) : TvxGraphicSkinControl(owner) {}
  int SizingMode() const { return geometry_.sizingMode; }
  void FindSkinRecord() override;
  void ApplySkin() override;
  void SetBounds(int left, int top, int width, int height) override;
  virtual void FitSkinSize(int& width, int& height);

 protected:
  const TvxPixmap* Picture() const;
  void DrawDefaultImage(tk::TBitmap& bitmap) override;
  void DrawSkinImage(tk::TBitmap& bitmap) override;
  void DrawRecordImage(tk::TBitmap& bitmap, const PixRect& from);

  TvxControlGeometry geometry_;
};

}  // namespace vx
