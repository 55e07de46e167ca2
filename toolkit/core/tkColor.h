// Colour values. A TColor is either a plain $BBGGRR colour or a reference to
// one of the system's colours (high byte $FF, low byte the system colour
// index), which is resolved only when something is drawn, so a theme change
// shows at the next paint.
#pragma once

#include <cstdint>
#include <functional>

namespace tk {

using TColor = int32_t;

constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000u);
constexpr TColor SystemColor(int index) { return kSystemColorFlag | index; }
constexpr bool IsSystemColor(TColor c) {
  return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}
constexpr TColor RGBColor(int r, int g, int b) { return (r & 255) | ((g & 255) << 8) | ((b & 255) << 16); }
constexpr int ColorR(uint32_t c) { return c & 255; }
constexpr int ColorG(uint32_t c) { return (c >> 8) & 255; }
constexpr int ColorB(uint32_t c) { return (c >> 16) & 255; }

// System colour indexes (the platform's COLOR_* numbers).
constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                 clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                 clMenu = SystemColor(4), clWindow = SystemColor(5), clWindowFrame = SystemColor(6),
                 clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                 clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                 clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                 clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                 clBtnFace = SystemColor(15), clBtnShadow = SystemColor(16),
                 clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                 clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                 cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22),
                 clInfoText = SystemColor(23), clInfoBk = SystemColor(24);

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
// "No colour" and "the control's default colour".
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// Where system colours come from. The default is the classic scheme; the
// Windows binding installs the live system colours at start-up.
using SystemColorSource = std::function<uint32_t(int index)>;
void SetSystemColorSource(SystemColorSource source);
uint32_t ClassicSystemColor(int index);

// The $BBGGRR value to draw with. System colours are resolved now; clNone and
// clDefault resolve to black, the platform's reading of them.
uint32_t ColorToRGB(TColor c);

}  // namespace tk
