#!/usr/bin/env bash
# Plays one solo round by keyboard on a virtual screen with the
# accessibility bus on, and prints what a screen reader was told: the cards
# played, the tricks taken, the round's scores, and how many events came for
# them. Needs xvfb, openbox, xdotool, at-spi2-core and python3-pyatspi.
#   scripts/screen-reader-log.sh [path/to/hearts] [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/src/app/hearts}
seconds=${2:-240}
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$program" "$seconds"
fi
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
pids=()
trap cleanup EXIT
Xvfb "$display" -screen 0 1920x1080x24 >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
/usr/bin/python3 "$top/scripts/screen-reader-log.py" "$work/events" "$seconds" & listener=$!
sleep 1
printf '[agame]\nOfferlobby=false\nBotspeed=500\n' >"$work/orvanelobby.ini"
HEARTS_SEED=7 HEARTS_CONFIG_DIR=$work HEARTS_INSTANCE=reader-$$ "$program" >/dev/null 2>&1 &
pids+=($!)
sleep 4
# Enter chooses or plays the card in focus, Right moves on: three cards are
# passed, and on each turn the focus is on a card that may be played.
while kill -0 "$listener" 2>/dev/null; do
    xdotool key Return; sleep 0.25; xdotool key Right; sleep 0.1
done
told=$(grep -P '^object:state-changed:showing\t1\tnotification\t' "$work/events" | cut -f4)
echo "cards played heard:  $(grep -cE ' plays? the ' <<<"$told" || true)"
echo "tricks taken heard:  $(grep -c ' took the trick' <<<"$told" || true)"
echo "round scores heard:  $(grep -c '^Round .* over\.' <<<"$told" || true)"
echo "notifications shown: $(wc -l <<<"$told")"
echo "name changes, cards and seats: $(grep -cP '^object:property-change:accessible-name\t0\tfiller' "$work/events" || true)"
echo "--- the round's last trick and its scores:"
tail -8 <<<"$told"
