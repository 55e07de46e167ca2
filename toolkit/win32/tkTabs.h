// The tab control and the page control on the platform's tab control
// (SysTabControl32).
//
// TCustomTabControl keeps the tab row as data (captions, image indexes) and
// mirrors it into the window whenever there is one, so a re-created window
// comes back with the same tabs and selection. The platform keeps the layout
// of the row, selection by mouse and keyboard, and scrolling of a single-line
// row that does not fit (its own up-down arrows); the control reports tab
// rectangles, hit-tests and the page area.
//
// Painting goes through PaintWindow like every windowed control: by default
// the platform draws; a subclass that draws the whole control itself overrides
// PaintWindow (and sees WM_ERASEBKGND in WndProc) while the platform still
// lays out, selects and scrolls.
//
// TPageControl shows one TTabSheet at a time in the page area. Sheets are
// put on a page control by SetPageControl (or SetParent); a sheet with
// TabVisible has a tab, in page order. Freeing a sheet removes its tab.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tkControls.h"
#include "tkImgList.h"

namespace tk {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
using enum TTabPosition;
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using enum TTabStyle;

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::wstring& TabCaption(int index) const { return tabs_.at(index).caption; }
  // The selected tab, -1 for none. Setting it raises no events.
  int TabIndex() const;
  void SetTabIndex(int index);

  // 0 for either lets the platform size the tabs from their captions (and
  // images); a positive TabWidth makes every tab that wide.
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int height);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int width);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle style);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool v);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  // The tab at a client point, -1 when none is there.
  int IndexOfTabAt(int x, int y) const;
  // The platform's rectangle of a tab in client coordinates (tabs scrolled
  // out of sight lie left of 0 or beyond the width); empty without a window
  // or for an index outside the row.
  TRect TabRect(int index) const;
  // The page area: the client area less the tab row and the border.
  TRect DisplayRect() const;
  int RowCount() const;
  // The first tab a scrolled single-line row shows (0 when not scrolled).
  int FirstVisibleTab() const;
  // Scrolls a single-line row so that tab `first` comes first, as the
  // platform's own arrows do (a horizontal scroll message).
  void ScrollTabs(int first);
  // The platform's scroll arrows of an overflowing single-line row, or null.
  HWND UpDownWindow() const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  // Editing the row, for the subclasses.
  void InsertTab(int index, const std::wstring& caption, int imageIndex);
  void DeleteTab(int index);
  void SetTabCaption(int index, const std::wstring& caption);
  void SetTabImage(int index, int imageIndex);
  // The size the platform gives its tabs, apart from TabWidth/TabHeight (a
  // control that takes the height from elsewhere while TabHeight stays 0).
  // Kept across re-created windows; (-1, -1) returns to the settings.
  void SetItemSize(int width, int height);

  // Asked before the user selects another tab; OnChanging by default.
  virtual bool CanChange();
  // After the user selected another tab; OnChange by default.
  virtual void Change();
  // The image list, the tab size or the row's shape changed.
  virtual void TabsChanged();

  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& m) override;
  void AdjustClientRect(TRect& rect) const override;
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

 private:
  void SendTab(int index, bool insert);
  void SendTabSize();
  void ImagesChanged();
  // Makes the platform's scroll arrows draw themselves (they exist only while
  // a single-line row overflows).
  void ArrowsNeedPaint();
  HWND Window() const;
  struct Tab {
    std::wstring caption;
    int imageIndex = -1;
  };
  std::vector<Tab> tabs_;
  int tabIndex_ = -1;
  int tabHeight_ = 0, tabWidth_ = 0;
  int itemWidth_ = -1, itemHeight_ = -1;
  TTabPosition tabPosition_ = tpTop;
  bool multiLine_ = false;
  TTabStyle style_ = tsTabs;
  bool hotTrack_ = false;
  TCustomImageList* images_ = nullptr;
  bool tabTornDown_ = false;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  using TCustomTabControl::DeleteTab;
  using TCustomTabControl::InsertTab;
  using TCustomTabControl::SetTabCaption;
  using TCustomTabControl::SetTabImage;
};

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  // Puts the sheet on a page control (at the end) or takes it off (null).
  void SetPageControl(TPageControl* pageControl);
  void SetParent(TWinControl* parent) override;
  // The position among all pages of its page control, -1 without one.
  int PageIndex() const;
  void SetPageIndex(int index);
  // The position of its tab in the row, -1 when it has none.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool visible);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  TNotifyEvent OnShow, OnHide;

 protected:
  void CreateParams(TCreateParams& params) override;
  void TextChanged() override;
  void VisibleChanged() override;
  void BeforeDestruction() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
  bool sheetTornDown_ = false;
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  TTabSheet* ActivePage() const { return activePage_; }
  // Shows `page` (one of this control's, or null for none) and selects its
  // tab. Raises no events.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The page with tab `tabIndex`, null for none.
  TTabSheet* PageForTab(int tabIndex) const;
  // The next (or previous) page after `current` in page order, wrapping
  // round; with checkTabVisible only pages that have a tab. Null when none.
  TTabSheet* FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const;
  // Moves to the next page as the user would (OnChanging, OnChange).
  void SelectNextPage(bool forward, bool checkTabVisible = true);

 protected:
  void Change() override;
  // Every page fills the page area, shown or not, so what is put on a page
  // can size itself to it at once.
  void AlignControls(TRect& rect) override;
  void BeforeDestruction() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // A sheet's tab appears or goes; a lost active page hands over to the page
  // whose tab takes its place (or the last one).
  void UpdateTab(TTabSheet* page, int formerTabIndex);
  void ShowPage(TTabSheet* page);
  void LoseActivePage(int formerTabIndex);
  void SyncSelection();
  int TabOfPage(const TTabSheet* page) const;
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  bool pagesTornDown_ = false;
};

}  // namespace tk
