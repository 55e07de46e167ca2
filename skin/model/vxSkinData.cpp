#include "vxSkinData.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "vxSkinContainer.h"
#include "vxSkinReaders.h"
#include "vxSkinZlib.h"

namespace vx {
namespace {

TvxSkinFormList*& DefaultFormList() {
  static TvxSkinFormList* forms = nullptr;
  return forms;
}

int FindByName(const std::vector<std::unique_ptr<TvxSkinRecord>>& list, std::string_view name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i]->Name == name) return static_cast<int>(i);
  return -1;
}

int BitCountOf(const TvxContainerPicture& p) { return p.present ? p.info.bitCount : 0; }

// Every skin data that exists, by the number its announcements carry.
struct LiveSkinData {
  std::mutex lock;
  std::unordered_set<uintptr_t> addresses;
};
LiveSkinData& Live() {
  // Never destroyed: a skin data in a static object may outlive any other static.
  static auto* live = new LiveSkinData;
  return *live;
}

}  // namespace

TvxSkinData* TvxSkinData::Announcing(uintptr_t wparam) {
  LiveSkinData& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  return live.addresses.count(wparam) ? reinterpret_cast<TvxSkinData*>(wparam) : nullptr;
}

void SetApplicationFormList(TvxSkinFormList* forms) { DefaultFormList() = forms; }
TvxSkinFormList* ApplicationFormList() { return DefaultFormList(); }

TvxSkinData::TvxSkinData(TvxSkinMessageTarget* ownerForm) : owner_(ownerForm), factory_(&StandardRecordFactory()) {
  formInfo_ = MakeWindowRecord("FORMINFO");
  popupWindow_ = MakeWindowRecord("POPUPWINDOW");
  layerFrame_ = MakeWindowRecord("LAYERFRAME");
  hintWindow_ = MakeWindowRecord("HINTWINDOW");
  LiveSkinData& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  live.addresses.insert(reinterpret_cast<uintptr_t>(this));
}

TvxSkinData::~TvxSkinData() {
  empty_ = true;
  LiveSkinData& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  live.addresses.erase(reinterpret_cast<uintptr_t>(this));
}

std::unique_ptr<TvxSkinRecord> TvxSkinData::MakeWindowRecord(const char* section) const {
  std::unique_ptr<TvxSkinRecord> r = factory_->Create(TvxRecordKind::Window, section, section);
  if (!r) {
    r = std::make_unique<TvxSkinRecord>();
    r->Name = r->TypeName = section;
  }
  return r;
}

void TvxSkinData::SetRecordFactory(const TvxSkinRecordFactory* factory) {
  factory_ = factory ? factory : &StandardRecordFactory();
  formInfo_ = MakeWindowRecord("FORMINFO");
  popupWindow_ = MakeWindowRecord("POPUPWINDOW");
  layerFrame_ = MakeWindowRecord("LAYERFRAME");
  hintWindow_ = MakeWindowRecord("HINTWINDOW");
}

void TvxSkinData::ClearSkin() {
  ObjectRecords.clear();
  ControlRecords.clear();
  PictureList.clear();
  PictureName.clear();
  InactivePictureName.clear();
  MaskPictureName.clear();
  ActivePictureNames.clear();
  SkinColors.Reset();
  layerFrame_->SetMainPictureIndex(-1);
  popupWindow_->SetMainPictureIndex(-1);
  hintWindow_->SetMainPictureIndex(-1);
  MainPicture.Clear();
  MaskPicture.Clear();
  InactivePicture.Clear();
  empty_ = true;
  ++generation_;
}

void TvxSkinData::LoadCompressedStoredSkin(const TvxCompressedStoredSkin& skin) {
  if (skin.IsEmpty()) return;
  empty_ = true;
  changing_ = true;
  SendSkinMessage(WM_SKIN_BEFORE_CHANGE);
  ClearSkin();
  try {
    LoadContainer(skin);
  } catch (...) {
    // Whatever was read is dropped, and the forms are told the change is over
    // so they leave the half-changed state for their default look.
    ClearSkin();
    changing_ = false;
    SendSkinMessage(WM_SKIN_CHANGED);
    SendSkinMessage(WM_SKIN_AFTER_CHANGE);
    throw;
  }
  empty_ = false;
  ++generation_;
  if (OnLoadData) OnLoadData(*this);
  SendSkinMessage(WM_SKIN_CHANGED);
  changing_ = false;
  SendSkinMessage(WM_SKIN_AFTER_CHANGE);
}

void TvxSkinData::LoadContainer(const TvxCompressedStoredSkin& skin) {
  TvxSkinContainer container;
  {
    TvxInflatedBytes inflated = InflateSkinBuffer(skin.CompressedData());
    container = ReadSkinContainer(inflated.Span());
  }  // the inflated bytes go before the definition is parsed
  facts_ = {};
  facts_.containerVersion = container.version;
  facts_.containerBytes = container.bytes;
  facts_.mainBitCount = BitCountOf(container.main);
  facts_.inactiveBitCount = BitCountOf(container.inactive);
  facts_.maskBitCount = BitCountOf(container.mask);
  MainPicture = std::move(container.main.picture);
  InactivePicture = std::move(container.inactive.picture);
  MaskPicture = std::move(container.mask.picture);
  PictureList.reserve(container.pictures.size());
  for (auto& p : container.pictures) {
    facts_.pictureBitCounts.push_back(p.info.bitCount);
    PictureList.push_back(std::move(p.picture));
  }
  container.pictures.clear();

  const TvxSkinIni ini = TvxSkinIni::Parse(container.definition);
  container.definition.clear();
  facts_.sectionCount = ini.SectionCount();
  SkinName = ReadSkinString(ini, "VERSION", "skinname");
  SkinAuthor = ReadSkinString(ini, "VERSION", "skinauthor");
  AuthorEmail = ReadSkinString(ini, "VERSION", "authoremail");
  AuthorURL = ReadSkinString(ini, "VERSION", "authorurl");
  SkinComments = ReadSkinString(ini, "VERSION", "skincomments");
  PictureName = ReadSkinString(ini, "PICTURES", "picture");
  InactivePictureName = ReadSkinString(ini, "PICTURES", "inactivepicture");
  MaskPictureName = ReadSkinString(ini, "PICTURES", "mask");
  ActivePictureNames = ReadSkinList(ini, "PICTURES", "activepictures");
  formInfo_->LoadFromIni(ini, "FORMINFO");
  popupWindow_->LoadFromIni(ini, "POPUPWINDOW");
  layerFrame_->LoadFromIni(ini, "LAYERFRAME");
  hintWindow_->LoadFromIni(ini, "HINTWINDOW");
  SkinColors.LoadFromIni(ini, "SKINCOLORS");
  LoadRecordList(ini, "SKINOBJECTS", TvxRecordKind::Object, ObjectRecords);
  LoadRecordList(ini, "SKINCONTROLS", TvxRecordKind::Control, ControlRecords);
}

void TvxSkinData::LoadRecordList(const TvxSkinIni& ini, const char* section, TvxRecordKind kind,
                                 std::vector<std::unique_ptr<TvxSkinRecord>>& list) {
  const int32_t count = std::min(ini.ReadInteger(section, "count", 0), kMaxSkinListSize);
  // Entries that are absent would create nothing, so only the present ones are visited.
  for (const auto& entry : ini.NumberedKeys(section, count)) {
    const size_t colon = entry.Value.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string name(entry.Value.substr(0, colon));
    std::unique_ptr<TvxSkinRecord> record = factory_->Create(kind, entry.Value.substr(colon + 1), name);
    if (!record) continue;
    list.push_back(std::move(record));
    list.back()->LoadFromIni(ini, name);
  }
}

int TvxSkinData::GetControlIndex(std::string_view name) const { return FindByName(ControlRecords, name); }
int TvxSkinData::GetObjectIndex(std::string_view name) const { return FindByName(ObjectRecords, name); }

TvxSkinRecord* TvxSkinData::ControlRecord(int index) const {
  return index >= 0 && index < static_cast<int>(ControlRecords.size()) ? ControlRecords[index].get() : nullptr;
}
TvxSkinRecord* TvxSkinData::ObjectRecord(int index) const {
  return index >= 0 && index < static_cast<int>(ObjectRecords.size()) ? ObjectRecords[index].get() : nullptr;
}
TvxSkinRecord* TvxSkinData::FindControl(std::string_view name) const {
  return empty_ ? nullptr : ControlRecord(GetControlIndex(name));
}
TvxSkinRecord* TvxSkinData::FindObject(std::string_view name) const {
  return empty_ ? nullptr : ObjectRecord(GetObjectIndex(name));
}

const TvxPixmap* TvxSkinData::Picture(int index) const {
  return index >= 0 && index < static_cast<int>(PictureList.size()) ? &PictureList[index] : nullptr;
}

void TvxSkinData::SendSkinMessage(unsigned msg) {
  const uintptr_t wparam = reinterpret_cast<uintptr_t>(this);
  const bool ownerFirst = owner_ && !showLayeredBorders_;
  if (ownerFirst) {
    owner_->HandleNeeded();
    owner_->SendSkinMessage(msg, wparam, kSkinMessageLParam);
  }
  TvxSkinFormList* forms = formList_ ? formList_ : ApplicationFormList();
  if (!forms) return;
  std::vector<TvxSkinMessageTarget*> targets;
  for (TvxSkinMessageTarget* form : forms->Forms()) {
    if (!form || (ownerFirst && form->Identity() == owner_->Identity()) || form->IsLayerWindow()) continue;
    form->HandleNeeded();
    targets.push_back(form);
  }
  // With a layered border drawn, the forms hear it last-created first.
  if (showLayeredBorders_ && layerFrame_->MainPictureIndex() != -1) std::reverse(targets.begin(), targets.end());
  for (TvxSkinMessageTarget* form : targets) form->SendSkinMessage(msg, wparam, kSkinMessageLParam);
}

void TvxSkinData::AnnounceSetting(unsigned msg) {
  if (!Designing && !ReadingFormData) SendSkinMessage(msg);
}

void TvxSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  AnnounceSetting(WM_SKIN_SKINNABLE_CHANGED);
}

void TvxSkinData::SetShowLayeredBorders(bool value) {
  if (value == showLayeredBorders_) return;
  showLayeredBorders_ = value;
  AnnounceSetting(WM_SKIN_LAYERED_BORDERS_CHANGED);
}

void TvxSkinData::SetAeroBlurEnabled(bool value) {
  if (value == aeroBlurEnabled_) return;
  aeroBlurEnabled_ = value;
  AnnounceSetting(WM_SKIN_BLUR_CHANGED);
}

void TvxSkinData::SetCompressedStoredSkin(TvxCompressedStoredSkin* skin) {
  storedSkin_ = skin;
  if (!Designing && skin) LoadCompressedStoredSkin(*skin);
}

void TvxSkinData::SetSkinList(TvxCompressedSkinList* list) {
  skinList_ = list;
  if (!Designing && list && skinIndex_ >= 0 && skinIndex_ < list->Count())
    LoadCompressedStoredSkin(list->Skins[skinIndex_]->StoredSkin());
}

void TvxSkinData::SetSkinIndex(int index) {
  if (index == skinIndex_) return;
  if (!skinList_) {
    skinIndex_ = index;
    return;
  }
  if (index < 0 || index >= skinList_->Count()) return;
  skinIndex_ = index;
  if (!Designing) LoadCompressedStoredSkin(skinList_->Skins[index]->StoredSkin());
}

void TvxSkinData::SetResourceStrData(TvxResourceStrData* strings) {
  resourceStrData_ = strings;
  if (!Designing) SendSkinMessage(WM_SKIN_STRINGS_CHANGED);
}

void TvxSkinData::Notification(const void* removed) {
  if (!removed) return;
  if (removed == storedSkin_) storedSkin_ = nullptr;
  if (removed == skinList_) skinList_ = nullptr;
  if (removed == resourceStrData_) resourceStrData_ = nullptr;
}

}  // namespace vx
