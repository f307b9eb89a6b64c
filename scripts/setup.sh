#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds Hearts, then either
# starts a solo game (play) or runs every test (test).
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"

packages=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev fonts-liberation2
          xvfb xauth)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
play)
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/src/app/hearts"
    fi
    echo "No display found: starting the game on a virtual screen (xvfb-run)." >&2
    exec xvfb-run -a "$build/src/app/hearts"
    ;;
test)
    cd "$build"
    export QT_QPA_PLATFORM=offscreen
    ctest --output-on-failure -j"$(nproc)" --timeout 600
    ;;
*)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac
