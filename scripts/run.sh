#!/usr/bin/env bash
# Builds the Windows program and starts it under wine64. Without a DISPLAY it
# starts an Xvfb display of its own (a screenshot: scripts/screenshot.sh).
# Usage: scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" = 0 ] && bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target podreel

build=$PWD/build/win64
source cmake/wine-env.sh "$build"
if [ -z "${DISPLAY:-}" ]; then
  mkdir -p "$build/run"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$build/run/display" >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  for _ in $(seq 100); do [ -s "$build/run/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -dc 0-9 <"$build/run/display")"
  echo "run: no display given; started Xvfb on $DISPLAY"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDLLOVERRIDES="mscoree,mshtml=" "$KINOPOD_WINE" wineboot -i >/dev/null 2>&1
fi
"$KINOPOD_WINE" "$build/app/podreel.exe"
