// Picture 9: the controls no form of the program shows (scroll bars, lists,
// combo and spin boxes, gauges, track bars, grids, splitters, menu buttons,
// the ribbon parts ...). Their records still make a complete skin, so a
// control added later is skinned without new art.
#include <cmath>
#include <string>

#include "Pictures.h"
#include "Widgets.h"

namespace skinart {
namespace {

const char* kStates[4] = {"", ".hot", ".down", ".disabled"};
State StateOf(int i) { return i == 0 ? State::Normal : i == 1 ? State::Hot : i == 2 ? State::Down : State::Disabled; }

// Three grip dots along the long side of b.
void DrawGrip(Canvas& c, Box b, bool vertical, Rgb ink) {
  for (int i = 0; i < 3; ++i) {
    double cx = vertical ? (b.l + b.r) / 2.0 : b.l + b.w() * (i + 1) / 4.0;
    double cy = vertical ? b.t + b.h() * (i + 1) / 4.0 : (b.t + b.b) / 2.0;
    c.Draw(b, Circle(cx + 0.6, cy + 0.6, 1.1), Solid(pal::white));
    c.Draw(b, Circle(cx, cy, 1.1), Solid(ink));
  }
}

// The six dots of a size grip in the bottom-right corner of b.
Shape GripDots(Box b) {
  return Union({Circle(b.l + 9.5, b.t + 3.5, 1), Circle(b.l + 6.5, b.t + 6.5, 1), Circle(b.l + 9.5, b.t + 6.5, 1),
                Circle(b.l + 3.5, b.t + 9.5, 1), Circle(b.l + 6.5, b.t + 9.5, 1), Circle(b.l + 9.5, b.t + 9.5, 1)});
}

void Trough(Canvas& c, Box b, double radius) {
  c.Draw(b, RoundRect(b, radius), Solid(pal::line));
  c.Draw(b, RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, radius - 1),
         VGrad(b.t + 1, b.b - 2, rgb(222, 229, 238), rgb(240, 244, 249)));
}

void Progress(Canvas& c, Box b, bool vertical) {
  if (vertical) {
    for (int x = b.l; x < b.r; ++x)
      c.Fill(Box{x, b.t, x + 1, b.b}, Solid(Mix(pal::accentLight, pal::accent, double(x - b.l) / (b.w() - 1))));
  } else {
    c.Fill(b, VGrad(b.t, b.b - 1, pal::accentLight, pal::accent));
    c.Fill(Box{b.l, b.t, b.r, b.t + 1}, Solid(Mix(pal::accentLight, pal::white, 0.5)));
  }
}

void Thumb(Canvas& c, Box b, State st) {
  DrawFace(c, b, st, 3, pal::client);
}

void ItemImage(Canvas& c, Box b, int kind) {  // 0 plain, 1 selected, 2 selected with focus
  c.Fill(b, Solid(pal::field));
  if (kind == 0) return;
  c.Fill(b, Solid(pal::selection));
  if (kind == 2) c.Draw(b, Ring(RoundRect(b, 2), RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 1)), Solid(pal::lineHot));
}

}  // namespace

Sheet DrawExtras() {
  Sheet s(480, 420, pal::client);
  Canvas& c = s.canvas;

  // Bars and panels.
  DrawBar(c, s.Alloc("toolpanel", 60, 32), false);
  DrawBar(c, s.Alloc("bigtoolpanel", 60, 56), false);
  Box status = s.Alloc("statusbar", 80, 22);
  DrawBar(c, status, false);
  c.Fill(Box{status.l, status.t, status.r, status.t + 1}, Solid(pal::lineSoft));
  Box grip = s.Alloc("statusbar.grip", 12, 12);
  c.Fill(grip, Solid(pal::faceBottom));
  Shape dots = GripDots(grip);
  c.Draw(grip, dots, Solid(pal::textMuted));
  KeyOutside(c, grip, dots);
  Box cell = s.Alloc("statuspanel", 40, 20);
  c.Fill(cell, Solid(pal::client));
  c.Draw(cell, Ring(RoundRect(cell, 2), RoundRect(cell.l + 1, cell.t + 1, cell.r - 1, cell.b - 1, 1)), Solid(pal::lineSoft));
  c.Fill(s.Alloc("label", 40, 18), Solid(pal::client));
  Box header = s.Alloc("menuheader", 60, 20);
  c.Fill(header, VGrad(header.t, header.b - 2, rgb(236, 243, 251), rgb(214, 228, 245)));
  c.Fill(Box{header.l, header.b - 1, header.r, header.b}, Solid(pal::lineSoft));
  Box appHeader = s.Alloc("appmenuheader", 60, 24);
  c.Fill(appHeader, VGrad(appHeader.t, appHeader.b - 1, rgb(222, 233, 246), rgb(196, 214, 236)));
  Box group = s.Alloc("groupbox", 80, 50);
  c.Fill(group, Solid(pal::client));
  c.Draw(group, Ring(RoundRect(group.l, group.t + 8, group.r, group.b, 3),
                     RoundRect(group.l + 1, group.t + 9, group.r - 1, group.b - 1, 2)), Solid(pal::line));
  Box page = s.Alloc("menupage", 40, 40);
  c.Fill(page, Solid(pal::field));
  c.Fill(Box{page.l, page.t, page.l + 1, page.b}, Solid(pal::lineSoft));

  // Fields.
  DrawField(c, s.Alloc("memo", 60, 40), pal::client);
  DrawField(c, s.Alloc("memo.hot", 60, 40), pal::client, true);
  DrawField(c, s.Alloc("listbox", 60, 60), pal::client);
  Box capList = s.Alloc("listbox.caption", 60, 78);
  DrawField(c, capList, pal::client);
  c.Fill(Box{capList.l + 1, capList.t + 1, capList.r - 1, capList.t + 19},
         VGrad(capList.t + 1, capList.t + 18, rgb(244, 248, 252), rgb(218, 229, 242)));
  c.Fill(Box{capList.l + 1, capList.t + 19, capList.r - 1, capList.t + 20}, Solid(pal::lineSoft));
  DrawField(c, s.Alloc("scrollbox", 40, 40), pal::client);
  for (int i = 0; i < 3; ++i) ItemImage(c, s.Alloc(std::string("item") + (i == 0 ? "" : i == 1 ? ".active" : ".focus"), 40, 18), i);

  // Combo box, button edit, spin edit: a field with a button at its right end.
  for (int hot = 0; hot < 2; ++hot) {
    Box b = s.Alloc(hot ? "combo.hot" : "combo", 80, 21);
    DrawField(c, b, pal::client, hot);
    Box button{b.l + 62, b.t + 2, b.l + 78, b.t + 19};
    DrawArrowButton(c, button, Dir::Down, hot ? State::Hot : State::Normal, pal::field);
  }
  for (int i = 1; i < 4; ++i) DrawArrowButton(c, s.Alloc(std::string("combo.button") + kStates[i], 16, 17), Dir::Down, StateOf(i), pal::field);
  auto ellipsis = [&](Box b, State st) {
    DrawFace(c, b, st, 2.5, pal::field);
    Rgb ink = st == State::Disabled ? pal::disabledGlyph : pal::text;
    for (int i = -1; i <= 1; ++i) c.Draw(b, Circle((b.l + b.r) / 2.0 + i * 3.5, b.t + b.h() * 0.62, 1.0), Solid(ink));
  };
  for (int hot = 0; hot < 2; ++hot) {
    Box b = s.Alloc(hot ? "buttonedit.hot" : "buttonedit", 80, 21);
    DrawField(c, b, pal::client, hot);
    ellipsis(Box{b.l + 62, b.t + 2, b.l + 78, b.t + 19}, hot ? State::Hot : State::Normal);
  }
  for (int i = 1; i < 4; ++i) ellipsis(s.Alloc(std::string("buttonedit.button") + kStates[i], 16, 17), StateOf(i));
  for (int hot = 0; hot < 2; ++hot) {
    Box b = s.Alloc(hot ? "spin.hot" : "spin", 60, 21);
    DrawField(c, b, pal::client, hot);
    DrawArrowButton(c, Box{b.l + 44, b.t + 2, b.l + 58, b.t + 10}, Dir::Up, hot ? State::Hot : State::Normal, pal::field);
    DrawArrowButton(c, Box{b.l + 44, b.t + 10, b.l + 58, b.t + 19}, Dir::Down, hot ? State::Hot : State::Normal, pal::field);
  }
  for (int i = 1; i < 3; ++i) {
    DrawArrowButton(c, s.Alloc(std::string("spin.up") + kStates[i], 14, 8), Dir::Up, StateOf(i), pal::field);
    DrawArrowButton(c, s.Alloc(std::string("spin.down") + kStates[i], 14, 9), Dir::Down, StateOf(i), pal::field);
  }

  // Check list box marks.
  for (int checked = 0; checked < 2; ++checked) {
    Box b = s.Alloc(checked ? "clb.check" : "clb.uncheck", 13, 13);
    c.Fill(b, Solid(pal::field));
    c.Draw(b, Ring(RoundRect(b, 2), RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 1)), Solid(rgb(124, 146, 174)));
    if (checked) DrawCheckMark(c, Inset(b, 1), pal::text);
  }

  // Scroll bars: the bar with its arrow buttons, state images, thumbs and grips.
  {
    Box h = s.Alloc("hscroll", 100, 17);
    Trough(c, h, 2);
    DrawArrowButton(c, At(h.l, h.t, 17, 17), Dir::Left, State::Normal, pal::client);
    DrawArrowButton(c, At(h.r - 17, h.t, 17, 17), Dir::Right, State::Normal, pal::client);
    Box v = s.Alloc("vscroll", 17, 100);
    Trough(c, v, 2);
    DrawArrowButton(c, At(v.l, v.t, 17, 17), Dir::Up, State::Normal, pal::client);
    DrawArrowButton(c, At(v.l, v.b - 17, 17, 17), Dir::Down, State::Normal, pal::client);
    for (int i = 1; i < 3; ++i) {
      DrawArrowButton(c, s.Alloc(std::string("hscroll.left") + kStates[i], 17, 17), Dir::Left, StateOf(i), pal::client);
      DrawArrowButton(c, s.Alloc(std::string("hscroll.right") + kStates[i], 17, 17), Dir::Right, StateOf(i), pal::client);
      DrawArrowButton(c, s.Alloc(std::string("vscroll.up") + kStates[i], 17, 17), Dir::Up, StateOf(i), pal::client);
      DrawArrowButton(c, s.Alloc(std::string("vscroll.down") + kStates[i], 17, 17), Dir::Down, StateOf(i), pal::client);
    }
    for (int i = 0; i < 3; ++i) {
      Thumb(c, s.Alloc(std::string("hscroll.thumb") + kStates[i], 30, 17), StateOf(i));
      Thumb(c, s.Alloc(std::string("vscroll.thumb") + kStates[i], 17, 30), StateOf(i));
      Rgb ink = i == 0 ? pal::textMuted : pal::textHot;
      Box gh = s.Alloc(std::string("hscroll.grip") + kStates[i], 9, 7);
      c.Fill(gh, Solid(pal::key));
      for (int k = 0; k < 3; ++k) c.Fill(Box{gh.l + 1 + 3 * k, gh.t, gh.l + 2 + 3 * k, gh.b - 1}, Solid(ink));
      Box gv = s.Alloc(std::string("vscroll.grip") + kStates[i], 7, 9);
      c.Fill(gv, Solid(pal::key));
      for (int k = 0; k < 3; ++k) c.Fill(Box{gv.l + 1, gv.t + 1 + 3 * k, gv.r, gv.t + 2 + 3 * k}, Solid(ink));
    }
  }

  // Gauges, track bars and sliders.
  Box gauge = s.Alloc("gauge", 100, 18);
  c.Fill(gauge, Solid(pal::client));
  Trough(c, gauge, 3);
  Progress(c, s.Alloc("gauge.progress", 24, 14), false);
  Box vgauge = s.Alloc("vgauge", 18, 100);
  c.Fill(vgauge, Solid(pal::client));
  Trough(c, vgauge, 3);
  Progress(c, s.Alloc("vgauge.progress", 14, 24), true);
  Box htrack = s.Alloc("htrackbar", 100, 24);
  c.Fill(htrack, Solid(pal::client));
  Trough(c, Box{htrack.l + 4, htrack.t + 10, htrack.r - 4, htrack.t + 15}, 2);
  Box vtrack = s.Alloc("trackbar", 24, 100);
  c.Fill(vtrack, Solid(pal::client));
  Trough(c, Box{vtrack.l + 10, vtrack.t + 4, vtrack.l + 15, vtrack.b - 4}, 2);
  for (int i = 0; i < 2; ++i) {
    Thumb(c, s.Alloc(std::string("htrackbar.thumb") + kStates[i], 11, 19), StateOf(i));
    Thumb(c, s.Alloc(std::string("trackbar.thumb") + kStates[i], 19, 11), StateOf(i));
  }
  Trough(c, s.Alloc("slider.hruler", 100, 6), 2);
  Trough(c, s.Alloc("slider.vruler", 6, 100), 2);
  Thumb(c, s.Alloc("slider.hthumb", 11, 17), State::Normal);
  Thumb(c, s.Alloc("slider.vthumb", 17, 11), State::Normal);

  // Grid cells.
  Box fixed = s.Alloc("grid.fixed", 40, 20);
  c.Fill(fixed, VGrad(fixed.t, fixed.b - 2, pal::faceTop, pal::faceBottom));
  c.Fill(Box{fixed.l, fixed.b - 1, fixed.r, fixed.b}, Solid(pal::line));
  c.Fill(Box{fixed.r - 1, fixed.t, fixed.r, fixed.b}, Solid(pal::lineSoft));
  ItemImage(c, s.Alloc("grid.select", 40, 20), 1);
  ItemImage(c, s.Alloc("grid.focus", 40, 20), 2);

  // Splitters and the control bar.
  Box vs = s.Alloc("vsplitter", 6, 40);
  DrawBar(c, vs, true);
  Box hs = s.Alloc("hsplitter", 40, 6);
  DrawBar(c, hs, false);
  Box vsg = s.Alloc("vsplitter.grip", 4, 14);
  c.Fill(vsg, Solid(pal::key));
  DrawGrip(c, vsg, true, pal::textMuted);
  Box hsg = s.Alloc("hsplitter.grip", 14, 4);
  c.Fill(hsg, Solid(pal::key));
  DrawGrip(c, hsg, false, pal::textMuted);
  DrawBar(c, s.Alloc("controlbar", 60, 30), false);
  DrawFace(c, s.Alloc("controlbar.item", 40, 26), State::Normal, 3, pal::faceBottom);
  Box hg = s.Alloc("controlbar.hgrip", 5, 20);
  c.Fill(hg, Solid(pal::key));
  DrawGrip(c, hg, true, pal::textMuted);
  Box vg = s.Alloc("controlbar.vgrip", 20, 5);
  c.Fill(vg, Solid(pal::key));
  DrawGrip(c, vg, false, pal::textMuted);

  // Buttons: big tool buttons, menu buttons with a drop-down part, small ones.
  for (int i = 0; i < 4; ++i) {
    DrawFace(c, s.Alloc(std::string("bigtool") + kStates[i], 44, 52), StateOf(i), 4, pal::client);
    DrawFace(c, s.Alloc(std::string("toolmenu") + kStates[i], 33, 26), StateOf(i), 3, pal::client);
    Box track = s.Alloc(std::string("tooltrack") + kStates[i], 37, 26);
    DrawFace(c, track, StateOf(i), 3, pal::client);
    c.Fill(Box{track.l + 25, track.t + 3, track.l + 26, track.b - 3}, Solid(pal::lineSoft));
    Box bigTrack = s.Alloc(std::string("bigtrack") + kStates[i], 44, 64);
    DrawFace(c, bigTrack, StateOf(i), 4, pal::client);
    c.Fill(Box{bigTrack.l + 3, bigTrack.t + 52, bigTrack.r - 3, bigTrack.t + 53}, Solid(pal::lineSoft));
    Box combo = s.Alloc(std::string("combobutton") + kStates[i], 16, 21);
    DrawArrowButton(c, combo, Dir::Down, StateOf(i), pal::client);
  }
  for (int i = 0; i < 4; ++i) {
    Box m = s.Alloc(std::string("marker") + (i == 0 ? ".flat" : kStates[i - 1]), 7, 4);
    c.Fill(m, Solid(pal::key));
    Shape tri = Triangle(m.l + 0.2, m.t + 0.2, m.r - 0.2, m.t + 0.2, m.l + 3.5, m.b - 0.2);
    for (int y = m.t; y < m.b; ++y)
      for (int x = m.l; x < m.r; ++x)
        if (c.Coverage(x, y, tri) >= 0.5) c.Set(x, y, i == 2 ? pal::textHot : pal::text);
  }
  for (int i = 0; i < 3; ++i) {
    Box v = s.Alloc(std::string("vtrack") + kStates[i], 12, 26);
    DrawArrowButton(c, v, Dir::Down, StateOf(i), pal::client);
    Box h = s.Alloc(std::string("htrack") + kStates[i], 25, 12);
    DrawArrowButton(c, h, Dir::Right, StateOf(i), pal::client);
    Box q = s.Alloc(std::string("quick") + kStates[i], 22, 22);
    DrawToolFace(c, q, StateOf(i), 3, pal::captionBottom);
    Box r = s.Alloc(std::string("resize") + kStates[i], 16, 16);
    DrawToolFace(c, r, StateOf(i), 2.5, pal::client);
    for (int k = 0; k < 3; ++k)
      c.Draw(r, Segment(r.r - 3.5 - 4 * k, r.b - 3.5, r.r - 3.5, r.b - 3.5 - 4 * k, 0.6), Solid(pal::textMuted));
  }

  // Expanding panel: caption bar, rolled-up images and its small buttons.
  Box ex = s.Alloc("expanel", 100, 60);
  c.Fill(ex, Solid(pal::client));
  c.Draw(ex, Ring(RoundRect(ex, 3), RoundRect(Inset(ex, 1), 2)), Solid(pal::line));
  c.Draw(Box{ex.l, ex.t, ex.r, ex.t + 20}, RoundRect(Inset(ex, 1), 2), VGrad(ex.t + 1, ex.t + 19, pal::faceTop, pal::faceBottom));
  c.Fill(Box{ex.l + 1, ex.t + 20, ex.r - 1, ex.t + 21}, Solid(pal::lineSoft));
  Box rollh = s.Alloc("expanel.rollh", 100, 22);
  DrawFace(c, rollh, State::Normal, 3, pal::client);
  Box rollv = s.Alloc("expanel.rollv", 22, 100);
  c.Fill(rollv, Solid(pal::client));
  c.Draw(rollv, RoundRect(rollv, 3), Solid(pal::line));
  for (int x = rollv.l + 1; x < rollv.r - 1; ++x)
    c.Draw(Box{x, rollv.t, x + 1, rollv.b}, RoundRect(Inset(rollv, 1), 2),
           Solid(Mix(pal::faceTop, pal::faceBottom, double(x - rollv.l) / rollv.w())));
  const char* exButtons[5] = {"close", "hroll", "hrestore", "vroll", "vrestore"};
  for (int k = 0; k < 5; ++k)
    for (int i = 0; i < 3; ++i) {
      Box b = s.Alloc(std::string("expanel.") + exButtons[k] + kStates[i], 12, 12);
      c.Fill(b, Solid(pal::faceTop));
      Shape body = RoundRect(b, 2.5);
      if (i > 0) DrawFace(c, b, StateOf(i), 2.5, pal::faceTop);
      Rgb ink = pal::text;
      switch (k) {
        case 0: DrawCross(c, b, ink, 0.7, 3.2); break;
        case 1: DrawArrow(c, b, Dir::Up, ink, 2.6); break;
        case 2: DrawArrow(c, b, Dir::Down, ink, 2.6); break;
        case 3: DrawArrow(c, b, Dir::Left, ink, 2.6); break;
        case 4: DrawArrow(c, b, Dir::Right, ink, 2.6); break;
      }
      if (i == 0) {
        // The idle button is the glyph alone: whatever the glyph left untouched is key.
        for (int y = b.t; y < b.b; ++y)
          for (int x = b.l; x < b.r; ++x)
            if (c.Get(x, y).r == pal::faceTop.r && c.Get(x, y).g == pal::faceTop.g) c.Set(x, y, pal::key);
        c.Set(b.l, b.b - 1, pal::key);
      } else {
        KeyOutside(c, b, body);
      }
    }

  // Ribbon parts and the application menu.
  Box og = s.Alloc("officegroup", 100, 80);
  c.Fill(og, Solid(pal::client));
  c.Draw(og, Ring(RoundRect(og, 3), RoundRect(Inset(og, 1), 2)), Solid(pal::lineSoft));
  Box ogCaption = s.Alloc("officegroup.caption", 100, 18);
  c.Fill(ogCaption, VGrad(ogCaption.t, ogCaption.b - 1, rgb(226, 235, 246), rgb(206, 220, 238)));
  Box app = s.Alloc("appmenu", 120, 80);
  c.Fill(app, Solid(pal::frameOuter));
  c.Draw(app, RoundRect(Inset(app, 1), 3), Solid(pal::client));
  DrawFace(c, s.Alloc("appmenu.item", 100, 24), State::Hot, 3, pal::client);
  c.Fill(s.Alloc("appmenu.page", 100, 24), Solid(pal::field));
  DrawFace(c, s.Alloc("appmenu.page.hot", 100, 24), State::Hot, 3, pal::field);
  Box appGrip = s.Alloc("appmenu.grip", 12, 12);
  c.Fill(appGrip, Solid(pal::key));
  c.Draw(appGrip, GripDots(appGrip), Solid(pal::textMuted));
  return s;
}

}  // namespace skinart
