// The guarded heap of the Windows test builds: a look inside, for its own test.
//
// In a build configured with KINOPOD_GUARD_HEAP=ON every program's operator
// new and delete (all forms) come from GuardHeap.cpp. Each block sits at the
// end of its own committed pages, followed by a page that is never committed;
// a deleted block's pages are decommitted and stay out of reuse until the
// arena's address space is used up. A write past the end of a block, or any
// access to a deleted one, then faults at the instruction that makes it.
//
// Slack: operator new's results keep the 16-byte alignment the compiler
// assumes, so a block whose size is not a multiple of 16 ends up to 15 bytes
// before its guard page. Those bytes are filled with a pattern that delete
// checks: a write into them is reported when the block is deleted.
//
// The environment of a process switches it (read once, at its first new):
//   KINOPOD_GUARD_HEAP=off (or 0)       new and delete go to the C runtime's heap
//   KINOPOD_GUARD_HEAP_ARENA_MB=N       the arena's size (default 16384 on 64-bit,
//                                        1024 on 32-bit): the budget of address
//                                        space for live and deleted blocks
//
// A fault of the heap's own (a delete of a block it did not make, a double
// delete, a size or form that does not match the new, an overwritten header
// or slack) prints "guardheap: ..." on standard error and raises the
// exception kReportCode.
#pragma once

#include <cstddef>

namespace kinopod::guardheap {

inline constexpr unsigned long kReportCode = 0xE0480001;  // 0xE0 | 'H' | 1

struct Stats {
  std::size_t pageBytes;         // the system's page size
  std::size_t arenaBytes;        // address space reserved for blocks
  std::size_t liveBlocks;
  std::size_t peakLiveBlocks;
  std::size_t committedBytes;    // pages committed for live blocks
  std::size_t quarantinedBlocks; // deleted, decommitted, waiting for reuse
  std::size_t recycledBlocks;    // page runs handed out a second time
  std::size_t unusedBytes;       // arena never handed out yet
};

// False when the process runs with KINOPOD_GUARD_HEAP=off.
bool Active();
// True when p is the start of a live block of the guarded heap.
bool Owns(const void* p);
Stats GetStats();

}  // namespace kinopod::guardheap
