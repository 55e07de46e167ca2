#include "Sheet.h"

#include <cstdio>
#include <cstdlib>

namespace skinart {

Box Sheet::Place(const std::string& name, Box at) {
  if (places_.count(name)) {
    std::fprintf(stderr, "skinart: image %s placed twice\n", name.c_str());
    std::exit(2);
  }
  places_[name] = at;
  canvas.Claim(at, places_.find(name)->first.c_str());
  return at;
}

bool Sheet::Free(Box b) const {
  const int margin = 2;
  for (const auto& [name, p] : places_)
    if (b.l < p.r + margin && p.l < b.r + margin && b.t < p.b + margin && p.t < b.b + margin) return false;
  return true;
}

Box Sheet::Alloc(const std::string& name, int w, int h) {
  for (int y = 0; y + h <= canvas.Height(); ++y)
    for (int x = 0; x + w <= canvas.Width(); ++x) {
      Box b = At(x, y, w, h);
      if (Free(b)) return Place(name, b);
    }
  std::fprintf(stderr, "skinart: no room for %s (%dx%d) in a %dx%d picture\n", name.c_str(), w, h, canvas.Width(),
               canvas.Height());
  std::exit(2);
}

Box Sheet::operator[](const std::string& name) const {
  auto it = places_.find(name);
  if (it == places_.end()) {
    std::fprintf(stderr, "skinart: no image named %s\n", name.c_str());
    std::exit(2);
  }
  return it->second;
}

}  // namespace skinart
