// The program's own skin (resources/skin) as the engine reads it: container
// layout, lists, window sections and the records whose values the program's
// frame and controls rely on, and the shape of the frame's mask.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "FrameRecords.h"
#include "ProgramSkin.h"
#include "vxSkinData.h"
#include "vxSkinDataControls.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"
#include "vxSkinIni.h"
#include "vxStoredSkin.h"
#include "vxSkinRecordFields.h"

namespace vx {
namespace {

const std::string kSkinDir = KINOPOD_SKIN_DIR;

class ProgramSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored_ = new TvxCompressedStoredSkin;
    ASSERT_TRUE(stored_->LoadFromSkinFile(kSkinDir + "/definition.ini"));
    data_ = new TvxSkinData;
    data_->LoadCompressedStoredSkin(*stored_);
  }
  static void TearDownTestSuite() {
    delete data_;
    delete stored_;
  }
  template <class T>
  static T& Control(const char* name) {
    T* r = dynamic_cast<T*>(data_->FindControl(name));
    EXPECT_NE(r, nullptr) << name;
    return *r;
  }
  template <class T>
  static T& Object(const char* name) {
    T* r = dynamic_cast<T*>(data_->FindObject(name));
    EXPECT_NE(r, nullptr) << name;
    return *r;
  }
  static bool Within(TvxRect r, int picture) {
    const TvxPixmap* p = data_->Picture(picture);
    return p && !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= p->Width() && r.Bottom <= p->Height();
  }
  static TvxCompressedStoredSkin* stored_;
  static TvxSkinData* data_;
};
TvxCompressedStoredSkin* ProgramSkin::stored_ = nullptr;
TvxSkinData* ProgramSkin::data_ = nullptr;

TEST_F(ProgramSkin, ContainerLayout) {
  ASSERT_FALSE(data_->Empty());
  const TvxSkinLoadFacts& f = data_->LoadFacts();
  EXPECT_EQ(f.containerVersion, 3);
  EXPECT_EQ(data_->MainPicture.Width(), 285);
  EXPECT_EQ(data_->MainPicture.Height(), 210);
  EXPECT_EQ(f.mainBitCount, 24);
  EXPECT_TRUE(data_->InactivePicture.Empty());
  EXPECT_EQ(data_->MaskPicture.Width(), 285);
  EXPECT_EQ(data_->MaskPicture.Height(), 210);
  EXPECT_EQ(f.maskBitCount, 8);
  EXPECT_EQ(f.sectionCount, 93u);
  ASSERT_EQ(data_->PictureList.size(), 18u);
  std::map<int, int> depths;
  for (int bits : f.pictureBitCounts) ++depths[bits];
  EXPECT_EQ(depths, (std::map<int, int>{{1, 1}, {4, 2}, {24, 15}}));
  const struct { int index, w, h; } quoted[] = {{1, 44, 44}, {2, 93, 55},   {5, 173, 133}, {6, 93, 55},
                                                {7, 44, 44}, {8, 173, 133}, {16, 173, 133}};
  for (auto q : quoted) {
    EXPECT_EQ(data_->PictureList[q.index].Width(), q.w) << q.index;
    EXPECT_EQ(data_->PictureList[q.index].Height(), q.h) << q.index;
  }
  EXPECT_GE(data_->PictureList[4].Width(), 645);
  EXPECT_GE(data_->PictureList[4].Height(), 376);
  for (int i = 12; i <= 15; ++i) {
    EXPECT_EQ(data_->PictureList[i].Width(), data_->PictureList[0].Width()) << i;
    EXPECT_EQ(data_->PictureList[i].Height(), data_->PictureList[0].Height()) << i;
  }
}

TEST_F(ProgramSkin, ListsNameTheirRecordsInOrder) {
  const char* objects[] = {"closebutton:stdbutton", "maxbutton:stdbutton", "minbutton:stdbutton",
                           "sysmenubutton:stdbutton", "caption:caption", "menuitem:menuitem",
                           "mainmenubaritem:mainmenubaritem", "menubarsysmenubutton:mainmenubarbutton",
                           "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
                           "menubarminbutton:mainmenubarbutton"};
  ASSERT_EQ(data_->ObjectRecords.size(), std::size(objects));
  for (size_t i = 0; i < std::size(objects); ++i)
    EXPECT_EQ(data_->ObjectRecords[i]->Name + ":" + data_->ObjectRecords[i]->TypeName, objects[i]);
  const char* controls[] = {
      "button:button", "toolpanel:panel", "toolbutton:button", "checkbox:checkradio", "gauge:gauge", "vgauge:gauge",
      "radiobox:checkradio", "panel:panel", "label:label", "trackbar:trackbar", "htrackbar:trackbar", "grid:grid",
      "tab:tab", "edit:edit", "memo:memo", "hscrollbar:scrollbar", "vscrollbar:scrollbar", "listbox:listbox",
      "combobox:combobox", "checklistbox:checklistbox", "spinedit:spinedit", "groupbox:panel", "stdlabel:stdlabel",
      "statuspanel:label", "statusbar:panel", "buttonedit:edit", "vupdown:updown", "hupdown:updown",
      "captionlistbox:listbox", "captionchecklistbox:checklistbox", "captioncombobox:combobox",
      "controlbar:controlbar", "mainmenubar:mainmenubar", "vsplitter:splitter", "hsplitter:splitter",
      "resizebutton:button", "bothhscrollbar:scrollbar", "bigtoolpanel:panel", "bigtoolbutton:button",
      "toolmenubutton:menubutton", "toolmenutrackbutton:menubutton", "bigtoolmenubutton:menubutton",
      "bigtoolmenutrackbutton:menubutton", "scrollbox:scrollbox", "listview:listview", "treeview:treeview",
      "statusgauge:gauge", "richedit:richedit", "expanel:expanel", "slider:slider", "bevel:bevel",
      "statusedit:edit", "statusbuttonedit:edit", "statusspinedit:spinedit", "statuscombobox:combobox",
      "resizetoolpanel:panel", "resizetoolbutton:button", "combobutton:button", "vtracktoolbutton:button",
      "htracktoolbutton:button", "menuheader:label", "officetab:tab", "officegroup:panel",
      "officemenubutton:button", "officegroupbutton:button", "officetoolbar:panel", "appmenu:appmenu",
      "menupagepanel:panel", "menupagedivider:bevel", "officegroupdivider:bevel", "appmenuheader:label",
      "appmenustdlabel:stdlabel", "officequickbutton:button"};
  ASSERT_EQ(data_->ControlRecords.size(), std::size(controls));
  for (size_t i = 0; i < std::size(controls); ++i)
    EXPECT_EQ(data_->ControlRecords[i]->Name + ":" + data_->ControlRecords[i]->TypeName, controls[i]);
  EXPECT_EQ(data_->GetControlIndex("button"), 0);
  EXPECT_EQ(data_->GetControlIndex("toolbutton"), 2);
  EXPECT_EQ(data_->GetControlIndex("editbutton"), -1);
  EXPECT_EQ(data_->GetObjectIndex("rollupbutton"), -1);
}

// Every section of the definition lists exactly the keys its record reads,
// in reading order (a caption may carry further keys for other readers).
TEST_F(ProgramSkin, SectionsListTheKeysTheirRecordsRead) {
  std::ifstream in(kSkinDir + "/definition.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  TvxSkinIni ini = TvxSkinIni::Parse(text.str());
  auto check = [&](const TvxSkinRecord& record) {
    std::vector<std::string> keys = dynamic_cast<const TvxFieldRecord&>(record).KeyNames();
    std::vector<std::string> lines = ini.SectionLines(record.Name);
    ASSERT_GE(lines.size(), keys.size()) << record.Name;
    if (record.TypeName != "caption") {
      EXPECT_EQ(lines.size(), keys.size()) << record.Name;
    }
    for (size_t i = 0; i < keys.size(); ++i)
      EXPECT_EQ(lines[i].substr(0, lines[i].find('=')), keys[i]) << record.Name << " line " << i;
  };
  for (const auto& r : data_->ObjectRecords) check(*r);
  for (const auto& r : data_->ControlRecords) check(*r);
  for (TvxSkinRecord* w : {&data_->FormInfo(), &data_->PopupWindow(), &data_->LayerFrame(), &data_->HintWindow()})
    check(*w);
}

TEST_F(ProgramSkin, WindowSections) {
  // The frame's figures are pinned in one place, the frame tests' fixture
  // (ProgramSkin.h); the skin must carry exactly those.
  const frame::FrameSkin pinned = frame::testing::ProgramFrameSkin();
  const frame::FrameSkin loaded = frame::FrameSkinFromSkinData(*data_);
  ASSERT_TRUE(loaded.present);
  EXPECT_EQ(loaded.pictureWidth, pinned.pictureWidth);
  EXPECT_EQ(loaded.pictureHeight, pinned.pictureHeight);
  EXPECT_EQ(loaded.hasMask, pinned.hasMask);
  const frame::FormInfo &a = loaded.info, &b = pinned.info;
  EXPECT_EQ(a.lefttoppoint, b.lefttoppoint);
  EXPECT_EQ(a.righttoppoint, b.righttoppoint);
  EXPECT_EQ(a.leftbottompoint, b.leftbottompoint);
  EXPECT_EQ(a.rightbottompoint, b.rightbottompoint);
  EXPECT_EQ(a.clientrect, b.clientrect);
  EXPECT_EQ(a.maskrectarea, b.maskrectarea);
  EXPECT_EQ(a.hittestlefttoppoint, b.hittestlefttoppoint);
  EXPECT_EQ(a.hittestrighttoppoint, b.hittestrighttoppoint);
  EXPECT_EQ(a.hittestleftbottompoint, b.hittestleftbottompoint);
  EXPECT_EQ(a.hittestrightbottompoint, b.hittestrightbottompoint);
  EXPECT_EQ(a.captionrect, b.captionrect);
  EXPECT_EQ(a.buttonsrect, b.buttonsrect);
  EXPECT_EQ(a.buttonsoffset, b.buttonsoffset);
  EXPECT_EQ(a.buttonsinleft, b.buttonsinleft);
  EXPECT_EQ(a.borderwidth, b.borderwidth);
  EXPECT_EQ(a.formminwidth, b.formminwidth);
  EXPECT_EQ(a.formminheight, b.formminheight);
  EXPECT_EQ(a.stretcheffect, b.stretcheffect);

  auto& form = dynamic_cast<TvxDataSkinFormInfo&>(data_->FormInfo());
  EXPECT_EQ(form.bgpictureindex, -1);
  EXPECT_EQ(form.stretchtype, TvxStretchType::stFull);
  EXPECT_FALSE(form.autorenderinginactiveimage);
  EXPECT_EQ(form.inactiveeffect, TvxInactiveEffect::ieGrayscale);

  auto& popup = dynamic_cast<TvxDataSkinPopupWindow&>(data_->PopupWindow());
  EXPECT_EQ(popup.windowpictureindex, 2);
  EXPECT_EQ(popup.maskpictureindex, 6);
  EXPECT_EQ(popup.righttoppoint, (TvxPoint{88, 4}));
  EXPECT_EQ(popup.rightbottompoint, (TvxPoint{87, 49}));
  EXPECT_EQ(popup.itemsrect, (TvxRect{2, 2, 91, 53}));
  EXPECT_EQ(popup.scrollmarkercolor, 8421504);
  EXPECT_TRUE(popup.topstretch);
  EXPECT_FALSE(popup.leftstretch);

  auto& layer = dynamic_cast<TvxDataSkinLayerFrame&>(data_->LayerFrame());
  EXPECT_EQ(layer.pictureindex, 8);
  EXPECT_EQ(layer.maskpictureindex, 5);
  EXPECT_EQ(layer.clientrect, (TvxRect{18, 46, 155, 115}));
  EXPECT_EQ(layer.borderrect, (TvxRect{15, 14, 159, 118}));
  EXPECT_EQ(layer.captionrect, (TvxRect{21, 19, 152, 38}));
  EXPECT_TRUE(layer.hittestenable && layer.fullborder);
  EXPECT_EQ(layer.hittestsize, 3);
  EXPECT_EQ(layer.rollupformheight, 1);
  EXPECT_EQ(layer.buttonstopoffset, 21);
  EXPECT_EQ(layer.blurmaskpictureindex, 16);
  EXPECT_EQ(layer.intersectblurmaskrect, (TvxRect{15, 15, 158, 118}));
  EXPECT_EQ(layer.excludeblurmaskrect, (TvxRect{18, 46, 155, 115}));

  auto& hint = dynamic_cast<TvxDataSkinHintWindow&>(data_->HintWindow());
  EXPECT_EQ(hint.windowpictureindex, 1);
  EXPECT_EQ(hint.maskpictureindex, 7);
  EXPECT_EQ(hint.rightbottompoint, (TvxPoint{40, 40}));
  EXPECT_EQ(hint.clientrect, (TvxRect{2, 2, 42, 42}));
  EXPECT_TRUE(hint.leftstretch && hint.rightstretch && hint.topstretch && hint.bottomstretch && hint.stretcheffect);
}

TEST_F(ProgramSkin, CaptionAndCaptionButtons) {
  for (const char* name : {"closebutton", "maxbutton", "minbutton", "sysmenubutton"}) {
    auto& b = Object<TvxDataSkinStdButton>(name);
    EXPECT_EQ(b.activepictureindex, 0) << name;
    EXPECT_TRUE(b.skinrectinapicture) << name;
    EXPECT_TRUE(b.morphing) << name;
    EXPECT_EQ(b.skinrect.Width(), 17) << name;
    EXPECT_EQ(b.skinrect.Height(), 15) << name;
    for (TvxRect r : {b.skinrect, b.activeskinrect, b.downrect, b.inactiveskinrect}) {
      EXPECT_TRUE(Within(r, 0)) << name;
      EXPECT_EQ(r.Width(), 17);
      EXPECT_EQ(r.Height(), 15);
    }
    // Hover tests read the active mask as black = inside; the buttons carry alpha masks instead.
    EXPECT_EQ(b.activemaskpictureindex, -1) << name;
  }
  EXPECT_EQ(Object<TvxDataSkinStdButton>("closebutton").command, TvxStdCommand::cmClose);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("closebutton").hint, "Close");
  EXPECT_EQ(Object<TvxDataSkinStdButton>("closebutton").alphamaskpictureindex, 12);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("closebutton").alphamaskactivepictureindex, 13);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("sysmenubutton").alphamaskpictureindex, 14);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("sysmenubutton").alphamaskactivepictureindex, 15);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("sysmenubutton").command, TvxStdCommand::cmSysMenu);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("sysmenubutton").hint, "System menu");
  for (const char* name : {"maxbutton", "minbutton"}) {
    auto& b = Object<TvxDataSkinStdButton>(name);
    EXPECT_TRUE(Within(b.restorerect, 0) && Within(b.restoreactiverect, 0) && Within(b.restoredownrect, 0)) << name;
    EXPECT_EQ(b.restorehint, "Restore");
  }
  EXPECT_EQ(Object<TvxDataSkinStdButton>("maxbutton").command, TvxStdCommand::cmMaximize);
  EXPECT_EQ(Object<TvxDataSkinStdButton>("minbutton").hint, "Minimize");

  auto& caption = Object<TvxDataSkinCaption>("caption");
  EXPECT_EQ(caption.skinrect, (TvxRect{5, 4, 280, 20}));
  EXPECT_FALSE(caption.skinrectinapicture);
  EXPECT_EQ(caption.textrect, (TvxRect{5, 0, 269, 16}));
  EXPECT_EQ(caption.fontname, "Arial");
  EXPECT_EQ(caption.fontheight, 14);
  EXPECT_EQ(caption.fontstyle, fsBold);
  EXPECT_EQ(caption.fontcolor, 10060394);
  EXPECT_EQ(caption.activefontcolor, 5849125);
  EXPECT_EQ(caption.alignment, TvxAlignment::taLeftJustify);
  EXPECT_FALSE(caption.light || caption.shadow || caption.vistagloweffect || caption.reflectioneffect);
  EXPECT_TRUE(caption.gloweffect && caption.glowinactiveeffect);
  EXPECT_EQ(caption.glowsize, 3);
  EXPECT_EQ(caption.glowcolor, 16181724);
  EXPECT_EQ(caption.glowactivecolor, 16777215);
  EXPECT_EQ(caption.dividerrect, (TvxRect{66, 42, 69, 55}));
  EXPECT_TRUE(Within(caption.dividerrect, caption.activepictureindex));
  EXPECT_EQ(Object<TvxDataSkinMenuItem>("menuitem").activepictureindex, 3);
}

TEST_F(ProgramSkin, RecordsOfTheProgramsControls) {
  auto& button = Control<TvxDataSkinButtonControl>("button");
  EXPECT_EQ(button.pictureindex, 4);
  EXPECT_EQ(button.skinrect, (TvxRect{567, 299, 645, 321}));
  EXPECT_EQ(button.lefttoppoint, (TvxPoint{3, 9}));
  EXPECT_EQ(button.righttoppoint, (TvxPoint{73, 13}));
  EXPECT_EQ(button.leftbottompoint, TvxPoint{});
  EXPECT_EQ(button.rightbottompoint, TvxPoint{});
  EXPECT_EQ(button.clientrect, (TvxRect{2, 2, 76, 20}));
  EXPECT_EQ(button.activeskinrect, (TvxRect{567, 271, 645, 293}));
  EXPECT_EQ(button.downskinrect, (TvxRect{567, 327, 645, 349}));
  EXPECT_EQ(button.disabledskinrect, (TvxRect{567, 354, 645, 376}));
  EXPECT_TRUE(button.focusedskinrect.IsEmpty());
  EXPECT_EQ(button.disabledfontcolor, 13156537);
  EXPECT_NE(button.fontcolor, 13156537);
  EXPECT_TRUE(button.morphing);
  EXPECT_EQ(button.animateinterval, 20);
  EXPECT_EQ(button.glowlayerpictureindex, -1);

  auto& tool = Control<TvxDataSkinButtonControl>("toolbutton");
  EXPECT_EQ(tool.skinrect, (TvxRect{55, 31, 80, 57}));
  EXPECT_EQ(tool.lefttoppoint, (TvxPoint{5, 11}));
  EXPECT_EQ(tool.righttoppoint, (TvxPoint{20, 12}));
  EXPECT_EQ(tool.rightbottompoint, TvxPoint{});
  EXPECT_EQ(tool.activeskinrect, (TvxRect{80, 31, 105, 57}));
  EXPECT_EQ(tool.downskinrect, (TvxRect{105, 31, 130, 57}));
  EXPECT_FALSE(tool.clientrect.IsEmpty());
  EXPECT_TRUE(Within(tool.skinrect, tool.pictureindex) && Within(tool.downskinrect, tool.pictureindex));

  auto& check = Control<TvxDataSkinCheckRadioControl>("checkbox");
  EXPECT_EQ(check.skinrect, (TvxRect{58, 62, 91, 81}));
  EXPECT_EQ(check.checkimagearea, (TvxRect{2, 1, 18, 18}));
  EXPECT_EQ(check.textarea, (TvxRect{21, 1, 33, 17}));
  EXPECT_EQ(check.checkimagerect, (TvxRect{232, 311, 247, 326}));
  EXPECT_EQ(check.uncheckimagerect, (TvxRect{232, 296, 247, 311}));
  EXPECT_EQ(check.activecheckimagerect, (TvxRect{247, 311, 262, 326}));
  EXPECT_EQ(check.activeuncheckimagerect, (TvxRect{247, 296, 262, 311}));
  EXPECT_EQ(check.unenabledfontcolor, 15851471);
  for (TvxRect r : {check.skinrect, check.checkimagerect, check.activeuncheckimagerect})
    EXPECT_TRUE(Within(r, check.pictureindex));

  auto& panel = Control<TvxDataSkinPanelControl>("panel");
  EXPECT_TRUE(Within(panel.skinrect, panel.pictureindex));
  EXPECT_EQ(panel.skinrect.Left + panel.clientrect.Left, 143);
  EXPECT_EQ(panel.skinrect.Top + panel.clientrect.Top, 6);
  EXPECT_EQ(panel.skinrect.Left + panel.clientrect.Right, 198);
  EXPECT_EQ(panel.skinrect.Top + panel.clientrect.Bottom, 54);
  EXPECT_NE(panel.rightbottompoint.X, 0);
  EXPECT_NE(panel.rightbottompoint.Y, 0);
  EXPECT_FALSE(panel.stretcheffect);

  auto& edit = Control<TvxDataSkinEditControl>("edit");
  EXPECT_EQ(edit.skinrect, (TvxRect{225, 98, 282, 119}));
  EXPECT_EQ(edit.lefttoppoint, (TvxPoint{4, 10}));
  EXPECT_EQ(edit.righttoppoint, (TvxPoint{51, 11}));
  EXPECT_EQ(edit.clientrect, (TvxRect{3, 3, 54, 18}));
  EXPECT_EQ(edit.disabledfontcolor, 14144205);
  EXPECT_TRUE(edit.activeskinrect.IsEmpty());
  EXPECT_TRUE(edit.buttonrect.IsEmpty());
  EXPECT_TRUE(Within(edit.skinrect, edit.pictureindex));

  auto& tab = Control<TvxDataSkinTabControl>("tab");
  EXPECT_EQ(tab.skinrect, (TvxRect{141, 4, 200, 56}));
  EXPECT_EQ(tab.tabrect, (TvxRect{67, 105, 118, 127}));
  EXPECT_EQ(tab.activetabrect, (TvxRect{4, 110, 55, 133}));
  EXPECT_EQ(tab.focustabrect, (TvxRect{4, 159, 55, 182}));
  EXPECT_EQ(tab.mouseintabrect, (TvxRect{4, 134, 56, 156}));
  EXPECT_EQ(tab.tableftoffset, 5);
  EXPECT_EQ(tab.tabrightoffset, 5);
  EXPECT_EQ(tab.tabsbgrect, (TvxRect{330, 149, 396, 171}));
  EXPECT_TRUE(tab.tabstretcheffect);
  EXPECT_EQ(tab.updown, "hupdown");
  EXPECT_EQ(tab.closebuttonrect, (TvxRect{423, 114, 436, 127}));
  EXPECT_EQ(tab.closebuttonactiverect, (TvxRect{438, 114, 451, 127}));
  EXPECT_EQ(tab.closebuttondownrect, (TvxRect{453, 114, 466, 127}));
  EXPECT_FALSE(tab.clientrect.IsEmpty());
  EXPECT_FALSE(tab.rightbottompoint.IsUnset());
  EXPECT_TRUE(Within(tab.tabsbgrect, tab.pictureindex) && Within(tab.closebuttondownrect, tab.pictureindex));

  auto& updown = Control<TvxDataSkinUpDownControl>(tab.updown.c_str());
  EXPECT_EQ(updown.skinrect, (TvxRect{129, 152, 161, 167}));
  EXPECT_EQ(updown.upbuttonrect, (TvxRect{16, 0, 32, 15}));
  EXPECT_EQ(updown.downbuttonrect, (TvxRect{0, 0, 16, 15}));
  EXPECT_EQ(updown.activeupbuttonrect, (TvxRect{129, 134, 145, 149}));
  EXPECT_EQ(updown.downupbuttonrect, (TvxRect{147, 116, 163, 131}));
  EXPECT_EQ(updown.activedownbuttonrect, (TvxRect{129, 116, 145, 131}));
  EXPECT_EQ(updown.downdownbuttonrect, (TvxRect{147, 134, 163, 149}));
  EXPECT_TRUE(Within(updown.skinrect, updown.pictureindex));
}

// Every picture rectangle a control or object record names lies inside its picture.
TEST_F(ProgramSkin, RecordImagesLieInsideTheirPictures) {
  auto check = [&](TvxSkinRecord& r, int picture) {
    class Rects final : public TvxRecordFields {
     public:
      std::vector<std::pair<std::string, TvxRect>> rects;
      void Int(const char*, int32_t&, int32_t) override {}
      void Picture(const char*, int32_t&) override {}
      void Color(const char*, TvxColor&, TvxColor) override {}
      void Bool(const char*, bool&) override {}
      void String(const char*, std::string&, const char*) override {}
      void FontName(const char*, std::string&) override {}
      void FontHeight(const char*, int32_t&) override {}
      void FontStyle(const char*, TvxFontStyles&) override {}
      void Point(const char*, TvxPoint&) override {}
      void Rect(const char* k, TvxRect& v) override {
        // Areas are relative to the skin image; the others are picture rectangles.
        const std::string key = k;
        const bool area = key == "clientrect" || key == "checkimagearea" || key == "textarea" ||
                          key == "captionrect" || key == "textrect" || key == "imagerect" ||
                          key.find("buttonrect") != std::string::npos || key.find("area") != std::string::npos ||
                          key.find("textrect") != std::string::npos || key == "itemsrect" ||
                          key == "itemcheckrect" || key.find("caption") != std::string::npos;
        if (!area && !v.IsEmpty()) rects.emplace_back(key, v);
      }
      void Alignment(const char*, TvxAlignment&) override {}
      void StretchType(const char*, TvxStretchType&) override {}
      void InactiveEffect(const char*, TvxInactiveEffect&) override {}
      void MorphKind(const char*, TvxMorphKind&) override {}
      void Command(const char*, TvxStdCommand&) override {}
    } rects;
    dynamic_cast<TvxFieldRecord&>(r).VisitFields(rects);
    for (const auto& [key, rect] : rects.rects) EXPECT_TRUE(Within(rect, picture)) << r.Name << "." << key;
  };
  for (const auto& r : data_->ControlRecords)
    if (r->MainPictureIndex() >= 0) check(*r, r->MainPictureIndex());
  for (const auto& r : data_->ObjectRecords)
    if (auto* o = dynamic_cast<TvxDataSkinObject*>(r.get()); o && o->skinrectinapicture) check(*r, o->activepictureindex);
}

TEST_F(ProgramSkin, TheMaskCutsRoundedCornersOnlyInsideTheOuterRing) {
  const TvxPixmap& mask = data_->MaskPicture;
  auto inside = [&](int x, int y) { return (mask.At(x, y) & 0xFFFFFF) == 0; };
  EXPECT_FALSE(inside(0, 0));
  EXPECT_FALSE(inside(284, 0));
  EXPECT_FALSE(inside(0, 209));
  EXPECT_FALSE(inside(284, 209));
  EXPECT_TRUE(inside(142, 0));
  EXPECT_TRUE(inside(0, 105));
  for (int y = 3; y < 207; ++y)
    for (int x = 3; x < 282; ++x) ASSERT_TRUE(inside(x, y)) << x << "," << y;
  // The mask's edge bands are uniform along their length, so the frame's
  // strips can tile them at any window size.
  for (int x = 9; x < 273; ++x)
    for (int y = 0; y < 3; ++y) ASSERT_EQ(inside(x, y), inside(9, y));
}

TEST_F(ProgramSkin, PopupAndHintMasksRoundTheirCorners) {
  auto& popup = dynamic_cast<TvxDataSkinPopupWindow&>(data_->PopupWindow());
  auto& hint = dynamic_cast<TvxDataSkinHintWindow&>(data_->HintWindow());
  for (int index : {popup.maskpictureindex, hint.maskpictureindex}) {
    const TvxPixmap* mask = data_->Picture(index);
    ASSERT_NE(mask, nullptr);
    auto inside = [&](int x, int y) { return (mask->At(x, y) & 0xFFFFFF) == 0; };
    const int w = mask->Width(), h = mask->Height();
    EXPECT_FALSE(inside(0, 0) || inside(w - 1, 0) || inside(0, h - 1) || inside(w - 1, h - 1)) << index;
    EXPECT_TRUE(inside(w / 2, 0) && inside(0, h / 2) && inside(w / 2, h / 2)) << index;
  }
}

// Check images are drawn with their bottom-left pixel's colour transparent:
// that pixel must be a key colour the box and the mark never use.
TEST_F(ProgramSkin, CheckImagesKeepTheirKeyColourOutOfTheGlyph) {
  auto& check = Control<TvxDataSkinCheckRadioControl>("checkbox");
  const TvxPixmap* picture = data_->Picture(check.pictureindex);
  ASSERT_NE(picture, nullptr);
  for (TvxRect r : {check.checkimagerect, check.uncheckimagerect, check.activecheckimagerect,
                    check.activeuncheckimagerect}) {
    const Pixel key = picture->At(r.Left, r.Bottom - 1) & 0xFFFFFF;
    int keyed = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) keyed += (picture->At(x, y) & 0xFFFFFF) == key;
    EXPECT_NE(picture->At(r.Left + r.Width() / 2, r.Top + r.Height() / 2) & 0xFFFFFF, key);
    EXPECT_NE(picture->At(r.Left + 2, r.Top + r.Height() / 2) & 0xFFFFFF, key);  // the box's left edge
    // Only the one-pixel margin around the box and its rounded corners are transparent.
    EXPECT_LE(keyed, 2 * (r.Width() + r.Height()) - 4 + 8);
  }
}

TEST_F(ProgramSkin, TheFramesEdgeBandsAreUniformAlongTheirLength) {
  const TvxPixmap& p = data_->MainPicture;
  for (int y = 0; y < 27; ++y)
    for (int x = 9; x < 273; ++x) ASSERT_EQ(p.At(x, y), p.At(9, y)) << x << "," << y;
  for (int y = 205; y < 210; ++y)
    for (int x = 4; x < 279; ++x) ASSERT_EQ(p.At(x, y), p.At(4, y)) << x << "," << y;
  for (int x = 0; x < 285; ++x)
    if (x < 3 || x >= 282) {
      for (int y = 27; y < 205; ++y) ASSERT_EQ(p.At(x, y), p.At(x, 27)) << x << "," << y;
    }
  // The client tile is one colour: it tiles without seams from any origin.
  for (int y = 26; y < 207; ++y)
    for (int x = 3; x < 282; ++x) ASSERT_EQ(p.At(x, y), p.At(3, 26));
}

}  // namespace
}  // namespace vx
