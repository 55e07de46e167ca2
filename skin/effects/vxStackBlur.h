// Triangular blur with running sums: its cost does not grow with the radius.
#pragma once

#include "vxPixmap.h"

namespace vx {

// The largest radius applied; larger radii blur with this one.
constexpr int kMaxBlurRadius = 254;

// Blurs with the weights r + 1 − |d| for d = −r … r, divided by (r + 1)²
// (truncated), first along every row and then along every column, repeating
// the edge pixels beyond the border. Every blurred pixel's alpha becomes 255.
// A radius of 0 or less changes nothing.
void StackBlur(TvxPixmap& pic, int radius);

}  // namespace vx
