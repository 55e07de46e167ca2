// Turning a keyword into a search site's query value: trimmed, converted to the
// site's character set and form-encoded (blank as "+", unsafe bytes as %XX).
#pragma once

#include <string>
#include <string_view>

namespace kinopod {

// Form-style percent encoding of a byte string. Stops at the first zero byte.
std::string PercentEncodeQuery(std::string_view bytes);

// Encodes `keyword` (GBK bytes) for the charset "utf8" or "gb2312" (exact,
// case-sensitive). `result` is assigned only when there is a value: an
// unknown charset or a keyword that trims to nothing leaves it untouched.
void EncodeKeyword(std::string_view keyword, std::string_view charset, std::string& result);

// The same for a keyword typed into a Unicode edit box. "gb2312" takes the
// keyword's code page 936 bytes; "utf8" takes it straight from UTF-16, so
// characters outside GBK (and surrogate pairs) survive.
void EncodeKeyword(std::u16string_view keyword, std::string_view charset, std::string& result);

// Removes leading and trailing units of value 0x20 or less.
std::string_view TrimKeyword(std::string_view keyword);
std::u16string_view TrimKeyword(std::u16string_view keyword);

}  // namespace kinopod
