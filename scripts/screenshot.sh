#!/usr/bin/env bash
# Builds the Windows program, starts it under wine64 on a private Xvfb display,
# takes a screenshot of the main window's client area once it is up, and closes the program.
# The picture is cut to the client area and stored with a 256-colour palette, small
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
# "screen W H window L T R B client L T W H": the client area. Xvfb runs no
# window manager, so Wine draws no frame around it and the frame's place is
# black; until the skinned frame is bound to the window, the client is all
# there is to see.
read -r l t w h <<<"$(sed -n 's/.* client \(-\?[0-9]*\) \(-\?[0-9]*\) \([0-9]*\) \([0-9]*\).*/\1 \2 \3 \4/p' <<<"$geometry")"
[ -n "${h:-}" ] || { echo "screenshot: no window geometry in: $geometry" >&2; exit 1; }
import -window root -crop "${w}x${h}+$l+$t" +repage -strip -colors 256 "PNG8:$out"
"$KINOPOD_WINE" "$build/tests/app/e2e_window.exe" close "Kinopod 1.00.01" || true
wait "$program" || true
echo "screenshot: $out"
