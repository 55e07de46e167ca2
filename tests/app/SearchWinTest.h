// What the search tests under Wine share: the loopback server every site
// host points at (this program's site configuration), and a fixture with the
// program's four forms, bounded message pumping and resource readings.
// Included by one source file per test program.
#pragma once

#include <gtest/gtest.h>

#include "LoopbackServer.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "CategoryPages.h"
#include "Lantern.h"
#include "LntProcess.h"
#include "SearchSites.h"
#include "MainWindow.h"
#include "CategoryBrowser.h"
#include "SearchResults.h"
#include "SiteDialog.h"
#include "kinopod/site_config.h"
#include "resource_counts.h"

using kinopod::lnt::TDownloadControlOption;
using kinopod::lnt::TLantern;

namespace {

LoopbackServer& Server() {
  static LoopbackServer server;
  return server;
}

std::string LoopbackHost() { return "127.0.0.1:" + std::to_string(Server().Port()); }

}  // namespace

// This program's site configuration: every host on the test's server.
namespace kinopod {

const SearchHosts& ConfiguredSearchHosts() {
  static const std::string host = LoopbackHost();
  static const SearchHosts hosts{host, host, host, host, host, host, host, host, "127.0.0.1"};
  return hosts;
}

std::wstring CategoryUrl(const wchar_t* path) {
  std::string host = LoopbackHost();
  return L"http://" + std::wstring(host.begin(), host.end()) + path;
}

}  // namespace kinopod

namespace {

class Witness : public tk::TComponent {
 public:
  Witness(tk::TComponent* owner, int& gone) : tk::TComponent(owner), gone_(gone) {}
  ~Witness() override { ++gone_; }

 private:
  int& gone_;
};

const std::wstring kLabels[kinopod::kSearchSiteCount] = {
    kinopod::site::kLabel1, kinopod::site::kLabel2, kinopod::site::kLabel3, kinopod::site::kLabel4,
    kinopod::site::kLabel5, kinopod::site::kLabel6, kinopod::site::kLabel7};

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Server();
    app = new tk::TApplication();
    app->MessageBoxHook = [this](const std::wstring& text, const std::wstring&, unsigned) {
      boxes.push_back(text);
      return IDOK;
    };
    app->CreateForm(Form1);
    app->CreateForm(Form2);
    app->CreateForm(Form3);
    app->CreateForm(Form4);
    Form1->Show();
    pages = Form3->resultTabs;
  }
  void TearDown() override {
    delete app;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    EXPECT_TRUE(boxes.empty()) << "an error box: " << std::string(boxes[0].begin(), boxes[0].end());
  }
  bool PumpUntil(const std::function<bool()>& done, int ms) {
    ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
      if (GetTickCount64() > end) return false;
      app->ProcessMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }
  void Search(const std::wstring& keyword) {
    Form1->keywordEdit->SetText(keyword);
    Form1->SearchClick(nullptr);
  }
  // The request paths that arrived after the first `skip`, once `count` have.
  std::multiset<std::string> Requests(size_t skip, size_t count) {
    PumpUntil([&] { return Server().Requests().size() >= skip + count; }, 60000);
    std::multiset<std::string> paths;
    auto all = Server().Requests();
    for (size_t i = skip; i < all.size(); ++i) {
      const std::string& line = all[i];  // "GET <path> HTTP/1.1"
      size_t a = line.find(' '), b = line.rfind(' ');
      paths.insert(a != b ? line.substr(a + 1, b - a - 1) : line);
    }
    return paths;
  }
  TLantern* BrowserOf(tk::TTabSheet* sheet) {
    TLantern* found = nullptr;
    for (int i = 0; i < sheet->ComponentCount(); ++i)
      if (auto* b = dynamic_cast<TLantern*>(sheet->Components(i))) {
        EXPECT_EQ(found, nullptr) << "one browser per sheet";
        found = b;
      }
    return found;
  }
  // Handles messages until `read` has given the same value three times
  // running, 50 ms apart (at most `ms`), and returns it: resource counts the
  // platform settles lazily are read once they have settled.
  int Steady(const std::function<int()>& read, int ms = 10000) {
    return tktest::ReadWhenSteady(read, [this](int pause) {
      const ULONGLONG next = GetTickCount64() + pause;
      PumpUntil([&] { return GetTickCount64() >= next; }, 2 * pause);
    }, ms, 3, 50);
  }
  // Polls, bounded, until the GDI and USER counts are back at the given ones.
  bool CountsBackTo(int gdi, int user, int ms = 10000) {
    return PumpUntil([&] { return tktest::GdiObjectCount() == gdi && tktest::UserObjectCount() == user; }, ms);
  }
  void CloseAll() {
    while (pages->ActivePage()) pages->CloseActivePage();
  }
  kinopod::lnt::LntUnit unit;
  tk::TApplication* app = nullptr;
  std::vector<std::wstring> boxes;
  vx::TvxSkinPageControl* pages = nullptr;
};

}  // namespace
