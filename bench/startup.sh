#!/usr/bin/env bash
# Start-up time and memory of Quillby under a virtual X server, beside a bare Qt window program
# as the floor. Time: from starting the process until its window is mapped with its title
# (median of 10 runs, each with an empty configuration folder and Langtext registered). Memory:
# peak resident set size (VmHWM) one second after the window appeared.
#
#   bench/startup.sh [BUILD_DIR]      (default: build; build a Release tree for real figures)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=10
for tool in Xvfb xdotool; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed"; exit 1; }
done
for file in quillby bare_window regsvr langtext/liblangtext.so; do
    [ -e "$build/$file" ] || { echo "$build/$file is missing: build the targets quillby bare_window regsvr langtext"; exit 1; }
done

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# measure PROGRAM TITLE: prints "<milliseconds to window> <peak RSS in kB>".
measure() {
    local program=$1 title=$2 start pid id end
    export XDG_CONFIG_HOME="$work/config-$RANDOM$RANDOM"
    mkdir -p "$XDG_CONFIG_HOME"
    "$build/regsvr" "$build/langtext/liblangtext.so" > /dev/null
    start=$(now_ns)
    "$program" > /dev/null 2>&1 &
    pid=$!
    id=""
    while [ -z "$id" ]; do
        kill -0 "$pid" 2> /dev/null || { echo "$program ended before showing its window" >&2; exit 1; }
        id=$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" 2> /dev/null | head -1 || true)
        [ -n "$id" ] || sleep 0.005
    done
    end=$(now_ns)
    sleep 1
    local rss
    rss=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    echo "$(((end - start) / 1000000)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

report() {
    local name=$1 program=$2 title=$3
    : > "$work/$name"
    for _ in $(seq "$runs"); do measure "$program" "$title" >> "$work/$name"; done
    local time rss
    time=$(cut -d' ' -f1 "$work/$name" | median)
    rss=$(cut -d' ' -f2 "$work/$name" | median)
    printf '%-12s window after %6s ms (median of %d)   peak RSS %8s kB\n' "$name" "$time" "$runs" "$rss"
    echo "$time $rss" > "$work/$name.median"
}

report bare_window "$build/bare_window" Bare
report quillby "$build/quillby" Quillby
read -r bare_time bare_rss < "$work/bare_window.median"
read -r time rss < "$work/quillby.median"
awk -v t="$time" -v bt="$bare_time" -v r="$rss" -v br="$bare_rss" \
    'BEGIN { printf "quillby / bare: time %.2fx (target 1.5x), memory %.2fx (target 2x)\n", t / bt, r / br }'
