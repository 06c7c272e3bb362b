# Leaving the folder dialog without a new folder: "キャンセル" (clicked with the mouse), Esc and the
# close box each leave the buttons and the songs as they were, give the focus back to the song
# that had it without an announcement, and the next opening shows the selection as it was left.
# "デスクットプ" makes the desktop the tree's root; pressing it again keeps the expanded nodes and
# the selection, and so does closing and opening the dialog again.
source "$(dirname "$0")/folder_lib.sh"

# fd_leave_unchanged HOW FOCUSED CMD...: CMD closes the dialog; then the player is back as before
# with song FOCUSED focused and nothing spoken; the stopped song resumes, and the next song plays
# from music too (a changed folder would show a not-found box or another tone).
fd_leave_unchanged() {
  local how=$1 focused=$2 captions seen
  shift 2
  captions=$(fd_captions)
  seen=$(e2e_speech_events | wc -l)
  "$@"
  fd_wait_closed "$how"
  fd_expect_back "$focused" "$captions"
  fd_play_expect 440 "the stopped song resumes after $how"
  e2e_expect_eq "speech events from $how to the song" "" "$(e2e_speech_events | tail -n +$((seen + 1)))"
  seen=$(pb_speak_count)
  ws_key Down
  pb_wait_focus $((focused + 1))
  ws_wait 10 "the announcement of song $((focused + 2))" eval '(($(pb_speak_count) > seen))' ||
    e2e_fail "song $((focused + 2)) was not announced"
  fd_play_expect 440 "song $((focused + 2)) plays from music after $how"
  pb_no_box || e2e_fail "a message box appeared after $how: $E2E_BOX"
}

# The close box sits at the right end of the title bar, above the client area.
fd_click_close_box() {
  local rect outer origin
  rect=$(ws_probe rect "$FD_DIALOG_HWND")
  outer=$(ws_field outer "$rect")
  origin=$(ws_field client_origin "$rect")
  local right top client_top
  right=$(cut -d, -f3 <<<"$outer")
  top=$(cut -d, -f2 <<<"$outer")
  client_top=${origin#*,}
  xdotool mousemove $((right - 14)) $(((top + client_top) / 2)) click 1
}

pb_begin speech
e2e_case "cancel, Esc, close box"
fd_songs "$E2E_CASE_DIR/music" 440 a.mp3 b.mp3 c.mp3 d.mp3
fd_songs "$E2E_CASE_DIR/two" 880 p.mp3 q.mp3
mkdir -p "$E2E_CASE_DIR/empty"
fd_start 4
pb_record_start

ws_key Down
pb_wait_focus 1
fd_play_expect 440 "song 2 plays"
fd_open_while_playing
fd_select two
fd_leave_unchanged "キャンセル" 1 fd_click_button "キャンセル"
e2e_pass "キャンセル: buttons, focus and songs unchanged, nothing announced"

fd_open_while_playing
e2e_expect_eq "selection kept after キャンセル" two "$(fd_selected_text)"
fd_select empty
fd_leave_unchanged "Esc" 2 ws_key Escape
e2e_pass "Esc: buttons, focus and songs unchanged, nothing announced"

ws_key Up
pb_wait_focus 2
fd_play_expect 440 "song 3 plays again"
fd_open_while_playing
e2e_expect_eq "selection kept after Esc" empty "$(fd_selected_text)"
fd_select two
fd_leave_unchanged "the close box" 2 fd_click_close_box
e2e_pass "the close box: buttons, focus and songs unchanged, nothing announced"

E2E_CASE="desktop twice"  # the same player, so the same case folder and speech log
fd_open
e2e_expect_eq "selection kept after the close box" two "$(fd_selected_text)"
program_tree=$(fd_tree)
ws_key Tab
ws_wait 5 "the focus on デスクットプ" fd_focus_is "$(ws_field hwnd "${FD_BUTTONS[0]}")" ||
  e2e_fail "Tab did not move the focus to デスクットプ"
ws_key space
ws_wait 10 "a new root" eval '[[ $(fd_tree) != "$program_tree" ]]' || e2e_fail "デスクットプ did not change the tree"
desktop_tree=$(fd_tree)
roots=$(awk '$1 == 0' <<<"$desktop_tree")
(($(wc -l <<<"$roots") == 1)) || e2e_fail "the desktop tree should have one root: $desktop_tree"
[[ $roots == *" 1 1 "* && $roots != "0 $(basename "$E2E_CASE_DIR") "* ]] ||
  e2e_fail "the desktop root should be selected and expanded, not the program's folder: $roots"

# Open a node below the desktop with the tree's own key (keypad +), and select it.
ws_key shift+Tab
ws_wait 5 "the focus on the tree" fd_focus_is "$FD_TREE_HWND" || e2e_fail "Shift+Tab did not reach the tree"
opened=
for ((i = 0; i < 10; i++)); do
  [[ -z $opened ]] || break
  before=$(fd_selected_text)
  ws_key Down
  ws_wait 5 "the selection to move from $before" eval '! fd_selected_is "$before"' || break
  [[ $(ws_field depth "$(fd_selected)") == 1 ]] || break
  ws_key KP_Add
  if ws_wait 3 "the node to open" eval '[[ $(ws_field expanded "$(fd_selected)") == 1 && $(ws_field children "$(fd_selected)") != 0 ]]'; then
    opened=$(ws_field text "$(fd_selected)")
  fi
done
[[ -n $opened ]] || e2e_fail "no node below the desktop could be opened: $(fd_tree)"
ws_key Down
ws_wait 5 "a child of $opened selected" eval '[[ $(ws_field depth "$(fd_selected)") == 2 ]]' ||
  e2e_fail "Down did not move into the opened node $opened: $(fd_tree)"
moved_tree=$(fd_tree)

ws_key Tab
ws_wait 5 "the focus on デスクットプ" fd_focus_is "$(ws_field hwnd "${FD_BUTTONS[0]}")" ||
  e2e_fail "Tab did not move the focus to デスクットプ"
ws_key space
# The button has taken the click once its handler has run and the dialog takes keys again:
# Shift+Tab moves the focus back to the tree only then.
ws_key shift+Tab
ws_wait 5 "the focus on the tree" fd_focus_is "$FD_TREE_HWND" || e2e_fail "Shift+Tab did not reach the tree"
e2e_expect_eq "tree after デスクットプ a second time" "$moved_tree" "$(fd_tree)"
e2e_pass "デスクットプ twice keeps the opened node $opened and the selection"

ws_key Escape
fd_wait_closed "Esc"
fd_open
e2e_expect_eq "tree when the dialog opens again" "$moved_tree" "$(fd_tree)"
ws_key Escape
fd_wait_closed "Esc"
e2e_pass "the desktop root, opened node and selection stay for the next opening"

e2e_close_main
