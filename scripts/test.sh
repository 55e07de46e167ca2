#!/usr/bin/env bash
# Builds everything and runs every test suite: native, native under ASan and
# UBSan, and the Windows build under wine64 (with its installer), whose
# binding suites run again on a guarded heap; the Win32
# release build and its dist folder are built and checked (they cannot run on
# these machines), and no two tracked paths may differ only by case. Installs
# what it needs first.
#
# Usage: scripts/test.sh            (from anywhere; build trees go to build/)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "$(id -u)" = 0 ]; then
  bash scripts/setup.sh || exit 1
else
  echo "test: not root, assuming scripts/setup.sh has been run"
fi

jobs=$(nproc)
failures=0
total_passed=0
total_failed=0
summary=()

step() { printf '\n==== %s ====\n' "$*"; }

# The same sources compile alike in every preset: with ccache (installed by
# setup.sh) a preset reuses what another one, or an earlier run in any clone
# of the project, compiled already.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$root
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

build() {  # build PRESET [TARGET...]
  local preset=$1; shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  step "build $preset"
  cmake --preset "$preset" "${launcher[@]}" >"build-$preset.configure.log" 2>&1 \
    || { cat "build-$preset.configure.log"; return 1; }
  rm -f "build-$preset.configure.log"
  cmake --build --preset "$preset" -j "$jobs" "${targets[@]}" 2>&1 | grep -v '^\[' || true
  [ "${PIPESTATUS[0]}" = 0 ]
}

run_ctest() {  # run_ctest PRESET [CTEST ARGS...]: the suites into build/PRESET/ctest.log
  local preset=$1; shift
  ctest --preset "$preset" -j "$jobs" "$@" >"build/$preset/ctest.log" 2>&1
}

tally() {  # tally PRESET RC: prints a ctest log's failures and counts its tests
  local preset=$1 rc=$2 log="build/$1/ctest.log"
  step "test $preset"
  grep -E -v '^ *(Start|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)' "$log"
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -n "$line" ]; then
    local failed total
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    total_passed=$((total_passed + total - failed))
    total_failed=$((total_failed + failed))
    summary+=("$preset: $line")
  else
    summary+=("$preset: no test summary")
    total_failed=$((total_failed + 1))
  fi
  return "$rc"
}

run_tests() {  # run_tests PRESET [CTEST ARGS...]
  run_ctest "$@"
  tally "$1" $?
}

# Two paths that differ only by case are one file on Windows and macOS.
step "file names"
if bash scripts/check-names.sh; then
  summary+=("names: no case-clashing paths")
else
  summary+=("names: case-clashing paths")
  failures=$((failures + 1))
  total_failed=$((total_failed + 1))
fi

for preset in native asan win64; do
  if build "$preset"; then
    run_tests "$preset" || failures=$((failures + 1))
  else
    echo "test: the $preset build failed"
    summary+=("$preset: build failed")
    failures=$((failures + 1))
    total_failed=$((total_failed + 1))
  fi
done

# The Windows binding again, every allocation of ours on a page of its own
# with a guard page behind it and freed pages kept inaccessible: a write past
# an object or into a freed one faults where it happens.
guarded=(toolkit_win_test toolkit_controls_test
         skin_controls_test skin_control_base_test skin_button_test skin_edit_test skin_hints_test
         skin_form_list_test skin_broadcast_win_test
         chassis_win_test chassis_caption_win_test chassis_effects_win_test chassis_hints_win_test menus_win_test
         lantern_host_test lantern_navigation_test lantern_process_test
         guard_heap_test)
# Its Wine suites mostly wait on timers: they run beside the win32 build,
# on a display and in a prefix of their own.
guard_pid=
if build win64-guard "${guarded[@]}"; then
  run_ctest win64-guard -R "^(wine_harness_start|wine_harness_stop|$(IFS='|'; echo "${guarded[*]}"))\$" &
  guard_pid=$!
else
  echo "test: the win64-guard build failed"
  summary+=("win64-guard: build failed")
  failures=$((failures + 1))
  total_failed=$((total_failed + 1))
fi

if build win32 && bash scripts/check-binaries.sh build/win32 "Intel 80386"; then
  summary+=("win32: built, PE32 checked")
else
  summary+=("win32: build or check failed")
  failures=$((failures + 1))
  total_failed=$((total_failed + 1))
fi
bash scripts/check-binaries.sh build/win64 "x86-64" || { failures=$((failures + 1)); total_failed=$((total_failed + 1)); }

# The release: `dist` lays out build/<preset>/dist/ (program, read-me and
# licences, portable zip, MSI). The win64 suite above built its own through
# the dist_build test and ran the installer under wine64 (msi_install_test);
# the win32 release cannot run here, so its dist is built and read back:
# resources, manifest, version, MSI tables, zip.
step "dist win32"
rm -f build/win32/dist-check.log
if cmake --build --preset win32 --target dist 2>&1 | grep -v '^\[' ; [ "${PIPESTATUS[0]}" = 0 ] \
   && sh build/win32/dist-build/check-dist.sh >build/win32/dist-check.log 2>&1; then
  grep -c '^ok ' build/win32/dist-check.log | sed 's/^/dist win32: checks passed: /'
  summary+=("dist win32: built, resources, MSI and zip read back")
else
  cat build/win32/dist-check.log 2>/dev/null
  summary+=("dist win32: build or read-back failed")
  failures=$((failures + 1))
  total_failed=$((total_failed + 1))
fi

if [ -n "$guard_pid" ]; then
  wait "$guard_pid"
  tally win64-guard $? || failures=$((failures + 1))
fi

step "summary"
printf '%s\n' "${summary[@]}"
echo "all: $total_passed passed, $total_failed failed"
[ "$failures" = 0 ] && [ "$total_failed" = 0 ]
