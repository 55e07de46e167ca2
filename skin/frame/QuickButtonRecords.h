// The quick buttons' hot background from the loaded skin: the
// "officequickbutton" control record, or "resizetoolbutton" without one.
#pragma once

#include "QuickButtons.h"
#include "vxSkinData.h"

namespace vx::frame {

// Fills the background part of `looks`; leaves it without a picture when the
// skin has neither record (hot items then show their image only).
void QuickButtonBackgroundFromSkinData(const TvxSkinData& data, QuickButtonLooks& looks);

}  // namespace vx::frame
