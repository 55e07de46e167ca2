// The guarded heap's test child: does one thing the heap must catch (or must
// serve) and ends. guard_heap_test starts it, with the guard on or, through
// KINOPOD_GUARD_HEAP=off, switched off, and judges its exit code and output.
//
// A fault ends the child with the exception's code, as it would without a
// filter, but the child's own top-level filter first prints what faulted and
// where on its standard output: Wine's "Unhandled exception" message would go
// to the standard error the child shares with the parent's test run.
//
// Exit codes of the modes that check the allocator themselves: 0 passed,
// 1 a check failed (the reason on standard output).
#include "GuardHeap.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

// What the page-control tests saw: state bits written into a control that
// had been deleted.
struct Control {
  int left = 0, top = 0;
  unsigned state = 0;
  Control* parent = nullptr;
};

LONG WINAPI SayWhatFaulted(EXCEPTION_POINTERS* e) {
  const EXCEPTION_RECORD* r = e->ExceptionRecord;
  std::printf("fault %08lx", r->ExceptionCode);
  if (r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r->NumberParameters >= 2)
    std::printf(" %s %p", r->ExceptionInformation[0] == 1 ? "write" : "read",
                reinterpret_cast<void*>(r->ExceptionInformation[1]));
  std::printf("\n");
  std::fflush(stdout);
  return EXCEPTION_EXECUTE_HANDLER;
}

// The compiler must not drop a store into memory it knows is dead.
template <typename T>
void Store(T* where, T value) {
  *static_cast<T volatile*>(where) = value;
}

void Announce(const char* what, const void* where) {
  std::printf("%s %p\n", what, where);
  std::fflush(stdout);
}

int Fail(const char* why) {
  std::printf("check failed: %s\n", why);
  return 1;
}

int UseAfterFree() {
  Control* c = new Control;
  delete c;
  Announce("target", &c->state);
  Store(&c->state, 0x0102u);
  return 0;
}

int WritePastEnd() {
  // 48 bytes: a multiple of the alignment, so the block ends at its guard page.
  char* text = new char[48];
  Announce("target", text + 48);
  Store(text + 48, 'x');
  delete[] text;
  return 0;
}

int WriteIntoSlack() {
  char* text = new char[41];
  Store(text + 41, 'x');
  delete[] text;
  return 0;
}

int DeleteTwice() {
  Control* c = new Control;
  delete c;
  Control* volatile again = c;
  delete again;
  return 0;
}

int DeleteForeign() {
  void* block = std::malloc(32);
  Announce("target", block);
  ::operator delete(block);
  return 0;
}

int DeleteWithWrongSize() {
  void* block = ::operator new(40);
  ::operator delete(block, 48);
  return 0;
}

int DeleteArrayAsScalar() {
  int* numbers = new int[4];
  ::operator delete(static_cast<void*>(numbers));
  return 0;
}

// With a small arena (KINOPOD_GUARD_HEAP_ARENA_MB): a one-page block costs two
// pages, so the arena's unused part holds unused / (2 pages) of them, and each
// deleted run waiting in the quarantine serves one more.
int Exhaust() {
  std::vector<void*> blocks;
  blocks.reserve(1 << 16);  // while the arena has room
  auto stats = kinopod::guardheap::GetStats();
  std::size_t expected = stats.unusedBytes / (2 * stats.pageBytes) + stats.quarantinedBlocks;
  std::size_t liveBefore = stats.liveBlocks;
  for (;;) {
    void* p = ::operator new(100, std::nothrow);
    if (!p) break;
    blocks.push_back(p);
    if (blocks.size() > expected) return Fail("more blocks than the arena holds");
  }
  std::printf("blocks %zu of %zu\n", blocks.size(), expected);
  if (blocks.size() != expected) return Fail("the arena was not used up to its last run");
  bool threw = false;
  try {
    void* p = ::operator new(100);
    ::operator delete(p);
  } catch (const std::bad_alloc&) {
    threw = true;
  }
  if (!threw) return Fail("plain new did not throw std::bad_alloc on a full arena");
  if (::operator new[](100, std::nothrow) || ::operator new(100, std::align_val_t{64}, std::nothrow))
    return Fail("a nothrow form did not give nullptr on a full arena");
  // One run back: the next block recycles exactly that run.
  void* freed = blocks[blocks.size() / 2];
  ::operator delete(freed);
  void* again = ::operator new(100, std::nothrow);
  if (again != freed) return Fail("the only deleted run was not handed out again");
  // A block larger than any deleted run cannot be served.
  if (::operator new(3 * stats.pageBytes, std::nothrow)) return Fail("a large block came from a full arena");
  ::operator delete(again);
  for (void* p : blocks)
    if (p != freed) ::operator delete(p);
  if (kinopod::guardheap::GetStats().liveBlocks != liveBefore) return Fail("blocks left live");
  return 0;
}

// Deleted runs come back oldest first, and only once the unused arena is gone.
int RecycleOldestFirst() {
  auto stats = kinopod::guardheap::GetStats();
  std::size_t runs = stats.unusedBytes / (2 * stats.pageBytes);
  static void* order[1 << 16];
  if (runs < 8 || runs > sizeof order / sizeof order[0]) return Fail("the arena size does not suit this check");
  for (std::size_t i = 0; i < runs; ++i) {
    order[i] = ::operator new(64);
    ::operator delete(order[i], 64);
    for (std::size_t j = 0; j < i; ++j)
      if (order[j] == order[i]) return Fail("a run was reused while unused arena was left");
  }
  if (kinopod::guardheap::GetStats().recycledBlocks != 0) return Fail("recycled before the budget was reached");
  // Runs deleted before this check began are older than ours and may come first.
  std::size_t older = 0;
  for (std::size_t i = 0; i < 3 * runs; ++i) {
    void* p = ::operator new(64);
    if (i == 0)
      while (p != order[0] && older < stats.quarantinedBlocks) {
        ++older;
        p = ::operator new(64);  // kept: it must not come back
      }
    if (p != order[i % runs]) {
      std::printf("round %zu: got %p, expected %p\n", i, p, order[i % runs]);
      return Fail("not the oldest deleted run");
    }
    Store(static_cast<char*>(p) + 63, 'x');
    ::operator delete(p, 64);
  }
  std::printf("recycled %zu\n", kinopod::guardheap::GetStats().recycledBlocks);
  return 0;
}

struct Mode {
  const char* name;
  int (*run)();
};
const Mode kModes[] = {
    {"use-after-free", UseAfterFree},        {"write-past-end", WritePastEnd},
    {"write-into-slack", WriteIntoSlack},    {"delete-twice", DeleteTwice},
    {"delete-foreign", DeleteForeign},       {"delete-wrong-size", DeleteWithWrongSize},
    {"delete-array-as-scalar", DeleteArrayAsScalar}, {"exhaust", Exhaust},
    {"recycle", RecycleOldestFirst},
};

}  // namespace

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(SayWhatFaulted);
  if (argc == 2)
    for (const Mode& m : kModes)
      if (std::strcmp(argv[1], m.name) == 0) {
        std::printf("guard %s\n", kinopod::guardheap::Active() ? "on" : "off");
        std::fflush(stdout);
        int rc = m.run();
        std::fflush(stdout);
        return rc;
      }
  std::printf("usage: guard_heap_child MODE\n");
  return 2;
}
