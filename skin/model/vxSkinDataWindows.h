// The window-level records: FORMINFO (the form frame), POPUPWINDOW (popup
// menus), LAYERFRAME (the layered border outside a form) and HINTWINDOW.
// The skin data creates one of each with itself and keeps them for its whole
// life; clearing a skin only drops their picture (see vxSkinData.h).
#pragma once

#include <string>

#include "vxSkinRecordFields.h"

namespace vx {

class TvxDataSkinFormInfo : public TvxFieldRecord {
 public:
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TvxRect clientrect;
  int32_t bgpictureindex = -1, mdibgpictureindex = -1;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;
  bool mdibgstretcheffect = false;
  TvxStretchType mdibgstretchtype = TvxStretchType::stFull;
  TvxRect maskrectarea;
  TvxPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  TvxRect buttonsrect, captionrect;
  int32_t buttonsoffset = 0;
  bool buttonsinleft = false, mainmenupopupup = false;
  int32_t borderwidth = 0, formminwidth = 0, formminheight = 0;
  bool mditabstransparent = false, mainmenubartransparent = false, autorenderinginactiveimage = false;
  TvxInactiveEffect inactiveeffect = TvxInactiveEffect::ieBrightness;

  void VisitFields(TvxRecordFields& f) override;

 protected:
  // With a mask the mask area always covers the client area and unset hit
  // points take the frame's corner points; the corner points are kept inside
  // the client area unless the skin marks them as a plain (unstretched) frame.
  void AfterLoad(const TvxSkinIni& ini) override;
};

class TvxDataSkinPopupWindow : public TvxFieldRecord {
 public:
  int32_t windowpictureindex = -1, maskpictureindex = -1;
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TvxRect itemsrect;
  TvxColor scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;

  void VisitFields(TvxRecordFields& f) override;
  int MainPictureIndex() const override { return windowpictureindex; }
  void SetMainPictureIndex(int index) override { windowpictureindex = index; }
};

class TvxDataSkinLayerFrame : public TvxFieldRecord {
 public:
  int32_t pictureindex = -1, maskpictureindex = -1, inactivepictureindex = -1, inactivemaskpictureindex = -1;
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TvxRect clientrect;
  int32_t alphablendvalue = 255, inactivealphablendvalue = 255;
  TvxRect borderrect;
  bool hittestenable = false, fullborder = false;
  int32_t hittestsize = 0;
  TvxRect captionrect;
  TvxPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  TvxRect buttonsrect, sysmenubuttonrect;
  bool fullstretch = false;
  int32_t rollupformheight = 0, buttonstopoffset = 0, sysbuttontopoffset = 0;
  int32_t blurmaskpictureindex = -1;
  TvxRect intersectblurmaskrect, excludeblurmaskrect;
  int32_t leftoffset = 0, topoffset = 0, widthoffset = 0, heightoffset = 0;

  void VisitFields(TvxRecordFields& f) override;
  int MainPictureIndex() const override { return pictureindex; }
  void SetMainPictureIndex(int index) override { pictureindex = index; }
};

class TvxDataSkinHintWindow : public TvxFieldRecord {
 public:
  int32_t windowpictureindex = -1, maskpictureindex = -1;
  TvxPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TvxRect clientrect;
  // A new hint record uses a 12-pixel font; a section without the key reads 14.
  std::string fontname = "Arial";
  int32_t fontheight = 12;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;

  void VisitFields(TvxRecordFields& f) override;
  int MainPictureIndex() const override { return windowpictureindex; }
  void SetMainPictureIndex(int index) override { windowpictureindex = index; }
};

}  // namespace vx
