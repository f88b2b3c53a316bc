#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for a bounded time
# on its seed corpus.  fuzz.sh [seconds per harness]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
cd "$root"
CC=clang CXX=clang++ bash tools/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPILO_FUZZ=ON -DPILO_SANITIZE=address,undefined -DPILO_TESTS=OFF -DPILO_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
shopt -s nullglob
for harness in build-fuzz/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness"); corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "fuzzing $name for ${seconds}s"
  "$harness" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=0 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
