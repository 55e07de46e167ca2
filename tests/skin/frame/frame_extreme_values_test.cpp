// Skin values at the ends of the int range, through the record adapters and
// every frame rule that does arithmetic on them. The sanitizer build turns any
// overflow into a failure; the assertions check the answers stay ordered.
#include <gtest/gtest.h>

#include <climits>

#include "FrameHitTest.h"
#include "FrameRecords.h"
#include "FrameSizeLimits.h"
#include "MenuLayout.h"
#include "SkinTestSupport.h"
#include "UpDownRules.h"

namespace vx::frame {
namespace {

using namespace vx::testing;

// Rectangle and point fields are unsigned in a skin; single numbers are signed.
std::string FormInfoAt(const std::string& lo, const std::string& hi, const std::string& number) {
  const std::string point = hi + "," + hi, rect = lo + "," + lo + "," + hi + "," + hi;
  std::string t = "[FORMINFO]\r\n";
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
                          "hittestlefttoppoint", "hittestrighttoppoint", "hittestleftbottompoint",
                          "hittestrightbottompoint"})
    t += std::string(key) + "=" + point + "\r\n";
  for (const char* key : {"clientrect", "maskrectarea", "buttonsrect", "captionrect"})
    t += std::string(key) + "=" + rect + "\r\n";
  for (const char* key : {"buttonsoffset", "borderwidth", "formminwidth", "formminheight"})
    t += std::string(key) + "=" + number + "\r\n";
  return t;
}

void LoadExtremeSkin(TvxSkinData& data, const std::string& lo, const std::string& hi, const std::string& number) {
  const std::string rect = lo + "," + lo + "," + hi + "," + hi;
  std::string def = Definition({"hupdown:updown"}, {"closebutton:stdbutton", "minbutton:stdbutton", "caption:caption"},
                               "[closebutton]\r\nskinrectinapicture=0\r\ncommand=cmclose\r\nskinrect=" + rect +
                                   "\r\n[minbutton]\r\ncommand=cmminimize\r\nskinrect=" + rect +
                                   "\r\n[caption]\r\nskinrect=" + rect + "\r\n");
  def += "[hupdown]\r\nupbuttonrect=" + rect + "\r\ndownbuttonrect=" + rect + "\r\n";
  const std::string plain = "[FORMINFO]\r\nclientrect=3,26,282,207\r\n";
  def.replace(def.find(plain), plain.size(), FormInfoAt(lo, hi, number));
  data.LoadCompressedStoredSkin(StoredSkin(WriteSkinContainer(Parts(def))));
}

bool Ordered(const Rect& r) { return r.Right >= r.Left && r.Bottom >= r.Top; }

TEST(FrameExtremeValues, AdaptersClampEverySkinValue) {
  TvxSkinData data;
  LoadExtremeSkin(data, "0", "2147483647", "2147483647");
  ASSERT_FALSE(data.Empty());
  const FrameSkin skin = FrameSkinFromSkinData(data);
  ASSERT_TRUE(skin.present);
  EXPECT_EQ(skin.info.clientrect, (Rect{0, 0, kFrameCoordLimit, kFrameCoordLimit}));
  EXPECT_EQ(skin.info.righttoppoint, (Point{kFrameCoordLimit, kFrameCoordLimit}));
  EXPECT_EQ(skin.info.borderwidth, kFrameCoordLimit);
  EXPECT_EQ(skin.info.formminheight, kFrameCoordLimit);
  const auto records = ObjectRecordsFromSkinData(data);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].skinrect.Right, kFrameCoordLimit);
  TvxSkinData negative;
  LoadExtremeSkin(negative, "0", "0", "-2147483648");
  EXPECT_EQ(FrameSkinFromSkinData(negative).info.borderwidth, -kFrameCoordLimit);
  const auto updown = UpDownRecordFromSkinData(data, "hupdown");
  ASSERT_TRUE(updown.has_value());
  EXPECT_EQ(updown->upbuttonrect.Right, kFrameCoordLimit);
}

TEST(FrameExtremeValues, RulesAnswerAtEveryCornerOfTheRange) {
  const char* const ranges[][3] = {{"0", "2147483647", "2147483647"},
                                   {"2147483647", "2147483647", "-2147483648"},
                                   {"2147483647", "0", "-2147483648"},
                                   {"0", "0", "2147483647"}};
  const MonitorRects monitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
  for (const auto& [lo, hi, number] : ranges) {
    SCOPED_TRACE(std::string(lo) + " .. " + hi + ", " + number);
    TvxSkinData data;
    LoadExtremeSkin(data, lo, hi, number);
    const FrameSkin skin = FrameSkinFromSkinData(data);
    FrameOptions options;
    for (const int size : {1, 883, 8192, INT_MAX}) {
      const FrameGeometry g = UpdateFrameGeometry(skin, size, size);
      EXPECT_LE(g.width, kFrameCoordLimit);
      EXPECT_TRUE(Ordered(CalcClientRect({0, 0, size, size}, skin, options)));
      EXPECT_TRUE(Ordered(CalcClientRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, skin, options)));
      const int minWidth = MinFrameWidth(skin, options, monitor, {});
      EXPECT_GE(minWidth, 1);
      EXPECT_LE(minWidth, 1920);
      const int minHeight = MinFrameHeight(skin, options, monitor, {});
      EXPECT_GE(minHeight, 1);
      EXPECT_LE(minHeight, 1040);

      FrameObjectList objects = CreateFrameObjects(ObjectRecordsFromSkinData(data));
      LayoutCaptionButtons(objects, skin, g, {});
      HitTestInput in;
      in.skin = &skin;
      in.options = &options;
      in.geometry = &g;
      in.objects = &objects;
      in.quickButtons = {3, 16};
      for (const int p : {INT_MIN, -1, 0, 5, size - 1, INT_MAX}) {
        const HitCode code = HitTestFrame(in, p, p, g.width, g.height);
        EXPECT_STRNE(HitCodeName(code), "HTNOWHERE");
      }
    }
  }
}

TEST(FrameExtremeValues, PopupSizeOfHugeItemsIsClampedNotWrapped) {
  PopupSkin skin;
  skin.skinned = true;
  skin.pictureWidth = 93;
  skin.pictureHeight = 55;
  skin.itemsrect = ClampFrameCoords(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  skin.skinrect = ClampFrameCoords(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  skin.textrect = ClampFrameCoords(Rect{INT_MIN, 0, INT_MIN, 20});
  skin.dividerrect = skin.skinrect;
  MenuItem root;
  for (int i = 0; i < 200; ++i) {
    MenuItem item;
    item.name = "n";
    item.caption = i % 2 ? "-" : "Item";
    root.items.push_back(item);
  }
  std::vector<const MenuItem*> items;
  for (const MenuItem& item : root.items) items.push_back(&item);
  PopupSizeInput in;
  in.items = &items;
  in.textWidth = [](const std::string&) { return INT_MAX / 2; };
  PopupSize size = ComputePopupSize(skin, in);
  EXPECT_EQ(size.height, kFrameCoordLimit);
  EXPECT_EQ(size.width, kFrameCoordLimit);
  in.maxItemsInWindow = 100;
  size = ComputePopupSize(skin, in);
  EXPECT_EQ(size.height, kFrameCoordLimit);
  const MenuItemPlaces places = LayoutMenuItems({0, INT_MAX - 5, 10, INT_MAX}, size.itemHeights, 0, true);
  EXPECT_EQ(places.visibleCount, 0);
}

TEST(FrameExtremeValues, UpDownStepsNeverWrapPastTheEndsOfTheRange) {
  UpDownRules ud;
  ud.SetMin(INT_MIN);
  ud.SetMax(INT_MAX);
  ud.SetIncrement(INT_MAX);
  ud.Layout(20, 20);
  ASSERT_TRUE(ud.SetPosition(INT_MAX - 1).size() == 1);
  ud.Press(15, 5);  // the up button
  UpDownEvents ev = ud.Release();
  EXPECT_EQ(ud.Position(), INT_MAX - 1) << "a step past Max is refused";
  ud.SetIncrement(INT_MIN);
  ud.SetPosition(-1);
  ud.Press(15, 5);
  ud.Release();
  EXPECT_EQ(ud.Position(), -1) << "INT_MIN up from -1 leaves the range";
  ud.Press(5, 5);  // the down button: -INT_MIN does not fit an int, -1 - INT_MIN does
  ud.Release();
  EXPECT_EQ(ud.Position(), INT_MAX);
  ud.SetPosition(INT_MIN);
  ud.SetIncrement(1);
  ud.Press(5, 5);
  ud.Release();
  EXPECT_EQ(ud.Position(), INT_MIN);
  ud.Press(15, 5);
  ud.Release();
  EXPECT_EQ(ud.Position(), INT_MIN + 1);
}

}  // namespace
}  // namespace vx::frame
