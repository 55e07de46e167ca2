#!/usr/bin/env bash
# The case-clash check on small work trees: a clean tree passes; two files or
# two folders spelt alike but for case fail and are named; an untracked file
# does not count.
#
# Usage: check_names_test.sh CHECK_NAMES WORK_DIR
set -u
check=$1
work=$2
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tree() {  # tree NAME FILE... : a fresh git work tree holding the files
  local t="$work/$1"
  shift
  rm -rf "$t" && mkdir -p "$t" && git -C "$t" init -q || exit 1
  for f in "$@"; do
    mkdir -p "$t/$(dirname "$f")" && touch "$t/$f"
  done
  git -C "$t" add -A
  echo "$t"
}

t=$(tree clean skin/vxEffects.h skin/vxEffects.cpp app/MainWindow.cpp README.md)
out=$(bash "$check" "$t") || fail "a clean tree was refused: $out"

t=$(tree files skin/vxEffects.h skin/vxeffects.h skin/vxMorph.h)
if out=$(bash "$check" "$t"); then
  fail "two headers differing by case passed"
else
  grep -qxF "  skin/vxEffects.h" <<<"$out" && grep -qxF "  skin/vxeffects.h" <<<"$out" ||
    fail "the clashing headers are not both named: $out"
  grep -q vxMorph <<<"$out" && fail "an innocent file was named: $out"
fi

t=$(tree folders Skin/a.h skin/b.h)
if out=$(bash "$check" "$t"); then
  fail "two folders differing by case passed"
else
  grep -qxF "  Skin" <<<"$out" && grep -qxF "  skin" <<<"$out" || fail "the clashing folders are not named: $out"
fi

t=$(tree untracked app/Main.cpp)
touch "$t/app/main.cpp"
out=$(bash "$check" "$t") || fail "an untracked file counted: $out"

[ "$failures" = 0 ] && echo "check_names_test: all passed"
[ "$failures" = 0 ]
