#include "tkMenus.h"

#include <algorithm>
#include <map>

#include "tkWidgetSet.h"

namespace tk {

namespace {

// Command numbers in use: the platform's menus carry 16 bits of them.
std::map<int, TMenuItem*>& Commands() {
  static std::map<int, TMenuItem*> commands;
  return commands;
}

int NewCommand(TMenuItem* item) {
  static int next = 0;
  for (int tries = 0; tries < 0xFFFF; ++tries) {
    next = next % 0xFFFF + 1;
    if (!Commands().count(next)) {
      Commands()[next] = item;
      return next;
    }
  }
  return 0;  // all in use: the item cannot be chosen from a platform menu
}

}  // namespace

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = NewCommand(this); }

TMenuItem::~TMenuItem() { TearDownItem(); }

void TMenuItem::BeforeDestruction() {
  TearDownItem();
  TComponent::BeforeDestruction();
}

void TMenuItem::TearDownItem() {
  if (itemTornDown_) return;
  itemTornDown_ = true;
  if (parent_) parent_->Remove(this);
  Clear();
  if (command_) Commands().erase(command_);
  command_ = 0;
}

TBitmap& TMenuItem::Bitmap() {
  if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
  return *bitmap_;
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  if (checked && radioItem_ && parent_)
    for (TMenuItem* s : parent_->items_)
      if (s != this && s->radioItem_ && s->GroupIndex == GroupIndex) s->checked_ = false;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw EInvalidOperation("A menu item cannot hold itself");
  for (TMenuItem* p = parent_; p; p = p->parent_)
    if (p == item) throw EInvalidOperation("A menu item cannot hold its own parent");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  while (!items_.empty()) items_.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(std::wstring_view caption) const {
  std::wstring want = StripHotkey(caption);
  for (TMenuItem* i : items_) {
    std::wstring have = StripHotkey(i->caption_);
    if (have.size() == want.size() &&
        std::equal(have.begin(), have.end(), want.begin(),
                   [](wchar_t a, wchar_t b) { return UpperChar(a) == UpperChar(b); }))
      return i;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindAccel(wchar_t ch) const {
  for (TMenuItem* i : items_)
    if (i->Visible && i->Enabled && !i->IsLine() && IsAccel(ch, i->caption_)) return i;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  if (shortCut == scNone || !Visible) return nullptr;
  if (shortCut_ == shortCut) return this;
  for (TMenuItem* i : items_)
    if (TMenuItem* found = i->FindShortCut(shortCut)) return found;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (!Enabled) return;
  if (AutoCheck) SetChecked(!checked_);
  if (OnClick)
    OnClick(this);
  else if (Action)
    Action(this);
}

// ---- TMenu ----

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() { TearDownMenu(); }

void TMenu::BeforeDestruction() {
  TearDownMenu();
  TComponent::BeforeDestruction();
}

void TMenu::TearDownMenu() {
  if (!items_) return;
  TMenuItem* root = items_;
  items_ = nullptr;
  root->menu_ = nullptr;
  root->Free();
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images_) FreeNotification(images_);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (!items_) return false;
  TMenuItem* item = nullptr;
  for (int i = 0; i < items_->Count() && !item; ++i) item = items_->Items(i)->FindShortCut(shortCut);
  if (!item) return false;
  // A disabled item (or one under a disabled parent) swallows its key.
  for (TMenuItem* p = item; p && p != items_; p = p->Parent())
    if (!p->Enabled) return true;
  item->Click();
  return true;
}

TMenuItem* TMenu::FindItem(int command) const {
  auto it = Commands().find(command);
  if (it == Commands().end()) return nullptr;
  return it->second->GetParentMenu() == this ? it->second : nullptr;
}

HMENU TMenu::CreateMenuHandle(TMenuItem* root) const {
  if (!root) root = items_;
  HMENU menu = CreatePopupMenu();
  UINT pos = 0;
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (!item->Visible) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = static_cast<UINT>(item->Command());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    std::wstring text;
    if (item->IsLine()) {
      info.fType = MFT_SEPARATOR;
    } else {
      text = item->Caption();
      if (item->ShortCut() != scNone) text += L"\t" + item->ShortCutText();
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      info.fType = item->RadioItem() ? MFT_RADIOCHECK : 0;
      if (item->OnDrawItem) info.fType |= MFT_OWNERDRAW;
      info.fState = (item->Enabled ? 0 : MFS_GRAYED) | (item->Checked() ? MFS_CHECKED : 0) |
                    (item->Default ? MFS_DEFAULT : 0);
      if (item->Count() > 0) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = CreateMenuHandle(item);
      }
    }
    InsertMenuItemW(menu, pos++, TRUE, &info);
  }
  return menu;
}

// ---- TPopupMenu ----

namespace {

// The item a menu's owner-drawing question is about: the item data is only
// compared with the live item of that command, never followed itself.
TMenuItem* AskedItem(UINT command, ULONG_PTR itemData) {
  auto it = Commands().find(static_cast<int>(command));
  return it != Commands().end() && reinterpret_cast<ULONG_PTR>(it->second) == itemData ? it->second : nullptr;
}

// The window the platform's popup menus belong to: it answers the
// owner-drawing questions of their items.
LRESULT CALLBACK PopupListProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  // Only the menu this thread is showing asks; from elsewhere the parameter
  // is a number, not a structure.
  if (ws::IsPointerNotification(msg) && (!lp || !ws::SentByThisThread())) return 0;
  try {
    if (msg == WM_MEASUREITEM) {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (mi->CtlType == ODT_MENU) {
        TMenuItem* item = AskedItem(mi->itemID, mi->itemData);
        int width = 80, height = GetSystemMetrics(SM_CYMENU);
        if (item && item->OnMeasureItem) {
          HDC dc = GetDC(h);
          TCanvas canvas;
          canvas.SetHandle(dc);
          item->OnMeasureItem(item, canvas, width, height);
          canvas.SetHandle(nullptr);
          ReleaseDC(h, dc);
        }
        mi->itemWidth = static_cast<UINT>(std::max(width, 0));
        mi->itemHeight = static_cast<UINT>(std::max(height, 0));
        return TRUE;
      }
    } else if (msg == WM_DRAWITEM) {
      auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (di->CtlType == ODT_MENU) {
        TMenuItem* item = AskedItem(di->itemID, di->itemData);
        if (item && item->OnDrawItem) {
          TCanvas canvas;
          canvas.SetHandle(di->hDC);
          TRect r{di->rcItem.left, di->rcItem.top, di->rcItem.right, di->rcItem.bottom};
          item->OnDrawItem(item, canvas, r, (di->itemState & ODS_SELECTED) != 0);
          canvas.SetHandle(nullptr);
        }
        return TRUE;
      }
    }
  } catch (...) {
    HandleException(nullptr);
    return TRUE;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

HWND PopupListWindow() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PopupListProc;
    wc.hInstance = ws::Instance();
    wc.lpszClassName = L"TkPopupList";
    RegisterClassW(&wc);
    ws::GuardThreadQueue();
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TkPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, ws::Instance(), nullptr);
  }();
  return window;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::DoPopup(TObject* sender) {
  if (OnPopup) OnPopup(sender);
}

void TPopupMenu::Popup(int x, int y) {
  DoPopup(this);
  HMENU menu = CreateMenuHandle();
  HWND owner = PopupListWindow();
  // The platform closes a popup menu on an outside click only when the
  // menu's owner is the foreground window; the empty message afterwards
  // lets the menu's loop see the switch back.
  SetForegroundWindow(owner);
  // TPM_RETURNCMD: the choice comes back here instead of as WM_COMMAND, so
  // the item runs after the menu has gone.
  UINT command = static_cast<UINT>(TrackPopupMenuEx(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (command)
    if (TMenuItem* item = FindItem(static_cast<int>(command))) item->Click();
}

}  // namespace tk
