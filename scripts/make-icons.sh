#!/usr/bin/env bash
# Remakes the desktop's icons in data/icons/hicolor from the icon the program
# draws: PNGs in the hicolor sizes and a scalable SVG.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build"}
cmake --build "$build" --target hearts-icons
rm -rf "$top/data/icons/hicolor"
QT_QPA_PLATFORM=offscreen "$build/src/resources/hearts-icons" "$top/data/icons/hicolor" com.orvane.Hearts
find "$top/data/icons/hicolor" -type f | sort
