#!/usr/bin/env bash
# Key to first audible sample of an announcement, with each voice in its own private session:
# Open JTalk (target 150 ms) and espeak-ng alone (target 50 ms). Prints one line per voice, and
# one more for Open JTalk making every text from nothing (its slowest case, fewer keys).
#
#   tests/bench/speech_latency.sh BENCH_PROGRAM [KEYS]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
bench=$1 keys=${2:-100}
echo "key -> first audible sample of the announcement ($keys keys per voice, median):"
"$repo/scripts/linux-session.sh" --speech voice -- "$bench" "$keys" 150 2>/dev/null
"$repo/scripts/linux-session.sh" --speech espeak -- "$bench" "$keys" 50 2>/dev/null
"$repo/scripts/linux-session.sh" --speech voice -- "$bench" 20 150 afresh 2>/dev/null
