#!/usr/bin/env bash
# Builds (installing what is missing) and runs the whole test suite, then again built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
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
fi
