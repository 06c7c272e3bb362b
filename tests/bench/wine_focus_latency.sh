#!/usr/bin/env bash
# End-to-end latency of browsing under Wine: the real otopicco.exe with the speech double, 100 Down
# keys sent one at a time, each after the previous song's announcement has reached the speech log.
# The delay of one key runs from the host clock just before xdotool sends it to the time stamp of
# the speak line that follows (the double stamps its lines with the Unix clock in microseconds,
# which Wine reads from the same host clock). Prints the median and the 95th percentile in ms.
#
# Usage: tests/bench/wine_focus_latency.sh      (build the win64 preset first)
# It runs its own Wine session in a test prefix of its own (made on the first run, reused after),
# so it never disturbs the prefix of an end-to-end test run.
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export OTOPICCO_WINE_PREFIX=${OTOPICCO_WINE_PREFIX:-$REPO/build/win64/tests/bench/wine-prefix}
source "$REPO/scripts/wine-session.sh"

EXE=${OTOPICCO_EXE:-$REPO/build/win64/otopicco.exe}
KEYS=${KEYS:-100}
SONGS=20
TAB=$'\t'

die() { echo "wine_focus_latency: $*" >&2; exit 1; }

[[ -f $EXE ]] || die "no program at $EXE (scripts/build.sh win64)"
ws_start
if [[ ! -f $WS_PREFIX/$WS_TEST_MARK || ! -f $WS_PREFIX/system.reg ]]; then
  ws_prefix_create --for-tests || die "cannot make the Wine prefix"
fi
ws_speech_register || die "cannot register the speech double"

dir=$WS_DIR/bench
mkdir -p "$dir/music"
sox -n -r 22050 -c 1 "$dir/tone.wav" synth 0.4 sine 440 >>"$WS_DIR/sox.log" 2>&1 &&
  lame --quiet "$dir/tone.wav" "$dir/tone.mp3" >>"$WS_DIR/sox.log" 2>&1 || die "cannot make a song"
for i in $(seq -w 1 "$SONGS"); do cp "$dir/tone.mp3" "$dir/music/song $i.mp3"; done
printf 'help\r\n' >"$dir/ReadMe_sapi.txt"

LOG=$dir/speech.log
export OTOPICCO_SPEECH_LOG
OTOPICCO_SPEECH_LOG=$(ws_winpath "$LOG")

speaks() {
  if [[ -f $LOG ]]; then grep -c "${TAB}speak${TAB}" "$LOG"; else echo 0; fi
}

# Waits for the N-th speak line, polling the log every 5 ms (the delay is read from the log's own
# time stamps, so the polling interval does not enter the figures).
wait_speaks() {
  local n=$1 deadline=$((SECONDS + 10))
  while (($(speaks) < n)); do
    ((SECONDS < deadline)) || die "announcement $n did not come (see $LOG)"
    sleep 0.005
  done
}

ws_launch "$dir" "$EXE"
# Keys sent before the window is active can be lost: start from song 1's announcement, then one
# unmeasured Down, sent again until it is announced, proves the keys arrive.
wait_speaks 1
for ((tries = 0; $(speaks) < 2; tries++)); do
  ((tries < 10)) || die "no Down key reached the player (see $LOG)"
  xdotool key Down
  deadline=$((SECONDS + 2))
  while (($(speaks) < 2 && SECONDS < deadline)); do sleep 0.005; done
done
base=$(speaks)

sent=()
for ((k = 1; k <= KEYS; k++)); do
  t=$EPOCHREALTIME
  xdotool key Down
  sent+=("${t/./}")
  wait_speaks $((base + k))
done

mapfile -t stamps < <(grep "${TAB}speak${TAB}" "$LOG" | cut -f1 | tail -n +$((base + 1)))
((${#stamps[@]} == KEYS)) || die "expected $KEYS announcements after song 1, got ${#stamps[@]}"

# Delays in microseconds, sorted; nearest-rank percentiles.
mapfile -t delays < <(for ((k = 0; k < KEYS; k++)); do echo $((stamps[k] - sent[k])); done | sort -n)
((delays[0] > 0)) || die "a speak line is stamped before its key was sent (${delays[0]} us): clocks differ"
rank() { local p=$1; local r=$(((p * KEYS + 99) / 100)); echo "${delays[r - 1]}"; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }
median=$(rank 50)
p95=$(rank 95)
echo "Down key to announcement under Wine, $KEYS keys: median $(ms "$median") ms, 95th percentile $(ms "$p95") ms (min $(ms "${delays[0]}"), max $(ms "${delays[KEYS - 1]}"))"

# The figures include starting xdotool itself; its own start-up time, for comparison:
t=$EPOCHREALTIME
xdotool getdisplaygeometry >/dev/null
t2=$EPOCHREALTIME
echo "(xdotool start-up alone: $(ms $((${t2/./} - ${t/./}))) ms)"
