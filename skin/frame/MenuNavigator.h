// The open cascade of a skinned menu as a state machine: one window per open
// level, the highlighted item of each, the 500 ms sub-menu timer, keyboard
// navigation with accelerators, mouse hover and release, and the scrolling of
// windows in scroll mode. The menu window binding creates and frees the real
// windows and timers the events ask for.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "MenuItems.h"

namespace vx::frame {

struct MenuEntry {
  const MenuItem* item = nullptr;
  bool Active = false;            // highlighted
  bool Down = false;              // its sub-menu is open
  bool keyboardSelected = false;
};

struct MenuWindowState {
  const MenuItem* parent = nullptr;  // whose sub-items it shows
  std::vector<MenuEntry> entries;    // the visible sub-items from the start index
  int active = -1;
  int previousActive = -1;
  bool scrollMode = false;
  int firstVisible = 0;
  int visibleCount = 0;              // items shown at once (all without scroll mode)
  int scrollCode = 0;                // 0 none, 1 up, 2 down

  bool IsVisible(int i) const { return i >= firstVisible && i < firstVisible + visibleCount; }
};

enum class MenuKey { Enter, Escape, Left, Right, Up, Down, Other };

struct MenuEvent {
  enum class Kind {
    OpenWindow,         // level; anchor: item `index` of window level - 1 (none for the first)
    CloseWindow,        // level
    RedrawItem,         // level, index
    Scrolled,           // level: first visible index changed
    StartSubmenuTimer,  // 500 ms
    StopSubmenuTimer,
    StartScrollTimer,   // 100 ms, level
    StopScrollTimer,
    Execute,            // run `item`'s command
    MenuClosed,         // message 1228 (to the popup control and, after CloseAll, the form)
    CommandDone,        // message 1229 to the command control
  };
  MenuEvent(Kind k, int lvl = -1, int idx = -1, const MenuItem* it = nullptr)
      : kind(k), level(lvl), index(idx), item(it) {}
  Kind kind;
  int level = -1;
  int index = -1;
  const MenuItem* item = nullptr;
};
using MenuEvents = std::vector<MenuEvent>;

class MenuNavigator {
 public:
  bool Visible() const { return !windows_.empty(); }
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  const MenuWindowState& Window(int level) const { return *windows_[level]; }
  const MenuEntry* WaitingItem() const { return waiting_; }
  bool SubmenuTimerRunning() const { return submenuTimer_; }

  // Shows the sub-items of `root` from `start`; nothing when there are none.
  MenuEvents Popup(const MenuItem* root, int start);
  // The binding tells how many items a window in scroll mode shows at once.
  void SetScrollMode(int level, bool scrollMode, int visibleCount);

  // Mouse over item `index` of window `level` (-1: over no item).
  MenuEvents Hover(int level, int index);
  // Left button released over item `index`.
  MenuEvents Release(int level, int index);
  // The pointer enters (1 top, 2 bottom) or leaves (0) a scroll marker.
  MenuEvents HoverScrollMarker(int level, int marker);
  MenuEvents ScrollTimerFired(int level);
  MenuEvents SubmenuTimerFired();
  // A key for the top window; `ch` is the typed character for accelerators.
  MenuEvents Key(MenuKey key, char ch = 0);
  // Whether the last Escape closed the whole menu (the frame then runs its
  // menus-closed handling).
  bool ClosedByLastKey() const { return closedByKey_; }

  MenuEvents CloseFrom(int level);
  MenuEvents CloseAll();

  // Runs an item's own command just before its sub-menu window is built from
  // its sub-items, so a handler that fills the sub-menu is seen. The item's
  // sub-items may be replaced here (no window shows them yet); the Execute
  // event for that item then only reports what already ran.
  std::function<void(const MenuItem& item)> OnOpeningSubmenu;

 private:
  void OpenWindow(const MenuItem* parent, int start, int anchorIndex, MenuEvents& ev);
  void Activate(int level, int index, bool byKeyboard, MenuEvents& ev);
  void Deactivate(int level, int index, MenuEvents& ev);
  void Execute(int level, int index, MenuEvents& ev);
  void CloseFromInto(int level, MenuEvents& ev);
  void SetActiveByKeyboard(int level, int index, MenuEvents& ev);
  void StopSubmenuTimer(MenuEvents& ev);
  void EnsureVisible(int level, int index, MenuEvents& ev);
  bool Valid(int level, int index) const;

  std::vector<std::unique_ptr<MenuWindowState>> windows_;
  MenuEntry* waiting_ = nullptr;
  int waitingLevel_ = -1;
  bool submenuTimer_ = false;
  bool closedByKey_ = false;
};

}  // namespace vx::frame
