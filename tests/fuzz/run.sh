#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset) and runs each for a bounded time from its seeds, two
# at a time, then prints each target's executions. Fails when a target crashes, hangs or breaks a
# property; the input that did it is kept in build/fuzz/findings/TARGET/ beside the target's
# output. The seeds in tests/fuzz/corpus/ are only read: new inputs go to build/fuzz/runs/.
#
#   tests/fuzz/run.sh [SECONDS [TARGET...]]   (30 seconds each, every target)
#   FUZZ_JOBS=1 tests/fuzz/run.sh             (one target at a time)
#
# To replay a kept input: build/fuzz/tests/fuzz/TARGET FILE (with OTOPICCO_FUZZ_TRACE=1 the
# player target also prints what the program did).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

seconds=${1:-30}
if [[ $# -gt 0 ]]; then shift; fi
jobs=${FUZZ_JOBS:-2}
build=build/fuzz

cmake --preset fuzz >/dev/null
nice -n 10 cmake --build --preset fuzz --parallel "$jobs"

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || mapfile -t targets <"$build/fuzz_targets.txt"

run_target() {
  local target=$1 work=$build/runs/$1 status=0
  rm -rf "$work" "$build/findings/$target"
  mkdir -p "$work/corpus" "$build/findings/$target"
  nice -n 10 "$build/tests/fuzz/$target" "$work/corpus" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target/" >"$work/output" 2>&1 || status=$?
  echo "$status" >"$work/status"
}

for target in "${targets[@]}"; do
  [[ -x $build/tests/fuzz/$target ]] || { echo "$0: no fuzz target $target" >&2; exit 2; }
  while [[ $(jobs -rp | wc -l) -ge $jobs ]]; do wait -n || true; done
  run_target "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
  work=$build/runs/$target
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/output")
  if [[ $(cat "$work/status") == 0 ]]; then
    printf '%-18s %10s runs in %ss, clean\n' "$target" "${runs:-?}" "$seconds"
  else
    failed=1
    printf '%-18s FAILED after %s runs; input kept in %s\n' "$target" "${runs:-?}" "$build/findings/$target/"
    cp "$work/output" "$build/findings/$target/output.txt"
    grep -m 3 -E 'property broken|ERROR: |runtime error' "$work/output" | sed 's/^/    /' || true
  fi
done
exit "$failed"
