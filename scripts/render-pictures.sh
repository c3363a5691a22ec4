#!/usr/bin/env bash
# Renders the main window (an expression, its result, two variables) and the variable
# dialog to docs/main-window.png and docs/variable-dialog.png, without a display.
# QALCOR_BUILD_DIR chooses the build directory (default: build-release).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QALCOR_BUILD_DIR:-$root/build-release}"
bash "$root/scripts/install-deps.sh" run
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DQALCOR_BUILD_TESTS=OFF -DQALCOR_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target qalcor-pictures
mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$build/src/gui/qalcor-pictures" "$root/docs"
echo "Wrote $root/docs/main-window.png and $root/docs/variable-dialog.png"
