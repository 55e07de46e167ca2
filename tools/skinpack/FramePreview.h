// skinpack frame / hittest: the frame rules run on any skin file, so skin
// authors can check where the client area, the caption and the caption
// buttons land and which hit-test code a point gets, without the program.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "FramePaint.h"
#include "FrameTypes.h"
#include "vxSkinData.h"

namespace vx::frame {

// "minimize,maximize,sysmenu,rollup,tray" (any subset; empty: none); nullopt
// for an unknown name.
std::optional<TvxBorderIcons> ParseBorderIcons(const std::string& list);

// Prints `client`, `caption`, `min` and one `object` line per frame object
// for a window of width x height in skin mode.
void PrintFramePreview(std::FILE* out, const TvxSkinData& data, int width, int height, TvxBorderIcons icons);

// The frame as `frame --render` draws it, with `quick` generated quick
// buttons (16 x 16 squares of distinct colours) on the caption; `hot` (or -1)
// shows that button's hover background, and `divider` the caption's divider.
TvxPixmap RenderQuickButtonsPreview(const TvxSkinData& data, int width, int height, TvxBorderIcons icons,
                                    bool inactive, int quick, int hot, bool divider = true);

// The hit-test code of (x, y) for a normal, resizable window of that size.
HitCode FrameHitTestPreview(const TvxSkinData& data, int width, int height, int x, int y, TvxBorderIcons icons);

}  // namespace vx::frame
