#!/usr/bin/env bash
# Makes every recording of the game into src/resources/sounds: spoken ones
# with espeak-ng, effects with sox. Mono, 16 bit, 11025 Hz, normalised.
# Needs: espeak-ng sox (Debian packages of those names).
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/src/resources/sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
fmt=(-r 11025 -c 1 -b 16)

finish() {  # finish NAME INPUT...: join, trim silence, normalise
    local name=$1; shift
    sox "$@" "${fmt[@]}" "$out/$name.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3
}
say() {  # say NAME VOICE SPEED PITCH TEXT
    espeak-ng -v "$2" -s "$3" -p "$4" -w "$work/$1.raw.wav" "$5"
    finish "$1" "$work/$1.raw.wav"
}
fx() {  # fx FILE EFFECTS...: applies sox effects to a piece in place
    local file=$1; shift
    sox "$work/$file.wav" "$work/$file.fx.wav" "$@"
    mv "$work/$file.fx.wav" "$work/$file.wav"
}
tone() {  # tone FILE SECONDS SYNTH-ARGS...: one synthesised piece
    local file=$1 seconds=$2; shift 2
    sox -n "${fmt[@]}" "$work/$file.wav" synth "$seconds" "$@"
}

# Chatter sounds WAVE1..WAVE20.
say WAVE1 en-us 120 40 "D'oh!"
tone cough1 0.18 pinknoise fade q 0.01 0.18 0.12 vol 0.9
tone cough2 0.22 pinknoise fade q 0.01 0.22 0.15 vol 0.8
sox "$work/cough1.wav" "$work/cough2.wav" "${fmt[@]}" "$work/cough.wav" lowpass 1800 bass +8
finish WAVE2 "$work/cough.wav"
say WAVE3 en-us 150 50 "Hello!"
say WAVE4 en-us 150 50 "Thank you!"
say WAVE5 en-us 150 55 "Where have you been?"
tone snore 2.4 brownnoise tremolo 0.8 90 lowpass 400 fade q 0.2 2.4 0.4
finish WAVE6 "$work/snore.wav"
say WAVE7 en-us 170 70 "ah, ah, ah choo!"
say WAVE8 en-us 130 45 "Sorry."
say WAVE9 en-us 140 50 "Welcome!"
say WAVE10 en-us 160 80 "Yee haa!"
say WAVE11 en-us 170 90 "Yippee!"
say WAVE12 en-us 120 40 "Oh no!"
for i in $(seq 1 24); do
    tone clap$i 0.05 whitenoise fade q 0.002 0.05 0.04 vol 0.$((RANDOM % 6 + 3))
    sox -n "${fmt[@]}" "$work/gap$i.wav" trim 0 0.0$((RANDOM % 5 + 2))
done
sox $(for i in $(seq 1 24); do echo "$work/clap$i.wav" "$work/gap$i.wav"; done) "$work/applause.wav" highpass 600
finish WAVE13 "$work/applause.wav"
tone honk 0.45 square 370 square 440 fade q 0.02 0.45 0.08
fx honk lowpass 2000
finish WAVE14 "$work/honk.wav"
say WAVE15 en-us 90 60 "Ooooh!"
tone razz 0.9 sawtooth 110 tremolo 28 80 fade q 0.03 0.9 0.2
finish WAVE16 "$work/razz.wav"
espeak-ng -v en-us -s 150 -p 70 -w "$work/hooray.raw.wav" "Hooray!"
sox "$work/hooray.raw.wav" "${fmt[@]}" "$work/hooray.wav"
tone crowd 1.2 pinknoise fade q 0.1 1.2 0.5 vol 0.25
sox -m "$work/hooray.wav" "$work/crowd.wav" "${fmt[@]}" "$work/cheer.wav"
finish WAVE17 "$work/cheer.wav"
say WAVE18 en-us+f3 190 95 "ha ha ha ha ha!"
say WAVE19 en-us+m3 150 20 "ho ho ho ho!"
say WAVE20 en-us 100 60 "boo hoo hoo hoo"

# Game sounds.
tone click 0.03 square 1800 fade q 0 0.03 0.025 vol 0.6
finish CLICK "$work/click.wav"
tone in1 0.12 sine 660 fade q 0.005 0.12 0.05
tone in2 0.22 sine 990 fade q 0.005 0.22 0.15
finish ENTERED "$work/in1.wav" "$work/in2.wav"
tone error 0.35 square 140 fade q 0.01 0.35 0.1
fx error lowpass 1200
finish ERROR "$work/error.wav"
tone place 0.07 pinknoise fade q 0.002 0.07 0.06
fx place bandpass 1500 1000
finish PLACECARD "$work/place.wav"
tone q1 0.25 sine 392 fade q 0.01 0.25 0.05
tone q2 0.25 sine 370 fade q 0.01 0.25 0.05
tone q3 0.6 sine 262 fade q 0.01 0.6 0.4
finish QUEEN "$work/q1.wav" "$work/q2.wav" "$work/q3.wav"
tone r1 0.12 sine 523 fade q 0.005 0.12 0.04
tone r2 0.12 sine 659 fade q 0.005 0.12 0.04
tone r3 0.12 sine 784 fade q 0.005 0.12 0.04
tone r4 0.4 sine 1047 fade q 0.005 0.4 0.3
finish ROUNDOVER "$work/r1.wav" "$work/r2.wav" "$work/r3.wav" "$work/r4.wav"
tone turn 0.6 sine 1320 sine 2640 fade q 0.002 0.6 0.55 vol 0.7
finish TURN "$work/turn.wav"
tone tn1 0.15 triangle 784 fade q 0.005 0.15 0.05
tone tn2 0.35 triangle 1175 fade q 0.005 0.35 0.3
finish TURNNEW "$work/tn1.wav" "$work/tn2.wav"
tone bad1 0.15 triangle 440 fade q 0.005 0.15 0.05
tone bad2 0.3 triangle 330 fade q 0.005 0.3 0.25
finish TURNOVERBAD "$work/bad1.wav" "$work/bad2.wav"
tone good1 0.15 triangle 523 fade q 0.005 0.15 0.05
tone good2 0.3 triangle 784 fade q 0.005 0.3 0.25
finish TURNOVERGOOD "$work/good1.wav" "$work/good2.wav"
tone w1 0.15 square 523 fade q 0.005 0.15 0.04
tone w2 0.15 square 659 fade q 0.005 0.15 0.04
tone w3 0.15 square 784 fade q 0.005 0.15 0.04
tone w4 0.6 square 1047 fade q 0.005 0.6 0.4
sox "$work/w1.wav" "$work/w2.wav" "$work/w3.wav" "$work/w4.wav" "$work/fanfare.wav" lowpass 3000
finish WINNER "$work/fanfare.wav"

# Stored but not played by the game: a shuffle and a deal.
for i in $(seq 1 14); do
    tone riffle$i 0.025 whitenoise fade q 0.001 0.025 0.02 vol 0.5
done
sox $(for i in $(seq 1 14); do echo "$work/riffle$i.wav"; done) "$work/shuffle.wav" bandpass 3000 2000
finish SHUFFLE "$work/shuffle.wav"
tone snap 0.05 pinknoise fade q 0.001 0.05 0.045
tone rest 0.12 sine 1 vol 0
finish DEAL "$work/snap.wav" "$work/rest.wav" "$work/snap.wav" "$work/rest.wav" "$work/snap.wav"

ls "$out" | wc -l
