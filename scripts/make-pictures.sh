#!/usr/bin/env bash
# Makes the download window's picture, src/resources/lobby.jpg (ImageMagick).
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/src/resources/lobby.jpg"
convert -size 300x200 gradient:'#2D9E9A'-'#124846' \
    -fill '#FFFFC0' -stroke '#6C6C00' -strokewidth 2 \
    -draw "roundrectangle 40,40 110,136 8,8" -draw "roundrectangle 70,50 140,146 8,8" \
    -draw "roundrectangle 100,60 170,156 8,8" \
    -fill '#C81024' -stroke none -draw "circle 135,100 135,86" \
    -fill white -font DejaVu-Sans-Bold -pointsize 22 -draw "text 180,95 'Orvane'" \
    -pointsize 22 -draw "text 180,125 'Lobby'" \
    -quality 85 "$out"
echo "$out"
