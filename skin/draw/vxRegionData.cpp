#include "vxRegionData.h"

#include <algorithm>

#include <cstring>

namespace vx {
namespace {

void Put32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}
uint32_t Get32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
void PutRect(uint8_t* p, const PixRect& r) {
  Put32(p, static_cast<uint32_t>(r.left));
  Put32(p + 4, static_cast<uint32_t>(r.top));
  Put32(p + 8, static_cast<uint32_t>(r.right));
  Put32(p + 12, static_cast<uint32_t>(r.bottom));
}
PixRect GetRect(const uint8_t* p) {
  return {static_cast<int32_t>(Get32(p)), static_cast<int32_t>(Get32(p + 4)), static_cast<int32_t>(Get32(p + 8)),
          static_cast<int32_t>(Get32(p + 12))};
}

void PutHeader(RegionData& data, size_t count, const PixRect& bounds) {
  uint8_t* h = data.data();
  Put32(h, kRegionHeaderSize);
  Put32(h + 4, 1);
  Put32(h + 8, static_cast<uint32_t>(count));
  Put32(h + 12, 0);
  PutRect(h + 16, bounds);
}

bool Inside(Pixel p) { return (p & 0xFFFFFFu) == 0; }

void AddRect(RegionData& data, size_t& count, const PixRect& r) {
  const size_t at = data.size();
  data.resize(at + kRegionRectSize);  // grows geometrically
  PutRect(data.data() + at, r);
  ++count;
}

// One rectangle per run; false (and the data cut short) once past the limit.
bool RunRects(const TvxPixmap& mask, int dx, int dy, RegionData& data, size_t& count) {
  const int w = mask.Width(), h = mask.Height();
  for (int y = 0; y < h; ++y) {
    const Pixel* row = mask.Row(y);
    int x = 0;
    while (x < w) {
      while (x < w && !Inside(row[x])) ++x;
      if (x == w) break;
      const int x0 = x;
      while (x < w && Inside(row[x])) ++x;
      if (count == kRegionRectLimit) return false;
      AddRect(data, count, {x0 + dx, y + dy, x + dx, y + 1 + dy});
    }
  }
  return true;
}

void RowSpanRects(const TvxPixmap& mask, int dx, int dy, RegionData& data, size_t& count) {
  const int w = mask.Width(), h = mask.Height();
  for (int y = 0; y < h; ++y) {
    const Pixel* row = mask.Row(y);
    int first = 0, last = w;
    while (first < w && !Inside(row[first])) ++first;
    if (first == w) continue;
    while (!Inside(row[last - 1])) --last;
    AddRect(data, count, {first + dx, y + dy, last + dx, y + 1 + dy});
  }
}

}  // namespace

RegionData MaskToRegionData(const TvxPixmap& mask, int dxIn, int dyIn) {
  RegionData data;
  if (mask.Empty()) return data;
  const int dx = ClampToLimit(dxIn), dy = ClampToLimit(dyIn);
  data.resize(kRegionHeaderSize);
  size_t count = 0;
  if (!RunRects(mask, dx, dy, data, count)) {
    data.resize(kRegionHeaderSize);
    data.shrink_to_fit();
    count = 0;
    RowSpanRects(mask, dx, dy, data, count);
  }
  PutHeader(data, count, {dx, dy, dx + mask.Width(), dy + mask.Height()});
  return data;
}

RegionData RegionDataFromRects(const std::vector<PixRect>& rects, const PixRect& bounds) {
  RegionData data(kRegionHeaderSize + kRegionRectSize * rects.size());
  PutHeader(data, rects.size(), bounds);
  for (size_t i = 0; i < rects.size(); ++i) PutRect(data.data() + kRegionHeaderSize + kRegionRectSize * i, rects[i]);
  return data;
}

std::optional<std::vector<PixRect>> RegionDataRects(const RegionData& data) {
  if (data.size() < kRegionHeaderSize) return std::nullopt;
  const uint8_t* h = data.data();
  const uint64_t count = Get32(h + 8);
  if (Get32(h) != kRegionHeaderSize || Get32(h + 4) != 1 ||
      data.size() != kRegionHeaderSize + kRegionRectSize * count)
    return std::nullopt;
  std::vector<PixRect> rects(count);
  for (size_t i = 0; i < count; ++i) rects[i] = GetRect(h + kRegionHeaderSize + kRegionRectSize * i);
  return rects;
}

PixRect RegionDataBounds(const RegionData& data) {
  if (data.size() < kRegionHeaderSize) return {};
  return GetRect(data.data() + 16);
}

std::vector<PixRect> BandedRegionRects(const std::vector<PixRect>& rects) {
  std::vector<PixRect> sorted;
  std::vector<int> edges;
  for (const PixRect& r : rects)
    if (!r.IsEmpty()) {
      sorted.push_back(r);
      edges.push_back(r.top);
      edges.push_back(r.bottom);
    }
  std::sort(sorted.begin(), sorted.end(), [](const PixRect& a, const PixRect& b) { return a.top < b.top; });
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<PixRect> out;
  size_t lastBand = 0;  // the previous band's first rectangle in `out`
  size_t next = 0;      // the first rectangle not yet started
  std::vector<PixRect> active;
  std::vector<std::pair<int, int>> spans, merged, previous;
  int previousBottom = 0;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const int top = edges[i], bottom = edges[i + 1];
    std::erase_if(active, [&](const PixRect& r) { return r.bottom <= top; });
    while (next < sorted.size() && sorted[next].top <= top) active.push_back(sorted[next++]);
    spans.clear();
    for (const PixRect& r : active) spans.emplace_back(r.left, r.right);
    std::sort(spans.begin(), spans.end());
    merged.clear();
    for (const auto& sp : spans) {
      if (!merged.empty() && sp.first <= merged.back().second)
        merged.back().second = std::max(merged.back().second, sp.second);
      else
        merged.push_back(sp);
    }
    if (merged.empty()) {
      previous.clear();
      continue;
    }
    if (merged == previous && previousBottom == top) {
      for (size_t k = lastBand; k < out.size(); ++k) out[k].bottom = bottom;
    } else {
      lastBand = out.size();
      for (const auto& sp : merged) out.push_back({sp.first, top, sp.second, bottom});
      previous = merged;
    }
    previousBottom = bottom;
  }
  return out;
}

}  // namespace vx
