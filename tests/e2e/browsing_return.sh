# Focus moves that leave the selection behind, and coming back to the player. Holding Down
# announces every song passed, each cut off by the next, yet moves the selection by one: a repaint
# (minimise, restore) frames the song at the selection, and keypad 2 goes on from there. Coming
# back from a stranger's window (notepad over the player) or from the version box speaks and
# draws nothing.
source "$(dirname "$0")/browsing_lib.sh"

e2e_begin speech
br_numlock on

# The number of the song announced last.
br_last_song() { e2e_speech_events | grep "^speak${TAB}" | tail -n 1 | cut -f2 | cut -d' ' -f1; }

e2e_case "held down key"
twenty=()
for i in $(seq -w 1 20); do twenty+=("song $i.mp3"); done
br_start "${twenty[@]}"
br_wait_speaks 1
xdotool keydown Down || e2e_fail "xdotool keydown failed"
# Song 1, the first key-down's song 2, then at least three auto-repeats.
ws_wait 10 "auto-repeated announcements" br_speaks_at_least 5
held_ok=$?
xdotool keyup Down
((held_ok == 0)) || e2e_fail "holding Down gave $(br_speaks) announcements, not 5 or more"
last=$(br_last_song)
br_wait_focus "$last"
last=$(br_last_song)
expected=(create "speed${TAB}160" "$(br_says 1)")
for ((song = 2; song <= last; song++)); do expected+=(silence "$(br_says "$song")"); done
e2e_expect_speech "${expected[@]}"
((last >= 5 && last <= 20)) || e2e_fail "the held key went to song $last"
seen=$(br_lines)
br_minimize_restore
# The selection moved by one on the key-up: the repaint frames song 2, not the focused song.
br_wait_frames 2
br_wait_focus "$last"
ws_key KP_Down
br_wait_speaks $((last + 1))
br_expect_after "$seen" silence "$(br_says 3)"
# The focus change paints over the band it drew last (around song $last); the band that the
# repaint drew around song 2 stays.
br_wait_frames 2 3
br_finish
e2e_pass "held Down announced songs 2 to $last; the repaint framed song 2; keypad 2 went to song 3"

e2e_case "back from another program"
br_start_on_song_2
seen=$BR_SEEN
br_stranger_open
! br_main_active || e2e_fail "the player is still active under notepad"
br_stranger_close
br_come_back
br_wait_focus 2
ws_key Down
br_wait_speaks 3
br_expect_after "$seen" silence "$(br_says 3)"
br_wait_frames 3
br_finish
e2e_pass "notepad over the player and back: nothing spoken; Down goes on from song 2"

e2e_case "back from the version box"
br_start_on_song_2
seen=$BR_SEEN
# Help menu, its second item (the version message).
ws_key alt+h Down Return
e2e_wait_box
e2e_press_box
ws_wait 10 "the player active again" br_main_active || e2e_fail "the player did not become active after the box"
br_wait_focus 2
speaks=$(br_speaks)
ws_key Down
br_wait_speaks $((speaks + 1))
# The version message's own speech is left out: only focus announcements matter here.
e2e_expect_eq "speech events after the box" "$(printf '%s\n' silence "$(br_says 3)")" \
  "$(br_events_after "$seen" | grep -v "^speak${TAB}Otopicco ")"
br_wait_frames 3
br_finish
e2e_pass "the version box and back: nothing spoken; Down goes on from song 2"
