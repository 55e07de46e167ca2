#include "MenuNavigator.h"

#include <cctype>

namespace vx::frame {
namespace {
using K = MenuEvent::Kind;
}

bool MenuNavigator::Valid(int level, int index) const {
  return level >= 0 && level < WindowCount() && index >= 0 &&
         index < static_cast<int>(windows_[level]->entries.size());
}

MenuEvents MenuNavigator::Popup(const MenuItem* root, int start) {
  MenuEvents ev;
  closedByKey_ = false;
  // A new popup replaces whatever was open, quietly.
  while (!windows_.empty()) {
    ev.emplace_back(K::CloseWindow, WindowCount() - 1);
    windows_.pop_back();
  }
  StopSubmenuTimer(ev);
  if (!root || start < 0 || start >= static_cast<int>(root->items.size())) return ev;
  OpenWindow(root, start, -1, ev);
  return ev;
}

void MenuNavigator::OpenWindow(const MenuItem* parent, int start, int anchorIndex, MenuEvents& ev) {
  auto w = std::make_unique<MenuWindowState>();
  w->parent = parent;
  for (size_t i = static_cast<size_t>(start); i < parent->items.size(); ++i)
    if (parent->items[i].visible) w->entries.push_back(MenuEntry{&parent->items[i]});
  w->visibleCount = static_cast<int>(w->entries.size());
  windows_.push_back(std::move(w));
  const int level = WindowCount() - 1;
  ev.emplace_back(K::OpenWindow, level, anchorIndex);
  // A new window opens with its first command highlighted.
  MenuWindowState& win = *windows_[level];
  for (size_t i = 0; i < win.entries.size(); ++i) {
    if (win.entries[i].item->Selectable()) {
      win.entries[i].keyboardSelected = true;
      win.active = static_cast<int>(i);
      Activate(level, static_cast<int>(i), true, ev);
      break;
    }
  }
}

void MenuNavigator::SetScrollMode(int level, bool scrollMode, int visibleCount) {
  if (level < 0 || level >= WindowCount()) return;
  MenuWindowState& w = *windows_[level];
  w.scrollMode = scrollMode;
  w.visibleCount = scrollMode ? std::max(visibleCount, 1) : static_cast<int>(w.entries.size());
}

void MenuNavigator::StopSubmenuTimer(MenuEvents& ev) {
  if (submenuTimer_) ev.emplace_back(K::StopSubmenuTimer);
  submenuTimer_ = false;
  waiting_ = nullptr;
  waitingLevel_ = -1;
}

void MenuNavigator::Activate(int level, int index, bool byKeyboard, MenuEvents& ev) {
  MenuWindowState& w = *windows_[level];
  MenuEntry& e = w.entries[index];
  e.Active = true;
  for (size_t i = 0; i < w.entries.size(); ++i) {
    if (static_cast<int>(i) != index && w.entries[i].Down) {
      w.entries[i].Down = false;
      ev.emplace_back(K::RedrawItem, level, static_cast<int>(i));
    }
  }
  if (e.keyboardSelected && !byKeyboard) {
    ev.emplace_back(K::RedrawItem, level, index);
    return;
  }
  if (e.Down) {
    // Its sub-menu is open: close what lies above that and reset it.
    CloseFromInto(level + 2, ev);
    if (level + 1 < WindowCount()) {
      MenuWindowState& sub = *windows_[level + 1];
      for (size_t i = 0; i < sub.entries.size(); ++i) {
        if (sub.entries[i].Down) {
          sub.entries[i].Down = false;
          ev.emplace_back(K::RedrawItem, level + 1, static_cast<int>(i));
        }
      }
    }
    return;
  }
  ev.emplace_back(K::RedrawItem, level, index);
  if (!e.item->HasSubItems()) {
    StopSubmenuTimer(ev);
    CloseFromInto(level + 1, ev);
  } else if (!byKeyboard) {
    CloseFromInto(level + 1, ev);
    StopSubmenuTimer(ev);
    waiting_ = &windows_[level]->entries[index];
    waitingLevel_ = level;
    submenuTimer_ = true;
    ev.emplace_back(K::StartSubmenuTimer, level, index);
  }
}

void MenuNavigator::Deactivate(int level, int index, MenuEvents& ev) {
  MenuEntry& e = windows_[level]->entries[index];
  e.Active = false;
  e.keyboardSelected = false;
  if (!e.Down) ev.emplace_back(K::RedrawItem, level, index);
  if (waiting_ == &e) StopSubmenuTimer(ev);
}

void MenuNavigator::Execute(int level, int index, MenuEvents& ev) {
  const MenuItem* item = windows_[level]->entries[index].item;
  if (!item->HasSubItems()) {
    MenuEvents closing = CloseAll();
    ev.insert(ev.end(), closing.begin(), closing.end());
    ev.emplace_back(K::Execute, -1, -1, item);
    ev.emplace_back(K::CommandDone);
    return;
  }
  // The item's own command first, so its handler can fill the sub-menu.
  ev.emplace_back(K::Execute, level, index, item);
  StopSubmenuTimer(ev);
  CloseFromInto(level + 1, ev);
  if (OnOpeningSubmenu) {
    OnOpeningSubmenu(*item);
    // The handler may have closed the menu.
    if (!Valid(level, index) || windows_[level]->entries[index].item != item) return;
  }
  bool anyVisible = false;
  for (const MenuItem& sub : item->items) anyVisible = anyVisible || sub.visible;
  if (!anyVisible) return;
  windows_[level]->entries[index].Down = true;
  ev.emplace_back(K::RedrawItem, level, index);
  OpenWindow(item, 0, index, ev);
}

MenuEvents MenuNavigator::Hover(int level, int index) {
  MenuEvents ev;
  if (!Valid(level, index) || !windows_[level]->IsVisible(index)) return ev;
  MenuWindowState& w = *windows_[level];
  if (index == w.active) {
    MenuEntry& e = w.entries[index];
    if (e.keyboardSelected) {
      e.keyboardSelected = false;
      // Resting on a keyboard-selected sub-menu item starts its timer.
      if (e.item->HasSubItems()) Activate(level, index, false, ev);
    }
    return ev;
  }
  const int old = w.active;
  w.previousActive = old;
  w.active = index;
  if (Valid(level, old) && w.entries[old].item->Selectable()) Deactivate(level, old, ev);
  if (w.entries[index].item->Selectable()) Activate(level, index, false, ev);
  return ev;
}

MenuEvents MenuNavigator::Release(int level, int index) {
  MenuEvents ev;
  if (!Valid(level, index) || !windows_[level]->IsVisible(index)) return ev;
  const MenuEntry& e = windows_[level]->entries[index];
  if (e.item->IsSeparator() || !e.item->enabled || e.Down) return ev;
  Execute(level, index, ev);
  return ev;
}

MenuEvents MenuNavigator::SubmenuTimerFired() {
  MenuEvents ev;
  if (!submenuTimer_ || !waiting_) {
    StopSubmenuTimer(ev);
    return ev;
  }
  const int level = waitingLevel_;
  const int index = static_cast<int>(waiting_ - windows_[level]->entries.data());
  StopSubmenuTimer(ev);
  if (Valid(level, index)) Execute(level, index, ev);
  return ev;
}

void MenuNavigator::SetActiveByKeyboard(int level, int index, MenuEvents& ev) {
  MenuWindowState& w = *windows_[level];
  const int old = w.active;
  if (Valid(level, old) && old != index) Deactivate(level, old, ev);
  w.previousActive = old;
  w.active = index;
  w.entries[index].keyboardSelected = true;
  Activate(level, index, true, ev);
  EnsureVisible(level, index, ev);
}

void MenuNavigator::EnsureVisible(int level, int index, MenuEvents& ev) {
  MenuWindowState& w = *windows_[level];
  if (!w.scrollMode) return;
  const int before = w.firstVisible;
  if (index < w.firstVisible) w.firstVisible = index;
  else if (index >= w.firstVisible + w.visibleCount) w.firstVisible = index - w.visibleCount + 1;
  if (w.firstVisible != before) ev.emplace_back(K::Scrolled, level);
}

MenuEvents MenuNavigator::Key(MenuKey key, char ch) {
  MenuEvents ev;
  closedByKey_ = false;
  if (!Visible()) return ev;
  const int level = WindowCount() - 1;
  MenuWindowState& w = *windows_[level];
  const int n = static_cast<int>(w.entries.size());

  if (key == MenuKey::Other && ch != 0) {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (int i = 0; i < n; ++i) {
      if (AcceleratorOf(w.entries[i].item->caption) != wanted) continue;
      const int old = w.active;
      if (Valid(level, old) && old != i && w.entries[old].item->Selectable()) Deactivate(level, old, ev);
      w.previousActive = old;
      w.active = i;
      Activate(level, i, false, ev);
      EnsureVisible(level, i, ev);
      if (w.entries[i].item->Selectable() && !w.entries[i].Down) Execute(level, i, ev);
      return ev;
    }
    return ev;
  }
  switch (key) {
    case MenuKey::Enter:
      if (Valid(level, w.active) && w.entries[w.active].item->Selectable()) Execute(level, w.active, ev);
      break;
    case MenuKey::Left:
      if (WindowCount() < 2) break;  // nothing to go back to
      [[fallthrough]];
    case MenuKey::Escape:
      if (WindowCount() >= 2) {
        MenuWindowState& below = *windows_[level - 1];
        if (Valid(level - 1, below.active)) {
          below.entries[below.active].Down = false;
          ev.emplace_back(K::RedrawItem, level - 1, below.active);
        }
        CloseFromInto(level, ev);
      } else {
        CloseFromInto(0, ev);
        closedByKey_ = true;
      }
      break;
    case MenuKey::Down: {
      const int start = (w.active < 0 || w.active >= n - 1) ? 0 : w.active + 1;
      for (int i = start; i < n; ++i) {
        if (w.entries[i].item->Selectable()) {
          SetActiveByKeyboard(level, i, ev);
          break;
        }
      }
      break;
    }
    case MenuKey::Up: {
      const int start = (w.active <= 0 || w.active >= n) ? n - 1 : w.active - 1;
      for (int i = start; i >= 0; --i) {
        if (w.entries[i].item->Selectable()) {
          SetActiveByKeyboard(level, i, ev);
          break;
        }
      }
      break;
    }
    case MenuKey::Right:
      if (Valid(level, w.active) && w.entries[w.active].item->HasSubItems() &&
          w.entries[w.active].item->enabled)
        Execute(level, w.active, ev);
      break;
    case MenuKey::Other:
      break;
  }
  return ev;
}

MenuEvents MenuNavigator::HoverScrollMarker(int level, int marker) {
  MenuEvents ev;
  if (level < 0 || level >= WindowCount()) return ev;
  MenuWindowState& w = *windows_[level];
  if (!w.scrollMode) return ev;
  const int n = static_cast<int>(w.entries.size());
  int code = 0;
  if (marker == 1 && w.firstVisible > 0) code = 1;
  if (marker == 2 && w.firstVisible + w.visibleCount < n) code = 2;
  if (code == w.scrollCode) return ev;
  if (w.scrollCode != 0) ev.emplace_back(K::StopScrollTimer, level);
  w.scrollCode = code;
  if (code != 0) ev.emplace_back(K::StartScrollTimer, level);
  return ev;
}

MenuEvents MenuNavigator::ScrollTimerFired(int level) {
  MenuEvents ev;
  if (level < 0 || level >= WindowCount()) return ev;
  if (windows_[level]->scrollCode == 0) return ev;
  CloseFromInto(level + 1, ev);
  MenuWindowState& w = *windows_[level];
  const int n = static_cast<int>(w.entries.size());
  w.firstVisible += w.scrollCode == 1 ? -1 : 1;
  ev.emplace_back(K::Scrolled, level);
  const bool atEnd = w.scrollCode == 1 ? w.firstVisible <= 0 : w.firstVisible + w.visibleCount >= n;
  if (atEnd) {
    w.scrollCode = 0;
    ev.emplace_back(K::StopScrollTimer, level);
  }
  return ev;
}

void MenuNavigator::CloseFromInto(int level, MenuEvents& ev) {
  level = std::max(level, 0);
  const bool ending = level == 0 && !windows_.empty();
  while (WindowCount() > level) {
    const int top = WindowCount() - 1;
    // The item waiting for its sub-menu dies with its window: the timer must
    // not open the sub-menu of a freed item.
    if (waitingLevel_ >= top) StopSubmenuTimer(ev);
    if (windows_[top]->scrollCode != 0) ev.emplace_back(K::StopScrollTimer, top);
    ev.emplace_back(K::CloseWindow, top);
    windows_.pop_back();
  }
  if (ending) {
    StopSubmenuTimer(ev);
    ev.emplace_back(K::MenuClosed, 0);
  }
}

MenuEvents MenuNavigator::CloseFrom(int level) {
  MenuEvents ev;
  CloseFromInto(level, ev);
  return ev;
}

MenuEvents MenuNavigator::CloseAll() {
  MenuEvents ev;
  CloseFromInto(0, ev);
  StopSubmenuTimer(ev);
  // The form hears that its menus closed (level -1: to the form's window).
  ev.emplace_back(K::MenuClosed, -1);
  return ev;
}

}  // namespace vx::frame
