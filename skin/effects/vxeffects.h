// Skin effects and alpha pictures: inactive-frame effects, morph steps, blur,
// the 32-bit alpha picture and the layered-window fade.
#pragma once

#include "vxAlphaBitmap.h"
#include "vxEffects.h"
#include "vxLayerFade.h"
#include "vxMorph.h"
#include "vxStackBlur.h"

namespace vx {
// The effects work on the engine's one picture type.
using TvxEffectBmp = TvxPixmap;
}  // namespace vx
