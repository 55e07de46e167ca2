// The window shape of a skinned form with a mask picture: the mask's border
// strips cut for the current size (kept for hit-testing) and the layouts the
// sized window region is made from.
#pragma once

#include <optional>

#include "FrameHitTest.h"
#include "vxMaskStrips.h"

namespace vx::frame {

// The mask's layout (FORMINFO corner points, maskrectarea as its client
// rectangle) and the same mapped to the window (mask area M).
struct FrameMaskLayouts {
  NinePartLayout source;
  NinePartLayout window;
};
FrameMaskLayouts MaskLayouts(const FrameSkin& skin, const FrameGeometry& geometry);

// The four strips for the geometry's size; all empty without a mask.
MaskStrips CutFrameMaskStrips(const TvxPixmap& mask, const FrameSkin& skin, const FrameGeometry& geometry);

// The window region: M united with the strips' black pixels (none when the
// mapped layout is degenerate).
std::optional<SizedRegion> FrameMaskRegion(const TvxPixmap& mask, const FrameSkin& skin,
                                           const FrameGeometry& geometry);

}  // namespace vx::frame
