// The test harness runs Windows programs with code page 936, as the program's
// users have it; the shell's conversions use 936 whatever the system has.
#include <gtest/gtest.h>
#include <windows.h>

#include "CodePage.h"

TEST(WindowsCodePage, HarnessRunsUnderCodePage936) { EXPECT_EQ(GetACP(), 936u); }

TEST(WindowsCodePage, GbkBytesMapToChinese) {
  EXPECT_EQ(kinopod::Cp936ToUtf16("\xD6\xD0"), u"\u4e2d");
}
