#!/usr/bin/env bash
# Runs a Windows program of the build under wine64, in the build's own Wine
# prefix and on the display the test harness started (wine-harness.sh).
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
#
# The program's output goes through a file: Wine's own services (started by
# whichever program needs them first) inherit its standard handles and live on
# with the wineserver, so a pipe handed to them would never close and CTest
# would wait for it until the test times out.
#
# A run passes only when the program ends with exit code 0, its output shows
# no unhandled exception, and a GoogleTest program closes with the summary of
# every test it said it would run: a program that died halfway never passes,
# whatever exit code reached us.
set -uo pipefail
build=$1; shift
here=$(dirname "$0")
source "$here/wine-env.sh" "$build"
source "$here/wine-verdict.sh"
# The file stays after the run: when a test times out and is killed, its
# output up to then is still there to read.
mkdir -p "$build/harness/logs"
out="$build/harness/logs/$(basename "$1").log"
"$KINOPOD_WINE" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
for arg in "$@"; do
  case $arg in --gtest_list_tests|--help|-h|-\?) export KINOPOD_NO_GTEST_SUMMARY=1 ;; esac
done
kinopod_wine_verdict "$out" "$rc" "$1"
