// Morph steps between two state images of a control or caption button.
#pragma once

#include "vxPixmap.h"
#include "vxSkinTypes.h"

namespace vx {

// Changes `from` in place to the transition state k (0 … 1) towards `to`.
// The caller steps k over time and draws `from` after each step. Pictures of
// different sizes, or too narrow for the transition, are left unchanged.
void MorphBlend(TvxPixmap& from, const TvxPixmap& to, double k, TvxMorphKind kind);

}  // namespace vx
