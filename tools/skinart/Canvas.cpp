#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace skinart {

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static int Channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

int32_t ColorRef(Rgb c) { return Channel(c.r) | (Channel(c.g) << 8) | (Channel(c.b) << 16); }

Shape RoundRect(double l, double t, double r, double b, double radius) {
  return [=](double x, double y) {
    if (x < l || x > r || y < t || y > b) return false;
    double qx = std::max({l + radius - x, x - (r - radius), 0.0});
    double qy = std::max({t + radius - y, y - (b - radius), 0.0});
    return qx * qx + qy * qy <= radius * radius;
  };
}

Shape TopRoundRect(Box bx, double radius) {
  Shape round = RoundRect(bx.l, bx.t, bx.r, bx.b + radius + 1, radius);
  return [=](double x, double y) { return y <= bx.b && round(x, y); };
}

Shape Ring(Shape outer, Shape inner) {
  return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Segment(double x0, double y0, double x1, double y1, double hw) {
  return [=](double x, double y) {
    double dx = x1 - x0, dy = y1 - y0;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
    double ex = x0 + t * dx - x, ey = y0 + t * dy - y;
    return ex * ex + ey * ey <= hw * hw;
  };
}

Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    double d1 = (x - x1) * (y0 - y1) - (x0 - x1) * (y - y1);
    double d2 = (x - x2) * (y1 - y2) - (x1 - x2) * (y - y2);
    double d3 = (x - x0) * (y2 - y0) - (x2 - x0) * (y - y0);
    bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
  };
}

Shape Union(std::vector<Shape> parts) {
  return [=](double x, double y) {
    for (const Shape& s : parts)
      if (s(x, y)) return true;
    return false;
  };
}

Paint Solid(Rgb c) {
  return [=](double, double) { return c; };
}

Paint VGrad(double top, double bottom, Rgb c0, Rgb c1) {
  return [=](double, double y) {
    double t = bottom > top ? std::clamp((y - 0.5 - top) / (bottom - top), 0.0, 1.0) : 0.0;
    return Mix(c0, c1, t);
  };
}

Canvas::Canvas(int w, int h, Rgb fill) : w_(w), h_(h), px_(size_t(w) * h, fill) {}

double Canvas::Coverage(int x, int y, const Shape& shape) const {
  int hits = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      if (shape(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0)) ++hits;
  return hits / 16.0;
}

void Canvas::Draw(Box clip, const Shape& shape, const Paint& paint, double alpha) {
  int l = std::max(clip.l, 0), t = std::max(clip.t, 0);
  int r = std::min(clip.r, w_), b = std::min(clip.b, h_);
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) {
      double c = Coverage(x, y, shape) * alpha;
      if (c > 0) Set(x, y, Mix(Get(x, y), paint(x + 0.5, y + 0.5), c));
    }
}

void Canvas::Fill(Box bx, const Paint& paint) {
  for (int y = std::max(bx.t, 0); y < std::min(bx.b, h_); ++y)
    for (int x = std::max(bx.l, 0); x < std::min(bx.r, w_); ++x) Set(x, y, paint(x + 0.5, y + 0.5));
}

void Canvas::Blit(const Canvas& src, Box from, int x, int y) {
  for (int j = 0; j < from.h(); ++j)
    for (int i = 0; i < from.w(); ++i) Set(x + i, y + j, src.Get(from.l + i, from.t + j));
}

uint8_t Canvas::R(int x, int y) const { return uint8_t(Channel(Get(x, y).r)); }
uint8_t Canvas::G(int x, int y) const { return uint8_t(Channel(Get(x, y).g)); }
uint8_t Canvas::B(int x, int y) const { return uint8_t(Channel(Get(x, y).b)); }

void Canvas::Claim(Box bx, const char* what) {
  if (bx.l < 0 || bx.t < 0 || bx.r > w_ || bx.b > h_ || bx.w() <= 0 || bx.h() <= 0) {
    std::fprintf(stderr, "skinart: %s (%d,%d,%d,%d) lies outside its %dx%d picture\n", what, bx.l, bx.t, bx.r,
                 bx.b, w_, h_);
    std::exit(2);
  }
  for (const Claimed& c : claims_)
    if (bx.l < c.box.r && c.box.l < bx.r && bx.t < c.box.b && c.box.t < bx.b) {
      std::fprintf(stderr, "skinart: %s (%d,%d,%d,%d) overlaps %s (%d,%d,%d,%d)\n", what, bx.l, bx.t, bx.r, bx.b,
                   c.what, c.box.l, c.box.t, c.box.r, c.box.b);
      std::exit(2);
    }
  claims_.push_back({bx, what});
}

}  // namespace skinart
