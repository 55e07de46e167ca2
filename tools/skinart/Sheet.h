// A picture of the skin together with the named places of the images drawn on
// it. Quoted places are claimed where the design fixes them; the rest are
// found first-fit (top to bottom, left to right) around what is claimed, so a
// change of one image's size never makes two images share pixels.
#pragma once

#include <map>
#include <string>

#include "Canvas.h"

namespace skinart {

class Sheet {
 public:
  Sheet(int w, int h, Rgb fill) : canvas(w, h, fill) {}
  Canvas canvas;

  Box Place(const std::string& name, Box at);
  Box Alloc(const std::string& name, int w, int h);
  // A place by name; aborts when nothing has that name.
  Box operator[](const std::string& name) const;

 private:
  bool Free(Box b) const;
  std::map<std::string, Box> places_;
};

}  // namespace skinart
