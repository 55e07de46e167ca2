// The shell's 8-bit strings are GBK (code page 936) explicitly, whatever the
// system's ANSI code page is: keywords and URLs must come out the same on every
// Windows. This seam converts between code page 936 and UTF-16; Windows builds
// use the system's tables, native builds iconv.
#pragma once

#include <string>
#include <string_view>

namespace kinopod {

// Invalid or incomplete sequences become U+003F, as Windows does for DBCS code pages.
std::u16string Cp936ToUtf16(std::string_view bytes);

// Characters GBK cannot hold become '?'.
std::string Utf16ToCp936(std::u16string_view text);

// Standard UTF-8; a lone surrogate becomes U+FFFD (EF BF BD).
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kinopod
