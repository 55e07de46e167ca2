// The guarded heap: replacement operator new and delete for the Windows test
// builds (see GuardHeap.h for what it promises).
//
// Design. One arena of address space is reserved at the first new (never one
// reservation per block: reservations are 64 KiB-granular, and Wine and
// Windows track each as a view of its own). A block gets a run of whole
// pages from it; the run's last page is its guard and is never committed.
// The block ends at the guard page, rounded down to its alignment, and a
// small header just before it records the run, the size and the form of new
// that made it. From the end of the header's page to the guard page the run
// is committed; pages before that stay reserved, so they guard too.
//
// Runs come in size classes (exact up to 9 pages, then about a quarter
// larger each). They are carved from the unused end of the arena until it is
// gone; a deleted block's run is decommitted and goes to the tail of its
// class's queue. Only when the arena is used up are runs handed out again,
// the oldest of the smallest class that fits first, so a deleted block stays
// inaccessible for as long as the budget allows. Committed memory is that of
// the live blocks only; the quarantine costs address space.
//
// Two side tables, indexed by arena page, keep what must survive the
// decommit: the queue links by a run's first page, and for the page that
// holds a live block's start, the run it belongs to. Delete looks there
// first, so a double delete is reported rather than faulting on the header.
//
// Traps. new runs before any static constructor (the C++ runtime allocates
// while it starts), so everything here is constant-initialised: the lock is
// SRWLOCK_INIT and the arena is set up on the first call. Nothing here may
// allocate through new, and reporting uses kernel32 only.
#include "GuardHeap.h"

#include <windows.h>

#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

using kinopod::guardheap::kReportCode;

constexpr std::size_t kMinAlign = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
constexpr unsigned kArray = 1;    // new[] / delete[]
constexpr unsigned kAligned = 2;  // the std::align_val_t forms
constexpr unsigned char kSlackByte = 0xA7;
constexpr std::uint32_t kMagic = 0x47485031;  // "GHP1", mixed with the block's address
constexpr int kMaxClasses = 128;
constexpr std::uint32_t kNone = 0xFFFFFFFFu;

struct Header {
  std::uint32_t magic;
  std::uint32_t run;  // first page of the run
  std::uint32_t sizeClass;
  std::uint32_t form;
  std::size_t size;   // as asked for
  std::size_t align;  // as asked for (0: the plain forms)
};

struct Queue {
  std::uint32_t head = kNone, tail = kNone;
};

enum Mode : int { kUnset, kGuarded, kRuntimeHeap };

SRWLOCK gLock = SRWLOCK_INIT;
std::atomic<int> gMode{kUnset};
char* gBase;
std::size_t gPage;
std::size_t gPages;        // pages in the arena
std::size_t gNextUnused;   // first page never handed out
std::uint32_t* gNext;      // queue links, by a run's first page
std::uint32_t* gOwner;     // run + 1, by the page of a live block's start
std::size_t gClassPages[kMaxClasses];
int gClasses;
Queue gQueues[kMaxClasses];
kinopod::guardheap::Stats gStats;
bool gToldCommitFailure;

struct Lock {
  Lock() { AcquireSRWLockExclusive(&gLock); }
  ~Lock() { ReleaseSRWLockExclusive(&gLock); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
};

std::uint32_t MagicFor(const void* block) {
  return kMagic ^ static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(block) >> 4);
}

// --- reporting, without the heap ------------------------------------------

struct Text {
  char buf[512];
  std::size_t n = 0;
  Text& operator<<(const char* s) {
    while (*s && n + 1 < sizeof buf) buf[n++] = *s++;
    buf[n] = 0;
    return *this;
  }
  Text& Hex(std::uintptr_t v) {
    char digits[2 + 2 * sizeof v + 1];
    int i = sizeof digits - 1;
    digits[i] = 0;
    do {
      digits[--i] = "0123456789abcdef"[v & 15];
      v >>= 4;
    } while (v);
    digits[--i] = 'x';
    digits[--i] = '0';
    return *this << digits + i;
  }
  Text& Dec(std::size_t v) {
    char digits[24];
    int i = sizeof digits - 1;
    digits[i] = 0;
    do {
      digits[--i] = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v);
    return *this << digits + i;
  }
};

void Write(const Text& t) {
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written;
  if (err && err != INVALID_HANDLE_VALUE) WriteFile(err, t.buf, static_cast<DWORD>(t.n), &written, nullptr);
  OutputDebugStringA(t.buf);
}

[[noreturn]] void Report(const char* what, const void* block, const void* caller) {
  Text t;
  t << "guardheap: " << what << ": block ";
  t.Hex(reinterpret_cast<std::uintptr_t>(block));
  if (caller) {
    t << ", delete called from ";
    t.Hex(reinterpret_cast<std::uintptr_t>(caller));
  }
  t << "\n";
  Write(t);
  ULONG_PTR args[2] = {reinterpret_cast<ULONG_PTR>(block), reinterpret_cast<ULONG_PTR>(caller)};
  RaiseException(kReportCode, EXCEPTION_NONCONTINUABLE, 2, args);
  TerminateProcess(GetCurrentProcess(), kReportCode);
  for (;;) {}
}

// --- set-up ----------------------------------------------------------------

bool EnvIs(const char* name, char* value, DWORD size) {
  DWORD n = GetEnvironmentVariableA(name, value, size);
  return n > 0 && n < size;
}

void SetUpLocked() {
  char value[32];
  if (EnvIs("KINOPOD_GUARD_HEAP", value, sizeof value) &&
      (std::strcmp(value, "0") == 0 || lstrcmpiA(value, "off") == 0)) {
    gMode.store(kRuntimeHeap, std::memory_order_release);
    return;
  }
  std::size_t megabytes = sizeof(void*) == 8 ? 16384 : 1024;
  if (EnvIs("KINOPOD_GUARD_HEAP_ARENA_MB", value, sizeof value)) {
    std::size_t parsed = 0;
    for (const char* c = value; *c >= '0' && *c <= '9'; ++c) parsed = parsed * 10 + (*c - '0');
    if (parsed) megabytes = parsed;
  }
  megabytes = megabytes < (SIZE_MAX >> 21) ? megabytes : (SIZE_MAX >> 21);
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  gPage = info.dwPageSize;
  // Ask for less when the address space will not give as much (a 32-bit
  // process, or a system limit), but never give up guarding silently.
  std::size_t bytes = megabytes << 20;
  while (!gBase && bytes >= (std::size_t{1} << 20)) {
    gBase = static_cast<char*>(VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS));
    if (!gBase) bytes /= 2;
  }
  if (gBase) {
    gPages = bytes / gPage;
    gNext = static_cast<std::uint32_t*>(
        VirtualAlloc(nullptr, 2 * gPages * sizeof(std::uint32_t), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  }
  if (!gBase || !gNext || gPages >= kNone) Report("cannot reserve the arena", nullptr, nullptr);
  gOwner = gNext + gPages;
  std::size_t pages = 2;  // one page for the block, one guard
  for (gClasses = 0; gClasses < kMaxClasses && pages <= gPages; ++gClasses) {
    gClassPages[gClasses] = pages;
    pages += pages < 9 ? 1 : (pages + 3) / 4;
  }
  gStats.pageBytes = gPage;
  gStats.arenaBytes = gPages * gPage;
  gStats.unusedBytes = gStats.arenaBytes;
  gMode.store(kGuarded, std::memory_order_release);
}

Mode CurrentMode() {
  int mode = gMode.load(std::memory_order_acquire);
  if (mode == kUnset) {
    Lock lock;
    if (gMode.load(std::memory_order_relaxed) == kUnset) SetUpLocked();
    mode = gMode.load(std::memory_order_relaxed);
  }
  return static_cast<Mode>(mode);
}

// --- runs --------------------------------------------------------------------

int ClassFor(std::size_t pages) {
  for (int c = 0; c < gClasses; ++c)
    if (gClassPages[c] >= pages) return c;
  return -1;
}

void PushTail(int c, std::uint32_t run) {
  gNext[run] = kNone;
  if (gQueues[c].tail == kNone) gQueues[c].head = run;
  else gNext[gQueues[c].tail] = run;
  gQueues[c].tail = run;
  ++gStats.quarantinedBlocks;
}

void PushHead(int c, std::uint32_t run) {
  gNext[run] = gQueues[c].head;
  gQueues[c].head = run;
  if (gQueues[c].tail == kNone) gQueues[c].tail = run;
  ++gStats.quarantinedBlocks;
}

std::uint32_t PopHead(int c) {
  std::uint32_t run = gQueues[c].head;
  gQueues[c].head = gNext[run];
  if (gQueues[c].head == kNone) gQueues[c].tail = kNone;
  --gStats.quarantinedBlocks;
  return run;
}

char* RunEnd(std::uint32_t run, int c) { return gBase + (run + gClassPages[c] - 1) * gPage; }

char* AlignDown(char* p, std::size_t align) {
  return reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(p) & ~(std::uintptr_t{align} - 1));
}

void* GuardedAllocate(std::size_t size, std::size_t align, unsigned form) {
  std::size_t asked = size, askedAlign = (form & kAligned) ? align : 0;
  if (size == 0) size = 1;
  if (align < kMinAlign) align = kMinAlign;
  if (align & (align - 1)) return nullptr;
  std::size_t limit = gPages * gPage;
  if (size > limit || align > limit) return nullptr;
  std::size_t need = size + (align - 1) + sizeof(Header);
  int c = ClassFor((need + gPage - 1) / gPage + 1);
  if (c < 0) return nullptr;

  Lock lock;
  std::uint32_t run;
  bool recycled = false;
  if (gNextUnused + gClassPages[c] <= gPages) {
    run = static_cast<std::uint32_t>(gNextUnused);
    gNextUnused += gClassPages[c];
    gStats.unusedBytes -= gClassPages[c] * gPage;
  } else {
    while (c < gClasses && gQueues[c].head == kNone) ++c;
    if (c == gClasses) return nullptr;
    run = PopHead(c);
    recycled = true;
  }
  char* end = RunEnd(run, c);
  char* block = AlignDown(end - size, align);
  Header* header = reinterpret_cast<Header*>(block) - 1;
  char* first = AlignDown(reinterpret_cast<char*>(header), gPage);
  if (!VirtualAlloc(first, end - first, MEM_COMMIT, PAGE_READWRITE)) {
    // The pages exist; the system will not commit them (out of memory, or
    // on Linux out of memory mappings: vm.max_map_count). The caller gets
    // std::bad_alloc or nullptr, and the run waits for the next try.
    PushHead(c, run);
    if (!gToldCommitFailure) {
      gToldCommitFailure = true;
      Text t;
      t << "guardheap: the system refused to commit pages (error ";
      t.Dec(GetLastError()) << ") with ";
      t.Dec(gStats.liveBlocks) << " blocks live\n";
      Write(t);
    }
    return nullptr;
  }
  if (recycled) ++gStats.recycledBlocks;
  header->magic = MagicFor(block);
  header->run = run;
  header->sizeClass = static_cast<std::uint32_t>(c);
  header->form = form;
  header->size = asked;
  header->align = askedAlign;
  std::memset(block + size, kSlackByte, end - (block + size));
  gOwner[(block - gBase) / gPage] = run + 1;
  ++gStats.liveBlocks;
  if (gStats.liveBlocks > gStats.peakLiveBlocks) gStats.peakLiveBlocks = gStats.liveBlocks;
  gStats.committedBytes += end - first;
  return block;
}

void GuardedRelease(void* p, std::size_t size, bool sized, std::size_t align, unsigned form, const void* caller) {
  char* block = static_cast<char*>(p);
  if (block < gBase || block >= gBase + gPages * gPage)
    Report("delete of a block operator new did not make (the C runtime's, the system's or a stack address?)", p,
           caller);
  AcquireSRWLockExclusive(&gLock);
  std::size_t page = (block - gBase) / gPage;
  std::uint32_t owner = gOwner[page];
  const char* fault = nullptr;
  Header* header = reinterpret_cast<Header*>(block) - 1;
  if (owner == 0) {
    fault = "delete of a block that is not live (deleted twice, or a pointer into a block)";
  } else if (header->magic != MagicFor(block) || header->run != owner - 1 ||
             header->sizeClass >= static_cast<std::uint32_t>(gClasses)) {
    fault = "the header before the block is overwritten (a write before its start, or a pointer into a block)";
  } else if ((header->form & kArray) != (form & kArray)) {
    fault = (form & kArray) ? "delete[] of a block made by new (not new[])" : "delete of a block made by new[]";
  } else if ((header->form & kAligned) != (form & kAligned) || ((form & kAligned) && header->align != align)) {
    fault = "delete with another alignment than the new that made the block";
  } else if (sized && header->size != size) {
    fault = "sized delete with another size than the new that made the block";
  } else {
    char* end = RunEnd(header->run, static_cast<int>(header->sizeClass));
    for (char* c = block + (header->size ? header->size : 1); c < end; ++c)
      if (static_cast<unsigned char>(*c) != kSlackByte) {
        fault = "the bytes after the block's end are overwritten (a write past its end, inside the alignment slack)";
        break;
      }
  }
  if (fault) {
    ReleaseSRWLockExclusive(&gLock);
    Report(fault, p, caller);
  }
  std::uint32_t run = header->run;
  int c = static_cast<int>(header->sizeClass);
  char* first = AlignDown(reinterpret_cast<char*>(header), gPage);
  char* end = RunEnd(run, c);
  gOwner[page] = 0;
  VirtualFree(first, end - first, MEM_DECOMMIT);
  PushTail(c, run);
  --gStats.liveBlocks;
  gStats.committedBytes -= end - first;
  ReleaseSRWLockExclusive(&gLock);
}

// --- the forms of new and delete -------------------------------------------

void* TryAllocate(std::size_t size, std::size_t align, unsigned form) {
  if (CurrentMode() == kGuarded) return GuardedAllocate(size, align, form);
  if (size == 0) size = 1;
  if (form & kAligned) return _aligned_malloc(size, align);
  return std::malloc(size);
}

void* Allocate(std::size_t size, std::size_t align, unsigned form) {
  for (;;) {
    if (void* p = TryAllocate(size, align, form)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

void* AllocateNoThrow(std::size_t size, std::size_t align, unsigned form) noexcept {
  try {
    return Allocate(size, align, form);
  } catch (...) {
    return nullptr;
  }
}

void Release(void* p, std::size_t size, bool sized, std::size_t align, unsigned form, const void* caller) noexcept {
  if (!p) return;
  switch (gMode.load(std::memory_order_acquire)) {
    case kGuarded:
      GuardedRelease(p, size, sized, align, form, caller);
      return;
    case kRuntimeHeap:
      if (form & kAligned) _aligned_free(p);
      else std::free(p);
      return;
    default:
      Report("delete before any new", p, caller);
  }
}

}  // namespace

namespace kinopod::guardheap {

bool Active() { return CurrentMode() == kGuarded; }

bool Owns(const void* p) {
  if (CurrentMode() != kGuarded) return false;
  const char* block = static_cast<const char*>(p);
  if (block < gBase || block >= gBase + gPages * gPage) return false;
  Lock lock;
  std::uint32_t owner = gOwner[(block - gBase) / gPage];
  return owner != 0 && reinterpret_cast<const Header*>(block)[-1].magic == MagicFor(block);
}

Stats GetStats() {
  CurrentMode();
  Lock lock;
  return gStats;
}

}  // namespace kinopod::guardheap

#define CALLER __builtin_return_address(0)
using std::align_val_t;
using std::nothrow_t;
using std::size_t;

void* operator new(size_t n) { return Allocate(n, kMinAlign, 0); }
void* operator new[](size_t n) { return Allocate(n, kMinAlign, kArray); }
void* operator new(size_t n, const nothrow_t&) noexcept { return AllocateNoThrow(n, kMinAlign, 0); }
void* operator new[](size_t n, const nothrow_t&) noexcept { return AllocateNoThrow(n, kMinAlign, kArray); }
void* operator new(size_t n, align_val_t a) { return Allocate(n, size_t(a), kAligned); }
void* operator new[](size_t n, align_val_t a) { return Allocate(n, size_t(a), kAligned | kArray); }
void* operator new(size_t n, align_val_t a, const nothrow_t&) noexcept {
  return AllocateNoThrow(n, size_t(a), kAligned);
}
void* operator new[](size_t n, align_val_t a, const nothrow_t&) noexcept {
  return AllocateNoThrow(n, size_t(a), kAligned | kArray);
}

void operator delete(void* p) noexcept { Release(p, 0, false, 0, 0, CALLER); }
void operator delete[](void* p) noexcept { Release(p, 0, false, 0, kArray, CALLER); }
void operator delete(void* p, size_t n) noexcept { Release(p, n, true, 0, 0, CALLER); }
void operator delete[](void* p, size_t n) noexcept { Release(p, n, true, 0, kArray, CALLER); }
void operator delete(void* p, const nothrow_t&) noexcept { Release(p, 0, false, 0, 0, CALLER); }
void operator delete[](void* p, const nothrow_t&) noexcept { Release(p, 0, false, 0, kArray, CALLER); }
void operator delete(void* p, align_val_t a) noexcept { Release(p, 0, false, size_t(a), kAligned, CALLER); }
void operator delete[](void* p, align_val_t a) noexcept {
  Release(p, 0, false, size_t(a), kAligned | kArray, CALLER);
}
void operator delete(void* p, size_t n, align_val_t a) noexcept {
  Release(p, n, true, size_t(a), kAligned, CALLER);
}
void operator delete[](void* p, size_t n, align_val_t a) noexcept {
  Release(p, n, true, size_t(a), kAligned | kArray, CALLER);
}
void operator delete(void* p, align_val_t a, const nothrow_t&) noexcept {
  Release(p, 0, false, size_t(a), kAligned, CALLER);
}
void operator delete[](void* p, align_val_t a, const nothrow_t&) noexcept {
  Release(p, 0, false, size_t(a), kAligned | kArray, CALLER);
}
