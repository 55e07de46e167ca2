// Skin picture drawing and regions: everything that turns a skin rectangle
// into an image of any size, and masks into window regions.
#pragma once

#include "vxBorderStrips.h"
#include "vxCopy.h"
#include "vxGeometry.h"
#include "vxMaskStrips.h"
#include "vxNinePart.h"
#include "vxRegionData.h"
#include "vxThreePart.h"
