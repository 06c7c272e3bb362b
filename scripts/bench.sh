#!/usr/bin/env bash
# The benchmarks, each printing its figures beside its floor. The program's own focus path (Google
# Benchmark, native build); under Wine the delay from a key to the announcement, from Enter to the
# first sound of a song beside a minimal MCI program, and from start to the first announcement
# beside a bare talking window; on Linux the speech service alone from a key to the first sound of
# the announcement, and the native program measured from outside in private sessions: key to
# announcement, Enter to song beside a minimal playbin program, launch to first announcement beside
# a bare talking window, CPU while idle and while a song plays.
#
# Usage: scripts/bench.sh [PART]...
#   parts: native focus play speech launch linux-keys linux-play linux-launch linux-cpu
#   linux: the four linux-* parts; no part: every part
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

linux_parts=(linux-keys linux-play linux-launch linux-cpu)
requested=("$@")
[[ ${#requested[@]} -gt 0 ]] || requested=(native focus play speech launch linux)
parts=()
for part in "${requested[@]}"; do
  if [[ $part == linux ]]; then parts+=("${linux_parts[@]}"); else parts+=("$part"); fi
done

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
    linux-keys)
      scripts/build.sh linux
      echo "== on Linux: key to the first audible sample of the announcement, the real program"
      tests/bench/linux_keys.sh build/linux
      ;;
    linux-play)
      scripts/build.sh linux
      echo "== on Linux: Enter to the first audible sample of the song"
      tests/bench/linux_play.sh build/linux
      ;;
    linux-launch)
      scripts/build.sh linux
      echo "== on Linux: launch to the first announcement"
      tests/bench/linux_launch.sh build/linux
      ;;
    linux-cpu)
      scripts/build.sh linux
      echo "== on Linux: the program's CPU while idle and while a song plays"
      tests/bench/linux_cpu.sh build/linux
      ;;
    *)
      echo "unknown benchmark: $part (native, focus, play, speech, launch, linux or ${linux_parts[*]})" >&2
      exit 2
      ;;
  esac
done
