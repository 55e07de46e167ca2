#include "vxRegionWin.h"

#include <algorithm>
#include <vector>

namespace vx {
namespace {

// Rectangles per batch when the platform refuses the data in one piece.
constexpr size_t kBatch = 2000;

HRGN Union(HRGN into, HRGN part) {
  if (!part) return into;
  if (!into) return part;
  CombineRgn(into, into, part, RGN_OR);
  DeleteObject(part);
  return into;
}

HRGN FromBytes(const uint8_t* bytes, size_t size) {
  return ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(bytes));
}

}  // namespace

HRGN RegionFromData(const RegionData& data) {
  auto rects = RegionDataRects(data);
  if (!rects) return nullptr;
  if (HRGN r = FromBytes(data.data(), data.size())) return r;
  // Refused (too many rectangles for this platform): batches, combined.
  const PixRect bounds = RegionDataBounds(data);
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (size_t i = 0; i < rects->size(); i += kBatch) {
    const size_t n = std::min(kBatch, rects->size() - i);
    std::vector<PixRect> part(rects->begin() + static_cast<ptrdiff_t>(i),
                              rects->begin() + static_cast<ptrdiff_t>(i + n));
    const RegionData bytes = RegionDataFromRects(part, bounds);
    HRGN piece = FromBytes(bytes.data(), bytes.size());
    if (!piece) {
      DeleteObject(result);
      return nullptr;
    }
    result = Union(result, piece);
  }
  return result;
}

HRGN MaskRegionHandle(const TvxPixmap& mask) { return RegionFromData(MaskRegion(mask)); }

HRGN SizedRegionHandle(const SizedRegion& region) {
  const PixRect& c = region.client;
  HRGN result = CreateRectRgn(c.left, c.top, c.right, c.bottom);
  if (!result) return nullptr;
  // A strip that yields no region contributes nothing.
  for (const RegionData* d : {&region.top, &region.bottom, &region.left, &region.right})
    if (!d->empty()) result = Union(result, RegionFromData(*d));
  return result;
}

bool TvxWindowRegion::Apply(HWND window, HRGN region, bool redraw) {
  if (SetWindowRgn(window, region, redraw ? TRUE : FALSE) == 0) {
    if (region) DeleteObject(region);  // not taken: still ours to free
    return false;
  }
  hasRegion_ = region != nullptr;
  return true;
}

}  // namespace vx
