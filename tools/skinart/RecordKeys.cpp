#include "RecordKeys.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>

namespace skinart {
namespace {

const char* kRect = "0,0,0,0";
const char* kPoint = "0,0";

KeyTable Join(std::initializer_list<KeyTable> parts) {
  KeyTable all;
  for (const KeyTable& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
KeyTable Rects(std::initializer_list<const char*> keys) {
  KeyTable t;
  for (const char* k : keys) t.emplace_back(k, kRect);
  return t;
}
KeyTable Zeros(std::initializer_list<const char*> keys) {
  KeyTable t;
  for (const char* k : keys) t.emplace_back(k, "0");
  return t;
}

const KeyTable kFont = {{"fontname", "Arial"}, {"fontheight", "14"}, {"fontstyle", ""}, {"fontcolor", "0"}};
const KeyTable kFontFace = {{"fontname", "Arial"}, {"fontheight", "14"}, {"fontstyle", ""}};
const KeyTable kPoints = {{"lefttoppoint", kPoint}, {"righttoppoint", kPoint}, {"leftbottompoint", kPoint},
                          {"rightbottompoint", kPoint}};
const KeyTable kUpDownRects = Rects({"upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                                     "activedownbuttonrect", "downdownbuttonrect"});

const KeyTable kControl = {{"pictureindex", "-1"}, {"maskpictureindex", "-1"}, {"skinrect", kRect}};
const KeyTable kCustom = Join({kControl, kPoints, Rects({"clientrect"}),
                               Zeros({"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"}),
                               {{"stretchtype", "stfull"}}});

const KeyTable kButton = Join(
    {kCustom, kFontFace, Zeros({"fontcolor", "activefontcolor", "downfontcolor", "disabledfontcolor"}),
     Rects({"activeskinrect", "downskinrect", "focusedskinrect", "disabledskinrect"}),
     {{"morphing", "0"}, {"morphkind", "mkdefault"}, {"animateskinrect", kRect}, {"framecount", "0"},
      {"animateinterval", "25"}, {"showfocus", "0"}},
     Rects({"menumarkerflatrect", "menumarkerrect", "menumarkeractiverect", "menumarkerdownrect"}),
     {{"menumarkertransparentcolor", "0"}, {"glowlayerpictureindex", "-1"}, {"glowlayermaskpictureindex", "-1"}},
     Zeros({"glowlayeroffsetleft", "glowlayeroffsettop", "glowlayeroffsetright", "glowlayeroffsetbottom",
            "glowlayershowoffsetx", "glowlayershowoffsety"}),
     {{"glowlayeralphablendvalue", "255"}}});

const KeyTable kEdit = Join({kCustom, Rects({"activeskinrect"}), kFont,
                             Zeros({"disabledfontcolor", "activefontcolor"}),
                             Rects({"buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect"})});

const KeyTable kListBox = Join(
    {kCustom, Rects({"itemrect", "activeitemrect", "focusitemrect"}), Zeros({"itemleftoffset", "itemrightoffset"}),
     Rects({"itemtextrect"}), kFont, Zeros({"activefontcolor", "focusfontcolor"}), Rects({"captionrect"}),
     {{"captionfontname", "Arial"}, {"captionfontheight", "14"}, {"captionfontstyle", ""}, {"captionfontcolor", "0"}},
     kUpDownRects, Rects({"checkbuttonrect", "activecheckbuttonrect", "downcheckbuttonrect"}),
     {{"vscrollbarname", "vscrollbar"}, {"hscrollbarname", "hscrollbar"}, {"bothhscrollbarname", "bothhscrollbar"},
      {"showfocus", "0"}},
     Rects({"disabledbuttonsrect", "buttonsarea"})});

const KeyTable kObject = {{"hint", ""},
                          {"activepictureindex", "-1"},
                          {"activemaskpictureindex", "-1"},
                          {"skinrectinapicture", "0"},
                          {"skinrect", kRect},
                          {"activeskinrect", kRect},
                          {"inactiveskinrect", kRect},
                          {"morphing", "0"},
                          {"morphkind", "mkdefault"},
                          {"glowlayerpictureindex", "-1"},
                          {"glowlayermaskpictureindex", "-1"},
                          {"glowlayeroffsetx", "0"},
                          {"glowlayeroffsety", "0"},
                          {"glowlayeralphablendvalue", "255"}};
const KeyTable kRestore = Join({Rects({"restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect"}),
                                {{"restorehint", ""}}});
const KeyTable kObjButton = Join({kObject, Rects({"downrect", "disableskinrsect"}),
                                  {{"alphamaskpictureindex", "-1"},
                                   {"alphamaskactivepictureindex", "-1"},
                                   {"alphamaskinactivepictureindex", "-1"}}});
const KeyTable kStdButton = Join({kObjButton, {{"command", "cmdefault"}}, kRestore});
const KeyTable kAnimation = {{"animateskinrect", kRect}, {"framecount", "0"}, {"animateinterval", "25"},
                             {"inactiveanimation", "0"}};

std::map<std::string, KeyTable> BuildTables() {
  std::map<std::string, KeyTable> t;
  t["panel"] = Join({kCustom,
                     {{"bgpictureindex", "-1"}, {"captionrect", kRect}, {"alignment", "tacenter"}},
                     kFont,
                     Rects({"checkimagerect", "uncheckimagerect", "markframerect", "framerect", "frametextrect"}),
                     Zeros({"frameleftoffset", "framerightoffset"}),
                     Rects({"gripperrect"}),
                     Zeros({"grippertransparent", "grippertransparentcolor"}),
                     Rects({"buttonrect", "buttonactiverect", "buttondownrect"}),
                     Zeros({"buttontransparent", "buttontransparentcolor"})});
  t["button"] = kButton;
  t["menubutton"] = Join({kButton, Rects({"trackbuttonrect"})});
  t["checkradio"] = Join(
      {kCustom, kFont, Zeros({"activefontcolor", "unenabledfontcolor", "framefontcolor"}),
       Rects({"activeskinrect", "checkimagearea", "textarea", "checkimagerect", "uncheckimagerect",
              "activecheckimagerect", "activeuncheckimagerect", "unenabledcheckimagerect",
              "unenableduncheckimagerect", "grayedcheckimagerect", "activegrayedcheckimagerect"}),
       {{"morphing", "0"}, {"morphkind", "mkdefault"}}});
  t["edit"] = kEdit;
  t["memo"] = Join({kEdit, Zeros({"bgcolor", "activebgcolor"})});
  t["tab"] = Join({kControl, Rects({"tabrect", "activetabrect", "focustabrect", "mouseintabrect", "clientrect"}),
                   {{"bgpictureindex", "-1"}}, kPoints, Zeros({"tableftoffset", "tabrightoffset"}),
                   Rects({"tabsbgrect"}),
                   Zeros({"tabstretcheffect", "leftstretch", "topstretch", "rightstretch", "bottomstretch",
                          "stretcheffect"}),
                   {{"stretchtype", "stfull"}}, kFontFace,
                   Zeros({"fontcolor", "activefontcolor", "focusfontcolor", "mouseinfontcolor"}),
                   {{"updown", ""}}, Zeros({"showfocus", "focusoffsetx", "focusoffsety"}),
                   Rects({"closebuttonrect", "closebuttonactiverect", "closebuttondownrect"}),
                   Zeros({"buttontransparent", "buttontransparentcolor"}), Rects({"dividerrect"}),
                   Zeros({"dividertransparent", "dividertransparentcolor"}),
                   Rects({"mdicloserect", "mdicloseactiverect", "mdiclosedownrect", "mdirestorerect",
                          "mdirestoreactiverect", "mdirestoredownrect", "mdiminrect", "mdiminactiverect",
                          "mdimindownrect"}),
                   Zeros({"mdibuttonstransparent", "mdibuttonstransparentcolor"})});
  t["updown"] = Join({kCustom, kUpDownRects});
  t["expanel"] = Join({kCustom, Rects({"rollhskinrect", "rollvskinrect"}),
                       Zeros({"rollleftoffset", "rollrightoffset", "rolltopoffset", "rollbottomoffset"}),
                       Rects({"rollvcaptionrect", "rollhcaptionrect", "closebuttonrect", "closebuttonactiverect",
                              "closebuttondownrect", "hrollbuttonrect", "hrollbuttonactiverect",
                              "hrollbuttondownrect", "hrestorebuttonrect", "hrestorebuttonactiverect",
                              "hrestorebuttondownrect", "vrollbuttonrect", "vrollbuttonactiverect",
                              "vrollbuttondownrect", "vrestorebuttonrect", "vrestorebuttonactiverect",
                              "vrestorebuttondownrect", "captionrect"}),
                       kFont, Zeros({"buttonstransparent", "buttonstransparentcolor"})});
  t["gauge"] = Join({kCustom, Rects({"progressarea", "progressrect"}), Zeros({"beginoffset", "endoffset", "vertical"}),
                     kFont, Zeros({"progresstransparent", "progresstransparentcolor", "progressstretch"}),
                     Rects({"animationskinrect"}), Zeros({"animationcountframes", "animationtimerinterval"}),
                     Rects({"progressanimationskinrect"}),
                     Zeros({"progressanimationcountframes", "progressanimationtimerinterval", "animationbeginoffset",
                            "animationendoffset"})});
  t["splitter"] = Join({kCustom, Rects({"gripperrect"}), Zeros({"grippertransparent", "grippertransparentcolor"})});
  t["trackbar"] = Join({kCustom, Rects({"activeskinrect", "trackarea", "buttonrect", "activebuttonrect"}),
                        Zeros({"vertical", "buttontransparent", "buttontransparentcolor"})});
  t["label"] = Join({kCustom, kFont});
  t["stdlabel"] = Join({kControl, kFont, {{"activefontcolor", "16711680"}}});
  t["grid"] = Join({kControl, Rects({"fixedcellrect", "selectcellrect", "focuscellrect"}),
                    Zeros({"fixedcellleftoffset", "fixedcellrightoffset"}), Rects({"fixedcelltextrect"}),
                    Zeros({"cellleftoffset", "cellrightoffset"}), Rects({"celltextrect"}),
                    {{"bgpictureindex", "-1"}}, Zeros({"linescolor", "bgcolor"}), kFont,
                    Zeros({"selectfontcolor", "focusfontcolor"}),
                    {{"fixedfontname", "Arial"}, {"fixedfontheight", "14"}, {"fixedfontstyle", ""}},
                    Zeros({"fixedfontcolor", "cellstretcheffect", "fixedcellstretcheffect", "showfocus"})});
  t["mainmenubar"] = Join({kControl, Rects({"itemsrect"}),
                           {{"menubaritem", ""}, {"closebutton", ""}, {"minbutton", ""}, {"maxbutton", ""},
                            {"sysmenubutton", ""}},
                           Zeros({"trackmarkcolor", "trackmarkactivecolor", "stretcheffect", "itemtransparent"})});
  t["controlbar"] = Join({kCustom, Rects({"itemrect"}), {{"bgpictureindex", "-1"}}, Rects({"hgriprect", "vgriprect"}),
                          Zeros({"gripoffset1", "gripoffset2", "itemstretcheffect"}),
                          {{"itemoffset1", "3"}, {"itemoffset2", "3"}},
                          Zeros({"itemtransparent", "itemtransparentcolor", "griptransparent",
                                 "griptransparentcolor"})});
  t["appmenu"] = Join({kCustom, {{"bgpictureindex", "-1"}, {"bgstretcheffect", "0"}},
                       Rects({"itemrect", "pageitemrect", "pageitemactiverect"}),
                       {{"itemoffset1", "3"}, {"itemoffset2", "3"}, {"pageitemoffset1", "10"},
                        {"pageitemoffset2", "10"}, {"pageoffset", "0"}},
                       kFont, {{"fontpageheight", "16"}},
                       Zeros({"disabledfontcolor", "activefontcolor", "fontpagecolor", "activefontpagecolor"}),
                       Rects({"gripperrect"}), Zeros({"grippertransparentcolor"})});
  t["listbox"] = kListBox;
  t["checklistbox"] = Join({kListBox, Rects({"itemcheckrect", "checkimagerect", "uncheckimagerect"})});
  t["combobox"] = Join({kCustom, Rects({"activeskinrect", "itemrect", "activeitemrect", "focusitemrect"}),
                        Zeros({"itemleftoffset", "itemrightoffset"}), Rects({"itemtextrect"}), kFont,
                        Zeros({"focusfontcolor", "activefontcolor"}), {{"listboxname", ""}},
                        Rects({"buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect"}),
                        Zeros({"itemstretcheffect", "focusitemstretcheffect", "showfocus"})});
  t["scrollbar"] = Join({kCustom, Rects({"trackarea"}), kUpDownRects,
                         Rects({"thumbrect", "activethumbrect", "downthumbrect"}),
                         Zeros({"thumboffset1", "thumboffset2", "thumbtransparent", "thumbtransparentcolor",
                                "thumbstretcheffect", "thumbminsize", "thumbminpagesize"}),
                         Rects({"glyphrect", "activeglyphrect", "downglyphrect"}),
                         Zeros({"glyphtransparent", "glyphtransparentcolor"})});
  t["spinedit"] = Join({kCustom, Rects({"activeskinrect"}), kFont, Zeros({"activefontcolor", "disabledfontcolor"}),
                        kUpDownRects});
  t["scrollbox"] = Join({kCustom, {{"bgpictureindex", "-1"}}});
  t["treeview"] = t["listview"] = t["richedit"] = Join({kControl, kFont, Zeros({"bgcolor"})});
  t["bevel"] = Join({kControl, Zeros({"lightcolor", "darkcolor"})});
  t["slider"] = Join({kControl, Zeros({"bgcolor"}), Rects({"hrulerrect", "hthumbrect", "vrulerrect", "vthumbrect"}),
                      Zeros({"edgesize", "pointscolor"})});

  // Frame objects.
  t["userobject"] = {{"skinrect", kRect}};
  t["objbutton"] = kObjButton;
  t["stdbutton"] = t["mainmenubarbutton"] = kStdButton;
  t["caption"] = Join({kObject, Rects({"textrect"}), kFont, {{"activefontcolor", "0"}, {"alignment", "tacenter"}},
                       Zeros({"light", "lightcolor", "activelightcolor", "shadow", "shadowcolor", "activeshadowcolor"}),
                       Rects({"framerect", "activeframerect", "frametextrect"}),
                       Zeros({"frameleftoffset", "framerightoffset", "stretcheffect"}), kAnimation,
                       Zeros({"fullframe", "vistagloweffect", "vistaglowinactiveeffect", "gloweffect",
                              "glowinactiveeffect"}),
                       {{"glowsize", "3"}},
                       Zeros({"glowcolor", "glowactivecolor", "glowoffset", "reflectioneffect", "reflactioncolor",
                              "reflactionactivecolor", "reflectionoffset"}),
                       Rects({"dividerrect"}), Zeros({"dividertransparent", "dividertransparentcolor"})});
  t["animate"] = Join({kObject,
                       {{"countframes", "1"}, {"cycle", "0"}, {"buttonstyle", "0"}, {"timerinterval", "50"},
                        {"command", "cmdefault"}, {"downskinrect", kRect}},
                       kRestore});
  t["menuitem"] = Join({kObject, Zeros({"itemleftoffset", "itemrightoffset"}), Rects({"dividerrect"}),
                        Zeros({"dividerleftoffset", "dividerrightoffset"}), Rects({"textrect", "imagerect"}), kFont,
                        Zeros({"activefontcolor", "unenabledfontcolor", "stretcheffect", "inactivestretcheffect",
                               "dividerstretcheffect"}),
                        kAnimation, Zeros({"useimagecolor", "imagecolor", "activeimagecolor", "inactivetransparent"}),
                        Rects({"checkimagerect", "activecheckimagerect", "radioimagerect", "activeradioimagerect",
                               "arrowimagerect", "activearrowimagerect"})});
  t["mainmenubaritem"] = Join({kObject, Zeros({"itemleftoffset", "itemrightoffset"}), Rects({"downrect", "textrect"}),
                               kFont, Zeros({"activefontcolor", "downfontcolor", "unenabledfontcolor", "stretcheffect"}),
                               kAnimation});

  // Window sections.
  t["FORMINFO"] = Join({kPoints, Rects({"clientrect"}), {{"bgpictureindex", "-1"}, {"mdibgpictureindex", "-1"}},
                        Zeros({"leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect"}),
                        {{"stretchtype", "stfull"}, {"mdibgstretcheffect", "0"}, {"mdibgstretchtype", "stfull"}},
                        Rects({"maskrectarea"}),
                        {{"hittestlefttoppoint", kPoint}, {"hittestrighttoppoint", kPoint},
                         {"hittestleftbottompoint", kPoint}, {"hittestrightbottompoint", kPoint}},
                        Rects({"buttonsrect", "captionrect"}),
                        Zeros({"buttonsoffset", "buttonsinleft", "mainmenupopupup", "borderwidth", "formminwidth",
                               "formminheight", "mditabstransparent", "mainmenubartransparent",
                               "autorenderinginactiveimage"}),
                        {{"inactiveeffect", "iebrightness"}}});
  t["POPUPWINDOW"] = Join({{{"windowpictureindex", "-1"}, {"maskpictureindex", "-1"}}, kPoints, Rects({"itemsrect"}),
                           Zeros({"scrollmarkercolor", "scrollmarkeractivecolor", "leftstretch", "rightstretch",
                                  "topstretch", "bottomstretch", "stretcheffect"}),
                           {{"stretchtype", "stfull"}}});
  t["LAYERFRAME"] = Join({{{"pictureindex", "-1"}, {"maskpictureindex", "-1"}, {"inactivepictureindex", "-1"},
                           {"inactivemaskpictureindex", "-1"}},
                          kPoints, Rects({"clientrect"}),
                          {{"alphablendvalue", "255"}, {"inactivealphablendvalue", "255"}}, Rects({"borderrect"}),
                          Zeros({"hittestenable", "fullborder", "hittestsize"}), Rects({"captionrect"}),
                          {{"hittestlefttoppoint", kPoint}, {"hittestrighttoppoint", kPoint},
                           {"hittestleftbottompoint", kPoint}, {"hittestrightbottompoint", kPoint}},
                          Rects({"buttonsrect", "sysmenubuttonrect"}),
                          Zeros({"fullstretch", "rollupformheight", "buttonstopoffset", "sysbuttontopoffset"}),
                          {{"blurmaskpictureindex", "-1"}}, Rects({"intersectblurmaskrect", "excludeblurmaskrect"}),
                          Zeros({"leftoffset", "topoffset", "widthoffset", "heightoffset"})});
  t["HINTWINDOW"] = Join({{{"windowpictureindex", "-1"}, {"maskpictureindex", "-1"}}, kPoints, Rects({"clientrect"}),
                          kFont,
                          Zeros({"leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect"}),
                          {{"stretchtype", "stfull"}}});
  return t;
}

}  // namespace

const KeyTable& KeysOf(const std::string& recordClass) {
  static const std::map<std::string, KeyTable> tables = BuildTables();
  auto it = tables.find(recordClass);
  if (it == tables.end()) {
    std::fprintf(stderr, "skinart: no key table for record class '%s'\n", recordClass.c_str());
    std::exit(2);
  }
  return it->second;
}

}  // namespace skinart
