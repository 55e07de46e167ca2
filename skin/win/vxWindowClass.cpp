#include "vxWindowClass.h"

namespace vx {

bool RegisterWindowClass(const wchar_t* name, WNDPROC proc) {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(module, name, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = proc;
  wc.hInstance = module;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace vx
