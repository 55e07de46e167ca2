// The default system menu, the merge into a user menu and the item actions.
#include <gtest/gtest.h>

#include "SystemMenu.h"

namespace vx::frame {
namespace {

std::vector<std::string> Captions(const MenuItem& m) {
  std::vector<std::string> out;
  for (const MenuItem& i : m.items) out.push_back(i.caption);
  return out;
}
using Strings = std::vector<std::string>;

TEST(SystemMenu, ProgramFormsNormalAndRolledUp) {
  SystemMenuState s;
  s.icons = kProgramBorderIcons;
  MenuItem m = BuildDefaultSystemMenu(s);
  EXPECT_EQ(Captions(m), (Strings{"Mi&nimize", "Ro&llUp", "-", "&Close"}));
  EXPECT_EQ(m.items.back().shortcut, "Alt+F4");
  EXPECT_EQ(m.items.back().name, "CHS_CLOSE");
  EXPECT_TRUE(m.items[2].IsSeparator());

  s.rolledUp = true;
  EXPECT_EQ(Captions(BuildDefaultSystemMenu(s)), (Strings{"Mi&nimize", "&Restore", "-", "&Close"}));

  // A minimized dialog (its caption bar) offers restore only.
  s.rolledUp = false;
  s.frameState = TvxFrameWindowState::Minimized;
  EXPECT_EQ(Captions(BuildDefaultSystemMenu(s)), (Strings{"&Restore", "-", "&Close"}));
}

TEST(SystemMenu, AllIconsResourceCaptionsAndMdiShortcut) {
  SystemMenuState s;
  s.icons = kDefaultBorderIcons | biMinimizeToTray;
  s.mdiChild = true;
  s.resources = [](const std::string& key) -> std::optional<std::string> {
    if (key == "MI_CLOSECAPTION") return std::string("Schlie&ssen");
    return std::nullopt;
  };
  MenuItem m = BuildDefaultSystemMenu(s);
  EXPECT_EQ(Captions(m), (Strings{"Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "-", "Schlie&ssen"}));
  EXPECT_EQ(m.items.back().shortcut, "Ctrl+F4");

  // With nothing but close there is no separator.
  s.icons = 0;
  EXPECT_EQ(Captions(BuildDefaultSystemMenu(s)), (Strings{"Schlie&ssen"}));
}

TEST(SystemMenu, MergeSurroundsTheUsersItemsOnEveryOpening) {
  SystemMenuState s;
  s.icons = kDefaultBorderIcons | biMinimizeToTray;
  s.frameState = TvxFrameWindowState::Maximized;
  MenuItem user;
  MenuItem own;
  own.caption = "&About";
  own.name = "about";
  user.items.push_back(own);
  MergeSystemMenu(user, s);
  MergeSystemMenu(user, s);
  EXPECT_EQ(Captions(user), (Strings{"Mi&nimize", "&Restore", "Ro&llUp", "Minimize to &Tray", "&About", "&Close"}));
  s.frameState = TvxFrameWindowState::Normal;
  MergeSystemMenu(user, s);
  EXPECT_EQ(Captions(user), (Strings{"Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "&About", "&Close"}));
}

TEST(SystemMenu, ItemActions) {
  SystemMenuActionState a;
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Minimize, a), SystemMenuAction::SetMinimized);
  a.alwaysMinimizeToTray = true;
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Minimize, a), SystemMenuAction::MinimizeToTray);
  a.rolledUp = true;
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Restore, a), SystemMenuAction::RollDown);
  a.frameState = TvxFrameWindowState::Maximized;
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Restore, a), SystemMenuAction::SetNormal);
  a.rolledUpWhileMaximized = true;
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Restore, a), SystemMenuAction::RollDown);
  EXPECT_EQ(ResolveSystemMenuCommand(SystemMenuCommand::Close, a), SystemMenuAction::Close);
  MenuItem tray = BuildTrayMenu({});
  ASSERT_EQ(tray.items.size(), 2u);
  EXPECT_EQ(tray.items[0].name, "TRAY_CHS_RESTORE");
  EXPECT_EQ(static_cast<SystemMenuCommand>(tray.items[0].command), SystemMenuCommand::TrayRestore);
}

}  // namespace
}  // namespace vx::frame
