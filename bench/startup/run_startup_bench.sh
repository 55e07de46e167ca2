#!/usr/bin/env bash
# The start-up benchmark: podreel's start-up under wine64, from process start
# to the main window's first paint, against a blank Win32 window program built
# the same way, side by side in one run; then the skin load's share of it.
# Starts its own Xvfb display and uses the build's Wine prefix (not while
# that build's tests run).
#
# Usage: bench/startup/run_startup_bench.sh [BUILD_DIR] [RUNS]   (default build/win64, 15)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$src/build/win64}" && pwd)
runs=${2:-15}

cmake --build "$build" -j2 --target startup_bench >/dev/null
"$src/cmake/wine-harness.sh" start "$build" >/dev/null
trap '"$src/cmake/wine-harness.sh" stop "$build" >/dev/null' EXIT
source "$src/cmake/wine-env.sh" "$build"

windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
out=$build/bench-startup.txt
# Output through a file: Wine's services inherit the handles and would keep a pipe open.
probe() { "$KINOPOD_WINE" "$@" >"$out.part" 2>&1 </dev/null || echo "failed: $(basename "$1")"; cat "$out.part"; }
{
  echo "start-up under $("$KINOPOD_WINE" --version 2>/dev/null), $runs runs each, $(nproc) CPUs"
  probe "$build/bench/startup/startup_probe.exe" "$runs" \
    "$(windows_path "$build/bench/startup/blank_window.exe")" "Kinopod blank window" \
    "$(windows_path "$build/app/podreel.exe")" "Kinopod 1.00.01"
  probe "$build/bench/startup/skin_load_probe.exe" 30
} | tee "$out"
rm -f "$out.part"

# The skin's share: its median load against podreel's median first paint.
python3 - "$out" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
paint = re.search(r"summary Kinopod 1\.00\.01: first paint median ([0-9.]+) ms", text)
blank = re.search(r"summary Kinopod blank window: first paint median ([0-9.]+) ms", text)
skin = re.search(r"summary skin load: median ([0-9.]+) ms", text)
if not (paint and blank and skin):
    sys.exit("startup bench: a measurement is missing")
p, b, s = float(paint.group(1)), float(blank.group(1)), float(skin.group(1))
print(f"result: podreel first paint {p:.0f} ms, blank window {b:.0f} ms, ratio {p / b:.2f}; "
      f"skin load {s:.1f} ms = {100 * s / p:.1f} % of podreel's start-up")
PY
