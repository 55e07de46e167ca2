#include "IcoFile.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace iconart {

namespace {

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

// One image as the icon resource stores it: a BITMAPINFOHEADER whose height
// counts the colour rows and the mask rows, the colour rows bottom-up, then
// the mask rows (1 = transparent), each padded to 4 bytes.
std::vector<uint8_t> EncodeImage(const IconImage& im) {
  const int n = im.size;
  const size_t maskStride = ((size_t(n) + 31) / 32) * 4;
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, uint32_t(n));
  Put32(out, uint32_t(n * 2));
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, 0);   // BI_RGB
  Put32(out, uint32_t(size_t(n) * n * 4 + maskStride * n));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const uint8_t* p = &im.rgba[(size_t(y) * n + x) * 4];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
      out.push_back(p[3]);
    }
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < n; ++x) {
      if (im.rgba[(size_t(y) * n + x) * 4 + 3] == 0) row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const IconImage& im : images) {
    if (im.size < 1 || im.size > 256 || im.rgba.size() != size_t(im.size) * im.size * 4)
      throw std::invalid_argument("icon image of a wrong size");
    bodies.push_back(EncodeImage(im));
  }
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, unsigned(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int n = images[i].size;
    out.push_back(uint8_t(n == 256 ? 0 : n));
    out.push_back(uint8_t(n == 256 ? 0 : n));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, uint32_t(bodies[i].size()));
    Put32(out, offset);
    offset += uint32_t(bodies[i].size());
  }
  for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
  return out;
}

void WriteIco(const std::vector<IconImage>& images, const std::string& path) {
  std::vector<uint8_t> bytes = EncodeIco(images);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    if (f) std::fclose(f);
    throw std::runtime_error("cannot write " + path);
  }
  if (std::fclose(f) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace iconart
