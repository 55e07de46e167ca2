#include "tkAlign.h"

#include <vector>

namespace tk {
namespace {

// True when a goes before b in the stacking order of `align`. On equal
// positions the later control goes after an earlier alTop/alLeft one and
// before an earlier alBottom/alRight one (it ends up outside it).
bool InsertBefore(TAlign align, const TRect& a, const TRect& b) {
  switch (align) {
    case alTop: return a.Top < b.Top;
    case alBottom: return a.Bottom >= b.Bottom;
    case alLeft: return a.Left < b.Left;
    case alRight: return a.Right >= b.Right;
    default: return false;
  }
}

}  // namespace

TRect AlignItems(const TRect& client, std::span<AlignItem> items, const AlignPlacer& place) {
  TRect r = client;
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<size_t> order;
    for (size_t i = 0; i < items.size(); ++i) {
      if (!items[i].visible || items[i].align != align) continue;
      size_t j = 0;
      while (j < order.size() && !InsertBefore(align, items[i].bounds, items[order[j]].bounds)) ++j;
      order.insert(order.begin() + j, i);
    }
    for (size_t i : order) {
      const TRect& b = items[i].bounds;
      int w = b.Width(), h = b.Height();
      int avail_w = std::max(0, r.Width()), avail_h = std::max(0, r.Height());
      TRect proposed;
      switch (align) {
        case alTop: proposed = Bounds(r.Left, r.Top, avail_w, h); break;
        case alBottom: proposed = Bounds(r.Left, r.Bottom - h, avail_w, h); break;
        case alLeft: proposed = Bounds(r.Left, r.Top, w, avail_h); break;
        case alRight: proposed = Bounds(r.Right - w, r.Top, w, avail_h); break;
        default: proposed = Bounds(r.Left, r.Top, avail_w, avail_h); break;
      }
      TRect got = place ? place(i, proposed) : proposed;
      items[i].bounds = got;
      switch (align) {
        case alTop: r.Top += got.Height(); break;
        case alBottom: r.Bottom -= got.Height(); break;
        case alLeft: r.Left += got.Width(); break;
        case alRight: r.Right -= got.Width(); break;
        default: break;
      }
    }
  }
  return r;
}

}  // namespace tk
