// The frame's system menu: the default menu rebuilt before each use from the
// window state and BorderIcons, the merge of the standard items into a user
// SystemMenu, and what each standard item does.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "FrameTypes.h"
#include "MenuItems.h"

namespace vx::frame {

enum class SystemMenuCommand : int {
  None = 0,
  Minimize = 1,
  Maximize,
  Restore,
  RollUp,
  MinimizeToTray,
  Close,
  TrayRestore,
  TrayClose,
};

struct SystemMenuState {
  TvxFrameWindowState frameState = TvxFrameWindowState::Normal;
  bool rolledUp = false;
  TvxBorderIcons icons = kDefaultBorderIcons;
  bool mdiChild = false;
  bool maximizedMdiChild = false;
  // The skin's resource strings (nullopt: built-in caption).
  std::function<std::optional<std::string>(const std::string& key)> resources;
};

// The default system menu, in its order: minimize, maximize, restore,
// roll-up, minimize to tray, a separator when any came before, close.
MenuItem BuildDefaultSystemMenu(const SystemMenuState& s);

// Puts the standard items around a user menu's own items: every earlier
// standard item is removed first, so repeated openings never double them.
void MergeSystemMenu(MenuItem& userMenu, const SystemMenuState& s);

// The tray popup menu: restore and close.
MenuItem BuildTrayMenu(const SystemMenuState& s);

// What a standard item does at the moment it is chosen.
enum class SystemMenuAction {
  None,
  SetMinimized,
  SetMaximized,
  SetNormal,
  RollUp,
  RollDown,
  MinimizeToTray,
  RestoreFromTray,
  Close,
};
struct SystemMenuActionState {
  TvxFrameWindowState frameState = TvxFrameWindowState::Normal;
  bool rolledUp = false;
  bool rolledUpWhileMaximized = false;
  bool alwaysMinimizeToTray = false;
};
SystemMenuAction ResolveSystemMenuCommand(SystemMenuCommand c, const SystemMenuActionState& s);

}  // namespace vx::frame
