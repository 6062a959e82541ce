#!/usr/bin/env bash
# The README's test command on a busy small machine: clones the current commit of this checkout
# into a temporary folder and runs ./test.sh there pinned to two cores while stress-ng keeps
# the same cores busy, then prints the time of each stage and the verdict. Not run by CI.
#   tools/ci_under_load.sh            CORES (default 0,1): the cores to pin to, e.g. CORES=2,3;
#                                     LOAD (default: one worker per core): stress-ng's workers
#                                     (0: none, the same cores idle);
#                                     KEEP=1 keeps the clone (its folder is printed).
# Needs git and stress-ng (installed as root by tools/setup.sh --load).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cores="${CORES:-0,1}"
count=$(($(tr -cd , <<<"$cores" | wc -c) + 1))
load="${LOAD:-$count}"
if ! command -v stress-ng >/dev/null || ! command -v git >/dev/null; then
  "$repo/tools/setup.sh" --load
fi
commit="$(git -C "$repo" rev-parse HEAD)"
work="$(mktemp -d /tmp/ci-under-load-XXXXXX)"
stress_pid=""
stop_load() {
  if [[ -n "$stress_pid" ]]; then
    kill "$stress_pid" 2>/dev/null || true
    wait "$stress_pid" 2>/dev/null || true
    stress_pid=""
  fi
}
cleanup() {
  stop_load
  if [[ "${KEEP:-0}" == 1 ]]; then echo "clone kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap "exit 130" INT TERM
git clone -q --no-local "$repo" "$work/repo"
git -C "$work/repo" checkout -q "$commit"
echo "commit $commit, cores $cores, $load stress-ng workers on them, clone in $work/repo"

if (( load > 0 )); then
  stress-ng --cpu "$load" --taskset "$cores" --timeout 0 --quiet &
  stress_pid=$!
  under="under load"
else
  under="idle"
fi
start=$(date +%s)
status=0
(cd "$work/repo" && taskset -c "$cores" ./test.sh) >"$work/test.log" 2>&1 || status=$?
total=$(($(date +%s) - start))
stop_load

log="/tmp/ci-under-load-$commit-cores-${cores//,/-}-load-$load.log"
cp "$work/test.log" "$log"
grep -E "^fuzz: |tests passed|tests failed" "$work/test.log" || true
sed -n '/^test.sh stages:/,$p' "$work/test.log"
if (( status == 0 )); then
  echo "VERDICT: green in $total s ($((total / 60)) min $((total % 60)) s) on cores $cores $under"
else
  echo "VERDICT: RED (status $status) after $total s; the last lines:"
  tail -40 "$work/test.log"
fi
echo "full log: $log"
exit "$status"
