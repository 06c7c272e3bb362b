#!/usr/bin/env bash
# Under Wine, the delay from an injected Enter to the first audible sample of a song, for the
# player and, in the same session, for tests/wine/mci_minimal (Enter opens and plays the same
# file through MCI, nothing else). Prints each delay, both medians and their ratio; the player
# should stay within 1.2 times the minimal program.
#
# Usage: tests/bench/wine_play_latency.sh        (REPS=10 ROUNDS=2: ROUNDS blocks of REPS/ROUNDS
#        Enters per program, the blocks alternating, after one unmeasured warm-up Enter per block)
#
# How recording time is mapped to wall time: parec writes the null sink's monitor as raw 16-bit
# mono into a file in 10 ms fragments and runs for the whole benchmark. A sampler polls the file's
# size every 2 ms and logs (wall clock, samples in the file). A sample that is in the file at wall
# time t was recorded no later than t, so for every log line t - samples/rate is an upper bound of
# the wall time of sample 0; the smallest such bound over the 3 s before an Enter (the writes that
# came with the least delay) is taken as that time. The first audible sample k after Enter
# (|amplitude| > 0.02 of full scale) is then heard at time0 + k/rate, and the delay is that minus
# the wall clock read just before xdotool sends Enter. Both programs are measured the same way, so
# the fragment delay and xdotool's start-up largely cancel in the ratio.
#
# Each player Enter goes to the other of two songs (the click that opens a new file, closes the
# old one and plays), after the previous song has ended; the minimal program closes the file of
# its previous Enter before it opens again, so both do the same device work.
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
export OTOPICCO_WINE_PREFIX=${OTOPICCO_WINE_PREFIX:-$REPO/build/win64/bench-prefix}
export OTOPICCO_PROBE_DIR=${OTOPICCO_PROBE_DIR:-$REPO/build/win64/tests/wine/probe}
MINIMAL=${OTOPICCO_MCI_MINIMAL:-$REPO/build/win64/tests/wine/mci_minimal/mci_minimal.exe}
REPS=${REPS:-10}
ROUNDS=${ROUNDS:-2}
source "$REPO/tests/e2e/playback_lib.sh"

[[ -f $E2E_EXE ]] || { echo "no program at $E2E_EXE (scripts/build.sh win64)" >&2; exit 1; }
[[ -f $MINIMAL ]] || { echo "no minimal program at $MINIMAL (scripts/build.sh win64)" >&2; exit 1; }
ws_start
ws_prefix_ensure || { echo "cannot make the Wine prefix" >&2; exit 1; }
PB_SPEECH=nospeech
e2e_case "latency"
dir=$E2E_CASE_DIR
pb_song "$dir/music/a.mp3" 440:0.8
pb_song "$dir/music/b.mp3" 440:0.8
e2e_readme "$dir"

pb_record_start "$WS_DIR/bench.raw"
SIZES=$WS_DIR/sizes.log
python3 - "$PB_REC" "$SIZES" <<'EOF' &
import os, sys, time
rec, out = sys.argv[1], sys.argv[2]
last = -1
with open(out, "w", buffering=1) as log:
    while True:
        size = os.stat(rec).st_size
        if size != last:
            log.write("%d %d\n" % (time.time_ns(), size // 2))
            last = size
        time.sleep(0.002)
EOF
SAMPLER_PID=$!
trap 'kill $SAMPLER_PID 2>/dev/null; ws_stop' EXIT

# Wall time in ns of recording sample 0, from the size log of the 3 s before wall time $1.
time_of_sample0() {
  awk -v t="$1" -v r=$PB_RATE '$1 <= t && $1 >= t - 3e9 { o = $1 - $2 * 1e9 / r; if (!n++ || o < m) m = o }
    END { if (n) printf "%.0f", m; else exit 1 }' "$SIZES"
}

# First sample after position FROM whose amplitude is above the audible threshold.
first_audible() {
  cp "$PB_REC" "$WS_DIR/snap.raw"
  sox -t raw -r $PB_RATE -e signed -b 16 -c 1 "$WS_DIR/snap.raw" -t dat - trim "${1}s" 2>/dev/null |
    awk -v f="$1" '!/^;/ { if ($2 > 0.02 || $2 < -0.02) { print f + n; found = 1; exit } n++ } END { exit !found }'
}

audible_since() { first_audible "$1" >/dev/null; }

# measure KEYS...: one Enter (after KEYS, which choose the song), its delay in ms on stdout.
measure() {
  pb_wait_class silent 5 "silence before Enter" >&2
  local from t_key onset t0
  from=$(pb_mark)
  t_key=$(date +%s%N)
  ws_key Return
  ws_wait 10 "the song to be heard" audible_since "$from" || { echo "no sound after Enter" >&2; return 1; }
  onset=$(first_audible "$from")
  t0=$(time_of_sample0 "$t_key") || { echo "no size log before Enter" >&2; return 1; }
  awk -v t0="$t0" -v k="$onset" -v r=$PB_RATE -v key="$t_key" 'BEGIN { printf "%.1f\n", (t0 + k * 1e9 / r - key) / 1e6 }'
}

player_block() {
  local n=$1 i next=1
  e2e_launch "$dir"
  e2e_expect_box "otopicco" "$NO_SPEECH_ENGINE" 0
  e2e_press_box
  e2e_wait_main 2
  pb_wait_focus 0
  for ((i = 0; i <= n; i++)); do
    ws_key Down
    pb_wait_focus "$next"
    next=$((1 - next))
    d=$(measure) || e2e_fail "player: no measurement"
    ((i == 0)) && continue   # warm-up
    PLAYER+=("$d")
    echo "player  $d ms"
  done
  e2e_close_main
}

minimal_shown() {
  MIN_HWND=$(ws_probe windows | grep "${TAB}exe=mci_minimal.exe\$" | grep "${TAB}visible=1${TAB}" | head -n 1)
  MIN_HWND=$(ws_field hwnd "$MIN_HWND")
  [[ -n $MIN_HWND ]] && [[ $(ws_field active "$(ws_probe focus "$MIN_HWND")") == "$MIN_HWND" ]]
}

minimal_block() {
  local n=$1 i
  # The same relative path the player gives MCI for its songs.
  (cd "$dir" && exec wine "$MINIMAL" 'music\a.mp3') >"$WS_DIR/minimal.log" 2>&1 &
  WS_PROGRAM_PID=$!
  ws_wait 30 "the minimal program's window" minimal_shown || e2e_fail "the minimal program did not show"
  for ((i = 0; i <= n; i++)); do
    d=$(measure) || e2e_fail "minimal: no measurement"
    ((i == 0)) && continue
    MINIMAL_MS+=("$d")
    echo "minimal $d ms"
  done
  ws_probe close "$MIN_HWND" >/dev/null
  ws_program_wait_exit 20 || e2e_fail "the minimal program did not end"
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

PLAYER=()
MINIMAL_MS=()
per=$(((REPS + ROUNDS - 1) / ROUNDS))
for ((round = 0; round < ROUNDS; round++)); do
  player_block "$per"
  minimal_block "$per"
done

mp=$(median "${PLAYER[@]}")
mm=$(median "${MINIMAL_MS[@]}")
ratio=$(awk -v p="$mp" -v m="$mm" 'BEGIN { printf "%.2f", p / m }')
echo "player:  median $mp ms over ${#PLAYER[@]} Enters"
echo "minimal: median $mm ms over ${#MINIMAL_MS[@]} Enters"
echo "ratio:   $ratio (target at most 1.2)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.2) }' && echo "within target" || echo "OVER TARGET"
