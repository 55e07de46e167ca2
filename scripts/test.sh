#!/usr/bin/env bash
# Builds everything and runs every test suite: native, native under ASan and
# UBSan, and the Windows build under wine64 (with its installer); the Win32
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

build() {  # build PRESET
  step "build $1"
  cmake --preset "$1" >"build-$1.configure.log" 2>&1 || { cat "build-$1.configure.log"; return 1; }
  rm -f "build-$1.configure.log"
  cmake --build --preset "$1" -j "$jobs" 2>&1 | grep -v '^\[' || true
  [ "${PIPESTATUS[0]}" = 0 ]
}

run_tests() {  # run_tests PRESET
  step "test $1"
  local log="build/$1/ctest.log"
  ctest --preset "$1" -j "$jobs" 2>&1 | tee "$log" | grep -E -v '^ *(Start|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)'
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -n "$line" ]; then
    local failed total
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    total_passed=$((total_passed + total - failed))
    total_failed=$((total_failed + failed))
    summary+=("$1: $line")
  else
    summary+=("$1: no test summary")
    total_failed=$((total_failed + 1))
  fi
  return "$rc"
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

step "summary"
printf '%s\n' "${summary[@]}"
echo "all: $total_passed passed, $total_failed failed"
[ "$failures" = 0 ] && [ "$total_failed" = 0 ]
