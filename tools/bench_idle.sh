#!/usr/bin/env bash
# Measures how much processor time a program uses in its window while it waits for a key:
# starts a virtual X server (Xvfb), starts the program, lets it settle, samples its CPU time
# (utime + stime of all its threads, from /proc) over a few seconds, prints the share of one
# core and ends the program (SIGTERM, which the programs take like the close button). The
# window backend should stay well under 1 %.
#
# Usage: tools/bench_idle.sh [PROGRAM [WINDOW-TITLE]] [--seconds N]
#   PROGRAM defaults to build/detailed/MORVA95F; the title defaults to the program's file name.
#   Example for a program that polls inkey_string in a loop:
#     tools/bench_idle.sh build/tests/window/window_inkey_loop INKEYLOOP
# Exit status: 0 under 1 %, 1 at or over 1 %, 2 when the measurement could not be made.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
program=""
title=""
seconds=5
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    -h | --help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *)
        if [ -z "$program" ]; then program=$1; elif [ -z "$title" ]; then title=$1; fi
        shift
        ;;
    esac
done
program=${program:-$root/build/detailed/MORVA95F}
title=${title:-$(basename "$program")}

die() {
    echo "bench_idle: $*" >&2
    exit 2
}
[ -x "$program" ] || die "no program at $program (build first: cmake -S . -B build && cmake --build build)"
command -v Xvfb >/dev/null 2>&1 || die "Xvfb is not installed (Debian package xvfb)"
command -v xdotool >/dev/null 2>&1 || die "xdotool is not installed (Debian package xdotool)"

work=$(mktemp -d)
xvfb_pid=""
prog_pid=""
cleanup() {
    # SIGTERM ends a program like its window's close button.
    if [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; then
        kill -TERM "$prog_pid" 2>/dev/null
        for ((i = 0; i < 30; i++)); do
            kill -0 "$prog_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$prog_pid" 2>/dev/null
        wait "$prog_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || die "Xvfb reported no display within 10 s"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY

program=$(realpath "$program")
# In a directory of its own: whatever the program writes stays out of the way.
(cd "$work" && exec "$program" >"$work/program.out" 2>"$work/program.err") &
prog_pid=$!
# Searched again and again rather than with --sync: a search dies of an X error when the
# program destroys a window it is looking at (SDL makes short-lived windows at start).
window=""
for ((i = 0; i < 150; i++)); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$prog_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$window" ] || die "no window named $title appeared within 15 s: $(cat "$work/program.err")"
sleep 1  # the start-up drawing is not part of the wait

cpu_ticks() { sed 's/.*) //' "/proc/$prog_pid/stat" | awk '{print $12 + $13}'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

before=$(cpu_ticks)
t0=$(now_ms)
sleep "$seconds"
after=$(cpu_ticks)
t1=$(now_ms)
kill -0 "$prog_pid" 2>/dev/null || die "the program ended during the measurement: $(cat "$work/program.err")"

hz=$(getconf CLK_TCK)
ticks=$((after - before))
percent=$(awk -v d="$ticks" -v hz="$hz" -v ms=$((t1 - t0)) 'BEGIN { printf "%.2f", d * 100000 / hz / ms }')
echo "$(basename "$program") waiting for a key in the window: $percent % of one core" \
    "($ticks ticks of 1/$hz s in $(awk -v ms=$((t1 - t0)) 'BEGIN { printf "%.1f", ms / 1000 }') s)"

awk -v p="$percent" 'BEGIN { exit !(p < 1) }'
