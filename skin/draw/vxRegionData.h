// Window regions from mask pictures (black = inside), as region data in the
// platform's RGNDATA layout, little-endian: a 32-byte header (header size 32,
// type 1 = rectangles, rectangle count, region size 0, bounding rectangle)
// followed by 16 bytes per rectangle (left, top, right, bottom, signed 32-bit).
// The Windows binding hands these bytes to ExtCreateRegion; portable code and
// tests read them back with RegionDataRects.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "vxGeometry.h"
#include "vxPixmap.h"

namespace vx {

using RegionData = std::vector<uint8_t>;

constexpr size_t kRegionHeaderSize = 32;
constexpr size_t kRegionRectSize = 16;
// The rectangle count one piece of region data is meant to carry. Masks that
// need more still get all their rectangles; the Windows binding splits such
// data into batches if the platform refuses it in one piece.
constexpr size_t kRegionRectBudget = 10000;
// The most rectangles one piece of region data may hold (4 MiB of data). A
// mask that would need more (a skin's checkerboard) gets a simplified region
// instead: per row, one rectangle from its first to its last black pixel.
constexpr size_t kRegionRectLimit = size_t{1} << 18;

// One rectangle per run of black pixels (red, green and blue 0; alpha ignored)
// in each row, scanning rows from the top and each row from the left, offset
// by (dx, dy), or the simplified region past kRegionRectLimit. An empty mask
// gives empty data (size 0).
RegionData MaskToRegionData(const TvxPixmap& mask, int dx, int dy);

// The region of a mask at offset (0, 0).
inline RegionData MaskRegion(const TvxPixmap& mask) { return MaskToRegionData(mask, 0, 0); }

// Region data for the given rectangles and bounding rectangle.
RegionData RegionDataFromRects(const std::vector<PixRect>& rects, const PixRect& bounds);

// The rectangles of region data; nullopt when the bytes are not well-formed
// region data (wrong header, count disagreeing with the size).
std::optional<std::vector<PixRect>> RegionDataRects(const RegionData& data);
// The union of rectangles in the platform's canonical form: horizontal bands
// from the top, each band's rectangles from the left without overlap, and
// touching bands with the same spans merged. Two regions are equal exactly
// when their canonical lists are.
std::vector<PixRect> BandedRegionRects(const std::vector<PixRect>& rects);
// The bounding rectangle recorded in the header (empty for malformed data).
PixRect RegionDataBounds(const RegionData& data);

}  // namespace vx
