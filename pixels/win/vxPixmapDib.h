// Pictures whose pixels live in a DIB section, so GDI can draw into them and
// copy them to windows while the pixel code reads and writes their rows.
//
// There is one storage for the whole program: the toolkit's bitmaps and the
// skin engine's pictures both come from it, so a picture made by either can be
// drawn on by the other.
#pragma once

#include <windows.h>

#include "vxPixmap.h"

namespace vx {

// Makes every picture created afterwards live in a DIB section (idempotent).
// A section the system refuses leaves that picture on the heap.
void InstallDibPixelStorage();
// The DIB section behind a picture, or null when its pixels are on the heap.
HBITMAP PixmapBitmapHandle(const TvxPixmap& picture);
// A memory DC with the picture's section selected (made on first use and kept
// with the picture), after pending GDI drawing is finished; null for a picture
// on the heap.
HDC PixmapDC(const TvxPixmap& picture);

}  // namespace vx
