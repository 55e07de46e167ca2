// Key tables of the record classes, for writing complete record sections:
// each class's keys in reading order (base class keys first) with the value a
// missing key reads as.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace skinart {

using KeyTable = std::vector<std::pair<std::string, std::string>>;
// Record classes by their definition type ("button", "tab", ...) plus the
// window sections ("FORMINFO", "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW").
// Aborts on an unknown class.
const KeyTable& KeysOf(const std::string& recordClass);

}  // namespace skinart
