// Code page 936 through the system's own tables.
#include <windows.h>

#include "CodePage.h"

namespace kinopod {

std::u16string Cp936ToUtf16(std::string_view bytes) {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string result(n, u'\0');
  MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()),
                      reinterpret_cast<wchar_t*>(result.data()), n);
  return result;
}

std::string Utf16ToCp936(std::u16string_view text) {
  if (text.empty()) return {};
  auto* src = reinterpret_cast<const wchar_t*>(text.data());
  int n = WideCharToMultiByte(936, 0, src, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(n, '\0');
  WideCharToMultiByte(936, 0, src, static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
  return result;
}

}  // namespace kinopod
