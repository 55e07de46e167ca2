#include "FrameObjects.h"

#include <algorithm>

namespace vx::frame {
namespace {

constexpr TvxStdCommand kPlacedCommands[] = {TvxStdCommand::cmclose, TvxStdCommand::cmmaximize,
                                             TvxStdCommand::cmminimize, TvxStdCommand::cmrollup,
                                             TvxStdCommand::cmminimizetotray};

bool IsPlaceable(const FrameObject& o) { return o.HasCommand() && o.Visible && o.inPicture; }

int FindPlaceable(const FrameObjectList& objects, TvxStdCommand command) {
  for (size_t i = 0; i < objects.size(); ++i)
    if (IsPlaceable(objects[i]) && objects[i].command == command) return static_cast<int>(i);
  return -1;
}

int ButtonWidth(const FrameObject& o, const CaptionButtonOptions& opt) {
  if (o.command == TvxStdCommand::cmsysmenu && opt.showIcon) return opt.smallIconWidth;
  return o.skinRect.Width();
}
int ButtonHeight(const FrameObject& o, const CaptionButtonOptions& opt) {
  if (o.command == TvxStdCommand::cmsysmenu && opt.showIcon) return opt.smallIconHeight;
  return o.skinRect.Height();
}

// Maps a frame-drawn object's place in the window skin image to the window:
// pieces in a corner move with that corner, pieces spanning corners stretch.
Rect MapSkinRect(const Rect& r, const FrameSkin& skin, const FrameGeometry& g) {
  const FormInfo& f = skin.info;
  const int pw = skin.pictureWidth, ph = skin.pictureHeight;
  const Rect lt{0, 0, f.lefttoppoint.X, f.lefttoppoint.Y};
  const Rect rt{f.righttoppoint.X, 0, pw, f.righttoppoint.Y};
  const Rect lb{0, f.leftbottompoint.Y, f.leftbottompoint.X, ph};
  const Rect rb{f.rightbottompoint.X, f.rightbottompoint.Y, pw, ph};
  const Point tl{r.Left, r.Top}, br{r.Right, r.Bottom};
  auto inside = [&](const Rect& region) { return region.Contains(tl) && region.Contains(br); };
  const int dx = g.dx, dy = g.dy;
  if (inside(lt)) return r;
  if (inside(rt)) return r.Offset(dx, 0);
  if (inside(lb)) return r.Offset(0, dy);
  if (inside(rb)) return r.Offset(dx, dy);
  Rect m = r;
  if (lt.Contains(tl) && rb.Contains(br)) {
    m.Right += dx;
    m.Bottom += dy;
  } else if (lt.Contains(tl) && rt.Contains(br)) {
    m.Right += dx;
  } else if (lb.Contains(tl) && rb.Contains(br)) {
    m.Right += dx;
    m.Top += dy;
    m.Bottom += dy;
  } else if (lt.Contains(tl) && lb.Contains(br)) {
    m.Bottom += dy;
  } else if (rt.Contains(tl) && rb.Contains(br)) {
    m.Left += dx;
    m.Right += dx;
    m.Bottom += dy;
  }
  return m;
}

const char* BuiltInHint(TvxStdCommand c, const char** key) {
  switch (c) {
    case TvxStdCommand::cmclose: *key = "CLOSEBUTTON_HINT"; return "Close";
    case TvxStdCommand::cmmaximize: *key = "MAXBUTTON_HINT"; return "Maximize";
    case TvxStdCommand::cmminimize: *key = "MINBUTTON_HINT"; return "Minimize";
    case TvxStdCommand::cmsysmenu: *key = "MENUBUTTON_HINT"; return "System menu";
    case TvxStdCommand::cmrollup: *key = "ROLLUPBUTTON_HINT"; return "Roll Up";
    case TvxStdCommand::cmminimizetotray: *key = "TRAYBUTTON_HINT"; return "Minimize to Tray";
    case TvxStdCommand::cmdefault: break;
  }
  return nullptr;
}


FrameObject FromRecord(const FrameObjectRecord& r, ObjectKind kind) {
  FrameObject o;
  o.kind = kind;
  o.IDName = r.name;
  o.command = o.HasCommand() ? r.command : TvxStdCommand::cmdefault;
  o.inPicture = r.skinrectinapicture;
  o.buttonStyle = r.buttonstyle;
  o.morphing = r.morphing;
  o.morphKind = r.morphkind;
  o.skinRect = r.skinrect;
  o.activeRect = r.activeskinrect;
  o.inactiveRect = r.inactiveskinrect;
  o.downRect = r.downrect;
  o.disabledRect = r.disabledrect;
  o.restoreRect = r.restorerect;
  o.restoreActiveRect = r.restoreactiverect;
  o.restoreDownRect = r.restoredownrect;
  o.restoreInactiveRect = r.restoreinactiverect;
  o.rect = r.skinrect;
  o.hint = o.normalHint = r.hint;
  o.restoreHint = r.restorehint;
  o.activeMask = r.activeMask;
  o.picture = r.picture;
  o.animateRect = r.animateskinrect;
  o.frameCount = std::max(0, r.framecount);
  o.animateInterval = r.animateinterval;
  o.inactiveAnimation = r.inactiveanimation;
  o.dividerRect = r.dividerrect;
  o.dividerTransparent = r.dividertransparent;
  o.dividerTransparentColor = r.dividertransparentcolor;
  o.countFrames = std::max(1, r.countframes);
  o.cycle = r.cycle;
  // Steps faster than the 25 ms animation tick cannot be shown.
  o.timerInterval = std::max(25, r.timerinterval);
  return o;
}

}  // namespace

bool FrameObject::MaskTest(int x, int y) const {
  if (!activeMask || activeMask->Empty()) return true;
  if (!activeMask->Contains(x, y)) return false;
  return (activeMask->At(x, y) & 0xFFFFFFu) == 0;
}

FrameObjectList CreateFrameObjects(const std::vector<FrameObjectRecord>& records) {
  FrameObjectList list;
  for (const FrameObjectRecord& r : records) {
    ObjectKind kind;
    switch (r.kind) {
      case ObjectRecordKind::StdButton: kind = ObjectKind::StdButton; break;
      case ObjectRecordKind::Button: kind = ObjectKind::Button; break;
      case ObjectRecordKind::Caption: kind = ObjectKind::Caption; break;
      case ObjectRecordKind::Animate: kind = ObjectKind::Animate; break;
      case ObjectRecordKind::UserObject: kind = ObjectKind::UserObject; break;
      default: continue;  // menu records belong to the menus
    }
    list.push_back(FromRecord(r, kind));
  }
  return list;
}

FrameObjectList CreateDefaultButtons() {
  static const struct {
    const char* name;
    TvxStdCommand command;
  } kButtons[] = {{"closebutton", TvxStdCommand::cmclose},    {"maxbutton", TvxStdCommand::cmmaximize},
                  {"minbutton", TvxStdCommand::cmminimize},   {"rollupbutton", TvxStdCommand::cmrollup},
                  {"sysmenubutton", TvxStdCommand::cmsysmenu}, {"traybutton", TvxStdCommand::cmminimizetotray}};
  FrameObjectList list;
  for (const auto& b : kButtons) {
    FrameObject o;
    o.IDName = b.name;
    o.kind = ObjectKind::StdButton;
    o.command = b.command;
    o.inPicture = true;
    o.fromSkin = false;
    o.skinRect = o.rect = {0, 0, 1, 1};
    list.push_back(std::move(o));
  }
  return list;
}

void ApplyBorderIcons(FrameObjectList& objects, const BorderIconOptions& opt) {
  for (FrameObject& o : objects) {
    if (!o.HasCommand()) continue;
    if (opt.hideCaptionButtons) {
      // Buttons painted into the frame picture cannot vanish: they stay, disabled.
      o.Enabled = false;
      o.Visible = !o.inPicture;
      continue;
    }
    if (o.kind == ObjectKind::Animate && !o.buttonStyle) continue;
    bool enabled = o.Enabled;
    switch (o.command) {
      case TvxStdCommand::cmclose: continue;
      case TvxStdCommand::cmdefault:
        o.Visible = opt.activateCustomObject ? opt.activateCustomObject(o.IDName) : false;
        continue;
      case TvxStdCommand::cmmaximize: enabled = (opt.icons & biMaximize) != 0; break;
      case TvxStdCommand::cmminimize: enabled = (opt.icons & biMinimize) != 0; break;
      case TvxStdCommand::cmsysmenu: enabled = (opt.icons & biSystemMenu) != 0 && !opt.disableSystemMenu; break;
      case TvxStdCommand::cmrollup: enabled = (opt.icons & biRollUp) != 0; break;
      case TvxStdCommand::cmminimizetotray: enabled = (opt.icons & biMinimizeToTray) != 0; break;
    }
    o.Enabled = enabled;
    o.Visible = enabled || !o.inPicture;
  }
}

void ApplyDefaultHints(FrameObjectList& objects, const ResourceLookup& resources) {
  auto text = [&](const char* key, const char* builtIn) {
    if (resources) {
      if (auto s = resources(key)) return *s;
    }
    return std::string(builtIn);
  };
  for (FrameObject& o : objects) {
    if (!o.HasCommand() || o.command == TvxStdCommand::cmdefault) continue;
    const char* key = nullptr;
    const char* builtIn = BuiltInHint(o.command, &key);
    o.hint = o.normalHint = text(key, builtIn);
    o.restoreHint = text("RESTORE_HINT", "Restore");
  }
}

int FirstCaptionIndex(const FrameObjectList& objects) {
  for (size_t i = 0; i < objects.size(); ++i)
    if (objects[i].kind == ObjectKind::Caption) return static_cast<int>(i);
  return -1;
}

void LayoutCaptionButtons(FrameObjectList& objects, const FrameSkin& skin, const FrameGeometry& g,
                          const CaptionButtonOptions& opt) {
  if (!skin.present) return;
  for (FrameObject& o : objects)
    if (!o.inPicture) o.rect = MapSkinRect(o.skinRect, skin, g);

  const bool useButtonsArea = !g.buttons.IsEmpty();
  const Rect area = useButtonsArea ? g.buttons : g.caption;
  if (area.IsEmpty()) return;
  const bool areaIsCaption = !useButtonsArea;
  const int s = g.buttonsOffset;
  const int caption = FirstCaptionIndex(objects);
  int x = g.buttonsInLeft ? area.Left : area.Right;
  const int y = area.Top;

  auto place = [&](FrameObject& o) {
    const int w = ButtonWidth(o, opt), h = ButtonHeight(o, opt);
    if (g.buttonsInLeft) {
      o.rect = {x, y, x + w, y + h};
      x = ClampFrameCoord(int64_t{x} + s + w);
    } else {
      o.rect = {x - w, y, x, y + h};
      x = ClampFrameCoord(int64_t{x} - s - w);
    }
  };
  for (TvxStdCommand c : kPlacedCommands) {
    const int i = FindPlaceable(objects, c);
    if (i >= 0) place(objects[i]);
  }
  for (FrameObject& o : objects)
    if (IsPlaceable(o) && o.command == TvxStdCommand::cmdefault) place(o);

  const int sysMenu = FindPlaceable(objects, TvxStdCommand::cmsysmenu);
  if (!g.buttonsInLeft) {
    if (areaIsCaption && caption >= 0) objects[caption].rect.Right = x + s;
    if (sysMenu >= 0) {
      // The system-menu button sits at the caption's left, centred in it.
      FrameObject& o = objects[sysMenu];
      const int w = ButtonWidth(o, opt), h = ButtonHeight(o, opt);
      const int left = g.caption.Left;
      const int top = g.caption.Top + Half(g.caption.Height()) - Half(h);
      o.rect = {left, top, left + w, top + h};
      if (caption >= 0) objects[caption].rect.Left = left + w;
    }
  } else {
    if (!useButtonsArea && sysMenu >= 0) place(objects[sysMenu]);
    if (areaIsCaption && caption >= 0) objects[caption].rect.Left = x + s;
  }
}

Rect LayoutDefaultButtons(FrameObjectList& objects, int width, const FrameOptions& frame,
                          const CaptionButtonOptions& opt) {
  const int ch = DefaultCaptionHeight(frame);
  Rect a{3, 3, width - 3, ch};
  if (objects.empty()) return a;
  const int b = DefaultButtonSize(frame);
  int x = width - 3;
  for (TvxStdCommand c : kPlacedCommands) {
    for (FrameObject& o : objects) {
      if (o.kind == ObjectKind::StdButton && o.Visible && o.inPicture && o.command == c) {
        o.rect = {x - b, 4, x, 4 + b};
        x -= b;
        break;
      }
    }
  }
  a.Right = x;
  x = a.Left;
  for (FrameObject& o : objects) {
    if (o.kind == ObjectKind::StdButton && o.Visible && o.command == TvxStdCommand::cmsysmenu) {
      const int w = opt.showIcon ? opt.smallIconWidth : b;
      const int h = opt.showIcon ? opt.smallIconHeight : b;
      o.rect = {x, 4, x + w, 4 + h};
      x += w;
      break;
    }
  }
  a.Left = x;
  return a;
}

}  // namespace vx::frame
