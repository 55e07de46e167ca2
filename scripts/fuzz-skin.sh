#!/usr/bin/env bash
# Runs the skin loader's fuzzer for a given number of executions and prints
# how many ran and what was found. By hand, not in CI: ten million executions
# take a while on one core.
#
# usage: scripts/fuzz-skin.sh EXECUTIONS [BUILD_DIR]
#   BUILD_DIR: the native build holding the fuzzer (default build/native)
#   KINOPOD_FUZZ_SEED=N replays a run; the seed is printed either way.
#   KINOPOD_FUZZ_JOBS=N runs N fuzzing processes (libFuzzer's fork mode).
set -u
runs=${1:?usage: fuzz-skin.sh EXECUTIONS [BUILD_DIR]}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/native}
fuzzer=$build/tests/fuzz/skin_container_fuzzer
[ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer: build the native preset with clang installed" >&2; exit 2; }
work=$build/fuzz-run
rm -rf "$work/findings" && mkdir -p "$work/corpus" "$work/findings"
seed=${KINOPOD_FUZZ_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
echo "fuzz seed: $seed"
jobs=${KINOPOD_FUZZ_JOBS:-1}
fork=()
[ "$jobs" -gt 1 ] && fork=(-fork="$jobs" -ignore_crashes=0)
"$fuzzer" "${fork[@]}" -seed="$seed" -runs="$runs" -rss_limit_mb=512 -malloc_limit_mb=256 -timeout=10 -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" "$root/tests/fuzz/seeds" \
  >"$work/log" 2>&1
rc=$?
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
# Fork mode prints no final stats: its last progress line carries the count.
[ -n "$execs" ] || execs=$(grep -o '^#[0-9][0-9]*' "$work/log" | tr -d '#' | sort -n | tail -1)
findings=$(find "$work/findings" -type f | wc -l)
echo "executions: ${execs:-unknown}"
echo "findings: $findings"
find "$work/findings" -type f -printf '  %p\n'
[ "$rc" -eq 0 ] && [ "$findings" -eq 0 ] || { echo "fuzzer exit $rc; log: $work/log"; exit 1; }
