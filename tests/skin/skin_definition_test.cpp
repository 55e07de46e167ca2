// The definition parser and its typed readers: lookup rules, value syntaxes,
// defaults and fall-backs, and the save direction.
#include <gtest/gtest.h>

#include "vxSkinErrors.h"
#include "vxSkinIni.h"
#include "vxSkinReaders.h"

namespace vx {
namespace {

TEST(SkinIni, LookupIgnoresCaseAndTakesTheLastSectionAndLine) {
  TvxSkinIni ini = TvxSkinIni::Parse(
      "orphan=1\r\n"
      "  [Button]  \r\n"
      "; comment=1\n"
      "fontheight = 10\r"
      "FontHeight=12\n"
      "unenabledfontColor=5\n"
      "no equals sign here\n"
      "[edit]\nfontheight=1\n[EDIT]\nfontname=Tahoma\n");
  EXPECT_EQ(ini.ReadInteger("button", "fontheight", 0), 12);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "unenabledfontcolor", 0), 5);
  EXPECT_EQ(ini.ReadString("button", "; comment", "x"), "x");
  EXPECT_EQ(ini.ReadString("button", "no equals sign here", "absent"), "absent");
  // Only the second "edit" section is seen.
  EXPECT_EQ(ini.ReadInteger("edit", "fontheight", 14), 14);
  EXPECT_EQ(ini.ReadString("edit", "fontname", ""), "Tahoma");
  EXPECT_FALSE(ini.SectionExists("orphan"));
  EXPECT_EQ(ini.SectionCount(), 3u);
  // Reads that alternate between sections, and sections added by writing.
  ini.WriteString("Fresh", "k", "v");
  EXPECT_EQ(ini.ReadString("edit", "fontname", ""), "Tahoma");
  EXPECT_EQ(ini.ReadString("fresh", "k", ""), "v");
  EXPECT_EQ(ini.ReadInteger("button", "fontheight", 0), 12);
  EXPECT_EQ(ini.ReadString("FRESH", "fontname", "none"), "none");
  EXPECT_EQ(ini.SectionCount(), 4u);
}

TEST(SkinIni, IntegersAcceptDecimalAndHexAndFallBackOnAnythingElse) {
  TvxSkinIni ini = TvxSkinIni::Parse(
      "[s]\na=-17\nb=0x0000FF\nc=$ff\nd=0X10\ne=12px\nf=\ng=0x\nh=2147483648\ni=-2147483648\nj=$FF000005\nk=$1FFFFFFFF\n");
  EXPECT_EQ(ini.ReadInteger("s", "a", 0), -17);
  EXPECT_EQ(ini.ReadInteger("s", "b", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "c", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "d", 0), 16);
  EXPECT_EQ(ini.ReadInteger("s", "e", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "f", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "g", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "h", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "i", 7), INT32_MIN);
  EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("s", "j", 0)), 0xFF000005u);
  EXPECT_EQ(ini.ReadInteger("s", "k", 7), 7);
}

TEST(SkinReaders, PointsAndRectanglesKeepOnlyDigits) {
  TvxSkinIni ini = TvxSkinIni::Parse(
      "[r]\nlefttoppoint=-5,3\nclientrect= 1, 2 ,3,4\nextra=1,2,3\nwide=1,2,3,4,5\n");
  EXPECT_EQ(ReadSkinPoint(ini, "r", "lefttoppoint"), (TvxPoint{5, 3}));
  EXPECT_EQ(ReadSkinRect(ini, "r", "clientrect"), (TvxRect{1, 2, 3, 4}));
  EXPECT_EQ(ReadSkinPoint(ini, "r", "extra"), (TvxPoint{1, 2}));  // surplus fields are ignored
  EXPECT_EQ(ReadSkinRect(ini, "r", "wide"), (TvxRect{1, 2, 3, 4}));
  EXPECT_EQ(ReadSkinRect(ini, "r", "missing"), TvxRect{});
  EXPECT_EQ(ReadSkinPoint(ini, "nosection", "missing"), TvxPoint{});
}

TEST(SkinReaders, FieldsWithoutDigitsOrTooLongAreConversionErrors) {
  TvxSkinIni ini = TvxSkinIni::Parse("[r]\nskinrect=\nonefield=7\nshort=1,2,3\nhole=1,,3,4\nhuge=1,99999999999,3,4\n");
  EXPECT_THROW(ReadSkinRect(ini, "r", "skinrect"), EvxConvertError);
  EXPECT_THROW(ReadSkinPoint(ini, "r", "onefield"), EvxConvertError);
  EXPECT_THROW(ReadSkinRect(ini, "r", "short"), EvxConvertError);
  EXPECT_THROW(ReadSkinRect(ini, "r", "hole"), EvxConvertError);
  EXPECT_THROW(ReadSkinRect(ini, "r", "huge"), EvxConvertError);
  try {
    ReadSkinRect(ini, "r", "skinrect");
  } catch (const EvxConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("skinrect"), std::string::npos) << e.what();
  }
}

TEST(SkinReaders, KeywordsAreCaseSensitiveWithTheirFallBacks) {
  TvxSkinIni ini = TvxSkinIni::Parse(
      "[k]\nleftstretch=2\ntopstretch=1\nfontstyle=fsbold,fsitalic\nupper=FSBOLD\nalignment=center\n"
      "left=taleftjustify\nstretchtype=stVert\nvert=stvert\ninactiveeffect=blur\nmorphkind=mkpush\nodd=mkPush\n"
      "command=cmClose\nclose=cmclose\nfontcolor=0x0000FF\n");
  EXPECT_FALSE(ReadSkinBool(ini, "k", "leftstretch"));
  EXPECT_TRUE(ReadSkinBool(ini, "k", "topstretch"));
  EXPECT_FALSE(ReadSkinBool(ini, "k", "missing"));
  EXPECT_EQ(ReadSkinFontStyle(ini, "k", "fontstyle"), fsBold | fsItalic);
  EXPECT_EQ(ReadSkinFontStyle(ini, "k", "upper"), 0);
  EXPECT_EQ(ReadSkinAlignment(ini, "k", "alignment"), TvxAlignment::taRightJustify);
  EXPECT_EQ(ReadSkinAlignment(ini, "k", "left"), TvxAlignment::taLeftJustify);
  EXPECT_EQ(ReadSkinAlignment(ini, "k", "missing"), TvxAlignment::taCenter);
  EXPECT_EQ(ReadSkinStretchType(ini, "k", "stretchtype"), TvxStretchType::stHorz);
  EXPECT_EQ(ReadSkinStretchType(ini, "k", "vert"), TvxStretchType::stVert);
  EXPECT_EQ(ReadSkinStretchType(ini, "k", "missing"), TvxStretchType::stFull);
  EXPECT_EQ(ReadSkinInactiveEffect(ini, "k", "inactiveeffect"), TvxInactiveEffect::ieGrayscale);
  EXPECT_EQ(ReadSkinInactiveEffect(ini, "k", "missing"), TvxInactiveEffect::ieBrightness);
  EXPECT_EQ(ReadSkinMorphKind(ini, "k", "morphkind"), TvxMorphKind::mkPush);
  EXPECT_EQ(ReadSkinMorphKind(ini, "k", "odd"), TvxMorphKind::mkDefault);
  EXPECT_EQ(ReadSkinCommand(ini, "k", "command"), TvxStdCommand::cmMinimizeToTray);
  EXPECT_EQ(ReadSkinCommand(ini, "k", "close"), TvxStdCommand::cmClose);
  EXPECT_EQ(ReadSkinCommand(ini, "k", "missing"), TvxStdCommand::cmDefault);
  EXPECT_EQ(ReadSkinColor(ini, "k", "fontcolor"), 255);
  EXPECT_EQ(ReadSkinFontName(ini, "k", "fontname"), "Arial");
  EXPECT_EQ(ReadSkinFontHeight(ini, "k", "fontheight"), 14);
  EXPECT_EQ(ReadSkinPictureIndex(ini, "k", "pictureindex"), -1);
}

TEST(SkinReaders, ListsReadOnlyThePresentKeysAndCapTheirSize) {
  TvxSkinIni ini = TvxSkinIni::Parse(
      "[PICTURES]\nactivepicturescount=4\n0=a.bmp\n2=c.bmp\n02=not-two.bmp\n3=old\n3=d.bmp\n4=beyond\n"
      "[HUGE]\nxcount=2147483647\n0=first\n");
  EXPECT_EQ(ReadSkinList(ini, "PICTURES", "activepictures"), (std::vector<std::string>{"a.bmp", "", "c.bmp", "d.bmp"}));
  std::vector<std::string> huge = ReadSkinList(ini, "HUGE", "x");
  ASSERT_EQ(huge.size(), size_t(kMaxSkinListSize));
  EXPECT_EQ(huge[0], "first");
  EXPECT_TRUE(ReadSkinList(ini, "PICTURES", "nothing").empty());
}

TEST(SkinReaders, WritersRoundTripThroughTheReaders) {
  TvxSkinIni ini;
  WriteSkinRect(ini, "rec", "skinrect", {1, 2, 30, 40});
  WriteSkinPoint(ini, "rec", "lefttoppoint", {5, 6});
  WriteSkinBool(ini, "rec", "leftstretch", true);
  WriteSkinFontStyle(ini, "rec", "fontstyle", fsBold | fsUnderline);
  WriteSkinAlignment(ini, "rec", "alignment", TvxAlignment::taLeftJustify);
  WriteSkinStretchType(ini, "rec", "stretchtype", TvxStretchType::stVert);
  WriteSkinInactiveEffect(ini, "rec", "inactiveeffect", TvxInactiveEffect::ieInvert);
  WriteSkinMorphKind(ini, "rec", "morphkind", TvxMorphKind::mkLeftSlide);
  WriteSkinCommand(ini, "rec", "command", TvxStdCommand::cmRollUp);
  WriteSkinList(ini, "rec", "items", {"x", "y"});
  WriteSkinInteger(ini, "rec", "fontheight", 9);
  WriteSkinInteger(ini, "REC", "FontHeight", 11);  // the same key: replaced, not added

  TvxSkinIni back = TvxSkinIni::Parse(ini.ToText());
  EXPECT_EQ(back.SectionCount(), 1u);
  EXPECT_EQ(ReadSkinRect(back, "rec", "skinrect"), (TvxRect{1, 2, 30, 40}));
  EXPECT_EQ(ReadSkinPoint(back, "rec", "lefttoppoint"), (TvxPoint{5, 6}));
  EXPECT_TRUE(ReadSkinBool(back, "rec", "leftstretch"));
  EXPECT_EQ(ReadSkinFontStyle(back, "rec", "fontstyle"), fsBold | fsUnderline);
  EXPECT_EQ(back.ReadString("rec", "fontstyle", ""), "fsbold,fsunderline");
  EXPECT_EQ(ReadSkinAlignment(back, "rec", "alignment"), TvxAlignment::taLeftJustify);
  EXPECT_EQ(ReadSkinStretchType(back, "rec", "stretchtype"), TvxStretchType::stVert);
  EXPECT_EQ(ReadSkinInactiveEffect(back, "rec", "inactiveeffect"), TvxInactiveEffect::ieInvert);
  EXPECT_EQ(ReadSkinMorphKind(back, "rec", "morphkind"), TvxMorphKind::mkLeftSlide);
  EXPECT_EQ(ReadSkinCommand(back, "rec", "command"), TvxStdCommand::cmRollUp);
  EXPECT_EQ(ReadSkinList(back, "rec", "items"), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(ReadSkinInteger(back, "rec", "fontheight"), 11);
  EXPECT_EQ(back.SectionLines("rec").size(), 13u);
}

TEST(SkinIni, RefusesDefinitionsPastTheSizeLimit) {
  std::string big(TvxSkinIni::kMaxTextBytes + 1, 'a');
  EXPECT_THROW(TvxSkinIni::Parse(big), EvxSkinError);
}

}  // namespace
}  // namespace vx
