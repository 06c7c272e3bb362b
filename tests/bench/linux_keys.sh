#!/usr/bin/env bash
# Key to the first audible sample of the announcement through the real player, with each voice in
# a private session of its own: Open JTalk (floor 150 ms) and espeak-ng alone (floor 50 ms).
#
#   tests/bench/linux_keys.sh BUILD_DIR [KEYS]      (BUILD_DIR: build/linux; 100 keys per voice)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd) keys=${2:-100}
source "$here/linux_bench_lib.sh"
folder=$(mktemp -d /tmp/otopicco-bench-keys.XXXXXX)
trap 'rm -rf "$folder"' EXIT
bench_folder "$folder" 1 "${BENCH_TITLES[@]}"

echo "key -> first audible sample of the announcement, Down keys typed into the player:"
for voice in "voice|Open JTalk|150" "espeak|espeak-ng|50"; do
  IFS='|' read -r mode name floor <<<"$voice"
  "$BENCH_REPO/scripts/linux-session.sh" --speech "$mode" -- "$build/tests/bench/otopicco_key_latency" \
    "$name" "$keys" "$floor" "$build/platform/linux/otopicco" "$folder" "${#BENCH_TITLES[@]}" 2>&1 |
    grep -v '^linux-session: session'
  bench_load
done
