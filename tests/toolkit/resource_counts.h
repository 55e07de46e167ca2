// The process's GDI and USER object counts, for the leak tests. Wine keeps
// no per-process GDI count; its shared GDI handle table (reached through the
// process environment block, where both systems keep it) is counted instead,
// and the windows of this thread stand in for the USER objects.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <functional>

namespace tktest {

inline int GdiObjectCount() {
  DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (n) return static_cast<int>(n);
  struct Entry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
  };
  // Asked of the system rather than read through the thread block, whose
  // segment-register access newer compilers warn about.
  using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info = {};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return -1;
  auto* peb = reinterpret_cast<char*>(info.PebBaseAddress);
  auto* table = *reinterpret_cast<Entry**>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (!table) return -1;
  int count = 0;
  for (int i = 0; i < 65536; ++i)
    if (table[i].type) ++count;
  return count;
}

// Reads `read` until it has given the same value `rounds` times running, with
// `wait(step)` handling messages for `step` ms between readings (or until `ms`
// have passed), and returns the last value: counts the platform settles
// lazily are read once they have settled.
inline int ReadWhenSteady(const std::function<int()>& read, const std::function<void(int)>& wait, int ms,
                          int rounds, int step) {
  const ULONGLONG end = GetTickCount64() + ms;
  int last = read(), same = 1;
  while (same < rounds && GetTickCount64() < end) {
    wait(step);
    const int now = read();
    same = now == last ? same + 1 : 1;
    last = now;
  }
  return last;
}

inline BOOL CALLBACK CountOneWindow(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

// A top-level window and all its descendants (EnumChildWindows walks them all).
inline BOOL CALLBACK CountWindowAndChildren(HWND h, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  EnumChildWindows(h, CountOneWindow, lp);
  return TRUE;
}

inline int UserObjectCount() {
  DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (n) return static_cast<int>(n);
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace tktest
