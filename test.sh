#!/usr/bin/env bash
# Builds (installing what is missing) and runs the whole test suite, then again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, with random-key runs of the three programs
# and each fuzz target briefly. Prints the time of each stage (wall and processor seconds).
set -euo pipefail
cd "$(dirname "$0")"

# Stage clock: `stage NAME` ends the running stage (printing its times) and starts NAME; the
# last one is printed at exit, with the verdict.
stage_name=""
stage_wall=0
stage_cpu=0
run_start=$(date +%s)
summary=()
# Processor time used so far by this shell's finished children (user + system), in ticks.
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() {
  local f
  read -r -a f </proc/$$/stat
  echo $((f[15] + f[16]))
}
stage() {
  local now cpu
  now=$(date +%s)
  cpu=$(cpu_ticks)
  if [[ -n "$stage_name" ]]; then
    summary+=("$(printf '%-20s %5d s wall %6d s cpu' "$stage_name" $((now - stage_wall)) $(((cpu - stage_cpu) / ticks_per_second)))")
    echo "test.sh stage: ${summary[-1]}" >&2
  fi
  stage_name="$1"
  stage_wall=$now
  stage_cpu=$cpu
}
finish() {
  local status=$? failed="$stage_name"
  trap - EXIT
  stage ""
  echo "test.sh stages:" >&2
  printf '  %s\n' "${summary[@]}" >&2
  if (( status == 0 )); then
    echo "test.sh: PASSED in $(($(date +%s) - run_start)) s" >&2
  else
    echo "test.sh: FAILED in stage '$failed' after $(($(date +%s) - run_start)) s" >&2
  fi
  exit "$status"
}
trap finish EXIT

stage setup
tools/setup.sh --tests
jobs="$(nproc)"
# configure DIR ARGS...: configures DIR with Ninja (afresh after another generator or compiler).
# shellcheck source=tools/configure.sh
. tools/configure.sh
# Line tables only (-g1): sanitizer reports and debuggers still name functions and lines, and
# the builds are about a quarter quicker than with full debug information.
build_flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
             -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTS=ON)
stage configure
configure build "${build_flags[@]}"
stage "plain build"
cmake --build build -j"$jobs"
stage "plain ctest"
(cd build && ctest --no-tests=error --output-on-failure -j"$jobs")
# The instrumented build, the `sanitizers` preset (CMakePresets.json): clang with
# AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage (FUZZ=ON), at -O1, the
# sanitizers' usual level. One build serves the tests, the random-key runs and the fuzz targets;
# its tests run as a few processes per suite (TEST_SHARDS), each test having had a process of its
# own in the plain stage. Where clang++ cannot link a fuzz target (no clang, or its runtime
# package libclang-rt-<version>-dev missing), g++ builds it with the sanitizers only and the
# fuzz targets are left out.
# fuzzer_trial: links a do-nothing fuzz target with clang++; prints the linker's complaint and
# fails where that cannot be done.
fuzzer_trial() {
  local dir status=0
  dir="$(mktemp -d)"
  printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' >"$dir/trial.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$dir/trial.cpp" -o "$dir/trial" >"$dir/log" 2>&1 || status=$?
  (( status == 0 )) || grep -m1 -iE 'error|cannot|not found' "$dir/log" || head -n1 "$dir/log"
  rm -rf "$dir"
  return "$status"
}
if [[ "${SKIP_SANITIZERS:-0}" != "1" ]]; then
  fuzz=0
  if ! command -v clang++ >/dev/null; then
    why="clang++ is not installed"
  elif complaint="$(fuzzer_trial)"; then
    fuzz=1
  else
    why="clang++ cannot link a fuzz target ($complaint)"
  fi
  if (( fuzz )); then
    stage "sanitizer build"
    CC=clang CXX=clang++ configure build-sanitize --preset sanitizers
  else
    stage "sanitizer build (g++, no fuzz runs)"
    echo "test.sh: $why: the sanitizer build uses g++ and the fuzz targets are left out" >&2
    CC=gcc CXX=g++ configure build-sanitize "${build_flags[@]}" -DSANITIZE=ON -DTEST_SHARDS=4 \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
  fi
  cmake --build build-sanitize -j"$jobs"
  stage "sanitizer ctest"
  (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --no-tests=error --output-on-failure -j"$jobs")
  # Random-key runs of each program through its instrumented binary, with fixed seeds; scripts
  # of 30,000 keys, so that some campaigns get as far as a save, which must load again.
  stage "random-key runs"
  for program in MORVA95F MORVA95S kelmat95; do
    MONKEY_FIRST_SEED=1 MONKEY_KEYS=30000 MONKEY_BUILD_DIR=build-sanitize MONKEY_JOBS="$jobs" \
      tools/monkey.sh "$program" 20
  done
  # Each fuzz target for a short, bounded time (tools/fuzz.sh runs one longer).
  if (( fuzz )); then
    stage "fuzz runs"
    FUZZ_BUILD_DIR=build-sanitize FUZZ_JOBS="$jobs" tools/fuzz.sh all "${FUZZ_SECONDS:-10}"
  fi
fi
