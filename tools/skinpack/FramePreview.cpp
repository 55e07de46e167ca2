#include "FramePreview.h"

#include <sstream>

#include "FrameMask.h"
#include "FramePaint.h"
#include "FrameRecords.h"
#include "FrameSizeLimits.h"
#include "QuickButtonRecords.h"
#include "vxCopy.h"

namespace vx::frame {
namespace {

std::string Str(const Rect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

// A monitor large enough that the tool's answers never depend on the screen.
const MonitorRects kBigMonitor{{0, 0, 32767, 32767}, {0, 0, 32767, 32767}};

using Preview = PreviewLayout;

}  // namespace

std::optional<TvxBorderIcons> ParseBorderIcons(const std::string& list) {
  TvxBorderIcons icons = 0;
  std::stringstream in(list);
  std::string name;
  while (std::getline(in, name, ',')) {
    if (name == "minimize") icons |= biMinimize;
    else if (name == "maximize") icons |= biMaximize;
    else if (name == "sysmenu") icons |= biSystemMenu;
    else if (name == "rollup") icons |= biRollUp;
    else if (name == "tray") icons |= biMinimizeToTray;
    else if (!name.empty()) return std::nullopt;
  }
  return icons;
}

void PrintFramePreview(std::FILE* out, const TvxSkinData& data, int w, int h, TvxBorderIcons icons) {
  const Preview p(data, w, h, icons);
  std::fprintf(out, "client %s\n", Str(CalcClientRect({0, 0, w, h}, p.skin, p.options)).c_str());
  std::fprintf(out, "caption %s\n", Str(p.geometry.caption).c_str());
  std::fprintf(out, "min %dx%d\n", MinFrameWidth(p.skin, p.options, kBigMonitor, {}),
               MinFrameHeight(p.skin, p.options, kBigMonitor, {}));
  for (const FrameObject& o : p.objects)
    std::fprintf(out, "object %s %s visible=%d enabled=%d\n", o.IDName.c_str(), Str(o.rect).c_str(),
                 o.Visible ? 1 : 0, o.Enabled ? 1 : 0);
}

HitCode FrameHitTestPreview(const TvxSkinData& data, int w, int h, int x, int y, TvxBorderIcons icons) {
  const Preview p(data, w, h, icons);
  const MaskStrips strips = CutFrameMaskStrips(data.MaskPicture, p.skin, p.geometry);
  HitTestInput in;
  in.skin = &p.skin;
  in.options = &p.options;
  in.geometry = &p.geometry;
  in.objects = &p.objects;
  in.strips = p.skin.hasMask ? &strips : nullptr;
  return HitTestFrame(in, x, y, w, h);
}

}  // namespace vx::frame

namespace vx::frame {

TvxPixmap RenderQuickButtonsPreview(const TvxSkinData& data, int w, int h, TvxBorderIcons icons, bool inactive,
                                    int quick, int hot, bool divider) {
  constexpr int kSide = 16;
  std::vector<TvxPixmap> images;
  std::vector<QuickButton> buttons(static_cast<size_t>(std::max(0, quick)));
  std::vector<QuickButton*> refs;
  for (int i = 0; i < quick; ++i) {
    // Colours around the hue circle, each square framed a shade darker.
    const int r = (i * 97 + 200) % 256, g = (i * 53 + 80) % 256, b = (i * 151 + 40) % 256;
    TvxPixmap image(kSide, kSide, MakePixel(r, g, b));
    for (int k = 0; k < kSide; ++k)
      for (const auto& [x, y] : {std::pair{k, 0}, {k, kSide - 1}, {0, k}, {kSide - 1, k}})
        image.Set(x, y, MakePixel(r / 2, g / 2, b / 2));
    images.push_back(std::move(image));
    buttons[i].imageIndex = i;
    buttons[i].hot = i == hot;
    refs.push_back(&buttons[i]);
  }
  QuickButtonsPaint paint;
  paint.items = refs;
  paint.looks.imageWidth = paint.looks.imageHeight = kSide;
  paint.looks.drawImage = [&images](TvxPixmap& canvas, int x, int y, int index, bool) {
    if (index < 0 || index >= static_cast<int>(images.size())) return;
    CopyRect(images[index], {0, 0, kSide, kSide}, canvas, {x, y, x + kSide, y + kSide});
  };
  QuickButtonBackgroundFromSkinData(data, paint.looks);
  return RenderFramePreview(data, w, h, icons, inactive, &paint, divider);
}

}  // namespace vx::frame
