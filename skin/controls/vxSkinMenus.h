// Skinned popup menus: the menu manager a frame owns (TvxSkinMenu), its popup
// windows (TvxSkinPopupWindow, one per open level), the items they show
// (TvxSkinMenuItem) and the popup menu component forms use
// (TvxSkinPopupMenu).
//
// The cascade's rules are frame::MenuNavigator's; the pixels are
// frame::RenderPopupWindow's. This file binds them to windows that never take
// the activation: the form keeps the focus, the frame hands key presses over
// (TvxSkinMenu::KeyDown), and clicks outside close the menu through the
// frame's message handling.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "MenuLayout.h"
#include "MenuNavigator.h"
#include "MenuPaint.h"
#include "tkForms.h"
#include "tkMenus.h"
#include "tkTimer.h"
#include "vxSkinData.h"
#include "vxSkinDataComponents.h"
#include "vxWindowFade.h"

namespace vx {

class TvxChassis;
class TvxSkinMenu;
class TvxSkinPopupWindow;

// Sent by the menu when it closes: to the control that opened it and to the form.
constexpr UINT WM_SKIN_MENU_CLOSED = WM_USER + 204;   // 1228
// Sent to the control that opened the menu after one of its commands ran.
constexpr UINT WM_SKIN_MENU_COMMAND = WM_USER + 205;  // 1229

// One item of an open window: the model it shows and, for menus of the
// toolkit, the toolkit's item (looked up live by its command number).
class TvxSkinMenuItem {
 public:
  TvxSkinPopupWindow* Window = nullptr;
  const frame::MenuItem* Model = nullptr;
  frame::Rect ItemRect;  // in the window
  bool Visible = false;
};

class TvxSkinPopupWindow {
 public:
  TvxSkinPopupWindow(TvxSkinMenu& menu, int level);
  ~TvxSkinPopupWindow();
  TvxSkinPopupWindow(const TvxSkinPopupWindow&) = delete;
  TvxSkinPopupWindow& operator=(const TvxSkinPopupWindow&) = delete;

  HWND Handle() const { return handle_; }
  int Level() const { return level_; }
  const frame::PopupSize& Size() const { return size_; }
  const std::vector<TvxSkinMenuItem>& Items() const { return items_; }
  // Screen rectangle of item `index`.
  RECT ItemScreenRect(int index) const;
  // Builds the items from the navigator's window, sizes, places and shows it.
  void Open(const frame::Rect& anchor, bool subMenu, bool popupUp);
  // Lays the items out again (after scrolling) and repaints.
  void Relayout();
  void Repaint();
  void StartScrollTimer();
  void StopScrollTimer();
  // The opacity the menu's alpha settings gave it (255: not layered).
  int Alpha() const { return alpha_; }
  bool Fading() const { return fade_.Running(); }

 private:
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Paint(HDC dc);
  void MouseTick();
  int ItemAt(int x, int y) const;
  int MarkerAt(int x, int y) const;

  TvxSkinMenu& menu_;
  int level_;
  HWND handle_ = nullptr;
  frame::PopupSize size_;
  std::vector<TvxSkinMenuItem> items_;
  void FadeTick();
  POINT lastMouse_{-1, -1};
  TvxWindowFade fade_;
  int alpha_ = 255;
};

class TvxSkinMenu : public tk::TComponent {
 public:
  explicit TvxSkinMenu(tk::TComponent* owner);
  ~TvxSkinMenu() override;

  // Settings (the frame forwards its own).
  int DefaultItemHeight = 20;
  tk::TFont DefaultItemFont;
  bool UseSkinFont = true;
  bool AlphaBlend = false, AlphaBlendAnimation = false;
  int AlphaBlendValue = 150;
  // The fade's clock (GetTickCount when empty); tests replace it.
  std::function<uint32_t()> FadeClock;
  int MaxItemsInWindow = 0;
  // Receives WM_SKIN_MENU_CLOSED when all menus close.
  tk::TCustomForm* Form = nullptr;
  // Raised once when the menu closes, then cleared.
  std::function<void()> OnMenuClose;

  // Shows the sub-items of `root` from `start`. `execute` runs a chosen
  // item; `opening` (may be empty) runs an item's own command before its
  // sub-menu opens and may refill `item.items`.
  using Runner = std::function<void(const frame::MenuItem& item)>;
  void Popup(tk::TWinControl* control, const TvxSkinData* data, bool popupUp, const frame::MenuItem& root,
             const frame::Rect& anchor, int start, Runner execute, Runner opening = {});
  // The same for a toolkit menu: the chosen item's Click runs, and an item
  // with sub-items is clicked (and its sub-menu read again) as it opens.
  void Popup(tk::TWinControl* control, const TvxSkinData* data, bool popupUp, tk::TMenuItem* root,
             const frame::Rect& anchor, int start);

  bool Visible() const { return nav_.Visible(); }
  void CloseFrom(int level);
  void CloseAll();
  // A key for the open menu; true when it closed the whole menu (Escape).
  bool KeyDown(WPARAM key);

  // For the frame and the tests.
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  TvxSkinPopupWindow* Window(int level) const;
  bool IsMenuWindow(HWND h) const;
  const frame::MenuNavigator& Navigator() const { return nav_; }
  const frame::MenuLook& Look() const { return look_; }
  frame::MenuTextPainter& Text() { return *text_; }
  RECT WorkArea() const { return workArea_; }
  // The size a window showing these items gets now.
  frame::PopupSize SizeFor(const std::vector<const frame::MenuItem*>& items) const;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  friend class TvxSkinPopupWindow;
  void Run(const frame::MenuEvents& events);
  void EndMenu();
  void CloseWindowsQuietly();
  void ChooseFont(const TvxSkinData* data);
  static void FillFromToolkit(frame::MenuItem& model, tk::TMenuItem* item);

  frame::MenuNavigator nav_;
  std::vector<std::unique_ptr<TvxSkinPopupWindow>> windows_;
  frame::MenuItem root_;
  frame::Rect anchor_;
  bool popupUp_ = false;
  int start_ = 0;
  Runner execute_, opening_;
  tk::TMenu* toolkitMenu_ = nullptr;
  tk::TWinControl* popupControl_ = nullptr;
  tk::TWinControl* commandControl_ = nullptr;
  const TvxSkinData* skinData_ = nullptr;
  frame::MenuLook look_;
  tk::TFont font_;
  std::unique_ptr<frame::MenuTextPainter> text_;
  RECT workArea_{};
  tk::TTimer* submenuTimer_ = nullptr;
  bool running_ = false;
};

// A popup menu drawn by the skin. Shown through the frame of its form: a form
// without a frame shows nothing.
class TvxSkinPopupMenu : public tk::TPopupMenu {
 public:
  explicit TvxSkinPopupMenu(tk::TComponent* owner);

  TvxSkinDataComponent* SkinData() const { return skinData_; }
  void SetSkinData(TvxSkinDataComponent* data);
  tk::TNotifyEvent OnMenuClose;
  // Its form (found from the owner when not set) and an explicit frame.
  tk::TCustomForm* PopupForm = nullptr;
  TvxChassis* Chassis = nullptr;

  // At a screen point.
  void Popup(int x, int y) override;
  // For a control at a screen rectangle, above it when `upward`.
  void Popup(tk::TWinControl* control, const RECT& rect, bool upward);
  // The context menu of an edit at a screen point.
  void PopupForEdit(tk::TWinControl* edit, int x, int y);
  POINT LastPopupPoint() const { return last_; }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  TvxChassis* FindFrame() const;
  bool Show(tk::TWinControl* control, const frame::Rect& anchor, bool upward, bool needSkinData);
  TvxSkinDataComponent* skinData_ = nullptr;
  POINT last_{-1, -1};
};

// Puts the skinned menu in as the context menu of every edit on a form with
// a frame; edits elsewhere keep the platform's. Called by each frame.
void UseSkinnedEditMenus();

}  // namespace vx
