# Shared steps of the end-to-end tests: a Wine session, song folders made of short tones, the
# player's windows and message boxes as probe.exe reads them, and the speech double's log.
# Sourced by every test script; see scripts/wine-session.sh for the session itself.

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_HERE/../../scripts/wine-session.sh"

E2E_EXE=${OTOPICCO_EXE:-$WS_REPO/build/win64/otopicco.exe}
E2E_EXE_NAME=otopicco.exe
E2E_SPEECH_LOG=
E2E_CASE=
E2E_CASE_COUNT=0

TAB=$'\t'
NO_SPEECH_ENGINE="対応している音声合成エンジンがありません。"
NO_FOLDER_BOX="musicフォルダがありません。終了します。"
NO_FOLDER_SPOKEN="musicフォルダがありません。終了します。Enterキーを押してください。"
NO_FILES_BOX="musicフォルダにmp3ファイルがありません。終了します。"
NO_FILES_SPOKEN="musicフォルダにmp3ファイルがありません。終了します。Enterキーを押してください。"

e2e_fail() {
  echo "FAIL${E2E_CASE:+ [$E2E_CASE]}: $*" >&2
  if [[ -n $E2E_SPEECH_LOG && -f $E2E_SPEECH_LOG ]]; then
    echo "--- speech log" >&2
    cat "$E2E_SPEECH_LOG" >&2
  fi
  if [[ -n $WS_DIR ]]; then
    if [[ -s $WS_DIR/program.log ]]; then
      echo "--- program output" >&2
      tail -n 20 "$WS_DIR/program.log" >&2
    fi
    echo "--- windows" >&2
    ws_probe windows 2>/dev/null | grep -v 'class=IME' >&2
    ws_screenshot "$WS_DIR/failure.png" && echo "screenshot: $WS_DIR/failure.png" >&2
  fi
  exit 1
}

e2e_pass() { echo "ok${E2E_CASE:+ [$E2E_CASE]}: $*"; }

e2e_expect_eq() {
  local what=$1 expected=$2 actual=$3
  [[ $expected == "$actual" ]] || e2e_fail "$what: expected [$expected], got [$actual]"
}

# Starts the session; with "speech" the speech double is registered, with "nospeech" it is not.
e2e_begin() {
  [[ -f $E2E_EXE ]] || { echo "FAIL: no program at $E2E_EXE (build the win64 preset first)" >&2; exit 1; }
  [[ -f $WS_PREFIX/$WS_TEST_MARK ]] || { echo "FAIL: no test prefix at $WS_PREFIX (run the e2e_wine_prefix test first)" >&2; exit 1; }
  ws_start
  e2e_speech "$1"
}

e2e_speech() {
  case $1 in
    speech) ws_speech_register || e2e_fail "cannot register the speech double" ;;
    nospeech) ws_speech_unregister ;;
    *) e2e_fail "e2e_speech: speech or nospeech, not [$1]" ;;
  esac
}

# A fresh folder for one case, and a fresh speech log for the program started in it.
e2e_case() {
  E2E_CASE=$1
  local dir=$WS_DIR/case-$((++E2E_CASE_COUNT))
  mkdir -p "$dir"
  E2E_CASE_DIR=$dir
  E2E_SPEECH_LOG=$dir/speech.log
  export OTOPICCO_SPEECH_LOG
  OTOPICCO_SPEECH_LOG=$(ws_winpath "$E2E_SPEECH_LOG")
  unset OTOPICCO_SPEECH_FAIL
}

# A short tone as MP3, made once per session for each frequency.
e2e_tone() {
  local hz=$1 mp3=$WS_DIR/tones/$1.mp3
  if [[ ! -f $mp3 ]]; then
    mkdir -p "$WS_DIR/tones"
    sox -n -r 22050 -c 1 "$WS_DIR/tones/$hz.wav" synth 0.4 sine "$hz" >>"$WS_DIR/sox.log" 2>&1 &&
      lame --quiet "$WS_DIR/tones/$hz.wav" "$mp3" >>"$WS_DIR/sox.log" 2>&1 || e2e_fail "cannot make a $hz Hz MP3"
  fi
  printf '%s' "$mp3"
}

# e2e_songs DIR NAME... : one tone file per name, 440 Hz and 880 Hz in turn.
e2e_songs() {
  local dir=$1 i=0 name
  shift
  mkdir -p "$dir"
  for name in "$@"; do
    cp "$(e2e_tone $((i++ % 2 ? 880 : 440)))" "$dir/$name" || e2e_fail "cannot write $dir/$name"
  done
}

# The help text the player loads from its working directory at start (Shift-JIS); without it a
# start-up error box about the file comes first.
e2e_readme() {
  printf 'オトピッコの使い方\r\n下キーで次の曲へ。\r\n' | iconv -f UTF-8 -t CP932 >"$1/ReadMe_sapi.txt"
}

e2e_launch() {
  local dir=$1 exe=${2:-$E2E_EXE}
  E2E_EXE_NAME=$(basename "$exe")
  ws_launch "$dir" "$exe"
}

# Top-level windows of the program (Wine's IME helper windows left out).
e2e_windows() { ws_probe windows | grep "${TAB}exe=$E2E_EXE_NAME\$" | grep -v "${TAB}class=IME${TAB}"; }
e2e_visible_windows() { e2e_windows | grep "${TAB}visible=1${TAB}"; }

# The first visible message box of the program, into E2E_BOX.
e2e_box_shown() {
  E2E_BOX=$(ws_probe boxes | grep "${TAB}exe=$E2E_EXE_NAME\$" | head -n 1)
  [[ -n $E2E_BOX ]]
}

e2e_wait_box() {
  ws_wait "${1:-20}" "a message box" e2e_box_shown || e2e_fail "no message box appeared"
  E2E_BOX_HWND=$(ws_field hwnd "$E2E_BOX")
}

e2e_box_gone() { ! ws_probe boxes | grep -q "hwnd=$1${TAB}"; }

# e2e_expect_box TITLE TEXT ICON(0|1): the box shown now, then press its OK.
e2e_expect_box() {
  local title=$1 text=$2 icon=$3
  e2e_wait_box
  e2e_expect_eq "box title" "$title" "$(ws_field title "$E2E_BOX")"
  e2e_expect_eq "box text" "$text" "$(ws_field text "$E2E_BOX")"
  e2e_expect_eq "box icon" "$icon" "$(ws_field icon "$E2E_BOX")"
  e2e_expect_eq "box buttons" "OK" "$(ws_field buttons "$E2E_BOX")"
}

e2e_press_box() {
  ws_probe press "$E2E_BOX_HWND" >/dev/null || e2e_fail "cannot press OK"
  ws_wait 10 "the box to close" e2e_box_gone "$E2E_BOX_HWND" || e2e_fail "the box stayed after OK"
}

# The program ends by itself with exit code 0 and leaves no window.
e2e_expect_clean_exit() {
  ws_program_wait_exit "${1:-20}" || e2e_fail "the program did not end"
  e2e_expect_eq "exit code" 0 "$WS_PROGRAM_RC"
  local left
  left=$(e2e_windows)
  [[ -z $left ]] || e2e_fail "windows left behind: $left"
}

# The speech double's events as "event<TAB>argument" lines, without time and button count.
e2e_speech_events() { [[ -f $E2E_SPEECH_LOG ]] && cut -f3- "$E2E_SPEECH_LOG"; }

e2e_expect_speech() {
  local expected
  expected=$(printf '%s\n' "$@")
  e2e_expect_eq "speech events" "$expected" "$(e2e_speech_events)"
}

e2e_expect_no_speech_log() {
  [[ ! -e $E2E_SPEECH_LOG ]] || e2e_fail "the speech control was used: $(cat "$E2E_SPEECH_LOG")"
}

# The player window (visible, not a message box) into E2E_MAIN and E2E_MAIN_HWND.
e2e_main_shown() {
  E2E_MAIN=$(e2e_visible_windows | grep -v "${TAB}class=#32770${TAB}" | head -n 1)
  [[ -n $E2E_MAIN ]]
}

# Song buttons of the player window, in tab order, into the array E2E_BUTTONS.
e2e_read_buttons() {
  mapfile -t E2E_BUTTONS < <(ws_probe children "$E2E_MAIN_HWND" | grep "${TAB}class=Button${TAB}")
}

e2e_buttons_count_is() {
  e2e_read_buttons
  ((${#E2E_BUTTONS[@]} == $1))
}

e2e_main_shown_or_ended() { e2e_main_shown || ws_program_gone; }

# Waits for the player window and for its N song buttons.
e2e_wait_main() {
  local buttons=$1
  ws_wait 30 "the player window" e2e_main_shown_or_ended && e2e_main_shown ||
    e2e_fail "the player window did not appear$(ws_program_gone && echo ': the program ended')"
  E2E_MAIN_HWND=$(ws_field hwnd "$E2E_MAIN")
  if [[ -n $buttons ]]; then
    ws_wait 10 "$buttons song buttons" e2e_buttons_count_is "$buttons" ||
      e2e_fail "expected $buttons song buttons, found ${#E2E_BUTTONS[@]}"
  fi
}

e2e_post_close() { ws_probe close "$E2E_MAIN_HWND" >/dev/null; }

e2e_close_main() {
  # Starting probe.exe can fail now and then on a loaded machine: ask again until it gets there.
  ws_wait 10 "the close request" e2e_post_close || e2e_fail "cannot close the player window"
  e2e_expect_clean_exit
}

# Shift-JIS bytes of a UTF-8 text (the program's own encoding of names and captions).
e2e_sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }

# A snapshot of a folder tree that changes when any file or folder in it is written, renamed,
# touched or has its attributes changed.
e2e_folder_state() {
  (cd "$1" && find . -print0 | sort -z | xargs -0 stat -c '%n %s %Y %Z %a %F' &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum)
}

# The title field of a song's button caption, as Shift-JIS bytes: the name less its last 4 bytes,
# padded with spaces to 20 bytes (an empty title gives 19 spaces) or cut to 20 bytes. Titles of
# 22 bytes or more are left out of the tests (their field is the implementer's choice).
e2e_title_field() {
  local LC_ALL=C sjis title
  sjis=$(e2e_sjis "$1") || return 1
  title=${sjis:0:${#sjis}-4}
  if ((${#title} == 0)); then
    printf '%19s' ''
  elif ((${#title} <= 20)); then
    printf '%-20s' "$title"
  elif ((${#title} == 21)); then
    printf '%s' "${title:0:20}"
  else
    return 1
  fi
}

# The announcement of song NUMBER for a file name: the number, a blank, the whole title (UTF-8).
e2e_announcement() {
  local LC_ALL=C sjis
  sjis=$(e2e_sjis "$2") || return 1
  printf '%s %s' "$1" "${sjis:0:${#sjis}-4}" | iconv -f CP932 -t UTF-8
}

# e2e_match_captions NAME...: every song button i (tab order) is captioned " i " and a title field,
# and the fields are those of the names, each once (in whatever order the folder lists them).
# Sets E2E_SONG_NAMES[i] to the name of song i+1.
e2e_match_captions() {
  local -a names=("$@") fields=()
  local i j name caption prefix
  for name in "${names[@]}"; do fields+=("$(e2e_title_field "$name")"); done
  E2E_SONG_NAMES=()
  for i in "${!E2E_BUTTONS[@]}"; do
    caption=$(e2e_sjis "$(ws_field text "${E2E_BUTTONS[$i]}")") ||
      e2e_fail "button $((i + 1)) caption is not Shift-JIS text: $(ws_field text "${E2E_BUTTONS[$i]}")"
    prefix=" $((i + 1)) "
    [[ $caption == "$prefix"* ]] || e2e_fail "button $((i + 1)) caption does not start with [$prefix]: [$caption]"
    for j in "${!fields[@]}"; do
      if [[ ${fields[$j]} == "${caption#"$prefix"}" ]]; then
        E2E_SONG_NAMES[$i]=${names[$j]}
        unset "fields[$j]"
        break
      fi
    done
    [[ -n ${E2E_SONG_NAMES[$i]} ]] ||
      e2e_fail "button $((i + 1)) caption [$(ws_field text "${E2E_BUTTONS[$i]}")] matches no file's title field"
  done
}

# Every song button i at left 15, top 16 + 60 i, 290 x 40, visible, a tab stop.
e2e_expect_button_layout() {
  local i line
  for i in "${!E2E_BUTTONS[@]}"; do
    line=${E2E_BUTTONS[$i]}
    e2e_expect_eq "button $((i + 1)) position and size" "15 $((16 + 60 * i)) 290 40 1 1" \
      "$(ws_field left "$line") $(ws_field top "$line") $(ws_field width "$line") $(ws_field height "$line") $(ws_field visible "$line") $(ws_field tabstop "$line")"
  done
}

# The song button font: "ＭＳ ゴシック", 16 points (21 pixels at 96 dpi), bold, Shift-JIS.
e2e_expect_button_font() {
  local line=$1 font
  font=$(ws_probe font "$(ws_field hwnd "$line")") || e2e_fail "cannot read the font of [$line]: $font"
  e2e_expect_eq "button font" "ＭＳ ゴシック 96 -21 700 128" \
    "$(ws_field face "$font") $(ws_field dpi "$font") $(ws_field height "$font") $(ws_field weight "$font") $(ws_field charset "$font")"
}

# e2e_audio_profile WAV [STEP]: one line per STEP seconds (default 0.25) of a recording: its start
# in seconds, its RMS amplitude and sox's rough frequency (0 where it is silent).
e2e_audio_profile() {
  local wav=$1 step=${2:-0.25} length t
  length=$(soxi -D "$wav" 2>/dev/null) || return 1
  for t in $(awk -v l="$length" -v s="$step" 'BEGIN { for (t = 0; t + s <= l + 1e-9; t += s) printf "%.2f\n", t }'); do
    sox "$wav" -n trim "$t" "$step" stat 2>&1 |
      awk -v t="$t" '/RMS +amplitude/ { r = $3 } /Rough +frequency/ { f = $3 }
        END { if (r + 0 < 0.01) f = 0; printf "%s %.3f %d\n", t, r, f }'
  done
}

# e2e_audio_seconds WAV HZ: how many seconds of the recording carry a tone near HZ (within 5 %).
e2e_audio_seconds() {
  local wav=$1 hz=$2
  e2e_audio_profile "$wav" 0.25 | awk -v hz="$hz" '$2 >= 0.05 && $3 > hz * 0.95 && $3 < hz * 1.05 { n++ }
    END { printf "%.2f", n * 0.25 }'
}
