#!/usr/bin/env bash
# The benchmarks: the program's own focus path (Google Benchmark, native build), then under Wine
# the delay from a key to the announcement, from Enter to the first sound of a song beside a
# minimal MCI program, and from starting the program to its first announcement beside a bare
# talking window; on Linux the delay from a key to the first sound of the announcement, with each
# voice. Each prints its own figures.
#
# Usage: scripts/bench.sh [native|focus|play|speech|launch]...   (default: all five)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

parts=("$@")
[[ ${#parts[@]} -gt 0 ]] || parts=(native focus play speech launch)

scripts/install-deps.sh
# The Wine benchmarks drive the player with the end-to-end suite's Python harness (numpy): the
# first python3 on the path may be another one without it.
python=$(command -v python3)
"$python" -c 'import numpy' 2>/dev/null || python=/usr/bin/python3
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
      "$python" tests/bench/wine_focus_latency.py
      ;;
    play)
      scripts/build.sh win64
      echo "== under Wine: Enter to the first audible sample, player beside a minimal MCI program"
      "$python" tests/bench/wine_play_latency.py
      ;;
    speech)
      scripts/build.sh linux
      echo "== on Linux: key to the first audible sample of the announcement"
      tests/bench/speech_latency.sh build/linux/tests/bench/otopicco_speech_latency
      ;;
    launch)
      scripts/build.sh win64
      echo "== under Wine: start to the first announcement, player beside a bare talking window"
      bash tests/bench/wine_launch.sh
      ;;
    *)
      echo "unknown benchmark: $part (native, focus, play, speech or launch)" >&2
      exit 2
      ;;
  esac
done
