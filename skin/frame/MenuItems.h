// A menu as the skinned menus see it: a tree of plain items (caption,
// shortcut text, flags, sub-items). The toolkit's menus and the frame's system
// menu are turned into this form before they are shown.
#pragma once

#include <string>
#include <vector>

namespace vx::frame {

struct MenuItem {
  std::string name;      // component name ("CHS_CLOSE" ...)
  std::string caption;   // "-" is a separator; "&" marks the accelerator
  std::string shortcut;  // shortcut text shown at the right ("Alt+F4")
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  bool radio = false;
  int command = 0;       // what the owner runs when the item is executed
  std::vector<MenuItem> items;

  bool IsSeparator() const { return caption == "-"; }
  // A disabled item whose caption begins and ends with "-" (drawn without them).
  bool IsTitle() const {
    return !enabled && !IsSeparator() && caption.size() >= 2 && caption.front() == '-' && caption.back() == '-';
  }
  bool Selectable() const { return enabled && !IsSeparator(); }
  bool HasSubItems() const { return !items.empty(); }
};

// The accelerator character of a caption (the one after a single "&",
// lower-cased), 0 when there is none. "&&" is a literal ampersand.
char AcceleratorOf(const std::string& caption);

}  // namespace vx::frame
