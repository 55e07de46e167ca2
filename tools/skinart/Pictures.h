// The pictures of the program's skin, each drawn by one function. Places of
// images are kept by name on their sheet; the definition (Skin.cpp) refers to
// them by those names.
#pragma once

#include "Sheet.h"

namespace skinart {

// Frame geometry shared by the main picture, the mask and the caption buttons.
namespace frame {
constexpr int W = 285, H = 210;
constexpr Box client{3, 26, 282, 207};
constexpr int buttonW = 17, buttonH = 15, buttonTop = 3;
// The colour of the frame picture at a point where no corner shapes it: the
// caption band, the borders and the client.
Rgb Base(int x, int y);
}  // namespace frame

// Main picture and its 8-bit mask (black = inside the window).
void DrawFrame(Canvas& main, Canvas& mask);
// Picture 0: caption buttons (columns close, maximize, its restore, minimize,
// its restore, system menu; rows normal, hot, pressed, inactive) and the
// caption dividers.
Sheet DrawCaptionButtons();
// Pictures 12 to 15 and 17: alpha masks of the caption buttons (white = opaque).
Sheet DrawCaptionButtonAlpha(bool round, double opacity);
Sheet DrawHint();            // picture 1
Sheet DrawHintMask();        // picture 7
Sheet DrawPopup();           // picture 2
Sheet DrawPopupMask();       // picture 6
Sheet DrawMenuItems();       // picture 3
Sheet DrawControls();        // picture 4
Sheet DrawLayerFrame();      // picture 8
Sheet DrawLayerAlpha();      // picture 5
Sheet DrawLayerBlurMask();   // picture 16
Sheet DrawExtras();          // picture 9: the controls no form of the program shows
Sheet DrawMenuBar();         // picture 10
Sheet DrawTexture();         // picture 11

}  // namespace skinart
