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

# shellcheck source=xvfb.sh
. "$root/tools/xvfb.sh"

work=$(mktemp -d)
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
    xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

xvfb_start || die "$xvfb_error"

program=$(realpath "$program")
# In a directory of its own: whatever the program writes stays out of the way.
(cd "$work" && exec "$program" >"$work/program.out" 2>"$work/program.err") &
prog_pid=$!
xvfb_find_window "$title" "$prog_pid" || die "$xvfb_error: $(cat "$work/program.err")"
sleep 1  # the start-up drawing is not part of the wait

now_ms() { echo $(($(date +%s%N) / 1000000)); }

before=$(xvfb_cpu_ticks "$prog_pid")
t0=$(now_ms)
sleep "$seconds"
after=$(xvfb_cpu_ticks "$prog_pid")
t1=$(now_ms)
kill -0 "$prog_pid" 2>/dev/null || die "the program ended during the measurement: $(cat "$work/program.err")"

hz=$(getconf CLK_TCK)
ticks=$((after - before))
percent=$(awk -v d="$ticks" -v hz="$hz" -v ms=$((t1 - t0)) 'BEGIN { printf "%.2f", d * 100000 / hz / ms }')
echo "$(basename "$program") waiting for a key in the window: $percent % of one core" \
    "($ticks ticks of 1/$hz s in $(awk -v ms=$((t1 - t0)) 'BEGIN { printf "%.1f", ms / 1000 }') s)"

awk -v p="$percent" 'BEGIN { exit !(p < 1) }'
