// String lists and colour values.
#include <gtest/gtest.h>

#include "tkColor.h"
#include "tkStrings.h"

using namespace tk;

namespace {

TEST(StringList, AddInsertDeleteAndBounds) {
  TStringList s;
  int changes = 0;
  s.OnChange = [&](TObject*) { ++changes; };
  s.Add("b");
  s.Insert(0, "a");
  s.Add("c");
  EXPECT_EQ(s.Text(), "a\r\nb\r\nc\r\n");
  s.Delete(1);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_EQ(s.Strings(1), "c");
  EXPECT_EQ(changes, 4);
  EXPECT_THROW(s.Strings(2), EStringListError);
  EXPECT_THROW(s.Delete(-1), EStringListError);
  EXPECT_THROW(s.Insert(3, "x"), EStringListError);
  EXPECT_EQ(s.IndexOf("C"), 1) << "case is ignored by default";
  s.CaseSensitive = true;
  EXPECT_EQ(s.IndexOf("C"), -1);
}

TEST(StringList, SortedListsPlaceAndRefuseAsTold) {
  TStringList s;
  s.SetSorted(true);
  s.Add("pear");
  s.Add("Apple");
  s.Add("fig");
  EXPECT_EQ(s.Strings(0), "Apple");
  EXPECT_EQ(s.Strings(2), "pear");
  EXPECT_EQ(s.Add("FIG"), 1) << "duplicates ignored: the existing index";
  EXPECT_EQ(s.Count(), 3);
  s.Duplicates = dupError;
  EXPECT_THROW(s.Add("pear"), EStringListError);
  s.Duplicates = dupAccept;
  s.Add("pear");
  EXPECT_EQ(s.Count(), 4);
  EXPECT_THROW(s.Insert(0, "x"), EStringListError);
  EXPECT_EQ(s.IndexOf("PEAR"), 2);
}

TEST(StringList, TextSplitsOnEveryLineEndAndValuesByName) {
  TStringList s;
  s.SetText("a=1\r\nb=2\nc\r\rd=");
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Strings(3), "");
  EXPECT_EQ(s.Values("B"), "2");
  EXPECT_EQ(s.Values("c"), "");
  EXPECT_EQ(s.Names(0), "a");
  EXPECT_EQ(s.IndexOfName("d"), 4);
  s.SetValues("a", "9");
  EXPECT_EQ(s.Strings(0), "a=9");
  s.SetValues("e", "5");
  EXPECT_EQ(s.Strings(5), "e=5");
  s.SetValues("a", "");
  EXPECT_EQ(s.IndexOfName("a"), -1);
}

TEST(Color, SystemColorsResolveWhenDrawnPlainColorsStay) {
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clRed));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), 0x030201u);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0u);  // the classic scheme's button face
  int asked = -1;
  SetSystemColorSource([&](int index) {
    asked = index;
    return 0x123456u;
  });
  EXPECT_EQ(ColorToRGB(clInfoBk), 0x123456u);
  EXPECT_EQ(asked, 24);
  SetSystemColorSource(nullptr);
  EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFFu);  // the classic scheme's pale yellow
  EXPECT_EQ(ColorToRGB(SystemColor(200)), 0u) << "an unknown index is black, not garbage";
  EXPECT_EQ(ColorToRGB(clNone), 0u);
}

}  // namespace
