#include "vxSkinDataMoreControls.h"

namespace vx {

void TvxDataSkinExPanelControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("rollhskinrect", rollhskinrect);
  f.Rect("rollvskinrect", rollvskinrect);
  f.Int("rollleftoffset", rollleftoffset);
  f.Int("rollrightoffset", rollrightoffset);
  f.Int("rolltopoffset", rolltopoffset);
  f.Int("rollbottomoffset", rollbottomoffset);
  f.Rect("rollvcaptionrect", rollvcaptionrect);
  f.Rect("rollhcaptionrect", rollhcaptionrect);
  f.Rect("closebuttonrect", closebuttonrect);
  f.Rect("closebuttonactiverect", closebuttonactiverect);
  f.Rect("closebuttondownrect", closebuttondownrect);
  f.Rect("hrollbuttonrect", hrollbuttonrect);
  f.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
  f.Rect("hrollbuttondownrect", hrollbuttondownrect);
  f.Rect("hrestorebuttonrect", hrestorebuttonrect);
  f.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
  f.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
  f.Rect("vrollbuttonrect", vrollbuttonrect);
  f.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
  f.Rect("vrollbuttondownrect", vrollbuttondownrect);
  f.Rect("vrestorebuttonrect", vrestorebuttonrect);
  f.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
  f.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
  f.Rect("captionrect", captionrect);
  VisitFont(f);
  f.Bool("buttonstransparent", buttonstransparent);
  f.Color("buttonstransparentcolor", buttonstransparentcolor);
}

void TvxDataSkinGaugeControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("progressarea", progressarea);
  f.Rect("progressrect", progressrect);
  f.Int("beginoffset", beginoffset);
  f.Int("endoffset", endoffset);
  f.Bool("vertical", vertical);
  VisitFont(f);
  f.Bool("progresstransparent", progresstransparent);
  f.Color("progresstransparentcolor", progresstransparentcolor);
  f.Bool("progressstretch", progressstretch);
  f.Rect("animationskinrect", animationskinrect);
  f.Int("animationcountframes", animationcountframes);
  f.Int("animationtimerinterval", animationtimerinterval);
  f.Rect("progressanimationskinrect", progressanimationskinrect);
  f.Int("progressanimationcountframes", progressanimationcountframes);
  f.Int("progressanimationtimerinterval", progressanimationtimerinterval);
  f.Int("animationbeginoffset", animationbeginoffset);
  f.Int("animationendoffset", animationendoffset);
}

void TvxDataSkinSplitterControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("gripperrect", gripperrect);
  f.Bool("grippertransparent", grippertransparent);
  f.Color("grippertransparentcolor", grippertransparentcolor);
}

void TvxDataSkinTrackBarControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("activeskinrect", activeskinrect);
  f.Rect("trackarea", trackarea);
  f.Rect("buttonrect", buttonrect);
  f.Rect("activebuttonrect", activebuttonrect);
  f.Bool("vertical", vertical);
  f.Bool("buttontransparent", buttontransparent);
  f.Color("buttontransparentcolor", buttontransparentcolor);
}

void TvxDataSkinLabelControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  VisitFont(f);
}

void TvxDataSkinStdLabelControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  VisitFont(f);
  f.Color("activefontcolor", activefontcolor, 16711680);
}

void TvxDataSkinGridControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Rect("fixedcellrect", fixedcellrect);
  f.Rect("selectcellrect", selectcellrect);
  f.Rect("focuscellrect", focuscellrect);
  f.Int("fixedcellleftoffset", fixedcellleftoffset);
  f.Int("fixedcellrightoffset", fixedcellrightoffset);
  f.Rect("fixedcelltextrect", fixedcelltextrect);
  f.Int("cellleftoffset", cellleftoffset);
  f.Int("cellrightoffset", cellrightoffset);
  f.Rect("celltextrect", celltextrect);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Color("linescolor", linescolor);
  f.Color("bgcolor", bgcolor);
  VisitFont(f);
  f.Color("selectfontcolor", selectfontcolor);
  f.Color("focusfontcolor", focusfontcolor);
  f.FontName("fixedfontname", fixedfontname);
  f.FontHeight("fixedfontheight", fixedfontheight);
  f.FontStyle("fixedfontstyle", fixedfontstyle);
  f.Color("fixedfontcolor", fixedfontcolor);
  f.Bool("cellstretcheffect", cellstretcheffect);
  f.Bool("fixedcellstretcheffect", fixedcellstretcheffect);
  f.Bool("showfocus", showfocus);
}

void TvxDataSkinMainMenuBar::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Rect("itemsrect", itemsrect);
  f.String("menubaritem", menubaritem);
  f.String("closebutton", closebutton);
  f.String("minbutton", minbutton);
  f.String("maxbutton", maxbutton);
  f.String("sysmenubutton", sysmenubutton);
  f.Color("trackmarkcolor", trackmarkcolor);
  f.Color("trackmarkactivecolor", trackmarkactivecolor);
  f.Bool("stretcheffect", stretcheffect);
  f.Bool("itemtransparent", itemtransparent);
}

void TvxDataSkinControlBar::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("itemrect", itemrect);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Rect("hgriprect", hgriprect);
  f.Rect("vgriprect", vgriprect);
  f.Int("gripoffset1", gripoffset1);
  f.Int("gripoffset2", gripoffset2);
  f.Bool("itemstretcheffect", itemstretcheffect);
  f.Int("itemoffset1", itemoffset1, 3);
  f.Int("itemoffset2", itemoffset2, 3);
  f.Bool("itemtransparent", itemtransparent);
  f.Color("itemtransparentcolor", itemtransparentcolor);
  f.Bool("griptransparent", griptransparent);
  f.Color("griptransparentcolor", griptransparentcolor);
}

void TvxDataSkinAppMenu::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Bool("bgstretcheffect", bgstretcheffect);
  f.Rect("itemrect", itemrect);
  f.Rect("pageitemrect", pageitemrect);
  f.Rect("pageitemactiverect", pageitemactiverect);
  f.Int("itemoffset1", itemoffset1, 3);
  f.Int("itemoffset2", itemoffset2, 3);
  f.Int("pageitemoffset1", pageitemoffset1, 10);
  f.Int("pageitemoffset2", pageitemoffset2, 10);
  f.Int("pageoffset", pageoffset);
  VisitFont(f);
  f.Int("fontpageheight", fontpageheight, 16);
  f.Color("disabledfontcolor", disabledfontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.Color("fontpagecolor", fontpagecolor);
  f.Color("activefontpagecolor", activefontpagecolor);
  f.Rect("gripperrect", gripperrect);
  f.Color("grippertransparentcolor", grippertransparentcolor);
}

void TvxDataSkinListBox::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("itemrect", itemrect);
  f.Rect("activeitemrect", activeitemrect);
  f.Rect("focusitemrect", focusitemrect);
  f.Int("itemleftoffset", itemleftoffset);
  f.Int("itemrightoffset", itemrightoffset);
  f.Rect("itemtextrect", itemtextrect);
  VisitFont(f);
  f.Color("activefontcolor", activefontcolor);
  f.Color("focusfontcolor", focusfontcolor);
  f.Rect("captionrect", captionrect);
  f.FontName("captionfontname", captionfontname);
  f.FontHeight("captionfontheight", captionfontheight);
  f.FontStyle("captionfontstyle", captionfontstyle);
  f.Color("captionfontcolor", captionfontcolor);
  TvxUpDownRects::Visit(f);
  f.Rect("checkbuttonrect", checkbuttonrect);
  f.Rect("activecheckbuttonrect", activecheckbuttonrect);
  f.Rect("downcheckbuttonrect", downcheckbuttonrect);
  f.String("vscrollbarname", vscrollbarname, "vscrollbar");
  f.String("hscrollbarname", hscrollbarname, "hscrollbar");
  f.String("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
  f.Bool("showfocus", showfocus);
  f.Rect("disabledbuttonsrect", disabledbuttonsrect);
  f.Rect("buttonsarea", buttonsarea);
}

void TvxDataSkinCheckListBox::VisitFields(TvxRecordFields& f) {
  TvxDataSkinListBox::VisitFields(f);
  f.Rect("itemcheckrect", itemcheckrect);
  f.Rect("checkimagerect", checkimagerect);
  f.Rect("uncheckimagerect", uncheckimagerect);
}

void TvxDataSkinComboBox::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("activeskinrect", activeskinrect);
  f.Rect("itemrect", itemrect);
  f.Rect("activeitemrect", activeitemrect);
  f.Rect("focusitemrect", focusitemrect);
  f.Int("itemleftoffset", itemleftoffset);
  f.Int("itemrightoffset", itemrightoffset);
  f.Rect("itemtextrect", itemtextrect);
  VisitFont(f);
  f.Color("focusfontcolor", focusfontcolor);
  f.Color("activefontcolor", activefontcolor);
  f.String("listboxname", listboxname);
  f.Rect("buttonrect", buttonrect);
  f.Rect("activebuttonrect", activebuttonrect);
  f.Rect("downbuttonrect", downbuttonrect);
  f.Rect("unenabledbuttonrect", unenabledbuttonrect);
  f.Bool("itemstretcheffect", itemstretcheffect);
  f.Bool("focusitemstretcheffect", focusitemstretcheffect);
  f.Bool("showfocus", showfocus);
}

void TvxDataSkinScrollBarControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("trackarea", trackarea);
  TvxUpDownRects::Visit(f);
  f.Rect("thumbrect", thumbrect);
  f.Rect("activethumbrect", activethumbrect);
  f.Rect("downthumbrect", downthumbrect);
  f.Int("thumboffset1", thumboffset1);
  f.Int("thumboffset2", thumboffset2);
  f.Bool("thumbtransparent", thumbtransparent);
  f.Color("thumbtransparentcolor", thumbtransparentcolor);
  f.Bool("thumbstretcheffect", thumbstretcheffect);
  f.Int("thumbminsize", thumbminsize);
  f.Int("thumbminpagesize", thumbminpagesize);
  f.Rect("glyphrect", glyphrect);
  f.Rect("activeglyphrect", activeglyphrect);
  f.Rect("downglyphrect", downglyphrect);
  f.Bool("glyphtransparent", glyphtransparent);
  f.Color("glyphtransparentcolor", glyphtransparentcolor);
}

void TvxDataSkinSpinEditControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Rect("activeskinrect", activeskinrect);
  VisitFont(f);
  f.Color("activefontcolor", activefontcolor);
  f.Color("disabledfontcolor", disabledfontcolor);
  TvxUpDownRects::Visit(f);
}

void TvxDataSkinScrollBoxControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinCustomControl::VisitFields(f);
  f.Picture("bgpictureindex", bgpictureindex);
}

void TvxDataSkinViewControl::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  VisitFont(f);
  f.Color("bgcolor", bgcolor);
}

void TvxDataSkinBevel::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Color("lightcolor", lightcolor);
  f.Color("darkcolor", darkcolor);
}

void TvxDataSkinSlider::VisitFields(TvxRecordFields& f) {
  TvxDataSkinControl::VisitFields(f);
  f.Color("bgcolor", bgcolor);
  f.Rect("hrulerrect", hrulerrect);
  f.Rect("hthumbrect", hthumbrect);
  f.Rect("vrulerrect", vrulerrect);
  f.Rect("vthumbrect", vthumbrect);
  f.Int("edgesize", edgesize);
  f.Color("pointscolor", pointscolor);
}

}  // namespace vx
