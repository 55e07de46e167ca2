// Keyword encoding against an independent reference over many random GBK
// keywords: iconv converts GBK straight to UTF-8 (not through our UTF-16
// route) and a table-free encoder percent-encodes. Native only (iconv).
#include <gtest/gtest.h>
#include <iconv.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>

#include "KeywordEncoding.h"

namespace kinopod {
namespace {

std::string GbkToUtf8(const std::string& gbk) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  std::string out(gbk.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(gbk.data());
  size_t in_left = gbk.size();
  char* dst = out.data();
  size_t out_left = out.size();
  size_t r = iconv(cd, &in, &in_left, &dst, &out_left);
  iconv_close(cd);
  EXPECT_NE(r, static_cast<size_t>(-1)) << "reference conversion failed";
  out.resize(out.size() - out_left);
  return out;
}

std::string ReferenceEncode(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    if (std::isalnum(b) && b < 0x80) {
      out += static_cast<char>(b);
    } else if (b == ' ') {
      out += '+';
    } else if (std::strchr("!$'()*-.@_", b) && b != 0) {
      out += static_cast<char>(b);
    } else {
      char buf[4];
      snprintf(buf, sizeof buf, "%%%02X", b);
      out += buf;
    }
  }
  return out;
}

std::string ReferenceTrim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
  return s.substr(b, e - b);
}

// A random keyword of GB2312 hanzi, ASCII (with blanks and reserved
// characters) and surrounding blanks or control bytes.
std::string RandomGbkKeyword(std::mt19937& rng) {
  std::uniform_int_distribution<int> kind(0, 3), len(0, 12), lead(0xB0, 0xF7), trail(0xA1, 0xFE),
      ascii(0x21, 0x7E), pad(0, 3);
  std::string s;
  for (int i = pad(rng); i > 0; --i) s += (kind(rng) == 0) ? '\t' : ' ';
  for (int i = len(rng); i > 0; --i) {
    switch (kind(rng)) {
      case 0:
      case 1: {
        int l = lead(rng), t = trail(rng);
        if (l == 0xD7 && t > 0xF9) t = 0xA1;  // the last row of GB2312 is short
        s += static_cast<char>(l);
        s += static_cast<char>(t);
        break;
      }
      case 2: s += static_cast<char>(ascii(rng)); break;
      default: s += ' ';
    }
  }
  for (int i = pad(rng); i > 0; --i) s += ' ';
  return s;
}

TEST(KeywordEncodingVectors, RandomGbkKeywordsMatchTheReference) {
  std::mt19937 rng(20261209);
  for (int n = 0; n < 2000; ++n) {
    std::string keyword = RandomGbkKeyword(rng);
    std::string trimmed = ReferenceTrim(keyword);
    std::string expect_utf8 = trimmed.empty() ? "<none>" : ReferenceEncode(GbkToUtf8(trimmed));
    std::string expect_gbk = trimmed.empty() ? "<none>" : ReferenceEncode(trimmed);

    std::string utf8 = "<none>", gbk = "<none>";
    EncodeKeyword(keyword, "utf8", utf8);
    EncodeKeyword(keyword, "gb2312", gbk);
    ASSERT_EQ(utf8, expect_utf8) << "keyword #" << n;
    ASSERT_EQ(gbk, expect_gbk) << "keyword #" << n;

    // The row that appends " mp4" before encoding: the suffix survives trimming
    // and the blank before it becomes "+" unless the keyword trims to nothing.
    std::string suffixed = "<none>";
    EncodeKeyword(keyword + " mp4", "utf8", suffixed);
    std::string expect_suffixed = ReferenceEncode(GbkToUtf8(ReferenceTrim(keyword + " mp4")));
    ASSERT_EQ(suffixed, expect_suffixed) << "keyword #" << n;
    if (trimmed.empty()) EXPECT_EQ(suffixed, "mp4");
    else EXPECT_EQ(suffixed.substr(suffixed.size() - 4), "+mp4");
  }
}

}  // namespace
}  // namespace kinopod
