#!/bin/bash
# Measures every recording with sox (duration, peak, RMS level) and compares its spoken length
# with espeak-ng saying the same text, trimmed the same way. A recording much shorter or longer
# than espeak-ng's reading (ratio outside 0.5 to 2) is flagged: it likely says something else
# (a letter read as a word, a word spelled out, a cut-off ending).
#
# Usage: check_recordings.sh [resources-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${1:-$here/../../resources}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

flagged=0
while IFS=$'\t' read -r folder key text; do
    file=$root/$folder/$key.wav
    stats=$(sox "$file" -n stat 2>&1)
    duration=$(awk '/^Length/ {print $3}' <<<"$stats")
    peak=$(awk '/^Maximum amplitude/ {hi = $3} /^Minimum amplitude/ {lo = -$3}
                END {printf "%.3f", (hi > lo ? hi : lo)}' <<<"$stats")
    rms=$(awk '/^RMS +amplitude/ {printf "%.3f", $3}' <<<"$stats")
    espeak-ng -v en-us -w "$work/e.wav" "$text"
    sox "$work/e.wav" "$work/t.wav" silence 1 0.01 -45d reverse silence 1 0.01 -45d reverse
    reference=$(soxi -D "$work/t.wav")
    ratio=$(awk -v a="$duration" -v b="$reference" 'BEGIN {printf "%.2f", a / b}')
    mark=""
    if awk -v r="$ratio" 'BEGIN {exit !(r < 0.5 || r > 2.0)}'; then
        mark="  <-- check"
        flagged=$((flagged + 1))
    fi
    printf '%-8s %-16s %-18s %6.3f s  peak %s  rms %s  espeak %6.3f s  ratio %s%s\n' \
        "$folder" "$key" "\"$text\"" "$duration" "$peak" "$rms" "$reference" "$ratio" "$mark"
done < <(/usr/bin/python3 - "$here" <<'EOF'
import sys
sys.path.insert(0, sys.argv[1])
import make_recordings
for folder, key, text in make_recordings.clips():
    print(f"{folder}\t{key}\t{text}")
EOF
)
echo "$flagged recordings flagged"
