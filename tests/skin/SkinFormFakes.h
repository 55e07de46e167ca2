// Forms that record the skin announcements they receive, and what the skin
// data looked like at that moment.
#pragma once

#include <string>
#include <vector>

#include "vxSkinData.h"

namespace vx::testing {

struct Heard {
  std::string form;
  unsigned msg;
  bool empty;
  bool changing;
};

class FakeForm : public TvxSkinMessageTarget {
 public:
  FakeForm(std::string name, std::vector<Heard>& log, const TvxSkinData*& data, bool layer = false)
      : name_(std::move(name)), log_(log), data_(data), layer_(layer) {}
  void HandleNeeded() override { hasHandle = true; }
  bool IsLayerWindow() const override { return layer_; }
  void SendSkinMessage(unsigned msg, uintptr_t wparam, intptr_t lparam) override {
    lastWParam = wparam;
    lastLParam = lparam;
    log_.push_back({name_, msg, data_ ? data_->Empty() : true, data_ ? data_->Changing() : false});
  }
  bool hasHandle = false;
  uintptr_t lastWParam = 0;
  intptr_t lastLParam = 0;

 private:
  std::string name_;
  std::vector<Heard>& log_;
  const TvxSkinData*& data_;
  bool layer_;
};

class FakeFormList : public TvxSkinFormList {
 public:
  std::vector<TvxSkinMessageTarget*> forms;
  std::vector<TvxSkinMessageTarget*> Forms() const override { return forms; }
};

}  // namespace vx::testing
