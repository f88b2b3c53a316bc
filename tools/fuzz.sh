#!/usr/bin/env bash
# Exploratory fuzzing: builds the libFuzzer harnesses with clang and lets
# each search from its kept corpus for a bounded time.  Failing inputs are
# kept in build-fuzz/ and reported; the tests replay only fuzz/corpus/.
# fuzz.sh [seconds per harness]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
cd "$root"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPILO_FUZZ=ON -DPILO_SANITIZE=address,undefined -DPILO_TESTS=OFF -DPILO_BENCH=OFF >/dev/null
# Only the harnesses (and what they link): the program itself is not needed here.
targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
failed=0
for name in "${targets[@]}"; do
  harness=build-fuzz/fuzz/$name; corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  log=$work.log
  if "$harness" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
       -artifact_prefix="$root/build-fuzz/$name-" "$work" >"$log" 2>&1; then
    echo "fuzz $name: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1) in ${seconds}s, no finding"
  else
    echo "fuzz $name: FAILED, input kept in build-fuzz/$name-*" >&2
    tail -n 60 "$log" >&2
    failed=$((failed + 1))
  fi
  rm -rf "$work" "$log"
done
exit $((failed > 0))
