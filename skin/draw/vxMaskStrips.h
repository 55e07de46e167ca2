// Regions for a window of any size from a mask drawn at one size: the mask's
// four borders are rebuilt for the new size (always tiled, never stretched, so
// rounded corners keep their shape) and the client rectangle is added whole.
#pragma once

#include <optional>

#include "vxBorderStrips.h"
#include "vxGeometry.h"
#include "vxPixmap.h"
#include "vxRegionData.h"

namespace vx {

// The mask's border strips for an image of `width` with layout `dst`; `src` is
// the layout within the mask. Left and right strips are as high as dst's
// client rectangle; top and bottom strips keep the mask's border thickness.
// Pixels no piece covers are white (outside).
void BuildMaskStrips(const TvxPixmap& mask, const NinePartLayout& src, const NinePartLayout& dst, int width,
                     BorderStrips& strips);

// A sized mask region: the client rectangle plus the region data of each
// strip, already placed (top at (0, 0), bottom at (0, nCR.bottom), left at
// (0, nCR.top), right at (nCR.right, nCR.top)). A strip without pixels has
// empty data. The region is the union of all of them.
struct SizedRegion {
  PixRect client;
  RegionData top;
  RegionData bottom;
  RegionData left;
  RegionData right;
};

// None when the new corner points are out of order (nRT.x < nLT.x or
// nLB.y < nLT.y) or the new client rectangle is empty.
std::optional<SizedRegion> SizedMaskRegion(const TvxPixmap& mask, const NinePartLayout& src,
                                           const NinePartLayout& dst, int width);

// Whether (x, y) lies in the region (for tests and hit checks off Windows).
bool SizedRegionContains(const SizedRegion& region, int x, int y);

}  // namespace vx
