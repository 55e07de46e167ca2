#include "HintLayout.h"

#include <algorithm>

#include "vxNinePart.h"
#include "vxSkinDataWindows.h"

namespace vx::frame {

std::vector<std::string> HintLines(const std::string& text, const std::string& separator) {
  const std::string joined = ReplaceHintSeparator(text, separator, std::string("\n"));
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < joined.size(); ++i) {
    const char c = joined[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < joined.size() && joined[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

HintSkin HintSkinFromSkinData(const TvxSkinData* data) {
  HintSkin s;
  if (!data || data->Empty()) return s;
  const auto* rec = dynamic_cast<const TvxDataSkinHintWindow*>(&data->HintWindow());
  if (!rec) return s;
  const TvxPixmap* picture = data->Picture(rec->windowpictureindex);
  if (!picture || picture->Empty()) return s;
  s.present = true;
  s.pictureIndex = rec->windowpictureindex;
  const TvxPixmap* mask = data->Picture(rec->maskpictureindex);
  s.maskIndex = mask && !mask->Empty() ? rec->maskpictureindex : -1;
  s.pictureWidth = picture->Width();
  s.pictureHeight = picture->Height();
  s.layout = Sanitized(NinePartLayout{rec->lefttoppoint, rec->righttoppoint, rec->leftbottompoint,
                                      rec->rightbottompoint, rec->clientrect});
  s.edges = {rec->leftstretch, rec->topstretch, rec->rightstretch, rec->bottomstretch};
  s.client = {rec->stretcheffect, rec->stretchtype, true};
  s.fontName = rec->fontname;
  s.fontHeight = rec->fontheight;
  s.fontStyle = rec->fontstyle;
  s.fontColor = rec->fontcolor;
  return s;
}

HintGeometry ComputeHintGeometry(const HintSkin& skin, int textWidth, int textHeight) {
  const int tw = std::clamp(textWidth, 0, kMaxHintSide), th = std::clamp(textHeight, 0, kMaxHintSide);
  HintGeometry g;
  if (!skin.present) {
    g.width = tw + 4;
    g.height = th + 4;
    g.textRect = {2, 2, g.width - 2, g.height - 2};
    return g;
  }
  const NinePartLayout& l = skin.layout;
  const int pw = skin.pictureWidth, ph = skin.pictureHeight;
  int width = tw + l.client.left + (pw - l.client.right) + 5;
  int height = th + l.client.top + (ph - l.client.bottom);
  // Grown until no mapped corner point passes its opposite.
  width = std::max(width, pw + std::max(l.lt.x - l.rt.x, l.lb.x - l.rb.x));
  height = std::max(height, ph + std::max(l.lt.y - l.lb.y, l.rt.y - l.rb.y));
  g.width = std::clamp(width, 1, kMaxHintSide);
  g.height = std::clamp(height, 1, kMaxHintSide);
  g.mapped = MapStandardSize(l, pw, ph, g.width, g.height);
  const PixRect& c = g.mapped.client;
  const int x = c.left + c.Width() / 2 - tw / 2, y = c.top + c.Height() / 2 - th / 2;
  g.textRect = {x, y, x + tw, y + th};
  return g;
}

PixRect PlaceHint(int left, int top, int width, int height, const PixRect& workArea) {
  const PixRect area = Sanitized(workArea);
  int x = ClampToLimit(left), y = ClampToLimit(top);
  width = std::clamp(width, 0, kMaxHintSide);
  height = std::clamp(height, 0, kMaxHintSide);
  if (x + width > area.right) x -= width + 2;
  if (y + height > area.bottom) y -= height + 2;
  x = std::max(x, area.left);
  y = std::max(y, area.top);
  return {x, y, x + width, y + height};
}

int CursorDropBelowHotSpot(const std::vector<bool>& rowVisible, int hotSpotY) {
  for (int y = static_cast<int>(rowVisible.size()) - 1; y >= 0; --y)
    if (rowVisible[y]) return std::max(0, y + 1 - hotSpotY);
  return 0;
}

bool HintHasDropShadow(unsigned major, unsigned minor) { return major > 5 || (major == 5 && minor == 1); }

TvxPixmap RenderHintBackground(const TvxSkinData& data, const HintSkin& skin, const HintGeometry& g) {
  TvxPixmap target;
  const TvxPixmap* picture = data.Picture(skin.pictureIndex);
  if (!skin.present || !picture || g.width <= 0 || g.height <= 0) return target;
  DrawNinePart(*picture, {0, 0, picture->Width(), picture->Height()}, skin.layout, g.mapped, g.width, g.height,
               skin.edges, skin.client, target);
  return target;
}

std::optional<SizedRegion> HintRegion(const TvxSkinData& data, const HintSkin& skin, const HintGeometry& g) {
  const TvxPixmap* mask = data.Picture(skin.maskIndex);
  if (!skin.present || !mask || mask->Empty()) return std::nullopt;
  return SizedMaskRegion(*mask, skin.layout, g.mapped, g.width);
}

}  // namespace vx::frame
