// Alignment arithmetic: where aligned controls go inside their parent.
//
// Aligned controls are placed in the order alTop, alBottom, alLeft, alRight,
// alClient; each takes its strip from the space the earlier ones left. Within
// one alignment the controls stack in the order of their current positions
// (tops for alTop, bottoms from the bottom up for alBottom, and so on), ties
// keeping the order of the parent's control list. alClient takes what is left.
//
// A control may refuse the size it is given (a skinned control with a fixed
// height does); the strip it takes is then the size it kept.
#pragma once

#include <functional>
#include <span>

#include "tkTypes.h"

namespace tk {

struct AlignItem {
  TAlign align = alNone;
  TRect bounds;  // current bounds in the parent's client coordinates
  bool visible = true;
};

// Places every visible aligned item inside `client`. `place(index, proposed)`
// moves the item and returns the bounds it actually took; without it the
// proposed bounds are stored in the items. Returns the space left over.
using AlignPlacer = std::function<TRect(size_t index, const TRect& proposed)>;
TRect AlignItems(const TRect& client, std::span<AlignItem> items, const AlignPlacer& place = {});

}  // namespace tk
