// The program's frame values (window skin image 285 x 210 with a mask), the
// fixture most frame tests start from.
#pragma once

#include "FrameObjects.h"

namespace vx::frame::testing {

inline FrameSkin ProgramFrameSkin() {
  FrameSkin s;
  s.present = true;
  s.pictureWidth = 285;
  s.pictureHeight = 210;
  s.hasMask = true;
  FormInfo& f = s.info;
  f.lefttoppoint = {9, 27};
  f.righttoppoint = {273, 27};
  f.leftbottompoint = {4, 205};
  f.rightbottompoint = {279, 205};
  f.clientrect = {3, 26, 282, 207};
  f.maskrectarea = {3, 3, 282, 207};
  f.hittestlefttoppoint = {7, 6};
  f.hittestrighttoppoint = {279, 8};
  f.hittestleftbottompoint = {5, 205};
  f.hittestrightbottompoint = {280, 206};
  f.captionrect = {5, 3, 280, 20};
  f.buttonsoffset = 5;
  f.borderwidth = 3;
  f.formminwidth = 200;
  return s;
}

inline FrameObjectRecord StdButtonRecord(const char* name, TvxStdCommand c, const char* hint) {
  FrameObjectRecord r;
  r.name = name;
  r.kind = ObjectRecordKind::StdButton;
  r.command = c;
  r.hint = hint;
  r.skinrectinapicture = true;
  r.skinrect = {0, 0, 17, 15};
  r.activeskinrect = {17, 0, 34, 15};
  return r;
}

// closebutton, maxbutton, minbutton, sysmenubutton, caption: in this order.
inline std::vector<FrameObjectRecord> ProgramObjectRecords() {
  std::vector<FrameObjectRecord> records = {
      StdButtonRecord("closebutton", TvxStdCommand::cmclose, "Close"),
      StdButtonRecord("maxbutton", TvxStdCommand::cmmaximize, "Maximize"),
      StdButtonRecord("minbutton", TvxStdCommand::cmminimize, "Minimize"),
      StdButtonRecord("sysmenubutton", TvxStdCommand::cmsysmenu, "System menu"),
  };
  records[1].restorehint = "Restore";
  records[2].restorehint = "Restore";
  FrameObjectRecord caption;
  caption.name = "caption";
  caption.kind = ObjectRecordKind::Caption;
  caption.skinrect = {5, 4, 280, 20};
  records.push_back(caption);
  return records;
}

// The objects of a form with BorderIcons [minimize, roll-up], laid out for W x H.
inline FrameObjectList ProgramObjects(const FrameSkin& skin, int w, int h,
                                      TvxBorderIcons icons = kProgramBorderIcons) {
  FrameObjectList objects = CreateFrameObjects(ProgramObjectRecords());
  BorderIconOptions bi;
  bi.icons = icons;
  ApplyBorderIcons(objects, bi);
  LayoutCaptionButtons(objects, skin, UpdateFrameGeometry(skin, w, h), {});
  return objects;
}

inline const FrameObject& Named(const FrameObjectList& list, const std::string& name) {
  for (const FrameObject& o : list)
    if (o.IDName == name) return o;
  static FrameObject none;
  return none;
}

}  // namespace vx::frame::testing
