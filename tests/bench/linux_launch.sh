#!/usr/bin/env bash
# Launch to the first announcement: the real player (20 songs and its help file) beside a bare
# talking window (otopicco_bare_talker: one Qt window, one text spoken the player's way), started
# in turn in one private session. The first announcement is when speech-dispatcher hands the text
# to its voice: the time the session's logging voice writes the text down (the voice itself is
# the same for both, and would only add its own time to each). Launch is the time just before the
# program's process is made. speech-dispatcher is running already, as on a desktop where
# something has spoken; each program is ended once its text is down.
# Floor: the player within 1.5 times the bare window (aim: 1.3 times). Then the player on a music
# folder of 100,000 entries beside the player on one of 51 songs, in turn; floor: 1.5 times.
#
#   tests/bench/linux_launch.sh BUILD_DIR [RUNS]     (BUILD_DIR: build/linux; 30 runs each)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd) runs=${2:-30}
source "$here/linux_bench_lib.sh"
# Each text is "said" at once: a text still being said would hold the next program's back.
export LS_SPEECH_HOLD=0
# shellcheck source=../../scripts/linux-session.sh
source "$BENCH_REPO/scripts/linux-session.sh"
ls_start log 2>/dev/null
folder=$LS_DIR/launch
bench_folder "$folder" 1 "${BENCH_TITLES[@]}"
ls_speech_start || { echo "speech-dispatcher did not start" >&2; exit 1; }

spoken() { grep -c $'\tspeak\t' "$LS_SPEECH_LOG" || true; }
said() { grep -c $'\tdone' "$LS_SPEECH_LOG" || true; }
spoken_more_than() { (($(spoken) > $1)); }
all_said() { (($(said) >= $(spoken))); }

# Starts PROGRAM in FOLDER (the 20 songs' one unless given), waits for its first text; sets
# launch_ms (launch -> text).
launch_ms=
launch_once() {
  local before launched text_time
  before=$(spoken)
  launched=$EPOCHREALTIME
  ls_launch "${2:-$folder}" "$1"
  ls_wait 30 "the first announcement of $1" spoken_more_than "$before" || exit 1
  text_time=$(grep $'\tspeak\t' "$LS_SPEECH_LOG" | sed -n "$((before + 1))p" | cut -f1)
  kill "$LS_PROGRAM_PID"
  wait "$LS_PROGRAM_PID" 2>/dev/null || true
  LS_PROGRAM_PID=
  ls_wait 10 "the text to be said" all_said || exit 1
  launch_ms=$(python3 -c "import sys; print('%.1f' % ((float(sys.argv[2]) - float(sys.argv[1])) * 1000))" \
    "$launched" "$text_time")
}

player=$build/platform/linux/otopicco
bare=$build/tests/bench/otopicco_bare_talker
launch_once "$player"  # unmeasured: files and libraries come into memory
launch_once "$bare"
player_ms=() bare_ms=()
for ((run = 0; run < runs; run++)); do
  if ((run % 2 == 0)); then
    launch_once "$player" && player_ms+=("$launch_ms")
    launch_once "$bare" && bare_ms+=("$launch_ms")
  else
    launch_once "$bare" && bare_ms+=("$launch_ms")
    launch_once "$player" && player_ms+=("$launch_ms")
  fi
done

echo "launch -> first announcement handed to the voice (speech log), $runs runs each, alternating:"
python3 - "${player_ms[*]}" "${bare_ms[*]}" <<'EOF'
import statistics, sys
player = [float(v) for v in sys.argv[1].split()]
bare = [float(v) for v in sys.argv[2].split()]
p, b = statistics.median(player), statistics.median(bare)
print("  player     median %6.1f ms  (min %6.1f, max %6.1f)" % (p, min(player), max(player)))
print("  bare       median %6.1f ms  (min %6.1f, max %6.1f)" % (b, min(bare), max(bare)))
verdict = "met" if p / b <= 1.5 else "NOT met"
aim = "met" if p / b <= 1.3 else "not met"
print("  ratio %.2fx  floor <= 1.5x: %s  (aim <= 1.3x: %s)" % (p / b, verdict, aim))
EOF
bench_load

# A music folder of 51 songs, and one of 100,000 entries: the player lists only until it has 51
# songs and never reads a song at start-up, so past the first 51 the entries are empty files.
small=$LS_DIR/small large=$LS_DIR/large
titles=()
for ((i = 1; i <= 51; i++)); do titles+=("$(printf 'song %06d' "$i")"); done
bench_folder "$small" 1 "${titles[@]}"
bench_folder "$large" 1 "${titles[@]}"
(cd "$large/music" && seq -f "song %06g.mp3" 52 100000 | xargs -d '\n' touch)
launch_once "$player" "$large"  # unmeasured: the large folder's entries come into memory
large_ms=() small_ms=()
for ((run = 0; run < runs; run++)); do
  if ((run % 2 == 0)); then
    launch_once "$player" "$large" && large_ms+=("$launch_ms")
    launch_once "$player" "$small" && small_ms+=("$launch_ms")
  else
    launch_once "$player" "$small" && small_ms+=("$launch_ms")
    launch_once "$player" "$large" && large_ms+=("$launch_ms")
  fi
done
echo "launch -> first announcement, music folder of 100,000 entries beside one of 51 songs, $runs runs each:"
python3 - "${large_ms[*]}" "${small_ms[*]}" <<'EOF2'
import statistics, sys
large = [float(v) for v in sys.argv[1].split()]
small = [float(v) for v in sys.argv[2].split()]
l, s = statistics.median(large), statistics.median(small)
print("  100,000    median %6.1f ms  (min %6.1f, max %6.1f)" % (l, min(large), max(large)))
print("  51 songs   median %6.1f ms  (min %6.1f, max %6.1f)" % (s, min(small), max(small)))
print("  ratio %.2fx  floor <= 1.5x: %s" % (l / s, "met" if l / s <= 1.5 else "NOT met"))
EOF2
bench_load
