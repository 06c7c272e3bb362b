# Shared steps of the menu tests: a player started on two songs (with or without a help file of
# our own), the menu bar driven from the keyboard the way a sighted adult uses it, the help window
# and its text box as probe.exe reads them, and the speech double's log around the end.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

MN_SONGS=("one.mp3" "二曲目.mp3")
MN_TITLE=otopicco
MN_VERSION_BOX='Otopicco♪ Ver2.1\r\r　　  By Otopicco の開発者   09.10.31'
MN_VERSION_SPOKEN='Otopicco バージョン2.1 By Otopicco の開発者   2009年10月31日'
MN_GOODBYE_BOX="おわります。"
MN_GOODBYE_SPOKEN="バイバイ、じゃまたね！えんたーキーをおしてください。おわります。"
MN_CANNOT_OPEN="ファイル ReadMe_sapi.txt は開けません."

# mn_write_help DIR LINE...: ReadMe_sapi.txt in DIR, Shift-JIS with CR LF line ends.
mn_write_help() {
  local dir=$1
  shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$dir/ReadMe_sapi.txt" || e2e_fail "cannot write the help file"
}

# The memo text inspect reports for these lines: joined by CR LF, written as \r\n.
mn_escaped_lines() {
  local IFS=
  local out=$1
  shift
  local line
  for line in "$@"; do out+='\r\n'$line; done
  printf '%s' "$out"
}

mn_first_announced() { e2e_speech_events | grep -q "^speak${TAB}"; }

# mn_start [speech]: the player on the two songs in the case folder (with the common help file
# unless the case wrote its own), its window read; with speech the first announcement is waited
# for, since keys sent before the window is active can be lost.
mn_start() {
  e2e_songs "$E2E_CASE_DIR/music" "${MN_SONGS[@]}"
  [[ -f $E2E_CASE_DIR/ReadMe_sapi.txt ]] || e2e_readme "$E2E_CASE_DIR"
  e2e_launch "$E2E_CASE_DIR"
  e2e_wait_main 2
  if [[ $1 == speech ]]; then
    ws_wait 20 "song 1's announcement" mn_first_announced || e2e_fail "song 1 was not announced"
  fi
  mn_wait_active "$E2E_MAIN_HWND" "the player window"
}

mn_is_active() { [[ $(ws_field active "$(ws_probe focus "$1")") == "$1" ]]; }

mn_wait_active() {
  ws_wait 15 "$2 active" mn_is_active "$1" || e2e_fail "$2 did not become the active window"
}

# The help window (shown or hidden) into MN_HELP and MN_HELP_HWND.
mn_find_help() {
  MN_HELP=$(e2e_windows | grep "${TAB}class=OtopiccoForm${TAB}title=ヘルプ${TAB}" | head -n 1)
  MN_HELP_HWND=$(ws_field hwnd "$MN_HELP")
  [[ -n $MN_HELP_HWND ]]
}
mn_help_visible() { mn_find_help && [[ $(ws_field visible "$MN_HELP") == 1 ]]; }
mn_help_hidden() { mn_find_help && [[ $(ws_field visible "$MN_HELP") == 0 ]]; }

# A menu popup of Wine (class #32768) is showing.
mn_popup_shown() { ws_probe windows | grep "${TAB}class=#32768${TAB}" | grep -q "${TAB}visible=1${TAB}"; }

# mn_menu ALT_KEY KEY...: opens a menu of the player's menu bar with Alt and its access key,
# waits for its popup, then types the keys that choose the item.
mn_menu() {
  local access=$1
  shift
  mn_wait_active "$E2E_MAIN_HWND" "the player window"
  ws_key "alt+$access"
  ws_wait 10 "the menu popup" mn_popup_shown || e2e_fail "Alt+$access opened no menu"
  ws_key "$@"
}

# Opens the help window with Alt+H, A and waits until it is shown and active.
mn_open_help() {
  mn_menu h a
  ws_wait 15 "the help window" mn_help_visible || e2e_fail "Alt+H, A did not show the help window"
  mn_wait_active "$MN_HELP_HWND" "the help window"
}

# The help window's controls into MN_HELP_BUTTON and MN_HELP_MEMO (inspect lines).
mn_read_help_controls() {
  local children
  children=$(ws_probe children "$MN_HELP_HWND") || e2e_fail "cannot read the help window's controls"
  MN_HELP_BUTTON=$(printf '%s\n' "$children" | grep "${TAB}class=Button${TAB}" | head -n 1)
  MN_HELP_MEMO=$(printf '%s\n' "$children" | grep "${TAB}class=Edit${TAB}" | head -n 1)
  [[ -n $MN_HELP_BUTTON && -n $MN_HELP_MEMO ]] || e2e_fail "the help window lacks its button or text box: $children"
}

mn_memo_text() { mn_read_help_controls && ws_field text "$MN_HELP_MEMO"; }

# The memo shows exactly these lines (a last empty line for the file's final CR LF is allowed:
# whether the end of the file makes a line of its own is not the point here).
mn_expect_memo_lines() {
  local what=$1 expected actual
  shift
  expected=$(mn_escaped_lines "$@")
  actual=$(mn_memo_text)
  [[ $actual == "$expected" || $actual == "$expected"'\r\n' ]] ||
    e2e_fail "$what: expected [$expected], got [$actual]"
}

mn_focused() { ws_field focus "$(ws_probe focus "$1")"; }

# The caret of the memo as "start end".
mn_selection() {
  local line
  line=$(ws_probe selection "$(ws_field hwnd "$MN_HELP_MEMO")") || e2e_fail "cannot read the text box's selection: $line"
  echo "$(ws_field start "$line") $(ws_field end "$line")"
}

mn_no_box() { ! ws_probe boxes | grep -q "${TAB}exe=$E2E_EXE_NAME\$"; }

# The speech double's log ends with the one release of the control.
mn_expect_release_once_last() {
  e2e_expect_eq "release events" 1 "$(e2e_speech_events | grep -c '^release$')"
  e2e_expect_eq "last speech event" release "$(e2e_speech_events | tail -n 1)"
}

# A further case on the program already running: a new label for the messages, the same folder
# and speech log (e2e_case would start a new log that the running program does not write).
mn_subcase() { E2E_CASE=$1; }

# Num Lock on, so that the keypad's keys arrive as the keypad's.
mn_numlock_on() { numlockx on || e2e_fail "numlockx on failed"; }
