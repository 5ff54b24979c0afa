#!/bin/sh
# Synthesises the game's two sounds with sox; nothing is sampled or recorded.
#   gulp.wav - a quick bubbly swallow when a fish is eaten
#   boo.wav  - a sad falling "wah-wah-waaah" when the game is lost
# Run from anywhere: sh resources/sounds/make_sounds.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fmt="-r 22050 -c 1 -b 16"

# Gulp: a falling sine "bloop" followed by a higher little bubble.
sox -n $fmt "$tmp/g1.wav" synth 0.12 sine 700-180 fade q 0.005 0.12 0.05 vol 0.9
sox -n $fmt "$tmp/g2.wav" synth 0.07 sine 500-900 fade q 0.005 0.07 0.03 vol 0.6
sox "$tmp/g1.wav" "$tmp/g2.wav" $fmt "$out/gulp.wav" pad 0 0.02

# Boo: three falling notes on a muted brass-like tone, the last one long and wobbly.
note() { # name, start Hz, end Hz, seconds
    sox -n $fmt "$tmp/$1.wav" synth "$4" sawtooth "$2-$3" sine "$2-$3" \
        remix - lowpass 1200 fade q 0.02 "$4" 0.08 vol 0.5
}
note b1 330 320 0.30
note b2 311 300 0.30
note b3 294 250 0.90
sox "$tmp/b3.wav" "$tmp/b3w.wav" tremolo 6 60
sox "$tmp/b1.wav" "$tmp/b2.wav" "$tmp/b3w.wav" $fmt "$out/boo.wav" norm -3
