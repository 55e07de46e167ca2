#include "vxSkinDataControls.h"

namespace vx {

void TvxDataSkinControl::VisitFields(TvxRecordFields& f) {
  f.Picture("pictureindex", pictureindex);
  f.Picture("maskpictureindex", maskpictureindex);
  f.Rect("skinrect", skinrect);
}

void TvxDataSkinCustomControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Point("lefttoppoint", lefttoppoint);
  f.Point("righttoppoint", righttoppoint);
  f.Point("leftbottompoint", leftbottompoint);
  f.Point("rightbottompoint", rightbottompoint);
  f.Rect("clientrect", clientrect);
  f.Bool("leftstretch", leftstretch);
  f.Bool("topstretch", topstretch);
  f.Bool("rightstretch", rightstretch);
  f.Bool("bottomstretch", bottomstretch);
  f.Bool("stretcheffect", stretcheffect);
  f.StretchType("stretchtype", stretchtype);
}

void TvxDataSkinPanelControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Rect("captionrect", captionrect);
  f.Alignment("alignment", alignment);
  VisitFontKeys(f, fontname, fontheight, fontstyle, fontcolor);
  f.Rect("checkimagerect", checkimagerect);
  f.Rect("uncheckimagerect", uncheckimagerect);
  f.Rect("markframerect", markframerect);
  f.Rect("framerect", framerect);
  f.Rect("frametextrect", frametextrect);
  f.Int("frameleftoffset", frameleftoffset);
  f.Int("framerightoffset", framerightoffset);
  f.Rect("gripperrect", gripperrect);
  f.Bool("grippertransparent", grippertransparent);
  f.Color("grippertransparentcolor", grippertransparentcolor);
  f.Rect("buttonrect", buttonrect);
  f.Rect("buttonactiverect", buttonactiverect);
  f.Rect("buttondownrect", buttondownrect);
  f.Bool("buttontransparent", buttontransparent);
  f.Color("buttontransparentcolor", buttontransparentcolor);
}

void TvxDataSkinButtonControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.FontName("fontname", fontname);
  f.FontHeight("fontheight", fontheight);
  f.FontStyle("fontstyle", fontstyle);
  f.Color("fontcolor", fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("downfontcolor", downfontcolor);
  f.Color("disabledfontcolor", disabledfontcolor);
  f.Rect("activeskinrect", activeskinrect);
  f.Rect("downskinrect", downskinrect);
  f.Rect("focusedskinrect", focusedskinrect);
  f.Rect("disabledskinrect", disabledskinrect);
  f.Bool("morphing", morphing);
  f.MorphKind("morphkind", morphkind);
  f.Rect("animateskinrect", animateskinrect);
  f.Int("framecount", framecount);
  f.Int("animateinterval", animateinterval, 25);
  f.Bool("showfocus", showfocus);
  f.Rect("menumarkerflatrect", menumarkerflatrect);
  f.Rect("menumarkerrect", menumarkerrect);
  f.Rect("menumarkeractiverect", menumarkeractiverect);
  f.Rect("menumarkerdownrect", menumarkerdownrect);
  f.Color("menumarkertransparentcolor", menumarkertransparentcolor);
  f.Picture("glowlayerpictureindex", glowlayerpictureindex);
  f.Picture("glowlayermaskpictureindex", glowlayermaskpictureindex);
  f.Int("glowlayeroffsetleft", glowlayeroffsetleft);
  f.Int("glowlayeroffsettop", glowlayeroffsettop);
  f.Int("glowlayeroffsetright", glowlayeroffsetright);
  f.Int("glowlayeroffsetbottom", glowlayeroffsetbottom);
  f.Int("glowlayershowoffsetx", glowlayershowoffsetx);
  f.Int("glowlayershowoffsety", glowlayershowoffsety);
  f.Int("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

void TvxDataSkinMenuButtonControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinButtonControl::VisitFields(f);
  f.Rect("trackbuttonrect", trackbuttonrect);
}

void TvxDataSkinCheckRadioControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  VisitFontKeys(f, fontname, fontheight, fontstyle, fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("unenabledfontcolor", unenabledfontcolor);
  f.Color("framefontcolor", framefontcolor);
  f.Rect("activeskinrect", activeskinrect);
  f.Rect("checkimagearea", checkimagearea);
  f.Rect("textarea", textarea);
  f.Rect("checkimagerect", checkimagerect);
  f.Rect("uncheckimagerect", uncheckimagerect);
  f.Rect("activecheckimagerect", activecheckimagerect);
  f.Rect("activeuncheckimagerect", activeuncheckimagerect);
  f.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
  f.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
  f.Rect("grayedcheckimagerect", grayedcheckimagerect);
  f.Rect("activegrayedcheckimagerect", activegrayedcheckimagerect);
  f.Bool("morphing", morphing);
  f.MorphKind("morphkind", morphkind);
}

void TvxDataSkinEditControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("activeskinrect", activeskinrect);
  VisitFontKeys(f, fontname, fontheight, fontstyle, fontcolor);
  f.Color("disabledfontcolor", disabledfontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Rect("buttonrect", buttonrect);
  f.Rect("activebuttonrect", activebuttonrect);
  f.Rect("downbuttonrect", downbuttonrect);
  f.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TvxDataSkinMemoControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinEditControl::VisitFields(f);
  f.Color("bgcolor", bgcolor);
  f.Color("activebgcolor", activebgcolor);
}

void TvxDataSkinTabControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Rect("tabrect", tabrect);
  f.Rect("activetabrect", activetabrect);
  f.Rect("focustabrect", focustabrect);
  f.Rect("mouseintabrect", mouseintabrect);
  f.Rect("clientrect", clientrect);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Point("lefttoppoint", lefttoppoint);
  f.Point("righttoppoint", righttoppoint);
  f.Point("leftbottompoint", leftbottompoint);
  f.Point("rightbottompoint", rightbottompoint);
  f.Int("tableftoffset", tableftoffset);
  f.Int("tabrightoffset", tabrightoffset);
  f.Rect("tabsbgrect", tabsbgrect);
  f.Bool("tabstretcheffect", tabstretcheffect);
  f.Bool("leftstretch", leftstretch);
  f.Bool("topstretch", topstretch);
  f.Bool("rightstretch", rightstretch);
  f.Bool("bottomstretch", bottomstretch);
  f.Bool("stretcheffect", stretcheffect);
  f.StretchType("stretchtype", stretchtype);
  f.FontName("fontname", fontname);
  f.FontHeight("fontheight", fontheight);
  f.FontStyle("fontstyle", fontstyle);
  f.Color("fontcolor", fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("focusfontcolor", focusfontcolor);
  f.Color("mouseinfontcolor", mouseinfontcolor);
  f.String("updown", updown);
  f.Bool("showfocus", showfocus);
  f.Int("focusoffsetx", focusoffsetx);
  f.Int("focusoffsety", focusoffsety);
  f.Rect("closebuttonrect", closebuttonrect);
  f.Rect("closebuttonactiverect", closebuttonactiverect);
  f.Rect("closebuttondownrect", closebuttondownrect);
  f.Bool("buttontransparent", buttontransparent);
  f.Color("buttontransparentcolor", buttontransparentcolor);
  f.Rect("dividerrect", dividerrect);
  f.Bool("dividertransparent", dividertransparent);
  f.Color("dividertransparentcolor", dividertransparentcolor);
  f.Rect("mdicloserect", mdicloserect);
  f.Rect("mdicloseactiverect", mdicloseactiverect);
  f.Rect("mdiclosedownrect", mdiclosedownrect);
  f.Rect("mdirestorerect", mdirestorerect);
  f.Rect("mdirestoreactiverect", mdirestoreactiverect);
  f.Rect("mdirestoredownrect", mdirestoredownrect);
  f.Rect("mdiminrect", mdiminrect);
  f.Rect("mdiminactiverect", mdiminactiverect);
  f.Rect("mdimindownrect", mdimindownrect);
  f.Bool("mdibuttonstransparent", mdibuttonstransparent);
  f.Color("mdibuttonstransparentcolor", mdibuttonstransparentcolor);
}

void TvxUpDownRects::Visit(TvxRecordFields& f) {
  f.Rect("upbuttonrect", upbuttonrect);
  f.Rect("activeupbuttonrect", activeupbuttonrect);
  f.Rect("downupbuttonrect", downupbuttonrect);
  f.Rect("downbuttonrect", downbuttonrect);
  f.Rect("activedownbuttonrect", activedownbuttonrect);
  f.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TvxDataSkinUpDownControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("upbuttonrect", upbuttonrect);
  f.Rect("activeupbuttonrect", activeupbuttonrect);
  f.Rect("downupbuttonrect", downupbuttonrect);
  f.Rect("downbuttonrect", downbuttonrect);
  f.Rect("activedownbuttonrect", activedownbuttonrect);
  f.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TvxDataSkinUpDownControl::AfterLoad(const TvxSkinIni&) {
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TvxPoint{};
  clientrect = TvxRect{};
}

}  // namespace vx
