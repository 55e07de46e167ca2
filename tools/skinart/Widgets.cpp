#include "Widgets.h"

#include <cmath>

namespace skinart {

void DrawFace(Canvas& c, Box b, State s, double radius, Rgb behind) {
  c.Fill(b, Solid(behind));
  Rgb edge = pal::line, top = pal::faceTop, bottom = pal::faceBottom;
  switch (s) {
    case State::Normal: break;
    case State::Hot: edge = pal::lineHot; top = pal::hotTop; bottom = pal::hotBottom; break;
    case State::Down: edge = pal::lineDown; top = pal::downTop; bottom = pal::downBottom; break;
    case State::Disabled: edge = pal::disabledLine; top = pal::disabledFace; bottom = pal::disabledFace; break;
  }
  c.Draw(b, RoundRect(b, radius), Solid(edge));
  c.Draw(b, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, radius - 1), VGrad(b.t + 1, b.b - 2, top, bottom));
  if (s == State::Normal || s == State::Hot) {
    // The light falls from above: a soft highlight along the top inside edge.
    c.Draw(Box{b.l + 2, b.t + 1, b.r - 2, b.t + 2}, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, radius - 1),
           Solid(pal::white), 0.8);
  }
  if (s == State::Down) {
    // Pressed: the shadow falls inside along the top.
    c.Draw(Box{b.l + 1, b.t + 1, b.r - 1, b.t + 2}, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, radius - 1),
           Solid(pal::lineDown), 0.35);
  }
}

void DrawToolFace(Canvas& c, Box b, State s, double radius, Rgb behind) {
  if (s == State::Normal || s == State::Disabled) {
    c.Fill(b, Solid(behind));
    return;
  }
  DrawFace(c, b, s, radius, behind);
}

void DrawField(Canvas& c, Box b, Rgb behind, bool hot, bool disabled) {
  c.Fill(b, Solid(behind));
  Rgb edge = disabled ? pal::disabledLine : hot ? pal::lineHot : pal::line;
  c.Draw(b, RoundRect(b, 2), Solid(edge));
  c.Fill(Box{b.l + 1, b.t + 1, b.r - 1, b.b - 1}, Solid(disabled ? pal::disabledFace : pal::field));
  // A faint inner shadow under the top edge gives the field its depth.
  c.Fill(Box{b.l + 1, b.t + 1, b.r - 1, b.t + 2}, Solid(Mix(pal::field, pal::line, 0.22)));
  c.Draw(b, Ring(RoundRect(b, 2), RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 1)), Solid(edge));
}

void DrawBar(Canvas& c, Box b, bool vertical) {
  if (vertical) {
    for (int x = b.l; x < b.r; ++x) {
      double t = b.w() > 1 ? double(x - b.l) / (b.w() - 1) : 0;
      c.Fill(Box{x, b.t, x + 1, b.b}, Solid(Mix(pal::faceTop, pal::faceBottom, t)));
    }
    c.Fill(Box{b.r - 1, b.t, b.r, b.b}, Solid(pal::lineSoft));
  } else {
    c.Fill(b, VGrad(b.t, b.b - 1, pal::faceTop, pal::faceBottom));
    c.Fill(Box{b.l, b.b - 1, b.r, b.b}, Solid(pal::lineSoft));
  }
}

void DrawArrow(Canvas& c, Box b, Dir d, Rgb colour, double s) {
  double cx = (b.l + b.r) / 2.0, cy = (b.t + b.b) / 2.0;
  Shape tri;
  switch (d) {
    case Dir::Left: tri = Triangle(cx - s * 0.6, cy, cx + s * 0.6, cy - s, cx + s * 0.6, cy + s); break;
    case Dir::Right: tri = Triangle(cx + s * 0.6, cy, cx - s * 0.6, cy - s, cx - s * 0.6, cy + s); break;
    case Dir::Up: tri = Triangle(cx, cy - s * 0.6, cx - s, cy + s * 0.6, cx + s, cy + s * 0.6); break;
    case Dir::Down: tri = Triangle(cx, cy + s * 0.6, cx - s, cy - s * 0.6, cx + s, cy - s * 0.6); break;
  }
  c.Draw(b, tri, Solid(colour));
}

void DrawArrowButton(Canvas& c, Box b, Dir d, State s, Rgb behind) {
  DrawFace(c, b, s, 2.5, behind);
  Box g = b;
  if (s == State::Down) g = Box{b.l + 1, b.t + 1, b.r + 1, b.b + 1};
  Rgb colour = s == State::Disabled ? pal::disabledGlyph : s == State::Hot ? pal::textHot : pal::text;
  DrawArrow(c, g, d, colour, std::min(b.w(), b.h()) * 0.22);
}

void DrawCheckMark(Canvas& c, Box b, Rgb colour) {
  double w = b.w(), h = b.h();
  double x0 = b.l + w * 0.22, y0 = b.t + h * 0.52;
  double x1 = b.l + w * 0.42, y1 = b.t + h * 0.72;
  double x2 = b.l + w * 0.80, y2 = b.t + h * 0.26;
  double hw = std::max(0.9, w * 0.085);
  c.Draw(b, Union({Segment(x0, y0, x1, y1, hw), Segment(x1, y1, x2, y2, hw)}), Solid(colour));
}

void DrawCross(Canvas& c, Box b, Rgb colour, double hw, double inset) {
  double l = b.l + inset, t = b.t + inset, r = b.r - inset, bt = b.b - inset;
  c.Draw(b, Union({Segment(l, t, r, bt, hw), Segment(r, t, l, bt, hw)}), Solid(colour));
}

void KeyOutside(Canvas& c, Box b, const Shape& shape) {
  for (int y = b.t; y < b.b; ++y)
    for (int x = b.l; x < b.r; ++x)
      if (c.Coverage(x, y, shape) == 0) c.Set(x, y, pal::key);
  c.Set(b.l, b.b - 1, pal::key);
}

}  // namespace skinart
