// The window frame: the main picture, its mask and the caption buttons.
//
// The frame is painted from strips whose tiles restart at each strip's edge,
// so every band between the corner pieces is uniform along its length: the
// caption band changes only from row to row, the side borders only from column
// to column. Rounded corners live inside the corner pieces alone.
#include <algorithm>
#include <cmath>

#include "Pictures.h"
#include "Widgets.h"

namespace skinart {
namespace frame {

Rgb Base(int x, int y) {
  if (y < client.t) {
    if (y == 1 || x == 1) return Mix(pal::captionTop, pal::white, 0.7);
    if (y == client.t - 1) return pal::borderDeep;
    return VGrad(2, client.t - 2, pal::captionTop, pal::captionBottom)(x + 0.5, y + 0.5);
  }
  if (y >= client.b) return y == client.b ? pal::borderMid : pal::borderDeep;
  if (x < client.l) return x == 1 ? pal::borderLight : pal::borderMid;
  if (x >= client.r) return x == client.r ? pal::borderMid : pal::borderDeep;
  return pal::client;
}

}  // namespace frame

namespace {

// Top corners rounder than the bottom ones, as a window sitting on the desk.
Shape WindowShape(double inset) {
  return [inset](double x, double y) {
    double l = inset, t = inset, r = frame::W - inset, b = frame::H - inset;
    if (x < l || x > r || y < t || y > b) return false;
    double radius = (y < frame::H / 2 ? 6.0 : 3.0) - inset;
    double qx = std::max({l + radius - x, x - (r - radius), 0.0});
    double qy = std::max({t + radius - y, y - (b - radius), 0.0});
    return qx * qx + qy * qy <= radius * radius;
  };
}

enum Column { kClose, kMax, kMaxRestore, kMin, kMinRestore, kSysMenu, kColumns };
const int kColumnX[kColumns] = {0, 17, 34, 70, 87, 104};
const char* kColumnName[kColumns] = {"close", "max", "maxrestore", "min", "minrestore", "sysmenu"};
const char* kRowName[4] = {"normal", "hot", "down", "inactive"};

Shape Glyph(Column col, double ox, double oy) {
  auto rr = [&](double l, double t, double r, double b, double rad) { return RoundRect(ox + l, oy + t, ox + r, oy + b, rad); };
  switch (col) {
    case kClose:
      return Union({Segment(ox + 5.5, oy + 4.5, ox + 11.5, oy + 10.5, 0.85),
                    Segment(ox + 11.5, oy + 4.5, ox + 5.5, oy + 10.5, 0.85)});
    case kMax:
      return Ring(rr(4.5, 3.5, 12.5, 11.5, 1.0), rr(5.6, 5.6, 11.4, 10.4, 0.0));
    case kMaxRestore:
    case kMinRestore: {
      Shape front = Ring(rr(4.5, 6.0, 10.5, 12.0, 0.8), rr(5.5, 7.4, 9.5, 11.0, 0.0));
      Shape backRing = Ring(rr(7.0, 3.0, 13.0, 9.0, 0.8), rr(8.0, 4.4, 12.0, 8.0, 0.0));
      Shape frontArea = rr(4.5, 6.0, 10.5, 12.0, 0.8);
      Shape back = [=](double x, double y) { return backRing(x, y) && !frontArea(x, y); };
      return Union({front, back});
    }
    case kMin:
      return rr(5.0, 9.4, 12.0, 11.2, 0.6);
    case kSysMenu: {
      // A film reel: the program is about movies.
      double cx = ox + 8.5, cy = oy + 7.5;
      Shape reel = Circle(cx, cy, 4.8);
      Shape holes = Union({Circle(cx - 2.3, cy, 1.05), Circle(cx + 2.3, cy, 1.05), Circle(cx, cy - 2.3, 1.05),
                           Circle(cx, cy + 2.3, 1.05), Circle(cx, cy, 0.55)});
      return [=](double x, double y) { return reel(x, y) && !holes(x, y); };
    }
    default: return [](double, double) { return false; };
  }
}

Paint CaptionRows(int top) {
  return [top](double, double y) { return frame::Base(100, int(y) + top); };
}

}  // namespace

void DrawFrame(Canvas& main, Canvas& mask) {
  Shape outer = WindowShape(0), inner = WindowShape(1);
  for (int y = 0; y < frame::H; ++y)
    for (int x = 0; x < frame::W; ++x) {
      double in = main.Coverage(x, y, inner);
      main.Set(x, y, Mix(pal::frameOuter, frame::Base(x, y), in));
      // Region masks are two-level: a pixel belongs to the window when the
      // outline covers at least half of it.
      mask.Set(x, y, main.Coverage(x, y, outer) >= 0.5 ? Rgb{} : pal::white);
    }
}

Sheet DrawCaptionButtons() {
  Sheet s(121, 60, pal::client);
  Canvas& c = s.canvas;
  for (int col = 0; col < kColumns; ++col)
    for (int row = 0; row < 4; ++row) {
      Box b = s.Place(std::string(kColumnName[col]) + "." + kRowName[row],
                      At(kColumnX[col], row * frame::buttonH, frame::buttonW, frame::buttonH));
      c.Fill(b, CaptionRows(frame::buttonTop - b.t));
      State st = row == 0 ? State::Normal : row == 1 ? State::Hot : row == 2 ? State::Down : State::Disabled;
      bool close = col == kClose;
      Shape body = RoundRect(b.l + 0.5, b.t + 0.5, b.r - 0.5, b.b - 0.5, 3);
      Shape bodyIn = RoundRect(b.l + 1.5, b.t + 1.5, b.r - 1.5, b.b - 1.5, 2);
      Rgb glyph = pal::textMuted;
      if (st == State::Hot || st == State::Down) {
        Rgb edge = close ? pal::closeRedDeep : st == State::Hot ? pal::lineHot : pal::lineDown;
        Rgb top = close ? (st == State::Hot ? rgb(236, 108, 96) : rgb(178, 48, 42))
                        : (st == State::Hot ? pal::hotTop : pal::downTop);
        Rgb bottom = close ? (st == State::Hot ? rgb(204, 60, 52) : rgb(206, 74, 64))
                           : (st == State::Hot ? pal::hotBottom : pal::downBottom);
        c.Draw(b, body, Solid(edge));
        c.Draw(b, bodyIn, VGrad(b.t + 1, b.b - 2, top, bottom));
        glyph = close ? pal::white : pal::text;
      }
      if (st == State::Disabled) glyph = pal::disabledGlyph;
      if (col == kSysMenu && st != State::Disabled) glyph = st == State::Normal ? pal::accent : pal::textHot;
      double shift = st == State::Down ? 1 : 0;
      c.Draw(b, Glyph(Column(col), b.l + shift, b.t + shift), Solid(glyph));
    }
  // Dividers between the caption's quick buttons and its text: an etched line.
  for (int i = 0; i < 2; ++i) {
    Box d = s.Place(i == 0 ? "divider.inactive" : "divider", At(i == 0 ? 56 : 66, 42, 3, 13));
    c.Fill(d, CaptionRows(frame::buttonTop + 1 - d.t));
    double strength = i == 0 ? 0.45 : 0.85;
    for (int y = d.t; y < d.b; ++y) {
      double fade = std::sin(3.14159 * (y - d.t + 0.5) / d.h()) * strength;
      c.Set(d.l, y, Mix(c.Get(d.l, y), pal::white, fade));
      c.Set(d.l + 1, y, Mix(c.Get(d.l + 1, y), pal::line, fade));
      c.Set(d.l + 2, y, Mix(c.Get(d.l + 2, y), pal::white, fade));
    }
  }
  return s;
}

Sheet DrawCaptionButtonAlpha(bool round, double opacity) {
  Sheet s(121, 60, Rgb{});
  Canvas& c = s.canvas;
  Rgb on = Mix(Rgb{}, pal::white, opacity);
  for (int col = 0; col < kColumns; ++col)
    for (int row = 0; row < 4; ++row) {
      Box b = At(kColumnX[col], row * frame::buttonH, frame::buttonW, frame::buttonH);
      Shape shape = round ? Circle(b.l + 8.5, b.t + 7.5, 7.2) : RoundRect(b.l + 0.5, b.t + 0.5, b.r - 0.5, b.b - 0.5, 3);
      c.Draw(b, shape, Solid(on));
    }
  c.Fill(At(56, 42, 3, 13), Solid(on));
  c.Fill(At(66, 42, 3, 13), Solid(on));
  return s;
}

}  // namespace skinart
