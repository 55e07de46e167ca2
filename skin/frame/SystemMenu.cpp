#include "SystemMenu.h"

#include <algorithm>

namespace vx::frame {
namespace {

using C = SystemMenuCommand;

const char* const kStandardNames[] = {"CHS_MINITEM", "CHS_MAXITEM", "CHS_RESTORE",
                                      "CHS_ROLLUP",  "CHS_MINTOTRAY", "CHS_CLOSE"};

MenuItem Item(const SystemMenuState& s, const char* name, const char* resourceKey, const char* builtIn,
              C command) {
  MenuItem m;
  m.name = name;
  m.caption = builtIn;
  if (s.resources) {
    if (auto text = s.resources(resourceKey)) m.caption = *text;
  }
  m.command = static_cast<int>(command);
  if (command == C::Close || command == C::TrayClose) m.shortcut = s.mdiChild ? "Ctrl+F4" : "Alt+F4";
  return m;
}

bool WantsMinimize(const SystemMenuState& s) {
  return s.frameState != TvxFrameWindowState::Minimized && (s.icons & biMinimize);
}
bool WantsMaximize(const SystemMenuState& s) {
  return s.frameState != TvxFrameWindowState::Maximized && (s.icons & biMaximize);
}
bool WantsRestore(const SystemMenuState& s) { return s.frameState != TvxFrameWindowState::Normal || s.rolledUp; }
bool WantsRollUp(const SystemMenuState& s) {
  return (s.icons & biRollUp) && !s.rolledUp && s.frameState != TvxFrameWindowState::Minimized &&
         !s.maximizedMdiChild;
}
bool WantsTray(const SystemMenuState& s) { return (s.icons & biMinimizeToTray) != 0; }

MenuItem Minimize(const SystemMenuState& s) { return Item(s, "CHS_MINITEM", "MI_MINCAPTION", "Mi&nimize", C::Minimize); }
MenuItem Maximize(const SystemMenuState& s) { return Item(s, "CHS_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", C::Maximize); }
MenuItem Restore(const SystemMenuState& s) { return Item(s, "CHS_RESTORE", "MI_RESTORECAPTION", "&Restore", C::Restore); }
MenuItem RollUp(const SystemMenuState& s) { return Item(s, "CHS_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", C::RollUp); }
MenuItem Tray(const SystemMenuState& s) {
  return Item(s, "CHS_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray", C::MinimizeToTray);
}
MenuItem Close(const SystemMenuState& s) { return Item(s, "CHS_CLOSE", "MI_CLOSECAPTION", "&Close", C::Close); }

}  // namespace

MenuItem BuildDefaultSystemMenu(const SystemMenuState& s) {
  MenuItem menu;
  if (WantsMinimize(s)) menu.items.push_back(Minimize(s));
  if (WantsMaximize(s)) menu.items.push_back(Maximize(s));
  if (WantsRestore(s)) menu.items.push_back(Restore(s));
  if (WantsRollUp(s)) menu.items.push_back(RollUp(s));
  if (WantsTray(s)) menu.items.push_back(Tray(s));
  if (!menu.items.empty()) {
    MenuItem separator;
    separator.caption = "-";
    menu.items.push_back(separator);
  }
  menu.items.push_back(Close(s));
  return menu;
}

void MergeSystemMenu(MenuItem& userMenu, const SystemMenuState& s) {
  auto& items = userMenu.items;
  for (const char* name : kStandardNames) {
    items.erase(std::remove_if(items.begin(), items.end(), [&](const MenuItem& m) { return m.name == name; }),
                items.end());
  }
  auto front = [&](MenuItem m) { items.insert(items.begin(), std::move(m)); };
  if (WantsTray(s)) front(Tray(s));
  if (WantsRollUp(s)) front(RollUp(s));
  if (WantsMaximize(s)) front(Maximize(s));
  if (WantsRestore(s)) front(Restore(s));
  if (WantsMinimize(s)) front(Minimize(s));
  items.push_back(Close(s));
}

MenuItem BuildTrayMenu(const SystemMenuState& s) {
  MenuItem menu;
  MenuItem restore = Item(s, "TRAY_CHS_RESTORE", "MI_RESTORECAPTION", "&Restore", C::TrayRestore);
  menu.items.push_back(restore);
  menu.items.push_back(Item(s, "TRAY_CHS_CLOSE", "MI_CLOSECAPTION", "&Close", C::TrayClose));
  return menu;
}

SystemMenuAction ResolveSystemMenuCommand(SystemMenuCommand c, const SystemMenuActionState& s) {
  switch (c) {
    case C::Minimize:
      return s.alwaysMinimizeToTray ? SystemMenuAction::MinimizeToTray : SystemMenuAction::SetMinimized;
    case C::Maximize: return SystemMenuAction::SetMaximized;
    case C::Restore:
      if (s.rolledUpWhileMaximized || (s.rolledUp && s.frameState == TvxFrameWindowState::Normal))
        return SystemMenuAction::RollDown;
      return SystemMenuAction::SetNormal;
    case C::RollUp: return SystemMenuAction::RollUp;
    case C::MinimizeToTray: return SystemMenuAction::MinimizeToTray;
    case C::Close:
    case C::TrayClose: return SystemMenuAction::Close;
    case C::TrayRestore: return SystemMenuAction::RestoreFromTray;
    case C::None: break;
  }
  return SystemMenuAction::None;
}

}  // namespace vx::frame
