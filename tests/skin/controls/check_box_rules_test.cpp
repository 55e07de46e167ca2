// The check box's portable rules: the check image for every state with the
// record's fall-backs, the lightened grayed drawing, the flat and framed
// layouts, and what a completed click does to the value.
#include <gtest/gtest.h>

#include "vxCheckBoxRules.h"

using namespace vx;
using namespace vx::checkbox;

namespace {

TvxDataSkinCheckRadioControl Record() {
  TvxDataSkinCheckRadioControl r;
  r.skinrect = {0, 0, 33, 19};
  r.checkimagearea = {2, 1, 18, 18};
  r.textarea = {21, 1, 33, 17};
  r.checkimagerect = {10, 0, 25, 15};
  r.uncheckimagerect = {30, 0, 45, 15};
  r.activecheckimagerect = {50, 0, 65, 15};
  r.activeuncheckimagerect = {70, 0, 85, 15};
  r.unenabledcheckimagerect = {90, 0, 105, 15};
  r.unenableduncheckimagerect = {110, 0, 125, 15};
  return r;
}

TEST(CheckBoxRules, EveryStateShowsItsImage) {
  const CheckImages im = CheckImages::FromRecord(Record());
  auto rect = [&](bool enabled, bool in, TvxCheckBoxState s) { return ChooseCheckImage(im, enabled, in, s).rect; };
  EXPECT_EQ(rect(true, true, cbChecked), PixRect(50, 0, 65, 15));
  EXPECT_EQ(rect(true, true, cbUnchecked), PixRect(70, 0, 85, 15));
  EXPECT_EQ(rect(true, false, cbChecked), PixRect(10, 0, 25, 15));
  EXPECT_EQ(rect(true, false, cbUnchecked), PixRect(30, 0, 45, 15));
  EXPECT_EQ(rect(false, true, cbChecked), PixRect(90, 0, 105, 15)) << "the pointer does not light a disabled box";
  EXPECT_EQ(rect(false, false, cbUnchecked), PixRect(110, 0, 125, 15));
  // No grayed images: the state's check image, lightened.
  for (bool enabled : {true, false})
    for (bool in : {true, false}) {
      CheckImage g = ChooseCheckImage(im, enabled, in, cbGrayed);
      EXPECT_TRUE(g.lighten);
      EXPECT_EQ(g.rect, rect(enabled, in, cbChecked));
    }
}

TEST(CheckBoxRules, EmptyImagesFallBack) {
  TvxDataSkinCheckRadioControl r = Record();
  r.activecheckimagerect = {};
  r.activeuncheckimagerect = {};
  r.unenabledcheckimagerect = {};
  r.unenableduncheckimagerect = {};
  r.grayedcheckimagerect = {130, 0, 145, 15};
  const CheckImages im = CheckImages::FromRecord(r);
  EXPECT_EQ(ChooseCheckImage(im, true, true, cbChecked).rect, PixRect(10, 0, 25, 15));
  EXPECT_EQ(ChooseCheckImage(im, false, false, cbUnchecked).rect, PixRect(30, 0, 45, 15));
  // Own grayed image, without an active one: used hot or not, not lightened.
  CheckImage g = ChooseCheckImage(im, true, true, cbGrayed);
  EXPECT_FALSE(g.lighten);
  EXPECT_EQ(g.rect, PixRect(130, 0, 145, 15));
  r.activegrayedcheckimagerect = {150, 0, 165, 15};
  const CheckImages withActive = CheckImages::FromRecord(r);
  EXPECT_EQ(ChooseCheckImage(withActive, true, true, cbGrayed).rect, PixRect(150, 0, 165, 15));
  EXPECT_EQ(ChooseCheckImage(withActive, true, false, cbGrayed).rect, PixRect(130, 0, 145, 15));
}

TEST(CheckBoxRules, LightenHalfwayToWhiteKeepsAlpha) {
  TvxPixmap p(4, 1);
  p.Set(0, 0, MakePixel(0, 0, 0, 255));
  p.Set(1, 0, MakePixel(255, 255, 255));
  p.Set(2, 0, MakePixel(1, 100, 201));
  p.Set(3, 0, MakePixel(254, 2, 127));
  LightenHalfway(p);
  EXPECT_EQ(p.At(0, 0), MakePixel(128, 128, 128, 255));
  EXPECT_EQ(p.At(1, 0), MakePixel(255, 255, 255));
  EXPECT_EQ(p.At(2, 0), MakePixel(128, 178, 228));
  EXPECT_EQ(p.At(3, 0), MakePixel(255, 129, 191));
}

TEST(CheckBoxRules, FlatLayoutPutsTheCheckAtTheLeftMiddle) {
  const PixRect check{232, 311, 247, 326};  // 15 x 15, as the program's skin
  EXPECT_EQ(FlatCheckOrigin(25, check), PixPoint(3, 5));
  EXPECT_EQ(FlatCheckOrigin(16, check), PixPoint(3, 1));
  EXPECT_EQ(FlatCaptionLeft(check), 22);
}

TEST(CheckBoxRules, FramedLayoutFollowsTheWidth) {
  TvxDataSkinCheckRadioControl r = Record();
  FramedAreas a = FramedLayout(r, 100);
  EXPECT_EQ(a.text, PixRect(21, 1, 100, 17));
  // The 16 x 17 area centres the 15 x 15 image at its left end.
  EXPECT_EQ(a.checkImage, PixRect(3, 2, 18, 17));
  // A check right of the text moves with the right edge.
  r.textarea = {2, 1, 14, 17};
  r.checkimagearea = {15, 1, 31, 18};
  a = FramedLayout(r, 50);
  EXPECT_EQ(a.text, PixRect(2, 1, 31, 17));
  EXPECT_EQ(a.checkImage, PixRect(33, 2, 48, 17));
}

TEST(CheckBoxRules, ClickRunsTheValueOn) {
  // Check box: unchecked -> checked -> unchecked.
  EXPECT_FALSE(Click(cbUnchecked, false, false, false).toGrayed);
  EXPECT_TRUE(Click(cbUnchecked, false, false, false).newChecked);
  EXPECT_FALSE(Click(cbChecked, true, false, false).newChecked);
  // AllowGrayed: unchecked -> grayed -> checked -> unchecked.
  EXPECT_TRUE(Click(cbUnchecked, false, true, false).toGrayed);
  ClickResult fromGrayed = Click(cbGrayed, false, true, false);
  EXPECT_FALSE(fromGrayed.toGrayed);
  EXPECT_TRUE(fromGrayed.newChecked);
  EXPECT_FALSE(Click(cbChecked, true, true, false).newChecked);
  // Radio: only ever checked, never grayed.
  EXPECT_FALSE(Click(cbUnchecked, false, true, true).toGrayed);
  EXPECT_TRUE(Click(cbUnchecked, false, true, true).newChecked);
  EXPECT_TRUE(Click(cbChecked, true, false, true).newChecked);
}

}  // namespace
