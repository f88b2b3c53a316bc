#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build's tests, each
# fuzzer for a bounded time on its seed corpus, and the same tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test"
bash tools/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== fuzz"
bash tools/fuzz.sh "${PILO_FUZZ_SECONDS:-60}"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
bash tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPILO_SANITIZE=address,undefined -DPILO_BENCH=OFF
ctest --test-dir build-asan --output-on-failure -j "$jobs"
