#!/usr/bin/env bash
# Instructions, counted by callgrind, that each program executes to start
# (its first 6 s, which end idle) and per tick while running at 200 ms (10 s
# after a click on the start button). Counts do not depend on what else the
# machine does, so they settle what timings at this scale cannot.
#   instructions.sh PROGRAM BARE_PROGRAM
# It runs on an X server of its own (scripts/x-session).
set -euo pipefail
if [ -z "${EYETRAINER_X_SESSION:-}" ]; then
    EYETRAINER_X_SESSION=1 exec "$(dirname "$0")/../scripts/x-session" -- "$0" "$@"
fi
programs=("$1" "$2")
names=("eye-trainer" "bare Qt window")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

total() { callgrind_annotate "$1" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}'; }

for i in 0 1; do
    out="$scratch/$i"
    mkdir -p "$out"
    # Start-up: everything until the program idles.
    valgrind --tool=callgrind --callgrind-out-file="$out/startup.%p" "${programs[$i]}" >/dev/null 2>&1 &
    pid=$!
    sleep 6
    kill "$pid"; wait "$pid" 2>/dev/null || true
    startup=$(total "$(ls "$out"/startup.* | head -n1)")

    # Running: only the ticks, with instrumentation switched on for 10 s.
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/running.%p" "${programs[$i]}" >/dev/null 2>&1 &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Биология" | head -n1)
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 216)) $((Y + 60)) click 1
    sleep 1
    callgrind_control -i on "$pid" >/dev/null 2>&1
    sleep 10
    callgrind_control -i off "$pid" >/dev/null 2>&1
    kill "$pid"; wait "$pid" 2>/dev/null || true
    running=$(total "$(ls "$out"/running.* | head -n1)")

    printf '%-16s start-up %6.1f M instructions   running at 200 ms %6.1f k instructions per tick\n' \
        "${names[$i]}" "$(echo "$startup / 1000000" | bc -l)" "$(echo "$running / 50 / 1000" | bc -l)"
    eval "startup$i=$startup running$i=$running"
done
printf '%-16s start-up %6.3f x                 running %6.3f x\n' ratio \
    "$(echo "$startup0 / $startup1" | bc -l)" "$(echo "$running0 / $running1" | bc -l)"
