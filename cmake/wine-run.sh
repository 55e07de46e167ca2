#!/usr/bin/env bash
# Runs a Windows program of the build under wine64, in the build's own Wine
# prefix and on the display the test harness started (wine-harness.sh).
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
set -euo pipefail
build=$1; shift
source "$(dirname "$0")/wine-env.sh" "$build"
exec "$KINOPOD_WINE" "$@"
