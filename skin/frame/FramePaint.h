// The pixels of a form's frame: the four border strips cut from the window
// skin image for the window's size, with the frame objects drawn onto them,
// and the plain frame of default mode. The program paints these strips onto
// its windows and `skinpack frame --render` writes them to a file, so a skin
// author previews exactly what the program shows.
//
// Text is the platform's: the caller draws captions through a callback.
#pragma once

#include <functional>
#include <vector>

#include "FrameObjects.h"
#include "QuickButtons.h"
#include "vxBorderStrips.h"
#include "vxSkinData.h"

namespace vx::frame {

// Which buttons' commands are in effect: a minimized, maximized or rolled-up
// window shows their restore images.
struct CommandsInEffect {
  bool minimized = false, maximized = false, rolledUp = false;
  bool Holds(TvxStdCommand c) const {
    return (c == TvxStdCommand::cmminimize && minimized) || (c == TvxStdCommand::cmmaximize && maximized) ||
           (c == TvxStdCommand::cmrollup && rolledUp);
  }
};

// How an object is drawn at this moment.
struct ObjectLook {
  bool frameActive = true;
  // Off for a whole-frame repaint: objects whose idle image is part of the
  // frame picture are not drawn again.
  bool fullRedraw = false;
  // The object's command is in effect (a maximized form's maximize button).
  bool commandInEffect = false;
  // The frame's FORMINFO, for a caption widened with the window.
  const FormInfo* form = nullptr;
  // Skin effects are on: objects that morph show the blend of their normal
  // and active images while a morph is under way.
  bool effects = false;
};

// Whether the object fades between its looks now.
bool MorphApplies(const FrameObject& o, const ObjectLook& look);

// The image an object shows now, as a rectangle of its picture (`fromMain`:
// of the main picture rather than the object's own); empty when it shows
// nothing of its own. Caption text and user objects are drawn by the caller.
struct ObjectImage {
  Rect source;
  bool fromMain = false;
};
ObjectImage FrameObjectImage(const FrameObject& o, const ObjectLook& look);

// Draws the object's image onto `canvas`, its window rectangle moved by
// (dx, dy). False when nothing was drawn.
bool DrawFrameObjectImage(const FrameObject& o, const TvxPixmap& mainPicture, TvxPixmap& canvas, int dx, int dy,
                          const ObjectLook& look);

// Draws what the platform or the program draws for an object onto `strip`:
// a caption's text, a user object's picture. `rect` is the object's
// rectangle on that strip.
using CaptionTextPainter =
    std::function<void(TvxPixmap& strip, const FrameObject& caption, const Rect& rect, bool active)>;

// The bare strips (no objects) for one size and one source picture, kept
// until the size, the source or the skin changes, and the strips a paint
// composes on top of them (reused from paint to paint, so painting allocates
// nothing while the size stays).
class FrameStripCache {
 public:
  const BorderStrips& Get(const TvxSkinData& data, const FrameSkin& skin, const FrameGeometry& g, bool inactive);
  void Clear();
  int Builds() const { return builds_; }

 private:
  friend const BorderStrips& ComposeSkinFrame(const TvxSkinData&, const FrameSkin&, const FrameGeometry&,
                                              const FrameObjectList&, bool, FrameStripCache&,
                                              const CaptionTextPainter&, CommandsInEffect,
                                              const QuickButtonsPaint*);
  BorderStrips strips_;
  BorderStrips composed_;
  bool sidesComposed_ = false;  // composed_ sides hold the bare ones
  const TvxSkinData* data_ = nullptr;
  int generation_ = -1;
  int width_ = -1, height_ = -1;
  bool inactive_ = false;
  int builds_ = 0;
};

// The skin-mode frame for the geometry's size: strips from the cache, every
// visible object drawn onto the top strip (or the bottom one when it reaches
// below the client's top), captions' text through `captionText` (may be
// empty), the inactive effect where the skin asks for it. The strips live in
// the cache until its next use. `quick` (already laid out) is drawn on the
// first caption before its text.
const BorderStrips& ComposeSkinFrame(const TvxSkinData& data, const FrameSkin& skin, const FrameGeometry& g,
                                     const FrameObjectList& objects, bool frameActive, FrameStripCache& cache,
                                     const CaptionTextPainter& captionText, CommandsInEffect inEffect = {},
                                     const QuickButtonsPaint* quick = nullptr);

// The system colours the default frame is drawn in.
struct DefaultFrameColors {
  Pixel btnFace = MakePixel(212, 208, 200);
  Pixel btnHighlight = MakePixel(255, 255, 255);
  Pixel btnShadow = MakePixel(128, 128, 128);
  Pixel light3D = MakePixel(212, 208, 200);
  Pixel dkShadow3D = MakePixel(64, 64, 64);
  Pixel btnText = MakePixel(0, 0, 0);
};

// Draws a default-mode caption button (its look with the pointer on it and
// pressed, and its glyph) onto `canvas` at its rectangle moved by (dx, dy).
void DrawDefaultButton(const FrameObject& o, TvxPixmap& canvas, int dx, int dy, const ObjectLook& look,
                       const DefaultFrameColors& colors);

// Draws the default caption text: `area` is where the text goes on the top
// strip (the caption text area A, window coordinates).
using DefaultCaptionPainter = std::function<void(TvxPixmap& top, const Rect& area, bool active)>;

// The default-mode frame of width x height: three 3-D rings, the caption bar
// with its lines, the text and the default buttons (already laid out, window
// coordinates). `area` is the caption text area of the default layout; the
// client rectangle is (3, CH + 3, W - 3, H - 3).
void ComposeDefaultFrame(int width, int height, int captionHeight, const Rect& area, const FrameObjectList& objects,
                         bool frameActive, const DefaultFrameColors& colors, const DefaultCaptionPainter& captionText,
                         BorderStrips& out, CommandsInEffect inEffect = {});

// The strips put together into one picture of width x height (client
// pixels `clientFill`), as they appear on the window.
TvxPixmap FramePicture(const BorderStrips& strips, const Rect& client, int width, int height, Pixel clientFill);

// The client background tile: FORMINFO's background picture, else the main
// picture's client part; empty when there is nothing to tile.
struct ClientTile {
  const TvxPixmap* picture = nullptr;
  Rect source;
  bool stretch = false;
  TvxStretchType type = TvxStretchType::stFull;
};
ClientTile ClientBackgroundTile(const TvxSkinData& data);

// Paints the client background into `canvas` (the client area, its own
// coordinates) as the form shows it; without a tile it is filled with `face`.
void PaintClientBackground(const ClientTile& tile, TvxPixmap& canvas, int windowWidth, int windowHeight, Pixel face);

// A normal, skinnable window of width x height with the given caption
// buttons, as the program lays it out in skin mode: what the previews show.
struct PreviewLayout {
  PreviewLayout(const TvxSkinData& data, int width, int height, TvxBorderIcons icons);
  FrameSkin skin;
  FrameOptions options;
  FrameGeometry geometry;
  FrameObjectList objects;
};

// The frame as the program paints it, caption text left out; the client
// area shows the form's background. `quick` items are laid out on the
// caption and drawn.
TvxPixmap RenderFramePreview(const TvxSkinData& data, int width, int height, TvxBorderIcons icons, bool inactive,
                             QuickButtonsPaint* quick = nullptr, bool quickDivider = true);

// The window region, in the platform's canonical rectangles (window
// coordinates); empty when the window gets no region.
std::vector<Rect> FrameRegionPreview(const TvxSkinData& data, int width, int height, TvxBorderIcons icons);

}  // namespace vx::frame
