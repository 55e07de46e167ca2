// The skinned page control and its tab sheets, on the toolkit's page control
// (the platform's tab control keeps layout, selection, keyboard navigation
// and the scrolling of the tab row).
//
// What this adds: a close button on every tab (ShowCloseButtons) that hides
// the tab and, with FreeOnClose, frees the sheet with everything it owns;
// mouse-wheel paging; the tab height and font settings; the painting of
// frame, tab row, tabs and the sheets' background from the skin's "tab"
// record (or the plain look without one: face-coloured tabs, a navy frame
// round the active one, black crosses); and skinned scroll arrows for a row
// that does not fit. The platform's own arrows stay alive (the tab control
// keeps its handle to them) but hidden and out of the way.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tkImgList.h"
#include "tkTabs.h"
#include "vxSkinBoxCtrls.h"
#include "vxSkinCtrls.h"
#include "vxTabRules.h"

namespace vx {

class TvxSkinPageControl;

class TvxSkinCustomTabSheet : public tk::TTabSheet {
 public:
  explicit TvxSkinCustomTabSheet(tk::TComponent* owner);
  ~TvxSkinCustomTabSheet() override;

  // Tiled over the sheet when not empty.
  tk::TBitmap& WallPaper() { return *wallPaper_; }

  // The close button's state, and where it was last drawn (tab-image
  // coordinates; empty until the tab has been drawn).
  bool CloseButtonHot = false;
  bool CloseButtonPressed = false;
  tk::TRect CloseButtonRect;

 protected:
  void CreateParams(tk::TCreateParams& params) override;
  void WndProc(tk::TMessage& m) override;

 private:
  std::unique_ptr<tk::TBitmap> wallPaper_;
};

class TvxSkinTabSheet : public TvxSkinCustomTabSheet {
 public:
  explicit TvxSkinTabSheet(tk::TComponent* owner) : TvxSkinCustomTabSheet(owner) {}
};

using TvxCloseEvent = std::function<void(tk::TObject* sender, bool& canClose)>;
using TvxDrawSkinTabEvent =
    std::function<void(int tabIndex, const tk::TRect& rect, bool active, bool mouseIn, tk::TCanvas& canvas)>;

class TvxSkinPageControl : public tk::TPageControl {
 public:
  explicit TvxSkinPageControl(tk::TComponent* owner);
  ~TvxSkinPageControl() override;

  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);
  const std::string& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const std::string& name);
  // The font without a record: the skin's arrival copies it into Font.
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;

  bool ShowCloseButtons() const { return showCloseButtons_; }
  void SetShowCloseButtons(bool show);
  bool FreeOnClose = false;
  bool MouseWheelSupport = false;
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int height);
  tk::TCustomImageList* Images() const { return userImages_; }
  void SetImages(tk::TCustomImageList* images);
  int TabsOffset() const { return tabsOffset_; }
  void SetTabsOffset(int offset);
  bool TabsInCenter() const { return tabsInCenter_; }
  void SetTabsInCenter(bool center);
  bool TabsBGTransparent() const { return tabsBGTransparent_; }
  void SetTabsBGTransparent(bool transparent);
  bool TextInHorizontal() const { return textInHorizontal_; }
  void SetTextInHorizontal(bool v);
  bool TabExtededDraw() const { return tabExtededDraw_; }
  void SetTabExtededDraw(bool v);
  int TabMargin() const { return tabMargin_; }
  void SetTabMargin(int margin);
  int TabSpacing() const { return tabSpacing_; }
  void SetTabSpacing(int spacing);

  TvxCloseEvent OnClose;
  tk::TNotifyEvent OnAfterClose;
  TvxDrawSkinTabEvent OnDrawSkinTab;

  // Takes the font and tab height from the skin (done on every skin change).
  void ApplySkin();

  // Asks OnClose, hides the active page's tab (the page taking its place
  // becomes active) and, with FreeOnClose, frees the page; then OnAfterClose.
  void CloseActivePage();

  // The close-button size (the image slot every tab reserves for it): the
  // record's close image width, 14 without one.
  int CloseButtonSize() const;
  // The skin's tab record, or null (no skin, none of that name, another kind).
  const TvxDataSkinTabControl* TabRecord() const;
  // The skinned arrows while the row does not fit, else null.
  TvxSkinUpDown* ScrollArrows() const { return arrows_; }
  // Fills a sheet's background (sheet coordinates, w x h); false when the
  // sheet is to use its own colour.
  bool PaintSheetBackground(HDC dc, int w, int h) const;
  // Tab `tabIndex`'s rectangle as drawn (client coordinates), empty without one.
  tk::TRect TabItemRect(int tabIndex) const;
  // The tab at a client point as drawn, -1 for none.
  int TabAtPoint(int x, int y) const;
  // The close button of tab `tabIndex` in client coordinates (empty until drawn).
  tk::TRect CloseButtonRect(int tabIndex) const;
  // How far centred or offset rows are moved right.
  int TabsShift() const;

 protected:
  void CreateHandleDone() override;
  void Change() override;
  void WndProc(tk::TMessage& m) override;
  void PaintWindow(HDC dc) override;
  void AdjustClientRect(tk::TRect& rect) const override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

  // Painting, in this order, into one off-screen picture of the control.
  virtual void PaintTabs(tk::TCanvas& canvas);
  virtual void DrawTab(tk::TCanvas& canvas, int tabIndex, const tk::TRect& rect, bool active, bool hot);
  // With a record: frame, tab row and tabs into the control's picture.
  virtual void PaintSkinned(tk::TBitmap& buffer, const TvxDataSkinTabControl& rec, const TvxPixmap& picture);
  virtual void DrawSkinTab(tk::TBitmap& target, int tabIndex, const tk::TRect& rect, bool active, bool hot,
                           const TvxDataSkinTabControl& rec, const TvxPixmap& picture);

 private:
  tabs::TabSide Side() const;
  void UpdateImageSlot();
  void ApplyTabHeight();
  TvxSkinCustomTabSheet* SkinPage(int tabIndex) const;
  // The close-button tracking.
  void UpdateHover(int x, int y);
  void ClearHover();
  // Forgets the hot tabs without touching their sheets (a sheet is going).
  void ResetHover();
  void MouseWheel(int delta);
  // Hides the platform's arrows and makes, places or frees the skinned ones.
  void UpdateScrollArrows();
  void ArrowsChanged();
  int TabsScrolledOff() const;

  TvxSkinDataLink skinData_;
  std::string skinDataName_ = "tab";
  tk::TFont defaultFont_;
  // A one-pixel list that reserves room in every tab for the close button
  // (and the user's images).
  std::unique_ptr<tk::TImageList> slotImages_;
  tk::TCustomImageList* userImages_ = nullptr;
  bool showCloseButtons_ = false;
  int defaultItemHeight_ = 20;
  int tabsOffset_ = 0;
  bool tabsInCenter_ = false;
  bool tabsBGTransparent_ = false;
  bool textInHorizontal_ = false;
  bool tabExtededDraw_ = false;
  int tabMargin_ = -1;
  int tabSpacing_ = 1;
  // Visible-tab indexes; sheets are looked up by index when needed, never kept.
  int hotTab_ = -1;
  int previousHotTab_ = -1;
  TvxSkinUpDown* arrows_ = nullptr;
  bool syncingArrows_ = false;
  bool inArrowsChange_ = false;
};

}  // namespace vx
