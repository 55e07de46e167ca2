// Menu captions and shortcuts as text: the "&" accelerator of a caption and
// the key names shown at the right of a menu item ("Ctrl+S", "Alt+F4").
//
// Accelerators match without regard to case (Latin, Greek, Cyrillic ...
// letters alike), so Alt+F and Alt+f find "&File".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

// A key with modifiers: the virtual key in the low byte, the modifiers above.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

inline TShortCut ShortCut(uint16_t key, TShortCut modifiers) {
  return static_cast<TShortCut>((key & 0xFF) | modifiers);
}
inline uint16_t ShortCutKey(TShortCut s) { return s & 0xFF; }

// "Ctrl+Shift+S", "Alt+F4", "Del"; empty for scNone or an unnamed key.
std::wstring ShortCutToText(TShortCut shortCut);
// The reverse, ignoring case and blanks around "+"; scNone when unreadable.
TShortCut TextToShortCut(std::wstring_view text);

// The accelerator of a caption: the character after a single "&", 0 when
// there is none. "&&" is a literal ampersand and never an accelerator.
wchar_t GetHotkey(std::wstring_view caption);
// The caption as shown: every "&" marker removed, "&&" as one "&".
std::wstring StripHotkey(std::wstring_view caption);
// Whether `ch` is the caption's accelerator, ignoring case.
bool IsAccel(wchar_t ch, std::wstring_view caption);
// Upper case of one character for comparisons (unchanged when it has none).
wchar_t UpperChar(wchar_t ch);

}  // namespace tk
