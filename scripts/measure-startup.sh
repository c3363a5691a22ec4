#!/usr/bin/env bash
# Time from process start to the main window shown, and resident memory once it is up,
# for qalcor and for another Qt calculator from Debian (speedcrunch), in one run on a
# virtual X display. Usage: measure-startup.sh [runs]   (default 10)
set -euo pipefail
runs="${1:-10}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh" run
need=()
for p in xvfb xauth xdotool speedcrunch; do
    [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" == "install ok installed" ]] || need+=("$p")
done
if [[ ${#need[@]} -gt 0 ]]; then
    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQALCOR_BUILD_TESTS=OFF -DQALCOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-release" --target qalcor >/dev/null

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Prints "<milliseconds to a visible window> <resident KiB one second later>".
measure() {
    local start end pid rss
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "failed to start: $*" >&2; return 1; }
        sleep 0.002
    done
    end=$(date +%s%N)
    sleep 1
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
spread() { sort -n | awk 'NR==1{min=$1} {max=$1} END {print min "-" max}'; }

declare -A times rss
for app in qalcor speedcrunch; do
    cmd=("$root/build-release/src/gui/qalcor")
    [[ $app == speedcrunch ]] && cmd=(speedcrunch)
    measure "${cmd[@]}" >/dev/null  # warm the caches once
    samples=""
    for _ in $(seq "$runs"); do samples+="$(measure "${cmd[@]}")"$'\n'; done
    times[$app]="$(echo -n "$samples" | awk '{print $1}')"
    rss[$app]="$(echo -n "$samples" | awk '{print $2}')"
done

printf '%-12s %16s %14s %16s %14s\n' app "start ms (med)" "spread" "RSS KiB (med)" "spread"
for app in qalcor speedcrunch; do
    printf '%-12s %16s %14s %16s %14s\n' "$app" \
        "$(median <<<"${times[$app]}")" "$(spread <<<"${times[$app]}")" \
        "$(median <<<"${rss[$app]}")" "$(spread <<<"${rss[$app]}")"
done
awk -v a="$(median <<<"${times[qalcor]}")" -v b="$(median <<<"${times[speedcrunch]}")" \
    -v c="$(median <<<"${rss[qalcor]}")" -v d="$(median <<<"${rss[speedcrunch]}")" \
    'BEGIN {printf "ratio qalcor/speedcrunch: start %.2f, memory %.2f (%d runs each)\n", a/b, c/d, '"$runs"'}'
