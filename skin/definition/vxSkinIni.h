// The skin definition document: an INI-style text parsed once per skin load.
//
// Sections and lines keep their order. Lookups ignore the case of section and
// key names and take the last match: of two sections with one name only the
// later is seen, of two lines with one key the later counts. A line without
// "=" is kept as it stands but never matches a key.
//
// Lines are stored as offsets into one text arena, and each section builds a
// hash index of its keys the first time it is searched, so a hostile
// definition costs memory in proportion to its size and a lookup costs one
// hash of the key (a skin load makes thousands).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class TvxSkinIni {
 public:
  // The largest definition text accepted. The program's skin has 62 KB; this
  // leaves room for any hand-written skin while bounding the parse's memory.
  static constexpr size_t kMaxTextBytes = size_t{4} << 20;

  TvxSkinIni() = default;

  // Parses text split at CR LF, CR or LF. Throws EvxSkinError past kMaxTextBytes.
  static TvxSkinIni Parse(std::string_view text);
  // Parses lines already split.
  static TvxSkinIni ParseLines(const std::vector<std::string>& lines);

  bool SectionExists(std::string_view section) const;
  // The value of the key; false when the section or the key is absent.
  bool Find(std::string_view section, std::string_view key, std::string_view& value) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

  // The numbered keys "0" ... limit-1 that exist in the section (the last
  // section of that name), in ascending order, each with its (last) value.
  // Lets list readers cost the size of the section, whatever count claims.
  struct NumberedValue {
    int32_t Index;
    std::string_view Value;
  };
  std::vector<NumberedValue> NumberedKeys(std::string_view section, int32_t limit) const;

  // The save direction: replaces the value of the last line with this key in
  // the last section of that name, appending the line (and the section) when
  // absent.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);

  // Section names in document order (duplicates included).
  size_t SectionCount() const { return sections_.size(); }
  std::string_view SectionName(size_t i) const { return View(sections_[i].name); }
  // The lines of one section (the last of that name) as "key=value" text.
  std::vector<std::string> SectionLines(std::string_view section) const;
  // The whole document as text, lines ended by CR LF.
  std::string ToText() const;

 private:
  struct Span {
    uint32_t off = 0;
    uint32_t len = 0;
  };
  struct Line {
    Span key;  // the whole line when !hasKey
    Span value;
    bool hasKey = false;
  };
  // Open addressing over case-folded hashes; a slot holds position + 1 of the
  // last entry with that name (0: free).
  struct HashIndex {
    std::vector<uint32_t> slots;
    std::vector<uint32_t> hashes;
  };
  struct Section {
    Span name;
    std::vector<Line> lines;
    mutable HashIndex keys;
    mutable bool indexed = false;
  };

  std::string_view View(Span s) const { return std::string_view(arena_).substr(s.off, s.len); }
  Span Store(std::string_view s);
  void AddLine(std::string_view line);
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  const Line* FindLine(const Section& section, std::string_view key) const;
  void IndexSection(const Section& section) const;
  void IndexSections() const;
  template <class NameOf>
  static void BuildIndex(HashIndex& index, uint32_t count, NameOf nameOf);
  template <class NameOf>
  static uint32_t Lookup(const HashIndex& index, std::string_view name, NameOf nameOf);

  std::string arena_;
  std::vector<Section> sections_;
  mutable HashIndex sectionIndex_;
  mutable bool sectionsIndexed_ = false;
  // Position + 1 of the section found last: a record's keys are read one
  // after another from one section (0: none).
  mutable uint32_t lastSection_ = 0;
};

// Text helpers of the definition syntax, exposed for the readers and tests.
std::string_view TrimSkinText(std::string_view s);  // drops blanks and control characters at both ends
bool SameTextAscii(std::string_view a, std::string_view b);
// Integer conversion as the definition writes numbers: optional sign, decimal
// digits or "$" and hexadecimal digits (up to 32 bits). False when not a number.
bool TryStrToInt(std::string_view s, int32_t& out);

}  // namespace vx
