// Renders a control record's normal image at a size, the way a skinned
// control of the custom-control kind draws it: the record's corner points
// select the sizing mode (fixed, nine-part, three parts across, three parts
// down), the size is fitted to it (a three-part record keeps its height or
// width), and the picture rectangle is drawn by the matching primitive.
// Skin authors use it to preview how their images stretch and tile.
#pragma once

#include "vxPixmap.h"
#include "vxSkinData.h"
#include "vxSkinDataControls.h"

namespace vx {

struct TvxRenderResult {
  int sizingMode = -1;  // -1 nothing to draw, 0 fixed, 1 nine-part, 2 across, 3 down
  TvxPixmap image;      // at the fitted size
};

// The sizing mode a record's corner points give.
int SkinSizingMode(const TvxDataSkinCustomControl& record);
// Draws `record` at width x height (fitted to its sizing mode). Sizes must be
// 1 ... kMaxRenderSide.
constexpr int kMaxRenderSide = 8192;
TvxRenderResult RenderControlRecord(const TvxSkinData& data, const TvxDataSkinCustomControl& record, int width,
                                    int height);

}  // namespace vx
