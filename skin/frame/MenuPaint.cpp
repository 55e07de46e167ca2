#include "MenuPaint.h"

#include <algorithm>
#include <cstdlib>

#include "PixelPlot.h"
#include "vxCopy.h"
#include "vxNinePart.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"
#include "vxThreePart.h"

namespace vx::frame {
namespace {

Point P(const TvxPoint& p) { return ClampFrameCoords(Point{p.X, p.Y}); }
Rect R(const TvxRect& r) { return ClampFrameCoords(Rect{r.Left, r.Top, r.Right, r.Bottom}); }
PixRect Pix(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
PixPoint Pix(const Point& p) { return {p.X, p.Y}; }
Pixel Colour(TvxColor c) { return PixelFromColor(static_cast<uint32_t>(c) & 0xFFFFFF); }

// Both end points included.
void Line(TvxPixmap& canvas, int x0, int y0, int x1, int y1, Pixel p) {
  const int dx = (x1 > x0) - (x1 < x0), dy = (y1 > y0) - (y1 < y0);
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) PlotPixel(canvas, x0 + i * dx, y0 + i * dy, p);
}

void Outline(TvxPixmap& canvas, const Rect& r, Pixel p) {
  if (r.IsEmpty()) return;
  Line(canvas, r.Left, r.Top, r.Right - 1, r.Top, p);
  Line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, p);
  Line(canvas, r.Left, r.Top, r.Left, r.Bottom - 1, p);
  Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, p);
}

// A horizontal three-part image of `from` drawn over `place` of the canvas.
void ThreePart(TvxPixmap& canvas, const Rect& place, const TvxPixmap* picture, const Rect& from, int left, int right,
               bool stretch) {
  if (!picture || from.IsEmpty() || place.IsEmpty()) return;
  TvxPixmap piece;
  DrawHorzThreePart(left, right, piece, stretch, place.Width(), Pix(from), *picture);
  if (piece.Empty()) return;
  CopyRect(piece, {0, 0, piece.Width(), piece.Height()}, canvas, Pix(place));
}

// An image of the record's picture centred in `target`, never starting left
// of or above it; its bottom-left pixel's colour is transparent.
void GlyphImage(TvxPixmap& canvas, const TvxPixmap* picture, const Rect& from, const Rect& target) {
  if (!picture || from.IsEmpty()) return;
  const int x = std::max(target.Left, target.Left + Half(target.Width() - from.Width()));
  const int y = std::max(target.Top, target.Top + Half(target.Height() - from.Height()));
  const int bx = from.Left, by = from.Bottom - 1;
  if (!picture->Contains(bx, by)) return;
  const Pixel key = picture->At(bx, by);
  CopyRectKeyed(*picture, Pix(from), canvas, {x, y, x + from.Width(), y + from.Height()}, key);
}

int DefaultGlyphColumn(int imageListWidth) { return imageListWidth >= 0 ? imageListWidth + 5 : 19; }

// The caption without the title's dashes.
std::string TitleText(const std::string& caption) {
  return caption.size() >= 2 ? caption.substr(1, caption.size() - 2) : caption;
}

}  // namespace

PopupSkin MenuLook::Sizing() const {
  PopupSkin s;
  if (!window.present || !window.picture) return s;
  s.skinned = true;
  s.itemDefault = !item.present;
  s.pictureWidth = window.picture->Width();
  s.pictureHeight = window.picture->Height();
  s.itemsrect = window.itemsrect;
  s.lefttoppoint = window.lefttoppoint;
  s.righttoppoint = window.righttoppoint;
  s.leftbottompoint = window.leftbottompoint;
  s.rightbottompoint = window.rightbottompoint;
  if (item.present) {
    s.textrect = item.textrect;
    s.skinrect = item.skinrect;
    s.dividerrect = item.dividerrect;
  }
  return s;
}

MenuLook MenuLookFromSkinData(const TvxSkinData& data) {
  MenuLook look;
  if (data.Empty()) return look;
  if (const auto* w = dynamic_cast<const TvxDataSkinPopupWindow*>(&data.PopupWindow())) {
    if (const TvxPixmap* picture = data.Picture(w->windowpictureindex); picture && !picture->Empty()) {
      PopupWindowLook& l = look.window;
      l.present = true;
      l.picture = picture;
      const TvxPixmap* mask = data.Picture(w->maskpictureindex);
      // A mask of another size than the window picture cannot be sized with it.
      if (mask && mask->Width() == picture->Width() && mask->Height() == picture->Height()) l.mask = mask;
      l.lefttoppoint = P(w->lefttoppoint);
      l.righttoppoint = P(w->righttoppoint);
      l.leftbottompoint = P(w->leftbottompoint);
      l.rightbottompoint = P(w->rightbottompoint);
      l.itemsrect = R(w->itemsrect);
      l.leftstretch = w->leftstretch;
      l.rightstretch = w->rightstretch;
      l.topstretch = w->topstretch;
      l.bottomstretch = w->bottomstretch;
      l.stretcheffect = w->stretcheffect;
      l.stretchtype = w->stretchtype;
      l.scrollmarkercolor = Colour(w->scrollmarkercolor);
      l.scrollmarkeractivecolor = Colour(w->scrollmarkeractivecolor);
    }
  }
  const TvxDataSkinMenuItem* r = nullptr;
  for (const auto& rec : data.ObjectRecords)
    if ((r = dynamic_cast<const TvxDataSkinMenuItem*>(rec.get()))) break;
  if (!r) return look;
  MenuItemLook& i = look.item;
  i.present = true;
  i.picture = data.Picture(r->activepictureindex);
  if (i.picture && i.picture->Empty()) i.picture = nullptr;
  if (i.picture) {
    i.skinrect = R(r->skinrect);
    i.activeskinrect = R(r->activeskinrect);
  }
  i.itemleftoffset = r->itemleftoffset;
  i.itemrightoffset = r->itemrightoffset;
  i.dividerrect = R(r->dividerrect);
  i.dividerleftoffset = r->dividerleftoffset;
  i.dividerrightoffset = r->dividerrightoffset;
  i.dividerstretcheffect = r->dividerstretcheffect;
  i.stretcheffect = r->stretcheffect;
  i.inactivestretcheffect = r->inactivestretcheffect;
  i.inactivetransparent = r->inactivetransparent;
  i.textrect = R(r->textrect);
  i.imagerect = R(r->imagerect);
  i.checkimagerect = R(r->checkimagerect);
  i.activecheckimagerect = R(r->activecheckimagerect);
  i.radioimagerect = R(r->radioimagerect);
  i.activeradioimagerect = R(r->activeradioimagerect);
  i.arrowimagerect = R(r->arrowimagerect);
  i.activearrowimagerect = R(r->activearrowimagerect);
  i.fontcolor = Colour(r->fontcolor);
  i.activefontcolor = Colour(r->activefontcolor);
  i.unenabledfontcolor = Colour(r->unenabledfontcolor);
  i.useimagecolor = r->useimagecolor;
  i.imagecolor = Colour(r->imagecolor);
  i.activeimagecolor = Colour(r->activeimagecolor);
  i.fontname = r->fontname;
  i.fontheight = r->fontheight;
  i.fontstyle = static_cast<int>(r->fontstyle);
  return look;
}

// ---- glyphs ----

void DrawSubmenuArrow(TvxPixmap& canvas, int x, int y, Pixel ink) {
  for (int i = 0; i <= 3; ++i) Line(canvas, x + i, y + i, x + i, y + 6 - i, ink);
}

void DrawCheckMark(TvxPixmap& canvas, int x, int y, Pixel ink) {
  for (int i = 0; i <= 2; ++i) {
    Line(canvas, x, y + 5 - i, x + 2, y + 7 - i, ink);
    Line(canvas, x + 2, y + 7 - i, x + 7, y + 2 - i, ink);
  }
}

void DrawRadioCircle(TvxPixmap& canvas, int x, int y, Pixel ink) {
  // A filled 6 x 6 circle: the corner pixels stay off.
  for (int row = 0; row < 6; ++row) {
    const int inset = (row == 0 || row == 5) ? 1 : 0;
    Line(canvas, x + inset, y + row, x + 5 - inset, y + row, ink);
  }
}

bool DrawSystemMenuGlyph(TvxPixmap& canvas, const std::string& name, int x, int y, Pixel ink) {
  auto line = [&](int x0, int y0, int x1, int y1) { Line(canvas, x + x0, y + y0, x + x1, y + y1, ink); };
  auto box = [&](int l, int t, int r, int b) { Outline(canvas, {x + l, y + t, x + r, y + b}, ink); };
  if (name == "CHS_CLOSE" || name == "TRAY_CHS_CLOSE") {
    line(1, 1, 8, 8);
    line(8, 1, 1, 8);
    line(2, 1, 9, 8);
    line(7, 1, 0, 8);
  } else if (name == "CHS_MINITEM") {
    line(1, 8, 8, 8);
    line(1, 9, 8, 9);
  } else if (name == "CHS_MAXITEM") {
    box(0, 0, 11, 10);
    box(0, 0, 11, 2);
  } else if (name == "CHS_RESTORE" || name == "TRAY_CHS_RESTORE") {
    box(2, 0, 10, 6);
    box(2, 0, 10, 2);
    box(0, 4, 7, 10);
    box(0, 4, 7, 6);
  } else if (name == "CHS_ROLLUP") {
    for (int i = 0; i <= 4; ++i) line(i + 1, 6 - i, 9 - i, 6 - i);
  } else if (name == "CHS_MINTOTRAY") {
    FillClipped(canvas, {x + 2, y + 2, x + 7, y + 7}, ink);
  } else {
    return false;
  }
  return true;
}

void DrawScrollMarkerArrow(TvxPixmap& canvas, const Rect& m, bool up, Pixel ink) {
  const int cx = m.Left + Half(m.Width()), cy = m.Top + Half(m.Height());
  for (int i = 0; i <= 3; ++i) {
    const int row = up ? cy - 2 + i : cy + 2 - i;
    Line(canvas, cx - i, row, cx + i, row, ink);
  }
}

// ---- items ----

void PaintMenuItem(const MenuLook& look, const MenuColors& colors, const MenuItemPaint& p, int imageListWidth,
                   MenuTextPainter& text, TvxPixmap& canvas) {
  if (!p.item || !p.visible || p.rect.IsEmpty()) return;
  const MenuItem& item = *p.item;
  const Rect r = p.rect;
  const int middle = r.Top + Half(r.Height());

  if (!look.item.present) {
    const int column = DefaultGlyphColumn(imageListWidth);
    const bool highlight = p.highlighted && !item.IsSeparator() && !item.IsTitle();
    if (item.IsTitle()) {
      FillClipped(canvas, r, colors.btnShadow);
      text.Draw(canvas, r, TitleText(item.caption), colors.btnHighlight, TextAlign::Center, true);
      return;
    }
    if (highlight) {
      FillClipped(canvas, r, MakePixel(182, 189, 210));
      Outline(canvas, r, MakePixel(0, 0, 128));
    } else {
      FillClipped(canvas, {r.Left, r.Top, std::min(r.Left + column, r.Right), r.Bottom}, colors.btnFace);
      FillClipped(canvas, {r.Left + column, r.Top, r.Right, r.Bottom}, colors.window);
    }
    if (item.IsSeparator()) {
      Line(canvas, r.Left + column, middle, r.Right - 1, middle, colors.btnShadow);
      return;
    }
    const Pixel ink = item.enabled ? colors.windowText : colors.btnShadow;
    text.Draw(canvas, {r.Left + 2 + column, r.Top, r.Right - 21, r.Bottom}, item.caption, ink, TextAlign::Left, true);
    if (!item.shortcut.empty())
      text.Draw(canvas, {r.Left, r.Top, r.Right - 21, r.Bottom}, item.shortcut, ink, TextAlign::Right, false);
    if (item.HasSubItems()) DrawSubmenuArrow(canvas, r.Right - 9, middle - 4, ink);
    if (!DrawSystemMenuGlyph(canvas, item.name, r.Left + 4, middle - 4, ink) && item.checked) {
      if (item.radio) DrawRadioCircle(canvas, r.Left + 5, middle - 4, ink);
      else DrawCheckMark(canvas, r.Left + 5, middle - 4, ink);
    }
    return;
  }

  const MenuItemLook& l = look.item;
  if (item.IsSeparator()) {
    ThreePart(canvas, {r.Left, r.Top, r.Right, r.Top + l.dividerrect.Height()}, l.picture, l.dividerrect,
              l.dividerleftoffset, l.dividerrightoffset, l.dividerstretcheffect);
    return;
  }
  // Background: a transparent idle item shows the window image already there.
  if (p.highlighted) {
    const Rect& from = l.activeskinrect.IsEmpty() ? l.skinrect : l.activeskinrect;
    ThreePart(canvas, r, l.picture, from, l.itemleftoffset, l.itemrightoffset, l.stretcheffect);
  } else if (!l.inactivetransparent) {
    ThreePart(canvas, r, l.picture, l.skinrect, l.itemleftoffset, l.itemrightoffset, l.inactivestretcheffect);
  }
  const Rect t{r.Left + l.textrect.Left, r.Top + l.textrect.Top,
               r.Left + l.textrect.Right + (r.Width() - l.skinrect.Width()), r.Top + l.textrect.Bottom};
  const int tMiddle = t.Top + Half(t.Height());
  const int indent = l.imagerect.IsEmpty() ? (imageListWidth >= 0 ? imageListWidth + 5 : 16) : 0;
  Pixel ink = p.highlighted ? l.activefontcolor : item.enabled ? l.fontcolor : l.unenabledfontcolor;
  if (item.IsTitle()) {
    text.Draw(canvas, t, TitleText(item.caption), ink, TextAlign::Center, true);
    return;
  }
  text.Draw(canvas, {t.Left + indent, t.Top, t.Right - 16, t.Bottom}, item.caption, ink, TextAlign::Left, true);
  if (!item.shortcut.empty())
    text.Draw(canvas, {t.Left, t.Top, t.Right - 16, t.Bottom}, item.shortcut, ink, TextAlign::Right, false);
  if (item.HasSubItems()) {
    const Rect& arrow = p.highlighted && !l.activearrowimagerect.IsEmpty() ? l.activearrowimagerect : l.arrowimagerect;
    if (l.arrowimagerect.IsEmpty()) DrawSubmenuArrow(canvas, t.Right - 7, tMiddle - 4, ink);
    else GlyphImage(canvas, l.picture, arrow, {t.Right - arrow.Width() - 5, t.Top, t.Right, t.Bottom});
  }
  if (l.useimagecolor) ink = p.highlighted ? l.activeimagecolor : l.imagecolor;
  Rect glyph;  // where check and radio images go
  int gx, gy;
  if (l.imagerect.IsEmpty()) {
    gx = t.Left + 2;
    gy = tMiddle - 4;
    glyph = {t.Left, t.Top, t.Left + indent, t.Bottom};
  } else {
    glyph = l.imagerect.Offset(r.Left, r.Top);
    gx = glyph.Left + Half(glyph.Width()) - 4;
    gy = glyph.Top + Half(glyph.Height()) - 4;
  }
  if (DrawSystemMenuGlyph(canvas, item.name, gx, gy, ink) || !item.checked) return;
  const Rect& radio = p.highlighted && !l.activeradioimagerect.IsEmpty() ? l.activeradioimagerect : l.radioimagerect;
  const Rect& check = p.highlighted && !l.activecheckimagerect.IsEmpty() ? l.activecheckimagerect : l.checkimagerect;
  if (item.radio) {
    if (l.radioimagerect.IsEmpty()) DrawRadioCircle(canvas, gx, gy, ink);
    else GlyphImage(canvas, l.picture, radio, glyph);
  } else {
    if (l.checkimagerect.IsEmpty()) DrawCheckMark(canvas, gx, gy, ink);
    else GlyphImage(canvas, l.picture, check, glyph);
  }
}

// ---- the window ----

namespace {

NinePartLayout SourceLayout(const PopupWindowLook& w) {
  return {Pix(w.lefttoppoint), Pix(w.righttoppoint), Pix(w.leftbottompoint), Pix(w.rightbottompoint),
          Pix(w.itemsrect)};
}

NinePartLayout SizedLayout(const PopupSize& s) {
  return {Pix(s.leftTop), Pix(s.rightTop), Pix(s.leftBottom), Pix(s.rightBottom), Pix(s.itemsRect)};
}

void DefaultWindow(const MenuColors& c, int imageListWidth, TvxPixmap& out) {
  const int w = out.Width(), h = out.Height();
  out.Fill(c.window);
  FillClipped(out, {0, 0, imageListWidth >= 0 ? imageListWidth + 7 : 21, h}, c.btnFace);
  Outline(out, {0, 0, w, h}, c.btnShadow);
  Outline(out, {1, 1, w - 1, h - 1}, c.window);
}

}  // namespace

std::optional<SizedRegion> PopupWindowRegion(const MenuLook& look, const PopupSize& size) {
  if (!look.window.present || !look.window.mask) return std::nullopt;
  return SizedMaskRegion(*look.window.mask, SourceLayout(look.window), SizedLayout(size), size.width);
}

void RenderPopupWindow(const PopupPaintInput& in, MenuTextPainter& text, TvxPixmap& out) {
  static const MenuLook kDefault;
  const MenuLook& look = in.look ? *in.look : kDefault;
  const PopupSize& s = in.size;
  if (!out.SetSize(s.width, s.height, in.colors.window)) return;
  const PopupWindowLook& w = look.window;
  if (w.present && w.picture) {
    ClientFill client;
    client.stretch = w.stretcheffect;
    client.type = w.stretchtype;
    // The items cover the client part, except in scroll mode.
    client.draw = s.scrollMode;
    TvxPixmap image;
    DrawNinePart(*w.picture, {0, 0, w.picture->Width(), w.picture->Height()}, SourceLayout(w), SizedLayout(s),
                 s.width, s.height, {w.leftstretch, w.topstretch, w.rightstretch, w.bottomstretch}, client, image);
    if (!image.Empty()) CopyRect(image, {0, 0, image.Width(), image.Height()}, out, {0, 0, s.width, s.height});
  } else {
    DefaultWindow(in.colors, in.imageListWidth, out);
  }
  int lastBottom = s.itemsRect.Top;
  for (const MenuItemPaint& p : in.items) {
    if (!p.visible) continue;
    PaintMenuItem(look, in.colors, p, in.imageListWidth, text, out);
    lastBottom = std::max(lastBottom, p.rect.Bottom);
  }
  if (!s.scrollMode) return;
  const PopupSkin skin = look.Sizing();
  const Rect top = TopScrollMarker(skin, s.itemsRect, s.width, s.height);
  const Rect bottom = BottomScrollMarker(skin, s.itemsRect, s.width, s.height);
  const bool skinnedItems = w.present && look.item.present;
  auto band = [&](const Rect& place) {
    if (skinnedItems)
      ThreePart(out, place, look.item.picture, look.item.skinrect, look.item.itemleftoffset,
                look.item.itemrightoffset, look.item.inactivestretcheffect);
  };
  band(top);
  band(bottom);
  if (skinnedItems && lastBottom < bottom.Top) band({s.itemsRect.Left, lastBottom, s.itemsRect.Right, bottom.Top});
  const Pixel idle = w.present ? w.scrollmarkercolor : in.colors.btnShadow;
  const Pixel busy = w.present ? w.scrollmarkeractivecolor : in.colors.btnText;
  DrawScrollMarkerArrow(out, top, true, in.scrollCode == 1 ? busy : idle);
  DrawScrollMarkerArrow(out, bottom, false, in.scrollCode == 2 ? busy : idle);
}

TvxPixmap RenderPopupPreview(const TvxSkinData& data, const MenuItem& root, MenuTextPainter& text) {
  const MenuLook look = MenuLookFromSkinData(data);
  std::vector<const MenuItem*> items;
  for (const MenuItem& i : root.items)
    if (i.visible) items.push_back(&i);
  PopupSizeInput in;
  in.items = &items;
  in.textWidth = [&](const std::string& t) { return text.Width(t); };
  PopupPaintInput p;
  p.look = &look;
  p.size = ComputePopupSize(look.Sizing(), in);
  const MenuItemPlaces places = LayoutMenuItems(p.size.itemsRect, p.size.itemHeights, 0, p.size.scrollMode);
  bool first = true;
  for (size_t i = 0; i < items.size(); ++i) {
    MenuItemPaint ip{items[i], false, places.rects[i], places.visible[i]};
    if (first && items[i]->Selectable()) {
      ip.highlighted = true;
      first = false;
    }
    p.items.push_back(ip);
  }
  TvxPixmap out;
  RenderPopupWindow(p, text, out);
  return out;
}

}  // namespace vx::frame
