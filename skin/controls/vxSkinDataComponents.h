// The skin data and the stored skin as components a form owns.
//
// The skin data itself (loading, records, announcements) is the portable
// vx::TvxSkinData; these classes give it an owner, a name and the removal
// notifications of the toolkit, and let it announce skin changes to the
// application's real forms. Everything a skinned control or frame needs is
// the portable class: they keep a TvxSkinDataComponent* as their SkinData.
#pragma once

#include <memory>

#include "tkComponent.h"
#include "vxSkinFormList.h"
#include "vxSkinData.h"
#include "vxStoredSkin.h"

namespace tk {
class TCustomForm;
}

namespace vx {

class TvxCompressedStoredSkinComponent : public tk::TComponent, public TvxCompressedStoredSkin {
 public:
  explicit TvxCompressedStoredSkinComponent(tk::TComponent* owner) : tk::TComponent(owner) {}
};

class TvxSkinDataComponent : public tk::TComponent, public TvxSkinData {
 public:
  explicit TvxSkinDataComponent(tk::TComponent* owner);
  ~TvxSkinDataComponent() override;

  // Assigning a stored skin loads it at once (the form's design data sets
  // the stored skin's bytes before it makes this reference).
  TvxCompressedStoredSkinComponent* CompressedStoredSkin() const { return stored_; }
  void SetCompressedStoredSkin(TvxCompressedStoredSkinComponent* skin);

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  TvxCompressedStoredSkinComponent* stored_ = nullptr;
  std::unique_ptr<TvxFormTarget> ownerTarget_;
};

// Whether a skin announcement (its first parameter) comes from `data`. The
// skin data sends its own address as the portable TvxSkinData; a component's
// address differs from that, so compare through here. The parameter is only
// looked up among the live skin data, never followed: any process can send
// these numbers.
inline bool SkinMessageFrom(uintptr_t wparam, const TvxSkinData* data) {
  return data && TvxSkinData::Announcing(wparam) == data;
}

// The link every skinned control and frame keeps to its skin data: the
// pointer is cleared when the skin data goes away.
class TvxSkinDataLink {
 public:
  explicit TvxSkinDataLink(tk::TComponent& self) : self_(self) {}
  TvxSkinDataComponent* Get() const { return data_; }
  void Set(TvxSkinDataComponent* data);
  // Call from the owner's Notification.
  void Notification(tk::TComponent* component, tk::TOperation operation);
  // The record the control draws from, or null for its default look.
  TvxSkinRecord* Control(const std::string& name) const;

 private:
  tk::TComponent& self_;
  TvxSkinDataComponent* data_ = nullptr;
};

}  // namespace vx
