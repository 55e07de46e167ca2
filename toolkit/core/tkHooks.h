// Hooks that can be taken out again safely.
//
// A component that watches another one's messages (a skinned frame on its
// form, a menu on the application's loop) must be able to leave without
// knowing who came after it. Saving the previous handler and putting it back
// breaks as soon as two watchers leave in the other order. Here every
// installation returns a token; removing by token takes out exactly that
// hook, wherever it now sits, and is a no-op once it is gone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "tkMessages.h"

namespace tk {

using THookToken = uint64_t;
THookToken NewHookToken();

// An ordered list of hooks of one signature. Callers iterate over Snapshot()
// so that hooks added or removed by a running hook do not disturb the walk,
// and ask Installed() before calling each one so a removed hook is not run.
template <class F>
class THookList {
 public:
  THookToken Add(F hook) {
    const THookToken token = NewHookToken();
    hooks_.emplace_back(token, std::make_shared<F>(std::move(hook)));
    return token;
  }
  // False when the hook is not (or no longer) installed.
  bool Remove(THookToken token) {
    for (auto it = hooks_.begin(); it != hooks_.end(); ++it)
      if (it->first == token) {
        hooks_.erase(it);
        return true;
      }
    return false;
  }
  bool Installed(THookToken token) const {
    for (const auto& h : hooks_)
      if (h.first == token) return true;
    return false;
  }
  bool Empty() const { return hooks_.empty(); }
  std::vector<std::pair<THookToken, std::shared_ptr<F>>> Snapshot() const { return hooks_; }

 private:
  std::vector<std::pair<THookToken, std::shared_ptr<F>>> hooks_;
};

// A hook on a control's messages: it sees each message before the control
// and decides whether (and when) the rest of the chain sees it by calling
// next.
using TMessageHook = std::function<void(TMessage& m, const TWndMethod& next)>;

// A control's message chain: hooks, newest first, in front of one plain
// handler (the control's WndProc unless replaced). Calling the chain runs it.
class TWndProcChain {
 public:
  TWndProcChain() = default;
  explicit TWndProcChain(TWndMethod handler) : handler_(std::move(handler)) {}
  // Replaces the plain handler at the end of the chain.
  TWndProcChain& operator=(TWndMethod handler) {
    handler_ = std::move(handler);
    return *this;
  }
  void operator()(TMessage& m) const;
  THookToken Add(TMessageHook hook) { return hooks_.Add(std::move(hook)); }
  bool Remove(THookToken token) { return hooks_.Remove(token); }
  bool Installed(THookToken token) const { return hooks_.Installed(token); }

 private:
  TWndMethod handler_;
  THookList<TMessageHook> hooks_;
};

}  // namespace tk
