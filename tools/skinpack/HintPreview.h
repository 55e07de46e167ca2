// skinpack hint: the skinned hint window for a text, drawn by the same rules
// as the program's hint window (size, background, region), so a skin author
// sees the HINTWINDOW record at work without the program. The text itself is
// the platform's: the preview marks each line's box in the font colour.
#pragma once

#include <optional>
#include <string>

#include "HintLayout.h"
#include "vxSkinData.h"

namespace vx::frame {

struct HintPreview {
  TvxPixmap image;  // pixels outside the window's region are black
  HintGeometry geometry;
  int lines = 0;
};

// `textSize` is the text's extent in pixels; without it the extent is
// estimated from the record's font height (half of it per character, the
// height plus 2 per line). Throws EvxSkinError when the skin's hints are not
// skinned.
HintPreview RenderHintPreview(const TvxSkinData& data, const std::string& text, const std::string& separator,
                              std::optional<std::pair<int, int>> textSize);

}  // namespace vx::frame
