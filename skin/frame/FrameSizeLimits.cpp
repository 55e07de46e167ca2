#include "FrameSizeLimits.h"

namespace vx::frame {
namespace {

int ClampMin(int value, int maximum) { return std::max(1, std::min(value, maximum)); }

int RawMinWidth(const FrameSkin& skin, const FrameOptions& o, const SizeState& s) {
  if (!skin.present) return o.minWidth > 0 ? o.minWidth : 120;
  const int pw = skin.pictureWidth;
  if (pw < o.minWidth && !s.minimized) return o.minWidth;
  const int formMin = skin.info.formminwidth;
  if (formMin > 0) return (formMin < o.minWidth && !s.minimized) ? o.minWidth : formMin;
  return pw;
}

int RawMinHeight(const FrameSkin& skin, const FrameOptions& o, const SizeState& s) {
  const bool bar = s.rolledUp || s.minimized;
  if (!skin.present) {
    const int h = DefaultCaptionHeight(o) + 6;
    return (h >= o.minHeight || bar) ? h : o.minHeight;
  }
  const int frameHeight = skin.pictureHeight - skin.info.clientrect.Height();
  if (o.layeredWholeFrame) return (frameHeight >= o.minHeight || bar) ? 10 : o.minHeight;
  const int formMin = skin.info.formminheight != 0 ? skin.info.formminheight : frameHeight;
  return (formMin < o.minHeight && !bar) ? o.minHeight : formMin;
}

}  // namespace

int MaxFrameWidth(const FrameOptions& o, const MonitorRects& m) {
  if (o.maxWidth != 0) return o.maxWidth;
  return (o.maximizeOnFullScreen ? m.full : m.work).Width();
}

int MaxFrameHeight(const FrameOptions& o, const MonitorRects& m) {
  if (o.maxHeight != 0) return o.maxHeight;
  return (o.maximizeOnFullScreen ? m.full : m.work).Height();
}

int MinFrameWidth(const FrameSkin& skin, const FrameOptions& o, const MonitorRects& m, const SizeState& s) {
  return ClampMin(RawMinWidth(skin, o, s), MaxFrameWidth(o, m));
}

int MinFrameHeight(const FrameSkin& skin, const FrameOptions& o, const MonitorRects& m, const SizeState& s) {
  return ClampMin(RawMinHeight(skin, o, s), MaxFrameHeight(o, m));
}

RelayoutWidths ForceRelayoutWidths(int width, int minFrameWidth) {
  // Widen rather than shrink a window already at its minimum; either way it
  // ends at its own width again.
  if (width - 1 < minFrameWidth) return {width + 1, width};
  return {width - 1, width};
}

}  // namespace vx::frame
