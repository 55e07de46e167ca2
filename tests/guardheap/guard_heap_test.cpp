// The guarded heap (tests/support/guardheap), in the build that has it.
//
// The faults it exists for are proved in a child process (guard_heap_child):
// with the guard the child dies with an access violation at the very store,
// and with KINOPOD_GUARD_HEAP=off the same child ends normally. The guarded
// children inherit this process's environment, so this test fails when it is
// itself run with the guard switched off. The allocator's bookkeeping is
// checked in this process, which is guarded like every program of the build.
#include "GuardHeap.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace gh = kinopod::guardheap;

namespace {

struct ChildRun {
  DWORD exitCode = 0;
  std::string output;
};

// Restores an environment variable of this process when it goes.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    char old[64];
    DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
    had_ = n > 0 && n < sizeof old;
    if (had_) old_ = old;
    SetEnvironmentVariableA(name, value);
  }
  ~ScopedEnv() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

std::wstring ChildPath() {
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, n);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"guard_heap_child.exe";
}

// The child writes into a pipe of ours: its output (and any fault report)
// must not reach this program's own output.
ChildRun RunChild(const char* mode) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                           nullptr);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = nul;
  si.hStdOutput = writeEnd;
  si.hStdError = writeEnd;
  std::wstring cmd = L"\"" + ChildPath() + L"\" ";
  for (const char* c = mode; *c; ++c) cmd += static_cast<wchar_t>(*c);
  PROCESS_INFORMATION pi{};
  ChildRun run;
  run.exitCode = 0xFFFFFFFF;
  BOOL started = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                &si, &pi);
  CloseHandle(writeEnd);
  CloseHandle(nul);
  EXPECT_TRUE(started) << "error " << GetLastError();
  if (started) {
    // The outputs are a few lines: they fit the pipe, so the child never
    // waits for us, and reading after it ended cannot block.
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 120000), WAIT_OBJECT_0) << mode;
    GetExitCodeProcess(pi.hProcess, &run.exitCode);
    DWORD available = 0;
    char buf[4096];
    while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available) {
      DWORD got = 0;
      if (!ReadFile(readEnd, buf, sizeof buf, &got, nullptr) || !got) break;
      run.output.append(buf, got);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(readEnd);
  return run;
}

ChildRun RunChildGuardOff(const char* mode) {
  ScopedEnv off("KINOPOD_GUARD_HEAP", "off");
  return RunChild(mode);
}

// "target 0000000012345678" in the child's output: the address it aims at.
std::string Target(const std::string& output) {
  auto at = output.find("target ");
  if (at == std::string::npos) return "(no target)";
  return output.substr(at + 7, output.find('\n', at) - at - 7);
}

constexpr DWORD kAccessViolation = 0xC0000005;

// --- faults at the instruction ------------------------------------------------

TEST(GuardHeapFaults, StoreIntoADeletedObjectFaultsThere) {
  ChildRun guarded = RunChild("use-after-free");
  EXPECT_EQ(guarded.exitCode, kAccessViolation) << guarded.output;
  EXPECT_NE(guarded.output.find("guard on"), std::string::npos) << guarded.output;
  EXPECT_NE(guarded.output.find("fault c0000005 write " + Target(guarded.output)), std::string::npos)
      << guarded.output;

  ChildRun plain = RunChildGuardOff("use-after-free");
  EXPECT_EQ(plain.exitCode, 0u) << plain.output;
  EXPECT_NE(plain.output.find("guard off"), std::string::npos) << plain.output;
  EXPECT_EQ(plain.output.find("fault"), std::string::npos) << plain.output;
}

TEST(GuardHeapFaults, StoreOneBytePastTheEndFaultsThere) {
  ChildRun guarded = RunChild("write-past-end");
  EXPECT_EQ(guarded.exitCode, kAccessViolation) << guarded.output;
  EXPECT_NE(guarded.output.find("fault c0000005 write " + Target(guarded.output)), std::string::npos)
      << guarded.output;

  ChildRun plain = RunChildGuardOff("write-past-end");
  EXPECT_EQ(plain.exitCode, 0u) << plain.output;
  EXPECT_EQ(plain.output.find("fault"), std::string::npos) << plain.output;
}

// --- faults the heap reports itself --------------------------------------------

TEST(GuardHeapReports, MisusesOfDeleteAreReportedNotServed) {
  const struct {
    const char* mode;
    const char* says;
  } cases[] = {
      {"write-into-slack", "after the block's end are overwritten"},
      {"delete-twice", "not live"},
      {"delete-foreign", "operator new did not make"},
      {"delete-wrong-size", "sized delete with another size"},
      {"delete-array-as-scalar", "delete of a block made by new[]"},
  };
  for (const auto& c : cases) {
    ChildRun run = RunChild(c.mode);
    EXPECT_EQ(run.exitCode, gh::kReportCode) << c.mode << ":\n" << run.output;
    EXPECT_NE(run.output.find(std::string("guardheap: ")), std::string::npos) << c.mode << ":\n" << run.output;
    EXPECT_NE(run.output.find(c.says), std::string::npos) << c.mode << ":\n" << run.output;
  }
}

// --- the arena's budget ------------------------------------------------------------

TEST(GuardHeapArena, FullArenaGivesNullptrOrBadAllocAndTakesRunsBack) {
  ScopedEnv small("KINOPOD_GUARD_HEAP_ARENA_MB", "2");
  ChildRun run = RunChild("exhaust");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_NE(run.output.find("guard on"), std::string::npos) << run.output;
}

TEST(GuardHeapArena, DeletedRunsComeBackOldestFirstOnlyOnceTheArenaIsUsedUp) {
  ScopedEnv small("KINOPOD_GUARD_HEAP_ARENA_MB", "2");
  ChildRun run = RunChild("recycle");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_NE(run.output.find("recycled"), std::string::npos) << run.output;
}

// --- in this process ------------------------------------------------------------------

bool Committed(const void* p) {
  MEMORY_BASIC_INFORMATION info{};
  return VirtualQuery(p, &info, sizeof info) == sizeof info && info.State == MEM_COMMIT;
}

// A live block: aligned, ending less than its alignment before a page that
// is not committed, and given back by the matching delete.
void ExpectGuarded(void* p, std::size_t size, std::size_t align, const char* form) {
  ASSERT_NE(p, nullptr) << form;
  const std::size_t page = gh::GetStats().pageBytes;
  auto at = reinterpret_cast<std::uintptr_t>(p);
  EXPECT_EQ(at % align, 0u) << form;
  EXPECT_TRUE(gh::Owns(p)) << form;
  const std::size_t slack = align < 16 ? 16 : align;
  std::uintptr_t guard = (at + size + page - 1) / page * page;
  while (guard < at + size + slack && Committed(reinterpret_cast<void*>(guard))) guard += page;
  EXPECT_LT(guard - (at + size), slack) << form;
  EXPECT_TRUE(Committed(p)) << form;
  EXPECT_TRUE(Committed(static_cast<char*>(p) + size - 1)) << form;
  EXPECT_FALSE(Committed(reinterpret_cast<void*>(guard))) << form;
  std::memset(p, 0x5A, size);
}

void ExpectGone(void* p, const char* form) {
  EXPECT_FALSE(gh::Owns(p)) << form;
  EXPECT_FALSE(Committed(p)) << form;
}

TEST(GuardHeapInProcess, EveryFormIsAlignedGuardedAndGivenBack) {
  ASSERT_TRUE(gh::Active()) << "this process runs with the guard switched off";
  const gh::Stats before = gh::GetStats();
  for (std::size_t size : {std::size_t{1}, std::size_t{16}, std::size_t{100}, std::size_t{4096}, std::size_t{70000}}) {
    void* p = ::operator new(size);
    ExpectGuarded(p, size, 16, "new");
    ::operator delete(p);
    ExpectGone(p, "new");
    p = ::operator new(size);
    ExpectGuarded(p, size, 16, "new, sized delete");
    ::operator delete(p, size);
    ExpectGone(p, "new, sized delete");
    p = ::operator new[](size);
    ExpectGuarded(p, size, 16, "new[]");
    ::operator delete[](p, size);
    ExpectGone(p, "new[]");
    p = ::operator new(size, std::nothrow);
    ExpectGuarded(p, size, 16, "nothrow new");
    ::operator delete(p, std::nothrow);
    p = ::operator new[](size, std::nothrow);
    ExpectGuarded(p, size, 16, "nothrow new[]");
    ::operator delete[](p, std::nothrow);
    for (std::size_t align : {std::size_t{32}, std::size_t{64}, std::size_t{256}, std::size_t{4096},
                              std::size_t{65536}}) {
      const std::align_val_t a{align};
      p = ::operator new(size, a);
      ExpectGuarded(p, size, align, "aligned new");
      ::operator delete(p, a);
      ExpectGone(p, "aligned new");
      p = ::operator new(size, a);
      ExpectGuarded(p, size, align, "aligned new, sized delete");
      ::operator delete(p, size, a);
      p = ::operator new[](size, a);
      ExpectGuarded(p, size, align, "aligned new[]");
      ::operator delete[](p, size, a);
      p = ::operator new[](size, a);
      ExpectGuarded(p, size, align, "aligned new[], unsized delete[]");
      ::operator delete[](p, a);
      p = ::operator new(size, a, std::nothrow);
      ExpectGuarded(p, size, align, "aligned nothrow new");
      ::operator delete(p, a, std::nothrow);
      p = ::operator new[](size, a, std::nothrow);
      ExpectGuarded(p, size, align, "aligned nothrow new[]");
      ::operator delete[](p, a, std::nothrow);
      ExpectGone(p, "aligned nothrow new[]");
    }
  }
  // An over-aligned type takes the aligned forms by itself.
  struct alignas(128) Wide {
    char bytes[200];
  };
  Wide* wide = new Wide;
  ExpectGuarded(wide, sizeof(Wide), 128, "new of an over-aligned type");
  delete wide;
  Wide* wides = new Wide[3];
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(wides) % 128, 0u);
  delete[] wides;

  const gh::Stats after = gh::GetStats();
  EXPECT_EQ(after.liveBlocks, before.liveBlocks);
  EXPECT_EQ(after.committedBytes, before.committedBytes);
}

TEST(GuardHeapInProcess, DeleteOfNullptrDoesNothingInEveryForm) {
  const gh::Stats before = gh::GetStats();
  const std::align_val_t a{64};
  ::operator delete(nullptr);
  ::operator delete[](nullptr);
  ::operator delete(nullptr, 8);
  ::operator delete[](nullptr, 8);
  ::operator delete(nullptr, std::nothrow);
  ::operator delete[](nullptr, std::nothrow);
  ::operator delete(nullptr, a);
  ::operator delete[](nullptr, a);
  ::operator delete(nullptr, 8, a);
  ::operator delete[](nullptr, 8, a);
  ::operator delete(nullptr, a, std::nothrow);
  ::operator delete[](nullptr, a, std::nothrow);
  const gh::Stats after = gh::GetStats();
  EXPECT_EQ(after.liveBlocks, before.liveBlocks);
  EXPECT_EQ(after.quarantinedBlocks, before.quarantinedBlocks);
}

TEST(GuardHeapInProcess, ADeletedBlockIsNotHandedOutAgainSoon) {
  std::vector<void*> seen;
  for (int i = 0; i < 200; ++i) {
    void* p = ::operator new(48);
    for (void* q : seen) ASSERT_NE(p, q) << "reused after " << seen.size() << " deletes";
    seen.push_back(p);
    ::operator delete(p);
    EXPECT_FALSE(Committed(p));
  }
}

TEST(GuardHeapInProcess, TwoThreadsAllocateAndDeleteTogether) {
  const gh::Stats before = gh::GetStats();
  auto work = [](unsigned seed, std::size_t* failures) {
    constexpr int kWindow = 64;
    struct Block {
      unsigned char* p = nullptr;
      std::size_t size = 0;
      unsigned char mark = 0;
      bool aligned = false;
    } window[kWindow];
    for (int i = 0; i < 6000; ++i) {
      seed = seed * 1103515245u + 12345u;
      Block& b = window[i % kWindow];
      if (b.p) {
        for (std::size_t k = 0; k < b.size; ++k)
          if (b.p[k] != b.mark) {
            ++*failures;
            break;
          }
        if (b.aligned) ::operator delete(b.p, b.size, std::align_val_t{64});
        else ::operator delete(b.p, b.size);
      }
      b.size = 1 + (seed >> 8) % 9000;
      b.aligned = (seed >> 4) % 5 == 0;
      b.mark = static_cast<unsigned char>(seed >> 20);
      b.p = static_cast<unsigned char*>(b.aligned ? ::operator new(b.size, std::align_val_t{64})
                                                  : ::operator new(b.size));
      std::memset(b.p, b.mark, b.size);
    }
    for (Block& b : window) {
      if (b.aligned) ::operator delete(b.p, b.size, std::align_val_t{64});
      else ::operator delete(b.p, b.size);
    }
  };
  std::size_t failuresA = 0, failuresB = 0;
  std::thread a(work, 1u, &failuresA), b(work, 2u, &failuresB);
  a.join();
  b.join();
  EXPECT_EQ(failuresA, 0u);
  EXPECT_EQ(failuresB, 0u);
  const gh::Stats after = gh::GetStats();
  EXPECT_EQ(after.liveBlocks, before.liveBlocks);
  EXPECT_EQ(after.committedBytes, before.committedBytes);
  EXPECT_GE(after.quarantinedBlocks, before.quarantinedBlocks + 12000);
}

}  // namespace
