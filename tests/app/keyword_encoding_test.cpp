// Keyword encoding: the fixed cases every build must reproduce byte for byte.
// Runs natively (iconv) and under Wine (the system's code page 936 tables).
#include <gtest/gtest.h>

#include <string>

#include "CodePage.h"
#include "KeywordEncoding.h"

namespace kinopod {
namespace {

std::string Encoded(std::string_view keyword, std::string_view charset) {
  std::string result = "<untouched>";
  EncodeKeyword(keyword, charset, result);
  return result;
}

std::string Encoded(std::u16string_view keyword, std::string_view charset) {
  std::string result = "<untouched>";
  EncodeKeyword(keyword, charset, result);
  return result;
}

TEST(PercentEncodeQuery, BlankBecomesPlusAndReservedCharactersAreEscaped) {
  EXPECT_EQ(PercentEncodeQuery("a b"), "a+b");
  EXPECT_EQ(PercentEncodeQuery("C++"), "C%2B%2B");
  EXPECT_EQ(PercentEncodeQuery("50%"), "50%25");
  EXPECT_EQ(PercentEncodeQuery("x/y?z=1&w"), "x%2Fy%3Fz%3D1%26w");
  EXPECT_EQ(PercentEncodeQuery("a.b_c-d@e"), "a.b_c-d@e");
  EXPECT_EQ(PercentEncodeQuery("\xE4"), "%E4");
  EXPECT_EQ(PercentEncodeQuery("\t"), "%09");
  EXPECT_EQ(PercentEncodeQuery("~"), "%7E");
  EXPECT_EQ(PercentEncodeQuery(""), "");
}

TEST(PercentEncodeQuery, SafeSetIsExactlyTheSeventyTwoBytes) {
  const std::string punctuation = "!$'()*-.@_";
  int safe = 0;
  for (int b = 1; b < 256; ++b) {
    std::string in(1, static_cast<char>(b));
    std::string out = PercentEncodeQuery(in);
    bool expect_safe = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                       punctuation.find(static_cast<char>(b)) != std::string::npos;
    if (b == ' ') {
      EXPECT_EQ(out, "+");
    } else if (expect_safe) {
      EXPECT_EQ(out, in) << "byte " << b;
      ++safe;
    } else {
      char hex[4];
      snprintf(hex, sizeof hex, "%%%02X", b);
      EXPECT_EQ(out, hex) << "byte " << b;
    }
  }
  EXPECT_EQ(safe, 72);
}

TEST(PercentEncodeQuery, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(PercentEncodeQuery(std::string_view("ab\0cd", 5)), "ab");
  EXPECT_EQ(PercentEncodeQuery(std::string_view("\0x", 2)), "");
}

TEST(EncodeKeyword, Utf8ConvertsFromCodePage936) {
  EXPECT_EQ(Encoded("\xD6\xD0", "utf8"), "%E4%B8%AD");
  EXPECT_EQ(Encoded("\xCC\xEC\xBF\xD5", "utf8"), "%E5%A4%A9%E7%A9%BA");  // 天空
}

TEST(EncodeKeyword, Gb2312TakesTheBytesAsTheyAre) {
  EXPECT_EQ(Encoded("\xD6\xD0", "gb2312"), "%D6%D0");
  EXPECT_EQ(Encoded("\xCC\xEC\xBF\xD5", "gb2312"), "%CC%EC%BF%D5");
}

TEST(EncodeKeyword, TrimsBlanksAndControlBytesButNotHighBytes) {
  EXPECT_EQ(Encoded("  abc  ", "utf8"), "abc");
  EXPECT_EQ(Encoded("\t\r\nabc\x01", "gb2312"), "abc");
  EXPECT_EQ(Encoded("abc mp4", "utf8"), "abc+mp4");
  EXPECT_EQ(Encoded(" mp4", "utf8"), "mp4");
  EXPECT_EQ(Encoded(" \xD6\xD0 ", "gb2312"), "%D6%D0");
}

TEST(EncodeKeyword, NoValueLeavesTheResultUntouched) {
  EXPECT_EQ(Encoded("  ", "utf8"), "<untouched>");
  EXPECT_EQ(Encoded("", "gb2312"), "<untouched>");
  EXPECT_EQ(Encoded("abc", "UTF8"), "<untouched>");
  EXPECT_EQ(Encoded("abc", "utf-8"), "<untouched>");
  EXPECT_EQ(Encoded("abc", ""), "<untouched>");
}

TEST(EncodeKeywordUnicode, MatchesTheCodePageRoute) {
  EXPECT_EQ(Encoded(u"\u5929\u7a7a", "utf8"), "%E5%A4%A9%E7%A9%BA");
  EXPECT_EQ(Encoded(u"\u5929\u7a7a", "gb2312"), "%CC%EC%BF%D5");
  EXPECT_EQ(Encoded(u" C++ mp4 ", "utf8"), "C%2B%2B+mp4");
  EXPECT_EQ(Encoded(u"   ", "utf8"), "<untouched>");
  EXPECT_EQ(Encoded(u"abc", "Gb2312"), "<untouched>");
}

TEST(EncodeKeywordUnicode, SurrogatesBecomeFourByteUtf8OrReplacement) {
  EXPECT_EQ(Encoded(u"\U0001F3AC", "utf8"), "%F0%9F%8E%AC");            // clapper board
  EXPECT_EQ(Encoded(std::u16string(1, u'\xD83C'), "utf8"), "%EF%BF%BD");  // lone high
  EXPECT_EQ(Encoded(std::u16string(u"a\xDC00" "b"), "utf8"), "a%EF%BF%BDb");
}

TEST(CodePage936, RoundTripsChineseText) {
  EXPECT_EQ(Cp936ToUtf16("\xCC\xEC\xBF\xD5"), u"\u5929\u7a7a");
  EXPECT_EQ(Utf16ToCp936(u"\u5929\u7a7a"), "\xCC\xEC\xBF\xD5");
  EXPECT_EQ(Utf16ToCp936(u"psp\u4e13\u7528"), "psp\xD7\xA8\xD3\xC3");
  EXPECT_EQ(Utf16ToCp936(u"a\u0e01b"), "a?b");  // Thai is not in GBK
}

TEST(CodePage936, LoneSurrogatesBecomeOneQuestionMarkAndKeepTheirNeighbours) {
  EXPECT_EQ(Utf16ToCp936(std::u16string(u"\xD83C" "A\u5929")), "?A\xCC\xEC");
  EXPECT_EQ(Utf16ToCp936(std::u16string(u"\xD83C\xD83C" "b")), "??b");
  EXPECT_EQ(Utf16ToCp936(std::u16string(u"x\xDC00" "y")), "x?y");
  EXPECT_EQ(Utf16ToCp936(std::u16string(u"z\xD83C")), "z?");
}

}  // namespace
}  // namespace kinopod
