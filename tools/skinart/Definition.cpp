#include "Definition.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "RecordKeys.h"

namespace skinart {

std::string RectText(Box b) {
  return std::to_string(b.l) + "," + std::to_string(b.t) + "," + std::to_string(b.r) + "," + std::to_string(b.b);
}
std::string PointText(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
std::string ColorText(Rgb c) { return std::to_string(ColorRef(c)); }

void Definition::Section(const std::string& name, const Values& lines) { sections_.emplace_back(name, lines); }

void Definition::Append(const Definition& other) {
  sections_.insert(sections_.end(), other.sections_.begin(), other.sections_.end());
}

void Definition::Record(const std::string& name, const std::string& recordClass, const Values& values,
                        const Values& unread) {
  const KeyTable& keys = KeysOf(recordClass);
  std::map<std::string, std::string> given;
  for (const auto& [k, v] : values) {
    bool known = false;
    for (const auto& key : keys) known = known || key.first == k;
    if (!known) {
      std::fprintf(stderr, "skinart: section %s (%s) has no key '%s'\n", name.c_str(), recordClass.c_str(), k.c_str());
      std::exit(2);
    }
    if (!given.emplace(k, v).second) {
      std::fprintf(stderr, "skinart: section %s sets '%s' twice\n", name.c_str(), k.c_str());
      std::exit(2);
    }
  }
  Values lines;
  for (const auto& [k, def] : keys) {
    auto it = given.find(k);
    lines.emplace_back(k, it != given.end() ? it->second : def);
  }
  lines.insert(lines.end(), unread.begin(), unread.end());
  sections_.emplace_back(name, lines);
}

std::string Definition::Text() const {
  std::string out;
  std::set<std::string> seen;
  for (const auto& [name, lines] : sections_) {
    if (!seen.insert(name).second) {
      std::fprintf(stderr, "skinart: section %s written twice\n", name.c_str());
      std::exit(2);
    }
    if (!out.empty()) out += "\r\n";
    out += "[" + name + "]\r\n";
    for (const auto& [k, v] : lines) out += k + "=" + v + "\r\n";
  }
  return out;
}

}  // namespace skinart
