#include "vxWindowClass.h"

namespace vx {

bool RegisterWindowClass(const WNDCLASSEXW& wc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace vx
