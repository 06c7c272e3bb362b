# Shared steps of the package tests under Wine: a fresh prefix laid out like a Windows user's
# profile, Windows paths and registry keys read from the host, and the player started from a
# folder or a shortcut and checked against the songs it should show. Sourced by the test scripts;
# the session itself is scripts/wine-session.sh.

PK_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$PK_HERE/../../scripts/wine-session.sh"

# No menu entries or desktop files on the host for the shortcuts that the installer makes.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
TAB=$'\t'
PK_PYTHON=/usr/bin/python3  # Debian's, with python3-pefile
PK_USER=$(id -un)
PK_STEP=

pk_fail() {
  echo "FAIL${PK_STEP:+ [$PK_STEP]}: $*" >&2
  if [[ -n $WS_DIR ]]; then
    [[ -s $WS_DIR/program.log ]] && { echo "--- program output" >&2; tail -n 20 "$WS_DIR/program.log" >&2; }
    echo "--- windows" >&2
    ws_probe windows 2>/dev/null | grep -v "class=IME" >&2
    ws_probe boxes 2>/dev/null >&2
    ws_screenshot "$WS_DIR/failure.png" && echo "screenshot: $WS_DIR/failure.png" >&2
  fi
  exit 1
}

pk_pass() { echo "ok${PK_STEP:+ [$PK_STEP]}: $*"; }

pk_expect_eq() {
  [[ $2 == "$3" ]] || pk_fail "$1: expected [$2], got [$3]"
}

# A session on a fresh prefix of its own. Wine links Documents and Desktop to the host's home
# folder: the prefix gets a private home, and real Documents and Desktop folders as on Windows.
pk_begin() {
  [[ -f $OTOPICCO_INSTALLER && -f $OTOPICCO_PORTABLE_ZIP ]] ||
    pk_fail "no packages (the packaging_build test makes them)"
  ws_start
  export HOME=$WS_DIR/home
  mkdir -p "$HOME"
  ws_prefix_create --for-tests || pk_fail "cannot make the Wine prefix"
  PK_PROFILE=$WS_PREFIX/drive_c/users/$PK_USER
  local folder
  for folder in Desktop Documents; do
    rm -f "$PK_PROFILE/$folder" && mkdir -p "$PK_PROFILE/$folder" || pk_fail "cannot make $folder"
  done
  ws_speech_register || pk_fail "cannot register the speech double"
}

# The host path of a Windows path on drive C: or Z:.
pk_unix_path() {
  local path=${1//\\//}
  case $path in
    [Cc]:/*) printf '%s' "$WS_PREFIX/drive_c/${path:3}" ;;
    [Zz]:/*) printf '%s' "${path:2}" ;;
    *) return 1 ;;
  esac
}

# The Windows path of a host path inside the prefix's drive C:.
pk_windows_path() {
  local rest=${1#"$WS_PREFIX/drive_c/"}
  [[ $rest != "$1" ]] || return 1
  printf 'C:\\%s' "${rest//\//\\}"
}

# The value of NAME under the registry KEY, as `reg query` prints it; fails when there is none.
pk_reg_value() {
  local key=$1 name=$2 out=$WS_DIR/reg.out
  wine reg query "$key" /v "$name" >"$out" 2>>"$WS_DIR/wine.log" || return 1
  sed -n "s/^ *$name *REG_[A-Z_]* *//p" "$out" | tr -d '\r'
}

pk_reg_key_exists() { wine reg query "$1" >/dev/null 2>>"$WS_DIR/wine.log"; }
pk_reg_key_gone() { ! pk_reg_key_exists "$1"; }

# A short tone as an MP3: a song of the teacher's own.
pk_song() {
  sox -n -r 22050 -c 1 "$WS_DIR/tone.wav" synth 0.4 sine 660 >>"$WS_DIR/sox.log" 2>&1 &&
    lame --quiet "$WS_DIR/tone.wav" "$1" >>"$WS_DIR/sox.log" 2>&1 || pk_fail "cannot make $1"
}

# Changes when any file or folder in the tree is written, renamed, touched or removed.
pk_folder_state() {
  (cd "$1" && find . -print0 | sort -z | xargs -0 stat -c '%n %s %Y %a %F' &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum)
}

# The song titles of a music folder, sorted: the names less ".mp3".
pk_song_titles() { find "$1" -maxdepth 1 -type f -iname '*.mp3' -printf '%f\n' | sed 's/\.[mM][pP]3$//' | sort; }

pk_new_speech_log() {
  PK_SPEECH_LOG=$WS_DIR/speech-$((++PK_RUNS)).log
  export OTOPICCO_SPEECH_LOG
  OTOPICCO_SPEECH_LOG=$(ws_winpath "$PK_SPEECH_LOG")
}

# The program started in DIR, as a double-click starts it in its own folder.
pk_start_in() {
  pk_new_speech_log
  PK_EXE_NAME=$(basename "$2")
  ws_launch "$1" "$2"
}

# The program started through a shortcut (a Windows path), from a folder that has no songs: only
# the shortcut's start folder can lead the player to them. `start /wait` ends with the program.
pk_start_shortcut() {
  pk_new_speech_log
  PK_EXE_NAME=otopicco.exe
  WS_PROGRAM_RC=
  (cd / && exec wine start /wait "$1") >"$WS_DIR/program.log" 2>&1 &
  WS_PROGRAM_PID=$!
}

pk_player_shown() {
  PK_PLAYER=$(ws_probe windows | grep "${TAB}exe=$PK_EXE_NAME\$" | grep "${TAB}visible=1${TAB}" |
    grep "${TAB}class=OtopiccoForm${TAB}" | head -n 1)
  [[ -n $PK_PLAYER ]]
}

pk_box_or_player() { [[ -n $(ws_probe boxes | grep "${TAB}exe=$PK_EXE_NAME\$") ]] || pk_player_shown; }

pk_captions() {
  ws_probe children "$PK_PLAYER_HWND" | grep "${TAB}class=Button${TAB}" | while IFS= read -r line; do
    ws_field text "$line"
    echo
  done
}

pk_buttons_are() { [[ $(pk_captions | wc -l) == "$1" ]]; }

pk_first_announced() { [[ -f $PK_SPEECH_LOG ]] && grep -q "${TAB}speak${TAB}" "$PK_SPEECH_LOG"; }

# The player window shows one button per song of MUSIC, numbered in order and titled with the
# songs' titles, and announces song 1.
pk_wait_player_on() {
  local music=$1 expected count captions titles
  expected=$(pk_song_titles "$music")
  count=$(wc -l <<<"$expected")
  ws_wait 40 "the player or a message box" pk_box_or_player || pk_fail "the player showed nothing"
  pk_player_shown || pk_fail "a message box instead of the player: $(ws_probe boxes)"
  PK_PLAYER_HWND=$(ws_field hwnd "$PK_PLAYER")
  ws_wait 10 "$count song buttons" pk_buttons_are "$count" ||
    pk_fail "expected $count song buttons, found: $(pk_captions)"
  captions=$(pk_captions)
  pk_expect_eq "button numbers" "$(seq 1 "$count")" "$(awk '{ print $1 }' <<<"$captions")"
  titles=$(sed 's/^ *[0-9]* //; s/ *$//' <<<"$captions" | sort)
  pk_expect_eq "button titles" "$expected" "$titles"
  ws_wait 10 "the first announcement" pk_first_announced || pk_fail "song 1 was not announced"
  pk_expect_eq "first announcement" "1 $(sed -n '1s/^ *[0-9]* //; 1s/ *$//p' <<<"$captions")" \
    "$(grep -m1 "${TAB}speak${TAB}" "$PK_SPEECH_LOG" | cut -f4)"
}

# The player, asked to close, ends cleanly.
pk_close_player() {
  ws_wait 10 "the close request" ws_probe close "$PK_PLAYER_HWND" || pk_fail "cannot close the player"
  ws_program_wait_exit 20 || pk_fail "the player did not end"
  pk_expect_eq "exit code" 0 "$WS_PROGRAM_RC"
}

# The player shows the songs of MUSIC, then is closed and ends cleanly.
pk_expect_player_on() {
  pk_wait_player_on "$1"
  pk_close_player
}
