#!/usr/bin/env bash
# End to end: the program starts with an empty configuration folder (and a toolkit option on its
# command line, which it ignores), its window appears, the learner chooses Korean help in the
# language dialog (stored in the registry file), opens and closes the About box, and ends the
# program with the menu's Close button (exit status 0).
#
#   run_program.sh QUILLBY REGSVR LIBLANGTEXT
set -uo pipefail

program=$1 regsvr=$2 langtext=$3

source "$(dirname "$0")/xvfb_session.sh"

# The text library is registered in the empty configuration folder, as the set-up does.
"$regsvr" "$langtext" > /dev/null || fail "Langtext could not be registered"
registry="$XDG_CONFIG_HOME/quillby/registry.reg"

# A click in the middle of a control of a window: its left and top in twips, its size in pixels.
click_control() {
    local window=$1 left=$2 top=$3 width=$4 height=$5
    click_at "$window" $((left / 15 + width / 2)) $((top / 15 + height / 2))
}

# The registry file holds HELP = "KOREAN" under the settings key.
help_is_korean() {
    [ -f "$registry" ] && awk '/^\[/ { inside = ($0 == "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS]") }
         inside && $0 == "\"HELP\"=\"KOREAN\"" { found = 1 }
         END { exit found ? 0 : 1 }' "$registry"
}

# The program reads no command line: the toolkit's own options are not honoured either.
"$program" -qwindowtitle Hacked > "$work/program.log" 2>&1 &
program_pid=$!

main=$(wait_window Quillby) || fail "the window \"Quillby\" did not appear (titles: $(xdotool search --onlyvisible --name . getwindowname %@ 2> /dev/null | tr '\n' ' '))"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 670 ] && [ "$HEIGHT" = 560 ] || fail "the main window's client area is ${WIDTH}x${HEIGHT}, not 670x560"

# Language, the Korean flag, OK.
click_control "$main" 5505 7530 140 39
dialog=$(wait_window Languages) || fail "the language dialog did not open"
click_control "$dialog" 1680 4695 160 110
click_control "$dialog" 4410 7335 140 39
wait_until help_is_korean || fail "HELP is not stored as \"KOREAN\": $(cat "$registry" 2> /dev/null)"
wait_gone Languages || fail "OK did not close the language dialog"

# About, then its OK.
click_control "$main" 3285 7530 140 39
about=$(wait_window About) || fail "the About box did not open"
click_control "$about" 7560 6165 140 39
wait_gone About || fail "OK did not close the About box"

# Close ends the program with exit status 0.
click_control "$main" 7695 7530 140 39
wait_program_end
[ "$program_status" = running ] && fail "the program is still running after Close"
[ "$program_status" = 0 ] || fail "the program ended with status $program_status"
echo "PASSED: window shown, Korean help stored, About opened and closed, program ended with status 0"
