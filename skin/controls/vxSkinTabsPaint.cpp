// The page control's painting: the whole control is drawn into one off-screen
// picture and copied in one piece. With the skin's tab record: the tab row's
// background and the tabs that are not selected, the page frame over them,
// then the selected tab (a pixel taller) over the frame. Without one, the
// plain look.
#include "vxSkinTabs.h"

#include "tkStrings.h"
#include "vxBorderStrips.h"
#include "vxCopy.h"
#include "vxNinePart.h"
#include "vxThreePart.h"

namespace vx {
namespace {

constexpr tk::TColor kHotFace = 0xD2BDB6;
constexpr tk::TColor kActiveFocusedFace = 0xB59285;

void DrawCross(tk::TCanvas& canvas, int x, int y, tk::TColor color) {
  canvas.Pen().SetStyle(tk::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(color);
  for (const tabs::Line& l : tabs::CrossGlyph(x, y)) {
    canvas.MoveTo(l.x1, l.y1);
    canvas.LineTo(l.x2, l.y2);
  }
}

tk::TRect TkRect(const TvxRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
PixRect Pix(const tk::TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

tabs::TabLooks LooksOf(const TvxDataSkinTabControl& rec) {
  tabs::TabLooks l;
  l.tab = TkRect(rec.tabrect);
  l.active = PixRect(rec.activetabrect).IsEmpty() ? l.tab : TkRect(rec.activetabrect);
  l.focus = PixRect(rec.focustabrect).IsEmpty() ? TkRect(rec.activetabrect) : TkRect(rec.focustabrect);
  if (l.focus.IsEmpty()) l.focus = l.active;
  l.mouseIn = TkRect(rec.mouseintabrect);
  return l;
}

// The record's frame geometry at a size: its corner points and client
// rectangle moved as a nine-part image of width x height.
TvxControlGeometry FrameGeometry(const TvxDataSkinTabControl& rec) {
  TvxControlGeometry g;
  g.skinrect = rec.skinrect;
  g.layout = {rec.lefttoppoint, rec.righttoppoint, rec.leftbottompoint, rec.rightbottompoint, rec.clientrect};
  g.current = g.layout;
  g.edges = {rec.leftstretch, rec.topstretch, rec.rightstretch, rec.bottomstretch};
  g.stretcheffect = rec.stretcheffect;
  g.stretchtype = rec.stretchtype;
  g.sizingMode = 1;
  return g;
}

// The piece the page area is covered with: the background picture when the
// record names one, else the client part of the tab picture.
void FillPages(const TvxSkinData& data, const TvxDataSkinTabControl& rec, TvxPixmap& target, const PixRect& area,
               PixPoint origin) {
  const TvxPixmap* bg = rec.bgpictureindex >= 0 ? data.Picture(rec.bgpictureindex) : nullptr;
  const TvxPixmap* picture = data.Picture(rec.pictureindex);
  if (bg && !bg->Empty()) {
    if (rec.stretcheffect)
      FillFromPiece(*bg, {0, 0, bg->Width(), bg->Height()}, target, area, true, rec.stretchtype);
    else
      TileRect(*bg, {0, 0, bg->Width(), bg->Height()}, target, area, origin);
    return;
  }
  if (!picture) return;
  const PixRect piece = PixRect(rec.clientrect).Offset(rec.skinrect.Left, rec.skinrect.Top);
  if (piece.IsEmpty()) return;
  if (rec.stretcheffect)
    FillFromPiece(*picture, piece, target, area, true, rec.stretchtype);
  else
    TileRect(*picture, piece, target, area, origin);
}

}  // namespace

void TvxSkinPageControl::PaintWindow(HDC dc) {
  const int w = ClientWidth(), h = ClientHeight();
  if (w <= 0 || h <= 0) return;
  tk::TBitmap buffer(w, h);
  const TvxDataSkinTabControl* rec = TabRecord();
  const TvxPixmap* picture = rec ? SkinData()->Picture(rec->pictureindex) : nullptr;
  if (rec && picture)
    PaintSkinned(buffer, *rec, *picture);
  else
    PaintTabs(buffer.Canvas());
  BitBlt(dc, 0, 0, w, h, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TvxSkinPageControl::PaintSheetBackground(HDC dc, int w, int h) const {
  const TvxDataSkinTabControl* rec = TabRecord();
  if (!rec || !SkinData()->Picture(rec->pictureindex) || w < 1 || h < 1) return false;
  tk::TBitmap bitmap(w, h);
  GdiFlush();
  FillPages(*SkinData(), *rec, bitmap.Pixmap(), {0, 0, w, h}, {0, 0});
  BitBlt(dc, 0, 0, w, h, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  return true;
}

void TvxSkinPageControl::PaintSkinned(tk::TBitmap& buffer, const TvxDataSkinTabControl& rec,
                                      const TvxPixmap& picture) {
  const int w = buffer.Width(), h = buffer.Height();
  GdiFlush();
  TvxPixmap& pixels = buffer.Pixmap();
  FillPages(*SkinData(), rec, pixels, {0, 0, w, h}, {0, 0});

  // The frame round the page area, grown by the record's margins.
  const PixRect skin = rec.skinrect;
  const tabs::PageMargins m = tabs::MarginsOf(skin.Width(), skin.Height(), TkRect(rec.clientrect));
  const tk::TRect page = DisplayRect();
  const tk::TRect frame{page.Left - m.left, page.Top - m.top, page.Right + m.right, page.Bottom + m.bottom};
  const tabs::TabSide side = Side();

  // The tab row: the strip between the control's edge and the frame.
  tk::TRect strip;
  switch (side) {
    case tabs::TabSide::Top: strip = {0, 0, w, std::max(0, frame.Top)}; break;
    case tabs::TabSide::Bottom: strip = {0, std::min(h, frame.Bottom), w, h}; break;
    case tabs::TabSide::Left: strip = {0, 0, std::max(0, frame.Left), h}; break;
    case tabs::TabSide::Right: strip = {std::min(w, frame.Right), 0, w, h}; break;
  }
  const int active = TabIndex();
  if (!strip.IsEmpty()) {
    tk::TBitmap row(strip.Width(), strip.Height());
    GdiFlush();
    if (tabsBGTransparent_) {
      const int saved = SaveDC(row.Canvas().Handle());
      SetViewportOrgEx(row.Canvas().Handle(), -strip.Left, -strip.Top, nullptr);
      PaintParentBackground(this, row.Canvas().Handle());
      RestoreDC(row.Canvas().Handle(), saved);
      GdiFlush();
    } else {
      PixRect piece = rec.tabsbgrect;
      if (piece.IsEmpty()) piece = PixRect(rec.clientrect).Offset(skin.left, skin.top);
      if (!piece.IsEmpty())
        TileRect(picture, piece, row.Pixmap(), {0, 0, row.Width(), row.Height()}, {-strip.Left, -strip.Top});
    }
    for (int i = 0; i < TabCount(); ++i) {
      if (i == active) continue;
      tk::TRect r = TabItemRect(i);
      if (r.IsEmpty() || r.Right <= 0 || r.Left >= w) continue;
      DrawSkinTab(row, i, r.Offset(-strip.Left, -strip.Top), false, i == hotTab_, rec, picture);
    }
    GdiFlush();
    CopyRect(row.Pixmap(), {0, 0, row.Width(), row.Height()}, pixels, Pix(strip));
  }

  if (frame.Width() > 0 && frame.Height() > 0) {
    TvxControlGeometry g = FrameGeometry(rec);
    int fw = frame.Width(), fh = frame.Height();
    g.FitSkinSize(fw, fh);
    BorderStrips strips;
    BuildBorderStrips(picture, g.skinrect, g.layout, g.current, fw, fh, g.edges, strips);
    auto put = [&](const TvxPixmap& s, int x, int y) {
      if (!s.Empty()) CopyRect(s, {0, 0, s.Width(), s.Height()}, pixels, {x, y, x + s.Width(), y + s.Height()});
    };
    put(strips.top, frame.Left, frame.Top);
    put(strips.left, frame.Left, frame.Top + strips.top.Height());
    put(strips.right, frame.Right - strips.right.Width(), frame.Top + strips.top.Height());
    put(strips.bottom, frame.Left, frame.Bottom - strips.bottom.Height());
  }

  // The selected tab over the frame; bottom and right tabs grow outward.
  if (active >= 0) {
    tk::TRect r = TabItemRect(active);
    if (!r.IsEmpty() && r.Right > 0 && r.Left < w) {
      const tabs::TabLooks looks = LooksOf(rec);
      const int grow = looks.tab.Height() - looks.active.Height();
      if (side == tabs::TabSide::Bottom) r = r.Offset(0, grow);
      if (side == tabs::TabSide::Right) r = r.Offset(grow, 0);
      DrawSkinTab(buffer, active, r, true, active == hotTab_, rec, picture);
    }
  }
}

void TvxSkinPageControl::DrawSkinTab(tk::TBitmap& target, int tabIndex, const tk::TRect& r, bool active, bool hot,
                                     const TvxDataSkinTabControl& rec, const TvxPixmap& picture) {
  const tabs::TabLooks looks = LooksOf(rec);
  const bool focused = Focused();
  const tk::TRect state = tabs::TabStateRect(looks, active, hot, focused);
  const bool across = Side() == tabs::TabSide::Left || Side() == tabs::TabSide::Right;
  // Left and right tabs are drawn as top tabs of their rectangle (the
  // program's tabs stand at the top).
  const int length = across ? r.Height() : r.Width();
  TvxPixmap image;
  if (TabHeight() <= 0) {
    DrawHorzThreePart(rec.tableftoffset, rec.tabrightoffset, image, rec.tabstretcheffect, length, Pix(state),
                      picture);
  } else {
    int thickness = across ? r.Width() : r.Height();
    if (active && looks.active.Height() > looks.tab.Height())
      thickness += looks.active.Height() - looks.tab.Height();
    else if (active && focused && looks.focus.Height() > looks.tab.Height())
      thickness += looks.focus.Height() - looks.tab.Height();
    image.SetSize(length, thickness);
    const int q = looks.tab.Height() / 4;
    DrawFramedStretch(image, picture, Pix(state),
                      {rec.tableftoffset, q, state.Width() - rec.tabrightoffset, state.Height() - q}, true);
  }
  if (image.Empty()) return;
  if (Side() == tabs::TabSide::Bottom) {
    for (int y = 0; y < image.Height() / 2; ++y)
      std::swap_ranges(image.Row(y), image.Row(y) + image.Width(), image.Row(image.Height() - 1 - y));
  }
  GdiFlush();
  CopyRect(image, {0, 0, image.Width(), image.Height()}, target.Pixmap(),
           {r.Left, r.Top, r.Left + image.Width(), r.Top + image.Height()});

  tk::TCanvas& c = target.Canvas();
  const int tw = image.Width(), th = image.Height();
  const tk::TRect tab{r.Left, r.Top, r.Left + tw, r.Top + th};
  const int shift = tabs::TabContentShift(looks, active) * (Side() == tabs::TabSide::Bottom ? -1 : 1);
  const int room = tabs::CloseRoom(showCloseButtons_, CloseButtonSize());
  if (OnDrawSkinTab) {
    OnDrawSkinTab(tabIndex, tab, active, hot, c);
  } else {
    c.Font().Assign(Font());
    if (UseSkinFont) {
      c.Font().SetName(tk::Utf8ToWide(rec.fontname));
      c.Font().SetHeight(rec.fontheight);
      c.Font().SetStyle(rec.fontstyle);
    }
    const TvxColor color = hot && !active ? rec.mouseinfontcolor
                           : active && focused ? rec.focusfontcolor
                           : !active          ? rec.fontcolor
                                              : rec.activefontcolor;
    c.Font().SetColor(static_cast<tk::TColor>(color));
    c.Brush().SetStyle(tk::bsClear);
    tk::TRect text{tab.Left, tab.Top + shift, tab.Right - (room > 0 ? room + 3 : 0), tab.Bottom + shift};
    c.DrawText(TabCaption(tabIndex), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  TvxSkinCustomTabSheet* sheet = SkinPage(tabIndex);
  if (!showCloseButtons_ || !sheet) return;
  if (!hot) sheet->CloseButtonHot = false;
  const PixRect normal = rec.closebuttonrect;
  const int size = CloseButtonSize();
  const int bh = normal.IsEmpty() ? size : normal.Height();
  const tk::TRect button = tabs::CloseButtonRect(tw, th, room, true, std::max(0, shift), false, size, bh);
  sheet->CloseButtonRect = button;
  const bool lit = sheet->CloseButtonHot || (sheet->CloseButtonPressed && hot);
  const int x = tab.Left + button.Left, y = tab.Top + button.Top;
  if (normal.IsEmpty()) {
    // No close image in the record: the cross in the tab's text colour.
    DrawCross(c, x + 2, y + 2, lit ? tk::clWhite : c.Font().Color());
    return;
  }
  PixRect from = normal;
  const PixRect hotRect = PixRect(rec.closebuttonactiverect).IsEmpty() ? normal : PixRect(rec.closebuttonactiverect);
  if (sheet->CloseButtonPressed && hot)
    from = PixRect(rec.closebuttondownrect).IsEmpty() ? hotRect : PixRect(rec.closebuttondownrect);
  else if (sheet->CloseButtonHot)
    from = hotRect;
  GdiFlush();
  const PixRect to{x, y, x + from.Width(), y + from.Height()};
  if (rec.buttontransparent)
    CopyRectKeyed(picture, from, target.Pixmap(), to, PixelFromColor(static_cast<uint32_t>(rec.buttontransparentcolor)));
  else
    CopyRect(picture, from, target.Pixmap(), to);
}

void TvxSkinPageControl::PaintTabs(tk::TCanvas& canvas) {
  canvas.Brush().SetStyle(tk::bsSolid);
  canvas.Brush().SetColor(tk::clBtnFace);
  canvas.FillRect(ClientRect());
  if (TabCount() == 0) return;

  tk::TRect page = DisplayRect();
  canvas.Brush().SetColor(tk::clBtnShadow);
  canvas.FrameRect({page.Left - 1, page.Top - 1, page.Right + 1, page.Bottom + 1});

  const int active = TabIndex();
  for (int i = 0; i < TabCount(); ++i) {
    tk::TRect r = TabItemRect(i);
    if (r.IsEmpty() || r.Right <= 0 || r.Left >= ClientWidth()) continue;
    DrawTab(canvas, i, r, i == active, i == hotTab_);
  }
}

void TvxSkinPageControl::DrawTab(tk::TCanvas& canvas, int tabIndex, const tk::TRect& r, bool active, bool hot) {
  canvas.Brush().SetStyle(tk::bsSolid);
  if (active) {
    canvas.Brush().SetColor(Focused() ? kActiveFocusedFace : kHotFace);
    canvas.FillRect(r);
    canvas.Brush().SetColor(tk::clNavy);
    canvas.FrameRect(r);
  } else {
    canvas.Brush().SetColor(hot ? kHotFace : tk::clBtnFace);
    canvas.FillRect(r);
  }

  const int room = tabs::CloseRoom(showCloseButtons_, CloseButtonSize());
  if (OnDrawSkinTab) {
    OnDrawSkinTab(tabIndex, r, active, hot, canvas);
  } else {
    tk::TRect text{r.Left, r.Top, r.Right - room, r.Bottom};
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(tk::bsClear);
    canvas.DrawText(TabCaption(tabIndex), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  TvxSkinCustomTabSheet* sheet = SkinPage(tabIndex);
  if (!showCloseButtons_ || !sheet) return;
  if (!hot) sheet->CloseButtonHot = false;
  const int size = CloseButtonSize();
  tk::TRect button = tabs::CloseButtonRect(r.Width(), r.Height(), room, false, 0, false, size, size);
  sheet->CloseButtonRect = button;
  bool lit = sheet->CloseButtonHot || (sheet->CloseButtonPressed && hot);
  DrawCross(canvas, r.Left + button.Left + 2, r.Top + button.Top + 2, lit ? tk::clWhite : tk::clBlack);
}

}  // namespace vx
