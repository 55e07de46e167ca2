// iconart: draws the program's icon from code, in the skin's palette and with
// its light from above, and writes it as resources/icon/podreel.ico (16, 32
// and 48 pixels). Like the skin, the file is committed and a test checks that
// it is what this tool draws today.
//
// The picture: a rounded blue tile with a white film reel on it and a play
// mark in the reel's hub. Each size is drawn at its own pixel grid rather
// than scaled from the largest, and the smallest leaves the reel's holes out,
// which at 16 pixels would only blur the disc.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <numbers>
#include <string>
#include <vector>

#include "Canvas.h"
#include "IcoFile.h"

namespace iconart {
namespace {

using skinart::Box;
using skinart::Canvas;
using skinart::Rgb;
using skinart::rgb;

constexpr Rgb kEdge = rgb(30, 72, 128);       // the tile's outline, the skin's pressed line deepened
constexpr Rgb kTileTop = rgb(120, 176, 232);  // the skin's light accent
constexpr Rgb kTileBottom = rgb(52, 120, 196);  // the skin's accent
constexpr Rgb kReelTop = rgb(255, 255, 255);
constexpr Rgb kReelBottom = rgb(214, 226, 241);
constexpr Rgb kMark = rgb(37, 64, 89);  // the skin's dark navy

IconImage Draw(int s) {
  const double n = s;
  const double margin = s >= 48 ? 2 : 1;
  const double radius = std::round(n * 0.2);
  Canvas c(s, s, kEdge);
  const Box all = skinart::At(0, 0, s, s);

  skinart::Shape tile = skinart::RoundRect(margin, margin, n - margin, n - margin, radius);
  skinart::Shape inner =
      skinart::RoundRect(margin + 1, margin + 1, n - margin - 1, n - margin - 1, radius - 1);
  c.Draw(all, tile, skinart::Solid(kEdge));
  c.Draw(all, inner, skinart::VGrad(margin + 1, n - margin - 2, kTileTop, kTileBottom));

  const double cx = n / 2, cy = n / 2;
  const double reel = n * 0.31;
  c.Draw(all, skinart::Circle(cx, cy, reel + std::max(1.0, n / 32)), skinart::Solid(kEdge), 0.55);
  c.Draw(all, skinart::Circle(cx, cy, reel), skinart::VGrad(cy - reel, cy + reel, kReelTop, kReelBottom));
  if (s >= 32) {
    const double hole = n * 0.07, ring = n * 0.19;
    for (int k = 0; k < 5; ++k) {
      const double a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
      const double hx = cx + ring * std::cos(a), hy = cy + ring * std::sin(a);
      c.Draw(all, skinart::Circle(hx, hy, hole), skinart::VGrad(hy - hole, hy + hole, kTileBottom, kTileTop));
    }
  }
  // The play mark, its optical centre a little right of the geometric one.
  const double m = s >= 32 ? n * 0.085 : n * 0.15;
  const double mx = cx + m * 0.25;
  c.Draw(all, skinart::Triangle(mx - m, cy - m * 1.1, mx - m, cy + m * 1.1, mx + m * 1.05, cy), skinart::Solid(kMark));

  IconImage im;
  im.size = s;
  im.rgba.resize(size_t(s) * s * 4);
  for (int y = 0; y < s; ++y) {
    for (int x = 0; x < s; ++x) {
      uint8_t* p = &im.rgba[(size_t(y) * s + x) * 4];
      p[0] = c.R(x, y);
      p[1] = c.G(x, y);
      p[2] = c.B(x, y);
      p[3] = uint8_t(std::lround(c.Coverage(x, y, tile) * 255));
    }
  }
  return im;
}

}  // namespace
}  // namespace iconart

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconart OUT.ico\n");
    return 2;
  }
  try {
    std::vector<iconart::IconImage> images;
    for (int s : {16, 32, 48}) images.push_back(iconart::Draw(s));
    iconart::WriteIco(images, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "iconart: %s\n", e.what());
    return 1;
  }
  return 0;
}
