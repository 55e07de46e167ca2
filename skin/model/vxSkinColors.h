// The skin's replacements for the system colours that skinned controls use.
#pragma once

#include "vxSkinIni.h"
#include "vxSkinTypes.h"

namespace vx {

class TvxSkinColors {
 public:
  // In this order: button face, button text, window, window text, highlight,
  // highlight text, button highlight, button shadow. Zero until the first Reset.
  TvxColor cBtnFace = 0, cBtnText = 0, cWindow = 0, cWindowText = 0;
  TvxColor cHighLight = 0, cHighLightText = 0, cBtnHighLight = 0, cBtnShadow = 0;

  // Back to the system colours.
  void Reset();
  // The "SKINCOLORS" keys; missing ones take the system colour.
  void LoadFromIni(const TvxSkinIni& ini, const std::string& section = "SKINCOLORS");
  void SaveToIni(TvxSkinIni& ini, const std::string& section = "SKINCOLORS") const;
};

}  // namespace vx
