# Sourced by bench/sound_latency.sh and bench/idle.sh: a private PulseAudio server whose default
# sink is a null sink (nothing reaches a loudspeaker; its monitor is recorded), a virtual X
# server, and helpers to start Quillby on them and click its buttons.
#
# Needs: $build (the build folder). Sets: $work, $pulse_pid, $DISPLAY, $PULSE_SERVER.

for tool in Xvfb pulseaudio pactl xdotool; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed (scripts/debian-packages.txt lists it)"; exit 1; }
done
for file in quillby regsvr sound_probe bare_sound langtext/liblangtext.so sizeguard/libsizeguard.so; do
    [ -e "$build/$file" ] || { echo "$build/$file is missing: build the benchmarks"; exit 1; }
done

work=$(mktemp -d)
quillby_pid=""
cleanup() {
    [ -n "$quillby_pid" ] && kill "$quillby_pid" 2> /dev/null
    [ -n "${pulse_pid:-}" ] && kill "$pulse_pid" 2> /dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/pulse" "$work/config"
HOME="$work" PULSE_RUNTIME_PATH="$work/pulse" XDG_RUNTIME_DIR="$work/pulse" \
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    -L "module-null-sink sink_name=bench rate=44100" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    > "$work/pulse.log" 2>&1 &
pulse_pid=$!
export PULSE_SERVER="unix:$work/pulse/native"
for _ in $(seq 100); do pactl info > /dev/null 2>&1 && break; sleep 0.1; done
pactl info > /dev/null 2>&1 || { echo "PulseAudio did not start:"; cat "$work/pulse.log"; exit 1; }

Xvfb -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=pulseaudio
export XDG_CONFIG_HOME="$work/config"
"$build/regsvr" "$build/langtext/liblangtext.so" > /dev/null
"$build/regsvr" "$build/sizeguard/libsizeguard.so" > /dev/null

# Starts Quillby and waits for its main window; sets $quillby_pid, $window_x, $window_y.
start_quillby() {
    "$build/quillby" > "$work/quillby.log" 2>&1 &
    quillby_pid=$!
    local id
    id=$(xdotool search --sync --onlyvisible --pid "$quillby_pid" --name '^Quillby$' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^X=/window_x=/p; s/^Y=/window_y=/p')"
    sleep 0.5
}

# click_at X Y: a click at a point of the main window's client area, in pixels.
click_at() {
    xdotool mousemove $((window_x + $1)) $((window_y + $2)) click 1
}

# The alphabet button of the menu, and the letter buttons' row of the alphabet lesson.
alphabet_button_x=125 alphabet_button_y=184
letter_b_x=94 letter_b_y=470
