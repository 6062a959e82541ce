#!/usr/bin/env bash
# Runs one fuzz target for a while: builds it with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, starts from the committed seed corpus and the
# inputs earlier runs kept, and prints libFuzzer's summary (the executions it ran).
# Usage: tools/fuzz.sh TARGET SECONDS     (TARGET: detailed_save simplified_save scenario_file
#        records numbers cp932, or "all"). A finding is written to build-fuzz/findings/; mend
# it and copy the input into tests/fuzz/corpus/TARGET/. FUZZ_BUILD_DIR sets the build folder
# (test.sh gives its instrumented build, build-sanitize/).
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(detailed_save simplified_save scenario_file records numbers cp932)
if (( $# != 2 )); then
  echo "usage: $0 TARGET SECONDS  (TARGET: ${targets[*]} | all)" >&2
  exit 2
fi
target="$1"
seconds="$2"
if [[ "$target" == all ]]; then
  chosen=("${targets[@]}")
elif [[ " ${targets[*]} " == *" $target "* ]]; then
  chosen=("$target")
else
  echo "unknown target '$target' (${targets[*]} | all)" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed (tools/setup.sh --tests installs it)" >&2
  exit 2
fi
build="$(realpath -m "${FUZZ_BUILD_DIR:-build-fuzz}")"
seeds="$PWD/tests/fuzz/corpus"
# A folder already configured for fuzzing (test.sh's build-sanitize) is used as it is. Otherwise
# -O1 with line tables only: quick to build, fast enough to fuzz, and sanitizer reports name
# their lines.
build_start=$(date +%s)
if ! grep -qx 'FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DFUZZ=ON -DWITH_SDL=OFF -DBUILD_TESTS=OFF -DWARNINGS_AS_ERRORS=OFF >/dev/null
fi
cmake --build "$build" -j"${FUZZ_JOBS:-3}" --target "${chosen[@]/#/fuzz_}" >/dev/null
echo "== configure and build: $(($(date +%s) - build_start)) s"
mkdir -p "$build/findings"
# run_target T: one target for the given time; its log in build-fuzz/fuzz_T.log, a finding's
# input in build-fuzz/findings/. Returns non-zero on a finding.
run_target() {
  local t="$1"
  mkdir -p "$build/corpus/$t"
  # The record reader's cost grows with the input: its inputs stay below 2 KiB.
  local max_len=()
  [[ "$t" == records ]] && max_len=(-max_len=2048)
  # The first folder takes what the run finds new; the committed seeds are only read.
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/tests/fuzz_$t" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "${max_len[@]}" \
    -artifact_prefix="$build/findings/$t-" "$build/corpus/$t" "$seeds/$t" >"$build/fuzz_$t.log" 2>&1
}
# The targets run side by side, FUZZ_JOBS at a time (each for the whole time given); their
# reports are printed in the targets' order once all have ended.
declare -A pid_of
running=0
for t in "${chosen[@]}"; do
  if (( running >= ${FUZZ_JOBS:-3} )); then
    wait -n || true
    running=$((running - 1))
  fi
  echo "== $t, ${seconds} s"
  run_target "$t" &
  pid_of[$t]=$!
  running=$((running + 1))
done
status=0
failed=0
for t in "${chosen[@]}"; do
  if ! wait "${pid_of[$t]}"; then
    status=1
    failed=$((failed + 1))
    echo "FINDING in $t (see $build/fuzz_$t.log and $build/findings/)"
    grep -E "fuzz invariant broken|ERROR: |SUMMARY" "$build/fuzz_$t.log" | head -5 || true
  fi
  echo "== $t:"
  grep -E "^(#[0-9]+.*DONE|Done [0-9]+ runs|stat::number_of_executed_units)" "$build/fuzz_$t.log" || true
done
echo "fuzz: $((${#chosen[@]} - failed)) passed, $failed failed"
exit "$status"
