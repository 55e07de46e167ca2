#include "tkStrings.h"

#include <algorithm>

namespace tk {

int TStringList::Compare(std::string_view a, std::string_view b) const {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = a[i], y = b[i];
    if (!CaseSensitive) {
      if (x >= 'A' && x <= 'Z') x += 32;
      if (y >= 'A' && y <= 'Z') y += 32;
    }
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::Changed() {
  if (OnChange) OnChange(this);
}

const std::string& TStringList::Strings(int index) const {
  Check(index);
  return items_[index].text;
}

void TStringList::SetStrings(int index, std::string s) {
  Check(index);
  items_[index].text = std::move(s);
  if (sorted_) Sort();
  Changed();
}

TObject* TStringList::Objects(int index) const {
  Check(index);
  return items_[index].object;
}

void TStringList::SetObjects(int index, TObject* object) {
  Check(index);
  items_[index].object = object;
}

// Binary search in a sorted list: true when found; index is the first match
// or where the string belongs.
bool TStringList::Find(std::string_view s, int& index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = Compare(items_[mid].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = lo;
  return found;
}

int TStringList::Add(std::string s, TObject* object) {
  int index = Count();
  if (sorted_) {
    if (Find(s, index)) {
      if (Duplicates == dupIgnore) return index;
      if (Duplicates == dupError) throw EStringListError("String list does not allow duplicates");
    }
  }
  items_.insert(items_.begin() + index, Item{std::move(s), object});
  Changed();
  return index;
}

void TStringList::Insert(int index, std::string s, TObject* object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  items_.insert(items_.begin() + index, Item{std::move(s), object});
  Changed();
}

void TStringList::Delete(int index) {
  Check(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TStringList::Exchange(int a, int b) {
  Check(a);
  Check(b);
  std::swap(items_[a], items_[b]);
  Changed();
}

int TStringList::IndexOf(std::string_view s) const {
  if (sorted_) {
    int index;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (Compare(items_[i].text, s) == 0) return i;
  return -1;
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (sorted_) {
    Sort();
    Changed();
  }
}

std::string TStringList::Text() const {
  std::string out;
  for (const Item& i : items_) {
    out += i.text;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(pos, end - pos));
    if (sorted_) {
      int index;
      bool dup = Find(line, index);
      if (!dup || Duplicates == dupAccept)
        items_.insert(items_.begin() + index, Item{std::move(line), nullptr});
      else if (Duplicates == dupError)
        throw EStringListError("String list does not allow duplicates");
    } else {
      items_.push_back(Item{std::move(line), nullptr});
    }
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  Changed();
}

std::string TStringList::Names(int index) const {
  const std::string& s = Strings(index);
  size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStringList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& s = items_[i].text;
    size_t eq = s.find('=');
    if (eq != std::string::npos && Compare(std::string_view(s).substr(0, eq), name) == 0) return i;
  }
  return -1;
}

std::string TStringList::Values(std::string_view name) const {
  int i = IndexOfName(name);
  if (i < 0) return {};
  return items_[i].text.substr(items_[i].text.find('=') + 1);
}

void TStringList::SetValues(std::string_view name, std::string value) {
  int i = IndexOfName(name);
  std::string line = std::string(name) + "=" + value;
  if (value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i >= 0) {
    SetStrings(i, std::move(line));
  } else {
    Add(std::move(line));
  }
}

}  // namespace tk
