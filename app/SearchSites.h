// The seven search sites a keyword is sent to: which row takes which host,
// path, query key, character set and " mp4" suffix, and the URL each row
// builds from the keyword. Pure functions; the hosts come from the caller
// (the program passes its build configuration, SearchHosts.cpp).
#pragma once

#include <string>
#include <string_view>

namespace kinopod {

// Host names, each optionally with ":port". ASCII only (the build refuses
// anything else for hosts).
struct SearchHosts {
  std::string_view portal;            // row 1, also the category pages' host
  std::string_view site2;             // row 2
  std::string_view site3;             // row 3
  std::string_view site4;             // row 4
  std::string_view site5;             // row 5
  std::string_view searchEngine;      // row 6
  std::string_view site7;             // row 7
  std::string_view restrictedHost;    // row 6: the one movie site the engine searches...
  std::string_view restrictedDomain;  // ...and its domain
};

inline constexpr int kSearchSiteCount = 7;

// A site chosen for a search: its row (0-based, in processing order) and the
// label its results tab is captioned with.
struct ChosenSite {
  int row = 0;
  std::wstring label;
};

// Rows 4 and 5 put the keyword into the query unencoded, blanks and Chinese
// characters included. Only what would change the query the site receives is
// escaped: '%', '&', '#', '+' and control characters (below 0x20) become %XX.
std::u16string EscapeRawQueryText(std::u16string_view text);

// The URL of row `row` (0-based, in processing order) for the keyword exactly
// as typed. Encoding rows trim and encode it (KeywordEncoding.h); rows 4 and
// 5 take it untrimmed. Hosts and the fixed parts are ASCII, so the 8-bit URL
// of the table and this UTF-16 one are the same text. Throws
// std::out_of_range for a row outside 0..6.
std::u16string SearchUrl(int row, std::u16string_view keyword, const SearchHosts& hosts);

}  // namespace kinopod

namespace kinopod {

// The hosts the program was built with. Each program (the shipped one, the
// end-to-end test's) compiles SearchHosts.cpp with its own site configuration.
const SearchHosts& ConfiguredSearchHosts();

}  // namespace kinopod
