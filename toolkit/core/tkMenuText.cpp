#include "tkMenuText.h"

#include <iterator>

namespace tk {

namespace {

struct KeyName {
  uint16_t key;
  const wchar_t* name;
};
// Names of the keys that are not a letter or a digit (platform key codes).
constexpr KeyName kKeyNames[] = {
    {0x08, L"BkSp"}, {0x09, L"Tab"},    {0x0D, L"Enter"}, {0x1B, L"Esc"},   {0x20, L"Space"},
    {0x21, L"PgUp"}, {0x22, L"PgDn"},   {0x23, L"End"},   {0x24, L"Home"},  {0x25, L"Left"},
    {0x26, L"Up"},   {0x27, L"Right"},  {0x28, L"Down"},  {0x2D, L"Ins"},   {0x2E, L"Del"},
    {0x6A, L"Num *"}, {0x6B, L"Num +"}, {0x6D, L"Num -"}, {0x6E, L"Num ."}, {0x6F, L"Num /"},
};

std::wstring KeyText(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, key);
  if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x70 + 1);
  if (key >= 0x60 && key <= 0x69) return L"Num " + std::to_wstring(key - 0x60);
  for (const KeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return {};
}

std::wstring Upper(std::wstring_view s) {
  std::wstring r(s);
  for (wchar_t& c : r) c = UpperChar(c);
  return r;
}

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && s.front() == L' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == L' ') s.remove_suffix(1);
  return s;
}

}  // namespace

// Our own table rather than the C library's: its answer for anything beyond
// ASCII depends on the locale the program happens to run in.
wchar_t UpperChar(wchar_t ch) {
  unsigned c = static_cast<unsigned>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<wchar_t>(c - 0x20);
  if (c < 0x80) return ch;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
      (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A))
    return static_cast<wchar_t>(c - 0x20);
  if (c == 0xFF) return static_cast<wchar_t>(0x178);
  if (c == 0x3C2) return static_cast<wchar_t>(0x3A3);  // final sigma
  if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
  // Latin Extended-A: capital and small letters alternate.
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
    bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddPairs ? (c % 2 == 0) : (c % 2 == 1)) return static_cast<wchar_t>(c - 1);
  }
  return ch;
}

std::wstring ShortCutToText(TShortCut shortCut) {
  std::wstring key = KeyText(ShortCutKey(shortCut));
  if (key.empty()) return {};
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + key;
}

TShortCut TextToShortCut(std::wstring_view text) {
  std::wstring up = Upper(text);
  std::wstring_view rest = up;
  TShortCut mods = 0;
  for (;;) {
    rest = Trim(rest);
    size_t plus = rest.find(L'+');
    // A lone "+" at the end is the key itself ("Num +").
    if (plus == std::wstring_view::npos || plus + 1 >= rest.size()) break;
    std::wstring_view word = Trim(rest.substr(0, plus));
    if (word == L"SHIFT")
      mods |= scShift;
    else if (word == L"CTRL")
      mods |= scCtrl;
    else if (word == L"ALT")
      mods |= scAlt;
    else
      break;
    rest.remove_prefix(plus + 1);
  }
  rest = Trim(rest);
  if (rest.empty()) return scNone;
  for (uint16_t key = 1; key < 0xFF; ++key) {
    std::wstring name = KeyText(key);
    if (!name.empty() && Upper(name) == rest) return ShortCut(key, mods);
  }
  return scNone;
}

wchar_t GetHotkey(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // a literal ampersand
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

std::wstring StripHotkey(std::wstring_view caption) {
  std::wstring out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 < caption.size() && caption[i + 1] == L'&') {
        out += L'&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

bool IsAccel(wchar_t ch, std::wstring_view caption) {
  wchar_t hot = GetHotkey(caption);
  return hot != 0 && ch != 0 && UpperChar(hot) == UpperChar(ch);
}

}  // namespace tk
