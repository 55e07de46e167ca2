#include "tkHooks.h"

namespace tk {

THookToken NewHookToken() {
  static THookToken next = 0;
  return ++next;
}

void TWndProcChain::operator()(TMessage& m) const {
  if (hooks_.Empty()) {
    if (handler_) handler_(m);
    return;
  }
  const auto hooks = hooks_.Snapshot();
  // Runs hook i (counting from the oldest) and hands it the rest of the chain.
  std::function<void(size_t, TMessage&)> run = [&](size_t i, TMessage& msg) {
    while (i > 0 && !hooks_.Installed(hooks[i - 1].first)) --i;  // taken out meanwhile
    if (i == 0) {
      if (handler_) handler_(msg);
      return;
    }
    const TWndMethod next = [&run, i](TMessage& rest) { run(i - 1, rest); };
    (*hooks[i - 1].second)(msg, next);
  };
  run(hooks.size(), m);
}

}  // namespace tk
