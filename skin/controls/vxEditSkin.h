// The skinned edit box without a window: what it copies from its record, its
// geometry (the frame around the text, the text area, the edit button) and
// how its frame and text-area background are drawn.
//
// The edit keeps the platform's edit control for the text; the skin only
// draws around it (the non-client area) and behind it (the text area). Both
// pictures come from one state image of the record, drawn by three-part
// drawing, so the background under the text continues the frame seamlessly.
// `skinpack render` draws edit records through DrawEditLook, so the tool and
// the program show the same pixels.
//
// Also here: the rules of the edit's context menu and its keyboard position,
// and the line-break filter that keeps the box single-line.
#pragma once

#include <string>

#include "vxGeometry.h"
#include "vxPixmap.h"
#include "vxSkinDataControls.h"

namespace vx {

// The fields an edit copies from an edit record on every lookup.
struct TvxEditSkin {
  int pictureIndex = -1;  // -1 when the index is no picture of the skin
  PixRect skinrect;
  PixRect activeskinrect;  // skinrect when the record's is empty
  int leftWidth = 0;       // lefttoppoint.X
  int rightWidth = 0;      // skinrect width - righttoppoint.X
  PixRect clientrect;      // relative to skinrect
  std::string fontname = "Arial";
  int fontheight = 14;
  TvxFontStyles fontstyle = 0;
  TvxColor fontcolor = 0, disabledfontcolor = 0, activefontcolor = 0;
  PixRect buttonrect, activebuttonrect;
  PixRect downbuttonrect;  // activebuttonrect when the record's is empty
  PixRect unenabledbuttonrect;
  bool stretch = false;  // leftstretch: every three-part drawing of the edit

  static TvxEditSkin From(const TvxDataSkinEditControl& record, int pictureCount);
  int SkinWidth() const { return skinrect.Width(); }
  int SkinHeight() const { return skinrect.Height(); }
};

// What the geometry depends on besides the record.
struct TvxEditMode {
  bool buttonMode = false;
  bool useSkinFont = true;
};

// How far the text area lies inside the window on each side.
struct TvxEditInsets {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The non-client frame of a window of width x height: 2 on every side
// without a record (the right side also gives up the button square, as high
// as the window, in button mode); with one, the record's client rectangle
// inside its picture. Never more than the window: what is left is at least
// an empty text area, never an inverted one.
TvxEditInsets EditFrameInsets(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height);

// The text area in window coordinates: the window less the frame insets.
PixRect EditTextArea(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height);

// The edit button in window coordinates: the square at the right end
// without a record; with one the record's button, kept at the right end when
// it lies in the right frame part, and as high as the window grows with
// UseSkinFont off.
PixRect EditButtonRect(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height);

// The height the control takes with a record and UseSkinFont: the picture's.
// Otherwise the text height plus what the frame needs above and below it.
int EditHeightForFont(const TvxEditSkin* skin, int textHeight);

// What the frame shows.
struct TvxEditLook {
  bool active = false;  // hovered or focused
  bool enabled = true;
  bool buttonHot = false;
  bool buttonPressed = false;
};

// The state image: the active one while hovered or focused.
PixRect EditStateRect(const TvxEditSkin& skin, bool active);

// The button piece drawn over the frame in button mode, or an empty
// rectangle when the frame's own button shows.
PixRect EditButtonPiece(const TvxEditSkin& skin, const TvxEditLook& look);

// Draws the whole window's frame (width x height) into `target`, resized to
// that size. With UseSkinFont the state image is drawn by three-part drawing
// to the width at its own height; without, it is stretched to the size round
// its client rectangle, the client part left out. In button mode the button
// piece of the look is copied over the button. Without a picture the target
// is only sized (transparent black).
void DrawEditFrame(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode,
                   const TvxEditLook& look, int width, int height, TvxPixmap& target);

// Draws the text area's background (the client piece of the state image) at
// the text area's size into `target`, resized to it: the piece's own height
// with UseSkinFont, stretched to the text area's height without.
void DrawEditBackground(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode, bool active,
                        int textWidth, int textHeight, TvxPixmap& target);

// The empty box as the program shows it: the frame with the background of
// the text area in place.
void DrawEditLook(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode,
                  const TvxEditLook& look, int width, int height, TvxPixmap& target);

// ---- behaviour without a window ----

// The text up to its first line break (CR or LF): a keyword box holds one line.
std::wstring FirstLine(const std::wstring& text);
// Characters the box never passes to the platform control: Enter, the line
// feed Ctrl+Enter types, and Escape.
bool IsRoutedKey(wchar_t ch);

// The context menu's entries, in order; separators have no command.
enum class TvxEditCommand { none, undo, cut, copy, paste, del, selectAll };

struct TvxEditMenuEntry {
  TvxEditCommand command;
  const char* captionKey;   // the resource string naming it; null for separators
  const char* fallback;     // the caption when the skin gives none; "-" for separators
};
constexpr int kEditMenuEntries = 8;
extern const TvxEditMenuEntry kEditMenu[kEditMenuEntries];

// What the enabling rules look at.
struct TvxEditMenuState {
  bool canUndo = false;
  bool readOnly = false;
  int selStart = 0;
  int selEnd = 0;
  int textLength = 0;
  bool clipboardHasText = false;
};
// Whether an entry is enabled; separators are always "enabled".
bool EditCommandEnabled(TvxEditCommand command, const TvxEditMenuState& state);

// A context-menu request names the screen point (x, y); the keyboard's
// request carries (-1, -1) exactly. Any other point, negative ones of a
// monitor left of or above the primary one included, is where the pointer is.
inline bool IsKeyboardMenuRequest(int x, int y) { return x == -1 && y == -1; }

}  // namespace vx
