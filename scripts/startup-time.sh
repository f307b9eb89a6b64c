#!/usr/bin/env bash
# Prints the time from starting hearts to its first painted table, the
# median of RUNS starts (default 15), on a virtual screen. Usage:
#   scripts/startup-time.sh [path/to/hearts] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/src/app/hearts}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {
    local start painted
    start=$(date +%s%N)
    painted=$(HEARTS_CONFIG_DIR="$work" HEARTS_INSTANCE=startup-$$ HEARTS_STARTUP_STAMP=exit \
        QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null | sed -n 's/^hearts: table painted //p')
    echo $(((painted - start) / 1000000))
}

run_all() {
    for _ in $(seq "$runs"); do
        measure
    done | sort -n | awk '{a[NR]=$1} END {printf "start to painted table: median %d ms (min %d, max %d, %d runs)\n", a[int((NR+1)/2)], a[1], a[NR], NR}'
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$0" "$program" "$runs"
fi
run_all
