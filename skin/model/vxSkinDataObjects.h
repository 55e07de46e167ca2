// Frame-object records: one per "SKINOBJECTS" entry (caption buttons, the
// caption, menu items, menu bar items and buttons, animations, user objects).
// Field names are the definition's key names; each class reads its base
// class's keys first. Some key names keep the spelling skins use
// ("disableskinrsect", "reflactioncolor").
#pragma once

#include <string>

#include "vxSkinRecordFields.h"

namespace vx {

class TvxDataSkinObject : public TvxFieldRecord {
 public:
  std::string hint;
  int32_t activepictureindex = -1;
  int32_t activemaskpictureindex = -1;
  // true: skinrect is a rectangle of the object's picture and the frame places
  // the object; false: skinrect is its place in the window skin image.
  bool skinrectinapicture = false;
  TvxRect skinrect, activeskinrect, inactiveskinrect;
  bool morphing = false;
  TvxMorphKind morphkind = TvxMorphKind::mkDefault;
  int32_t glowlayerpictureindex = -1, glowlayermaskpictureindex = -1;
  int32_t glowlayeroffsetx = 0, glowlayeroffsety = 0;
  int32_t glowlayeralphablendvalue = 255;

  void VisitFields(TvxRecordFields& f) override;
  int MainPictureIndex() const override { return activepictureindex; }
  void SetMainPictureIndex(int index) override { activepictureindex = index; }
};

// Drawn by the application: only its place is read, every other field keeps
// its created value.
class TvxDataUserObject : public TvxDataSkinObject {
 public:
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinButton : public TvxDataSkinObject {
 public:
  TvxRect downrect;
  TvxRect disableskinrsect;  // the disabled image
  int32_t alphamaskpictureindex = -1, alphamaskactivepictureindex = -1, alphamaskinactivepictureindex = -1;
  void VisitFields(TvxRecordFields& f) override;
};

// The images and hint of a button whose command is in effect (a maximize
// button of a maximized window ...).
struct TvxRestoreFields {
  TvxRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
  std::string restorehint;
  void VisitRestore(TvxRecordFields& f);
  // An unnamed restore state of a maximize, minimize or roll-up button is
  // called "Restore": the hint and command must both say which button it is.
  void NameRestore(const std::string& hint, TvxStdCommand command);
};

class TvxDataSkinStdButton : public TvxDataSkinButton, public TvxRestoreFields {
 public:
  TvxStdCommand command = TvxStdCommand::cmDefault;
  void VisitFields(TvxRecordFields& f) override;

 protected:
  void AfterLoad(const TvxSkinIni& ini) override;
};

class TvxDataSkinMainMenuBarButton : public TvxDataSkinStdButton {};

// The caption keys in reading order; further keys a caption section may
// carry ("inactivedividerrect" ...) are not read.
class TvxDataSkinCaption : public TvxDataSkinObject {
 public:
  TvxRect textrect;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0;  // inactive and active window
  TvxAlignment alignment = TvxAlignment::taCenter;
  bool light = false;
  TvxColor lightcolor = 0, activelightcolor = 0;
  bool shadow = false;
  TvxColor shadowcolor = 0, activeshadowcolor = 0;
  TvxRect framerect, activeframerect, frametextrect;
  int32_t frameleftoffset = 0, framerightoffset = 0;
  bool stretcheffect = false;
  TvxRect animateskinrect;
  int32_t framecount = 0, animateinterval = 25;
  bool inactiveanimation = false, fullframe = false;
  bool vistagloweffect = false, vistaglowinactiveeffect = false;
  bool gloweffect = false, glowinactiveeffect = false;
  int32_t glowsize = 3;
  TvxColor glowcolor = 0, glowactivecolor = 0;
  int32_t glowoffset = 0;
  bool reflectioneffect = false;
  TvxColor reflactioncolor = 0, reflactionactivecolor = 0;
  int32_t reflectionoffset = 0;
  TvxRect dividerrect;
  bool dividertransparent = false;
  TvxColor dividertransparentcolor = 0;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinAnimate : public TvxDataSkinObject, public TvxRestoreFields {
 public:
  int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;  // the animation behaves as a button
  int32_t timerinterval = 50;
  TvxStdCommand command = TvxStdCommand::cmDefault;
  TvxRect downskinrect;
  void VisitFields(TvxRecordFields& f) override;

 protected:
  void AfterLoad(const TvxSkinIni& ini) override;
};

// Popup menu items. skinrect is the normal item image and activeskinrect the
// selected one, both in the object's picture. An image pair whose active
// rectangle is empty uses the normal one for both states.
class TvxDataSkinMenuItem : public TvxDataSkinObject {
 public:
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TvxRect dividerrect;
  int32_t dividerleftoffset = 0, dividerrightoffset = 0;
  TvxRect textrect, imagerect;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false, inactivestretcheffect = false, dividerstretcheffect = false;
  TvxRect animateskinrect;
  int32_t framecount = 0, animateinterval = 25;
  bool inactiveanimation = false;
  bool useimagecolor = false;
  TvxColor imagecolor = 0, activeimagecolor = 0;
  bool inactivetransparent = false;
  TvxRect checkimagerect, activecheckimagerect;
  TvxRect radioimagerect, activeradioimagerect;
  TvxRect arrowimagerect, activearrowimagerect;
  void VisitFields(TvxRecordFields& f) override;

 protected:
  void AfterLoad(const TvxSkinIni& ini) override;
};

class TvxDataSkinMainMenuItem : public TvxDataSkinObject {
 public:
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TvxRect downrect, textrect;
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false;
  TvxRect animateskinrect;
  int32_t framecount = 0, animateinterval = 25;
  bool inactiveanimation = false;
  void VisitFields(TvxRecordFields& f) override;
};

class TvxDataSkinMainMenuBarItem : public TvxDataSkinMainMenuItem {};

}  // namespace vx
