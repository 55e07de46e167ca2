// The pixels of a skinned popup window: the window image (POPUPWINDOW or the
// plain default look), its items (the first "menuitem" record or the default
// item look), the glyphs (sub-menu arrow, check mark, radio circle, the
// system-menu glyphs) and the scroll markers. The menu windows paint through
// RenderPopupWindow, and `skinpack menu` renders the same picture, so a skin
// author previews what the program shows.
//
// Text is the platform's: it comes in through MenuTextPainter.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MenuLayout.h"
#include "vxGeometry.h"
#include "vxMaskStrips.h"
#include "vxPixmap.h"
#include "vxSkinData.h"

namespace vx::frame {

// The system colours of the default look.
struct MenuColors {
  Pixel btnFace = MakePixel(212, 208, 200);
  Pixel window = MakePixel(255, 255, 255);
  Pixel btnShadow = MakePixel(128, 128, 128);
  Pixel btnHighlight = MakePixel(255, 255, 255);
  Pixel btnText = MakePixel(0, 0, 0);
  Pixel windowText = MakePixel(0, 0, 0);
};

// The POPUPWINDOW record with its pictures; `present` false is the default look.
struct PopupWindowLook {
  bool present = false;
  const TvxPixmap* picture = nullptr;
  const TvxPixmap* mask = nullptr;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect itemsrect;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;
  Pixel scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
};

// The "menuitem" record with its picture; `present` false is the default item look.
struct MenuItemLook {
  bool present = false;
  const TvxPixmap* picture = nullptr;  // "activepictureindex"
  Rect skinrect, activeskinrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect dividerrect;
  int dividerleftoffset = 0, dividerrightoffset = 0;
  bool dividerstretcheffect = false;
  bool stretcheffect = false, inactivestretcheffect = false, inactivetransparent = false;
  Rect textrect, imagerect;
  Rect checkimagerect, activecheckimagerect, radioimagerect, activeradioimagerect;
  Rect arrowimagerect, activearrowimagerect;
  Pixel fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0;
  bool useimagecolor = false;
  Pixel imagecolor = 0, activeimagecolor = 0;
  std::string fontname = "Arial";
  int fontheight = 14;
  int fontstyle = 0;
};

struct MenuLook {
  PopupWindowLook window;
  MenuItemLook item;
  // What ComputePopupSize needs of both.
  PopupSkin Sizing() const;
};

// The skin's POPUPWINDOW (only when the skin is not empty and it has a window
// picture) and its first "menuitem" record, chosen separately: a skin with a
// window picture but no item record draws skinned windows with default items.
MenuLook MenuLookFromSkinData(const TvxSkinData& data);

enum class TextAlign { Left, Right, Center };

// Measures and draws item texts in the menu's font. Draw centres the text
// vertically in `rect` and aligns it horizontally; with `prefix` "&" marks
// (and underlines) the accelerator.
class MenuTextPainter {
 public:
  virtual ~MenuTextPainter() = default;
  virtual int Width(const std::string& text) = 0;
  virtual void Draw(TvxPixmap& canvas, const Rect& rect, const std::string& text, Pixel colour, TextAlign align,
                    bool prefix) = 0;
};

// What an item shows at one moment.
struct MenuItemPaint {
  const MenuItem* item = nullptr;
  bool highlighted = false;  // Active or Down
  Rect rect;                 // in the window
  bool visible = true;
};

struct PopupPaintInput {
  const MenuLook* look = nullptr;
  MenuColors colors;
  PopupSize size;                    // ComputePopupSize's answer for the window
  std::vector<MenuItemPaint> items;  // in menu order
  int imageListWidth = -1;
  int scrollCode = 0;                // 0 none, 1 up, 2 down
};

// The whole window as it is painted: image, items, scroll markers.
void RenderPopupWindow(const PopupPaintInput& in, MenuTextPainter& text, TvxPixmap& out);

// The window's region from the POPUPWINDOW mask for the size; none without a mask.
std::optional<SizedRegion> PopupWindowRegion(const MenuLook& look, const PopupSize& size);

// One item into `canvas` at its rectangle (the window image must already be
// there: transparent items show it).
void PaintMenuItem(const MenuLook& look, const MenuColors& colors, const MenuItemPaint& p, int imageListWidth,
                   MenuTextPainter& text, TvxPixmap& canvas);

// Glyph pixel rules, drawn at (x, y) in `ink`.
void DrawSubmenuArrow(TvxPixmap& canvas, int x, int y, Pixel ink);
void DrawCheckMark(TvxPixmap& canvas, int x, int y, Pixel ink);
void DrawRadioCircle(TvxPixmap& canvas, int x, int y, Pixel ink);
// The caption-button glyph for a system-menu item name; false for other names.
bool DrawSystemMenuGlyph(TvxPixmap& canvas, const std::string& name, int x, int y, Pixel ink);
// The arrow of a scroll marker band, pointing up or down from its centre.
void DrawScrollMarkerArrow(TvxPixmap& canvas, const Rect& marker, bool up, Pixel ink);

// A popup window for `root`'s items (the first one highlighted, as a new
// window shows it), sized like the program sizes it: the skin tool's preview.
TvxPixmap RenderPopupPreview(const TvxSkinData& data, const MenuItem& root, MenuTextPainter& text);

}  // namespace vx::frame
