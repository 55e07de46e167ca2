// Picture 4: the controls the program's forms show (button, tool button, check
// box, edit, page control with its tabs and scroll arrows, panel) and their
// close relatives (radio box, vertical up-down).
//
// The places of the images the program's records quote are fixed; everything
// else is fitted around them.
#include <cmath>
#include <string>

#include "Pictures.h"
#include "Widgets.h"

namespace skinart {
namespace {

constexpr Rgb kTabRowBottom = rgb(233, 239, 246);
Paint TabRow(int top) { return VGrad(top, top + 21, pal::client, kTabRowBottom); }

enum class TabKind { Normal, Hot, Active, Focus };

void DrawTab(Canvas& c, Box b, TabKind kind) {
  c.Fill(b, TabRow(b.t));
  bool selected = kind == TabKind::Active || kind == TabKind::Focus;
  Box body{b.l, b.t + (selected ? 0 : 2), b.r, b.b};
  Rgb edge = kind == TabKind::Hot ? pal::lineHot : pal::line;
  c.Draw(b, TopRoundRect(body, 4), Solid(edge));
  Box inner{body.l + 1, body.t + 1, body.r - 1, body.b};
  Paint fill = selected ? VGrad(inner.t, b.t + 21, pal::white, pal::client)
               : kind == TabKind::Hot ? VGrad(inner.t, b.b - 1, rgb(250, 252, 255), rgb(222, 234, 249))
                                      : VGrad(inner.t, b.b - 1, rgb(240, 244, 249), rgb(218, 227, 239));
  c.Draw(b, TopRoundRect(inner, 3), fill);
  if (selected) {
    // The selected tab's last row opens into the page: it covers the frame's top line.
    c.Fill(Box{inner.l, b.b - 1, inner.r, b.b}, Solid(pal::client));
  }
  if (kind == TabKind::Focus) {
    Shape top = TopRoundRect(inner, 3);
    c.Draw(Box{inner.l, inner.t, inner.r, inner.t + 2}, top, Solid(pal::accent));
  }
  if (kind == TabKind::Hot) {
    Shape top = TopRoundRect(inner, 3);
    c.Draw(Box{inner.l, inner.t, inner.r, inner.t + 1}, top, Solid(pal::accentLight));
  }
}

void DrawPageFrame(Canvas& c, Box b) {
  c.Fill(b, Solid(pal::line));
  c.Fill(Box{b.l + 1, b.t + 1, b.r - 1, b.b - 1}, Solid(rgb(232, 238, 245)));
  c.Fill(Box{b.l + 1, b.t + 1, b.r - 1, b.t + 2}, Solid(pal::white));
  c.Fill(Box{b.l + 1, b.t + 1, b.l + 2, b.b - 1}, Solid(pal::white));
  c.Fill(Box{b.l + 2, b.t + 2, b.r - 2, b.b - 2}, Solid(pal::client));
}

void DrawTabClose(Canvas& c, Box b, State s) {
  Rgb mat = rgb(228, 236, 246);
  c.Fill(b, Solid(mat));
  double cx = b.l + 6.5, cy = b.t + 6.5;
  Shape disc = Circle(cx, cy, 6.2);
  Shape cross = Union({Segment(cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6, 0.85),
                       Segment(cx + 2.6, cy - 2.6, cx - 2.6, cy + 2.6, 0.85)});
  if (s == State::Normal) {
    c.Draw(b, cross, Solid(pal::textMuted));
    KeyOutside(c, b, cross);
    return;
  }
  c.Draw(b, disc, Solid(s == State::Hot ? pal::closeRed : pal::closeRedDeep));
  c.Draw(b, cross, Solid(pal::white));
  KeyOutside(c, b, disc);
}

// Check and radio images are drawn transparently by their bottom-left pixel.
enum class Mark { None, Check, Grayed, Dot };
void DrawCheckImage(Canvas& c, Box b, bool radio, State s, Mark mark) {
  c.Fill(b, Solid(pal::client));
  Shape outer = radio ? Circle(b.l + 7.5, b.t + 7.5, 6.4) : RoundRect(b.l + 1, b.t + 1, b.r - 1, b.b - 1, 2.5);
  Shape inner = radio ? Circle(b.l + 7.5, b.t + 7.5, 5.4) : RoundRect(b.l + 2, b.t + 2, b.r - 2, b.b - 2, 1.5);
  Rgb edge = s == State::Hot ? pal::lineHot : s == State::Disabled ? pal::disabledLine : rgb(124, 146, 174);
  Paint fill = s == State::Hot ? VGrad(b.t + 2, b.b - 3, rgb(246, 250, 255), rgb(210, 228, 250))
               : s == State::Disabled ? Solid(pal::disabledFace)
                                      : VGrad(b.t + 2, b.b - 3, pal::white, rgb(228, 236, 245));
  c.Draw(b, outer, Solid(edge));
  c.Draw(b, inner, fill);
  Rgb ink = s == State::Disabled ? pal::disabledGlyph : s == State::Hot ? pal::textHot : pal::text;
  if (mark == Mark::Check) DrawCheckMark(c, Box{b.l + 2, b.t + 2, b.r - 2, b.b - 2}, ink);
  if (mark == Mark::Dot) c.Draw(b, Circle(b.l + 7.5, b.t + 7.5, 2.9), Solid(ink));
  if (mark == Mark::Grayed) c.Draw(b, RoundRect(b.l + 4.5, b.t + 4.5, b.r - 4.5, b.b - 4.5, 1), Solid(pal::accentLight));
  KeyOutside(c, b, outer);
}

}  // namespace

Sheet DrawControls() {
  Sheet s(645, 376, pal::client);
  Canvas& c = s.canvas;

  // Push buttons: four states of one 78 x 22 face, stacked at the right.
  const char* buttonStates[4] = {"hot", "normal", "down", "disabled"};
  const int buttonTops[4] = {271, 299, 327, 354};
  for (int i = 0; i < 4; ++i) {
    Box b = s.Place(std::string("button.") + buttonStates[i], At(567, buttonTops[i], 78, 22));
    DrawFace(c, b, State(i == 0 ? State::Hot : i == 1 ? State::Normal : i == 2 ? State::Down : State::Disabled), 3,
             pal::client);
  }

  // Tool buttons (speed buttons): 25 x 26.
  DrawFace(c, s.Place("toolbutton.normal", At(55, 31, 25, 26)), State::Normal, 3, pal::client);
  DrawFace(c, s.Place("toolbutton.hot", At(80, 31, 25, 26)), State::Hot, 3, pal::client);
  DrawFace(c, s.Place("toolbutton.down", At(105, 31, 25, 26)), State::Down, 3, pal::client);

  // Check box: a background the colour of the window, and the check images.
  c.Fill(s.Place("checkbox.bg", Box{58, 62, 91, 81}), Solid(pal::client));
  DrawCheckImage(c, s.Place("check.unchecked", At(232, 296, 15, 15)), false, State::Normal, Mark::None);
  DrawCheckImage(c, s.Place("check.checked", At(232, 311, 15, 15)), false, State::Normal, Mark::Check);
  DrawCheckImage(c, s.Place("check.hot.unchecked", At(247, 296, 15, 15)), false, State::Hot, Mark::None);
  DrawCheckImage(c, s.Place("check.hot.checked", At(247, 311, 15, 15)), false, State::Hot, Mark::Check);

  // Edit: a 57 x 21 field.
  DrawField(c, s.Place("edit", Box{225, 98, 282, 119}), pal::client);

  // Page control: page frame (also the panel's tile), tabs, tab-row background, close buttons.
  DrawPageFrame(c, s.Place("tab.frame", Box{141, 4, 200, 56}));
  DrawTab(c, s.Place("tab.normal", Box{67, 105, 118, 127}), TabKind::Normal);
  DrawTab(c, s.Place("tab.active", Box{4, 110, 55, 133}), TabKind::Active);
  DrawTab(c, s.Place("tab.hot", Box{4, 134, 56, 156}), TabKind::Hot);
  DrawTab(c, s.Place("tab.focus", Box{4, 159, 55, 182}), TabKind::Focus);
  c.Fill(s.Place("tab.bg", Box{330, 149, 396, 171}), TabRow(149));
  DrawTabClose(c, s.Place("tab.close", At(423, 114, 13, 13)), State::Normal);
  DrawTabClose(c, s.Place("tab.close.hot", At(438, 114, 13, 13)), State::Hot);
  DrawTabClose(c, s.Place("tab.close.down", At(453, 114, 13, 13)), State::Down);

  // Horizontal up-down (the page control's tab-scroll arrows): left half
  // scrolls back ("down"), right half forward ("up").
  Box hud = s.Place("hupdown", Box{129, 152, 161, 167});
  DrawArrowButton(c, At(hud.l, hud.t, 16, 15), Dir::Left, State::Normal, pal::client);
  DrawArrowButton(c, At(hud.l + 16, hud.t, 16, 15), Dir::Right, State::Normal, pal::client);
  DrawArrowButton(c, s.Place("hupdown.up.hot", Box{129, 134, 145, 149}), Dir::Right, State::Hot, pal::client);
  DrawArrowButton(c, s.Place("hupdown.up.down", Box{147, 116, 163, 131}), Dir::Right, State::Down, pal::client);
  DrawArrowButton(c, s.Place("hupdown.down.hot", Box{129, 116, 145, 131}), Dir::Left, State::Hot, pal::client);
  DrawArrowButton(c, s.Place("hupdown.down.down", Box{147, 134, 163, 149}), Dir::Left, State::Down, pal::client);

  // Relatives fitted into the free space.
  DrawFace(c, s.Alloc("toolbutton.disabled", 25, 26), State::Disabled, 3, pal::client);
  DrawCheckImage(c, s.Alloc("check.disabled.unchecked", 15, 15), false, State::Disabled, Mark::None);
  DrawCheckImage(c, s.Alloc("check.disabled.checked", 15, 15), false, State::Disabled, Mark::Check);
  DrawCheckImage(c, s.Alloc("check.grayed", 15, 15), false, State::Normal, Mark::Grayed);
  DrawCheckImage(c, s.Alloc("check.hot.grayed", 15, 15), false, State::Hot, Mark::Grayed);
  DrawCheckImage(c, s.Alloc("radio.unchecked", 15, 15), true, State::Normal, Mark::None);
  DrawCheckImage(c, s.Alloc("radio.checked", 15, 15), true, State::Normal, Mark::Dot);
  DrawCheckImage(c, s.Alloc("radio.hot.unchecked", 15, 15), true, State::Hot, Mark::None);
  DrawCheckImage(c, s.Alloc("radio.hot.checked", 15, 15), true, State::Hot, Mark::Dot);
  DrawCheckImage(c, s.Alloc("radio.disabled.unchecked", 15, 15), true, State::Disabled, Mark::None);
  DrawCheckImage(c, s.Alloc("radio.disabled.checked", 15, 15), true, State::Disabled, Mark::Dot);
  Box vud = s.Alloc("vupdown", 15, 32);
  DrawArrowButton(c, At(vud.l, vud.t, 15, 16), Dir::Up, State::Normal, pal::client);
  DrawArrowButton(c, At(vud.l, vud.t + 16, 15, 16), Dir::Down, State::Normal, pal::client);
  DrawArrowButton(c, s.Alloc("vupdown.up.hot", 15, 16), Dir::Up, State::Hot, pal::client);
  DrawArrowButton(c, s.Alloc("vupdown.up.down", 15, 16), Dir::Up, State::Down, pal::client);
  DrawArrowButton(c, s.Alloc("vupdown.down.hot", 15, 16), Dir::Down, State::Hot, pal::client);
  DrawArrowButton(c, s.Alloc("vupdown.down.down", 15, 16), Dir::Down, State::Down, pal::client);
  return s;
}

}  // namespace skinart
