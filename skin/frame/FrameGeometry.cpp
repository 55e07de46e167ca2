#include "FrameGeometry.h"

namespace vx::frame {

const char* HitCodeName(HitCode code) {
  switch (code) {
    case HitCode::Client: return "HTCLIENT";
    case HitCode::Caption: return "HTCAPTION";
    case HitCode::Left: return "HTLEFT";
    case HitCode::Right: return "HTRIGHT";
    case HitCode::Top: return "HTTOP";
    case HitCode::TopLeft: return "HTTOPLEFT";
    case HitCode::TopRight: return "HTTOPRIGHT";
    case HitCode::Bottom: return "HTBOTTOM";
    case HitCode::BottomLeft: return "HTBOTTOMLEFT";
    case HitCode::BottomRight: return "HTBOTTOMRIGHT";
    case HitCode::Object: return "HTOBJECT";
  }
  return "HTNOWHERE";
}

int DefaultCaptionHeight(const FrameOptions& o) { return o.toolWindow ? 15 : 19; }
int DefaultButtonSize(const FrameOptions& o) { return o.toolWindow ? 13 : 17; }

FrameGeometry UpdateFrameGeometry(const FrameSkin& skin, int widthIn, int heightIn) {
  const int width = ClampFrameCoord(widthIn), height = ClampFrameCoord(heightIn);
  FrameGeometry g;
  g.width = width;
  g.height = height;
  if (!skin.present) return g;
  const FormInfo& f = skin.info;
  const int dx = width - skin.pictureWidth;
  const int dy = height - skin.pictureHeight;
  g.dx = dx;
  g.dy = dy;
  g.leftTop = f.lefttoppoint;
  g.rightTop = {f.righttoppoint.X + dx, f.righttoppoint.Y};
  g.leftBottom = {f.leftbottompoint.X, f.leftbottompoint.Y + dy};
  g.rightBottom = {f.rightbottompoint.X + dx, f.rightbottompoint.Y + dy};
  g.client = {f.clientrect.Left, f.clientrect.Top, f.clientrect.Right + dx, f.clientrect.Bottom + dy};
  g.caption = f.captionrect;
  if (!g.caption.IsEmpty()) g.caption.Right += dx;
  g.buttons = f.buttonsrect;
  // A buttons area in the right half of the picture follows the right edge.
  if (!g.buttons.IsEmpty() && g.buttons.Left > Half(skin.pictureWidth)) g.buttons = g.buttons.Offset(dx, 0);
  g.buttonsOffset = f.buttonsoffset;
  g.buttonsInLeft = f.buttonsinleft;
  g.hitLeftTop = f.hittestlefttoppoint;
  g.hitRightTop = {f.hittestrighttoppoint.X + dx, f.hittestrighttoppoint.Y};
  g.hitLeftBottom = {f.hittestleftbottompoint.X, f.hittestleftbottompoint.Y + dy};
  g.hitRightBottom = {f.hittestrightbottompoint.X + dx, f.hittestrightbottompoint.Y + dy};
  g.maskArea = {f.maskrectarea.Left, f.maskrectarea.Top, f.maskrectarea.Right + dx,
                f.maskrectarea.Bottom + dy};
  return g;
}

Rect CalcClientRect(const Rect& window, const FrameSkin& skin, const FrameOptions& options) {
  Rect r = ClampFrameCoords(window);
  if (!options.hasBorder || options.maximizedMdiChild) return r;
  if (!skin.present) {
    const int ch = DefaultCaptionHeight(options);
    r = {r.Left + kDefaultBorder, r.Top + ch + kDefaultBorder, r.Right - kDefaultBorder,
         r.Bottom - kDefaultBorder};
  } else if (!options.layeredWholeFrame) {
    const Rect& c = skin.info.clientrect;
    r = {r.Left + c.Left, r.Top + c.Top, r.Right - (skin.pictureWidth - c.Right),
         r.Bottom - (skin.pictureHeight - c.Bottom)};
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

WindowRegionPlan PlanWindowRegion(const FrameSkin& skin, const FrameOptions& options,
                                  const FrameGeometry& geometry, const RegionState& state) {
  WindowRegionPlan plan;
  const int w = geometry.width, h = geometry.height;
  if (!state.skinnable) return plan;
  if (options.layeredWholeFrame) {
    int height = h;
    if (state.rolledUpOrMinimized) {
      height = options.layeredRollUpHeight != 0 ? options.layeredRollUpHeight : (options.system61 ? 1 : 0);
    }
    plan.kind = WindowRegionPlan::Kind::Rectangle;
    plan.rect = {0, 0, w, height};
    return plan;
  }
  if (!options.hasBorder) return plan;
  if (!skin.present) {
    plan.kind = WindowRegionPlan::Kind::Rectangle;
    plan.rect = {0, 0, w, h};
    plan.clearStrips = true;
    return plan;
  }
  if (!skin.hasMask || options.maximizedMdiChild) {
    plan.kind = WindowRegionPlan::Kind::Rectangle;
    plan.rect = {0, 0, w, h};
    return plan;
  }
  const Rect& m = geometry.maskArea;
  plan.kind = WindowRegionPlan::Kind::MaskStrips;
  plan.maskArea = m;
  plan.topOrigin = {0, 0};
  plan.bottomOrigin = {0, m.Bottom};
  plan.leftOrigin = {0, m.Top};
  plan.rightOrigin = {m.Right, m.Top};
  return plan;
}

}  // namespace vx::frame
