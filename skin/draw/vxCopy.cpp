#include "vxCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vx {
namespace {

// Source index of target offset i when n source pixels cover m target pixels:
// the pixel under the target pixel's centre.
inline int64_t ScaledIndex(int64_t i, int64_t n, int64_t m) { return (2 * i + 1) * n / (2 * m); }

// Maps every target column/row of `to` that lies inside the target picture to
// its source column/row, or -1 when that falls outside the source picture.
// Returns the first target index covered; `map` gets one entry per index.
int64_t BuildMap(int64_t fromStart, int64_t fromLen, int64_t toStart, int64_t toLen, int srcLimit, int dstLimit,
                 std::vector<int>& map) {
  const int64_t lo = std::max<int64_t>(toStart, 0);
  const int64_t hi = std::min<int64_t>(toStart + toLen, dstLimit);
  map.clear();
  for (int64_t t = lo; t < hi; ++t) {
    const int64_t i = t - toStart;
    const int64_t s = fromStart + (fromLen == toLen ? i : ScaledIndex(i, fromLen, toLen));
    map.push_back(s >= 0 && s < srcLimit ? static_cast<int>(s) : -1);
  }
  return lo;
}

template <bool kKeyed>
void Copy(const TvxPixmap& srcIn, const PixRect& from, TvxPixmap& dst, const PixRect& to, Pixel key) {
  if (from.IsEmpty() || to.IsEmpty() || srcIn.Empty() || dst.Empty()) return;
  // A copy within one picture reads from a snapshot so overlapping rectangles
  // behave like a copy between two pictures.
  TvxPixmap snapshot;
  const TvxPixmap* src = &srcIn;
  if (src == &dst) {
    snapshot = srcIn;
    src = &snapshot;
  }
  const int64_t fw = int64_t{from.right} - from.left, fh = int64_t{from.bottom} - from.top;
  const int64_t tw = int64_t{to.right} - to.left, th = int64_t{to.bottom} - to.top;

  if (!kKeyed && fw == tw && fh == th) {
    // Unscaled: clip the column range once and move whole row pieces.
    const int64_t x0 = std::max<int64_t>({to.left, 0, to.left - int64_t{from.left}});
    const int64_t x1 = std::min<int64_t>({to.right, dst.Width(), to.left + (src->Width() - int64_t{from.left})});
    const int64_t y0 = std::max<int64_t>({to.top, 0, to.top - int64_t{from.top}});
    const int64_t y1 = std::min<int64_t>({to.bottom, dst.Height(), to.top + (src->Height() - int64_t{from.top})});
    if (x0 >= x1) return;
    for (int64_t y = y0; y < y1; ++y) {
      const Pixel* s = src->Row(static_cast<int>(y - to.top + from.top)) + (x0 - to.left + from.left);
      std::memcpy(dst.Row(static_cast<int>(y)) + x0, s, sizeof(Pixel) * static_cast<size_t>(x1 - x0));
    }
    return;
  }

  std::vector<int> cols, rows;
  const int64_t x0 = BuildMap(from.left, fw, to.left, tw, src->Width(), dst.Width(), cols);
  const int64_t y0 = BuildMap(from.top, fh, to.top, th, src->Height(), dst.Height(), rows);
  const Pixel keyRgb = key & 0xFFFFFFu;
  const bool allColumns = std::find(cols.begin(), cols.end(), -1) == cols.end();
  const size_t n = cols.size();
  for (size_t j = 0; j < rows.size(); ++j) {
    if (rows[j] < 0) continue;
    Pixel* d = dst.Row(static_cast<int>(y0 + static_cast<int64_t>(j))) + x0;
    if (!kKeyed && allColumns && j > 0 && rows[j] == rows[j - 1]) {
      // Enlarging repeats rows: copy the row just made. Only when every column
      // was written: a column whose source lies outside keeps its own value.
      std::memcpy(d, d - dst.Width(), sizeof(Pixel) * n);
      continue;
    }
    const Pixel* s = src->Row(rows[j]);
    if (!kKeyed && allColumns) {
      const int* c = cols.data();
      for (size_t i = 0; i < n; ++i) d[i] = s[c[i]];
      continue;
    }
    for (size_t i = 0; i < n; ++i) {
      if (cols[i] < 0) continue;
      const Pixel p = s[cols[i]];
      if (kKeyed && (p & 0xFFFFFFu) == keyRgb) continue;
      d[i] = p;
    }
  }
}

}  // namespace

void CopyRect(const TvxPixmap& src, const PixRect& from, TvxPixmap& dst, const PixRect& to) {
  Copy<false>(src, from, dst, to, 0);
}

void CopyRectKeyed(const TvxPixmap& src, const PixRect& from, TvxPixmap& dst, const PixRect& to, Pixel key) {
  Copy<true>(src, from, dst, to, key);
}

}  // namespace vx
