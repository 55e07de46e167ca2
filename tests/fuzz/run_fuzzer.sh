#!/bin/sh
# run_fuzzer.sh FUZZER WORK_CORPUS SEEDS SECONDS
# A bounded fuzzing run: 512 MiB resident, no single allocation over 256 MiB,
# no input slower than 10 s. Any crash, leak, hang or overrun fails the test.
# The random seed is printed first; KINOPOD_FUZZ_SEED=N replays a run.
set -e
mkdir -p "$2"
seed=${KINOPOD_FUZZ_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
echo "fuzz seed: $seed (replay with KINOPOD_FUZZ_SEED=$seed)"
exec "$1" -seed="$seed" -max_total_time="$4" -rss_limit_mb=512 -malloc_limit_mb=256 -timeout=10 -max_len=16384 \
     -print_final_stats=1 "$2" "$3"
