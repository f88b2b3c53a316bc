#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build's tests (among
# them each fuzzer replaying its kept corpus), and the same tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.  Then, apart from the test
# result, each fuzzer searches for new failing inputs for a bounded time;
# what it finds is kept and reported, never decides the result.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test"
bash tools/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
bash tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPILO_SANITIZE=address,undefined -DPILO_BENCH=OFF
ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== exploratory fuzzing (not part of the test result)"
if ! bash tools/fuzz.sh "${PILO_FUZZ_SECONDS:-60}"; then
  echo "exploratory fuzzing found failing inputs, kept in build-fuzz/: mend the fault and add" \
    "the input to fuzz/corpus/<harness>/ so the tests replay it" >&2
fi
