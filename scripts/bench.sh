#!/usr/bin/env bash
# The benchmarks: the program's own focus path (Google Benchmark, native build), then under Wine
# the delay from a key to the announcement, from Enter to the first sound of a song beside a
# minimal MCI program, and from starting the program to its first announcement beside a bare
# talking window. Each prints its own figures.
#
# Usage: scripts/bench.sh [native|focus|play|launch]...   (default: all four)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

parts=("$@")
[[ ${#parts[@]} -gt 0 ]] || parts=(native focus play launch)

scripts/install-deps.sh
for part in "${parts[@]}"; do
  case $part in
    native)
      scripts/build.sh linux
      echo "== the focus path in the program's own code"
      build/linux/tests/bench/otopicco_bench
      ;;
    focus)
      scripts/build.sh win64
      echo "== under Wine: injected key to the speak call"
      bash tests/bench/wine_focus_latency.sh
      ;;
    play)
      scripts/build.sh win64
      echo "== under Wine: Enter to the first audible sample, player beside a minimal MCI program"
      bash tests/bench/wine_play_latency.sh
      ;;
    launch)
      scripts/build.sh win64
      echo "== under Wine: start to the first announcement, player beside a bare talking window"
      bash tests/bench/wine_launch.sh
      ;;
    *)
      echo "unknown benchmark: $part (native, focus, play or launch)" >&2
      exit 2
      ;;
  esac
done
