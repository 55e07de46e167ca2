#!/usr/bin/env bash
# Runs the harness probe through wine-run.sh, as CTest runs every Windows test,
# and checks the verdict: a clean run passes; a crash fails every time (Wine's
# exit code for a crash was once 0 most times); a program that ends with exit
# code 0 before its tests are done fails; a failed assertion fails.
# Usage: wine_verdict_test.sh SOURCE_DIR BUILD_DIR PROBE_EXE
set -uo pipefail
src=$1 build=$2 probe=$3
runs=${KINOPOD_CRASH_RUNS:-20}
failures=0 oks=0
check() { if eval "$2"; then echo "ok: $1"; oks=$((oks + 1)); else echo "FAIL: $1"; failures=$((failures + 1)); fi; }
run() { KINOPOD_PROBE=$1 bash "$src/cmake/wine-run.sh" "$build" "$probe" >"$build/harness/logs/verdict-$1.out" 2>&1; }

run clean; rc=$?
check "a clean run passes (exit $rc)" '[ $rc = 0 ]'

passed=0 named=0
for i in $(seq "$runs"); do
  run crash && passed=$((passed + 1))
  grep -q 'wine-run: at .*harness_probe.cpp' "$build/harness/logs/verdict-crash.out" && named=$((named + 1))
done
check "a crash failed $((runs - passed)) of $runs runs" '[ $passed = 0 ]'
check "the crash's place was named in $named of $runs runs" '[ $named = $runs ]'

run exit; rc=$?
check "an exit halfway fails (exit $rc)" '[ $rc != 0 ]'
check "an exit halfway is reported as a missing summary" \
  'grep -q "no GoogleTest summary for the 3 tests" "$build/harness/logs/verdict-exit.out"'

run fail; rc=$?
check "a failed assertion fails (exit $rc)" '[ $rc != 0 ]'

# Listing the tests is no run of them and needs no summary.
KINOPOD_PROBE=crash bash "$src/cmake/wine-run.sh" "$build" "$probe" --gtest_list_tests \
  >"$build/harness/logs/verdict-list.out" 2>&1; rc=$?
check "listing the tests passes (exit $rc)" '[ $rc = 0 ]'

echo "verdict: $oks passed, $failures failed"
[ "$failures" = 0 ]
