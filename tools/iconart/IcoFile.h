// Writes Windows icon files: several square images in one .ico, each a 32-bit
// BGRA bitmap (straight alpha) with the 1-bit AND mask older shells read, so
// Explorer, the Start menu and the uninstall list all find a size they draw
// without scaling.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace iconart {

struct IconImage {
  int size = 0;                // width and height in pixels (1..256)
  std::vector<uint8_t> rgba;   // size * size pixels, top row first, R G B A
};

// The file's bytes; images are stored in the order given.
std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images);
void WriteIco(const std::vector<IconImage>& images, const std::string& path);

}  // namespace iconart
