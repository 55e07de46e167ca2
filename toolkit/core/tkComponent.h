// Components: the owner/owned lifetime and the removal notifications every
// class of the toolkit and the skin engine builds on.
//
// An owner frees what it owns, last created first, when it is freed itself.
// A component that keeps a pointer to another one asks for a free
// notification (FreeNotification); when the other one goes, its
// Notification(other, opRemove) runs and clears the pointer. Owners pass
// notifications on to everything they own, so components of one form see each
// other's removal without asking.
//
// Teardown runs in BeforeDestruction, while the object is still whole, so the
// overrides of dying classes and of the components they notify all run with
// intact objects. Free() is the way to destroy a component; a plain delete
// works as well (the destructors finish what BeforeDestruction did not run).
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class TObject {
 public:
  virtual ~TObject() = default;
};

// The toolkit's failures; what() is UTF-8.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};
// An object is not of the class a caller needs (the toolkit's "Invalid class
// typecast").
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception("Invalid class typecast") {}
};
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

enum class TOperation { opInsert, opRemove };
using enum TOperation;

using TComponentState = unsigned;
// csLoading: the design data of the owner form is being applied.
// csDesigning: set only inside a form designer, never at run time.
constexpr TComponentState csLoading = 1, csReading = 2, csDesigning = 4, csDestroying = 8;

using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Destroys the component; prefer it to delete.
  void Free();

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  // Position in the owner's list, -1 without owner.
  int ComponentIndex() const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  const std::string& Name() const { return name_; }
  // Names are identifiers, unique (ignoring case) among one owner's components;
  // anything else raises EComponentError. The empty name is always allowed.
  void SetName(const std::string& name);
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_ & csLoading; }
  bool Designing() const { return state_ & csDesigning; }
  bool Destroying() const { return state_ & csDestroying; }

  // Both components learn of each other's removal from now on.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Design data: between BeginLoading and EndLoading this component and every
  // component it comes to own are loading. EndLoading runs Loaded on each
  // owned component still loading (in list order), then on this one.
  void BeginLoading();
  void EndLoading();

  intptr_t Tag = 0;

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  // Clears csLoading; classes that defer work while loading finish it here.
  virtual void Loaded();
  // The teardown, overridden by classes with teardown of their own (which call
  // the base last). Runs once.
  virtual void BeforeDestruction();
  void SetDesigning(bool designing);
  // Whether a name given while loading that another component of the owner
  // already has becomes Name_1, Name_2, ... instead of an error (forms: a
  // second instance of a form class names itself from the same design data).
  virtual bool NumbersClashingDesignName() const { return false; }
  // Runs BeforeDestruction once. A class whose members others hook into (a
  // control's message chain) calls it from its own destructor, so that on a
  // plain delete, or when its constructor throws, the components it owns are
  // gone before those members are.
  void TearDown();

 private:
  void DestroyComponents();
  void Unlink(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  TComponentState state_ = 0;
  bool tornDown_ = false;
};

// Frees a component and clears the pointer first, so nothing sees it half gone.
template <class T>
void FreeAndNil(T*& component) {
  T* c = component;
  component = nullptr;
  if (c) c->Free();
}

}  // namespace tk
