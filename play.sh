#!/usr/bin/env bash
# Builds (installing what is missing) and starts a program: ./play.sh MORVA95F|MORVA95S|kelmat95 [options]
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-MORVA95F}"
shift || true
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
case "$program" in
  MORVA95F) exe=build/detailed/MORVA95F ;;
  MORVA95S) exe=build/simplified/MORVA95S ;;
  kelmat95) exe=build/gunnery/kelmat95 ;;
  *) echo "usage: ./play.sh MORVA95F|MORVA95S|kelmat95 [--headless ...]" >&2; exit 2 ;;
esac
exec "$exe" "$@"
