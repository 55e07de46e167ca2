// The control records no control of the program uses (scroll bars, lists,
// gauges, the ribbon parts ...). They load and save every key of their
// section so that any skin in the format reads completely; what the keys mean
// beyond their names, order and defaults belongs to the controls that will
// use them.
#pragma once

#include <string>

#include "vxSkinDataControls.h"

namespace vx {

// "fontname", "fontheight", "fontstyle", "fontcolor" as fields of one record.
struct TvxFontFields {
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0;
  void VisitFont(TvxRecordFields& f) { VisitFontKeys(f, fontname, fontheight, fontstyle, fontcolor); }
};

class TvxDataSkinExPanelControl : public TvxDataSkinCustomControl, public TvxFontFields {
 public:
  TvxRect rollhskinrect, rollvskinrect;
  int32_t rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
  TvxRect rollvcaptionrect, rollhcaptionrect;
  TvxRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  TvxRect hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect;
  TvxRect hrestorebuttonrect, hrestorebuttonactiverect, hrestorebuttondownrect;
  TvxRect vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect;
  TvxRect vrestorebuttonrect, vrestorebuttonactiverect, vrestorebuttondownrect;
  TvxRect captionrect;
  bool buttonstransparent = false;
  TvxColor buttonstransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinGaugeControl : public TvxDataSkinCustomControl, public TvxFontFields {
 public:
  TvxRect progressarea, progressrect;
  int32_t beginoffset = 0, endoffset = 0;
  bool vertical = false;
  bool progresstransparent = false;
  TvxColor progresstransparentcolor = 0;
  bool progressstretch = false;
  TvxRect animationskinrect;
  int32_t animationcountframes = 0, animationtimerinterval = 0;
  TvxRect progressanimationskinrect;
  int32_t progressanimationcountframes = 0, progressanimationtimerinterval = 0;
  int32_t animationbeginoffset = 0, animationendoffset = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinSplitterControl : public TvxDataSkinCustomControl {
 public:
  TvxRect gripperrect;
  bool grippertransparent = false;
  TvxColor grippertransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinTrackBarControl : public TvxDataSkinCustomControl {
 public:
  TvxRect activeskinrect, trackarea, buttonrect, activebuttonrect;
  bool vertical = false;
  bool buttontransparent = false;
  TvxColor buttontransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinLabelControl : public TvxDataSkinCustomControl, public TvxFontFields {
 public:
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinStdLabelControl : public TvxDataSkinControl, public TvxFontFields {
 public:
  TvxColor activefontcolor = 16711680;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinGridControl : public TvxDataSkinControl, public TvxFontFields {
 public:
  TvxRect fixedcellrect, selectcellrect, focuscellrect;
  int32_t fixedcellleftoffset = 0, fixedcellrightoffset = 0;
  TvxRect fixedcelltextrect;
  int32_t cellleftoffset = 0, cellrightoffset = 0;
  TvxRect celltextrect;
  int32_t bgpictureindex = -1;
  TvxColor linescolor = 0, bgcolor = 0;
  TvxColor selectfontcolor = 0, focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  int32_t fixedfontheight = 14;
  TvxFontStyles fixedfontstyle = 0;
  TvxColor fixedfontcolor = 0;
  bool cellstretcheffect = false, fixedcellstretcheffect = false, showfocus = false;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinMainMenuBar : public TvxDataSkinControl {
 public:
  TvxRect itemsrect;
  // Names of the frame-object records of its items and buttons.
  std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
  TvxColor trackmarkcolor = 0, trackmarkactivecolor = 0;
  bool stretcheffect = false, itemtransparent = false;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinControlBar : public TvxDataSkinCustomControl {
 public:
  TvxRect itemrect;
  int32_t bgpictureindex = -1;
  TvxRect hgriprect, vgriprect;
  int32_t gripoffset1 = 0, gripoffset2 = 0;
  bool itemstretcheffect = false;
  int32_t itemoffset1 = 3, itemoffset2 = 3;
  bool itemtransparent = false;
  TvxColor itemtransparentcolor = 0;
  bool griptransparent = false;
  TvxColor griptransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinAppMenu : public TvxDataSkinCustomControl, public TvxFontFields {
 public:
  int32_t bgpictureindex = -1;
  bool bgstretcheffect = false;
  TvxRect itemrect, pageitemrect, pageitemactiverect;
  int32_t itemoffset1 = 3, itemoffset2 = 3, pageitemoffset1 = 10, pageitemoffset2 = 10, pageoffset = 0;
  int32_t fontpageheight = 16;
  TvxColor disabledfontcolor = 0, activefontcolor = 0, fontpagecolor = 0, activefontpagecolor = 0;
  TvxRect gripperrect;
  TvxColor grippertransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinListBox : public TvxDataSkinCustomControl, public TvxFontFields, public TvxUpDownRects {
 public:
  TvxRect itemrect, activeitemrect, focusitemrect;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TvxRect itemtextrect;
  TvxColor activefontcolor = 0, focusfontcolor = 0;
  TvxRect captionrect;
  std::string captionfontname = "Arial";
  int32_t captionfontheight = 14;
  TvxFontStyles captionfontstyle = 0;
  TvxColor captionfontcolor = 0;
  TvxRect checkbuttonrect, activecheckbuttonrect, downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar", hscrollbarname = "hscrollbar", bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;
  TvxRect disabledbuttonsrect, buttonsarea;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinCheckListBox : public TvxDataSkinListBox {
 public:
  TvxRect itemcheckrect, checkimagerect, uncheckimagerect;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinComboBox : public TvxDataSkinCustomControl, public TvxFontFields {
 public:
  TvxRect activeskinrect, itemrect, activeitemrect, focusitemrect;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TvxRect itemtextrect;
  TvxColor focusfontcolor = 0, activefontcolor = 0;
  std::string listboxname;
  TvxRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  bool itemstretcheffect = false, focusitemstretcheffect = false, showfocus = false;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinScrollBarControl : public TvxDataSkinCustomControl, public TvxUpDownRects {
 public:
  TvxRect trackarea;
  TvxRect thumbrect, activethumbrect, downthumbrect;
  int32_t thumboffset1 = 0, thumboffset2 = 0;
  bool thumbtransparent = false;
  TvxColor thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  int32_t thumbminsize = 0, thumbminpagesize = 0;
  TvxRect glyphrect, activeglyphrect, downglyphrect;
  bool glyphtransparent = false;
  TvxColor glyphtransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinSpinEditControl : public TvxDataSkinCustomControl, public TvxFontFields, public TvxUpDownRects {
 public:
  TvxRect activeskinrect;
  TvxColor activefontcolor = 0, disabledfontcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinScrollBoxControl : public TvxDataSkinCustomControl {
 public:
  int32_t bgpictureindex = -1;
  void VisitFields(TvxRecordFields& f) override;
};

// Tree view, list view and rich edit share one shape: a font and a background colour.
class TvxDataSkinViewControl : public TvxDataSkinControl, public TvxFontFields {
 public:
  TvxColor bgcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};
class TvxDataSkinTreeView : public TvxDataSkinViewControl {};
class TvxDataSkinListView : public TvxDataSkinViewControl {};
class TvxDataSkinRichEdit : public TvxDataSkinViewControl {};

class TvxDataSkinBevel : public TvxDataSkinControl {
 public:
  TvxColor lightcolor = 0, darkcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinSlider : public TvxDataSkinControl {
 public:
  TvxColor bgcolor = 0;
  TvxRect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  int32_t edgesize = 0;
  TvxColor pointscolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

}  // namespace vx
