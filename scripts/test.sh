#!/usr/bin/env bash
# Builds everything from scratch and runs every test: the normal build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzzer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh" test
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== normal build"
rm -rf "$root/build-test"
cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build-test" -j "$jobs"
ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

echo "== sanitizer build"
rm -rf "$root/build-asan"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQALCOR_SANITIZE=ON \
      -DQALCOR_BUILD_BENCH=OFF
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

if [[ -x "$root/fuzz/run-fuzzers.sh" || -f "$root/fuzz/run-fuzzers.sh" ]]; then
    echo "== fuzz smoke"
    bash "$root/fuzz/run-fuzzers.sh" "${QALCOR_FUZZ_SECONDS:-20}"
fi
echo "All tests passed."
