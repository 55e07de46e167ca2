// Control skin records: one per "SKINCONTROLS" entry, named after its
// section, holding the parsed keys that a skinned control copies.
//
// Field names are the definition's key names. Each class reads its base
// class's keys first, then its own in the order VisitFields lists them. A
// control accepts a record by an is-a test (dynamic_cast), so a control that
// wants a TvxDataSkinButtonControl also takes a TvxDataSkinMenuButtonControl,
// and one that wants a TvxDataSkinCustomControl takes every class derived
// from it but not the tab record, whose base is TvxDataSkinControl.
//
// This file holds the classes the program's controls use; the others are in
// vxSkinDataMoreControls.h.
#pragma once

#include <string>

#include "vxSkinRecordFields.h"

namespace vx {

class TvxDataSkinControl : public TvxFieldRecord {
 public:
  int32_t pictureindex = -1;
  int32_t maskpictureindex = -1;  // black = inside; -1 = the control is rectangular
  TvxRect skinrect;

  void VisitFields(TvxRecordFields& f) override;
  int MainPictureIndex() const override { return pictureindex; }
  void SetMainPictureIndex(int index) override { pictureindex = index; }
};

// The geometry of nine-part and three-part drawing.
class TvxDataSkinCustomControl : public TvxDataSkinControl {
 public:
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TvxRect clientrect;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;

  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinPanelControl : public TvxDataSkinCustomControl {
 public:
  int32_t bgpictureindex = -1;
  TvxRect captionrect;
  TvxAlignment alignment = TvxAlignment::taCenter;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0;
  TvxRect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
  int32_t frameleftoffset = 0, framerightoffset = 0;
  TvxRect gripperrect;
  bool grippertransparent = false;
  TvxColor grippertransparentcolor = 0;
  TvxRect buttonrect, buttonactiverect, buttondownrect;
  bool buttontransparent = false;
  TvxColor buttontransparentcolor = 0;

  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinButtonControl : public TvxDataSkinCustomControl {
 public:
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  TvxRect activeskinrect, downskinrect, focusedskinrect, disabledskinrect;
  bool morphing = false;
  TvxMorphKind morphkind = TvxMorphKind::mkDefault;
  TvxRect animateskinrect;
  int32_t framecount = 0;
  int32_t animateinterval = 25;
  bool showfocus = false;
  TvxRect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  TvxColor menumarkertransparentcolor = 0;
  int32_t glowlayerpictureindex = -1, glowlayermaskpictureindex = -1;
  int32_t glowlayeroffsetleft = 0, glowlayeroffsettop = 0, glowlayeroffsetright = 0, glowlayeroffsetbottom = 0;
  int32_t glowlayershowoffsetx = 0, glowlayershowoffsety = 0;
  int32_t glowlayeralphablendvalue = 255;

  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinMenuButtonControl : public TvxDataSkinButtonControl {
 public:
  TvxRect trackbuttonrect;  // area of the separate drop-down part
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinCheckRadioControl : public TvxDataSkinCustomControl {
 public:
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
  TvxRect activeskinrect, checkimagearea, textarea;
  TvxRect checkimagerect, uncheckimagerect, activecheckimagerect, activeuncheckimagerect;
  TvxRect unenabledcheckimagerect, unenableduncheckimagerect, grayedcheckimagerect, activegrayedcheckimagerect;
  bool morphing = false;
  TvxMorphKind morphkind = TvxMorphKind::mkDefault;

  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinEditControl : public TvxDataSkinCustomControl {
 public:
  TvxRect activeskinrect;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, disabledfontcolor = 0, activefontcolor = 0;
  TvxRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;

  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinMemoControl : public TvxDataSkinEditControl {
 public:
  TvxColor bgcolor = 0, activebgcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

// The page control: a page frame (skinrect with its own corner points and
// client area) and the tab images. Not a custom control.
class TvxDataSkinTabControl : public TvxDataSkinControl {
 public:
  TvxRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
  int32_t bgpictureindex = -1;
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  int32_t tableftoffset = 0, tabrightoffset = 0;
  TvxRect tabsbgrect;
  bool tabstretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
  std::string updown;  // name of the up-down record of the tab-scroll buttons
  bool showfocus = false;
  int32_t focusoffsetx = 0, focusoffsety = 0;
  TvxRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  bool buttontransparent = false;
  TvxColor buttontransparentcolor = 0;
  TvxRect dividerrect;
  bool dividertransparent = false;
  TvxColor dividertransparentcolor = 0;
  TvxRect mdicloserect, mdicloseactiverect, mdiclosedownrect;
  TvxRect mdirestorerect, mdirestoreactiverect, mdirestoredownrect;
  TvxRect mdiminrect, mdiminactiverect, mdimindownrect;
  bool mdibuttonstransparent = false;
  TvxColor mdibuttonstransparentcolor = 0;

  void VisitFields(TvxRecordFields& f) override;
};

// Up-down arrows. The custom-control geometry is read but the up-down
// control never resizes by corner points: they are reset to 0,0 and the
// client area to empty after loading, whatever the section says.
class TvxDataSkinUpDownControl : public TvxDataSkinCustomControl {
 public:
  TvxRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TvxRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;

  void VisitFields(TvxRecordFields& f) override;

 protected:
  void AfterLoad(const TvxSkinIni& ini) override;
};

// The six button rectangles of the up-down record, in its order; list boxes,
// scroll bars and spin edits carry the same keys.
struct TvxUpDownRects {
  TvxRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TvxRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  void Visit(TvxRecordFields& f);
};

}  // namespace vx
