// The frame objects of a skinned form (caption, caption buttons, animations,
// user objects): the list built from the skin's object records, the effect of
// BorderIcons on them, their default hints and their places for a window size.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FrameGeometry.h"
#include "vxPixmap.h"
#include "vxSkinTypes.h"

namespace vx::frame {

// The kind of an object record of the skin (its "type").
enum class ObjectRecordKind {
  UserObject,
  Button,
  StdButton,
  MainMenuBarButton,
  Caption,
  Animate,
  MenuItem,
  MainMenuItem,
  MainMenuBarItem,
  Other,
};

// One frame-object record as loaded, reduced to what the frame rules need.
struct FrameObjectRecord {
  std::string name;
  ObjectRecordKind kind = ObjectRecordKind::Other;
  std::string hint;
  std::string restorehint;
  TvxStdCommand command = TvxStdCommand::cmdefault;  // std buttons and animates
  bool skinrectinapicture = false;
  Rect skinrect;
  Rect activeskinrect;
  Rect inactiveskinrect;
  bool buttonstyle = false;  // animates
  bool morphing = false;     // fades between its looks (with skin effects on)
  TvxMorphKind morphkind = TvxMorphKind::mkDefault;
  // Buttons: the pressed and disabled images; the restore set of a std button
  // or animate whose command is in effect.
  Rect downrect, disabledrect;
  Rect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
  // The active mask picture (activemaskpictureindex), none when absent.
  std::shared_ptr<const TvxPixmap> activeMask;
  // The picture its images come from (activepictureindex), none when absent.
  std::shared_ptr<const TvxPixmap> picture;
  // Captions: the animation strip, the divider before quick buttons.
  // Animates: their frames and stepping.
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool inactiveanimation = false;
  Rect dividerrect;
  bool dividertransparent = false;
  uint32_t dividertransparentcolor = 0;  // $BBGGRR
  int countframes = 1, timerinterval = 25;
  bool cycle = false;
};

enum class ObjectKind { StdButton, Button, Caption, Animate, UserObject };

struct FrameObject {
  std::string IDName;
  ObjectKind kind = ObjectKind::UserObject;
  TvxStdCommand command = TvxStdCommand::cmdefault;
  bool inPicture = false;
  bool fromSkin = true;
  bool buttonStyle = false;
  Rect skinRect;
  Rect activeRect;
  Rect inactiveRect;
  Rect downRect, disabledRect;
  Rect restoreRect, restoreActiveRect, restoreDownRect, restoreInactiveRect;
  Rect rect;  // window coordinates
  bool Enabled = true;
  bool Visible = true;
  bool Active = false;
  bool MouseIn = false;
  bool Down = false;
  bool morphing = false;
  TvxMorphKind morphKind = TvxMorphKind::mkDefault;
  double morph = 0;  // 0: the normal look, 1: the active look
  std::string hint;         // shown now
  std::string normalHint;   // std buttons
  std::string restoreHint;
  std::shared_ptr<const TvxPixmap> activeMask;
  std::shared_ptr<const TvxPixmap> picture;

  // Caption animation: the strip of cells, their count, the time between
  // steps; the cell shown now (1 … frameCount while it runs) and the time
  // gathered towards the next step.
  Rect animateRect;
  int frameCount = 0;
  int animateInterval = 25;
  bool inactiveAnimation = false;
  int animFrame = 0;
  int animAccumulator = 0;
  // The caption's divider image before the quick buttons.
  Rect dividerRect;
  bool dividerTransparent = false;
  uint32_t dividerTransparentColor = 0;
  // Animate objects: frames side by side from the skin rectangle, the frame
  // shown now (1-based), its direction and the time gathered towards the
  // next step.
  int countFrames = 1;
  bool cycle = false;
  int timerInterval = 25;
  int currentFrame = 1;
  bool increment = true;
  int animElapsed = 0;

  bool IsButton() const { return kind == ObjectKind::StdButton || kind == ObjectKind::Button; }
  // Std buttons, and animates acting as buttons: the objects BorderIcons governs.
  bool HasCommand() const { return kind == ObjectKind::StdButton || kind == ObjectKind::Animate; }
  // The mask test at object coordinates: inside without a mask, else where the
  // mask is black; outside the mask picture counts as outside.
  bool MaskTest(int x, int y) const;
};

using FrameObjectList = std::vector<FrameObject>;

// CreateFrameObjects: one object per record, in order; menu records and
// anything of another kind are skipped.
FrameObjectList CreateFrameObjects(const std::vector<FrameObjectRecord>& records);
// CreateDefaultButtons: the six buttons of default mode.
FrameObjectList CreateDefaultButtons();

struct BorderIconOptions {
  TvxBorderIcons icons = kDefaultBorderIcons;
  bool hideCaptionButtons = false;
  bool disableSystemMenu = false;
  // OnActivateCustomObject: the visible value for a cmdefault object (unset:
  // such objects are hidden).
  std::function<bool(const std::string& idName)> activateCustomObject;
};
void ApplyBorderIcons(FrameObjectList& objects, const BorderIconOptions& options);

// Default hints from the skin's resource strings (nullopt: that entry, or the
// whole string list, is missing and the built-in text is used).
using ResourceLookup = std::function<std::optional<std::string>(const std::string& key)>;
void ApplyDefaultHints(FrameObjectList& objects, const ResourceLookup& resources);

struct CaptionButtonOptions {
  bool showIcon = false;
  int smallIconWidth = 16, smallIconHeight = 16;  // SM_CXSMICON x SM_CYSMICON (or SM_CXSIZE ...)
};

// LayoutCaptionButtons in skin mode: maps frame-drawn objects with the window
// and places the in-picture buttons along the buttons (or caption) area.
void LayoutCaptionButtons(FrameObjectList& objects, const FrameSkin& skin, const FrameGeometry& geometry,
                          const CaptionButtonOptions& options);

// The default layout; returns the caption text area A.
Rect LayoutDefaultButtons(FrameObjectList& objects, int width, const FrameOptions& frame,
                          const CaptionButtonOptions& options);

// The first caption object, -1 when there is none.
int FirstCaptionIndex(const FrameObjectList& objects);

}  // namespace vx::frame
