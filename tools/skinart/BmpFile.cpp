#include "BmpFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace skinart {
namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 255);
  v.push_back((x >> 8) & 255);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

void Save(const std::vector<uint8_t>& bytes, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "skinart: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

std::vector<uint8_t> Headers(int w, int h, int bits, int colours, uint32_t rowBytes) {
  std::vector<uint8_t> v;
  uint32_t image = rowBytes * uint32_t(h);
  uint32_t offset = 14 + 40 + 4 * colours;
  v.push_back('B');
  v.push_back('M');
  Put32(v, offset + image);
  Put32(v, 0);
  Put32(v, offset);
  Put32(v, 40);
  Put32(v, uint32_t(w));
  Put32(v, uint32_t(h));  // positive: bottom-up
  Put16(v, 1);
  Put16(v, uint32_t(bits));
  Put32(v, 0);  // no compression
  Put32(v, image);
  Put32(v, 2835);  // 72 dpi
  Put32(v, 2835);
  Put32(v, uint32_t(colours));
  Put32(v, 0);
  return v;
}

}  // namespace

void WriteBmp24(const Canvas& c, const std::string& path) {
  int w = c.Width(), h = c.Height();
  uint32_t rowBytes = (uint32_t(w) * 3 + 3) & ~3u;
  std::vector<uint8_t> v = Headers(w, h, 24, 0, rowBytes);
  for (int y = h - 1; y >= 0; --y) {
    size_t start = v.size();
    for (int x = 0; x < w; ++x) {
      v.push_back(c.B(x, y));
      v.push_back(c.G(x, y));
      v.push_back(c.R(x, y));
    }
    while (v.size() - start < rowBytes) v.push_back(0);
  }
  Save(v, path);
}

void WriteBmpGrey(const Canvas& c, int bits, const std::string& path) {
  int w = c.Width(), h = c.Height();
  int colours = 1 << bits;
  uint32_t rowBytes = ((uint32_t(w) * bits + 31) / 32) * 4;
  std::vector<uint8_t> v = Headers(w, h, bits, colours, rowBytes);
  for (int i = 0; i < colours; ++i) {
    uint8_t g = uint8_t(std::lround(255.0 * i / (colours - 1)));
    v.push_back(g);
    v.push_back(g);
    v.push_back(g);
    v.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < w; ++x) {
      double grey = (c.R(x, y) + c.G(x, y) + c.B(x, y)) / 3.0;
      uint32_t index = uint32_t(std::lround(grey / 255.0 * (colours - 1)));
      uint32_t bit = uint32_t(x) * bits;
      row[bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  Save(v, path);
}

}  // namespace skinart
