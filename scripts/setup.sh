#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds Hearts, then starts a
# solo game (play), runs every test (test) or makes a Debian package (package).
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"

packages=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev fonts-liberation2
          xvfb xauth clang-format dpkg-dev file openssl
          libminiupnpc-dev libnatpmp-dev miniupnpd-nftables nftables iproute2 python3)

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

case "$mode" in
play)
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/src/app/hearts"
    fi
    echo "No display found: starting the game on a virtual screen (xvfb-run)." >&2
    exec xvfb-run -a "$build/src/app/hearts"
    ;;
test)
    cd "$top"
    echo "== formatting (clang-format)"
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    echo "== Release build, warnings as errors"
    cmake --preset release -DHEARTS_WERROR=ON -DHEARTS_BUILD_BENCH=ON >/dev/null
    cmake --build --preset release -j"$(nproc)"
    echo "== every test, under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j"$(nproc)"
    ctest --preset asan -j"$(nproc)"
    ;;
package)
    cd "$top"
    cmake --preset release >/dev/null
    cmake --build --preset release -j"$(nproc)"
    (cd build-release && cpack -G DEB)
    ls "$top"/build-release/hearts_*.deb
    ;;
*)
    echo "usage: $0 [play|test|package]" >&2
    exit 2
    ;;
esac
