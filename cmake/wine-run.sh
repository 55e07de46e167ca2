#!/usr/bin/env bash
# Runs a Windows program of the build under wine64, in the build's own Wine
# prefix and on the display the test harness started (wine-harness.sh).
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
#
# The program's output goes through a file: Wine's own services (started by
# whichever program needs them first) inherit its standard handles and live on
# with the wineserver, so a pipe handed to them would never close and CTest
# would wait for it until the test times out.
set -uo pipefail
build=$1; shift
source "$(dirname "$0")/wine-env.sh" "$build"
# The file stays after the run: when a test times out and is killed, its
# output up to then is still there to read.
mkdir -p "$build/harness/logs"
out="$build/harness/logs/$(basename "$1").log"
"$KINOPOD_WINE" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
