// Replacement user-interface strings for the skinned parts: menu items,
// caption-button hints, the edit's context menu, and the texts of the dialogs
// a skinned-windows library offers. Lines are NAME=value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

class TvxResourceStrData {
 public:
  // Filled with the default English lines.
  TvxResourceStrData();

  std::vector<std::string> ResStrings;
  int CharSet = 1;  // the toolkit's default character set

  // The text after the first "=" of the first line whose name matches
  // (ignoring case); "" when no line does.
  std::string GetResStr(std::string_view name) const;

  static const std::vector<std::string>& DefaultStrings();
};

}  // namespace vx
