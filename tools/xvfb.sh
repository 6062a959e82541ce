# A virtual X server (Xvfb) and a program's window on it, shared by the window tests
# (tests/window/window_test.sh) and the idle benchmark (tools/bench_idle.sh). Source it; the
# caller keeps a temporary directory in `work`, stops the server with xvfb_stop in its own
# clean-up, and reports failures in its own way (the functions return 1 and set xvfb_error).

xvfb_pid=""
window=""
xvfb_error=""

# xvfb_start [WxH]: starts Xvfb with a screen of that size (default 1280x1024) on a free
# display (it picks the number and reports it) and points DISPLAY at it.
# -noreset: the server does not reset each time its last client leaves, which happens while
# xdotool's searches come and go before the program has connected.
# -r: no key repeat. xdotool presses and releases a key as two requests; on a busy machine the
# gap between them can outlast the repeat delay, and the server would then type the key twice.
xvfb_start() {
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset -r 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    local i
    for ((i = 0; i < 300; i++)); do
        [ -s "$work/display" ] && break
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            xvfb_error="Xvfb did not start: $(cat "$work/xvfb.log")"
            return 1
        fi
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        xvfb_error="Xvfb reported no display within 30 s"
        return 1
    fi
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY
}

# Whether process PID still runs (a zombie that was not yet waited for does not).
xvfb_process_runs() {
    [ -e "/proc/$1" ] && ! grep -q ') Z ' "/proc/$1/stat" 2>/dev/null
}

# Processor time process PID has used so far, in clock ticks (utime + stime of all its threads).
xvfb_cpu_ticks() {
    sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}

# xvfb_find_window TITLE PID: waits up to 60 s for a visible window named TITLE while process
# PID runs; sets `window` (empty when none appeared, with xvfb_error saying why).
# Searched again and again rather than with --sync: a search dies of an X error when the
# program destroys a window it is looking at (SDL makes short-lived windows at start).
xvfb_find_window() {
    local title=$1 pid=$2 i
    window=""
    for ((i = 0; i < 600; i++)); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$window" ] && return 0
        xvfb_process_runs "$pid" || break
        sleep 0.1
    done
    if xvfb_process_runs "$pid"; then
        xvfb_error="no window named $title appeared within 60 s"
    else
        xvfb_error="the program ended before its window appeared"
    fi
    return 1
}

# Stops the server if it runs.
xvfb_stop() {
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
