// The skin's palette and the drawing of its recurring parts (button faces,
// fields, arrows, check marks). One light source, from above: faces run from a
// light top to a slightly deeper bottom, edges are one-pixel lines, corners are
// rounded with radii of 2 to 4 pixels.
#pragma once

#include "Canvas.h"

namespace skinart {

namespace pal {
constexpr Rgb text = rgb(37, 64, 89);           // the skin's dark navy (active caption)
constexpr Rgb textInactive = rgb(106, 130, 153);
constexpr Rgb textHot = rgb(22, 74, 136);
constexpr Rgb textMuted = rgb(92, 110, 132);
constexpr Rgb glowInactive = rgb(220, 235, 246);
constexpr Rgb white = rgb(255, 255, 255);
constexpr Rgb frameOuter = rgb(84, 108, 138);
constexpr Rgb captionTop = rgb(246, 249, 253);
constexpr Rgb captionBottom = rgb(212, 224, 239);
constexpr Rgb borderLight = rgb(233, 240, 248);
constexpr Rgb borderMid = rgb(198, 212, 229);
constexpr Rgb borderDeep = rgb(176, 193, 214);
constexpr Rgb client = rgb(241, 245, 249);  // window client and panel background
constexpr Rgb line = rgb(160, 178, 200);
constexpr Rgb lineSoft = rgb(206, 217, 230);
constexpr Rgb lineHot = rgb(86, 140, 204);
constexpr Rgb lineDown = rgb(80, 114, 160);
constexpr Rgb accent = rgb(52, 120, 196);
constexpr Rgb accentLight = rgb(120, 176, 232);
constexpr Rgb faceTop = rgb(255, 255, 255);
constexpr Rgb faceBottom = rgb(226, 234, 244);
constexpr Rgb hotTop = rgb(250, 253, 255);
constexpr Rgb hotBottom = rgb(204, 224, 248);
constexpr Rgb downTop = rgb(188, 208, 233);
constexpr Rgb downBottom = rgb(220, 232, 246);
constexpr Rgb disabledFace = rgb(238, 241, 245);
constexpr Rgb disabledLine = rgb(201, 210, 221);
constexpr Rgb disabledGlyph = rgb(170, 180, 192);
constexpr Rgb field = rgb(255, 255, 255);
constexpr Rgb selection = rgb(214, 230, 250);
constexpr Rgb closeRed = rgb(212, 70, 62);
constexpr Rgb closeRedDeep = rgb(168, 40, 36);
constexpr Rgb key = rgb(255, 0, 255);  // transparent key colour of glyph images
}  // namespace pal

enum class State { Normal, Hot, Down, Disabled };

// A raised face filling `b` (background `behind` shows in the rounded corners).
void DrawFace(Canvas& c, Box b, State s, double radius, Rgb behind);
// A flat tool face: nothing but the background when normal, a face otherwise.
void DrawToolFace(Canvas& c, Box b, State s, double radius, Rgb behind);
// A white input field with a one-pixel frame.
void DrawField(Canvas& c, Box b, Rgb behind, bool hot = false, bool disabled = false);
// A framed, lightly raised panel or bar.
void DrawBar(Canvas& c, Box b, bool vertical);

enum class Dir { Left, Right, Up, Down };
// A solid arrow head centred in b.
void DrawArrow(Canvas& c, Box b, Dir d, Rgb colour, double size = 3.5);
// A small face with an arrow (scroll and spin buttons).
void DrawArrowButton(Canvas& c, Box b, Dir d, State s, Rgb behind);
void DrawCheckMark(Canvas& c, Box b, Rgb colour);
void DrawCross(Canvas& c, Box b, Rgb colour, double halfWidth = 0.8, double inset = 4.0);

// Glyph images drawn transparently by key colour: draw on `mat` (the colour
// they are usually seen on), then every pixel the shape does not touch
// becomes the key colour. The bottom-left pixel is always key.
void KeyOutside(Canvas& c, Box b, const Shape& shape);

}  // namespace skinart
