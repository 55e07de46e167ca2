// Adapters from the loaded skin (the skin data and its records) to the input
// types of the frame, menu and up-down rules. Records are looked up again
// after every skin change; nothing here keeps a record.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "FrameObjects.h"
#include "MenuLayout.h"
#include "UpDownRules.h"
#include "vxSkinData.h"

namespace vx::frame {

// FORMINFO, the main picture's size and whether there is a mask; default mode
// (present false) for an Empty skin data.
FrameSkin FrameSkinFromSkinData(const TvxSkinData& data);

// The object records, in order. Active masks point into the skin data's
// pictures and live as long as the loaded skin.
std::vector<FrameObjectRecord> ObjectRecordsFromSkinData(const TvxSkinData& data);

// POPUPWINDOW with the skin's first "menuitem" record (the default look when
// there is no window picture).
PopupSkin PopupSkinFromSkinData(const TvxSkinData& data);

// The up-down record of that name, when it is one.
std::optional<UpDownRecord> UpDownRecordFromSkinData(const TvxSkinData& data, std::string_view name);

}  // namespace vx::frame
