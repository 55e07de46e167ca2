// The skin announcements reach real windows: three messages per form, in
// order, synchronously, with the skin data and 1000 as parameters; the owner
// first; the reverse order when the layered border is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "vxSkinData.h"
#include "vxSkinMessagesWin.h"

namespace vx {
namespace {

using namespace vx::testing;

struct Received {
  HWND window;
  UINT msg;
  WPARAM wparam;
  LPARAM lparam;
};
std::vector<Received> g_received;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg >= WM_USER + 200 && msg <= WM_USER + 410) g_received.push_back({hwnd, msg, wp, lp});
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class SkinBroadcastWin : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KinopodSkinBroadcastTest";
    RegisterClassW(&wc);
    for (int i = 0; i < 4; ++i) {
      windows.push_back(CreateWindowExW(0, wc.lpszClassName, L"form", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                        nullptr, wc.hInstance, nullptr));
      ASSERT_NE(windows.back(), nullptr);
    }
    forms.Add(windows[0]);
    forms.Add(windows[1]);
    forms.Add(windows[2], true);  // a layered border window: never told
    forms.Add(windows[3]);
    g_received.clear();
  }
  void TearDown() override {
    for (HWND w : windows) DestroyWindow(w);
  }
  std::vector<HWND> Order(UINT msg) const {
    std::vector<HWND> out;
    for (const auto& r : g_received)
      if (r.msg == msg) out.push_back(r.window);
    return out;
  }

  std::vector<HWND> windows;
  TvxWindowFormList forms;
};

TEST_F(SkinBroadcastWin, EachFormGetsTheThreeMessagesInOrderWithTheSkinData) {
  TvxSkinData data;
  data.SetFormList(&forms);
  TvxCompressedStoredSkin skin = StoredSkin(WriteSkinContainer(Parts(Definition({"button:button"}))));
  data.LoadCompressedStoredSkin(skin);

  for (HWND w : {windows[0], windows[1], windows[3]}) {
    std::vector<UINT> got;
    for (const auto& r : g_received)
      if (r.window == w) {
        got.push_back(r.msg);
        EXPECT_EQ(r.wparam, reinterpret_cast<WPARAM>(&data));
        EXPECT_EQ(r.lparam, 1000);
      }
    EXPECT_EQ(got, (std::vector<UINT>{1225, 1226, 1227}));
  }
  EXPECT_TRUE(Order(1225).size() == 3 && Order(1226).size() == 3);
  for (const auto& r : g_received) EXPECT_NE(r.window, windows[2]);
  // Sent, not posted: all of it was handled before the load returned.
  EXPECT_EQ(Order(1227), (std::vector<HWND>{windows[0], windows[1], windows[3]}));
}

TEST_F(SkinBroadcastWin, OwnerFirstOrReverseOrderWithLayeredBorders) {
  TvxWindowTarget owner(windows[1]);
  TvxSkinData data(&owner);
  data.SetFormList(&forms);
  data.SetShowLayeredBorders(false);
  TvxCompressedStoredSkin skin =
      StoredSkin(WriteSkinContainer(Parts(Definition({"button:button"}, {}, "[LAYERFRAME]\r\npictureindex=1\r\n"))));
  g_received.clear();
  data.LoadCompressedStoredSkin(skin);
  EXPECT_EQ(Order(1226), (std::vector<HWND>{windows[1], windows[0], windows[3]}));

  data.SetShowLayeredBorders(true);
  g_received.clear();
  data.LoadCompressedStoredSkin(skin);
  EXPECT_EQ(Order(1225), (std::vector<HWND>{windows[3], windows[1], windows[0]}));
  EXPECT_EQ(Order(1226), (std::vector<HWND>{windows[3], windows[1], windows[0]}));
  EXPECT_EQ(Order(1227), (std::vector<HWND>{windows[3], windows[1], windows[0]}));
}

TEST_F(SkinBroadcastWin, AFailedLoadStillEndsTheChangeForEveryWindow) {
  TvxSkinData data;
  data.SetFormList(&forms);
  TvxCompressedStoredSkin corrupt;
  corrupt.SetCompressedData({0x78, 0xDA, 0xFF});
  EXPECT_THROW(data.LoadCompressedStoredSkin(corrupt), EvxCompressionError);
  EXPECT_EQ(Order(1225).size(), 3u);
  EXPECT_EQ(Order(1226).size(), 3u);
  EXPECT_EQ(Order(1227).size(), 3u);
  EXPECT_TRUE(data.Empty());
}

}  // namespace
}  // namespace vx
