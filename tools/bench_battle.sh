#!/usr/bin/env bash
# Times a whole gun battle of kelmat95 with 46 ships a side, from the scenario load to the
# result screen, at display time 0 (no pauses), headless. Writes a scenario file of its own
# (B-DATA.DAT, in a temporary directory): BLUE 46 Japanese, RED 46 American battleships.
#
# Usage: tools/bench_battle.sh [PROGRAM] [--runs N] [--seconds S]
#   PROGRAM defaults to build/gunnery/kelmat95; N runs (default 5) with clock seconds S
#   (default 5) select the battle; prints each run's wall time and the mean in ms.
#   With --prepare DIR it only writes the scenario file into DIR and prints the key script.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
program=""
runs=5
seconds=5
prepare=""
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=${2:?--runs needs a number}; shift 2 ;;
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    --prepare) prepare=${2:?--prepare needs a folder}; shift 2 ;;
    -h | --help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) program=$1; shift ;;
    esac
done
program=$(realpath "${program:-$root/build/gunnery/kelmat95}")
if [ -n "$prepare" ]; then
    cd "$prepare"
else
    [ -x "$program" ] || { echo "no program at $program (build first)" >&2; exit 2; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work"
fi

# The scenario file: counts and navies, eight fields of ships 1-46 of both sides, 92 names.
{
    printf ' 46 \r\n 1 \r\n 46 \r\n 2 \r\n'
    for side in 0 1; do
        for ship in $(seq 1 46); do
            if [ $side -eq 0 ]; then
                if [ $((ship % 2)) -eq 1 ]; then f="390 23 2 0 305 150 25 100"; else f="366 19 15 0 305 97 25 100"; fi
            else
                if [ $((ship % 2)) -eq 1 ]; then f="320 21 4 0 343 100 21 100"; else f="330 19 10 1 343 89 21 100"; fi
            fi
            for v in $f; do printf ' %s \r\n' "$v"; done
        done
    done
    for side in 0 1; do
        for ship in $(seq 1 46); do printf 'SHIP%d-%d\r\n' "$side" "$ship"; done
    done
} >B-DATA.DAT

enters=""
for _ in $(seq 1 23); do enters="$enters{ENTER}"; done
keys="x1B{ENTER}0n$enters"
if [ -n "$prepare" ]; then
    printf '%s' "$keys"
    exit 0
fi

total=0
for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    "$program" --headless --keys "$keys" --clock-seconds "$seconds" --screen screen.txt
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    grep -q "Hit Any Key" screen.txt || { echo "run $run did not reach the result screen" >&2; exit 1; }
    echo "run $run: $ms ms"
    total=$((total + ms))
done
echo "mean: $((total / runs)) ms for a 46-against-46 battle at display time 0"
