# Writes the compressed bytes of a compressed skin file (IN: 4-byte version,
# 4-byte length, then the zlib stream) as a C++ byte array (OUT).
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length LESS 16)
  message(FATAL_ERROR "${IN} is not a compressed skin file")
endif()
string(SUBSTRING "${hex}" 0 8 version)
if(NOT version STREQUAL "03000000")
  message(FATAL_ERROR "${IN}: unexpected compressed skin version ${version}")
endif()
string(SUBSTRING "${hex}" 16 -1 data)
string(LENGTH "${data}" data_length)
math(EXPR size "${data_length} / 2")
# Twenty bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${data}")
string(REGEX REPLACE "((0x..,){20})" "\\1\n  " bytes "${bytes}")
file(WRITE ${OUT}.tmp
"// Generated from resources/skin by resources/EmbedSkin.cmake; do not edit.
#include \"ProgramSkin.h\"

namespace kinopod {
namespace {
const unsigned char kCompressedData[${size}] = {
  ${bytes}
};
}  // namespace

std::span<const unsigned char> ProgramSkinCompressedData() { return {kCompressedData, sizeof kCompressedData}; }

}  // namespace kinopod
")
file(RENAME ${OUT}.tmp ${OUT})
