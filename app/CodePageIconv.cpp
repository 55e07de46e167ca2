// Code page 936 through iconv, for the native builds and their tests.
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "CodePage.h"

namespace kinopod {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as it can; returns the bytes consumed and appends the output.
  size_t Convert(const char* in, size_t len, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    size_t left = len;
    char buf[256];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, dst - buf);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    return len - left;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::u16string Cp936ToUtf16(std::string_view bytes) {
  Converter conv("UTF-16LE", "CP936");
  std::u16string result;
  size_t pos = 0;
  while (pos < bytes.size()) {
    std::string raw;
    pos += conv.Convert(bytes.data() + pos, bytes.size() - pos, raw);
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
      result += static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                      static_cast<unsigned char>(raw[i + 1]) << 8);
    }
    if (pos < bytes.size()) {  // an invalid or cut-off sequence: one byte becomes '?'
      result += u'?';
      ++pos;
    }
  }
  return result;
}

std::string Utf16ToCp936(std::u16string_view text) {
  Converter conv("CP936", "UTF-16LE");
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t units = 1;
    // A pair only when a low surrogate follows: a lone high surrogate must not
    // take the next character down with it.
    if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      units = 2;
    char raw[4];
    for (size_t k = 0; k < units; ++k) {
      raw[2 * k] = static_cast<char>(text[i + k] & 0xFF);
      raw[2 * k + 1] = static_cast<char>(text[i + k] >> 8);
    }
    std::string out;
    if (conv.Convert(raw, 2 * units, out) == 2 * units && !out.empty()) {
      result += out;
    } else {
      result += '?';
    }
    i += units - 1;
  }
  return result;
}

}  // namespace kinopod
