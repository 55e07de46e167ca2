// Renders a control record at a size and in one of its looks, through the
// same code the skinned controls paint with (vxControlSkin), so a skin author
// sees exactly what the program shows: the record's corner points select the
// sizing mode, the size is fitted to it (a three-part record keeps its height
// or width), and the state's picture rectangle is drawn by the matching
// primitive.
#pragma once

#include "vxControlSkin.h"
#include "vxPixmap.h"
#include "vxSkinData.h"
#include "vxSkinDataControls.h"

namespace vx {

struct TvxRenderResult {
  int sizingMode = -1;  // -1 nothing to draw, 0 fixed, 1 nine-part, 2 across, 3 down
  TvxPixmap image;      // at the fitted size
};

// Sizes must be 1 ... kMaxRenderSide.
constexpr int kMaxRenderSide = 8192;
TvxRenderResult RenderControlRecord(const TvxSkinData& data, const TvxDataSkinCustomControl& record, int width,
                                    int height, TvxControlState state = TvxControlState::normal);

}  // namespace vx
