#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes the game's sounds (data/sounds/*.wav) with sox: tones and noise of our own, no
# recordings, so they are ours to give away (CC0, see data/ART-LICENSE.txt).
# Usage: tools/makesounds.sh [output folder]
set -euo pipefail
out=${1:-"$(dirname "$0")/../data/sounds"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fmt=(-r 44100 -b 16 -c 1)

tone() { # file seconds wave frequency fade-out
    sox -n "${fmt[@]}" "$tmp/$1" synth "$2" "$3" "$4" fade 0.005 "$2" "$5"
}

# A right answer: two bright notes going up.
tone a.wav 0.12 sine 784 0.04
tone b.wav 0.25 sine 1175 0.15
sox "$tmp/a.wav" "$tmp/b.wav" "$out/right.wav" vol 0.7
# A wrong answer: a soft slide down, never harsh.
sox -n "${fmt[@]}" "$out/wrong.wav" synth 0.4 triangle 330:196 fade 0.01 0.4 0.15 vol 0.6
# A word won: a rising arpeggio and a bell.
notes=()
for f in 523 659 784 1047; do tone "w$f.wav" 0.13 sine $f 0.03; notes+=("$tmp/w$f.wav"); done
sox -n "${fmt[@]}" "$tmp/bell.wav" synth 0.45 sine 1047 sine 1319 remix - fade 0.005 0.45 0.3
sox "${notes[@]}" "$tmp/bell.wav" "$out/wordwon.wav" vol 0.7
# A word lost: three notes going down, gently.
notes=()
for f in 392 330 262; do tone "l$f.wav" 0.22 triangle $f 0.06; notes+=("$tmp/l$f.wav"); done
sox "${notes[@]}" "$out/wordlost.wav" vol 0.6

# The cheers: a fanfare, longer and fuller the better the score; the bigger ones clap.
fanfare() { # file notes...
    local file=$1 parts=() k=0 last
    shift
    for f in "$@"; do
        sox -n "${fmt[@]}" "$tmp/f$k.wav" synth 0.14 square $f square $((f * 2)) remix - \
            vol 0.3 lowpass 3000 fade 0.005 0.14 0.04
        parts+=("$tmp/f$k.wav")
        k=$((k + 1))
    done
    last=${*: -1}
    sox -n "${fmt[@]}" "$tmp/end.wav" synth 0.6 square $last square $((last * 3 / 2)) remix - \
        vol 0.3 lowpass 3000 fade 0.005 0.6 0.4
    sox "${parts[@]}" "$tmp/end.wav" "$file"
}
clapping() { # file seconds volume
    sox -n "${fmt[@]}" "$1" synth "$2" pinknoise tremolo 9 90 highpass 800 fade 0.1 "$2" 0.5 vol "$3"
}
fanfare "$out/cheer1.wav" 523 659 784
fanfare "$tmp/c2.wav" 392 523 659 784 659
clapping "$tmp/clap2.wav" 1.3 0.25
sox -m "$tmp/c2.wav" "$tmp/clap2.wav" "$out/cheer2.wav"
fanfare "$tmp/c3.wav" 392 523 659 784 1047 784 1047
clapping "$tmp/clap3.wav" 2.2 0.35
sox -m "$tmp/c3.wav" "$tmp/clap3.wav" "$out/cheer3.wav"
