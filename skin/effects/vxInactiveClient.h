// What the client area of an inactive form shows when the frame's inactive
// client effect is on: a snapshot of the area, either blurred or with the
// form's own background laid semi-transparently over it.
#pragma once

#include "vxPixmap.h"

namespace vx {

constexpr int kInactiveBlurRadius = 3;
constexpr int kInactiveBackgroundAlpha = 170;

// Blurs the snapshot (StackBlur, radius 3).
void BlurInactiveClient(TvxPixmap& snapshot);

// Lays `over` on `under` at a constant opacity (0 … 255, clamped):
// c = (over·a + under·(255 − a)) / 255, rounded to nearest. Only the part
// both pictures cover is touched; every touched pixel ends opaque.
void BlendConstantAlpha(TvxPixmap& under, const TvxPixmap& over, int alpha);

// The form's background at alpha 170 over the snapshot.
inline void DimInactiveClient(TvxPixmap& snapshot, const TvxPixmap& background) {
  BlendConstantAlpha(snapshot, background, kInactiveBackgroundAlpha);
}

}  // namespace vx
