// A list of strings with an object pointer per line, the toolkit's general
// container for lines of text (menu captions, hint lines, name=value lists).
// Comparisons ignore ASCII case unless CaseSensitive is set.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tkComponent.h"

namespace tk {

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

class TStringList : public TObject {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Index outside 0..Count-1 raises EStringListError.
  const std::string& Strings(int index) const;
  void SetStrings(int index, std::string s);
  TObject* Objects(int index) const;
  void SetObjects(int index, TObject* object);

  // In a sorted list Add places the string by order (and applies Duplicates)
  // and returns where it went; Insert is refused there.
  int Add(std::string s, TObject* object = nullptr);
  void Insert(int index, std::string s, TObject* object = nullptr);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);
  int IndexOf(std::string_view s) const;
  void Sort();

  // Lines joined by CR LF; setting splits on CR LF, LF or CR.
  std::string Text() const;
  void SetText(std::string_view text);

  // "name=value" lines.
  std::string Names(int index) const;
  std::string Values(std::string_view name) const;
  void SetValues(std::string_view name, std::string value);
  int IndexOfName(std::string_view name) const;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates = dupIgnore;
  bool CaseSensitive = false;
  TNotifyEvent OnChange;

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  int Compare(std::string_view a, std::string_view b) const;
  bool Find(std::string_view s, int& index) const;
  void Check(int index) const;
  void Changed();

  std::vector<Item> items_;
  bool sorted_ = false;
};

}  // namespace tk
