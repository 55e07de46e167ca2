#!/usr/bin/env bash
# Runs podreel_e2e_test.py in the Wine environment of a build.
# Usage: podreel_e2e_test.sh SOURCE_DIR BUILD_DIR PORT PODREEL_EXE E2E_WINDOW_EXE LABELS
set -euo pipefail
src=$1 build=$2
shift 2
source "$src/cmake/wine-env.sh" "$build"
KINOPOD_SKIN_DIR="$src/resources/skin" KINOPOD_SKINPACK="$build/host-tools/tools/skinpack/skinpack" \
  KINOPOD_PROGRAM_SKIN="$build/resources/program.skin" exec python3 "$src/tests/app/podreel_e2e_test.py" "$@"
