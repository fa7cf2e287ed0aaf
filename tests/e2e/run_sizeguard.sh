#!/usr/bin/env bash
# End to end: with Sizeguard registered, the running program's main window cannot be sized
# outside its limits (outer 675 x 585 to 675 x 590 pixels) by the window system, and the program
# still ends cleanly with the hooked window; with Sizeguard not registered, the same request
# sizes the window freely.
#
# Under Xvfb without a window manager the window has no frame of the window manager's, so the
# layer's own frame (5 pixels across, 27 down) lies around the client area that X reports:
# the client area may be 670 x 558 to 670 x 563.
#
#   run_sizeguard.sh QUILLBY REGSVR LIBSIZEGUARD
set -uo pipefail

program=$1 regsvr=$2 sizeguard=$3

source "$(dirname "$0")/xvfb_session.sh"

client_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "${WIDTH}x${HEIGHT}"
}

# Asks X for a size, then waits until the client area is the one expected.
resize_expect() {
    local window=$1 width=$2 height=$3 expected=$4 size=""
    xdotool windowsize "$window" "$width" "$height"
    for _ in $(seq 50); do
        size=$(client_size "$window")
        [ "$size" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "asked for ${width}x${height}, the client area is $size, not $expected"
}

start_program() {
    "$program" > "$work/program.log" 2>&1 &
    program_pid=$!
    main=$(wait_window Quillby) || fail "the window \"Quillby\" did not appear"
    [ "$(client_size "$main")" = 670x560 ] || fail "the client area is $(client_size "$main"), not 670x560"
}

# Registered: the limits hold whatever X is asked for.
"$regsvr" "$sizeguard" > /dev/null || fail "Sizeguard could not be registered"
start_program
resize_expect "$main" 900 900 670x563
resize_expect "$main" 100 100 670x558
resize_expect "$main" 670 561 670x561
resize_expect "$main" 1200 560 670x560

# The menu's Close button ends the program with status 0, its window still hooked.
click_at "$main" $((7695 / 15 + 70)) $((7530 / 15 + 19))
wait_program_end
[ "$program_status" = running ] && fail "the program is still running after Close"
[ "$program_status" = 0 ] || fail "the program ended with status $program_status"

# Not registered: the program runs without the control and the window takes any size.
"$regsvr" -u "$sizeguard" > /dev/null || fail "Sizeguard could not be unregistered"
start_program
resize_expect "$main" 900 900 900x900
echo "PASSED: the main window stays within 675 x 585 to 675 x 590 with Sizeguard, and not without it"
