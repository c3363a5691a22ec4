#!/usr/bin/env bash
# Builds the calculator and starts it. Extra arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQALCOR_BUILD_TESTS=OFF -DQALCOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-release" --target qalcor qalcor-eval
exec "$root/build-release/src/gui/qalcor" "$@"
