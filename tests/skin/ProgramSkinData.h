// The program's own skin as the program loads it (skin effects off), for the
// native tests that draw or lay out with it.
#pragma once

#include "../../resources/ProgramSkin.h"
#include "vxSkinData.h"
#include "vxStoredSkin.h"

namespace vx::testing {

inline void LoadProgramSkin(TvxSkinData& data) {
  auto bytes = kinopod::ProgramSkinCompressedData();
  TvxCompressedStoredSkin stored;
  stored.SetCompressedData(Bytes(bytes.begin(), bytes.end()));
  data.LoadCompressedStoredSkin(stored);
  data.EnableSkinEffects = false;
}

// Loaded once per test program.
inline const TvxSkinData& ProgramSkin() {
  static TvxSkinData data;
  if (data.Empty()) LoadProgramSkin(data);
  return data;
}

}  // namespace vx::testing
