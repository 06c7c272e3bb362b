# Shared steps of the folder dialog tests: a case folder that holds its own copy of the program
# (so the folder tree's first root is a folder the test controls, with the song folders as its
# child nodes), opening the dialog with Ctrl+O, reading and driving its folder tree with the
# tree's own keys, and checks of the player after the dialog has closed.
source "$(dirname "${BASH_SOURCE[0]}")/playback_lib.sh"

FD_CAPTION="フォルダの選択"
FD_NO_MP3="mp3ファイルがみつかりません。"
FD_EXE=

# fd_start BUTTONS: the player started from its copy in the case folder (the songs of music/ and
# the song folders must be there already); waits for its buttons and song 1's announcement.
fd_start() {
  local buttons=$1
  FD_EXE=$E2E_CASE_DIR/otopicco.exe
  cp "$E2E_EXE" "$FD_EXE" || e2e_fail "cannot copy the program into the case folder"
  e2e_readme "$E2E_CASE_DIR"
  e2e_launch "$E2E_CASE_DIR" "$FD_EXE"
  e2e_wait_main "$buttons"
  ws_wait 15 "the first announcement" eval '(($(pb_speak_count) >= 1))' || e2e_fail "song 1 was not announced"
  pb_wait_focus 0
}

# fd_songs DIR HZ NAME...: songs of one long tone each (long enough to be stopped while playing).
fd_songs() {
  local dir=$1 hz=$2 name
  shift 2
  mkdir -p "$dir"
  for name in "$@"; do pb_song "$dir/$name" "$hz:8"; done
}

fd_dialog_line() { e2e_visible_windows | grep "${TAB}title=$FD_CAPTION${TAB}" | head -n 1; }
fd_dialog_shown() { FD_DIALOG=$(fd_dialog_line) && [[ -n $FD_DIALOG ]]; }
fd_dialog_hidden() { [[ -z $(fd_dialog_line) ]]; }

# The active window of the player's thread is HWND.
fd_active_is() { [[ $(ws_field active "$(ws_probe focus "$E2E_MAIN_HWND")") == "$1" ]]; }
fd_focus_is() { [[ $(ws_field focus "$(ws_probe focus "$E2E_MAIN_HWND")") == "$1" ]]; }

# fd_open: Ctrl+O in the player; waits until the dialog is shown and active (keys typed before
# that can be lost), and reads its controls into FD_DIALOG_HWND, FD_TREE_HWND and FD_BUTTONS.
fd_open() {
  ws_key ctrl+o
  ws_wait 10 "the folder dialog" fd_dialog_shown || e2e_fail "Ctrl+O did not show \"$FD_CAPTION\""
  FD_DIALOG_HWND=$(ws_field hwnd "$FD_DIALOG")
  ws_wait 10 "the folder dialog to be active" fd_active_is "$FD_DIALOG_HWND" ||
    e2e_fail "the folder dialog is shown but not active"
  local controls
  controls=$(ws_probe children "$FD_DIALOG_HWND")
  FD_TREE_HWND=$(ws_field hwnd "$(grep "${TAB}class=SysTreeView32${TAB}" <<<"$controls" | head -n 1)")
  [[ -n $FD_TREE_HWND ]] || e2e_fail "the folder dialog has no folder tree: $controls"
  mapfile -t FD_BUTTONS < <(grep "${TAB}class=Button${TAB}" <<<"$controls")
  ((${#FD_BUTTONS[@]} == 3)) || e2e_fail "the folder dialog should have 3 buttons: $controls"
}

# The tree's nodes as "depth text selected expanded children" lines, display order.
fd_tree_full() { ws_probe tree "$FD_TREE_HWND" | grep "^node${TAB}"; }
fd_tree() {
  local line
  while IFS= read -r line; do
    printf '%s %s %s %s %s\n' "$(ws_field depth "$line")" "$(ws_field text "$line")" \
      "$(ws_field selected "$line")" "$(ws_field expanded "$line")" "$(ws_field children "$line")"
  done < <(fd_tree_full)
}

fd_selected() { fd_tree_full | grep "${TAB}selected=1${TAB}" | head -n 1; }
fd_selected_text() { ws_field text "$(fd_selected)"; }
fd_selected_is() { [[ $(fd_selected_text) == "$1" ]]; }

# fd_focus_tree: Tab until the tree has the focus. The dialog comes back with the focus on the
# control that had it when it closed (a clicked button, say).
fd_focus_tree() {
  local i before
  for ((i = 0; i < 4; i++)); do
    before=$(ws_field focus "$(ws_probe focus "$FD_DIALOG_HWND")")
    [[ $before == "$FD_TREE_HWND" ]] && return 0
    ws_key Tab
    ws_wait 5 "the focus to leave $before" eval '! fd_focus_is "$before"' || break
  done
  fd_focus_is "$FD_TREE_HWND" || e2e_fail "Tab does not reach the folder tree"
}

# fd_select NAME: moves the tree's selection with Down (from the top with Home) until the node
# labelled NAME is selected; every step waits for the selection to move.
fd_select() {
  local name=$1 steps before
  fd_focus_tree
  ws_key Home
  ws_wait 5 "the tree's first node selected" eval '[[ $(ws_field depth "$(fd_selected)") == 0 ]]' ||
    e2e_fail "Home did not select the tree's first node: $(fd_tree)"
  for ((steps = 0; steps < 40; steps++)); do
    fd_selected_is "$name" && return 0
    before=$(fd_selected_text)
    ws_key Down
    ws_wait 5 "the selection to move from $before" eval '! fd_selected_is "$before"' || break
  done
  fd_selected_is "$name" || e2e_fail "cannot select [$name] in the folder tree: $(fd_tree)"
}

# fd_click_dialog X Y: a mouse click at client coordinates of the dialog.
fd_click_dialog() {
  local origin
  origin=$(ws_field client_origin "$(ws_probe rect "$FD_DIALOG_HWND")")
  xdotool mousemove $((${origin%,*} + $1)) $((${origin#*,} + $2)) click 1
}

# fd_click_button CAPTION: the mouse on the middle of the dialog's button with this caption.
fd_click_button() {
  local line
  for line in "${FD_BUTTONS[@]}"; do
    if [[ $(ws_field text "$line") == "$1" ]]; then
      fd_click_dialog $(($(ws_field left "$line") + $(ws_field width "$line") / 2)) \
        $(($(ws_field top "$line") + $(ws_field height "$line") / 2))
      return 0
    fi
  done
  e2e_fail "the folder dialog has no button [$1]"
}

fd_wait_closed() {
  ws_wait 10 "the folder dialog to close" fd_dialog_hidden || e2e_fail "the folder dialog stayed open ($1)"
}


# fd_expect_rebuilt N NAME...: the player shows exactly N buttons captioned from these names and
# an outer window size of 320 x 60 (N - 1) + 180; then it is active again with song 1 focused.
fd_expect_rebuilt() {
  local n=$1
  shift
  ws_wait 10 "$n song buttons" e2e_buttons_count_is "$n" ||
    e2e_fail "expected $n song buttons after OK, found ${#E2E_BUTTONS[@]}"
  e2e_match_captions "$@"
  e2e_expect_button_layout
  e2e_expect_eq "player window size after OK" "320x$((60 * (n - 1) + 180))" \
    "$(ws_field outer_size "$(ws_probe rect "$E2E_MAIN_HWND")")"
  ws_wait 10 "the player to be active" fd_active_is "$E2E_MAIN_HWND" ||
    e2e_fail "the player window is not active after OK"
  pb_wait_focus 0
}

# Captions of the player's song buttons, one a line.
fd_captions() { e2e_read_buttons; local b; for b in "${E2E_BUTTONS[@]}"; do ws_field text "$b"; echo; done; }

# fd_expect_back BUTTON_INDEX CAPTIONS: after the dialog closed without a new folder, the player
# is active, song BUTTON_INDEX has the focus again and the buttons are those of before.
fd_expect_back() {
  local index=$1 captions=$2
  ws_wait 10 "the player to be active" fd_active_is "$E2E_MAIN_HWND" ||
    e2e_fail "the player window is not active after the dialog closed"
  pb_wait_focus "$index"
  e2e_expect_eq "song buttons after the dialog closed" "$captions" "$(fd_captions)"
}

# fd_play_expect CLASS WHAT: Enter on the focused song, and the recording turns CLASS (440 or 880).
fd_play_expect() {
  pb_enter
  pb_wait_class "$1" 10 "$2"
}

# fd_open_while_playing: Ctrl+O while a song plays; the recording falls silent and stays silent while
# the dialog is open.
fd_open_while_playing() {
  fd_open
  pb_wait_class silent 3 "Ctrl+O stops the song"
  pb_stays silent 1 "the song stays stopped while the dialog is open"
}
