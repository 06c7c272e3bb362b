#!/usr/bin/env bash
# The player's CPU time (all its threads, from /proc/PID/stat) and how often its threads woke
# (context switches, from /proc/PID/task/*/status), over 10 s with nothing to do after its first
# announcement, and over 10 s while a song plays; beside it a minimal playbin program playing the
# same song. Idle must be about nothing: no timer, no polling.
#
#   tests/bench/linux_cpu.sh BUILD_DIR [SECONDS]      (BUILD_DIR: build/linux; 10 s each)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd) span=${2:-10}
source "$here/linux_bench_lib.sh"
# shellcheck source=../../scripts/linux-session.sh
source "$BENCH_REPO/scripts/linux-session.sh"
ls_start log 2>/dev/null
folder=$LS_DIR/cpu
bench_folder "$folder" $((span * 2 + 10)) "${BENCH_TITLES[@]:0:3}"
ticks_per_second=$(getconf CLK_TCK)

# CPU ticks of the process so far (user and system, every thread).
cpu_ticks() {
  local stat
  stat=$(<"/proc/$1/stat")
  stat=${stat##*) }  # after the command name, which may hold blanks
  read -r -a fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}
# Context switches of all its threads so far: each is a thread waking up or being woken.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n }'; }

# Prints "CPU %, wakeups a second" of PID over the span.
measure() {
  local pid=$1 ticks switches
  ticks=$(cpu_ticks "$pid") switches=$(wakeups "$pid")
  sleep "$span"  # the measuring span itself
  python3 -c "import sys; t, w, hz, s = map(float, sys.argv[1:]); print('%5.2f %% CPU, %6.1f wakeups/s' % (100 * t / hz / s, w / s))" \
    "$(($(cpu_ticks "$pid") - ticks))" "$(($(wakeups "$pid") - switches))" "$ticks_per_second" "$span"
}
idle_percent() {
  python3 -c "import sys; print('met' if float(sys.argv[1]) <= 0.1 else 'NOT met')" "$1"
}
first_text_said() { grep -q $'\tdone' "$LS_SPEECH_LOG"; }
# A sound stream of process PID plays (speech-dispatcher's voices keep streams of their own).
plays() { pactl list sink-inputs 2>/dev/null | grep -q "application.process.id = \"$1\""; }

echo "CPU of the player (all threads), ${span} s each:"
ls_launch "$folder" "$build/platform/linux/otopicco"
ls_wait 30 "the first announcement" first_text_said || exit 1
idle=$(measure "$LS_PROGRAM_PID")
echo "  idle          $idle  floor <= 0.1 % CPU: $(idle_percent "${idle%%%*}")"
xdotool key Return
ls_wait 10 "the song to play" plays "$LS_PROGRAM_PID" || exit 1
playing=$(measure "$LS_PROGRAM_PID")
plays "$LS_PROGRAM_PID" || { echo "the song ended before the measurement did" >&2; exit 1; }
echo "  song playing  $playing"
kill "$LS_PROGRAM_PID" && wait "$LS_PROGRAM_PID" 2>/dev/null || true
LS_PROGRAM_PID=

# The same song in the minimal program, for scale.
exec 9> >(cd "$folder" && exec "$build/tests/bench/otopicco_playbin_minimal" >/dev/null 2>&1)
minimal=$!
echo "play $folder/music/${BENCH_TITLES[0]}.mp3" >&9
ls_wait 10 "the minimal program's song to play" plays "$minimal" || exit 1
echo "  minimal playbin program playing the same song: $(measure "$minimal")"
exec 9>&-
bench_load
