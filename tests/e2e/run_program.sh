#!/usr/bin/env bash
# End to end: the program starts with an empty configuration folder, its window appears, the
# learner chooses Korean help in the language dialog (stored in the registry file), opens and
# closes the About box, and ends the program with the menu's Close button (exit status 0).
#
#   run_program.sh QUILLBY REGSVR LIBLANGTEXT
set -uo pipefail

program=$1 regsvr=$2 langtext=$3

for tool in Xvfb xdotool; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIPPED: $tool is not installed (the set-up script installs xvfb, xdotool and xauth)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2> /dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
    exit 1
}

# A display of our own; Xvfb tells which number it took.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

# An empty configuration folder; the text library is registered in it as the set-up does.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb
"$regsvr" "$langtext" > /dev/null || fail "Langtext could not be registered"
registry="$XDG_CONFIG_HOME/quillby/registry.reg"

# Waits until a window with exactly this name is shown; prints its id.
wait_window() {
    local name=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$name\$" 2> /dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until no window of this name is shown.
wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# A click on a control of a window: its left and top in twips, its size in pixels; the pointer
# comes from a little beside the middle, as a hand would.
click_control() {
    local window=$1 left=$2 top=$3 width=$4 height=$5
    local x=$((left / 15 + width / 2)) y=$((top / 15 + height / 2))
    xdotool mousemove --window "$window" $((x - 3)) $((y - 3))
    sleep 0.1
    xdotool mousemove --window "$window" "$x" "$y"
    sleep 0.1
    xdotool click 1
    sleep 0.2
}

"$program" > "$work/program.log" 2>&1 &
program_pid=$!

main=$(wait_window Quillby) || fail "the window \"Quillby\" did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 670 ] && [ "$HEIGHT" = 560 ] || fail "the main window's client area is ${WIDTH}x${HEIGHT}, not 670x560"

# Language, the Korean flag, OK.
click_control "$main" 5505 7530 140 39
dialog=$(wait_window Languages) || fail "the language dialog did not open"
click_control "$dialog" 1680 4695 160 110
click_control "$dialog" 4410 7335 140 39
wait_gone Languages || fail "OK did not close the language dialog"
[ -f "$registry" ] || fail "no registry file was written"
awk '/^\[/ { inside = ($0 == "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS]") }
     inside && $0 == "\"HELP\"=\"KOREAN\"" { found = 1 }
     END { exit found ? 0 : 1 }' "$registry" || fail "HELP is not stored as \"KOREAN\": $(cat "$registry")"

# About, then its OK.
click_control "$main" 3285 7530 140 39
about=$(wait_window About) || fail "the About box did not open"
click_control "$about" 7560 6165 140 39
wait_gone About || fail "OK did not close the About box"

# Close ends the program with exit status 0.
click_control "$main" 7695 7530 140 39
for _ in $(seq 100); do
    kill -0 "$program_pid" 2> /dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2> /dev/null && fail "the program is still running after Close"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "PASSED: window shown, Korean help stored, About opened and closed, program ended with status 0"
