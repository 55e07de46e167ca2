#include "vxSkinDataWindows.h"

#include <algorithm>

#include "vxSkinReaders.h"

namespace vx {
namespace {

void VisitCorners(TvxRecordFields& f, TvxPoint& lt, TvxPoint& rt, TvxPoint& lb, TvxPoint& rb, const char* prefix = "") {
  const std::string p = prefix;
  f.Point((p + "lefttoppoint").c_str(), lt);
  f.Point((p + "righttoppoint").c_str(), rt);
  f.Point((p + "leftbottompoint").c_str(), lb);
  f.Point((p + "rightbottompoint").c_str(), rb);
}

}  // namespace

void TvxDataSkinFormInfo::VisitFields(TvxRecordFields& f) {
  f.Point("lefttoppoint", lefttoppoint);
  f.Point("righttoppoint", righttoppoint);
  f.Point("leftbottompoint", leftbottompoint);
  f.Point("rightbottompoint", rightbottompoint);
  f.Rect("clientrect", clientrect);
  f.Picture("bgpictureindex", bgpictureindex);
  f.Picture("mdibgpictureindex", mdibgpictureindex);
  f.Bool("leftstretch", leftstretch);
  f.Bool("rightstretch", rightstretch);
  f.Bool("topstretch", topstretch);
  f.Bool("bottomstretch", bottomstretch);
  f.Bool("stretcheffect", stretcheffect);
  f.StretchType("stretchtype", stretchtype);
  f.Bool("mdibgstretcheffect", mdibgstretcheffect);
  f.StretchType("mdibgstretchtype", mdibgstretchtype);
  f.Rect("maskrectarea", maskrectarea);
  f.Point("hittestlefttoppoint", hittestlefttoppoint);
  f.Point("hittestrighttoppoint", hittestrighttoppoint);
  f.Point("hittestleftbottompoint", hittestleftbottompoint);
  f.Point("hittestrightbottompoint", hittestrightbottompoint);
  f.Rect("buttonsrect", buttonsrect);
  f.Rect("captionrect", captionrect);
  f.Int("buttonsoffset", buttonsoffset);
  f.Bool("buttonsinleft", buttonsinleft);
  f.Bool("mainmenupopupup", mainmenupopupup);
  f.Int("borderwidth", borderwidth);
  f.Int("formminwidth", formminwidth);
  f.Int("formminheight", formminheight);
  f.Bool("mditabstransparent", mditabstransparent);
  f.Bool("mainmenubartransparent", mainmenubartransparent);
  f.Bool("autorenderinginactiveimage", autorenderinginactiveimage);
  f.InactiveEffect("inactiveeffect", inactiveeffect);
}

void TvxDataSkinFormInfo::AfterLoad(const TvxSkinIni& ini) {
  const TvxRect& c = clientrect;
  if (!ReadSkinString(ini, "PICTURES", "mask").empty()) {
    if (maskrectarea.IsEmpty()) {
      maskrectarea = c;
    } else {
      maskrectarea.Left = std::min(maskrectarea.Left, c.Left);
      maskrectarea.Top = std::min(maskrectarea.Top, c.Top);
      maskrectarea.Right = std::max(maskrectarea.Right, c.Right);
      maskrectarea.Bottom = std::max(maskrectarea.Bottom, c.Bottom);
    }
    if (hittestlefttoppoint.IsUnset()) hittestlefttoppoint = lefttoppoint;
    if (hittestrighttoppoint.IsUnset()) hittestrighttoppoint = righttoppoint;
    if (hittestleftbottompoint.IsUnset()) hittestleftbottompoint = leftbottompoint;
    if (hittestrightbottompoint.IsUnset()) hittestrightbottompoint = rightbottompoint;
  }
  if (rightbottompoint.X == lefttoppoint.X || rightbottompoint.Y == lefttoppoint.Y) return;
  lefttoppoint.X = std::max(lefttoppoint.X, c.Left);
  lefttoppoint.Y = std::max(lefttoppoint.Y, c.Top);
  righttoppoint.X = std::min(righttoppoint.X, c.Right);
  righttoppoint.Y = std::max(righttoppoint.Y, c.Top);
  leftbottompoint.X = std::max(leftbottompoint.X, c.Left);
  leftbottompoint.Y = std::min(leftbottompoint.Y, c.Bottom);
  rightbottompoint.X = std::min(rightbottompoint.X, c.Right);
  rightbottompoint.Y = std::min(rightbottompoint.Y, c.Bottom);
}

void TvxDataSkinPopupWindow::VisitFields(TvxRecordFields& f) {
  f.Picture("windowpictureindex", windowpictureindex);
  f.Picture("maskpictureindex", maskpictureindex);
  VisitCorners(f, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  f.Rect("itemsrect", itemsrect);
  f.Color("scrollmarkercolor", scrollmarkercolor);
  f.Color("scrollmarkeractivecolor", scrollmarkeractivecolor);
  f.Bool("leftstretch", leftstretch);
  f.Bool("rightstretch", rightstretch);
  f.Bool("topstretch", topstretch);
  f.Bool("bottomstretch", bottomstretch);
  f.Bool("stretcheffect", stretcheffect);
  f.StretchType("stretchtype", stretchtype);
}

void TvxDataSkinLayerFrame::VisitFields(TvxRecordFields& f) {
  f.Picture("pictureindex", pictureindex);
  f.Picture("maskpictureindex", maskpictureindex);
  f.Picture("inactivepictureindex", inactivepictureindex);
  f.Picture("inactivemaskpictureindex", inactivemaskpictureindex);
  VisitCorners(f, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  f.Rect("clientrect", clientrect);
  f.Int("alphablendvalue", alphablendvalue, 255);
  f.Int("inactivealphablendvalue", inactivealphablendvalue, 255);
  f.Rect("borderrect", borderrect);
  f.Bool("hittestenable", hittestenable);
  f.Bool("fullborder", fullborder);
  f.Int("hittestsize", hittestsize);
  f.Rect("captionrect", captionrect);
  VisitCorners(f, hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint,
               "hittest");
  f.Rect("buttonsrect", buttonsrect);
  f.Rect("sysmenubuttonrect", sysmenubuttonrect);
  f.Bool("fullstretch", fullstretch);
  f.Int("rollupformheight", rollupformheight);
  f.Int("buttonstopoffset", buttonstopoffset);
  f.Int("sysbuttontopoffset", sysbuttontopoffset);
  f.Picture("blurmaskpictureindex", blurmaskpictureindex);
  f.Rect("intersectblurmaskrect", intersectblurmaskrect);
  f.Rect("excludeblurmaskrect", excludeblurmaskrect);
  f.Int("leftoffset", leftoffset);
  f.Int("topoffset", topoffset);
  f.Int("widthoffset", widthoffset);
  f.Int("heightoffset", heightoffset);
}

void TvxDataSkinHintWindow::VisitFields(TvxRecordFields& f) {
  f.Picture("windowpictureindex", windowpictureindex);
  f.Picture("maskpictureindex", maskpictureindex);
  VisitCorners(f, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  f.Rect("clientrect", clientrect);
  VisitFontKeys(f, fontname, fontheight, fontstyle, fontcolor);
  f.Bool("leftstretch", leftstretch);
  f.Bool("rightstretch", rightstretch);
  f.Bool("topstretch", topstretch);
  f.Bool("bottomstretch", bottomstretch);
  f.Bool("stretcheffect", stretcheffect);
  f.StretchType("stretchtype", stretchtype);
}

}  // namespace vx
