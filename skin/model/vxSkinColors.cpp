#include "vxSkinColors.h"

#include "vxSkinReaders.h"

namespace vx {
namespace {

struct ColorKey {
  const char* key;
  int systemIndex;
  TvxColor TvxSkinColors::*field;
};

constexpr ColorKey kColorKeys[] = {
    {"cbtnface", 15, &TvxSkinColors::cBtnFace},       {"cbtntext", 18, &TvxSkinColors::cBtnText},
    {"cwindow", 5, &TvxSkinColors::cWindow},          {"cwindowtext", 8, &TvxSkinColors::cWindowText},
    {"chighlight", 13, &TvxSkinColors::cHighLight},   {"chighlighttext", 14, &TvxSkinColors::cHighLightText},
    {"cbtnhighlight", 20, &TvxSkinColors::cBtnHighLight}, {"cbtnshadow", 16, &TvxSkinColors::cBtnShadow},
};

}  // namespace

void TvxSkinColors::Reset() {
  for (const auto& k : kColorKeys) this->*k.field = SystemColor(k.systemIndex);
}

void TvxSkinColors::LoadFromIni(const TvxSkinIni& ini, const std::string& section) {
  for (const auto& k : kColorKeys) this->*k.field = ReadSkinColor(ini, section, k.key, SystemColor(k.systemIndex));
}

void TvxSkinColors::SaveToIni(TvxSkinIni& ini, const std::string& section) const {
  for (const auto& k : kColorKeys) WriteSkinInteger(ini, section, k.key, this->*k.field);
}

}  // namespace vx
