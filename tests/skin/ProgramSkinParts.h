// The program's skin taken apart for a test to change: its pictures encoded
// again and its definition as lines, ready for WriteSkinContainer.
#pragma once

#include "ProgramSkin.h"
#include "vxBmpCodec.h"
#include "vxSkinContainer.h"
#include "vxSkinZlib.h"

namespace vx::testing {

struct ProgramSkinParts {
  TvxSkinContainer container;  // as read, pictures decoded
  TvxSkinContainerParts parts;  // main, mask and pictures encoded; no definition lines yet
};

inline ProgramSkinParts TakeProgramSkinApart() {
  const auto packed = kinopod::ProgramSkinCompressedData();
  ProgramSkinParts p;
  p.container = ReadSkinContainer(InflateSkin(ByteSpan(packed.data(), packed.size())));
  p.parts.main = EncodeBmp(p.container.main.picture, 24);
  p.parts.mask = EncodeBmp(p.container.mask.picture, 24);
  for (const auto& picture : p.container.pictures) p.parts.pictures.push_back(EncodeBmp(picture.picture, 24));
  return p;
}

}  // namespace vx::testing
