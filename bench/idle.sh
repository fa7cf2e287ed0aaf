#!/usr/bin/env bash
# Idle cost: how often Quillby's threads, and the sound server, wake up while nobody uses the
# program. Sampled from /proc/PID/task/*/schedstat (the number of times each thread was put on
# a processor) over 20 s each: with the menu shown before any sound; and from 2 s after the
# last sound of the alphabet lesson has ended (its opening speaks a letter and a word). The
# sound server is a private PulseAudio with a null sink; its own idle rate is measured first,
# with no client. Target: 0 wake-ups a second from Quillby in both phases, and none added in the
# sound server.
#
#   bench/idle.sh [BUILD_DIR] [SECONDS]   (default: build, 20)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
seconds=${2:-20}
. "$(dirname "$0")/sound_session.sh"

# wakeups PID...: the scheduler's run counts of every thread of the processes, one "tid count"
# a line.
wakeups() {
    local pid task
    for pid in "$@"; do
        for task in /proc/"$pid"/task/*; do
            [ -r "$task/schedstat" ] && echo "${task##*/} $(cut -d' ' -f3 "$task/schedstat")"
        done
    done 2> /dev/null || true
}

# rate NAME PID...: wake-ups a second over $seconds s (threads that ended meanwhile left out;
# threads that began count from 0); also lists the threads of the first process at the end.
rate() {
    local name=$1
    shift
    wakeups "$@" > "$work/before"
    sleep "$seconds"
    wakeups "$@" > "$work/after"
    awk -v name="$name" -v s="$seconds" 'NR == FNR { before[$1] = $2; next }
        { total += $2 - (($1 in before) ? before[$1] : 0); threads++ }
        END { printf "%-44s %8.2f wake-ups/s  (%d threads)\n", name, total / s, threads }' \
        "$work/before" "$work/after"
}

rate "sound server alone" "$pulse_pid"
start_quillby
rate "quillby, menu, before any sound" "$quillby_pid"
rate "sound server meanwhile" "$pulse_pid"

click_at "$alphabet_button_x" "$alphabet_button_y"
"$build/sound_probe" quiet 100 20 || { echo "the alphabet lesson was not heard"; exit 1; }
sleep 2
wakeups "$pulse_pid" > "$work/server-before"
rate "quillby, from 2 s after the last sound" "$quillby_pid"
wakeups "$pulse_pid" > "$work/server-after"
awk -v s="$seconds" 'NR == FNR { before[$1] = $2; next }
    { total += $2 - (($1 in before) ? before[$1] : 0) }
    END { printf "%-44s %8.2f wake-ups/s\n", "sound server meanwhile", total / s }' \
    "$work/server-before" "$work/server-after"
