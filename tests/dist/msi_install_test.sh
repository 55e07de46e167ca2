#!/usr/bin/env bash
# Runs msi_install_test.py in the Wine environment of a build.
# Usage: msi_install_test.sh SOURCE_DIR BUILD_DIR ARGS...
set -euo pipefail
src=$1 build=$2
shift 2
source "$src/cmake/wine-env.sh" "$build"
# The Start-menu shortcut must not turn into a desktop entry in $HOME.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
exec python3 "$src/tests/dist/msi_install_test.py" "$@"
