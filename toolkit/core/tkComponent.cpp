#include "tkComponent.h"

#include <algorithm>
#include <cctype>

namespace tk {
namespace {

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

bool IsIdentifier(std::string_view s) {
  if (s.empty()) return false;
  auto alpha = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
  if (!alpha(s[0])) return false;
  return std::all_of(s.begin() + 1, s.end(),
                     [&](unsigned char c) { return alpha(c) || std::isdigit(c); });
}

void Erase(std::vector<TComponent*>& list, TComponent* c) {
  auto it = std::find(list.begin(), list.end(), c);
  if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() { TearDown(); }

void TComponent::Free() {
  TearDown();
  delete this;
}

void TComponent::TearDown() {
  if (tornDown_) return;
  tornDown_ = true;
  BeforeDestruction();
}

void TComponent::BeforeDestruction() {
  state_ |= csDestroying;
  // Everyone holding a pointer to us lets go of it before anything is freed.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  // Last created first: later components may refer to earlier ones.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    RemoveComponent(c);
    c->Free();
  }
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  // Refused before anything changes: the component stays with its old owner.
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  if (component->owner_) component->owner_->RemoveComponent(component);
  component->owner_ = this;
  components_.push_back(component);
  if (Loading()) component->state_ |= csLoading;
  if (Designing()) component->state_ |= csDesigning;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  Unlink(component);
}

void TComponent::Unlink(TComponent* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty()) {
    if (!IsIdentifier(name)) throw EComponentError("\"" + name + "\" is not a valid component name");
    if (owner_) {
      TComponent* other = owner_->FindComponent(name);
      if (other && other != this) {
        if (!(Loading() && NumbersClashingDesignName()))
          throw EComponentError("A component named " + name + " already exists");
        // A second instance of a designed class: the first free Name_N.
        for (int n = 1;; ++n) {
          std::string numbered = name + "_" + std::to_string(n);
          TComponent* holder = owner_->FindComponent(numbered);
          if (!holder || holder == this) {
            name_ = numbered;
            return;
          }
        }
      }
    }
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Erase(freeNotifies_, component);
  Erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Handlers may free components; walk by index from the end and re-check.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    TComponent* c = components_[i];
    if (c != component) c->Notification(component, operation);
  }
}

void TComponent::BeginLoading() { state_ |= csLoading | csReading; }

void TComponent::EndLoading() {
  // Loaded may create components; take a snapshot of those read.
  std::vector<TComponent*> loading;
  for (TComponent* c : components_)
    if (c->Loading()) loading.push_back(c);
  state_ &= ~csReading;
  for (TComponent* c : loading) {
    // A component freed by an earlier Loaded is no longer ours.
    if (std::find(components_.begin(), components_.end(), c) == components_.end()) continue;
    c->state_ &= ~csReading;
    c->Loaded();
  }
  Loaded();
}

void TComponent::Loaded() { state_ &= ~(csLoading | csReading); }

void TComponent::SetDesigning(bool designing) {
  if (designing)
    state_ |= csDesigning;
  else
    state_ &= ~csDesigning;
}

}  // namespace tk
