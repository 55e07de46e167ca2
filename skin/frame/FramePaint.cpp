#include "FramePaint.h"

#include <algorithm>

#include "FrameAnimation.h"
#include "FrameMask.h"
#include "FrameRecords.h"
#include "PixelPlot.h"
#include "vxCopy.h"
#include "vxEffects.h"
#include "vxMorph.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"
#include "vxThreePart.h"

namespace vx::frame {
namespace {

PixRect R(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
PixPoint P(Point p) { return {p.X, p.Y}; }

const TvxDataSkinFormInfo* FormInfoOf(const TvxSkinData& data) {
  return dynamic_cast<const TvxDataSkinFormInfo*>(&data.FormInfo());
}

// The restore set of a button whose command is in effect.
Rect RestoreImage(const FrameObject& o, const ObjectLook& look) {
  if (!look.frameActive && !o.restoreInactiveRect.IsEmpty()) return o.restoreInactiveRect;
  if (o.Down && o.MouseIn && !o.restoreDownRect.IsEmpty()) return o.restoreDownRect;
  if (o.Active && !o.restoreActiveRect.IsEmpty()) return o.restoreActiveRect;
  return o.restoreRect;
}

ObjectImage BaseImage(const FrameObject& o, const ObjectLook& look) {
  if (o.Enabled && !look.frameActive && !o.inactiveRect.IsEmpty()) return {o.inactiveRect, false};
  if (o.Active && !o.activeRect.IsEmpty()) return {o.activeRect, false};
  // The idle image of an object drawn on the frame picture is already there.
  if (!o.inPicture && !look.fullRedraw) return {};
  return {o.skinRect, !o.inPicture};
}

// A line that leaves out its end point; the glyphs use only horizontal and
// diagonal lines.
void Line(TvxPixmap& canvas, int x0, int y0, int x1, int y1, Pixel p) {
  const int dx = (x1 > x0) - (x1 < x0), dy = (y1 > y0) - (y1 < y0);
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i < steps; ++i) PlotPixel(canvas, x0 + i * dx, y0 + i * dy, p);
}

// The one-pixel outline of (l, t) - (r, b), right and bottom excluded.
void Outline(TvxPixmap& canvas, int l, int t, int r, int b, Pixel p) {
  Line(canvas, l, t, r, t, p);
  Line(canvas, l, b - 1, r, b - 1, p);
  Line(canvas, l, t, l, b, p);
  Line(canvas, r - 1, t, r - 1, b, p);
}

// A 3-D ring along the inside of `r`: top-left and bottom-right colours.
void Ring(TvxPixmap& canvas, const Rect& r, Pixel topLeft, Pixel bottomRight) {
  Line(canvas, r.Left, r.Top, r.Right - 1, r.Top, topLeft);
  Line(canvas, r.Left, r.Top, r.Left, r.Bottom - 1, topLeft);
  Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, bottomRight);
  Line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, bottomRight);
}

// Copies the part of `whole` that each strip covers.
void CutStrips(const TvxPixmap& whole, const Rect& c, int width, int height, BorderStrips& out) {
  auto cut = [&](TvxPixmap& strip, int x, int y, int w, int h) {
    strip.Clear();
    if (w <= 0 || h <= 0 || !strip.SetSize(w, h)) return;
    CopyRect(whole, {x, y, x + w, y + h}, strip, {0, 0, w, h});
  };
  cut(out.top, 0, 0, width, c.Top);
  cut(out.bottom, 0, c.Bottom, width, height - c.Bottom);
  cut(out.left, 0, c.Top, c.Left, c.Bottom - c.Top);
  cut(out.right, c.Right, c.Top, width - c.Right, c.Bottom - c.Top);
}

}  // namespace

ObjectImage FrameObjectImage(const FrameObject& o, const ObjectLook& look) {
  switch (o.kind) {
    case ObjectKind::UserObject:
      return {};
    case ObjectKind::Caption:
      // The frame picture holds the caption's background unless it has a
      // look of its own for the active state.
      if (o.activeRect.IsEmpty()) return {};
      if (const Rect cell = CaptionAnimationCell(o); !cell.IsEmpty()) return {cell, false};
      return o.Active ? ObjectImage{o.activeRect, false} : ObjectImage{o.skinRect, true};
    case ObjectKind::StdButton:
      if (o.Enabled && look.commandInEffect && !o.restoreRect.IsEmpty()) return {RestoreImage(o, look), false};
      [[fallthrough]];
    case ObjectKind::Button:
      if (!o.Enabled && !o.disabledRect.IsEmpty()) return {o.disabledRect, false};
      if (o.Down && o.MouseIn && !o.downRect.IsEmpty()) return {o.downRect, false};
      return BaseImage(o, look);
    case ObjectKind::Animate:
      if (o.Enabled && !look.frameActive && !o.inactiveRect.IsEmpty()) return {o.inactiveRect, false};
      if (o.Down && o.MouseIn && !o.downRect.IsEmpty()) return {o.downRect, false};
      if (!o.inPicture && !look.fullRedraw && o.currentFrame <= 1) return {};
      return {AnimateFrameRect(o, look.commandInEffect), false};
  }
  return {};
}

bool MorphApplies(const FrameObject& o, const ObjectLook& look) {
  return look.effects && o.morphing && o.kind != ObjectKind::UserObject && o.kind != ObjectKind::Caption &&
         o.kind != ObjectKind::Animate;
}

namespace {

// A morphing object's look follows its morph factor: the normal image at 0,
// the active one at 1, their blend between. False when the object shows an
// image of another state now (inactive, pressed, disabled) or does not morph.
bool DrawMorph(const FrameObject& o, const TvxPixmap& mainPicture, TvxPixmap& canvas, const Rect& to,
               const ObjectLook& look) {
  if (!MorphApplies(o, look) || o.activeRect.IsEmpty() || look.commandInEffect) return false;
  if (o.Enabled && !look.frameActive && !o.inactiveRect.IsEmpty()) return false;  // the inactive image
  if (o.Down && o.MouseIn && !o.downRect.IsEmpty()) return false;
  if (!o.Enabled && !o.disabledRect.IsEmpty()) return false;
  const TvxPixmap* normalPicture = o.inPicture ? o.picture.get() : &mainPicture;
  if (!normalPicture || !o.picture) return false;
  TvxPixmap from(o.skinRect.Width(), o.skinRect.Height()), target(o.activeRect.Width(), o.activeRect.Height());
  if (from.Empty() || target.Empty()) return false;
  CopyRect(*normalPicture, R(o.skinRect), from, {0, 0, from.Width(), from.Height()});
  CopyRect(*o.picture, R(o.activeRect), target, {0, 0, target.Width(), target.Height()});
  if (o.morph >= 1) from = target;
  else if (o.morph > 0) MorphBlend(from, target, o.morph, o.morphKind);
  CopyRect(from, {0, 0, from.Width(), from.Height()}, canvas, R(to));
  return true;
}

}  // namespace

bool DrawFrameObjectImage(const FrameObject& o, const TvxPixmap& mainPicture, TvxPixmap& canvas, int dx, int dy,
                          const ObjectLook& look) {
  if (DrawMorph(o, mainPicture, canvas, o.rect.Offset(dx, dy), look)) return true;
  const ObjectImage image = FrameObjectImage(o, look);
  if (image.source.IsEmpty()) return false;
  const TvxPixmap* picture = image.fromMain ? &mainPicture : o.picture.get();
  if (!picture || picture->Empty()) return false;
  const Rect to = o.rect.Offset(dx, dy);
  if (o.kind == ObjectKind::Caption && look.form) {
    // A caption with a look of its own is widened like the frame: the parts
    // outside the frame's corner points stay, the middle is tiled.
    const int left = std::max(0, look.form->lefttoppoint.X - image.source.Left);
    const int right = std::max(0, image.source.Right - look.form->righttoppoint.X);
    TvxPixmap wide;
    DrawHorzThreePart(left, right, wide, false, to.Width(), R(image.source), *picture);
    CopyRect(wide, {0, 0, wide.Width(), wide.Height()}, canvas, R(to));
    return true;
  }
  CopyRect(*picture, R(image.source), canvas, R(to));
  return true;
}

const BorderStrips& FrameStripCache::Get(const TvxSkinData& data, const FrameSkin& skin, const FrameGeometry& g,
                                         bool inactive) {
  if (&data == data_ && static_cast<int>(data.Generation()) == generation_ && g.width == width_ &&
      g.height == height_ && inactive == inactive_)
    return strips_;
  data_ = &data;
  generation_ = static_cast<int>(data.Generation());
  width_ = g.width;
  height_ = g.height;
  inactive_ = inactive;
  ++builds_;
  strips_ = {};
  sidesComposed_ = false;
  const TvxDataSkinFormInfo* f = FormInfoOf(data);
  if (!skin.present || !f) return strips_;
  const TvxPixmap& source = inactive && !data.InactivePicture.Empty() ? data.InactivePicture : data.MainPicture;
  const FormInfo& i = skin.info;
  const NinePartLayout src{P(i.lefttoppoint), P(i.righttoppoint), P(i.leftbottompoint), P(i.rightbottompoint),
                           R(i.clientrect)};
  const NinePartLayout dst{P(g.leftTop), P(g.rightTop), P(g.leftBottom), P(g.rightBottom), R(g.client)};
  const EdgeStretch edges{f->leftstretch, f->topstretch, f->rightstretch, f->bottomstretch};
  BuildBorderStrips(source, {0, 0, source.Width(), source.Height()}, src, dst, g.width, g.height, edges, strips_);
  return strips_;
}

void FrameStripCache::Clear() {
  strips_ = {};
  composed_ = {};
  sidesComposed_ = false;
  data_ = nullptr;
  generation_ = -1;
}

namespace {

// Copies the pixels of `from` into `to`, reusing its memory when the sizes match.
void CopyPixels(const TvxPixmap& from, TvxPixmap& to) {
  if (to.Width() != from.Width() || to.Height() != from.Height()) {
    to = from;
    return;
  }
  if (!from.Empty()) std::copy(from.Bits(), from.Bits() + int64_t{from.Width()} * from.Height(), to.Bits());
}

}  // namespace

const BorderStrips& ComposeSkinFrame(const TvxSkinData& data, const FrameSkin& skin, const FrameGeometry& g,
                                     const FrameObjectList& objects, bool frameActive, FrameStripCache& cache,
                                     const CaptionTextPainter& captionText, CommandsInEffect inEffect,
                                     const QuickButtonsPaint* quick) {
  const int firstCaption = FirstCaptionIndex(objects);
  const BorderStrips& bare = cache.Get(data, skin, g, !frameActive);
  BorderStrips& out = cache.composed_;
  const TvxDataSkinFormInfo* f = FormInfoOf(data);
  const bool effect = !frameActive && f && f->autorenderinginactiveimage;
  // Objects go onto the top and bottom strips only: the sides are the bare
  // ones unless an effect changes them.
  CopyPixels(bare.top, out.top);
  CopyPixels(bare.bottom, out.bottom);
  if (effect || !cache.sidesComposed_) {
    CopyPixels(bare.left, out.left);
    CopyPixels(bare.right, out.right);
    cache.sidesComposed_ = !effect;
  }
  ObjectLook look;
  look.frameActive = frameActive;
  look.form = &skin.info;
  look.effects = data.EnableSkinEffects;
  for (size_t i = 0; i < objects.size(); ++i) {
    const FrameObject& o = objects[i];
    if (!o.Visible) continue;
    // Objects below the client's top belong to the bottom strip.
    const bool bottom = o.rect.Bottom > g.client.Top;
    TvxPixmap& strip = bottom ? out.bottom : out.top;
    const int dy = bottom ? -g.client.Bottom : 0;
    look.commandInEffect = o.HasCommand() && inEffect.Holds(o.command);
    DrawFrameObjectImage(o, data.MainPicture, strip, 0, dy, look);
    if (quick && static_cast<int>(i) == firstCaption && !strip.Empty())
      DrawQuickButtons(strip, 0, dy, quick->items, quick->layout, quick->looks);
    if ((o.kind == ObjectKind::Caption || o.kind == ObjectKind::UserObject) && captionText && !strip.Empty())
      captionText(strip, o, o.rect.Offset(0, dy), o.Active);
  }
  if (effect) {
    for (TvxPixmap* strip : {&out.top, &out.bottom, &out.left, &out.right})
      if (!strip->Empty()) ApplyInactiveEffect(*strip, f->inactiveeffect);
  }
  return out;
}

void DrawDefaultButton(const FrameObject& o, TvxPixmap& canvas, int dx, int dy, const ObjectLook& look,
                       const DefaultFrameColors& colors) {
  const Rect r = o.rect.Offset(dx, dy);
  const bool pressed = o.Down && o.MouseIn;
  FillClipped(canvas, r, colors.btnFace);
  if (o.MouseIn && o.Enabled) {
    FillClipped(canvas, r, pressed ? MakePixel(133, 146, 181) : MakePixel(182, 189, 210));
    Outline(canvas, r.Left, r.Top, r.Right, r.Bottom, MakePixel(0, 0, 128));
  }
  const Pixel ink = o.Enabled ? colors.btnText : colors.btnShadow;
  const int x = r.Left + Half(r.Width()) - 5 + (pressed ? 1 : 0);
  const int y = r.Top + Half(r.Height()) - 4 + (pressed ? 1 : 0);
  auto line = [&](int x0, int y0, int x1, int y1) { Line(canvas, x + x0, y + y0, x + x1, y + y1, ink); };
  auto outline = [&](int l, int t, int rr, int b) { Outline(canvas, x + l, y + t, x + rr, y + b, ink); };
  const bool restore = look.commandInEffect &&
                       (o.command == TvxStdCommand::cmmaximize || o.command == TvxStdCommand::cmminimize);
  if (restore) {
    outline(2, 0, 10, 6);
    outline(2, 0, 10, 2);
    outline(0, 4, 7, 10);
    outline(0, 4, 7, 6);
    return;
  }
  switch (o.command) {
    case TvxStdCommand::cmclose:
      line(1, 1, 9, 9);
      line(9, 1, 1, 9);
      line(2, 1, 10, 9);
      line(8, 1, 0, 9);
      break;
    case TvxStdCommand::cmmaximize:
      outline(0, 0, 11, 10);
      outline(0, 0, 11, 2);
      break;
    case TvxStdCommand::cmminimize:
      line(1, 8, 9, 8);
      line(1, 9, 9, 9);
      break;
    case TvxStdCommand::cmsysmenu:
      outline(1, 3, 9, 6);
      break;
    case TvxStdCommand::cmrollup:
      for (int i = 0; i <= 4; ++i) {
        if (look.commandInEffect) line(5 - i, 6 - i, 5 + i, 6 - i);
        else line(i + 1, 6 - i, 9 - i, 6 - i);
      }
      break;
    case TvxStdCommand::cmminimizetotray:
      FillClipped(canvas, {x + 2, y + 2, x + 7, y + 7}, ink);
      break;
    case TvxStdCommand::cmdefault:
      break;
  }
}

void ComposeDefaultFrame(int width, int height, int captionHeight, const Rect& area, const FrameObjectList& objects,
                         bool frameActive, const DefaultFrameColors& colors, const DefaultCaptionPainter& captionText,
                         BorderStrips& out, CommandsInEffect inEffect) {
  out = {};
  const Rect client{3, captionHeight + 3, std::max(3, width - 3), std::max(captionHeight + 3, height - 3)};
  TvxPixmap whole;
  if (!whole.SetSize(width, height, colors.btnFace)) return;
  // The caption bar's lines (rows 2 … CH - 4 of the bar at (3, 3)), behind
  // the text and the buttons.
  for (int y = 2; y <= captionHeight - 4; ++y)
    Line(whole, area.Left + 2, 3 + y, area.Right - 3, 3 + y, (y % 2 == 0) ? colors.btnHighlight : colors.btnShadow);
  if (captionText) captionText(whole, area, frameActive);
  ObjectLook look;
  look.frameActive = frameActive;
  look.fullRedraw = true;
  for (const FrameObject& o : objects) {
    if (!o.Visible || o.kind != ObjectKind::StdButton) continue;
    look.commandInEffect = inEffect.Holds(o.command);
    DrawDefaultButton(o, whole, 0, 0, look, colors);
  }
  const Rect window{0, 0, width, height};
  Ring(whole, window, colors.light3D, colors.dkShadow3D);
  Ring(whole, {1, 1, width - 1, height - 1}, colors.btnHighlight, colors.btnShadow);
  Ring(whole, {2, 2, width - 2, height - 2}, colors.btnFace, colors.btnFace);
  CutStrips(whole, client, width, height, out);
}

TvxPixmap FramePicture(const BorderStrips& strips, const Rect& client, int width, int height, Pixel clientFill) {
  TvxPixmap out;
  if (!out.SetSize(width, height, clientFill)) return out;
  auto put = [&](const TvxPixmap& strip, int x, int y) {
    if (!strip.Empty()) CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, out, {x, y, x + strip.Width(), y + strip.Height()});
  };
  put(strips.top, 0, 0);
  put(strips.left, 0, client.Top);
  put(strips.right, width - strips.right.Width(), client.Top);
  put(strips.bottom, 0, height - strips.bottom.Height());
  return out;
}

ClientTile ClientBackgroundTile(const TvxSkinData& data) {
  ClientTile t;
  const TvxDataSkinFormInfo* f = FormInfoOf(data);
  if (data.Empty() || !f) return t;
  t.stretch = f->stretcheffect;
  t.type = f->stretchtype;
  if (const TvxPixmap* bg = data.Picture(f->bgpictureindex); bg && !bg->Empty()) {
    t.picture = bg;
    t.source = {0, 0, bg->Width(), bg->Height()};
    return t;
  }
  const Rect c = ClampFrameCoords(Rect{f->clientrect.Left, f->clientrect.Top, f->clientrect.Right, f->clientrect.Bottom});
  const Rect inside{std::max(c.Left, 0), std::max(c.Top, 0), std::min(c.Right, data.MainPicture.Width()),
                    std::min(c.Bottom, data.MainPicture.Height())};
  if (inside.IsEmpty()) return t;
  t.picture = &data.MainPicture;
  t.source = inside;
  return t;
}

void PaintClientBackground(const ClientTile& tile, TvxPixmap& canvas, int windowWidth, int windowHeight, Pixel face) {
  if (!tile.picture || tile.source.IsEmpty()) {
    canvas.Fill(face);
    return;
  }
  const int tw = tile.source.Width(), th = tile.source.Height();
  const PixRect from = R(tile.source);
  if (!tile.stretch) {
    for (int y = 0; y < canvas.Height(); y += th)
      for (int x = 0; x < canvas.Width(); x += tw) CopyRect(*tile.picture, from, canvas, {x, y, x + tw, y + th});
    return;
  }
  switch (tile.type) {
    case TvxStretchType::stFull:
      CopyRect(*tile.picture, from, canvas, {0, 0, windowWidth, windowHeight});
      break;
    case TvxStretchType::stHorz:
      for (int x = 0; x < canvas.Width(); x += tw) CopyRect(*tile.picture, from, canvas, {x, 0, x + tw, windowHeight});
      break;
    case TvxStretchType::stVert:
      for (int y = 0; y < canvas.Height(); y += th) CopyRect(*tile.picture, from, canvas, {0, y, windowWidth, y + th});
      break;
  }
}

PreviewLayout::PreviewLayout(const TvxSkinData& data, int w, int h, TvxBorderIcons icons) {
  skin = FrameSkinFromSkinData(data);
  geometry = UpdateFrameGeometry(skin, w, h);
  objects = CreateFrameObjects(ObjectRecordsFromSkinData(data));
  BorderIconOptions bi;
  bi.icons = icons;
  ApplyBorderIcons(objects, bi);
  LayoutCaptionButtons(objects, skin, geometry, {});
}

TvxPixmap RenderFramePreview(const TvxSkinData& data, int w, int h, TvxBorderIcons icons, bool inactive,
                             QuickButtonsPaint* quick, bool quickDivider) {
  PreviewLayout p(data, w, h, icons);
  const int caption = FirstCaptionIndex(p.objects);
  if (caption >= 0) p.objects[caption].Active = !inactive;
  if (quick) LayoutQuickButtonsOnCaption(*quick, p.objects, quickDivider);
  FrameStripCache cache;
  const BorderStrips& strips = ComposeSkinFrame(data, p.skin, p.geometry, p.objects, !inactive, cache, {}, {}, quick);
  TvxPixmap out = FramePicture(strips, p.geometry.client, w, h, 0);
  const Rect c = p.geometry.client;
  TvxPixmap client;
  if (!out.Empty() && client.SetSize(c.Width(), c.Height())) {
    PaintClientBackground(ClientBackgroundTile(data), client, w, h, MakePixel(212, 208, 200));
    for (int y = 0; y < client.Height(); ++y)
      for (int x = 0; x < client.Width(); ++x)
        if (out.Contains(c.Left + x, c.Top + y)) out.Set(c.Left + x, c.Top + y, client.At(x, y));
  }
  return out;
}

std::vector<Rect> FrameRegionPreview(const TvxSkinData& data, int w, int h, TvxBorderIcons icons) {
  const PreviewLayout p(data, w, h, icons);
  const WindowRegionPlan plan = PlanWindowRegion(p.skin, p.options, p.geometry, {});
  std::vector<PixRect> rects;
  if (plan.kind == WindowRegionPlan::Kind::Rectangle) {
    rects.push_back({plan.rect.Left, plan.rect.Top, plan.rect.Right, plan.rect.Bottom});
  } else if (plan.kind == WindowRegionPlan::Kind::MaskStrips) {
    const auto region = FrameMaskRegion(data.MaskPicture, p.skin, p.geometry);
    // A window too low for the mask's corners (a caption bar) stays a
    // rectangle.
    if (!region) return {{0, 0, w, h}};
    rects.push_back(region->client);
    for (const RegionData* strip : {&region->top, &region->bottom, &region->left, &region->right})
      if (auto r = RegionDataRects(*strip)) rects.insert(rects.end(), r->begin(), r->end());
  }
  std::vector<Rect> out;
  for (const PixRect& r : BandedRegionRects(rects)) out.push_back({r.left, r.top, r.right, r.bottom});
  return out;
}

}  // namespace vx::frame
