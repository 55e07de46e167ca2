#include "CategoryPages.h"

#include "kinopod/site_config.h"

namespace kinopod {

std::wstring CategoryUrl(const wchar_t* path) {
  // The host is ASCII (the build refuses anything else), so widening is exact.
  std::wstring url = L"http://";
  for (const char* p = site::kPortalHost; *p; ++p) url += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return url + path;
}

}  // namespace kinopod
