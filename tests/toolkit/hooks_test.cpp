// Hook chains: order, and removal by token in any order, also from inside a
// running hook.
#include <gtest/gtest.h>

#include <string>

#include "tkHooks.h"

namespace tk {
namespace {

TEST(WndProcChain, HooksRunNewestFirstAndLeaveInAnyOrder) {
  std::string trace;
  TWndProcChain chain(TWndMethod([&](TMessage& m) { trace += "base" + std::to_string(m.Msg) + ";"; }));
  auto hook = [&](const char* name) {
    return [&trace, name](TMessage& m, const TWndMethod& next) {
      trace += std::string(name) + ";";
      next(m);
    };
  };
  const THookToken frame = chain.Add(hook("frame"));
  const THookToken menu = chain.Add(hook("menu"));
  TMessage m{7};
  chain(m);
  EXPECT_EQ(trace, "menu;frame;base7;");

  // The frame leaves first although the menu came after it: the menu stays.
  EXPECT_TRUE(chain.Remove(frame));
  EXPECT_FALSE(chain.Remove(frame));
  trace.clear();
  chain(m);
  EXPECT_EQ(trace, "menu;base7;");
  EXPECT_TRUE(chain.Installed(menu));
  EXPECT_TRUE(chain.Remove(menu));
  trace.clear();
  chain(m);
  EXPECT_EQ(trace, "base7;");
}

TEST(WndProcChain, AHookCanSwallowAMessageOrRemoveAnotherWhileRunning) {
  std::string trace;
  TWndProcChain chain(TWndMethod([&](TMessage&) { trace += "base;"; }));
  THookToken inner = 0;
  inner = chain.Add([&](TMessage& m, const TWndMethod& next) {
    trace += "inner;";  // never reached: the outer hook removes this one first
    next(m);
  });
  chain.Add([&](TMessage& m, const TWndMethod& next) {
    trace += "outer;";
    if (m.Msg == 1) return;  // swallowed
    chain.Remove(inner);
    next(m);
  });
  TMessage swallowed{1}, passed{2};
  chain(swallowed);
  EXPECT_EQ(trace, "outer;");
  trace.clear();
  chain(passed);
  EXPECT_EQ(trace, "outer;base;") << "a hook removed during the walk is not run";
}

TEST(HookList, SnapshotsSurviveChangesAndTokensAreUnique) {
  THookList<std::function<void(int&)>> list;
  int sum = 0;
  const THookToken a = list.Add([&](int& v) { v += 1; });
  const THookToken b = list.Add([&](int& v) { v += 10; });
  EXPECT_NE(a, b);
  auto snapshot = list.Snapshot();
  list.Remove(a);
  for (auto& [token, fn] : snapshot)
    if (list.Installed(token)) (*fn)(sum);
  EXPECT_EQ(sum, 10);
}

}  // namespace
}  // namespace tk
