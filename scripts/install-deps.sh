#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and nothing when it is
# already there. Usage: install-deps.sh [run|test]
set -euo pipefail

profile="${1:-test}"
packages=(g++ cmake ninja-build pkg-config libgtest-dev
          qt6-base-dev libgl-dev qt6-qpa-plugins fonts-noto-cjk fontconfig)
if [[ "$profile" == test ]]; then
    packages+=(libbenchmark-dev libmuparser-dev clang-14 libfuzzer-14-dev libclang-rt-14-dev
               llvm-14)
fi

missing=()
for p in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ "$(id -u)" -ne 0 ]]; then
    if command -v sudo >/dev/null; then
        as_root=(sudo)
    else
        echo "error: missing packages (${missing[*]}) and not root; run as root or install sudo" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get update; then
    echo "error: apt-get update failed; check the network and /etc/apt/sources.list" >&2
    exit 1
fi
if ! "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    echo "error: could not install: ${missing[*]}" >&2
    exit 1
fi
