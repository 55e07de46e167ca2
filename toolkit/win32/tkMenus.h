// Menus: a tree of TMenuItem under a TMenu, and the popup menu component.
//
// The items are a model: the skinned menu windows draw them and call Click
// on the one chosen; a popup menu that is not skinned shows them as a
// platform menu (TPopupMenu::Popup builds one for the moment it is open).
//
// An item frees its sub-items when it goes and leaves its parent's list when
// it is freed on its own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tkGraphics.h"
#include "tkImgList.h"
#include "tkMenuText.h"

namespace tk {

class TMenu;

using TMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect, bool selected)>;
using TMenuMeasureItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption) { caption_ = caption; }
  // A caption of "-" makes the item a separator line.
  bool IsLine() const { return caption_ == L"-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut s) { shortCut_ = s; }
  // What the menu shows at the right: "Ctrl+S".
  std::wstring ShortCutText() const { return ShortCutToText(shortCut_); }

  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group
  // among its siblings.
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v) { radioItem_ = v; }
  int GroupIndex = 0;
  // Clicking toggles Checked first.
  bool AutoCheck = false;
  bool Enabled = true;
  bool Visible = true;
  bool Default = false;
  // An image of the menu's Images, -1 for none; or a bitmap of the item's own.
  int ImageIndex = -1;
  TBitmap& Bitmap();
  bool HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }

  // Sub-items.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item) { Insert(Count(), item); }
  // Takes the item out of its former parent's list first.
  void Insert(int index, TMenuItem* item);
  // Takes the item out of the list without freeing it.
  void Remove(TMenuItem* item);
  void Delete(int index) { Remove(Items(index)); }
  // Frees every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  // The sub-item with this caption (ignoring "&" markers and case), or null.
  TMenuItem* Find(std::wstring_view caption) const;
  // The visible, enabled sub-item whose accelerator is `ch`, ignoring case;
  // null when none. The first match in menu order wins.
  TMenuItem* FindAccel(wchar_t ch) const;
  // This item or a descendant with this shortcut (visible ones only).
  TMenuItem* FindShortCut(TShortCut shortCut);
  // The menu at the root of the tree, null for a free-standing tree.
  TMenu* GetParentMenu() const;
  // The number identifying the item to the platform's menus.
  int Command() const { return command_; }

  // Enabled items only: AutoCheck, then OnClick, or the action hook when
  // there is no OnClick.
  virtual void Click();
  TNotifyEvent OnClick;
  // What an action would do for the item (run by Click without OnClick).
  std::function<void(TMenuItem* item)> Action;
  // Owner drawing: with OnDrawItem set the platform menu leaves the item's
  // painting to it.
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 protected:
  void BeforeDestruction() override;

 private:
  friend class TMenu;
  void TearDownItem();
  std::wstring caption_;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool radioItem_ = false;
  std::unique_ptr<TBitmap> bitmap_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  int command_ = 0;
  bool itemTornDown_ = false;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The invisible root; the menu shows its sub-items.
  TMenuItem* Items() const { return items_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  // Clicks the item with this shortcut; whether there was one.
  bool IsShortCut(TShortCut shortCut);
  // The item with this command number, or null.
  TMenuItem* FindItem(int command) const;
  // A platform menu showing the sub-items of `root` (Items by default):
  // captions with their shortcut text, checks, radio marks, greyed items,
  // separators and sub-menus. The caller destroys it (DestroyMenu).
  HMENU CreateMenuHandle(TMenuItem* root = nullptr) const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

 private:
  void TearDownMenu();
  TMenuItem* items_;
  TCustomImageList* images_ = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);

  // Shows the menu at a screen point and runs the chosen item's Click. The
  // plain menu is the platform's; skinned menus show their own windows.
  virtual void Popup(int x, int y);
  // The control the menu was opened for (set by whoever opens it).
  TComponent* PopupComponent = nullptr;
  bool AutoPopup = true;
  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(TObject* sender);
};

}  // namespace tk
