// A GoogleTest program whose second test misbehaves as KINOPOD_PROBE says:
// "crash" writes through a null pointer, "exit" ends the process with exit
// code 0 halfway, "fail" fails an assertion; unset, every test passes.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace {

const char* Mode() {
  const char* m = std::getenv("KINOPOD_PROBE");
  return m ? m : "";
}

TEST(HarnessProbe, First) { EXPECT_EQ(2, 1 + 1); }

TEST(HarnessProbe, Second) {
  if (!std::strcmp(Mode(), "crash")) {
    volatile int* p = nullptr;
    *p = 1;
  }
  if (!std::strcmp(Mode(), "exit")) ExitProcess(0);
  if (!std::strcmp(Mode(), "fail")) ADD_FAILURE() << "asked to fail";
}

TEST(HarnessProbe, Third) { EXPECT_TRUE(true); }

}  // namespace
