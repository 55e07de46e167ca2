// The movie portal's category pages: one host (build configuration), seven
// fixed paths.
#pragma once

#include <string>

namespace kinopod {

// "http://" + the portal host + path, as the wide string the browser takes.
std::wstring CategoryUrl(const wchar_t* path);

}  // namespace kinopod
