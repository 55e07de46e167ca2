// Soak: a thousand search tabs opened and closed in batches, as a long session
// of searching does. Every window and GDI object comes back after each batch.
#include "SearchWinTest.h"

namespace {

TEST_F(SearchTest, AThousandSearchTabsInBatchesGiveEveryWindowAndGdiObjectBack) {
  PumpUntil([] { return !Server().Requests().empty(); }, 30000);
  constexpr int kBatches = 15, kSearchesPerBatch = 10;  // 7 tabs a search: 1,050 tabs
  // A first batch loads what browsers share for the rest of the process and
  // what a row too long for the control (its scroll arrows) keeps.
  for (int i = 0; i < kSearchesPerBatch; ++i) Search(L"warm" + std::to_wstring(i));
  CloseAll();
  const int gdi0 = Steady(tktest::GdiObjectCount), user0 = Steady(tktest::UserObjectCount);
  ASSERT_GT(gdi0, 0);

  int opened = 0, browsersGone = 0;
  for (int batch = 0; batch < kBatches; ++batch) {
    for (int i = 0; i < kSearchesPerBatch; ++i) Search(L"soak" + std::to_wstring(batch * kSearchesPerBatch + i));
    ASSERT_EQ(pages->PageCount(), 7 * kSearchesPerBatch) << "batch " << batch;
    for (int i = 0; i < pages->PageCount(); ++i) new Witness(BrowserOf(pages->Pages(i)), browsersGone);
    opened += pages->PageCount();
    CloseAll();
    ASSERT_EQ(browsersGone, opened) << "batch " << batch;
    // Resources come back batch by batch, not only at the end.
    ASSERT_TRUE(CountsBackTo(gdi0, user0)) << "batch " << batch << ": GDI " << tktest::GdiObjectCount() << " of "
                                           << gdi0 << ", USER " << tktest::UserObjectCount() << " of " << user0;
  }
  EXPECT_GE(opened, 1000);
  EXPECT_EQ(tktest::GdiObjectCount(), gdi0);
  EXPECT_EQ(tktest::UserObjectCount(), user0);
}

}  // namespace
