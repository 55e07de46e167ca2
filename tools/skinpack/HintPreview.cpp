#include "HintPreview.h"

#include <algorithm>

#include "vxSkinErrors.h"

namespace vx::frame {
namespace {

// Code points of a UTF-8 line (continuation bytes are not counted).
int Characters(const std::string& line) {
  return static_cast<int>(std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

Pixel FontPixel(TvxColor c) {
  const uint32_t v = static_cast<uint32_t>(c);
  return 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

}  // namespace

HintPreview RenderHintPreview(const TvxSkinData& data, const std::string& text, const std::string& separator,
                              std::optional<std::pair<int, int>> textSize) {
  const HintSkin skin = HintSkinFromSkinData(&data);
  if (!skin.present) throw EvxSkinError("the skin's hints are not skinned (HINTWINDOW has no window picture)");
  const std::vector<std::string> lines = HintLines(text, separator);
  const int lineHeight = std::clamp(skin.fontHeight, 1, 256) + 2, charWidth = std::max(1, skin.fontHeight / 2);
  int widest = 0;
  for (const std::string& l : lines) widest = std::max(widest, Characters(l));
  const int tw = textSize ? textSize->first : std::min(widest, kMaxHintSide) * charWidth;
  const int th = textSize ? textSize->second : static_cast<int>(std::min<size_t>(lines.size(), 1024)) * lineHeight;

  HintPreview p;
  p.lines = static_cast<int>(lines.size());
  p.geometry = ComputeHintGeometry(skin, tw, th);
  p.image = RenderHintBackground(data, skin, p.geometry);
  if (const auto region = HintRegion(data, skin, p.geometry)) {
    for (int y = 0; y < p.image.Height(); ++y)
      for (int x = 0; x < p.image.Width(); ++x)
        if (!SizedRegionContains(*region, x, y)) p.image.Set(x, y, 0xFF000000u);
  }
  // Each line's box: a bar through its middle, as wide as its text.
  const PixRect& box = p.geometry.textRect;
  const int rowHeight = p.lines > 0 ? std::max(1, box.Height() / p.lines) : 1;
  const Pixel ink = FontPixel(skin.fontColor);
  for (int i = 0; i < p.lines; ++i) {
    const int width = widest > 0 ? box.Width() * Characters(lines[i]) / widest : 0;
    const int top = box.top + i * rowHeight + rowHeight / 3, bottom = box.top + i * rowHeight + rowHeight * 2 / 3;
    for (int y = std::max(0, top); y < std::min(bottom, p.image.Height()); ++y)
      for (int x = std::max(0, box.left); x < std::min(box.left + width, p.image.Width()); ++x)
        p.image.Set(x, y, ink);
  }
  return p;
}

}  // namespace vx::frame
