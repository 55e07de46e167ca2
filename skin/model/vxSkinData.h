// The skin data: one loaded skin, which every skinned control and frame of
// the program points to and asks for its record by name.
//
// Loading replaces the whole skin and announces it to every form with three
// synchronous messages (before change, changed, after change). A load that
// fails or is refused leaves the skin cleared and Empty, and still tells the
// forms the change is over, so that each goes back to its default look; then
// the error reaches the caller.
//
// Users never keep a record or picture across a skin change: they keep the
// record's index (GetControlIndex / GetObjectIndex, valid only while the skin
// is not Empty) and look it up again after every change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vxPixmap.h"
#include "vxSkinColors.h"
#include "vxSkinMessages.h"
#include "vxSkinRecord.h"
#include "vxStoredSkin.h"

namespace vx {

class TvxResourceStrData;

// Facts about the last container loaded, for tools and diagnostics.
struct TvxSkinLoadFacts {
  int32_t containerVersion = 0;
  size_t containerBytes = 0;
  size_t sectionCount = 0;
  int mainBitCount = 0, inactiveBitCount = 0, maskBitCount = 0;  // 0 = absent
  std::vector<int> pictureBitCounts;
};

class TvxSkinData {
 public:
  // `ownerForm` is the form that owns this component, if its owner is a form.
  explicit TvxSkinData(TvxSkinMessageTarget* ownerForm = nullptr);
  ~TvxSkinData();
  TvxSkinData(const TvxSkinData&) = delete;
  TvxSkinData& operator=(const TvxSkinData&) = delete;

  // Published settings. The three that forms react to announce their change.
  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  bool ShowLayeredBorders() const { return showLayeredBorders_; }
  void SetShowLayeredBorders(bool value);
  bool AeroBlurEnabled() const { return aeroBlurEnabled_; }
  void SetAeroBlurEnabled(bool value);
  bool AnimationForAllWindows = false;
  bool EnableSkinEffects = true;
  bool ShowButtonGlowFrames = true;
  bool ShowCaptionButtonGlowFrames = true;

  // Skin sources: assigning one loads it (outside a designer).
  TvxCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
  void SetCompressedStoredSkin(TvxCompressedStoredSkin* skin);
  TvxCompressedSkinList* SkinList() const { return skinList_; }
  void SetSkinList(TvxCompressedSkinList* list);
  int SkinIndex() const { return skinIndex_; }
  void SetSkinIndex(int index);
  TvxResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TvxResourceStrData* strings);
  // Raised after a skin has loaded, before the forms hear of it.
  std::function<void(TvxSkinData&)> OnLoadData;
  // A component this one refers to is going away: drop the reference.
  void Notification(const void* removedComponent);

  bool Designing = false;
  bool ReadingFormData = false;

  // Loaded state.
  bool Empty() const { return empty_; }
  bool Changing() const { return changing_; }
  // Counts the skins loaded and cleared, so pictures built from one (cached
  // frame strips) can tell that the skin under them changed.
  uint64_t Generation() const { return generation_; }
  TvxPixmap MainPicture, InactivePicture, MaskPicture;
  std::vector<TvxPixmap> PictureList;
  std::string PictureName, InactivePictureName, MaskPictureName;
  std::vector<std::string> ActivePictureNames;
  std::vector<std::unique_ptr<TvxSkinRecord>> ObjectRecords;
  std::vector<std::unique_ptr<TvxSkinRecord>> ControlRecords;
  TvxSkinColors SkinColors;
  std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;

  // The window sections. Always present; FORMINFO's values are the form frame's.
  TvxSkinRecord& FormInfo() const { return *formInfo_; }
  TvxSkinRecord& PopupWindow() const { return *popupWindow_; }
  TvxSkinRecord& LayerFrame() const { return *layerFrame_; }
  TvxSkinRecord& HintWindow() const { return *hintWindow_; }

  const TvxSkinLoadFacts& LoadFacts() const { return facts_; }

  // Replaces the current skin by the stored one. A stored skin without bytes
  // changes nothing and sends nothing. Throws the load's error after the
  // forms have been told (see above).
  void LoadCompressedStoredSkin(const TvxCompressedStoredSkin& skin);
  void ClearSkin();

  // Exact, case-sensitive; the first match wins; -1 when absent.
  int GetControlIndex(std::string_view name) const;
  int GetObjectIndex(std::string_view name) const;
  TvxSkinRecord* ControlRecord(int index) const;
  TvxSkinRecord* ObjectRecord(int index) const;
  // The record a user with this name should draw from: null when the skin is
  // Empty or has no such record (the user then draws its default look).
  TvxSkinRecord* FindControl(std::string_view name) const;
  TvxSkinRecord* FindObject(std::string_view name) const;
  // A picture of the list, or null for -1 and other indices out of range.
  const TvxPixmap* Picture(int index) const;

  // The live skin data whose announcements carry `wparam` as their first
  // parameter, or null. The number is looked up among the skin data that
  // exist, never followed: any process can send a window these messages.
  static TvxSkinData* Announcing(uintptr_t wparam);
  // Sends msg to the owner form first (unless layered borders are on), then
  // to every other form; in reverse form order when the layered border is drawn.
  void SendSkinMessage(unsigned msg);
  // The forms this skin data announces to; null: the application's (see vxSkinMessages.h).
  void SetFormList(TvxSkinFormList* forms) { formList_ = forms; }
  void SetOwnerForm(TvxSkinMessageTarget* owner) { owner_ = owner; }
  // Which classes the list sections create (the engine's standard set by default).
  void SetRecordFactory(const TvxSkinRecordFactory* factory);

 private:
  void LoadContainer(const TvxCompressedStoredSkin& skin);
  void LoadRecordList(const TvxSkinIni& ini, const char* section, TvxRecordKind kind,
                      std::vector<std::unique_ptr<TvxSkinRecord>>& list);
  std::unique_ptr<TvxSkinRecord> MakeWindowRecord(const char* section) const;
  void AnnounceSetting(unsigned msg);

  TvxSkinMessageTarget* owner_ = nullptr;
  TvxSkinFormList* formList_ = nullptr;
  const TvxSkinRecordFactory* factory_ = nullptr;
  bool skinnableForm_ = true;
  bool showLayeredBorders_ = true;
  bool aeroBlurEnabled_ = true;
  TvxCompressedStoredSkin* storedSkin_ = nullptr;
  TvxCompressedSkinList* skinList_ = nullptr;
  int skinIndex_ = 0;
  TvxResourceStrData* resourceStrData_ = nullptr;
  bool empty_ = true;
  bool changing_ = false;
  uint64_t generation_ = 0;
  std::unique_ptr<TvxSkinRecord> formInfo_, popupWindow_, layerFrame_, hintWindow_;
  TvxSkinLoadFacts facts_;
};

}  // namespace vx
