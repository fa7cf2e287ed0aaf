# Sourced by the end-to-end scripts: a virtual X server of the script's own, an empty
# configuration folder, and helpers to wait for windows. Sets DISPLAY, XDG_CONFIG_HOME, $work
# (a scratch folder removed at exit) and $program_pid (the program under test: set it after
# starting the program; it is killed at exit when still running).
# Exits with 77 (skipped) when Xvfb or xdotool is missing.

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
    # Waiting for the server to end frees its display number for the next test.
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null && wait "$xvfb_pid" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
    [ -s "$work/xvfb.log" ] && sed 's/^/  Xvfb: /' "$work/xvfb.log"
    exit 1
}

# A display of our own, numbered from 100 on by the script's process id, away from the numbers
# other servers take first. A server that is still ending may hold the sockets of a number after
# its lock file is gone; then the new server cannot listen, and the next number is tried.
# -noreset: without it the server resets when its last client leaves (the check below), and a
# client connecting during the reset is refused.
start_xvfb() {
    local number=$1
    rm -f "$work/display"
    Xvfb ":$number" -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2> /dev/null || return 1
        sleep 0.1
    done
    [ -s "$work/display" ] && ! grep -q "server already running" "$work/xvfb.log" || return 1
    export DISPLAY=":$number"
    xdotool getdisplaygeometry > /dev/null 2>&1
}
for try in $(seq 0 9); do
    start_xvfb $((100 + ($$ * 7 + try) % 800)) && break
    kill "$xvfb_pid" 2> /dev/null
    wait "$xvfb_pid" 2> /dev/null
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb

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

# Runs the command until it succeeds, for at most ten seconds; false when it never does.
wait_until() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# A click at (x, y) in the window's client area, the pointer coming from a little beside it as
# a hand would. One xdotool call: the X server delivers the moves before the press, in order, so
# nothing needs to wait between them.
click_at() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" $((x - 3)) $((y - 3)) \
            mousemove --window "$window" "$x" "$y" click 1
}

# Waits until the program has ended and sets program_status to its exit status ("running" when it
# has not ended).
wait_program_end() {
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2> /dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2> /dev/null; then
        program_status=running
        return
    fi
    program_status=0
    wait "$program_pid" || program_status=$?
    program_pid=""
}
