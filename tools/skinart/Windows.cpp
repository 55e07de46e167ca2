// Popup menus, menu items, hints, the layered border and the menu bar.
#include <algorithm>
#include <cmath>

#include "Pictures.h"
#include "Widgets.h"

namespace skinart {
namespace {

constexpr Rgb kMenuFace = rgb(252, 253, 255);
constexpr Rgb kGutter = rgb(235, 241, 248);
constexpr Rgb kGutterLine = rgb(219, 227, 237);

// Two-level mask of a rounded window: black inside, white outside.
Sheet RoundMask(int w, int h, double radius) {
  Sheet s(w, h, pal::white);
  Shape shape = RoundRect(0, 0, w, h, radius);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (s.canvas.Coverage(x, y, shape) >= 0.5) s.canvas.Set(x, y, Rgb{});
  return s;
}

void WindowBody(Canvas& c, Box b, double radius, const Paint& fill) {
  c.Fill(b, Solid(pal::frameOuter));
  c.Draw(b, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, radius - 1), fill);
}

}  // namespace

Sheet DrawHint() {
  Sheet s(44, 44, pal::white);
  Box b = s.Place("hint", At(0, 0, 44, 44));
  WindowBody(s.canvas, b, 3, VGrad(1, 42, pal::white, rgb(230, 239, 249)));
  return s;
}

Sheet DrawHintMask() { return RoundMask(44, 44, 3); }

Sheet DrawPopup() {
  Sheet s(93, 55, kMenuFace);
  Box b = s.Place("popup", At(0, 0, 93, 55));
  WindowBody(s.canvas, b, 4, Solid(kMenuFace));
  return s;
}

Sheet DrawPopupMask() { return RoundMask(93, 55, 4); }

Sheet DrawMenuItems() {
  Sheet s(64, 56, kMenuFace);
  Canvas& c = s.canvas;
  auto item = [&](Box b) {
    c.Fill(b, Solid(kMenuFace));
    c.Fill(Box{b.l, b.t, b.l + 24, b.b}, Solid(kGutter));
    c.Fill(Box{b.l + 24, b.t, b.l + 25, b.b}, Solid(kGutterLine));
  };
  Box normal = s.Place("item", At(0, 0, 40, 22));
  item(normal);
  Box active = s.Place("item.active", At(0, 22, 40, 22));
  item(active);
  c.Draw(active, RoundRect(active.l + 1, active.t + 1, active.r - 1, active.b - 1, 3), Solid(rgb(132, 172, 222)));
  c.Draw(active, RoundRect(active.l + 2, active.t + 2, active.r - 2, active.b - 2, 2),
         VGrad(active.t + 2, active.b - 3, rgb(232, 242, 254), rgb(204, 224, 249)));
  Box divider = s.Place("divider", At(0, 44, 40, 7));
  item(divider);
  c.Fill(Box{28, divider.t + 3, 40, divider.t + 4}, Solid(rgb(212, 221, 232)));
  c.Fill(Box{28, divider.t + 4, 40, divider.t + 5}, Solid(pal::white));
  // Glyphs drawn transparently (bottom-left pixel is the key colour).
  auto glyph = [&](const char* name, Box at, Rgb mat, Rgb ink, int kind) {
    Box g = s.Place(name, at);
    c.Fill(g, Solid(mat));
    Shape shape;
    if (kind == 0) {
      DrawCheckMark(c, g, ink);
      shape = Union({Segment(g.l + 9 * 0.22, g.t + 9 * 0.52, g.l + 9 * 0.42, g.t + 9 * 0.72, 1.3),
                     Segment(g.l + 9 * 0.42, g.t + 9 * 0.72, g.l + 9 * 0.8, g.t + 9 * 0.26, 1.3)});
    } else if (kind == 1) {
      shape = Circle(g.l + 4.5, g.t + 4.5, 3.0);
      c.Draw(g, shape, Solid(ink));
    } else {
      shape = Triangle(g.l + 1, g.t + 0.5, g.l + 1, g.b - 0.5, g.r - 0.5, g.t + g.h() / 2.0);
      c.Draw(g, shape, Solid(ink));
    }
    KeyOutside(c, g, shape);
  };
  glyph("check", At(44, 0, 9, 9), kMenuFace, pal::text, 0);
  glyph("check.active", At(54, 0, 9, 9), rgb(218, 233, 252), pal::textHot, 0);
  glyph("radio", At(44, 11, 9, 9), kMenuFace, pal::text, 1);
  glyph("radio.active", At(54, 11, 9, 9), rgb(218, 233, 252), pal::textHot, 1);
  glyph("arrow", At(44, 22, 5, 9), kMenuFace, pal::textMuted, 2);
  glyph("arrow.active", At(54, 22, 5, 9), rgb(218, 233, 252), pal::textHot, 2);
  return s;
}

// The layered border: the form's outline with a soft shadow around it.
namespace layer {
constexpr int W = 173, H = 133;
constexpr Box border{15, 14, 159, 118};
constexpr Box client{18, 46, 155, 115};
double ShadowAlpha(double x, double y) {
  double dx = std::max({border.l - x, x - border.r, 0.0});
  double dy = std::max({border.t + 2 - y, y - border.b, 0.0});  // light from above: less shadow on top
  double d = std::sqrt(dx * dx + dy * dy);
  return 0.38 * std::exp(-d * d / 40.0);
}
}  // namespace layer

Sheet DrawLayerFrame() {
  Sheet s(layer::W, layer::H, rgb(22, 32, 48));
  Canvas& c = s.canvas;
  s.Place("layer", At(0, 0, layer::W, layer::H));
  Box b = layer::border;
  c.Draw(b, RoundRect(b, 6), Solid(pal::frameOuter));
  c.Draw(b, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 5), Solid(pal::borderMid));
  c.Fill(Box{b.l + 2, b.t + 2, b.r - 2, layer::client.t},
         VGrad(b.t + 2, layer::client.t - 1, pal::captionTop, pal::captionBottom));
  c.Fill(layer::client, Solid(pal::client));
  return s;
}

Sheet DrawLayerAlpha() {
  Sheet s(layer::W, layer::H, Rgb{});
  Canvas& c = s.canvas;
  Shape body = RoundRect(layer::border, 6);
  for (int y = 0; y < layer::H; ++y)
    for (int x = 0; x < layer::W; ++x) {
      double a = std::max(layer::ShadowAlpha(x + 0.5, y + 0.5), c.Coverage(x, y, body));
      c.Set(x, y, Mix(Rgb{}, pal::white, a));
    }
  return s;
}

Sheet DrawLayerBlurMask() {
  // Black marks what the compositor blurs: the border band, not the form.
  Sheet s(layer::W, layer::H, pal::white);
  Box in{15, 15, 158, 118};
  for (int y = in.t; y < in.b; ++y)
    for (int x = in.l; x < in.r; ++x)
      if (!(x >= layer::client.l && x < layer::client.r && y >= layer::client.t && y < layer::client.b))
        s.canvas.Set(x, y, Rgb{});
  return s;
}

Sheet DrawMenuBar() {
  Sheet s(128, 96, pal::client);
  Canvas& c = s.canvas;
  Box bar = s.Place("bar", At(0, 0, 60, 22));
  DrawBar(c, bar, false);
  const char* states[3] = {"item", "item.active", "item.down"};
  for (int i = 0; i < 3; ++i) {
    Box b = s.Place(states[i], At(84, i * 22, 40, 22));
    c.Fill(b, VGrad(b.t, b.b - 2, pal::faceTop, pal::faceBottom));
    c.Fill(Box{b.l, b.b - 1, b.r, b.b}, Solid(pal::lineSoft));
    if (i > 0) {
      State st = i == 1 ? State::Hot : State::Down;
      Box face{b.l, b.t + 1, b.r, b.b - 1};
      Rgb behindTop = c.Get(b.l, b.t + 1);
      DrawFace(c, face, st, 3, behindTop);
    }
  }
  // Small buttons at the right end of a menu bar: close, maximize, restore, minimize, system menu.
  const char* kinds[5] = {"close", "max", "restore", "min", "sysmenu"};
  const char* rows[3] = {"", ".active", ".down"};
  for (int k = 0; k < 5; ++k)
    for (int r = 0; r < 3; ++r) {
      Box b = s.Place(std::string("button.") + kinds[k] + rows[r], At(k * 16, 24 + r * 14, 16, 14));
      State st = r == 0 ? State::Normal : r == 1 ? State::Hot : State::Down;
      DrawToolFace(c, b, st, 2.5, pal::client);
      Rgb ink = pal::text;
      double cx = b.l + 8, cy = b.t + 7;
      switch (k) {
        case 0: DrawCross(c, b, ink, 0.8, 4.5); break;
        case 1: c.Draw(b, Ring(RoundRect(cx - 4, cy - 3.5, cx + 4, cy + 3.5, 0.6), RoundRect(cx - 3, cy - 1.8, cx + 3, cy + 2.5, 0)), Solid(ink)); break;
        case 2:
          c.Draw(b, Ring(RoundRect(cx - 4, cy - 1, cx + 1.5, cy + 4, 0.5), RoundRect(cx - 3, cy + 0.4, cx + 0.5, cy + 3, 0)), Solid(ink));
          c.Draw(b, Union({Segment(cx - 1.5, cy - 3.5, cx + 4, cy - 3.5, 0.7), Segment(cx + 4, cy - 3.5, cx + 4, cy + 1.5, 0.5)}), Solid(ink));
          break;
        case 3: c.Draw(b, RoundRect(cx - 4, cy + 2, cx + 4, cy + 3.6, 0.5), Solid(ink)); break;
        case 4: c.Draw(b, Circle(cx, cy, 3.8), Solid(pal::accent)); break;
      }
    }
  return s;
}

Sheet DrawTexture() {
  // A quiet background for scroll boxes and the application menu: a light
  // field with a faint diagonal weave that tiles in both directions.
  Sheet s(64, 64, pal::client);
  s.Place("texture", At(0, 0, 64, 64));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      double weave = 0.5 + 0.5 * std::cos(2 * 3.14159265 * (x + y) / 16.0);
      s.canvas.Set(x, y, Mix(pal::client, pal::white, 0.5 * weave));
    }
  return s;
}

}  // namespace skinart
