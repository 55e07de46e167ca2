#include "vxSkinIni.h"

#include <algorithm>

#include "vxSkinErrors.h"

namespace vx {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive three-way comparison over ASCII letters.
int CompareText(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(LowerAscii(a[i]));
    unsigned char cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

uint32_t HashText(std::string_view s) {
  uint32_t h = 2166136261u;
  for (char c : s) h = (h ^ static_cast<unsigned char>(LowerAscii(c))) * 16777619u;
  return h;
}

// "0", "17": the canonical decimal spelling a numbered key must have to match
// the key its index is written as.
bool CanonicalIndex(std::string_view key, int64_t& out) {
  if (key.empty() || key.size() > 10) return false;
  if (key.size() > 1 && key[0] == '0') return false;
  int64_t v = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return true;
}

}  // namespace

std::string_view TrimSkinText(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  // Names are nearly always spelt alike: the exact comparison settles most.
  return a.size() == b.size() && (a == b || CompareText(a, b) == 0);
}

bool TryStrToInt(std::string_view s, int32_t& out) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size()) return false;
  uint64_t v = 0;
  if (s[i] == '$') {
    if (++i >= s.size()) return false;
    for (; i < s.size(); ++i) {
      char c = s[i];
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else return false;
      v = v * 16 + d;
      if (v > 0xFFFFFFFFu) return false;
    }
    // Hexadecimal spells the 32-bit pattern: $FF000005 is a negative integer.
    uint32_t bits = static_cast<uint32_t>(v);
    if (negative) bits = 0u - bits;
    out = static_cast<int32_t>(bits);
    return true;
  }
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > 0x80000000u) return false;
  }
  if (!negative && v > 0x7FFFFFFFu) return false;
  out = negative ? static_cast<int32_t>(-static_cast<int64_t>(v)) : static_cast<int32_t>(v);
  return true;
}

TvxSkinIni::Span TvxSkinIni::Store(std::string_view s) {
  if (arena_.size() + s.size() > UINT32_MAX) throw EvxSkinError("skin definition too large");
  Span span{static_cast<uint32_t>(arena_.size()), static_cast<uint32_t>(s.size())};
  arena_.append(s);
  return span;
}

TvxSkinIni TvxSkinIni::Parse(std::string_view text) {
  if (text.size() > kMaxTextBytes) throw EvxSkinError("skin definition too large");
  TvxSkinIni ini;
  ini.arena_.assign(text);  // lines refer to this copy; nothing more is copied while parsing
  std::string_view all(ini.arena_);
  // The next CR and the next LF are each found with one memchr and kept until
  // passed: find_first_of looks every character up in the set with a library
  // call, which was a tenth of a skin load.
  size_t pos = 0, cr = all.find('\r'), lf = all.find('\n');
  while (pos < all.size()) {
    if (cr < pos) cr = all.find('\r', pos);
    if (lf < pos) lf = all.find('\n', pos);
    size_t end = std::min({cr, lf, all.size()});
    ini.AddLine(all.substr(pos, end - pos));
    if (end < all.size() && all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n') ++end;
    pos = end + 1;
  }
  return ini;
}

TvxSkinIni TvxSkinIni::ParseLines(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  if (total > kMaxTextBytes) throw EvxSkinError("skin definition too large");
  TvxSkinIni ini;
  ini.arena_.reserve(total);
  for (const auto& l : lines) ini.arena_.append(l).append("\r\n");
  std::string_view all(ini.arena_);
  size_t pos = 0;
  for (const auto& l : lines) {
    ini.AddLine(all.substr(pos, l.size()));
    pos += l.size() + 2;
  }
  return ini;
}

// `line` views the arena, so spans are taken by offset without copying.
void TvxSkinIni::AddLine(std::string_view line) {
  std::string_view t = TrimSkinText(line);
  if (t.empty() || t[0] == ';') return;
  auto spanOf = [this](std::string_view part) {
    return Span{static_cast<uint32_t>(part.data() - arena_.data()), static_cast<uint32_t>(part.size())};
  };
  if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
    Section s;
    s.name = spanOf(TrimSkinText(t.substr(1, t.size() - 2)));
    sections_.push_back(std::move(s));
    sectionsIndexed_ = false;
    lastSection_ = 0;
    return;
  }
  if (sections_.empty()) return;
  Line l;
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) {
    l.key = spanOf(t);
  } else {
    l.hasKey = true;
    l.key = spanOf(TrimSkinText(t.substr(0, eq)));
    l.value = spanOf(TrimSkinText(t.substr(eq + 1)));
  }
  sections_.back().lines.push_back(l);
}

template <class NameOf>
void TvxSkinIni::BuildIndex(HashIndex& index, uint32_t count, NameOf nameOf) {
  size_t size = 16;
  while (size < size_t{count} * 2) size *= 2;
  index.slots.assign(size, 0);
  index.hashes.assign(size, 0);
  const size_t mask = size - 1;
  for (uint32_t i = 0; i < count; ++i) {
    std::string_view name;
    if (!nameOf(i, name)) continue;
    const uint32_t h = HashText(name);
    for (size_t slot = h & mask;; slot = (slot + 1) & mask) {
      if (index.slots[slot] == 0) {
        index.slots[slot] = i + 1;
        index.hashes[slot] = h;
        break;
      }
      std::string_view other;
      nameOf(index.slots[slot] - 1, other);
      if (index.hashes[slot] == h && SameTextAscii(other, name)) {
        index.slots[slot] = i + 1;  // a later entry of the name replaces the earlier
        break;
      }
    }
  }
}

template <class NameOf>
uint32_t TvxSkinIni::Lookup(const HashIndex& index, std::string_view name, NameOf nameOf) {
  if (index.slots.empty()) return 0;
  const size_t mask = index.slots.size() - 1;
  const uint32_t h = HashText(name);
  for (size_t slot = h & mask; index.slots[slot] != 0; slot = (slot + 1) & mask) {
    if (index.hashes[slot] != h) continue;
    std::string_view other;
    nameOf(index.slots[slot] - 1, other);
    if (SameTextAscii(other, name)) return index.slots[slot];
  }
  return 0;
}

void TvxSkinIni::IndexSections() const {
  if (sectionsIndexed_) return;
  BuildIndex(sectionIndex_, static_cast<uint32_t>(sections_.size()), [this](uint32_t i, std::string_view& n) {
    n = View(sections_[i].name);
    return true;
  });
  sectionsIndexed_ = true;
}

const TvxSkinIni::Section* TvxSkinIni::FindSection(std::string_view name) const {
  if (lastSection_ && SameTextAscii(View(sections_[lastSection_ - 1].name), name)) return &sections_[lastSection_ - 1];
  IndexSections();
  const uint32_t found = Lookup(sectionIndex_, name, [this](uint32_t i, std::string_view& n) {
    n = View(sections_[i].name);
    return true;
  });
  if (found) lastSection_ = found;
  return found ? &sections_[found - 1] : nullptr;
}

TvxSkinIni::Section* TvxSkinIni::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const TvxSkinIni*>(this)->FindSection(name));
}

void TvxSkinIni::IndexSection(const Section& section) const {
  if (section.indexed) return;
  BuildIndex(section.keys, static_cast<uint32_t>(section.lines.size()), [&](uint32_t i, std::string_view& n) {
    n = View(section.lines[i].key);
    return section.lines[i].hasKey;
  });
  section.indexed = true;
}

const TvxSkinIni::Line* TvxSkinIni::FindLine(const Section& section, std::string_view key) const {
  IndexSection(section);
  const uint32_t found = Lookup(section.keys, key, [&](uint32_t i, std::string_view& n) {
    n = View(section.lines[i].key);
    return true;
  });
  return found ? &section.lines[found - 1] : nullptr;
}

bool TvxSkinIni::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TvxSkinIni::Find(std::string_view section, std::string_view key, std::string_view& value) const {
  const Section* s = FindSection(section);
  if (!s) return false;
  const Line* l = FindLine(*s, key);
  if (!l) return false;
  value = View(l->value);
  return true;
}

std::string TvxSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  std::string_view v;
  return std::string(Find(section, key, v) ? v : def);
}

int32_t TvxSkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  std::string_view v;
  if (!Find(section, key, v)) return def;
  int32_t out;
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    std::string dollar = "$";
    dollar.append(v.substr(2));
    return TryStrToInt(dollar, out) ? out : def;
  }
  return TryStrToInt(v, out) ? out : def;
}

std::vector<TvxSkinIni::NumberedValue> TvxSkinIni::NumberedKeys(std::string_view section, int32_t limit) const {
  std::vector<NumberedValue> found;
  const Section* s = FindSection(section);
  if (!s || limit <= 0) return found;
  std::vector<std::pair<int64_t, uint32_t>> hits;
  for (uint32_t i = 0; i < s->lines.size(); ++i) {
    const Line& l = s->lines[i];
    int64_t index;
    if (l.hasKey && CanonicalIndex(View(l.key), index) && index < limit) hits.emplace_back(index, i);
  }
  std::sort(hits.begin(), hits.end());
  for (size_t i = 0; i < hits.size(); ++i) {
    if (i + 1 < hits.size() && hits[i + 1].first == hits[i].first) continue;  // a later line of the key counts
    found.push_back({static_cast<int32_t>(hits[i].first), View(s->lines[hits[i].second].value)});
  }
  return found;
}

void TvxSkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = FindSection(section);
  if (!s) {
    Section fresh;
    fresh.name = Store(section);
    sections_.push_back(std::move(fresh));
    sectionsIndexed_ = false;
    lastSection_ = 0;
    s = &sections_.back();
  }
  if (const Line* found = FindLine(*s, key)) {
    const_cast<Line*>(found)->value = Store(value);
    return;
  }
  Line l;
  l.hasKey = true;
  l.key = Store(key);
  l.value = Store(value);
  s->lines.push_back(l);
  s->indexed = false;
}

void TvxSkinIni::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

std::vector<std::string> TvxSkinIni::SectionLines(std::string_view section) const {
  std::vector<std::string> out;
  const Section* s = FindSection(section);
  if (!s) return out;
  for (const Line& l : s->lines) {
    std::string text(View(l.key));
    if (l.hasKey) text.append("=").append(View(l.value));
    out.push_back(std::move(text));
  }
  return out;
}

std::string TvxSkinIni::ToText() const {
  std::string out;
  for (const Section& s : sections_) {
    out.append("[").append(View(s.name)).append("]\r\n");
    for (const Line& l : s.lines) {
      out.append(View(l.key));
      if (l.hasKey) out.append("=").append(View(l.value));
      out.append("\r\n");
    }
  }
  return out;
}

}  // namespace vx
