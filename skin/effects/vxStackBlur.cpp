#include "vxStackBlur.h"

#include <algorithm>
#include <vector>

namespace vx {
namespace {

inline Pixel Pack(int r, int g, int b) {
  return 0xFF000000u | (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | static_cast<Pixel>(b);
}

// One row: src → dst, both n pixels.
void BlurRow(const Pixel* src, Pixel* dst, int n, int r, double div) {
  auto at = [&](int i) { return src[std::clamp(i, 0, n - 1)]; };
  int sum[3] = {0, 0, 0}, in[3] = {0, 0, 0}, out[3] = {0, 0, 0};
  for (int d = -r; d <= r; ++d) {
    const Pixel p = at(d);
    const int w = r + 1 - (d < 0 ? -d : d);
    const int c[3] = {PixelR(p), PixelG(p), PixelB(p)};
    for (int k = 0; k < 3; ++k) {
      sum[k] += w * c[k];
      (d <= 0 ? out : in)[k] += c[k];
    }
  }
  for (int x = 0; x < n; ++x) {
    dst[x] = Pack(static_cast<int>(sum[0] / div), static_cast<int>(sum[1] / div), static_cast<int>(sum[2] / div));
    const Pixel leaving = at(x - r), entering = at(x + r + 1), next = at(x + 1);
    const int l[3] = {PixelR(leaving), PixelG(leaving), PixelB(leaving)};
    const int e[3] = {PixelR(entering), PixelG(entering), PixelB(entering)};
    const int m[3] = {PixelR(next), PixelG(next), PixelB(next)};
    for (int k = 0; k < 3; ++k) {
      sum[k] += in[k] + e[k] - out[k];
      out[k] += m[k] - l[k];
      in[k] += e[k] - m[k];
    }
  }
}

// Adds weight × each channel of a row to the column sums (vectorisable).
void AddRow(const Pixel* row, int w, int weight, int* r, int* g, int* b) {
  for (int x = 0; x < w; ++x) {
    const Pixel p = row[x];
    r[x] += weight * static_cast<int>((p >> 16) & 255);
    g[x] += weight * static_cast<int>((p >> 8) & 255);
    b[x] += weight * static_cast<int>(p & 255);
  }
}

}  // namespace

// Sums stay below 255·255² < 2^24, so a double quotient truncates exactly.
void StackBlur(TvxPixmap& pic, int radius) {
  if (radius <= 0 || pic.Empty()) return;
  const int r = std::min(radius, kMaxBlurRadius);
  const int w = pic.Width(), h = pic.Height();
  const double div = static_cast<double>(r + 1) * (r + 1);

  TvxPixmap rows(w, h);
  for (int y = 0; y < h; ++y) BlurRow(pic.Row(y), rows.Row(y), w, r, div);

  // Columns: all at once, one row at a time, with per-column running sums.
  std::vector<int> buf(static_cast<size_t>(w) * 9, 0);
  int *sR = buf.data(), *sG = sR + w, *sB = sG + w;
  int *iR = sB + w, *iG = iR + w, *iB = iG + w;
  int *oR = iB + w, *oG = oR + w, *oB = oG + w;
  auto row = [&](int y) { return rows.Row(std::clamp(y, 0, h - 1)); };
  for (int d = -r; d <= r; ++d) {
    AddRow(row(d), w, r + 1 - (d < 0 ? -d : d), sR, sG, sB);
    if (d <= 0)
      AddRow(row(d), w, 1, oR, oG, oB);
    else
      AddRow(row(d), w, 1, iR, iG, iB);
  }
  for (int y = 0; y < h; ++y) {
    Pixel* dst = pic.Row(y);
    for (int x = 0; x < w; ++x) {
      const auto cr = static_cast<Pixel>(sR[x] / div), cg = static_cast<Pixel>(sG[x] / div),
                 cb = static_cast<Pixel>(sB[x] / div);
      dst[x] = 0xFF000000u | (cr << 16) | (cg << 8) | cb;
    }
    const Pixel *leaving = row(y - r), *entering = row(y + r + 1), *next = row(y + 1);
    for (int x = 0; x < w; ++x) {
      const int lr = (leaving[x] >> 16) & 255, lg = (leaving[x] >> 8) & 255, lb = leaving[x] & 255;
      const int er = (entering[x] >> 16) & 255, eg = (entering[x] >> 8) & 255, eb = entering[x] & 255;
      const int nr = (next[x] >> 16) & 255, ng = (next[x] >> 8) & 255, nb = next[x] & 255;
      sR[x] += iR[x] + er - oR[x];
      sG[x] += iG[x] + eg - oG[x];
      sB[x] += iB[x] + eb - oB[x];
      oR[x] += nr - lr;
      oG[x] += ng - lg;
      oB[x] += nb - lb;
      iR[x] += er - nr;
      iG[x] += eg - ng;
      iB[x] += eb - nb;
    }
  }
}

}  // namespace vx
