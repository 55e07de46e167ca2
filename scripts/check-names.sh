#!/usr/bin/env bash
# Fails when two tracked paths differ only by letter case (vxFoo.h beside
# vxfoo.h, or a folder spelt two ways). Such a pair is two files here but one
# on Windows and macOS checkouts, where one silently overwrites the other.
#
# Usage: scripts/check-names.sh [DIR]   (DIR: a git work tree; default: this repository)
set -uo pipefail
dir=${1:-"$(dirname "$0")/.."}
cd "$dir" || exit 1

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  list() { git ls-files; }
else
  # An unpacked source tree without git: its files, less the build trees.
  list() { find . -path ./build -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||'; }
fi

# Every file and every folder above it, once each; then the spellings that
# share a lower-case form.
clashes=$(list | awk -F/ '{
    path = ""
    for (i = 1; i <= NF; i++) {
      path = (i == 1) ? $1 : path "/" $i
      if (!(path in seen)) { seen[path] = 1; print path }
    }
  }' | awk '{
    key = tolower($0)
    if (key in first) {
      if (!(key in reported)) { print first[key]; reported[key] = 1 }
      print
    } else first[key] = $0
  }')

if [ -n "$clashes" ]; then
  echo "check-names: paths that differ only by case:"
  sed 's/^/  /' <<<"$clashes"
  exit 1
fi
echo "check-names: no two paths differ only by case"
