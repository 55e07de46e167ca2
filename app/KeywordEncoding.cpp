#include "KeywordEncoding.h"

#include <cstdint>

#include "CodePage.h"

namespace kinopod {
namespace {

// Bytes 0x20..0x7F that pass unchanged, one bit each (bit i = byte 0x20 + i):
// letters, digits and ! $ ' ( ) * - . @ _
constexpr uint8_t kSafe[12] = {0x92, 0x67, 0xFF, 0x03, 0xFF, 0xFF,
                               0xFF, 0x87, 0xFE, 0xFF, 0xFF, 0x07};

constexpr bool IsSafe(uint8_t b) {
  if (b < 0x20 || b > 0x7F) return false;
  unsigned i = b - 0x20;
  return (kSafe[i / 8] >> (i % 8)) & 1;
}

template <typename Char>
std::basic_string_view<Char> Trim(std::basic_string_view<Char> s) {
  auto blank = [](Char c) { return static_cast<std::make_unsigned_t<Char>>(c) <= 0x20; };
  size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

}  // namespace

std::string PercentEncodeQuery(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out(bytes.size() * 3, '\0');
  char* w = out.data();
  for (char c : bytes) {
    auto b = static_cast<uint8_t>(c);
    if (b == 0) break;
    if (IsSafe(b)) {
      *w++ = c;
    } else if (b == ' ') {
      *w++ = '+';
    } else {
      *w++ = '%';
      *w++ = kHex[b >> 4];
      *w++ = kHex[b & 15];
    }
  }
  out.resize(w - out.data());
  return out;
}

std::string_view TrimKeyword(std::string_view keyword) { return Trim(keyword); }
std::u16string_view TrimKeyword(std::u16string_view keyword) { return Trim(keyword); }

void EncodeKeyword(std::string_view keyword, std::string_view charset, std::string& result) {
  if (charset == "utf8") {
    std::string_view trimmed = Trim(keyword);
    if (!trimmed.empty()) result = PercentEncodeQuery(Utf16ToUtf8(Cp936ToUtf16(trimmed)));
  } else if (charset == "gb2312") {
    std::string_view trimmed = Trim(keyword);
    if (!trimmed.empty()) result = PercentEncodeQuery(trimmed);
  }
}

void EncodeKeyword(std::u16string_view keyword, std::string_view charset, std::string& result) {
  if (charset == "utf8") {
    std::u16string_view trimmed = Trim(keyword);
    if (!trimmed.empty()) result = PercentEncodeQuery(Utf16ToUtf8(trimmed));
  } else if (charset == "gb2312") {
    std::u16string_view trimmed = Trim(keyword);
    if (!trimmed.empty()) result = PercentEncodeQuery(Utf16ToCp936(trimmed));
  }
}

}  // namespace kinopod
