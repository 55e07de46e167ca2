// Skin records: the classes each type name creates, their keys and defaults,
// the rules applied after reading, and save-then-load for every class.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "vxSkinData.h"
#include "vxSkinDataControls.h"
#include "vxSkinDataMoreControls.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"
#include "vxSkinIni.h"

namespace vx {
namespace {

const char* const kControlTypes[] = {"panel",  "expanel",      "menubutton", "button",   "checkradio", "gauge",
                                     "splitter", "trackbar",   "label",      "stdlabel", "updown",     "grid",
                                     "tab",    "mainmenubar",  "controlbar", "appmenu",  "memo",       "edit",
                                     "checklistbox", "listbox", "combobox",  "scrollbar", "spinedit",  "scrollbox",
                                     "treeview", "bevel",      "slider",     "listview", "richedit"};
const char* const kObjectTypes[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button",   "caption",         "animate",   "userobject"};
const char* const kWindowTypes[] = {"FORMINFO", "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW"};

std::unique_ptr<TvxSkinRecord> Make(TvxRecordKind kind, const char* type, const char* name = "r") {
  return StandardRecordFactory().Create(kind, type, name);
}

template <class T>
std::unique_ptr<T> Load(TvxRecordKind kind, const char* type, const std::string& text, const char* name = "r") {
  TvxSkinIni ini = TvxSkinIni::Parse(text);
  std::unique_ptr<TvxSkinRecord> r = Make(kind, type, name);
  r->LoadFromIni(ini, name);
  T* typed = dynamic_cast<T*>(r.get());
  EXPECT_NE(typed, nullptr) << type;
  r.release();
  return std::unique_ptr<T>(typed);
}

// Gives every field a value of its own that differs from its default.
class Scramble final : public TvxRecordFields {
 public:
  int n = 0;
  void Int(const char*, int32_t& v, int32_t) override { v = 1000 + ++n; }
  void Picture(const char*, int32_t& v) override { v = ++n; }
  void Color(const char*, TvxColor& v, TvxColor) override { v = 70000 + ++n; }
  void Bool(const char*, bool& v) override { v = true; }
  void String(const char*, std::string& v, const char*) override { v = "text " + std::to_string(++n); }
  void FontName(const char*, std::string& v) override { v = "Tahoma" + std::to_string(++n); }
  void FontHeight(const char*, int32_t& v) override { v = 20 + ++n; }
  void FontStyle(const char*, TvxFontStyles& v) override { v = fsBold | fsStrikeOut; }
  void Point(const char*, TvxPoint& v) override { v = {++n, ++n}; }
  void Rect(const char*, TvxRect& v) override { v = {++n, ++n, 500 + ++n, 500 + ++n}; }
  void Alignment(const char*, TvxAlignment& v) override { v = TvxAlignment::taLeftJustify; }
  void StretchType(const char*, TvxStretchType& v) override { v = TvxStretchType::stVert; }
  void InactiveEffect(const char*, TvxInactiveEffect& v) override { v = TvxInactiveEffect::ieSplitBlur; }
  void MorphKind(const char*, TvxMorphKind& v) override { v = TvxMorphKind::mkPush; }
  void Command(const char*, TvxStdCommand& v) override { v = TvxStdCommand::cmRollUp; }
};

// Every field as key=value text, in reading order.
class Snapshot final : public TvxRecordFields {
 public:
  std::vector<std::string> lines;
  void Put(const char* k, const std::string& v) { lines.push_back(std::string(k) + "=" + v); }
  void Int(const char* k, int32_t& v, int32_t) override { Put(k, std::to_string(v)); }
  void Picture(const char* k, int32_t& v) override { Put(k, std::to_string(v)); }
  void Color(const char* k, TvxColor& v, TvxColor) override { Put(k, std::to_string(v)); }
  void Bool(const char* k, bool& v) override { Put(k, v ? "1" : "0"); }
  void String(const char* k, std::string& v, const char*) override { Put(k, v); }
  void FontName(const char* k, std::string& v) override { Put(k, v); }
  void FontHeight(const char* k, int32_t& v) override { Put(k, std::to_string(v)); }
  void FontStyle(const char* k, TvxFontStyles& v) override { Put(k, std::to_string(v)); }
  void Point(const char* k, TvxPoint& v) override { Put(k, std::to_string(v.X) + "," + std::to_string(v.Y)); }
  void Rect(const char* k, TvxRect& v) override {
    Put(k, std::to_string(v.Left) + "," + std::to_string(v.Top) + "," + std::to_string(v.Right) + "," +
               std::to_string(v.Bottom));
  }
  void Alignment(const char* k, TvxAlignment& v) override { Put(k, std::to_string(int(v))); }
  void StretchType(const char* k, TvxStretchType& v) override { Put(k, std::to_string(int(v))); }
  void InactiveEffect(const char* k, TvxInactiveEffect& v) override { Put(k, std::to_string(int(v))); }
  void MorphKind(const char* k, TvxMorphKind& v) override { Put(k, std::to_string(int(v))); }
  void Command(const char* k, TvxStdCommand& v) override { Put(k, std::to_string(int(v))); }
};

std::vector<std::string> Fields(TvxSkinRecord& r) {
  Snapshot s;
  dynamic_cast<TvxFieldRecord&>(r).VisitFields(s);
  return s.lines;
}

TEST(SkinRecords, EveryTypeNameCreatesItsClassAndNothingElseCreatesOne) {
  EXPECT_EQ(std::size(kControlTypes), 29u);
  for (const char* t : kControlTypes) {
    auto r = Make(TvxRecordKind::Control, t, "x");
    ASSERT_NE(r, nullptr) << t;
    EXPECT_NE(dynamic_cast<TvxDataSkinControl*>(r.get()), nullptr) << t;
    EXPECT_EQ(r->Name, "x");
    EXPECT_EQ(r->MainPictureIndex(), -1) << t;
  }
  for (const char* t : kObjectTypes) {
    auto r = Make(TvxRecordKind::Object, t);
    ASSERT_NE(r, nullptr) << t;
    EXPECT_NE(dynamic_cast<TvxDataSkinObject*>(r.get()), nullptr) << t;
  }
  EXPECT_EQ(Make(TvxRecordKind::Control, "Button"), nullptr);
  EXPECT_EQ(Make(TvxRecordKind::Control, "stdbutton"), nullptr);
  EXPECT_EQ(Make(TvxRecordKind::Object, "panel"), nullptr);
}

TEST(SkinRecords, IsATestsFollowTheClassTree) {
  auto menuButton = Make(TvxRecordKind::Control, "menubutton");
  EXPECT_NE(dynamic_cast<TvxDataSkinButtonControl*>(menuButton.get()), nullptr);
  auto tab = Make(TvxRecordKind::Control, "tab");
  EXPECT_EQ(dynamic_cast<TvxDataSkinCustomControl*>(tab.get()), nullptr);
  EXPECT_NE(dynamic_cast<TvxDataSkinControl*>(tab.get()), nullptr);
  auto memo = Make(TvxRecordKind::Control, "memo");
  EXPECT_NE(dynamic_cast<TvxDataSkinEditControl*>(memo.get()), nullptr);
  auto checkList = Make(TvxRecordKind::Control, "checklistbox");
  EXPECT_NE(dynamic_cast<TvxDataSkinListBox*>(checkList.get()), nullptr);
  auto stdLabel = Make(TvxRecordKind::Control, "stdlabel");
  EXPECT_EQ(dynamic_cast<TvxDataSkinCustomControl*>(stdLabel.get()), nullptr);
  auto upDown = Make(TvxRecordKind::Control, "updown");
  EXPECT_NE(dynamic_cast<TvxDataSkinCustomControl*>(upDown.get()), nullptr);
  auto barButton = Make(TvxRecordKind::Object, "mainmenubarbutton");
  EXPECT_NE(dynamic_cast<TvxDataSkinStdButton*>(barButton.get()), nullptr);
  auto stdButton = Make(TvxRecordKind::Object, "stdbutton");
  EXPECT_NE(dynamic_cast<TvxDataSkinButton*>(stdButton.get()), nullptr);
  auto caption = Make(TvxRecordKind::Object, "caption");
  EXPECT_EQ(dynamic_cast<TvxDataSkinButton*>(caption.get()), nullptr);
  auto barItem = Make(TvxRecordKind::Object, "mainmenubaritem");
  EXPECT_NE(dynamic_cast<TvxDataSkinMainMenuItem*>(barItem.get()), nullptr);
  EXPECT_EQ(dynamic_cast<TvxDataSkinMenuItem*>(barItem.get()), nullptr);
}

TEST(SkinRecords, EveryClassSavesWhatItLoadsUnderKeysOfItsOwn) {
  std::vector<std::pair<TvxRecordKind, const char*>> all;
  for (const char* t : kControlTypes) all.emplace_back(TvxRecordKind::Control, t);
  for (const char* t : kObjectTypes) all.emplace_back(TvxRecordKind::Object, t);
  for (const char* t : kWindowTypes) all.emplace_back(TvxRecordKind::Window, t);
  for (const auto& [kind, type] : all) {
    SCOPED_TRACE(type);
    auto original = Make(kind, type, "sec");
    auto& fields = dynamic_cast<TvxFieldRecord&>(*original);
    const std::vector<std::string> keys = fields.KeyNames();
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << "a key listed twice";
    Scramble scramble;
    fields.VisitFields(scramble);

    TvxSkinIni saved;
    original->SaveToIni(saved, "sec");
    EXPECT_EQ(saved.SectionLines("sec").size(), keys.size());
    auto reloaded = Make(kind, type, "sec");
    reloaded->LoadFromIni(TvxSkinIni::Parse(saved.ToText()), "sec");
    const std::string t = type;
    if (t != "updown" && t != "FORMINFO") {
      EXPECT_EQ(Fields(*reloaded), Fields(*original));
    }

    // Whatever rules reading applies, a record read back from its own save is unchanged.
    TvxSkinIni again;
    reloaded->SaveToIni(again, "sec");
    auto third = Make(kind, type, "sec");
    third->LoadFromIni(TvxSkinIni::Parse(again.ToText()), "sec");
    EXPECT_EQ(Fields(*third), Fields(*reloaded));
  }
}

TEST(SkinRecords, MissingKeysTakeTheirDefaults) {
  auto button = Load<TvxDataSkinButtonControl>(TvxRecordKind::Control, "button", "[r]\nskinrect=1,2,3,4\n");
  EXPECT_EQ(button->animateinterval, 25);
  EXPECT_EQ(button->glowlayeralphablendvalue, 255);
  EXPECT_EQ(button->glowlayerpictureindex, -1);
  EXPECT_EQ(button->fontname, "Arial");
  EXPECT_EQ(button->fontheight, 14);
  EXPECT_EQ(button->stretchtype, TvxStretchType::stFull);
  EXPECT_EQ(button->morphkind, TvxMorphKind::mkDefault);
  auto panel = Load<TvxDataSkinPanelControl>(TvxRecordKind::Control, "panel", "[r]\n");
  EXPECT_EQ(panel->alignment, TvxAlignment::taCenter);
  EXPECT_EQ(panel->bgpictureindex, -1);
  auto stdLabel = Load<TvxDataSkinStdLabelControl>(TvxRecordKind::Control, "stdlabel", "[r]\n");
  EXPECT_EQ(stdLabel->activefontcolor, 16711680);
  auto list = Load<TvxDataSkinListBox>(TvxRecordKind::Control, "listbox", "[r]\n");
  EXPECT_EQ(list->vscrollbarname, "vscrollbar");
  EXPECT_EQ(list->bothhscrollbarname, "bothhscrollbar");
  EXPECT_EQ(list->captionfontheight, 14);
  auto app = Load<TvxDataSkinAppMenu>(TvxRecordKind::Control, "appmenu", "[r]\n");
  EXPECT_EQ(app->pageitemoffset1, 10);
  EXPECT_EQ(app->fontpageheight, 16);
  EXPECT_EQ(app->itemoffset2, 3);
  auto bar = Load<TvxDataSkinControlBar>(TvxRecordKind::Control, "controlbar", "[r]\n");
  EXPECT_EQ(bar->itemoffset1, 3);
  auto caption = Load<TvxDataSkinCaption>(TvxRecordKind::Object, "caption", "[r]\n");
  EXPECT_EQ(caption->glowsize, 3);
  EXPECT_EQ(caption->animateinterval, 25);
  auto animate = Load<TvxDataSkinAnimate>(TvxRecordKind::Object, "animate", "[r]\n");
  EXPECT_EQ(animate->countframes, 1);
  EXPECT_EQ(animate->timerinterval, 50);
  EXPECT_EQ(animate->command, TvxStdCommand::cmDefault);
  auto form = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO", "[FORMINFO]\n", "FORMINFO");
  EXPECT_EQ(form->inactiveeffect, TvxInactiveEffect::ieBrightness);
  EXPECT_EQ(form->bgpictureindex, -1);
  auto layer = Load<TvxDataSkinLayerFrame>(TvxRecordKind::Window, "LAYERFRAME", "", "LAYERFRAME");
  EXPECT_EQ(layer->alphablendvalue, 255);
  EXPECT_EQ(layer->blurmaskpictureindex, -1);
}

TEST(SkinRecords, TheHintWindowIsCreatedWithATwelvePixelFontAndReadsFourteenWhenTheKeyIsMissing) {
  TvxDataSkinHintWindow created;
  EXPECT_EQ(created.fontheight, 12);
  EXPECT_EQ(created.windowpictureindex, -1);
  auto loaded = Load<TvxDataSkinHintWindow>(TvxRecordKind::Window, "HINTWINDOW", "[HINTWINDOW]\nfontcolor=5\n",
                                            "HINTWINDOW");
  EXPECT_EQ(loaded->fontheight, 14);
  EXPECT_EQ(loaded->fontcolor, 5);
}

TEST(SkinRecords, AnUpDownRecordDropsItsCornerPointsAndClientArea) {
  auto r = Load<TvxDataSkinUpDownControl>(TvxRecordKind::Control, "updown",
                                          "[r]\nlefttoppoint=3,4\nrighttoppoint=20,4\nleftbottompoint=3,10\n"
                                          "rightbottompoint=20,10\nclientrect=1,1,30,14\nskinrect=129,152,161,167\n"
                                          "upbuttonrect=16,0,32,15\nleftstretch=1\n");
  EXPECT_EQ(r->lefttoppoint, TvxPoint{});
  EXPECT_EQ(r->rightbottompoint, TvxPoint{});
  EXPECT_TRUE(r->clientrect.IsEmpty());
  EXPECT_EQ(r->skinrect, (TvxRect{129, 152, 161, 167}));
  EXPECT_EQ(r->upbuttonrect, (TvxRect{16, 0, 32, 15}));
  EXPECT_TRUE(r->leftstretch);  // only the geometry is reset
}

const char* kForm =
    "[FORMINFO]\nlefttoppoint=9,27\nrighttoppoint=273,27\nleftbottompoint=4,205\nrightbottompoint=279,205\n"
    "clientrect=3,26,282,207\n";

TEST(SkinRecords, WithAMaskTheMaskAreaCoversTheClientAndUnsetHitPointsTakeTheCorners) {
  std::string text = std::string("[PICTURES]\nmask=mask.bmp\n") + kForm +
                     "maskrectarea=10,10,20,20\nhittestlefttoppoint=0,15\nhittestrighttoppoint=279,8\n";
  auto withMask = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO", text, "FORMINFO");
  EXPECT_EQ(withMask->maskrectarea, (TvxRect{3, 10, 282, 207}));
  EXPECT_EQ(withMask->hittestlefttoppoint, (TvxPoint{9, 27}));
  EXPECT_EQ(withMask->hittestrighttoppoint, (TvxPoint{279, 8}));
  EXPECT_EQ(withMask->hittestrightbottompoint, (TvxPoint{279, 205}));

  auto emptyArea = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO",
                                             std::string("[PICTURES]\nmask=m.bmp\n") + kForm, "FORMINFO");
  EXPECT_EQ(emptyArea->maskrectarea, (TvxRect{3, 26, 282, 207}));

  std::string noMask = std::string("[PICTURES]\nmask=\n") + kForm +
                       "maskrectarea=10,10,20,20\nhittestlefttoppoint=0,15\n";
  auto without = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO", noMask, "FORMINFO");
  EXPECT_EQ(without->maskrectarea, (TvxRect{10, 10, 20, 20}));
  EXPECT_EQ(without->hittestlefttoppoint, (TvxPoint{0, 15}));
}

TEST(SkinRecords, FrameCornerPointsAreKeptInsideTheClientAreaUnlessTheFrameIsPlain) {
  auto moved = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO",
                                         "[FORMINFO]\nlefttoppoint=1,2\nrighttoppoint=300,1\nleftbottompoint=1,250\n"
                                         "rightbottompoint=290,240\nclientrect=3,26,282,207\n",
                                         "FORMINFO");
  EXPECT_EQ(moved->lefttoppoint, (TvxPoint{3, 26}));
  EXPECT_EQ(moved->righttoppoint, (TvxPoint{282, 26}));
  EXPECT_EQ(moved->leftbottompoint, (TvxPoint{3, 207}));
  EXPECT_EQ(moved->rightbottompoint, (TvxPoint{282, 207}));

  auto plain = Load<TvxDataSkinFormInfo>(TvxRecordKind::Window, "FORMINFO",
                                         "[FORMINFO]\nlefttoppoint=1,2\nrighttoppoint=300,1\nleftbottompoint=1,250\n"
                                         "rightbottompoint=1,240\nclientrect=3,26,282,207\n",
                                         "FORMINFO");
  EXPECT_EQ(plain->lefttoppoint, (TvxPoint{1, 2}));
  EXPECT_EQ(plain->righttoppoint, (TvxPoint{300, 1}));
  EXPECT_EQ(plain->rightbottompoint, (TvxPoint{1, 240}));
}

TEST(SkinRecords, AnUnnamedRestoreStateIsCalledRestoreOnlyForItsOwnButton) {
  auto hint = [](const char* type, const char* body) {
    auto r = Make(TvxRecordKind::Object, type);
    r->LoadFromIni(TvxSkinIni::Parse(std::string("[r]\n") + body), "r");
    auto* restore = dynamic_cast<TvxRestoreFields*>(r.get());
    return restore ? restore->restorehint : std::string("(no restore fields)");
  };
  EXPECT_EQ(hint("stdbutton", "hint=Maximize\ncommand=cmmaximize\n"), "Restore");
  EXPECT_EQ(hint("stdbutton", "hint=Minimize\ncommand=cmminimize\n"), "Restore");
  EXPECT_EQ(hint("stdbutton", "hint=Roll Up\ncommand=cmrollup\n"), "Restore");
  EXPECT_EQ(hint("mainmenubarbutton", "hint=RollUp\ncommand=cmrollup\n"), "Restore");
  EXPECT_EQ(hint("animate", "hint=Maximize\ncommand=cmmaximize\n"), "Restore");
  EXPECT_EQ(hint("stdbutton", "hint=maximize\ncommand=cmmaximize\n"), "");
  EXPECT_EQ(hint("stdbutton", "hint=Maximize\ncommand=cmminimize\n"), "");
  EXPECT_EQ(hint("stdbutton", "hint=Maximize\ncommand=cmMaximize\n"), "");  // reads as minimize-to-tray
  EXPECT_EQ(hint("stdbutton", "hint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n"), "Back");
}

TEST(SkinRecords, AMenuItemWithoutActiveImagesUsesTheNormalOnes) {
  auto item = Load<TvxDataSkinMenuItem>(TvxRecordKind::Object, "menuitem",
                                        "[r]\ncheckimagerect=44,0,53,9\nradioimagerect=44,11,53,20\n"
                                        "activeradioimagerect=54,11,63,20\n");
  EXPECT_EQ(item->activecheckimagerect, (TvxRect{44, 0, 53, 9}));
  EXPECT_EQ(item->activeradioimagerect, (TvxRect{54, 11, 63, 20}));
  EXPECT_TRUE(item->activearrowimagerect.IsEmpty());
}

TEST(SkinRecords, AUserObjectReadsOnlyItsPlace) {
  auto user = Load<TvxDataUserObject>(TvxRecordKind::Object, "userobject",
                                      "[r]\nactivepictureindex=3\nhint=Hi\nmorphing=1\nskinrect=1,2,30,40\n"
                                      "glowlayeralphablendvalue=9\n");
  EXPECT_EQ(user->activepictureindex, -1);
  EXPECT_EQ(user->hint, "");
  EXPECT_FALSE(user->morphing);
  EXPECT_EQ(user->glowlayeralphablendvalue, 255);
  EXPECT_EQ(user->skinrect, (TvxRect{1, 2, 30, 40}));
  EXPECT_EQ(user->KeyNames(), std::vector<std::string>{"skinrect"});
}

TEST(SkinRecords, TabAndCaptionKeysAreReadInTheirDocumentedOrder) {
  TvxDataSkinTabControl tab;
  std::vector<std::string> keys = tab.KeyNames();
  const std::vector<std::string> head = {"pictureindex", "maskpictureindex", "skinrect", "tabrect", "activetabrect",
                                         "focustabrect", "mouseintabrect", "clientrect", "bgpictureindex",
                                         "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
                                         "tableftoffset", "tabrightoffset", "tabsbgrect", "tabstretcheffect",
                                         "leftstretch", "topstretch", "rightstretch", "bottomstretch",
                                         "stretcheffect", "stretchtype", "fontname", "fontheight", "fontstyle",
                                         "fontcolor", "activefontcolor", "focusfontcolor", "mouseinfontcolor",
                                         "updown", "showfocus", "focusoffsetx", "focusoffsety"};
  ASSERT_GE(keys.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + head.size()), head);
  EXPECT_EQ(keys.back(), "mdibuttonstransparentcolor");

  TvxDataSkinStdButton button;
  keys = button.KeyNames();
  EXPECT_EQ(keys.front(), "hint");
  EXPECT_EQ(keys[13], "glowlayeralphablendvalue");
  EXPECT_EQ(keys[14], "downrect");
  EXPECT_EQ(keys[15], "disableskinrsect");
  EXPECT_EQ(keys.back(), "restorehint");
}

TEST(SkinRecords, ATabWithoutAnUpDownNameFindsNoUpDownRecord) {
  auto tab = Load<TvxDataSkinTabControl>(TvxRecordKind::Control, "tab", "[r]\nskinrect=1,1,9,9\n");
  EXPECT_EQ(tab->updown, "");
  TvxSkinData data;
  EXPECT_EQ(data.GetControlIndex(tab->updown), -1);
}

}  // namespace
}  // namespace vx
