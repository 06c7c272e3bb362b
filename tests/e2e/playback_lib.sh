# Shared steps of the playback tests and the latency benchmark: songs of known tones, a recording
# of the null sink that runs through a whole case, and sox measurements of it that tell silence,
# 440 Hz and 880 Hz apart window by window.
#
# The recording is raw 16-bit mono at PB_RATE samples a second, so a position in it is a sample
# count (file size / 2) and it can be read while parec still writes it. Positions are taken with
# pb_mark before an action; the checks look at what was recorded after such a mark.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

PB_RATE=16000
PB_WINDOW=320            # 20 ms analysis windows
PB_LOUD=0.02             # RMS (full scale 1) above which a window counts as sound
PB_REC=

# pb_song FILE SEGMENT...: an MP3 of tones, each SEGMENT HZ:SECONDS, played one after the other.
pb_song() {
  local out=$1 seg i=0 parts=()
  shift
  local key cache
  key=$(printf '%s_' "$@")
  cache=$WS_DIR/tones/song_${key%_}.mp3
  if [[ ! -f $cache ]]; then
    mkdir -p "$WS_DIR/tones"
    for seg in "$@"; do
      parts+=("$WS_DIR/tones/seg_${key%_}_$((i++)).wav")
      sox -n -r 22050 -c 1 -b 16 "${parts[-1]}" synth "${seg#*:}" sine "${seg%%:*}" vol 0.5 \
        >>"$WS_DIR/sox.log" 2>&1 || e2e_fail "cannot make tone $seg"
    done
    sox "${parts[@]}" "$WS_DIR/tones/song_${key%_}.wav" >>"$WS_DIR/sox.log" 2>&1 &&
      lame --quiet "$WS_DIR/tones/song_${key%_}.wav" "$cache" >>"$WS_DIR/sox.log" 2>&1 ||
      e2e_fail "cannot encode song $*"
  fi
  mkdir -p "$(dirname "$out")"
  cp "$cache" "$out" || e2e_fail "cannot write $out"
}

pb_samples() { local size; size=$(stat -c %s "$PB_REC" 2>/dev/null) || size=0; echo $((size / 2)); }
pb_mark() { pb_samples; }
pb_seconds() { awk -v n="$1" -v r=$PB_RATE 'BEGIN { printf "%.2f", n / r }'; }

pb_recording_has_data() { (($(pb_samples) > PB_RATE / 4)); }

# A raw recording of the sink for the current case; ws_stop ends it with the session.
pb_record_start() {
  PB_REC=${1:-$E2E_CASE_DIR/rec.raw}
  ws_record_stop
  : >"$PB_REC"
  # Short fragments: the file then grows nearly in step with the sink's clock.
  parec -d "$WS_SINK.monitor" --raw --format=s16le --channels=1 --rate=$PB_RATE --latency-msec=10 \
    >"$PB_REC" 2>>"$WS_DIR/parec.log" &
  WS_PAREC_PID=$!
  # The monitor delivers its first samples about a second after parec starts.
  ws_wait 10 "recording data" pb_recording_has_data || e2e_fail "the recording gets no data"
  # Nothing plays before the first command of a case.
  pb_wait_class silent 3 "the start of the recording"
}

# pb_windows FROM [COUNT]: one line per 20 ms window of the recording from sample FROM (COUNT
# samples, or to the end): window number, RMS in a band around 440 Hz, around 880 Hz, and in all.
pb_windows() {
  local from=$1 count=$2 trim="trim ${1}s" in=(-t raw -r $PB_RATE -e signed -b 16 -c 1 "$PB_REC")
  [[ -n $count ]] && trim+=" ${count}s"
  local snap=$WS_DIR/pb_snap.raw
  # One copy, so the three passes read the same samples while parec appends.
  cp "$PB_REC" "$snap"
  in[-1]=$snap
  paste <(sox "${in[@]}" -t dat - $trim sinc 360-520 2>/dev/null | awk '!/^;/ { print $2 }') \
    <(sox "${in[@]}" -t dat - $trim sinc 740-1020 2>/dev/null | awk '!/^;/ { print $2 }') \
    <(sox "${in[@]}" -t dat - $trim 2>/dev/null | awk '!/^;/ { print $2 }') |
    awk -v w=$PB_WINDOW '{ a += $1 * $1; b += $2 * $2; c += $3 * $3; n++
      if (n == w) { printf "%d %.4f %.4f %.4f\n", k++, sqrt(a / n), sqrt(b / n), sqrt(c / n); a = b = c = n = 0 } }'
}

# Turns pb_windows lines into "window class": silent, 440, 880, both or noise.
pb_classify() {
  awk -v loud=$PB_LOUD '{
    cls = "noise"
    if ($4 < loud) cls = "silent"
    else if ($2 > 0.6 * $4 && $3 < 0.25 * $4) cls = "440"
    else if ($3 > 0.6 * $4 && $2 < 0.25 * $4) cls = "880"
    else if ($2 > 0.3 * $4 && $3 > 0.3 * $4) cls = "both"
    print $1, cls }'
}

# pb_classes FROM [COUNT]: the class of every window from FROM.
pb_classes() { pb_windows "$@" | pb_classify; }

# pb_tail_is CLASS [SECONDS]: the last SECONDS (0.2) of the recording are all CLASS.
pb_tail_is() {
  local class=$1 span=${2:-0.2} n from
  n=$(awk -v s="$span" -v r=$PB_RATE 'BEGIN { printf "%d", s * r }')
  from=$(($(pb_samples) - n))
  ((from > 0)) || return 1
  pb_classes "$from" "$n" | awk -v c="$class" '$2 != c { bad = 1 } END { exit (NR == 0 || bad) }'
}

# pb_wait_class CLASS TIMEOUT WHAT: waits until the tail of the recording is CLASS.
pb_wait_class() {
  ws_wait "$2" "$3" pb_tail_is "$1" || e2e_fail "$3: the recording's last 0.2 s are not [$1]: $(pb_tail_summary)"
}

pb_tail_summary() {
  local from=$(($(pb_samples) - PB_RATE))
  ((from < 0)) && from=0
  pb_classes "$from" | awk '{ printf "%s ", $2 }'
}

# pb_first CLASS FROM [COUNT]: the sample position of the first of three CLASS windows in a row
# after FROM; fails when there is none.
pb_first() {
  local class=$1 from=$2
  pb_classes "$from" "$3" | awk -v c="$class" -v f="$from" -v w=$PB_WINDOW '
    $2 == c { if (++run == 3) { print f + ($1 - 2) * w; found = 1; exit } next } { run = 0 }
    END { exit !found }'
}

# pb_span CLASS FROM [COUNT]: seconds of CLASS windows after FROM (in all, not in a row).
pb_span() {
  pb_classes "$2" "$3" | awk -v c="$1" -v w=$PB_WINDOW -v r=$PB_RATE '$2 == c { n++ } END { printf "%.2f", n * w / r }'
}

# pb_count CLASS FROM [COUNT]: number of CLASS windows after FROM.
pb_count() { pb_classes "$2" "$3" | awk -v c="$1" '$2 == c { n++ } END { print n + 0 }'; }

# pb_stays CLASS SECONDS WHAT: the recording stays CLASS for SECONDS of newly recorded samples
# (a song that keeps playing, or stays quiet, is seen for that long).
pb_stays() {
  local class=$1 seconds=$2 what=$3 from end
  from=$(pb_samples)
  end=$(awk -v f="$from" -v s="$seconds" -v r=$PB_RATE 'BEGIN { printf "%d", f + s * r }')
  ws_wait $((${seconds%.*} + 10)) "$seconds s of recording" eval '(($(pb_samples) >= end))' ||
    e2e_fail "$what: the recording stopped growing"
  local other
  other=$(pb_classes "$from" $((end - from)) | awk -v c="$class" '$2 != c { printf "%s@%.2fs ", $2, $1 * 0.02 }')
  [[ -z $other ]] || e2e_fail "$what: expected only [$class] for ${seconds}s, heard: $other"
}

# Waits until the recording has grown by SECONDS from sample FROM.
pb_wait_recorded() {
  local target
  target=$(awk -v f="$1" -v s="$2" -v r=$PB_RATE 'BEGIN { printf "%d", f + s * r }')
  ws_wait 30 "the recording to reach $(pb_seconds "$target") s" eval "((\$(pb_samples) >= $target))" ||
    e2e_fail "the recording stopped growing"
}

# The number of speak events in the speech log so far.
pb_speak_count() { e2e_speech_events | grep -c '^speak' ; }

# pb_start_player DIR BUTTONS: starts the player in DIR (a music folder and the help text must be
# there) and waits for its window, its buttons and the first announcement (keys typed before the
# window is active are lost). Works with and without the speech double.
pb_start_player() {
  local dir=$1 buttons=$2
  e2e_readme "$dir"
  e2e_launch "$dir"
  if [[ $PB_SPEECH == nospeech ]]; then
    e2e_expect_box "otopicco" "$NO_SPEECH_ENGINE" 0
    e2e_press_box
    e2e_wait_main "$buttons"
    pb_wait_focus 0
  else
    e2e_wait_main "$buttons"
    ws_wait 15 "the first announcement" eval '(($(pb_speak_count) >= 1))' || e2e_fail "song 1 was not announced"
  fi
}

# pb_begin speech|nospeech: the session, with the double registered or not.
pb_begin() {
  PB_SPEECH=$1
  e2e_begin "$1"
}

pb_focused_is() {
  [[ $(ws_field focus "$(ws_probe focus "$E2E_MAIN_HWND")") == "$(ws_field hwnd "${E2E_BUTTONS[$1]}")" ]]
}

# pb_wait_focus INDEX: the song button INDEX (zero-based, tab order) has the keyboard focus.
pb_wait_focus() {
  e2e_read_buttons
  ws_wait 10 "the focus on song $(($1 + 1))" pb_focused_is "$1" || e2e_fail "song $(($1 + 1)) did not get the focus"
}

# pb_enter: Enter on the focused song.
pb_enter() { ws_key Return; }
pb_stop_key() { ws_key KP_Subtract; }
pb_ctrl_s() { ws_key ctrl+s; }

# pb_expect_not_found NAME: the error box for song file NAME (UTF-8) is shown now, and with speech
# the double heard the same text last, with no silence before it. Presses OK.
pb_expect_not_found() {
  local name=$1
  e2e_wait_box
  e2e_expect_eq "box title" "エラー" "$(ws_field title "$E2E_BOX")"
  # inspect writes CR and LF in texts as \r and \n.
  e2e_expect_eq "box text" "$(printf 'musicフォルダ内に\\r\\n\\r\\n%s がありません。' "$name")" "$(ws_field text "$E2E_BOX")"
  e2e_expect_eq "box icon" 1 "$(ws_field icon "$E2E_BOX")"
  e2e_expect_eq "box buttons" "OK" "$(ws_field buttons "$E2E_BOX")"
  if [[ $PB_SPEECH == speech ]]; then
    local last
    last=$(e2e_speech_events | tail -n 1)
    # The double writes CR and LF as \r and \n as well; no silence comes before it.
    e2e_expect_eq "last speech event" "speak${TAB}$(printf 'musicフォルダ内に\\r\\n\\r\\n%s がありません。' "$name")" "$last"
    e2e_expect_eq "event before the message" "speak" "$(e2e_speech_events | tail -n 2 | head -n 1 | cut -f1)"
  else
    e2e_expect_no_speech_log
  fi
  e2e_press_box
}

pb_no_box() { ! e2e_box_shown; }

pb_expect_running() {
  ws_program_running || e2e_fail "the player ended (exit code: $(wait "$WS_PROGRAM_PID"; echo $?))"
}

# pb_button_of TEXT: the index of the song button whose caption contains TEXT (ASCII).
pb_button_of() {
  local i
  e2e_read_buttons
  for i in "${!E2E_BUTTONS[@]}"; do
    [[ $(ws_field text "${E2E_BUTTONS[$i]}") == *"$1"* ]] && { echo "$i"; return 0; }
  done
  e2e_fail "no song button shows [$1]"
}

pb_current_focus() {
  local focus i
  focus=$(ws_field focus "$(ws_probe focus "$E2E_MAIN_HWND")")
  for i in "${!E2E_BUTTONS[@]}"; do
    [[ $(ws_field hwnd "${E2E_BUTTONS[$i]}") == "$focus" ]] && { echo "$i"; return 0; }
  done
  return 1
}

# pb_focus INDEX: Down (wrapping at the end) until song INDEX has the focus.
pb_focus() {
  local target=$1 now steps=0
  e2e_read_buttons
  now=$(pb_current_focus) || e2e_fail "no song button has the focus"
  while ((now != target)); do
    ((steps++ < ${#E2E_BUTTONS[@]})) || e2e_fail "Down never reached song $((target + 1))"
    now=$(((now + 1) % ${#E2E_BUTTONS[@]}))
    ws_key Down
    pb_wait_focus "$now"
  done
}
