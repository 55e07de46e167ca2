// Window regions from region data: the platform's region handles for masks
// and sized masks, and a window's ownership of its region.
#pragma once

#include <windows.h>

#include "vxMaskStrips.h"
#include "vxRegionData.h"

namespace vx {

// A region handle for region data, or nullptr for empty or unusable data.
// Data the platform refuses in one piece is made in batches and combined.
HRGN RegionFromData(const RegionData& data);
// The region of a mask's black pixels.
HRGN MaskRegionHandle(const TvxPixmap& mask);
// The union of a sized mask region's client rectangle and strips.
HRGN SizedRegionHandle(const SizedRegion& region);

// Hands a region to a window. After a successful SetWindowRgn the region
// belongs to the window and must never be deleted by us; the flag records
// that the window has a region of ours (the handle itself is not kept).
class TvxWindowRegion {
 public:
  // Sets (region != nullptr) or removes the window's region.
  bool Apply(HWND window, HRGN region, bool redraw = true);
  bool HasRegion() const { return hasRegion_; }

 private:
  bool hasRegion_ = false;
};

}  // namespace vx
