// The skin definition text as the generator writes it: ordered sections of
// key=value lines, CR LF line ends. Each record section is written from the
// key table of its record class (RecordKeys), so every section lists all the
// keys its class reads, in reading order, with the class defaults wherever the
// design sets no value; a value for a key the class does not read is a
// generator error.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Canvas.h"

namespace skinart {

std::string RectText(Box b);
std::string PointText(int x, int y);
std::string ColorText(Rgb c);

class Definition {
 public:
  using Values = std::vector<std::pair<std::string, std::string>>;
  // A free-form section (VERSION, PICTURES, SKINCOLORS, the lists).
  void Section(const std::string& name, const Values& lines);
  // A record section: every key of the class in order, overridden by `values`.
  // `unread` lines follow the class keys: keys a skin may carry for other
  // readers that no record of this engine reads.
  void Record(const std::string& name, const std::string& recordClass, const Values& values,
              const Values& unread = {});
  void Append(const Definition& other);
  std::string Text() const;
  size_t SectionCount() const { return sections_.size(); }

 private:
  std::vector<std::pair<std::string, Values>> sections_;
};

}  // namespace skinart
