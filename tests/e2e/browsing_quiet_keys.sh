# Keys that must neither move, draw nor say anything. With a single song, Up, Down, keypad 8,
# keypad 2, Tab, Shift+Tab, Left and Right leave song 1 focused, framed and unspoken; the keypad
# divide key comes last, and its goodbye proves that every key before it has been handled. With
# three songs, Shift+Enter and Ctrl+Enter say nothing, and Enter on a song keeps the program
# running and listening.
source "$(dirname "$0")/browsing_lib.sh"

GOODBYE_SPOKEN="バイバイ、じゃまたね！えんたーキーをおしてください。おわります。"
GOODBYE_BOX="おわります。"

e2e_begin speech
br_numlock on

e2e_case "single song"
br_start "ひとつ.mp3"
br_wait_speaks 1
br_expect_frames 1
seen=$(br_lines)
ws_key Up Down KP_Up KP_Down Tab shift+Tab Left Right Down KP_Down
ws_key KP_Divide
e2e_wait_box
# The box sits in the middle of the screen, clear of the player's only button.
br_expect_frames 1
br_expect_after "$seen" "speak${TAB}$GOODBYE_SPOKEN"
e2e_expect_eq "goodbye box" "otopicco|$GOODBYE_BOX" "$(ws_field title "$E2E_BOX")|$(ws_field text "$E2E_BOX")"
e2e_press_box
e2e_expect_clean_exit
e2e_pass "ten moving keys: no frame, no silence, no announcement; then the goodbye"

e2e_case "enter with and without modifiers"
br_start_on_song_2
seen=$BR_SEEN
ws_key shift+Return ctrl+Return Down
br_wait_speaks 3
br_expect_after "$seen" silence "$(br_says 3)"
br_wait_frames 3
ws_key Return Up
br_wait_speaks 4
br_expect_after "$seen" silence "$(br_says 3)" silence "$(br_says 2)"
br_wait_frames 2
ws_program_running || e2e_fail "the program ended after Enter"
! e2e_box_shown || e2e_fail "a message box appeared after Enter: $E2E_BOX"
br_finish
e2e_pass "Shift+Enter and Ctrl+Enter say nothing; after Enter the list still answers"
