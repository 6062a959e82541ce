#!/usr/bin/env bash
# Times a whole twelve-turn campaign of MORVA95F played headless from a fixed key script and
# clock second (scenario 1: both fleets fight their three-day operations on turn 1, every later
# turn is organised and kept home), beside the time of the same program's start-up alone.
# A campaign is compute only: it should take well under a second. Not a test.
#   tools/bench_campaign.sh [runs]        (BUILD_DIR overrides ./build)
#   tools/bench_campaign.sh --print-keys  prints the key script (clock second 0) and ends
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${1:-5}
bin=$build/detailed/MORVA95F
if [ "$runs" != "--print-keys" ] && [ ! -x "$bin" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j3 --target MORVA95F >/dev/null
fi

repeat() { local s=""; for ((i = 0; i < $2; i++)); do s+=$1; done; printf '%s' "$s"; }
# A daytime hour in which the fleet stays, in the order the program asks: the two air-defence
# splits kept (hours 6, 9, 12), no search plane, the carriers idle on deck (hours 1-14), the
# battleships keep station, the default heading at speed 0. Then a day of them, and a
# three-day operation (each day's opening questions: no extra search, both splits even).
hour() {
    local h=$1 keys=""
    ((h == 6 || h == 9 || h == 12)) && keys+="nn"
    keys+="n"
    ((h == 1)) && keys+="n"
    ((h > 1 && h < 15)) && keys+="nn"
    printf '%s' "${keys}n{ENTER}0{ENTER}"
}
day=""
for ((h = 1; h <= 15; h++)); do day+=$(hour "$h"); done
opening='n{ENTER}{ENTER}'
operation="${opening}45{ENTER}${day}${opening}{ENTER}{ENTER}${day}${opening}{ENTER}{ENTER}${day}"
# The ships the organisation lists on turn t of scenario 1 when none is lost.
listed() {
    local t=$1 c=9
    ((t >= 3)) && c=$((c + 1)); ((t >= 4)) && c=$((c + 1)); ((t >= 5)) && c=$((c + 1))
    ((t >= 6)) && c=$((c + 1)); ((t >= 9)) && c=$((c + 2))
    echo $((c + (t < 9 ? 4 : 12)))
}
keys="5n1h1123333331233y7{ENTER}8{ENTER}${operation}${operation}"
commanders=hsr
for ((t = 2; t <= 12; t++)); do
    n=$(listed "$t")
    keys+="n{ENTER}"
    ((t == 5)) && keys+="h2$(repeat 3 $((n - 1)))"
    keys+="${commanders:$((t % 3)):1}1$(repeat 3 $((n - 1)))y99{ENTER}"
done

if [ "$runs" = "--print-keys" ]; then
    printf '%s' "$keys"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '%s' "$keys" >campaign.keys
: >startup.keys

# Milliseconds of the fastest of $runs runs of the program on a key file.
fastest() {
    local best=""
    for ((r = 0; r < runs; r++)); do
        local start end ms
        start=$(date +%s%N)
        "$bin" --headless --keys-file "$1" --clock-seconds 0 --screen screen.txt
        end=$(date +%s%N)
        ms=$(((end - start) / 1000000))
        if [ -z "$best" ] || ((ms < best)); then best=$ms; fi
    done
    echo "$best"
}

startup=$(fastest startup.keys)
campaign=$(fastest campaign.keys)
if ! grep -q "WINDOW を閉じてください" screen.txt; then
    echo "the campaign did not reach its final screen:" >&2
    cat screen.txt >&2
    exit 1
fi
echo "start-up alone:   ${startup} ms"
echo "12-turn campaign: ${campaign} ms (${#keys} key-script characters, clock second 0)"
