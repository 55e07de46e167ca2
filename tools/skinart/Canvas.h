// A small floating-point RGB canvas for drawing the skin's pictures from code.
//
// Shapes are composited with 4 x 4 supersampled coverage, so rounded corners,
// circles and glyph strokes come out anti-aliased against whatever is already
// on the canvas. Everything is deterministic: the same program writes the same
// pixels on every machine.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace skinart {

struct Rgb {
  double r = 0, g = 0, b = 0;
};
constexpr Rgb rgb(int r, int g, int b) { return Rgb{double(r), double(g), double(b)}; }
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
// The skin definition's $BBGGRR integer for a colour.
int32_t ColorRef(Rgb c);

struct Box {
  int l = 0, t = 0, r = 0, b = 0;
  int w() const { return r - l; }
  int h() const { return b - t; }
};
inline Box At(int x, int y, int w, int h) { return Box{x, y, x + w, y + h}; }
inline Box Inset(Box b, int d) { return Box{b.l + d, b.t + d, b.r - d, b.b - d}; }

// A shape answers whether a point (in pixel coordinates, pixel centres at .5) is inside.
using Shape = std::function<bool(double x, double y)>;
// A paint gives the colour at a point.
using Paint = std::function<Rgb(double x, double y)>;

Shape RoundRect(double l, double t, double r, double b, double radius);
inline Shape RoundRect(Box bx, double radius) { return RoundRect(bx.l, bx.t, bx.r, bx.b, radius); }
// Rounded only at the top (tabs): the bottom corners are square.
Shape TopRoundRect(Box bx, double radius);
Shape Ring(Shape outer, Shape inner);
Shape Circle(double cx, double cy, double radius);
Shape Segment(double x0, double y0, double x1, double y1, double halfWidth);
Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2);
Shape Union(std::vector<Shape> parts);

Paint Solid(Rgb c);
// Vertical gradient from c0 at row `top` to c1 at row `bottom` (pixel rows, inclusive ends).
Paint VGrad(double top, double bottom, Rgb c0, Rgb c1);

class Canvas {
 public:
  Canvas(int w, int h, Rgb fill = {});
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgb Get(int x, int y) const { return px_[size_t(y) * w_ + x]; }
  void Set(int x, int y, Rgb c) { px_[size_t(y) * w_ + x] = c; }
  // Blends the paint over the pixels in `clip` by the shape's coverage times alpha.
  void Draw(Box clip, const Shape& shape, const Paint& paint, double alpha = 1.0);
  void Fill(Box bx, const Paint& paint);
  // Coverage (0..1) of a shape at each pixel, without drawing.
  double Coverage(int x, int y, const Shape& shape) const;
  // Copies a block of another canvas.
  void Blit(const Canvas& src, Box from, int x, int y);
  // 8-bit channels, rounded and clamped.
  uint8_t R(int x, int y) const;
  uint8_t G(int x, int y) const;
  uint8_t B(int x, int y) const;
  // Marks a block as used; overlapping claims abort the generator, so two
  // records can never end up drawing over each other's images by accident.
  void Claim(Box bx, const char* what);

 private:
  int w_, h_;
  std::vector<Rgb> px_;
  struct Claimed {
    Box box;
    const char* what;
  };
  std::vector<Claimed> claims_;
};

}  // namespace skinart
