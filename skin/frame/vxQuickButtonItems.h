// The quick buttons of a skinned form's caption, as the frame component
// publishes them: a collection of items, each with an image of the frame's
// QuickImageList, a hint, Enabled, Visible and OnClick, plus its run-time
// place and its hot and pressed state. Changing an item outside loading
// tells the owner, which repaints the frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QuickButtons.h"
#include "tkComponent.h"

namespace vx {

class TvxQuickButtonItems;

class TvxQuickButtonItem {
 public:
  int ImageIndex() const { return state_.imageIndex; }
  void SetImageIndex(int index) { Set(state_.imageIndex, index); }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  bool Enabled() const { return state_.enabled; }
  void SetEnabled(bool enabled) { Set(state_.enabled, enabled); }
  bool Visible() const { return state_.visible; }
  void SetVisible(bool visible) { Set(state_.visible, visible); }
  tk::TNotifyEvent OnClick;

  // Run time: the place on the window (window coordinates, empty while not
  // shown), the pointer on it, pressed.
  frame::Rect ItemRect() const { return state_.rect; }
  bool Hot() const { return state_.hot; }
  bool Down() const { return state_.down; }
  int Index() const;

 private:
  friend class TvxQuickButtonItems;
  explicit TvxQuickButtonItem(TvxQuickButtonItems* owner) : owner_(owner) {}
  template <typename T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();
  TvxQuickButtonItems* owner_;
  frame::QuickButton state_;
  std::wstring hint_;
};

class TvxQuickButtonItems {
 public:
  explicit TvxQuickButtonItems(std::function<void()> onChange) : onChange_(std::move(onChange)) {}
  TvxQuickButtonItems(const TvxQuickButtonItems&) = delete;
  TvxQuickButtonItems& operator=(const TvxQuickButtonItems&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  TvxQuickButtonItem* Add() {
    items_.push_back(std::unique_ptr<TvxQuickButtonItem>(new TvxQuickButtonItem(this)));
    Changed();
    return items_.back().get();
  }
  // Null outside 0 … Count() - 1.
  TvxQuickButtonItem* Items(int index) const {
    return index >= 0 && index < Count() ? items_[index].get() : nullptr;
  }
  void Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    Changed();
  }
  void Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
  }
  int IndexOf(const TvxQuickButtonItem* item) const {
    for (int i = 0; i < Count(); ++i)
      if (items_[i].get() == item) return i;
    return -1;
  }
  // The items' states in order, for the frame's rules.
  std::vector<frame::QuickButton*> States() const {
    std::vector<frame::QuickButton*> out;
    for (const auto& item : items_) out.push_back(&item->state_);
    return out;
  }

 private:
  friend class TvxQuickButtonItem;
  void Changed() {
    if (onChange_) onChange_();
  }
  std::vector<std::unique_ptr<TvxQuickButtonItem>> items_;
  std::function<void()> onChange_;
};

inline int TvxQuickButtonItem::Index() const { return owner_->IndexOf(this); }
inline void TvxQuickButtonItem::Changed() { owner_->Changed(); }

}  // namespace vx
