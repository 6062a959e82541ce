#!/usr/bin/env bash
# The programs' figures in one table, from the optimised build (build/, RelWithDebInfo), each
# as the minimum and the median of several runs, with the peak memory of the run:
#   - start-up to the first key wait of each program, headless, also as a multiple of a bare
#     process (/bin/true) started the same way, each time just before the program;
#   - a whole 12-turn MORVA95F campaign, headless, from bench_campaign.sh's key script;
#   - a 46-against-46 kelmat95 gun battle at display time 0 (bench_battle.sh's scenario);
#   - the processor share of each program's window waiting for a key (bench_idle.sh, Xvfb);
#   - 300,000 prints one console call at a time in a window (Xvfb): the window gets a new
#     picture now and then, not at every change.
# The campaign and the battle are compute-bound: they are also given as multiples of the
# start-up. Not a test.
#   tools/bench.sh [RUNS]      (RUNS: default 7; BUILD_DIR overrides ./build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${1:-7}
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j3 --target MORVA95F MORVA95S kelmat95 >/dev/null
# The print loop exists only in a build with the window backend.
cmake --build "$build" -j3 --target window_print_loop >/dev/null 2>&1 || true
[[ -x /usr/bin/time ]] || { echo "bench.sh needs /usr/bin/time (Debian package time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# measure PROGRAM KEYS SECONDS: runs the program headless $runs times in this folder and sets
# MIN, MEDIAN (ms) and PEAK (MiB, from one more run under /usr/bin/time). Each timed run is
# started by the shell itself and timed with its clock variable, so that nothing else is
# started around it. With BARE=1, /bin/true (the bare process) is started the same way, with
# the same arguments, just before each run, and BARE_MEDIAN is its median: the machine's load
# weighs on both alike.
measure() {
    local program=$1 keys=$2 seconds=$3 times=() bare_times=() start end
    printf '%s' "$keys" >bench.keys
    for ((r = 0; r < runs; r++)); do
        if [[ "${BARE:-0}" == 1 ]]; then
            start=${EPOCHREALTIME/[.,]/}
            /bin/true --headless --keys-file bench.keys --clock-seconds "$seconds" --screen bench.screen
            end=${EPOCHREALTIME/[.,]/}
            bare_times+=($((end - start)))
        fi
        start=${EPOCHREALTIME/[.,]/}
        "$program" --headless --keys-file bench.keys --clock-seconds "$seconds" --screen bench.screen
        end=${EPOCHREALTIME/[.,]/}
        times+=($((end - start)))
    done
    /usr/bin/time -f %M -o bench.mem "$program" --headless --keys-file bench.keys --clock-seconds "$seconds" \
        --screen bench.screen
    local sorted
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    MIN=$(awk -v u="${sorted[0]}" 'BEGIN { printf "%.2f", u / 1000 }')
    MEDIAN=$(awk -v u="${sorted[$((runs / 2))]}" 'BEGIN { printf "%.2f", u / 1000 }')
    PEAK=$(awk -v k="$(tail -1 bench.mem)" 'BEGIN { printf "%.1f", k / 1024 }')
    if [[ "${BARE:-0}" == 1 ]]; then
        sorted=($(printf '%s\n' "${bare_times[@]}" | sort -n))
        BARE_MEDIAN=$(awk -v u="${sorted[$((runs / 2))]}" 'BEGIN { printf "%.2f", u / 1000 }')
    fi
}

row() { printf '%-44s %9s %9s %9s  %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f x start-up", a / b; else print "" }'; }
bare() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f x bare process (%.2f ms)", a / b, b; else print "" }'
}

echo "tools/bench.sh: $runs runs each, $(nproc) cores, $(basename "$build") build"
row "figure" "min ms" "median ms" "peak MiB" ""
declare -A startup
for p in detailed/MORVA95F simplified/MORVA95S gunnery/kelmat95; do
    name=$(basename "$p")
    BARE=1 measure "$build/$p" "" 0
    startup[$name]=$MEDIAN
    row "start-up to the first key wait: $name" "$MIN" "$MEDIAN" "$PEAK" "$(bare "$MEDIAN" "$BARE_MEDIAN")"
done

measure "$build/detailed/MORVA95F" "$("$root/tools/bench_campaign.sh" --print-keys)" 0
grep -q "WINDOW を閉じてください" bench.screen || { echo "the campaign did not reach its final screen" >&2; exit 1; }
row "12-turn MORVA95F campaign" "$MIN" "$MEDIAN" "$PEAK" "$(ratio "$MEDIAN" "${startup[MORVA95F]}")"

keys=$("$root/tools/bench_battle.sh" --prepare "$work")
measure "$build/gunnery/kelmat95" "$keys" 5
grep -q "Hit Any Key" bench.screen || { echo "the battle did not reach its result screen" >&2; exit 1; }
row "46-against-46 battle, display time 0" "$MIN" "$MEDIAN" "$PEAK" "$(ratio "$MEDIAN" "${startup[kelmat95]}")"

# The idle share: a few samples of a few seconds per program, under Xvfb.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    for p in detailed/MORVA95F simplified/MORVA95S gunnery/kelmat95; do
        shares=()
        for ((r = 0; r < 3; r++)); do
            out=$("$root/tools/bench_idle.sh" "$build/$p" --seconds 3 2>&1) || true
            share=$(sed -n 's/.*: \([0-9.]*\) % of one core.*/\1/p' <<<"$out")
            [[ -n "$share" ]] && shares+=("$share")
        done
        if ((${#shares[@]} == 0)); then
            row "window waiting for a key: $(basename "$p")" "-" "-" "-" "not measured: $out"
            continue
        fi
        sorted=($(printf '%s\n' "${shares[@]}" | sort -g))
        row "window waiting for a key: $(basename "$p")" "${sorted[0]} %" "${sorted[$((${#sorted[@]} / 2))]} %" "" \
            "processor share of one core"
    done
else
    echo "window waiting for a key: not measured (Xvfb and xdotool are not installed)"
fi

# The print loop in a window: a program that keeps changing the screen runs at computing speed.
print_loop=$build/tests/window/window_print_loop
if command -v Xvfb >/dev/null && [[ -x "$print_loop" ]]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>display 2>xvfb.log &
    xvfb_pid=$!
    for ((i = 0; i < 100; i++)); do
        [[ -s display ]] && break
        sleep 0.1
    done
    times=()
    for ((r = 0; r < 3; r++)); do
        start=$(date +%s%N)
        DISPLAY=":$(head -n1 display)" timeout 120 "$print_loop" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null || true
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    row "300,000 prints in a window (Xvfb)" "${sorted[0]}" "${sorted[1]}" "" "3 runs"
else
    echo "300,000 prints in a window: not measured (Xvfb or the window test programs missing)"
fi
