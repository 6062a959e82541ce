#!/usr/bin/env bash
# Builds one program (installing what is missing) and starts it:
#   ./play.sh MORVA95F|MORVA95S|kelmat95 [options]     (options go to the program, e.g. --headless)
# The build folder is play's own, build-play/ (optimised, no tests); only the program asked for
# is built, and the build's progress is shown.
set -euo pipefail
cd "$(dirname "$0")"
usage() {
  echo "usage: ./play.sh MORVA95F|MORVA95S|kelmat95 [options]   (options go to the program, e.g. --headless)" >&2
  exit 2
}
(( $# >= 1 )) || usage
case "$1" in
  MORVA95F) folder=detailed ;;
  MORVA95S) folder=simplified ;;
  kelmat95) folder=gunnery ;;
  *) usage ;;
esac
program="$1"
shift
tools/setup.sh
build=build-play
echo "play.sh: building $program in $build/" >&2
# Configured on every run (about half a second), with each of the build's options given, so
# that the folder has play's settings whatever an earlier play.sh or a configure by hand left
# in it: the optimisation the tests run with, no debug information, no tests, no sanitizers.
# A folder made with another generator or compiler, which CMake cannot switch, starts afresh.
# shellcheck source=tools/configure.sh
. tools/configure.sh
configure "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_CXX_FLAGS="" -DBUILD_TESTS=OFF -DSANITIZE=OFF -DFUZZ=OFF -DWITH_SDL=ON -DWARNINGS_AS_ERRORS=OFF \
  -DSTATIC_CXX_RUNTIME=ON -DUNITY_BUILD_PROGRAMS=ON
cmake --build "$build" --target "$program"
exec "$build/$folder/$program" "$@"
