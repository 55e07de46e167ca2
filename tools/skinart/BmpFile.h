// Writes canvases as Windows bitmap files: 24-bit colour, or grey levels in an
// 8-, 4- or 1-bit indexed picture (masks). Rows bottom-up, padded to 4 bytes,
// pixel data right after the colour table and the image size field filled in,
// the layout the skin container relies on when it counts its way through a BMP.
#pragma once

#include <string>

#include "Canvas.h"

namespace skinart {

void WriteBmp24(const Canvas& c, const std::string& path);
// Grey picture: each pixel's grey level is quantised to the palette of
// 2^bits evenly spaced greys (black first).
void WriteBmpGrey(const Canvas& c, int bits, const std::string& path);

}  // namespace skinart
