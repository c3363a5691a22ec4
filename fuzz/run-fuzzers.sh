#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60), starting from the committed seed corpus. Any crash fails the run; the
# crashing input is left in fuzz/findings/.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -g -O1"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
      -DQALCOR_BUILD_GUI=OFF -DQALCOR_BUILD_TESTS=OFF -DQALCOR_BUILD_BENCH=OFF \
      -DQALCOR_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$root/fuzz/findings"
for target in integrate pipeline number_to_text text_to_number text_operations; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    echo "== fuzz_$target for ${seconds}s"
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -artifact_prefix="$root/fuzz/findings/$target-" -print_final_stats=1 \
        "$work" "$root/fuzz/corpus/$target" 2>&1 | tail -n 4
    [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "fuzz_$target found a failure" >&2; exit 1; }
done
