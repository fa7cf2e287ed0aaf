#!/usr/bin/env bash
# From a click on a letter of the alphabet lesson to the first sample of its sound at a
# PulseAudio null sink, beside a bare SDL program opening the device with the same settings
# (bench/bare_sound.cpp), measured alternately in one run: the bare program, then a click with
# the device released (the first sound after idle), then a click while it is still open. Prints
# the medians and their ratios to the bare program (target 1.2x each).
#
#   bench/sound_latency.sh [BUILD_DIR] [ROUNDS]   (default: build, 11)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
rounds=${2:-11}
. "$(dirname "$0")/sound_session.sh"

start_quillby
click_at "$alphabet_button_x" "$alphabet_button_y"
"$build/sound_probe" quiet 300 20 || { echo "the alphabet lesson was not heard"; exit 1; }

"$build/sound_probe" latency "$rounds" $((window_x + letter_b_x)) $((window_y + letter_b_y)) \
    "$build/bare_sound" > "$work/latency"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
of() { awk -v kind="$1" '$1 == kind { print $2 }' "$work/latency" | median; }
bare=$(of bare) idle=$(of idle) open=$(of open)
printf 'bare SDL program  open to first sample   %7.2f ms (median of %d)\n' "$bare" "$rounds"
printf 'quillby, idle     click to first sample  %7.2f ms\n' "$idle"
printf 'quillby, open     click to first sample  %7.2f ms\n' "$open"
awk -v b="$bare" -v i="$idle" -v o="$open" 'BEGIN {
    printf "quillby / bare: after idle %.2fx, device open %.2fx (target 1.2x each): %s\n",
        i / b, o / b, (i / b <= 1.2 && o / b <= 1.2) ? "met" : "NOT met" }'
