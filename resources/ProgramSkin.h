// The program's own skin, packed at build time from resources/skin.
//
// These are the bytes the main window's stored skin (vxCompressedStoredSkin1)
// carries as its "CompressedData": one zlib stream that inflates to the skin
// container. The main window hands them to its stored skin while it is
// created, and its skin data loads them from there.
#pragma once

#include <span>

namespace kinopod {

std::span<const unsigned char> ProgramSkinCompressedData();

}  // namespace kinopod
