// The URLs of the seven search rows, built from the keyword as typed. Runs
// natively (iconv) and under Wine (the system's code page 936 tables).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "SearchSites.h"

namespace kinopod {
namespace {

// Every row on a host of its own, so a row sent to the wrong host shows.
const SearchHosts kHosts{"p.test", "s2.test:81", "s3.test", "s4.test", "s5.test",
                         "engine.test", "s7.test", "www.only.test", "only.test"};

std::string Narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char buf[12];
      snprintf(buf, sizeof buf, "<U+%04X>", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out;
}

std::vector<std::string> AllUrls(std::u16string_view keyword) {
  std::vector<std::string> urls;
  for (int row = 0; row < kSearchSiteCount; ++row) urls.push_back(Narrow(SearchUrl(row, keyword, kHosts)));
  return urls;
}

TEST(SearchUrl, AsciiKeywordWithBlanksAndQueryCharacters) {
  EXPECT_EQ(AllUrls(u"c++ & 50%"),
            (std::vector<std::string>{
                "http://p.test/search.php?srchtxt=c%2B%2B+%26+50%25",
                "http://s2.test:81/Search.asp?keyword=c%2B%2B+%26+50%25",
                "http://s3.test/do/s?wd=c%2B%2B+%26+50%25",
                "http://s4.test/plus/search.php?kwtype=0&keyword=c%2B%2B %26 50%25 mp4",
                "http://s5.test/plus/search.php?kwtype=0&keyword=c%2B%2B %26 50%25",
                "http://engine.test/search?domains=www.only.test&q=c%2B%2B+%26+50%25&sitesearch=only.test",
                "http://s7.test/search?search=c%2B%2B+%26+50%25+mp4",
            }));
}

TEST(SearchUrl, ChineseKeywordTakesEachRowsCharacterSet) {
  // 天空: GBK CC EC BF D5, UTF-8 E5 A4 A9 E7 A9 BA.
  const std::u16string sky = u"\u5929\u7a7a";
  std::vector<std::string> urls = AllUrls(sky);
  EXPECT_EQ(urls[0], "http://p.test/search.php?srchtxt=%E5%A4%A9%E7%A9%BA");
  EXPECT_EQ(urls[1], "http://s2.test:81/Search.asp?keyword=%CC%EC%BF%D5");
  EXPECT_EQ(urls[2], "http://s3.test/do/s?wd=%E5%A4%A9%E7%A9%BA");
  EXPECT_EQ(urls[5], "http://engine.test/search?domains=www.only.test&q=%E5%A4%A9%E7%A9%BA&sitesearch=only.test");
  EXPECT_EQ(urls[6], "http://s7.test/search?search=%E5%A4%A9%E7%A9%BA+mp4");
  // The raw rows carry the characters themselves.
  EXPECT_EQ(SearchUrl(3, sky, kHosts), u"http://s4.test/plus/search.php?kwtype=0&keyword=\u5929\u7a7a mp4");
  EXPECT_EQ(SearchUrl(4, sky, kHosts), u"http://s5.test/plus/search.php?kwtype=0&keyword=\u5929\u7a7a");
}

TEST(SearchUrl, EmptyKeywordGivesEmptyValuesButKeepsTheSuffixes) {
  for (std::u16string_view keyword : {u"", u"   "}) {
    std::vector<std::string> urls = AllUrls(keyword);
    std::string raw(keyword.size(), ' ');
    EXPECT_EQ(urls[0], "http://p.test/search.php?srchtxt=");
    EXPECT_EQ(urls[1], "http://s2.test:81/Search.asp?keyword=");
    EXPECT_EQ(urls[2], "http://s3.test/do/s?wd=");
    EXPECT_EQ(urls[3], "http://s4.test/plus/search.php?kwtype=0&keyword=" + raw + " mp4");
    EXPECT_EQ(urls[4], "http://s5.test/plus/search.php?kwtype=0&keyword=" + raw);
    EXPECT_EQ(urls[5], "http://engine.test/search?domains=www.only.test&q=&sitesearch=only.test");
    EXPECT_EQ(urls[6], "http://s7.test/search?search=mp4") << "the suffix's blank is trimmed away";
  }
}

TEST(SearchUrl, BlanksAroundTheKeywordStayOnlyInTheRawRows) {
  std::vector<std::string> urls = AllUrls(u"  ab c \t");
  EXPECT_EQ(urls[0], "http://p.test/search.php?srchtxt=ab+c");
  EXPECT_EQ(urls[1], "http://s2.test:81/Search.asp?keyword=ab+c");
  EXPECT_EQ(urls[3], "http://s4.test/plus/search.php?kwtype=0&keyword=  ab c %09 mp4");
  EXPECT_EQ(urls[4], "http://s5.test/plus/search.php?kwtype=0&keyword=  ab c %09");
  // Row 7 trims after the suffix: the trailing blanks sit before "mp4".
  EXPECT_EQ(urls[6], "http://s7.test/search?search=ab+c+%09+mp4");
}

TEST(EscapeRawQueryText, EscapesExactlyWhatWouldChangeTheQuery) {
  EXPECT_EQ(EscapeRawQueryText(u"C++"), u"C%2B%2B");
  EXPECT_EQ(EscapeRawQueryText(u"a&b=c#d%e"), u"a%26b=c%23d%25e");
  EXPECT_EQ(EscapeRawQueryText(std::u16string(u"\x01\x1f\n", 3)), u"%01%1F%0A");
  // Everything else passes as typed, blanks and non-ASCII included.
  const std::u16string kept = u" !\"$'()*,-./:;<=>?@[\\]^_`{|}~\x7f\u00e9\u5929\U0001F600";
  EXPECT_EQ(EscapeRawQueryText(kept), kept);
}

TEST(SearchUrl, RowOutsideTheTableIsRefused) {
  EXPECT_THROW(SearchUrl(-1, u"x", kHosts), std::out_of_range);
  EXPECT_THROW(SearchUrl(kSearchSiteCount, u"x", kHosts), std::out_of_range);
}

}  // namespace
}  // namespace kinopod
