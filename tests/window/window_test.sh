#!/usr/bin/env bash
# One case of the window tests: a program in an SDL window on its own virtual X server
# (Xvfb), keys and the close button sent through that server.
# Usage: window_test.sh CASE
# The programs come from the environment (set by CTest): MORVA95F, MORVA95S, KELMAT95,
# KEY_ECHO, INKEY_LOOP, XTOOL (a small X client, see xtool.cpp; empty when it could not be
# built), REFUSE_SDL (refuse_sdl.cpp, preloaded to stand for a machine without SDL2) and
# GOLDEN (the golden replay references).
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
watch_pid=""
status=""

cleanup() {
    if [ -n "$watch_pid" ]; then
        kill "$watch_pid" 2>/dev/null
        wait "$watch_pid" 2>/dev/null
    fi
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

# start_xvfb [WxH]: starts the virtual X server (tools/xvfb.sh) with a screen of that size
# (default 1280x1024) and points DISPLAY at it.
start_xvfb() {
    command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
    command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed (Debian package xdotool)"
    xvfb_start "${1:-}" || fail "$xvfb_error"
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

# cpu_percent SECONDS: processor time the program used while the test slept that many seconds,
# in percent of one core. Taken over the nominal length: a busy machine can only make the sleep
# longer, so the share is never understated, and no clock is read.
cpu_percent() {
    local hz before after
    hz=$(getconf CLK_TCK)
    before=$(xvfb_cpu_ticks "$prog_pid")
    sleep "$1"
    after=$(xvfb_cpu_ticks "$prog_pid")
    awk -v d=$((after - before)) -v hz="$hz" -v s="$1" 'BEGIN { printf "%.1f", d * 100 / hz / s }'
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

# wait_for_line FILE TEXT SECONDS: true once FILE holds the line TEXT, false when it does not
# within that time.
wait_for_line() {
    local i
    for ((i = 0; i < $3 * 10; i++)); do
        grep -qx -- "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

wait_for_output() {  # TEXT SECONDS
    wait_for_line "$work/program.out" "$1" "$2" || fail "the program did not write \"$1\" within $2 s"
}

# ---------------------------------------------------------------------------------------------

# Without a display (none named, or one that does not answer) the program says so in one line,
# points to the headless mode and fails. XDG_RUNTIME_DIR is not set either, as in a bare login
# over ssh, where a display library probed in vain would add a complaint of its own.
case_no_display() {
    [ -x "$MORVA95F" ] || fail "program not built: $MORVA95F"
    local display
    for display in "" ":64999"; do
        (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER \
            ${display:+DISPLAY=$display} timeout 60 "$MORVA95F" >program.out 2>program.err)
        status=$?
        [ "$status" -ne 0 ] || fail "exit status 0 with DISPLAY='$display'"
        [ "$status" -ne 124 ] || fail "the program did not end with DISPLAY='$display'"
        grep -q "no display found" "$work/program.err" || fail "no clear message with DISPLAY='$display'"
        grep -q -- "--headless" "$work/program.err" || fail "the message does not point to --headless"
        [ "$(wc -l <"$work/program.err")" -eq 1 ] || fail "expected one line on stderr with DISPLAY='$display'"
        cat "$work/program.err"
    done
}

# A program blocked in a key wait sleeps; a key typed through the X server reaches it and it
# ends normally.
case_key_ends_wait() {
    start_xvfb
    start_program "$KEY_ECHO" KEYECHO
    expect_idle "a program waits for a key"
    xdotool key q
    expect_clean_exit 30 "the key q"
}

# A game waiting at its first screen does not use the processor, and the window's close
# button ends it.
case_close_button() {
    need_xtool
    start_xvfb
    start_program "$MORVA95F" MORVA95F
    expect_idle "MORVA95F waits at its first screen"
    "$XTOOL" close "$window" || fail "could not send the close request"
    expect_clean_exit 30 "the close button"
}

# Ctrl-C (SIGINT) ends the program like the close button, although nothing wakes SDL's wait.
case_interrupt() {
    start_xvfb
    start_program "$MORVA95F" MORVA95F
    kill -INT "$prog_pid"
    expect_clean_exit 30 "SIGINT"
}

# What the program receives for keys sent through the X server: characters once each (not
# also as key presses), the control keys as their codes, function keys to their traps, a
# character that has no CP932 form dropped.
case_key_codes() {
    start_xvfb
    need_xtool
    start_program "$KEY_ECHO" KEYECHO
    wait_for_output ready 30
    xdotool key --delay 40 F3 a
    "$XTOOL" press "$window" U20AC U3042 UFF71 || fail "could not press the keys of € あ ｱ"
    xdotool key --delay 40 shift+b Return KP_Enter Escape BackSpace Tab Left Right Up Down KP_Left F12 q
    expect_clean_exit 30 "q"
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

# A close request ends a long timed wait: the program's 60 s wait never runs out (it would
# write "waited"). The program has 50 s to end after the close, a deadline for a hang only:
# the close takes well under a second.
case_close_in_timed_wait() {
    need_xtool
    start_xvfb
    start_program "$KEY_ECHO" KEYECHO
    xdotool key w
    wait_for_output wait 30
    "$XTOOL" close "$window" || fail "could not send the close request"
    expect_clean_exit 50 "the close button"
    ! grep -qx waited "$work/program.out" || fail "the 60 s wait ran out: the close did not cut it short"
}

# The bell is a tone queued without waiting, and the sound device is closed again after a
# quiet spell (an idle program keeps no sound thread running). SDL's file-writing sound
# driver stands in for a sound card: while the device is open it writes a buffer every 23 ms,
# so a file that stays the same size for 3 s means a closed device. The 60 s are a deadline
# for a device that never closes (the program closes it 2 s after the bell).
case_beep() {
    start_xvfb
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw"
    start_program "$KEY_ECHO" KEYECHO
    xdotool key b
    wait_for_output beep 30
    local i size="" still=0
    for ((i = 0; i < 60 && still < 3; i++)); do
        sleep 1
        if [ -s "$work/sound.raw" ] && [ "$(stat -c %s "$work/sound.raw")" = "$size" ]; then
            still=$((still + 1))
        else
            still=0
            size=$(stat -c %s "$work/sound.raw" 2>/dev/null)
        fi
    done
    [ -s "$work/sound.raw" ] || fail "no sound was written for the bell"
    [ -n "$(tr -d '\000' <"$work/sound.raw" | head -c 1)" ] || fail "the bell wrote only silence"
    [ "$still" -ge 3 ] || fail "the sound device still runs 60 s after the bell"
    xdotool key q
    expect_clean_exit 30 "q"
}

# A program that polls inkey_string in a loop while it waits does not keep a core busy, and
# still gets its key.
case_inkey_loop() {
    start_xvfb
    start_program "$INKEY_LOOP" INKEYLOOP
    expect_idle "a program polls for a key"
    xdotool key x
    expect_clean_exit 30 "a key press"
}

# The executables need no display or sound library to start: SDL2 is opened only when a
# window is asked for. Headless, with every attempt to open SDL2 refused, a golden replay
# still gives its reference screen, colours and save file, and SDL2 is not even looked for;
# asked for a window, the program names the package to install in one line and fails.
case_no_sdl() {
    command -v readelf >/dev/null 2>&1 || skip "readelf is not installed (Debian package binutils)"
    [ -n "${REFUSE_SDL:-}" ] && [ -f "$REFUSE_SDL" ] || fail "the refusing library was not built"
    local exe needed
    for exe in "$MORVA95F" "$MORVA95S" "$KELMAT95" "$KEY_ECHO"; do
        [ -x "$exe" ] || fail "program not built: $exe"
        needed=$(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | tr '\n' ' ')
        echo "$(basename "$exe") needs: $needed"
        [ -n "$needed" ] || fail "no NEEDED entries read from $exe"
        ! grep -qiE 'sdl|x11|xcb|xext|xrandr|xcursor|xfixes|xinerama|xss|xkbcommon|wayland|decor|drm|gbm|egl|gl\.|vulkan|pulse|asound|sndio|jack|pipewire|dbus' \
            <<<"$needed" || fail "$(basename "$exe") needs a display or sound library at load time: $needed"
    done

    # An ASan build's runtime checks that it comes first; the refusing library comes first here.
    export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
    local row=$GOLDEN/morva95f_turn2_save
    printf '%s' "5n1h$(printf '3%.0s' $(seq 33))yy{ENTER}" >"$work/keys"
    mkdir "$work/run"
    (cd "$work/run" && env -u DISPLAY -u WAYLAND_DISPLAY LD_PRELOAD="$REFUSE_SDL" REFUSE_SDL_LOG="$work/sdl.log" \
        timeout 60 "$MORVA95F" --headless --keys-file "$work/keys" --screen "$work/screen.txt" \
        --colours "$work/colours.txt" >"$work/program.out" 2>"$work/program.err")
    status=$?
    [ "$status" -eq 0 ] || fail "the headless replay ended with status $status"
    [ ! -e "$work/sdl.log" ] || fail "the headless run tried to open $(head -n1 "$work/sdl.log")"
    cmp -s "$work/screen.txt" "$row/screen.txt" || fail "the screen differs from $row/screen.txt"
    cmp -s "$work/colours.txt" "$row/colours.txt" || fail "the colours differ from $row/colours.txt"
    cmp -s "$work/run/MORDATAF.DAT" "$row/files/MORDATAF.DAT" || fail "the save file differs from the reference"

    (cd "$work" && LD_PRELOAD="$REFUSE_SDL" REFUSE_SDL_LOG="$work/sdl.log" timeout 60 "$MORVA95F" \
        >"$work/program.out" 2>"$work/program.err")
    status=$?
    [ "$status" -ne 0 ] || fail "exit status 0 without SDL2"
    [ "$status" -ne 124 ] || fail "the program did not end without SDL2"
    [ -s "$work/sdl.log" ] || fail "the window run did not try to open SDL2"
    [ "$(wc -l <"$work/program.err")" -eq 1 ] || fail "expected one line on stderr"
    grep -q "libSDL2-2.0.so.0.*libsdl2-2.0-0" "$work/program.err" ||
        fail "the message does not name the library libSDL2-2.0.so.0 and its package libsdl2-2.0-0"
    cat "$work/program.err"
}

# watch_maps: from now on, xtool notes every window put on the screen (in $work/maps).
watch_maps() {
    "$XTOOL" maps >"$work/maps" 2>&1 &
    watch_pid=$!
    wait_for_line "$work/maps" watching 30 || fail "xtool maps did not start watching within 30 s: $(cat "$work/maps")"
}

# expect_one_map: the program put only its window on the screen, once. (A window shown and
# then replaced, while the program sets up its drawing, flashes on the player's screen, and a
# test that found it would drive a window that no longer exists.) The server reports the maps
# in order, so once the program's window is in the list, any earlier one is too.
expect_one_map() {
    wait_for_line "$work/maps" "$window" 30
    local maps
    maps=$(grep -vx watching "$work/maps" | tr '\n' ' ')
    [ "$maps" = "$window " ] || fail "windows put on the screen: $maps(expected only the program's window $window)"
    echo "one window put on the screen: $window"
}

# expect_picture W H SCALE: the window is W x H, and shows the pattern of KEY_ECHO's "p" at a
# whole SCALE, centred on black, each plane pixel a SCALE x SCALE square of one colour (no
# blurred or stretched edges). Read back again and again until it matches: the window gets
# its new picture a moment after a change (the deadline is for a hang only).
expect_picture() {
    local w=$1 h=$2 s=$3 expected seen i
    local pw=$((640 * s)) ph=$((432 * s))
    local x=$(((w - pw) / 2)) y=$(((h - ph) / 2))
    expected="$w $h $x $y $pw $ph $((x + 638 * s)) $((y + 430 * s)) $s $s 0"
    for ((i = 0; i < 300; i++)); do
        seen=$("$XTOOL" picture "$window") || fail "could not read the window's picture"
        [ "$seen" = "$expected" ] && { echo "window ${w}x${h}: picture at scale $s, $seen"; return 0; }
        sleep 0.1
    done
    fail "window ${w}x${h}, scale $s: read \"$seen\" (window w h, picture x y w h, marker x y w h, other pixels), expected \"$expected\""
}

# scale SCREEN EXPECTED-SCALE: on a screen of that size the window opens, the only one the
# program shows, at the largest whole scale that fits (with room for a title bar); made larger
# or smaller, the picture keeps a whole scale, the largest that fits, centred.
scale_case() {
    local screen=$1 scale=$2 sw sh
    need_xtool
    start_xvfb "$screen"
    sw=${screen%x*}
    sh=${screen#*x}
    watch_maps
    start_program "$KEY_ECHO" KEYECHO
    wait_for_output ready 30
    expect_one_map
    xdotool key p
    wait_for_output pattern 30
    expect_picture $((640 * scale)) $((432 * scale)) "$scale"
    local size w h f
    for size in "$((sw - 20))x$((sh - 70))" 701x501; do
        w=${size%x*}
        h=${size#*x}
        f=$((w / 640 < h / 432 ? w / 640 : h / 432))
        # At the screen's corner, so that the whole window stays on the screen (the pixels of a
        # window that reaches past the screen cannot be read back).
        xdotool windowmove "$window" 0 0 windowsize "$window" "$w" "$h" || fail "could not resize the window to $size"
        expect_picture "$w" "$h" "$f"
    done
    xdotool key q
    expect_clean_exit 30 "q"
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
no_sdl) case_no_sdl ;;
scale_1024x768) scale_case 1024x768 1 ;;
scale_1920x1080) scale_case 1920x1080 2 ;;
scale_3840x2160) scale_case 3840x2160 4 ;;
*)
    echo "usage: window_test.sh no_display|key_ends_wait|close_button|interrupt|key_codes|close_in_timed_wait|inkey_loop|beep|no_sdl|scale_1024x768|scale_1920x1080|scale_3840x2160" >&2
    exit 2
    ;;
esac
echo "passed: ${1}"
