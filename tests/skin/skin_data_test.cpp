// The skin data model: loading and its announcements, failed loads, lookups,
// the property setters, and the resource strings.
#include <gtest/gtest.h>

#include <memory>

#include "SkinFormFakes.h"
#include "SkinTestSupport.h"
#include "vxResourceStrings.h"
#include "vxSkinData.h"

namespace vx {
namespace {

using namespace vx::testing;

class SkinDataTest : public ::testing::Test {
 protected:
  SkinDataTest() : a("A", log, observed), b("B", log, observed), layer("L", log, observed, true), c("C", log, observed) {
    forms.forms = {&a, &layer, &b, &c};
    data.SetFormList(&forms);
    observed = &data;
  }

  std::vector<unsigned> MessagesOf(const std::string& form) const {
    std::vector<unsigned> out;
    for (const auto& h : log)
      if (h.form == form) out.push_back(h.msg);
    return out;
  }
  std::vector<std::string> Order(unsigned msg) const {
    std::vector<std::string> out;
    for (const auto& h : log)
      if (h.msg == msg) out.push_back(h.form);
    return out;
  }

  std::vector<Heard> log;
  const TvxSkinData* observed = nullptr;
  FakeForm a, b, layer, c;
  FakeFormList forms;
  TvxSkinData data;
};

TEST_F(SkinDataTest, LoadFillsTheModelAndAnnouncesThreeMessagesToEachForm) {
  TvxCompressedStoredSkin skin = StoredSkin(WriteSkinContainer(
      Parts(Definition({"button:button", "toolpanel:panel", "toolbutton:button"}, {"closebutton:stdbutton"}))));
  bool loadDataSeen = false;
  data.OnLoadData = [&](TvxSkinData& d) {
    loadDataSeen = true;
    EXPECT_FALSE(d.Empty());
    EXPECT_TRUE(d.Changing());
    EXPECT_TRUE(Order(WM_SKIN_CHANGED).empty());
  };
  data.SetCompressedStoredSkin(&skin);

  EXPECT_TRUE(loadDataSeen);
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.Changing());
  for (const char* f : {"A", "B", "C"})
    EXPECT_EQ(MessagesOf(f), (std::vector<unsigned>{1225, 1226, 1227})) << f;
  EXPECT_TRUE(MessagesOf("L").empty());
  EXPECT_TRUE(a.hasHandle);
  EXPECT_EQ(a.lastWParam, reinterpret_cast<uintptr_t>(&data));
  EXPECT_EQ(a.lastLParam, 1000);
  for (const auto& h : log) {
    if (h.msg == WM_SKIN_BEFORE_CHANGE) {
      EXPECT_TRUE(h.empty && h.changing);
    } else if (h.msg == WM_SKIN_CHANGED) {
      EXPECT_TRUE(!h.empty && h.changing);
    } else {
      EXPECT_TRUE(!h.empty && !h.changing);
    }
  }

  EXPECT_EQ(data.MainPicture.Width(), 28);
  EXPECT_TRUE(data.InactivePicture.Empty());
  EXPECT_EQ(data.MaskPicture.Height(), 21);
  ASSERT_EQ(data.PictureList.size(), 2u);
  EXPECT_EQ(data.PictureList[1].At(2, 6), Gradient(3, 7, 2).At(2, 6));
  EXPECT_EQ(data.Picture(-1), nullptr);
  EXPECT_EQ(data.Picture(2), nullptr);
  EXPECT_EQ(data.SkinName, "Test skin");
  EXPECT_EQ(data.MaskPictureName, "mask.bmp");
  EXPECT_EQ(data.ActivePictureNames, (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(data.SkinColors.cBtnFace, 12345);
  EXPECT_EQ(data.SkinColors.cWindow, SystemColor(5));
  EXPECT_EQ(data.LoadFacts().pictureBitCounts, (std::vector<int>{24, 32}));

  EXPECT_EQ(data.GetControlIndex("button"), 0);
  EXPECT_EQ(data.GetControlIndex("toolbutton"), 2);
  EXPECT_EQ(data.GetControlIndex("Button"), -1);
  EXPECT_EQ(data.GetObjectIndex("closebutton"), 0);
  ASSERT_NE(data.FindControl("toolpanel"), nullptr);
  EXPECT_EQ(data.FindControl("toolpanel")->TypeName, "panel");
  EXPECT_EQ(data.FindControl("toolpanel")->MainPictureIndex(), 1);
}

TEST_F(SkinDataTest, ListEntriesOfUnknownTypesAreSkippedAndDuplicatesFoundFirst) {
  std::string def = Definition({"first:button", "odd:nosuchtype", "nocolon", "dup:panel", "dup:button", "last:edit"});
  TvxCompressedStoredSkin skin = StoredSkin(WriteSkinContainer(Parts(def)));
  data.LoadCompressedStoredSkin(skin);
  ASSERT_EQ(data.ControlRecords.size(), 4u);
  EXPECT_EQ(data.ControlRecords[0]->Name, "first");
  EXPECT_EQ(data.ControlRecords[3]->Name, "last");
  EXPECT_EQ(data.GetControlIndex("dup"), 1);
  EXPECT_EQ(data.ControlRecord(1)->TypeName, "panel");
}

TEST_F(SkinDataTest, FailedLoadsClearTheSkinAndReturnFormsToTheirDefaultLook) {
  TvxCompressedStoredSkin good = StoredSkin(WriteSkinContainer(Parts(Definition({"button:button"}))));
  data.LoadCompressedStoredSkin(good);

  Bytes v4 = WriteSkinContainer(Parts(Definition({"button:button"})));
  v4[0] = 4;
  TvxCompressedStoredSkin corruptZlib;
  corruptZlib.SetCompressedData({0x78, 0xDA, 1, 2, 3});
  TvxCompressedStoredSkin badRect = StoredSkin(WriteSkinContainer(
      Parts(Definition({"button:button", "edit:edit"}, {}, "[edit]\r\nskinrect=\r\n"))));
  TvxCompressedStoredSkin refused = StoredSkin(v4);

  for (TvxCompressedStoredSkin* bad : {&corruptZlib, &badRect, &refused}) {
    log.clear();
    EXPECT_THROW(data.LoadCompressedStoredSkin(*bad), EvxSkinError);
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.Changing());
    EXPECT_TRUE(data.ControlRecords.empty());  // the records read before the failure are gone too
    EXPECT_TRUE(data.PictureList.empty());
    EXPECT_TRUE(data.MainPicture.Empty());
    EXPECT_EQ(data.FindControl("button"), nullptr);
    for (const char* f : {"A", "B", "C"})
      EXPECT_EQ(MessagesOf(f), (std::vector<unsigned>{1225, 1226, 1227})) << f;
    for (const auto& h : log)
      if (h.msg != WM_SKIN_BEFORE_CHANGE) {
        EXPECT_TRUE(h.empty && !h.changing);
      }
  }

  // A stored skin without bytes changes nothing and says nothing.
  data.LoadCompressedStoredSkin(good);
  log.clear();
  TvxCompressedStoredSkin none;
  data.SetCompressedStoredSkin(&none);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.GetControlIndex("button"), 0);
}

TEST_F(SkinDataTest, OwnerHearsFirstUnlessLayeredBordersAndLayeredBordersReverseTheOrder) {
  std::string layered = Definition({"button:button"}, {}, "[LAYERFRAME]\r\npictureindex=1\r\n");
  TvxCompressedStoredSkin withLayer = StoredSkin(WriteSkinContainer(Parts(layered)));
  data.SetOwnerForm(&b);

  data.SetShowLayeredBorders(false);
  log.clear();
  data.LoadCompressedStoredSkin(withLayer);
  EXPECT_EQ(Order(WM_SKIN_CHANGED), (std::vector<std::string>{"B", "A", "C"}));

  data.SetShowLayeredBorders(true);
  EXPECT_EQ(Order(WM_SKIN_LAYERED_BORDERS_CHANGED), (std::vector<std::string>{"C", "B", "A"}));
  log.clear();
  data.LoadCompressedStoredSkin(withLayer);
  EXPECT_EQ(Order(WM_SKIN_BEFORE_CHANGE), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(Order(WM_SKIN_AFTER_CHANGE), (std::vector<std::string>{"C", "B", "A"}));

  // Without a layered border picture the order is the form list's again.
  TvxCompressedStoredSkin plain = StoredSkin(WriteSkinContainer(Parts(Definition({"button:button"}))));
  data.LoadCompressedStoredSkin(plain);
  log.clear();
  data.SetAeroBlurEnabled(false);
  EXPECT_EQ(Order(WM_SKIN_BLUR_CHANGED), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(SkinDataTest, SettersAnnounceOnlyRealChangesOutsideTheDesigner) {
  data.SetSkinnableForm(true);  // unchanged
  EXPECT_TRUE(log.empty());
  data.SetSkinnableForm(false);
  EXPECT_EQ(Order(WM_SKIN_SKINNABLE_CHANGED).size(), 3u);
  log.clear();
  data.ReadingFormData = true;
  data.SetSkinnableForm(true);
  data.SetShowLayeredBorders(false);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(data.SkinnableForm());
  data.ReadingFormData = false;
  TvxResourceStrData strings;
  data.SetResourceStrData(&strings);
  EXPECT_EQ(Order(WM_SKIN_STRINGS_CHANGED).size(), 3u);
  data.Notification(&strings);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
}

TEST_F(SkinDataTest, SkinIndexFollowsTheListBounds) {
  data.SetSkinIndex(5);
  EXPECT_EQ(data.SkinIndex(), 5);  // no list: only stored
  data.SetSkinIndex(0);

  TvxCompressedSkinList list;
  for (int i = 0; i < 3; ++i) {
    std::string def = Definition({"skin" + std::to_string(i) + ":button"});
    list.Add().StoredSkin().SetCompressedData(DeflateSkin(WriteSkinContainer(Parts(def))));
  }
  data.SetSkinList(&list);
  EXPECT_EQ(data.GetControlIndex("skin0"), 0);
  log.clear();
  data.SetSkinIndex(5);
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_TRUE(log.empty());
  data.SetSkinIndex(2);
  EXPECT_EQ(data.SkinIndex(), 2);
  EXPECT_EQ(data.GetControlIndex("skin2"), 0);
}

TEST_F(SkinDataTest, ClearSkinResetsColoursAndWindowPictures) {
  std::string def = Definition({"button:button"}, {}, "[POPUPWINDOW]\r\nwindowpictureindex=0\r\n[LAYERFRAME]\r\npictureindex=1\r\n");
  data.LoadCompressedStoredSkin(StoredSkin(WriteSkinContainer(Parts(def))));
  EXPECT_EQ(data.PopupWindow().MainPictureIndex(), 0);
  EXPECT_EQ(data.LayerFrame().MainPictureIndex(), 1);
  data.ClearSkin();
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.PopupWindow().MainPictureIndex(), -1);
  EXPECT_EQ(data.LayerFrame().MainPictureIndex(), -1);
  EXPECT_EQ(data.SkinColors.cBtnFace, SystemColor(15));
  EXPECT_EQ(data.SkinColors.cBtnShadow, SystemColor(16));
  EXPECT_EQ(data.GetControlIndex("button"), -1);
}

TEST_F(SkinDataTest, AnAnnouncementsNumberNamesOnlyALiveSkinData) {
  data.SetSkinnableForm(!data.SkinnableForm());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(TvxSkinData::Announcing(a.lastWParam), &data);

  auto other = std::make_unique<TvxSkinData>();
  const auto otherNumber = reinterpret_cast<uintptr_t>(other.get());
  EXPECT_EQ(TvxSkinData::Announcing(otherNumber), other.get());
  other.reset();
  // The address of a freed skin data, numbers inside a live one, and numbers
  // that are no object at all name nothing.
  EXPECT_EQ(TvxSkinData::Announcing(otherNumber), nullptr);
  const auto number = reinterpret_cast<uintptr_t>(&data);
  for (uintptr_t n : {uintptr_t{0}, uintptr_t{1}, uintptr_t{1000}, number + 1, number + sizeof(void*),
                      uintptr_t{0xDEADBEEF}, ~uintptr_t{0}})
    EXPECT_EQ(TvxSkinData::Announcing(n), nullptr) << n;
}

TEST(ResourceStrings, DefaultsAndCaseInsensitiveLookup) {
  TvxResourceStrData s;
  EXPECT_EQ(s.ResStrings.size(), 131u);
  EXPECT_EQ(s.CharSet, 1);
  EXPECT_EQ(s.GetResStr("mi_mincaption"), "Mi&nimize");
  EXPECT_EQ(s.GetResStr("EDIT_SELECTALL"), "Select All");
  EXPECT_EQ(s.GetResStr("ROLLUPBUTTON_HINT"), "Roll Up");
  EXPECT_EQ(s.GetResStr("NO_SUCH"), "");
  s.ResStrings.insert(s.ResStrings.begin(), "X=a=b");
  EXPECT_EQ(s.GetResStr("x"), "a=b");
}

}  // namespace
}  // namespace vx
