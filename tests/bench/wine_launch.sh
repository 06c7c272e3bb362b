#!/usr/bin/env bash
# Under Wine, the time from starting a program to its first words: for the player, from the
# moment just before its process is started to song 1's announcement reaching the speech
# control; beside it, in the same session, for tests/wine/bare_talker (one window that creates
# the same speech control the same way and speaks once), the least a talking window takes here.
# Both are timed by the speech stand-in's own log: it stamps each call with the Unix clock in
# microseconds, which Wine reads from the same host clock as $EPOCHREALTIME.
#
# Two pairs of programs, each pair taking turns, one launch each per round, after one unmeasured
# round: first the player on a music folder of 51 songs and the bare talking window, then the
# player on a music folder of 100,000 entries and again on the 51 songs. Prints every launch,
# then each one's median and floor (its fastest launch) side by side, the ratio player / bare
# talking window (target at most 1.3) and the ratio of the large folder to the small one.
#
# Usage: tests/bench/wine_launch.sh       (build the win64 preset first; ROUNDS=10 by default)
# It runs its own Wine session in a test prefix of its own (made on the first run, reused after).
# The virtual desktop is kept up between launches (tests/wine/desktop_keeper), as a desktop is
# on Windows, so no launch pays for starting one.
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export OTOPICCO_WINE_PREFIX=${OTOPICCO_WINE_PREFIX:-$REPO/build/win64/tests/bench/launch-prefix}
source "$REPO/scripts/wine-session.sh"

EXE=${OTOPICCO_EXE:-$REPO/build/win64/otopicco.exe}
TOOLS=$REPO/build/win64/tests/wine
BARE=$TOOLS/bare_talker/bare_talker.exe
KEEPER=$TOOLS/desktop_keeper/desktop_keeper.exe
ROUNDS=${ROUNDS:-10}
LARGE=100000
TAB=$'\t'

die() { echo "wine_launch: $*" >&2; exit 1; }

for file in "$EXE" "$BARE" "$KEEPER"; do
  [[ -f $file ]] || die "no $file (scripts/build.sh win64)"
done
((ROUNDS >= 10)) || die "ROUNDS must be at least 10: fewer launches say nothing under Wine"

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
ws_start
if [[ ! -f $WS_PREFIX/$WS_TEST_MARK || ! -f $WS_PREFIX/system.reg ]]; then
  ws_prefix_create --for-tests || die "cannot make the Wine prefix"
fi
ws_speech_register || die "cannot register the speech double"

# Working folders: the help file and a music folder of 51 songs, or of 100,000 entries (the
# player lists only until it has 51 songs; Wine's directory read sees them all). A song's
# content is never read at start-up, so past the first 51 songs the entries are empty files.
make_folder() {
  local dir=$1 entries=$2
  mkdir -p "$dir/music" || return 1
  printf 'help\r\n' >"$dir/ReadMe_sapi.txt"
  sox -n -r 22050 -c 1 "$dir/tone.wav" synth 0.4 sine 440 >>"$WS_DIR/sox.log" 2>&1 &&
    lame --quiet "$dir/tone.wav" "$dir/tone.mp3" >>"$WS_DIR/sox.log" 2>&1 || return 1
  local i
  for ((i = 1; i <= entries && i <= 51; i++)); do
    cp "$dir/tone.mp3" "$(printf '%s/music/song %06d.mp3' "$dir" "$i")" || return 1
  done
  ((entries > 51)) || return 0
  seq -f "$dir/music/song %06g.mp3" 52 "$entries" | xargs -d '\n' touch
}
SMALL_DIR=$WS_DIR/small
LARGE_DIR=$WS_DIR/large
make_folder "$SMALL_DIR" 51 || die "cannot make the 51-song folder"
make_folder "$LARGE_DIR" "$LARGE" || die "cannot make the $LARGE-entry folder"

(cd "$WS_DIR" && exec wine "$KEEPER") >>"$WS_DIR/keeper.log" 2>&1 &
KEEPER_PID=$!
keeper_up() { ws_probe windows | grep -q "${TAB}exe=desktop_keeper.exe\$"; }
ws_wait 30 "the desktop keeper" keeper_up || die "the desktop keeper did not start"

# The speech stand-in's log of the launch being measured.
LOG=$WS_DIR/speech.log
# Sets SPOKEN to the stamp of the first speak line; builtins only, so that waiting for it takes
# as little as possible from the program being measured.
first_speak() {
  local stamp buttons event rest
  [[ -f $LOG ]] || return 1
  while IFS=$TAB read -r stamp buttons event rest; do
    if [[ $event == speak ]]; then
      SPOKEN=$stamp
      return 0
    fi
  done <"$LOG"
  return 1
}

# The program's window, to close it: visible, not a message box.
main_window() {
  ws_probe windows | grep "${TAB}exe=$1\$" | grep "${TAB}visible=1${TAB}" |
    grep -v "${TAB}class=#32770${TAB}" | head -n 1
}

# launch NAME EXE DIR: one launch; prints its launch-to-announcement time in ms.
launch() {
  local name=$1 exe=$2 dir=$3 t0 line
  rm -f "$LOG"
  OTOPICCO_SPEECH_LOG=$(ws_winpath "$LOG") || return 1
  export OTOPICCO_SPEECH_LOG
  WS_PROGRAM_RC=
  t0=${EPOCHREALTIME/./}
  (cd "$dir" && exec wine "$exe") >>"$WS_DIR/program.log" 2>&1 &
  WS_PROGRAM_PID=$!
  # Polling only finds the line; the time is the one the stand-in wrote into it.
  local deadline=$((SECONDS + 30))
  until first_speak; do
    ((SECONDS < deadline)) || { echo "$name: no announcement (see $LOG)" >&2; return 1; }
    sleep 0.05
  done
  line=$(main_window "$(basename "$exe")")
  [[ -n $line ]] || { echo "$name: no window to close" >&2; return 1; }
  ws_wait 10 "the close request" ws_probe close "$(ws_field hwnd "$line")" >/dev/null ||
    { echo "$name: cannot close its window" >&2; return 1; }
  ws_program_wait_exit 20 || { echo "$name: did not end" >&2; return 1; }
  awk -v a="$t0" -v b="$SPOKEN" 'BEGIN { printf "%.1f\n", (b - a) / 1000 }'
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
floor() { printf '%s\n' "$@" | sort -g | head -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# rounds NAME_A EXE_A DIR_A NAME_B EXE_B DIR_B: the two take turns; their times land in the
# arrays TIMES_A and TIMES_B.
rounds() {
  local round a b
  TIMES_A=()
  TIMES_B=()
  for ((round = 0; round <= ROUNDS; round++)); do
    a=$(launch "$1" "$2" "$3") || die "$1: launch failed"
    b=$(launch "$4" "$5" "$6") || die "$4: launch failed"
    if ((round == 0)); then
      echo "warm-up: $1 $a ms, $4 $b ms (not counted)"
      continue
    fi
    TIMES_A+=("$a")
    TIMES_B+=("$b")
    printf 'round %2d: %-28s %7.1f ms   %-28s %7.1f ms\n' "$round" "$1" "$a" "$4" "$b"
  done
}

rounds "player, 51 songs" "$EXE" "$SMALL_DIR" "bare talking window" "$BARE" "$SMALL_DIR"
PLAYER=("${TIMES_A[@]}")
BARE_MS=("${TIMES_B[@]}")
rounds "player, $LARGE entries" "$EXE" "$LARGE_DIR" "player, 51 songs" "$EXE" "$SMALL_DIR"
PLAYER_LARGE=("${TIMES_A[@]}")
PLAYER_SMALL=("${TIMES_B[@]}")

mp=$(median "${PLAYER[@]}") fp=$(floor "${PLAYER[@]}")
mb=$(median "${BARE_MS[@]}") fb=$(floor "${BARE_MS[@]}")
ml=$(median "${PLAYER_LARGE[@]}") fl=$(floor "${PLAYER_LARGE[@]}")
ms=$(median "${PLAYER_SMALL[@]}") fs=$(floor "${PLAYER_SMALL[@]}")
echo
echo "launch to first announcement under Wine, $ROUNDS launches each"
echo "(load average before: $LOAD_BEFORE, after: $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-34s %10s %10s\n' "" "median" "floor"
printf '%-34s %7.1f ms %7.1f ms\n' "player, 51 songs" "$mp" "$fp"
printf '%-34s %7.1f ms %7.1f ms\n' "bare talking window" "$mb" "$fb"
printf '%-34s %10s %10s\n' "ratio player / bare" "$(ratio "$mp" "$mb")" "$(ratio "$fp" "$fb")"
printf '%-34s %7.1f ms %7.1f ms\n' "player, $LARGE entries" "$ml" "$fl"
printf '%-34s %7.1f ms %7.1f ms\n' "player, 51 songs (same turns)" "$ms" "$fs"
printf '%-34s %10s %10s\n' "ratio $LARGE entries / 51 songs" "$(ratio "$ml" "$ms")" "$(ratio "$fl" "$fs")"
r=$(ratio "$mp" "$mb")
if awk -v r="$r" 'BEGIN { exit !(r <= 1.3) }'; then
  echo "player / bare talking window: $r, within the target of 1.3"
else
  echo "player / bare talking window: $r, OVER the target of 1.3"
fi
kill "$KEEPER_PID" 2>/dev/null
