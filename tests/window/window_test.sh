#!/usr/bin/env bash
# One case of the window tests: a program in an SDL window on its own virtual X server
# (Xvfb), keys and the close button sent through that server.
# Usage: window_test.sh CASE
# The programs come from the environment (set by CTest): MORVA95F, KEY_ECHO, INKEY_LOOP,
# PRINT_LOOP, and XTOOL (a small X client, see xtool.cpp; empty when it could not be built).
# Exit status: 0 passed, 1 failed, 77 skipped (Xvfb, xdotool or the X client missing).
set -u

# In a sanitizer build the leak check stays off for these runs: the display's own libraries
# (D-Bus, the GL driver, which is unloaded before the check) keep allocations until the
# process ends. The console code they drive is leak-checked by the headless suites.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# shellcheck source=../../tools/xvfb.sh
. "$(dirname "$0")/../../tools/xvfb.sh"

work=$(mktemp -d)
prog_pid=""
status=""

cleanup() {
    if [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; then
        kill -KILL "$prog_pid" 2>/dev/null
        wait "$prog_pid" 2>/dev/null
    fi
    xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*" >&2
    for f in program.out program.err xvfb.log; do
        if [ -s "$work/$f" ]; then
            echo "--- $f" >&2
            cat "$work/$f" >&2
        fi
    done
    exit 1
}

skip() {
    echo "SKIPPED: $*"
    exit 77
}

# Starts the virtual X server (tools/xvfb.sh) and points DISPLAY at it.
start_xvfb() {
    command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
    command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed (Debian package xdotool)"
    xvfb_start || fail "$xvfb_error"
}

# start_program PROGRAM TITLE: runs the program and waits until its window is on the screen;
# sets prog_pid and window.
start_program() {
    local program=$1 title=$2
    [ -x "$program" ] || fail "program not built: $program"
    # In a directory of its own: whatever the program writes stays out of the source tree.
    (cd "$work" && exec "$program" >"$work/program.out" 2>"$work/program.err") &
    prog_pid=$!
    xvfb_find_window "$title" "$prog_pid" || fail "$xvfb_error"
    # No window manager runs here: give the window the keyboard explicitly.
    xdotool windowfocus "$window" 2>/dev/null
}

running() { xvfb_process_runs "$1"; }

# wait_for_exit SECONDS: true when the program ended within that time; sets status.
wait_for_exit() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        if ! running "$prog_pid"; then
            wait "$prog_pid"
            status=$?
            prog_pid=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

expect_clean_exit() {  # SECONDS WHAT
    wait_for_exit "$1" || fail "the program still runs $1 s after $2"
    [ "$status" -eq 0 ] || fail "exit status $status after $2 (expected 0)"
}

need_xtool() {
    [ -n "${XTOOL:-}" ] || skip "the X test tool was not built (no X11 development files, Debian libx11-dev)"
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# cpu_percent SECONDS: processor time the program used over that many seconds, in percent
# of one core (utime + stime of all its threads).
cpu_percent() {
    local hz before after t0 t1
    hz=$(getconf CLK_TCK)
    before=$(sed 's/.*) //' "/proc/$prog_pid/stat" | awk '{print $12 + $13}')
    t0=$(now_ms)
    sleep "$1"
    after=$(sed 's/.*) //' "/proc/$prog_pid/stat" | awk '{print $12 + $13}')
    t1=$(now_ms)
    awk -v d=$((after - before)) -v hz="$hz" -v ms=$((t1 - t0)) 'BEGIN { printf "%.1f", d * 100000 / hz / ms }'
}

# A program waiting for a key must sleep: anything near a busy core is a fault. The bound is
# loose so that a loaded test machine does not make it fail; tools/bench_idle.sh measures.
# A slow build on a loaded machine may still be starting when the window appears, so a few
# two-second spells are measured: a program that keeps a core busy fails them all.
expect_idle() {  # WHAT
    local p i
    for ((i = 0; i < 5; i++)); do
        p=$(cpu_percent 2)
        echo "processor use while $1: $p % of one core"
        awk -v p="$p" 'BEGIN { exit !(p < 10) }' && return 0
    done
    fail "$1 uses $p % of a core"
}

wait_for_output() {  # TEXT SECONDS
    local i
    for ((i = 0; i < $2 * 10; i++)); do
        grep -qx -- "$1" "$work/program.out" && return 0
        sleep 0.1
    done
    fail "the program did not write \"$1\" within $2 s"
}

# ---------------------------------------------------------------------------------------------

# Without a display (none named, or one that does not answer) the program says so, points to
# the headless mode and fails.
case_no_display() {
    [ -x "$MORVA95F" ] || fail "program not built: $MORVA95F"
    local display
    for display in "" ":64999"; do
        (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY ${display:+DISPLAY=$display} timeout 20 "$MORVA95F" \
            >program.out 2>program.err)
        status=$?
        [ "$status" -ne 0 ] || fail "exit status 0 with DISPLAY='$display'"
        [ "$status" -ne 124 ] || fail "the program did not end with DISPLAY='$display'"
        grep -q "no display found" "$work/program.err" || fail "no clear message with DISPLAY='$display'"
        grep -q -- "--headless" "$work/program.err" || fail "the message does not point to --headless"
    done
}

# A program blocked in a key wait sleeps; a key typed through the X server reaches it and it
# ends normally.
case_key_ends_wait() {
    start_xvfb
    start_program "$KEY_ECHO" KEYECHO
    expect_idle "a program waits for a key"
    xdotool key q
    expect_clean_exit 5 "the key q"
}

# A game waiting at its first screen does not use the processor, and the window's close
# button ends it.
case_close_button() {
    need_xtool
    start_xvfb
    start_program "$MORVA95F" MORVA95F
    expect_idle "MORVA95F waits at its first screen"
    "$XTOOL" close "$window" || fail "could not send the close request"
    expect_clean_exit 5 "the close button"
}

# Ctrl-C (SIGINT) ends the program like the close button, although nothing wakes SDL's wait.
case_interrupt() {
    start_xvfb
    start_program "$MORVA95F" MORVA95F
    kill -INT "$prog_pid"
    expect_clean_exit 5 "SIGINT"
}

# What the program receives for keys sent through the X server: characters once each (not
# also as key presses), the control keys as their codes, function keys to their traps, a
# character that has no CP932 form dropped.
case_key_codes() {
    start_xvfb
    need_xtool
    start_program "$KEY_ECHO" KEYECHO
    wait_for_output ready 10
    xdotool key --delay 40 F3 a
    "$XTOOL" press "$window" U20AC U3042 UFF71 || fail "could not press the keys of € あ ｱ"
    xdotool key --delay 40 shift+b Return KP_Enter Escape BackSpace Tab Left Right Up Down KP_Left F12 q
    expect_clean_exit 5 "q"
    local expected actual
    expected=$(printf '%s\n' a あ ｱ B '<13>' '<13>' '<27>' '<8>' '<9>' '<29>' '<28>' '<30>' '<31>' '<29>')
    actual=$(grep -v -e '^F' -e '^ready$' "$work/program.out")
    [ "$actual" = "$expected" ] || fail "keys received:
$actual
expected:
$expected"
    actual=$(grep '^F' "$work/program.out" | tr '\n' ' ')
    [ "$actual" = "F3 F12 " ] || fail "function keys received: $actual (expected F3 F12)"
}

# A close request ends a long timed wait at once.
case_close_in_timed_wait() {
    need_xtool
    start_xvfb
    start_program "$KEY_ECHO" KEYECHO
    xdotool key w
    wait_for_output wait 5
    local t0 elapsed
    t0=$(now_ms)
    "$XTOOL" close "$window" || fail "could not send the close request"
    expect_clean_exit 5 "the close button"
    elapsed=$(($(now_ms) - t0))
    [ "$elapsed" -lt 2500 ] || fail "the 3 s wait was not cut short by the close ($elapsed ms)"
    ! grep -qx waited "$work/program.out" || fail "the program went on after the close"
}

# The bell is a tone queued without waiting, and the sound device is closed again after a
# quiet spell (an idle program keeps no sound thread running). SDL's file-writing sound
# driver stands in for a sound card.
case_beep() {
    start_xvfb
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw"
    start_program "$KEY_ECHO" KEYECHO
    xdotool key b
    wait_for_output beep 5
    sleep 4
    [ -s "$work/sound.raw" ] || fail "no sound was written for the bell"
    [ -n "$(tr -d '\000' <"$work/sound.raw" | head -c 1)" ] || fail "the bell wrote only silence"
    local size
    size=$(stat -c %s "$work/sound.raw")
    sleep 1
    [ "$(stat -c %s "$work/sound.raw")" = "$size" ] || fail "the sound device still runs after the bell"
    xdotool key q
    expect_clean_exit 5 "q"
}

# A program that polls inkey_string in a loop while it waits does not keep a core busy, and
# still gets its key.
case_inkey_loop() {
    start_xvfb
    start_program "$INKEY_LOOP" INKEYLOOP
    expect_idle "a program polls for a key"
    xdotool key x
    expect_clean_exit 5 "a key press"
}

# A program that keeps changing the screen runs at computing speed: the window gets a new
# picture now and then, not at every change (which made such a run many times slower).
case_print_speed() {
    start_xvfb
    [ -x "$PRINT_LOOP" ] || fail "program not built: $PRINT_LOOP"
    local t0 elapsed
    t0=$(now_ms)
    (cd "$work" && timeout 60 "$PRINT_LOOP" >program.out 2>program.err)
    status=$?
    elapsed=$(($(now_ms) - t0))
    echo "300000 prints in the window: $elapsed ms"
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ "$elapsed" -lt 10000 ] || fail "300000 prints took $elapsed ms"
}

case "${1:-}" in
no_display) case_no_display ;;
key_ends_wait) case_key_ends_wait ;;
close_button) case_close_button ;;
interrupt) case_interrupt ;;
key_codes) case_key_codes ;;
close_in_timed_wait) case_close_in_timed_wait ;;
inkey_loop) case_inkey_loop ;;
beep) case_beep ;;
print_speed) case_print_speed ;;
*)
    echo "usage: window_test.sh no_display|key_ends_wait|close_button|interrupt|key_codes|close_in_timed_wait|inkey_loop|beep|print_speed" >&2
    exit 2
    ;;
esac
echo "passed: ${1}"
