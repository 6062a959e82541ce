#!/usr/bin/env bash
# Builds (installing what is missing) and runs the whole test suite, then again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, with random-key runs of the three programs;
# then each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh --tests
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --no-tests=error --output-on-failure -j"$jobs")
if [[ "${SKIP_SANITIZERS:-0}" != "1" ]]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON -DWARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build build-sanitize -j"$jobs"
  (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --no-tests=error --output-on-failure -j"$jobs")
  # Random-key runs of each program through its sanitizer-built binary, with fixed seeds.
  for program in MORVA95F MORVA95S kelmat95; do
    MONKEY_FIRST_SEED=1 MONKEY_BUILD_DIR=build-sanitize MONKEY_JOBS="$jobs" tools/monkey.sh "$program" 20
  done
fi
# Each fuzz target for a short, bounded time (clang builds them; tools/fuzz.sh runs one longer).
if command -v clang++ >/dev/null; then
  FUZZ_JOBS="$jobs" tools/fuzz.sh all "${FUZZ_SECONDS:-10}"
fi
