#!/usr/bin/env bash
# Random-key runs of one program: builds its headless binary with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-sanitize/, the `sanitizers` preset, as test.sh does) and
# plays RUNS seeded random key scripts through it (tools/monkey.cpp: a few thousand keys each,
# clock second = seed mod 60, a time limit per run). Fails on a crash, a sanitizer report, a
# hang, a non-zero exit, a partial file left behind or a save file that its game's loader
# refuses (tools/save_check.cpp loads each one a run leaves), and prints the failing script
# shrunk.
#   tools/monkey.sh PROGRAM RUNS      PROGRAM: MORVA95F, MORVA95S or kelmat95
# MONKEY_FIRST_SEED (default: from the clock), MONKEY_KEYS (3000), MONKEY_TIMEOUT (60 s) and
# MONKEY_BUILD_DIR (build-sanitize) change the defaults; test.sh runs fixed seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
if (( $# != 2 )); then
  echo "usage: $0 PROGRAM RUNS   (PROGRAM: MORVA95F MORVA95S kelmat95)" >&2
  exit 2
fi
case "$1" in
  MORVA95F) folder=detailed ;;
  MORVA95S) folder=simplified ;;
  kelmat95) folder=gunnery ;;
  *) echo "unknown program '$1' (MORVA95F MORVA95S kelmat95)" >&2; exit 2 ;;
esac
build="${MONKEY_BUILD_DIR:-build-sanitize}"
# The runs start the program from folders of their own: its path must not depend on this one.
[[ "$build" == /* ]] || build="$PWD/$build"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake --preset sanitizers -B "$build" >/dev/null
fi
cmake --build "$build" -j"${MONKEY_JOBS:-3}" --target "$1" monkey save_check >/dev/null
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/monkey" --program "$build/$folder/$1" \
  --check "$build/save_check" --runs "$2" --first-seed "${MONKEY_FIRST_SEED:-$(date +%s)}" --keys "${MONKEY_KEYS:-3000}" \
  --timeout "${MONKEY_TIMEOUT:-60}"
