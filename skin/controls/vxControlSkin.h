// How a skinned control turns its record into pixels, without a window.
//
// A control of the custom-control kind copies its record's geometry (picture
// rectangle, corner points, client rectangle, stretch flags) into a
// TvxControlGeometry. The corner points choose the sizing mode; FitSkinSize
// then says which sizes the control may take and where the corner points and
// the client rectangle lie at that size; DrawControlImage draws one state's
// picture rectangle at that size. The windowed controls and `skinpack render`
// both draw through these functions, so the tool shows a skin author exactly
// what the program will show.
#pragma once

#include <string_view>

#include "vxCopy.h"
#include "vxGeometry.h"
#include "vxPixmap.h"
#include "vxSkinDataControls.h"

namespace vx {

class TvxSkinData;

// -1 nothing to draw from (empty picture rectangle), 1 nine parts with free
// width and height, 2 three parts across (height fixed), 3 three parts down
// (width fixed), 0 fixed size.
int SkinSizingMode(const TvxRect& skinrect, const TvxPoint& lefttop, const TvxPoint& righttop,
                   const TvxPoint& leftbottom, const TvxPoint& rightbottom);

struct TvxControlGeometry {
  int sizingMode = -1;
  PixRect skinrect;
  NinePartLayout layout;   // as the record gives it, relative to skinrect
  NinePartLayout current;  // moved for the size last fitted
  EdgeStretch edges;
  bool stretcheffect = false;
  TvxStretchType stretchtype = TvxStretchType::stFull;
  int pictureIndex = -1;  // -1 when the record's index is not a picture of the skin
  int maskIndex = -1;

  // Copies a record's geometry; a record that is not of the custom-control
  // kind (null here) gives a fixed-size control without pictures.
  void Load(const TvxDataSkinCustomControl* record, int pictureCount);
  void Clear() { *this = TvxControlGeometry{}; }
  // Adjusts a requested size to what the sizing mode allows and moves the
  // current corner points and client rectangle to it.
  void FitSkinSize(int& width, int& height);
  // The record's client rectangle offset into the picture: the piece a
  // panel's background is tiled from.
  PixRect ClientPiece() const { return layout.client.Offset(skinrect.left, skinrect.top); }
};

// Draws the picture rectangle `from` (a state image of skinrect's size) the
// way the sizing mode says, into `target`, which is resized to the image's
// size: width x height, or skinrect's height (mode 2), width (mode 3) or
// size (mode 0). Mode -1 or no picture leaves a cleared target of the size.
void DrawControlImage(const TvxPixmap* picture, const TvxControlGeometry& g, const PixRect& from, int width,
                      int height, TvxPixmap& target);

// Covers `area` of `target` with copies of `piece` of `picture`, tile (0, 0)
// placed at `origin`; tiles are cut at the area's edges. Tiny tiles cost no
// more than a few passes over the area: the first row of tiles is built by
// doubling, then whole rows are copied.
void TileRect(const TvxPixmap& picture, const PixRect& piece, TvxPixmap& target, const PixRect& area,
              PixPoint origin);

// Fills `area` from `piece`: tiled from the area's left-top without
// stretching; with stretching, stFull stretches the piece over the area,
// stHorz stretches it to the area's height and repeats it across, stVert to
// the area's width and repeats it down. Nothing happens for an empty area.
void FillFromPiece(const TvxPixmap& picture, const PixRect& piece, TvxPixmap& target, const PixRect& area,
                   bool stretch, TvxStretchType type);

// The looks a control record has.
enum class TvxControlState { normal, hot, down, disabled, focused };
bool ParseControlState(std::string_view text, TvxControlState& state);
// The picture rectangle a record shows in a state, with the records' own
// fall-backs (an empty active image is the normal one, an empty pressed image
// the active one, empty focused and disabled images fall back further).
PixRect StateSourceRect(const TvxDataSkinCustomControl& record, TvxControlState state);

}  // namespace vx
