#include "SearchSites.h"

#include <stdexcept>

#include "KeywordEncoding.h"

namespace kinopod {
namespace {

enum class Value { Utf8, Gb2312, Raw };

struct Row {
  std::string_view SearchHosts::*host;
  const char* path;  // up to the query value
  Value value;
  bool mp4;  // " mp4" follows the keyword (before encoding for encoding rows)
};

constexpr Row kRows[kSearchSiteCount] = {
    {&SearchHosts::portal, "/search.php?srchtxt=", Value::Utf8, false},
    {&SearchHosts::site2, "/Search.asp?keyword=", Value::Gb2312, false},
    {&SearchHosts::site3, "/do/s?wd=", Value::Utf8, false},
    {&SearchHosts::site4, "/plus/search.php?kwtype=0&keyword=", Value::Raw, true},
    {&SearchHosts::site5, "/plus/search.php?kwtype=0&keyword=", Value::Raw, false},
    {&SearchHosts::searchEngine, nullptr, Value::Utf8, false},  // row 6 has a query of its own
    {&SearchHosts::site7, "/search?search=", Value::Utf8, true},
};

void AppendAscii(std::u16string& out, std::string_view s) {
  for (char c : s) out += static_cast<char16_t>(static_cast<unsigned char>(c));
}

}  // namespace

std::u16string EscapeRawQueryText(std::u16string_view text) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c < 0x20 || c == u'%' || c == u'&' || c == u'#' || c == u'+') {
      out += u'%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string SearchUrl(int row, std::u16string_view keyword, const SearchHosts& hosts) {
  if (row < 0 || row >= kSearchSiteCount) throw std::out_of_range("search site row out of range");
  const Row& r = kRows[row];
  std::u16string typed(keyword);
  if (r.mp4) typed += u" mp4";

  std::u16string value;
  if (r.value == Value::Raw) {
    value = EscapeRawQueryText(typed);
  } else {
    std::string encoded;  // stays empty when the keyword trims to nothing
    EncodeKeyword(typed, r.value == Value::Utf8 ? "utf8" : "gb2312", encoded);
    AppendAscii(value, encoded);
  }

  std::u16string url = u"http://";
  AppendAscii(url, hosts.*r.host);
  if (r.path) {
    AppendAscii(url, r.path);
    url += value;
  } else {
    AppendAscii(url, "/search?domains=");
    AppendAscii(url, hosts.restrictedHost);
    url += u"&q=";
    url += value;
    AppendAscii(url, "&sitesearch=");
    AppendAscii(url, hosts.restrictedDomain);
  }
  return url;
}

}  // namespace kinopod
