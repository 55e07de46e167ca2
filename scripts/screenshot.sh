#!/usr/bin/env bash
# Builds the Windows program, starts it under wine64 on a private Xvfb display,
# takes a screenshot of the screen once the main window is up, and closes the
# program. Usage: scripts/screenshot.sh [OUT.png]
# (default build/win64/screenshots/main-window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$PWD/build/win64
out=${1:-$build/screenshots/main-window.png}
mkdir -p "$(dirname "$out")"

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target podreel e2e_window

cmake/wine-harness.sh start "$build" >/dev/null
trap 'cmake/wine-harness.sh stop "$build" >/dev/null' EXIT
source cmake/wine-env.sh "$build"

"$KINOPOD_WINE" "$build/app/podreel.exe" &
program=$!
"$KINOPOD_WINE" "$build/tests/app/e2e_window.exe" geometry "Kinopod 1.00.01" 60000
sleep 3  # let the first paint and the page load settle
import -window root "$out"
"$KINOPOD_WINE" "$build/tests/app/e2e_window.exe" close "Kinopod 1.00.01" || true
wait "$program" || true
echo "screenshot: $out"
