#!/usr/bin/env bash
# The full soak: the player takes a long run of random keys and menu uses while its songs play,
# under Wine (the win64 program) and natively on Linux, each in a private session. Builds what it
# needs, runs tests/e2e/test_soak.py and prints its figures: keys sent, announcements checked,
# what the program held after the warm-up and at the end against the margins, the time taken.
#
# Usage: scripts/soak.sh [wine|linux]... [--keys N] [--seed S]
#        (default: both platforms, 10000 keys, a new seed that is printed)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$PWD

platforms=() keys=10000 seed=()
while [[ $# -gt 0 ]]; do
  case $1 in
    wine|linux) platforms+=("$1") ;;
    --keys) keys=$2; shift ;;
    --seed) seed=(--soak-seed="$2"); shift ;;
    *) echo "usage: scripts/soak.sh [wine|linux]... [--keys N] [--seed S]" >&2; exit 2 ;;
  esac
  shift
done
[[ ${#platforms[@]} -gt 0 ]] || platforms=(wine linux)

python=python3
/usr/bin/python3 -c "import pytest, numpy" 2>/dev/null && python=/usr/bin/python3

build() {  # preset targets...
  local preset=$1; shift
  [[ -f build/$preset/build.ninja || -f build/$preset/Makefile ]] || nice -n 10 cmake --preset "$preset" >/dev/null
  nice -n 10 cmake --build --preset "$preset" --parallel 2 --target "$@"
}

options() {  # platform -> the scenario suite's options for it
  local win=$repo/build/win64
  case $1 in
    linux) echo --platform=linux --program="$repo/build/linux/platform/linux/otopicco" ;;
    wine) echo --platform=wine --program="$win/otopicco.exe" --wine-prefix="$win/tests/e2e/wine-prefix" \
      --probe-dir="$win/tests/wine/probe" --speech-stand-in=sapi4 \
      --speech-stand-in-dll="$win/tests/wine/speech_double/speech_double.dll" \
      --speech-stand-in-dll="$win/tests/wine/voice_double/voice_double.dll" ;;
  esac
}

status=0
for platform in "${platforms[@]}"; do
  echo "== soak: $platform, $keys keys"
  if [[ $platform == linux ]]; then
    build linux otopicco
  else
    build win64 otopicco probe probe_hook speech_double voice_double
    if [[ ! -e build/win64/tests/e2e/wine-prefix/otopicco-test-prefix ]]; then
      OTOPICCO_WINE_PREFIX=$repo/build/win64/tests/e2e/wine-prefix \
        OTOPICCO_PROBE_DIR=$repo/build/win64/tests/wine/probe nice -n 10 bash tests/e2e/prefix_setup.sh
    fi
  fi
  log=build/soak-$platform.log
  started=$(date +%s)
  # shellcheck disable=SC2046  # the options are words without blanks
  (cd tests/e2e && PYTHONDONTWRITEBYTECODE=1 nice -n 10 "$python" -m pytest test_soak.py -s -q \
      $(options "$platform") --evidence="$repo/build/soak-evidence/$platform" \
      --soak-keys="$keys" "${seed[@]}") >"$log" 2>&1 || status=1
  grep -E '^soak:|^E ' "$log" || true
  echo "soak: $platform took $(( $(date +%s) - started )) s in all; $(tail -n 1 "$log")"
  echo "      (the whole output: $log)"
done
exit "$status"
