#!/usr/bin/env bash
# Builds the Windows program, starts it under wine64 on a private Xvfb display,
# takes a screenshot of the main window once it is up, and closes the program.
# The picture is cut to the window (the skinned frame included) and stored with a 256-colour palette, small
# enough to commit (the README's docs/main-window.png is made this way).
# Usage: scripts/screenshot.sh [OUT.png]
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
geometry=$("$KINOPOD_WINE" "$build/tests/app/e2e_window.exe" geometry "Kinopod 1.00.01" 60000 | tr -d '\r')
sleep 3  # let the first paint and the page load settle
# "screen W H window L T R B client L T W H": the window, frame and all (the
# frame is the program's own, drawn from its skin; outside the window's
# region the screen's black shows).
read -r l t r b <<<"$(sed -n 's/.* window \(-\?[0-9]*\) \(-\?[0-9]*\) \(-\?[0-9]*\) \(-\?[0-9]*\) client.*/\1 \2 \3 \4/p' <<<"$geometry")"
[ -n "${b:-}" ] || { echo "screenshot: no window geometry in: $geometry" >&2; exit 1; }
import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage -strip -colors 256 "PNG8:$out"
"$KINOPOD_WINE" "$build/tests/app/e2e_window.exe" close "Kinopod 1.00.01" || true
wait "$program" || true
echo "screenshot: $out"
