#include "FrameHitTest.h"

namespace vx::frame {
namespace {

bool StripBlack(const TvxPixmap& strip, int x, int y) {
  if (!strip.Contains(x, y)) return false;
  return (strip.At(x, y) & 0xFFFFFFu) == 0;
}

bool CaptionTest(const HitTestInput& in, int x, int y) {
  if (!in.objects) return false;
  for (const FrameObject& o : *in.objects) {
    if (o.kind != ObjectKind::Caption) continue;
    Rect r = o.rect;
    // The quick-button strip at the caption's left is not caption.
    if (in.quickButtons.count > 0 && in.quickButtons.imageWidth >= 0)
      r.Left += in.quickButtons.leading + in.quickButtons.count * (in.quickButtons.imageWidth + 8);
    if (r.Contains(x, y)) return true;
  }
  return false;
}

bool HasMask(const HitTestInput& in) { return in.skin && in.skin->present && in.skin->hasMask && in.strips; }

HitCode ClientCaptionOrObject(const HitTestInput& in, const Rect& client, int x, int y) {
  if (client.Contains(x, y)) return HitCode::Client;
  if (CaptionTest(in, x, y)) return HitCode::Caption;
  return HitCode::Object;
}

HitCode SkinHitTest(const HitTestInput& in, int x, int y, int w, int h) {
  const FrameGeometry& g = *in.geometry;
  const Rect& c = g.client;
  const HitTestState& s = in.state;
  if (s.rolledUp || s.minimized) return CaptionTest(in, x, y) ? HitCode::Caption : HitCode::Object;
  if (s.objectHot && !CaptionTest(in, x, y) && !c.Contains(x, y) && !s.sizeMoveLoop) return HitCode::Object;
  const bool resizable = in.options ? in.options->Resizable() : true;
  if (!s.maximized && resizable) {
    const int b = in.skin->info.borderwidth;
    bool near = false;
    if (!(HasMask(in) && g.maskArea.Contains(x, y))) {
      near = !InsideFrameShape(in, x - b, y, w, h) || !InsideFrameShape(in, x, y - b, w, h) ||
             !InsideFrameShape(in, x + b, y, w, h) || !InsideFrameShape(in, x, y + b, w, h);
    }
    if (!near) return ClientCaptionOrObject(in, c, x, y);
    const Point h1 = g.hitLeftTop, h2 = g.hitRightTop, h3 = g.hitLeftBottom, h4 = g.hitRightBottom;
    if (x <= h1.X && y <= h1.Y) return HitCode::TopLeft;
    if (x >= h2.X && y <= h2.Y) return HitCode::TopRight;
    if (x <= h3.X && y >= h3.Y) return HitCode::BottomLeft;
    if (x >= h4.X && y >= h4.Y) return HitCode::BottomRight;
    if (Rect{h1.X, 0, h2.X, c.Top}.Contains(x, y)) return HitCode::Top;
    if (Rect{h3.X, c.Bottom, h4.X, h}.Contains(x, y)) return HitCode::Bottom;
    if (Rect{0, h1.Y, c.Left, h3.Y}.Contains(x, y)) return HitCode::Left;
    if (Rect{c.Right, h2.Y, w, h4.Y}.Contains(x, y)) return HitCode::Right;
  }
  return ClientCaptionOrObject(in, c, x, y);
}

HitCode DefaultHitTest(const HitTestInput& in, int x, int y, int w, int h) {
  const HitTestState& s = in.state;
  const bool resizable = in.options ? in.options->Resizable() : true;
  if (!s.maximized && !s.rolledUp && !s.minimized && resizable) {
    if (s.objectHot) return HitCode::Object;
    if (x <= 2 && y <= 2) return HitCode::TopLeft;
    if (x >= w - 2 && y <= 2) return HitCode::TopRight;
    if (x <= 2 && y >= h - 2) return HitCode::BottomLeft;
    if (x >= w - 2 && y >= h - 2) return HitCode::BottomRight;
    if (x <= 2) return HitCode::Left;
    if (y <= 2) return HitCode::Top;
    if (x >= w - 2) return HitCode::Right;
    if (y >= h - 2) return HitCode::Bottom;
  }
  if (in.defaultCaptionArea.Contains(x, y)) return HitCode::Caption;
  const int ch = in.options ? DefaultCaptionHeight(*in.options) : 19;
  if (Rect{3, ch + 3, w - 3, h - 3}.Contains(x, y)) return HitCode::Client;
  return HitCode::Object;
}

}  // namespace

bool InsideFrameShape(const HitTestInput& in, int x, int y, int w, int h) {
  if (!HasMask(in)) return Rect{0, 0, w, h}.Contains(x, y);
  const Rect& m = in.geometry->maskArea;
  if (m.Contains(x, y)) return true;
  const MaskStrips& st = *in.strips;
  if (y <= m.Top) return StripBlack(st.top, x, y);
  if (y >= m.Bottom) return StripBlack(st.bottom, x, y - m.Bottom);
  if (x > m.Left) return StripBlack(st.right, x - m.Right, y - m.Top);
  return StripBlack(st.left, x, y - m.Top);
}

HitCode HitTestFrame(const HitTestInput& in, int xIn, int yIn, int widthIn, int heightIn) {
  const int x = ClampFrameCoord(xIn), y = ClampFrameCoord(yIn);
  const int width = ClampFrameCoord(widthIn), height = ClampFrameCoord(heightIn);
  if (in.skin && in.skin->present && in.geometry) return SkinHitTest(in, x, y, width, height);
  return DefaultHitTest(in, x, y, width, height);
}

}  // namespace vx::frame
