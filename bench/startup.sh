#!/usr/bin/env bash
# Start-up time and memory of Quillby under a virtual X server, beside a bare Qt window program
# as the floor, started alternately. Each start is timed by startup_probe through the X server's
# own reports: to the window mapped (MapNotify) and to the first paint finished (the last DAMAGE
# report before half a second of quiet), and its peak resident set size (VmHWM) is read then.
# Each start has an empty configuration folder with Langtext and Sizeguard registered, as ./run
# leaves them. Prints the
# medians and the ratios against the targets (1.5x for both times and for memory).
#
#   bench/startup.sh [BUILD_DIR] [RUNS]   (default: build, 11; build a Release tree for real figures)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-11}
command -v Xvfb > /dev/null || { echo "Xvfb is not installed"; exit 1; }
for file in quillby bare_window startup_probe regsvr langtext/liblangtext.so sizeguard/libsizeguard.so; do
    [ -e "$build/$file" ] || { echo "$build/$file is missing: build the targets quillby bare_window startup_probe regsvr langtext sizeguard"; exit 1; }
done

work=$(mktemp -d)
Xvfb -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

# measure NAME PROGRAM: appends "<ms mapped> <ms painted> <peak RSS kB>" to $work/NAME.
measure() {
    export XDG_CONFIG_HOME="$work/config-$RANDOM$RANDOM"
    mkdir -p "$XDG_CONFIG_HOME"
    "$build/regsvr" "$build/langtext/liblangtext.so" > /dev/null
    "$build/regsvr" "$build/sizeguard/libsizeguard.so" > /dev/null
    "$build/startup_probe" "$2" >> "$work/$1"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { cut -d' ' -f"$2" "$work/$1" | median; }

# One start of each first, not counted: the file cache and the font cache warm up.
measure warmup "$build/bare_window"
measure warmup "$build/quillby"
for _ in $(seq "$runs"); do
    measure bare_window "$build/bare_window"
    measure quillby "$build/quillby"
done

for name in bare_window quillby; do
    printf '%-12s mapped %7.2f ms   painted %7.2f ms   peak RSS %7d kB   (median of %d)\n' "$name" \
        "$(column_median "$name" 1)" "$(column_median "$name" 2)" "$(column_median "$name" 3)" "$runs"
done
awk -v m="$(column_median quillby 1)" -v bm="$(column_median bare_window 1)" \
    -v p="$(column_median quillby 2)" -v bp="$(column_median bare_window 2)" \
    -v r="$(column_median quillby 3)" -v br="$(column_median bare_window 3)" 'BEGIN {
        printf "quillby / bare: mapped %.2fx, painted %.2fx, peak RSS %.2fx (targets 1.5x each): %s\n",
            m / bm, p / bp, r / br, (m / bm <= 1.5 && p / bp <= 1.5 && r / br <= 1.5) ? "met" : "NOT met"
    }'
