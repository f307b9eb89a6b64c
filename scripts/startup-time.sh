#!/usr/bin/env bash
# Prints the time from starting hearts to its first painted table and to
# its first dealt hand on the screen, the medians of RUNS starts (default
# 15) of a first start (no settings), on a virtual screen. Usage:
#   scripts/startup-time.sh [path/to/hearts] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/src/app/hearts}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One start: "<ms to the table> <ms to the dealt hand>".
measure() {
    local start stamps
    rm -rf "$work/config" && mkdir "$work/config"
    start=$(date +%s%N)
    stamps=$(HEARTS_CONFIG_DIR="$work/config" HEARTS_INSTANCE=startup-$$ \
        HEARTS_STARTUP_STAMP=dealt QT_QPA_PLATFORM=xcb timeout 20 "$program" 2>&1 >/dev/null |
        sed -n 's/^hearts: \(table painted\|hand dealt\) //p' | tr '\n' ' ')
    read -r painted dealt <<<"$stamps"
    echo "$(((painted - start) / 1000000)) $(((${dealt:-0} - start) / 1000000))"
}

median() {
    sort -n | awk -v what="$1" '{a[NR]=$1} END {printf "start to %s: median %d ms (min %d, max %d, %d runs)\n", what, a[int((NR+1)/2)], a[1], a[NR], NR}'
}

run_all() {
    for _ in $(seq "$runs"); do
        measure
    done >"$work/times"
    cut -d' ' -f1 "$work/times" | median "painted table"
    cut -d' ' -f2 "$work/times" | median "dealt hand"
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$0" "$program" "$runs"
fi
run_all
