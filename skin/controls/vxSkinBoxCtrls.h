// The skinned edit box and the skinned up-down arrows.
//
// The skinned edit box: the platform's edit control with the skin's frame
// around it and the skin's picture behind its text.
#pragma once

#include <functional>

#include <memory>
#include <optional>
#include <string>

#include "UpDownRules.h"
#include "tkImgList.h"
#include "tkMenus.h"
#include "tkStdCtrls.h"
#include "vxEditSkin.h"
#include "vxResourceStrings.h"
#include "vxSkinControlBase.h"
#include "vxSkinDataComponents.h"

namespace vx {

class TvxCustomEdit;

// The context menu of an edit: made and opened here only, so the kind of
// menu is decided in one place. The platform's by default; the frame
// library puts in the skinned one for edits on skinned forms.
struct TvxEditContextMenus {
  std::function<tk::TPopupMenu*(TvxCustomEdit* edit)> make;
  std::function<void(tk::TPopupMenu* menu, TvxCustomEdit* edit, int x, int y)> open;
};
void SetEditContextMenus(TvxEditContextMenus menus);
tk::TPopupMenu* NewEditContextMenu(TvxCustomEdit* edit);
void OpenEditContextMenu(tk::TPopupMenu* menu, TvxCustomEdit* edit, int x, int y);

// The platform's edit control as a one-line box: its text lies transparent
// on whatever a subclass paints behind it; Enter, Ctrl+Enter and Escape go to
// OnKeyPress and never into the text (the form's default and cancel buttons
// answer their key-down); a pasted or assigned text keeps only its first
// line; ReadOnly refuses every change by the user; a right click or the menu
// key opens the edit's own eight-entry context menu.
class TvxCustomEdit : public tk::TCustomMaskEdit {
 public:
  explicit TvxCustomEdit(tk::TComponent* owner);

  // A menu of the application's own; the edit's menu when none.
  tk::TPopupMenu* PopupMenu = nullptr;

  // The context menu as the next request would show it (the previous one
  // freed), with its items enabled for the edit's state now.
  tk::TPopupMenu* BuildContextMenu();
  // The menu built last, until it is freed; null when there is none.
  tk::TPopupMenu* ContextMenu() const { return contextMenu_; }
  // Where a context request at screen point (x, y) opens the menu: there,
  // or for the keyboard's (-1, -1) at the caret (the centre of the box
  // without one).
  tk::TPoint ContextMenuPoint(int x, int y);
  // Runs the entry's operation on the platform control, as the menu does.
  void RunCommand(TvxEditCommand command);
  TvxEditMenuState MenuState();

 protected:
  void CreateParams(tk::TCreateParams& params) override;
  void WndProc(tk::TMessage& m) override;
  // The colour the text is drawn in.
  virtual tk::TColor TextColor() { return Font().Color(); }
  // The text changed or the selection or scroll position moved: what lies
  // behind the text must be drawn again.
  virtual void TextAreaChanged() { Invalidate(); }
  // The captions' resource strings; null for the built-in ones.
  virtual const TvxResourceStrData* MenuStrings() const { return nullptr; }

 private:
  void Dispatch(tk::TMessage& m);
  void ContextRequest(int x, int y);
  void PasteFirstLine();
  tk::TPopupMenu* contextMenu_ = nullptr;
  bool menuOpen_ = false;
};

// The skinned edit box (the keyword box): the platform's edit control inside
// a frame drawn from the skin's "edit" record in the window's non-client
// area, the text area's background from the same picture behind the text.
// Hovered or focused it shows the record's active image and text colour.
// Without a skin or a record it shows a plain two-pixel frame round a
// DefaultColor box in DefaultFont.
class TvxSkinCustomEdit : public TvxCustomEdit {
 public:
  explicit TvxSkinCustomEdit(tk::TComponent* owner);

  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  // Applies the skin at once when it is loaded.
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  tk::TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(tk::TColor color);
  tk::TFont& DefaultFont() { return defaultFont_; }
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int width);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int height);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool v);
  bool ButtonMode() const { return buttonMode_; }
  void SetButtonMode(bool v);
  // Pictures at the ends of the text area, with their hover and pressed
  // variants; clicks on them raise OnLeftButtonClick / OnRightButtonClick.
  tk::TCustomImageList* Images() const { return images_; }
  void SetImages(tk::TCustomImageList* images);
  int LeftImageIndex() const { return leftImage_; }
  void SetLeftImageIndex(int index);
  int RightImageIndex() const { return rightImage_; }
  void SetRightImageIndex(int index);
  int LeftImageHotIndex = -1, LeftImageDownIndex = -1;
  int RightImageHotIndex = -1, RightImageDownIndex = -1;
  tk::TNotifyEvent OnButtonClick, OnLeftButtonClick, OnRightButtonClick;
  // The side images' places in client coordinates (empty without one).
  PixRect LeftImageRect() const;
  PixRect RightImageRect() const;
  bool LeftImageHot() const { return leftHot_; }
  bool RightImageHot() const { return rightHot_; }

  // The record's fields as last looked up; null without a record.
  const TvxEditSkin* Skin() const { return skin_ ? &*skin_ : nullptr; }
  bool Hovered() const { return hover_; }
  bool ButtonHot() const { return buttonHot_; }
  bool ButtonPressed() const { return buttonPressed_; }
  // The text area in window coordinates.
  PixRect TextArea() const;
  PixRect ButtonRect() const;
  TvxEditMode Mode() const { return {buttonMode_, useSkinFont_}; }
  TvxEditLook Look() const;

  void FindSkinRecord();
  void ApplySkin();
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;

  // Draws the frame (the whole window) and the text area's background into
  // bitmaps of their sizes: what WM_NCPAINT and WM_PAINT show.
  void DrawFrame(tk::TBitmap& bitmap);
  void DrawBackground(tk::TBitmap& bitmap);

 protected:
  void CreateHandleDone() override;
  void WndProc(tk::TMessage& m) override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  tk::TColor TextColor() override;
  const TvxResourceStrData* MenuStrings() const override;

 private:
  void UpdateFrame();
  void PaintFrame(HDC dc);
  void PaintClient(tk::TMessage& m);
  void SetMargins();
  void DrawSideImages(tk::TBitmap& bitmap);
  // Hit code 104 / 105 over a side image, 0 elsewhere; marks it hot.
  int ImageHitTest(int clientX, int clientY);
  void SetImageHot(bool left, bool right);
  void SetHover(bool hover);
  void SetButtonState(bool hot, bool pressed);
  int FontTextHeight();
  int FittedHeight(int height);

  TvxSkinDataLink skinData_;
  std::string skinDataName_ = "edit";
  std::optional<TvxEditSkin> skin_;
  tk::TColor defaultColor_ = tk::clWindow;
  tk::TFont defaultFont_;
  int defaultWidth_ = 0, defaultHeight_ = 0;
  bool useSkinFont_ = true;
  bool buttonMode_ = false;
  bool hover_ = false;
  bool buttonHot_ = false, buttonPressed_ = false;
  tk::TCustomImageList* images_ = nullptr;
  int leftImage_ = -1, rightImage_ = -1;
  bool leftHot_ = false, rightHot_ = false, leftPressed_ = false, rightPressed_ = false;
};

class TvxSkinEdit : public TvxSkinCustomEdit {
 public:
  explicit TvxSkinEdit(tk::TComponent* owner) : TvxSkinCustomEdit(owner) {}
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
