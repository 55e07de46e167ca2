#include "vxSkinDataObjects.h"

namespace vx {

void TvxDataSkinObject::VisitFields(TvxRecordFields& f) {
  f.String("hint", hint);
  f.Picture("activepictureindex", activepictureindex);
  f.Picture("activemaskpictureindex", activemaskpictureindex);
  f.Bool("skinrectinapicture", skinrectinapicture);
  f.Rect("skinrect", skinrect);
  f.Rect("activeskinrect", activeskinrect);
  f.Rect("inactiveskinrect", inactiveskinrect);
  f.Bool("morphing", morphing);
  f.MorphKind("morphkind", morphkind);
  f.Picture("glowlayerpictureindex", glowlayerpictureindex);
  f.Picture("glowlayermaskpictureindex", glowlayermaskpictureindex);
  f.Int("glowlayeroffsetx", glowlayeroffsetx);
  f.Int("glowlayeroffsety", glowlayeroffsety);
  f.Int("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

void TvxDataUserObject::VisitFields(TvxRecordFields& f) { f.Rect("skinrect", skinrect); }

void TvxDataSkinButton::VisitFields(TvxRecordFields& f) {
  TvxDataSkinObject::VisitFields(f);
  f.Rect("downrect", downrect);
  f.Rect("disableskinrsect", disableskinrsect);
  f.Picture("alphamaskpictureindex", alphamaskpictureindex);
  f.Picture("alphamaskactivepictureindex", alphamaskactivepictureindex);
  f.Picture("alphamaskinactivepictureindex", alphamaskinactivepictureindex);
}

void TvxRestoreFields::VisitRestore(TvxRecordFields& f) {
  f.Rect("restorerect", restorerect);
  f.Rect("restoreactiverect", restoreactiverect);
  f.Rect("restoredownrect", restoredownrect);
  f.Rect("restoreinactiverect", restoreinactiverect);
  f.String("restorehint", restorehint);
}

void TvxRestoreFields::NameRestore(const std::string& hint, TvxStdCommand command) {
  if (!restorehint.empty()) return;
  if ((hint == "Maximize" && command == TvxStdCommand::cmMaximize) ||
      (hint == "Minimize" && command == TvxStdCommand::cmMinimize) ||
      ((hint == "RollUp" || hint == "Roll Up") && command == TvxStdCommand::cmRollUp))
    restorehint = "Restore";
}

void TvxDataSkinStdButton::VisitFields(TvxRecordFields& f) {
  TvxDataSkinButton::VisitFields(f);
  f.Command("command", command);
  VisitRestore(f);
}

void TvxDataSkinStdButton::AfterLoad(const TvxSkinIni&) { NameRestore(hint, command); }

void TvxDataSkinCaption::VisitFields(TvxRecordFields& f) {
  TvxDataSkinObject::VisitFields(f);
  f.Rect("textrect", textrect);
  f.FontName("fontname", fontname);
  f.FontHeight("fontheight", fontheight);
  f.FontStyle("fontstyle", fontstyle);
  f.Color("fontcolor", fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Alignment("alignment", alignment);
  f.Bool("light", light);
  f.Color("lightcolor", lightcolor);
  f.Color("activelightcolor", activelightcolor);
  f.Bool("shadow", shadow);
  f.Color("shadowcolor", shadowcolor);
  f.Color("activeshadowcolor", activeshadowcolor);
  f.Rect("framerect", framerect);
  f.Rect("activeframerect", activeframerect);
  f.Rect("frametextrect", frametextrect);
  f.Int("frameleftoffset", frameleftoffset);
  f.Int("framerightoffset", framerightoffset);
  f.Bool("stretcheffect", stretcheffect);
  f.Rect("animateskinrect", animateskinrect);
  f.Int("framecount", framecount);
  f.Int("animateinterval", animateinterval, 25);
  f.Bool("inactiveanimation", inactiveanimation);
  f.Bool("fullframe", fullframe);
  f.Bool("vistagloweffect", vistagloweffect);
  f.Bool("vistaglowinactiveeffect", vistaglowinactiveeffect);
  f.Bool("gloweffect", gloweffect);
  f.Bool("glowinactiveeffect", glowinactiveeffect);
  f.Int("glowsize", glowsize, 3);
  f.Color("glowcolor", glowcolor);
  f.Color("glowactivecolor", glowactivecolor);
  f.Int("glowoffset", glowoffset);
  f.Bool("reflectioneffect", reflectioneffect);
  f.Color("reflactioncolor", reflactioncolor);
  f.Color("reflactionactivecolor", reflactionactivecolor);
  f.Int("reflectionoffset", reflectionoffset);
  f.Rect("dividerrect", dividerrect);
  f.Bool("dividertransparent", dividertransparent);
  f.Color("dividertransparentcolor", dividertransparentcolor);
}

void TvxDataSkinAnimate::VisitFields(TvxRecordFields& f) {
  TvxDataSkinObject::VisitFields(f);
  f.Int("countframes", countframes, 1);
  f.Bool("cycle", cycle);
  f.Bool("buttonstyle", buttonstyle);
  f.Int("timerinterval", timerinterval, 50);
  f.Command("command", command);
  f.Rect("downskinrect", downskinrect);
  VisitRestore(f);
}

void TvxDataSkinAnimate::AfterLoad(const TvxSkinIni&) { NameRestore(hint, command); }

void TvxDataSkinMenuItem::VisitFields(TvxRecordFields& f) {
  TvxDataSkinObject::VisitFields(f);
  f.Int("itemleftoffset", itemleftoffset);
  f.Int("itemrightoffset", itemrightoffset);
  f.Rect("dividerrect", dividerrect);
  f.Int("dividerleftoffset", dividerleftoffset);
  f.Int("dividerrightoffset", dividerrightoffset);
  f.Rect("textrect", textrect);
  f.Rect("imagerect", imagerect);
  f.FontName("fontname", fontname);
  f.FontHeight("fontheight", fontheight);
  f.FontStyle("fontstyle", fontstyle);
  f.Color("fontcolor", fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("unenabledfontcolor", unenabledfontcolor);
  f.Bool("stretcheffect", stretcheffect);
  f.Bool("inactivestretcheffect", inactivestretcheffect);
  f.Bool("dividerstretcheffect", dividerstretcheffect);
  f.Rect("animateskinrect", animateskinrect);
  f.Int("framecount", framecount);
  f.Int("animateinterval", animateinterval, 25);
  f.Bool("inactiveanimation", inactiveanimation);
  f.Bool("useimagecolor", useimagecolor);
  f.Color("imagecolor", imagecolor);
  f.Color("activeimagecolor", activeimagecolor);
  f.Bool("inactivetransparent", inactivetransparent);
  f.Rect("checkimagerect", checkimagerect);
  f.Rect("activecheckimagerect", activecheckimagerect);
  f.Rect("radioimagerect", radioimagerect);
  f.Rect("activeradioimagerect", activeradioimagerect);
  f.Rect("arrowimagerect", arrowimagerect);
  f.Rect("activearrowimagerect", activearrowimagerect);
}

void TvxDataSkinMenuItem::AfterLoad(const TvxSkinIni&) {
  if (activecheckimagerect.IsEmpty()) activecheckimagerect = checkimagerect;
  if (activeradioimagerect.IsEmpty()) activeradioimagerect = radioimagerect;
  if (activearrowimagerect.IsEmpty()) activearrowimagerect = arrowimagerect;
}

void TvxDataSkinMainMenuItem::VisitFields(TvxRecordFields& f) {
  TvxDataSkinObject::VisitFields(f);
  f.Int("itemleftoffset", itemleftoffset);
  f.Int("itemrightoffset", itemrightoffset);
  f.Rect("downrect", downrect);
  f.Rect("textrect", textrect);
  f.FontName("fontname", fontname);
  f.FontHeight("fontheight", fontheight);
  f.FontStyle("fontstyle", fontstyle);
  f.Color("fontcolor", fontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("downfontcolor", downfontcolor);
  f.Color("unenabledfontcolor", unenabledfontcolor);
  f.Bool("stretcheffect", stretcheffect);
  f.Rect("animateskinrect", animateskinrect);
  f.Int("framecount", framecount);
  f.Int("animateinterval", animateinterval, 25);
  f.Bool("inactiveanimation", inactiveanimation);
}

}  // namespace vx
