// Frame objects: creation from records, BorderIcons, hints and layout.
#include <gtest/gtest.h>

#include "FrameObjects.h"
#include "ProgramSkin.h"

namespace vx::frame {
namespace {

using testing::Named;
using testing::ProgramFrameSkin;
using testing::ProgramObjects;
using testing::ProgramObjectRecords;

TEST(FrameObjects, CreationSkipsMenuRecordsAndKeepsOrder) {
  auto records = ProgramObjectRecords();
  FrameObjectRecord menu;
  menu.name = "menuitem";
  menu.kind = ObjectRecordKind::MenuItem;
  records.insert(records.begin() + 1, menu);
  FrameObjectRecord barButton = records[0];
  barButton.name = "mainmenubarbutton";
  barButton.kind = ObjectRecordKind::MainMenuBarButton;
  records.push_back(barButton);
  const FrameObjectList list = CreateFrameObjects(records);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].IDName, "closebutton");
  EXPECT_EQ(list[1].IDName, "maxbutton");
  EXPECT_EQ(list[4].kind, ObjectKind::Caption);
  EXPECT_EQ(list[4].command, TvxStdCommand::cmdefault);
}

TEST(FrameObjects, MainWindowLayoutAtDesignSize) {
  const FrameObjectList list = ProgramObjects(ProgramFrameSkin(), 883, 708);
  EXPECT_EQ(Named(list, "closebutton").rect, (Rect{861, 3, 878, 18}));
  EXPECT_EQ(Named(list, "minbutton").rect, (Rect{839, 3, 856, 18}));
  EXPECT_EQ(Named(list, "caption").rect, (Rect{5, 4, 839, 20}));
  EXPECT_TRUE(Named(list, "closebutton").Visible && Named(list, "closebutton").Enabled);
  EXPECT_TRUE(Named(list, "minbutton").Visible && Named(list, "minbutton").Enabled);
  EXPECT_FALSE(Named(list, "maxbutton").Visible || Named(list, "maxbutton").Enabled);
  EXPECT_FALSE(Named(list, "sysmenubutton").Visible || Named(list, "sysmenubutton").Enabled);
}

TEST(FrameObjects, DialogLayoutAndHiddenButtonsTakeNoSpace) {
  FrameObjectList list = ProgramObjects(ProgramFrameSkin(), 540, 329);
  EXPECT_EQ(Named(list, "closebutton").rect, (Rect{518, 3, 535, 18}));
  EXPECT_EQ(Named(list, "minbutton").rect, (Rect{496, 3, 513, 18}));

  // With maximize allowed the minimize button moves one place left.
  list = ProgramObjects(ProgramFrameSkin(), 540, 329, biMinimize | biMaximize);
  EXPECT_EQ(Named(list, "maxbutton").rect, (Rect{496, 3, 513, 18}));
  EXPECT_EQ(Named(list, "minbutton").rect, (Rect{474, 3, 491, 18}));
  EXPECT_EQ(Named(list, "caption").rect.Right, 474);

  // The system-menu button sits at the caption's left, centred vertically.
  list = ProgramObjects(ProgramFrameSkin(), 540, 329, biSystemMenu | biMinimize);
  EXPECT_EQ(Named(list, "sysmenubutton").rect, (Rect{5, 4, 22, 19}));
  EXPECT_EQ(Named(list, "caption").rect.Left, 22);
}

TEST(FrameObjects, ButtonsOnTheLeft) {
  FrameSkin skin = ProgramFrameSkin();
  skin.info.buttonsinleft = true;
  const FrameObjectList list = ProgramObjects(skin, 540, 329);
  EXPECT_EQ(Named(list, "closebutton").rect, (Rect{5, 3, 22, 18}));
  EXPECT_EQ(Named(list, "minbutton").rect, (Rect{27, 3, 44, 18}));
  EXPECT_EQ(Named(list, "caption").rect.Left, 54);
}

TEST(FrameObjects, FrameDrawnObjectsFollowTheirCorner) {
  FrameSkin skin = ProgramFrameSkin();
  std::vector<FrameObjectRecord> records(5);
  const Rect places[] = {{1, 1, 5, 5},       {275, 1, 280, 5},   {1, 206, 3, 209},
                         {280, 206, 284, 209}, {100, 100, 120, 120}};
  for (int i = 0; i < 5; ++i) {
    records[i].name = {'u', static_cast<char>('0' + i)};
    records[i].kind = ObjectRecordKind::UserObject;
    records[i].skinrect = places[i];
  }
  records[4].skinrect = {1, 20, 3, 206};  // spans left-top to left-bottom: grows down
  FrameObjectList list = CreateFrameObjects(records);
  LayoutCaptionButtons(list, skin, UpdateFrameGeometry(skin, 385, 260), {});
  EXPECT_EQ(list[0].rect, places[0]);
  EXPECT_EQ(list[1].rect, places[1].Offset(100, 0));
  EXPECT_EQ(list[2].rect, places[2].Offset(0, 50));
  EXPECT_EQ(list[3].rect, places[3].Offset(100, 50));
  EXPECT_EQ(list[4].rect, (Rect{1, 20, 3, 256}));
}

TEST(FrameObjects, HideCaptionButtonsKeepsFrameDrawnButtonsDisabled) {
  auto records = ProgramObjectRecords();
  records[1].skinrectinapicture = false;  // maximize drawn into the frame picture
  FrameObjectList list = CreateFrameObjects(records);
  BorderIconOptions bi;
  bi.icons = kProgramBorderIcons;
  ApplyBorderIcons(list, bi);
  EXPECT_TRUE(list[1].Visible);
  EXPECT_FALSE(list[1].Enabled);

  bi.hideCaptionButtons = true;
  list = CreateFrameObjects(records);
  ApplyBorderIcons(list, bi);
  EXPECT_FALSE(list[0].Visible);
  EXPECT_FALSE(list[0].Enabled);
  EXPECT_TRUE(list[1].Visible);
  EXPECT_FALSE(list[1].Enabled);
  EXPECT_TRUE(list[4].Visible);  // the caption is not a button
}

TEST(FrameObjects, SystemMenuButtonFollowsDisableSystemMenuAndCustomObjectsAsk) {
  auto records = ProgramObjectRecords();
  records[0].command = TvxStdCommand::cmdefault;
  records[0].name = "help";
  FrameObjectList list = CreateFrameObjects(records);
  BorderIconOptions bi;
  bi.disableSystemMenu = true;
  ApplyBorderIcons(list, bi);
  EXPECT_FALSE(list[3].Enabled);
  EXPECT_FALSE(list[0].Visible);  // no OnActivateCustomObject: hidden
  bi.activateCustomObject = [](const std::string& id) { return id == "help"; };
  ApplyBorderIcons(list, bi);
  EXPECT_TRUE(list[0].Visible);
}

TEST(FrameObjects, DefaultHintsReplaceTheSkinsHints) {
  FrameObjectList list = CreateFrameObjects(ProgramObjectRecords());
  ApplyDefaultHints(list, nullptr);
  EXPECT_EQ(list[0].hint, "Close");
  EXPECT_EQ(list[3].hint, "System menu");
  EXPECT_EQ(list[2].restoreHint, "Restore");
  ApplyDefaultHints(list, [](const std::string& key) -> std::optional<std::string> {
    if (key == "MINBUTTON_HINT") return std::string("Klein");
    if (key == "RESTORE_HINT") return std::string("Wieder");
    return std::nullopt;
  });
  EXPECT_EQ(list[2].hint, "Klein");
  EXPECT_EQ(list[2].restoreHint, "Wieder");
  EXPECT_EQ(list[0].hint, "Close");
}

TEST(FrameObjects, DefaultLayout) {
  FrameObjectList list = CreateDefaultButtons();
  ASSERT_EQ(list.size(), 6u);
  BorderIconOptions bi;  // system menu, minimize, maximize, roll-up
  ApplyBorderIcons(list, bi);
  FrameOptions o;
  const Rect a = LayoutDefaultButtons(list, 300, o, {});
  EXPECT_EQ(Named(list, "closebutton").rect, (Rect{280, 4, 297, 21}));
  EXPECT_EQ(Named(list, "maxbutton").rect, (Rect{263, 4, 280, 21}));
  EXPECT_EQ(Named(list, "minbutton").rect, (Rect{246, 4, 263, 21}));
  EXPECT_EQ(Named(list, "rollupbutton").rect, (Rect{229, 4, 246, 21}));
  EXPECT_EQ(Named(list, "traybutton").rect, (Rect{0, 0, 1, 1}));  // hidden: not placed
  EXPECT_EQ(Named(list, "sysmenubutton").rect, (Rect{3, 4, 20, 21}));
  EXPECT_EQ(a, (Rect{20, 3, 229, 19}));
}

}  // namespace
}  // namespace vx::frame
