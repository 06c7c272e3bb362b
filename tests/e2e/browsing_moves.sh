# Browsing a list of three songs by ear: song 1 framed and announced at start-up with no silence
# before it; Down and Up wrapping round the list, each later announcement cut off by a silence,
# the blue band moving and the yellow painted over the band left behind; Tab and Shift+Tab
# announcing without moving the selection, so that keypad 8 and 2 go on from where Up and Down
# left it, and a keypad move onto the focused song saying and drawing nothing; Left and Right
# doing nothing; keypad 8 and 2 acting as Up and Down while Num Lock is off.
source "$(dirname "$0")/browsing_lib.sh"

songs=("one.mp3" "二曲目.mp3" "three.mp3")

# step KEYS SONG: KEYS move the focus to SONG: a silence, then its announcement, and the blue band
# around it alone.
step() {
  local key=$1 song=$2 seen speaks
  seen=$(br_lines)
  speaks=$(br_speaks)
  # shellcheck disable=SC2086 # KEY may be several keys
  ws_key $key
  br_wait_speaks $((speaks + 1))
  br_expect_after "$seen" silence "$(br_says "$song")"
  br_wait_frames "$song"
  br_wait_focus "$song"
}

start() {
  br_start "${songs[@]}"
  br_wait_speaks 1
}

e2e_begin speech
br_numlock on

e2e_case "start-up"
start
e2e_expect_speech create "speed${TAB}160" "$(br_says 1)"
br_expect_frames 1
br_wait_focus 1
br_finish
e2e_pass "song 1 framed in blue and announced, no silence before it"

e2e_case "up and down wrap"
start
step Down 2
step Down 3
step Down 1
step Up 3
step Up 2
step Up 1
step Up 3
# The selection followed every key: from song 3 keypad 2 goes to song 1 and keypad 8 back.
step KP_Down 1
step KP_Up 3
br_finish
e2e_pass "Down 2 3 1, Up 3 2 1 3, keypad from the last song"

e2e_case "tab keeps the selection"
start
step Tab 2
# The selection is still song 1: keypad 2 lands on song 2, which has the focus already, so
# nothing is said or drawn; the next keypad 2 goes on to song 3.
step "KP_Down KP_Down" 3
step Tab 1
step KP_Up 2
br_finish
e2e_pass "Tab announces; keypad 2 onto the focused song says nothing; keypad 8 from the selection"

e2e_case "shift+tab keeps the selection"
start
step shift+Tab 3
step shift+Tab 2
step "KP_Down KP_Down" 3
br_finish
e2e_pass "Shift+Tab wraps to the last song; the keypad goes on from song 1"

e2e_case "left and right"
start
step Down 2
# Nothing may come between the announcements of Down and the next Down.
seen=$(br_lines)
ws_key Left Right Left Right
step Down 3
br_expect_after "$seen" silence "$(br_says 3)"
step KP_Up 2
br_finish
e2e_pass "Left and Right move nothing, say nothing, leave the selection"

e2e_case "keypad with num lock off"
start
br_numlock off
step KP_Down 2
step KP_Down 3
step KP_Up 2
br_numlock on
step KP_Down 3
step KP_Down 1
br_finish
e2e_pass "keypad 2 and 8 act as Down and Up, selection included"
