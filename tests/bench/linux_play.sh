#!/usr/bin/env bash
# Enter to the first audible sample of the song: the real player beside a minimal playbin program
# playing the same files, in one private session (floor: the player within 1.2 times the minimal).
#
#   tests/bench/linux_play.sh BUILD_DIR [RUNS]      (BUILD_DIR: build/linux; 30 runs each)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd) runs=${2:-30}
source "$here/linux_bench_lib.sh"
folder=$(mktemp -d /tmp/otopicco-bench-play.XXXXXX)
trap 'rm -rf "$folder"' EXIT
bench_folder "$folder" 0.8 a b

echo "Enter -> first audible sample of the song, player beside a minimal playbin program:"
"$BENCH_REPO/scripts/linux-session.sh" --speech espeak -- "$build/tests/bench/otopicco_play_latency" \
  "$runs" "$build/platform/linux/otopicco" "$build/tests/bench/otopicco_playbin_minimal" "$folder" 2>&1 |
  grep -v '^linux-session: session'
bench_load
