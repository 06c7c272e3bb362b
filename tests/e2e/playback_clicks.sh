# Clicks other than Enter. A mouse press on a song button that has not got the focus moves the
# focus to it first, so the song is announced, and the click that follows on release plays it;
# the announcement and the song are heard together. Space clicks the focused song on key-up.
source "$(dirname "$0")/playback_lib.sh"

# click_song INDEX: the mouse on the middle of song button INDEX (zero-based).
click_song() {
  local button=${E2E_BUTTONS[$1]} origin
  origin=$(ws_field client_origin "$(ws_probe rect "$E2E_MAIN_HWND")")
  xdotool mousemove $((${origin%,*} + $(ws_field left "$button") + $(ws_field width "$button") / 2)) \
    $((${origin#*,} + $(ws_field top "$button") + $(ws_field height "$button") / 2)) click 1
}

third_announced() { e2e_speech_events | grep -q "^speak${TAB}3 $title\$"; }

pb_begin speech
e2e_case "mouse press focuses, then plays"
pb_song "$E2E_CASE_DIR/music/one.mp3" 440:6
pb_song "$E2E_CASE_DIR/music/two.mp3" 440:6
pb_song "$E2E_CASE_DIR/music/three.mp3" 880:6
pb_start_player "$E2E_CASE_DIR" 3
pb_record_start
e2e_read_buttons
# Song 3 has not got the focus (song 1 has it); which file it is depends on the folder's order.
title=$(ws_field text "${E2E_BUTTONS[2]}" | sed 's/^ 3 //; s/ *$//')
tone=440
[[ $title == three ]] && tone=880
click_song 2
ws_wait 10 "the announcement of song 3" third_announced || e2e_fail "the click did not announce song 3 ($title)"
e2e_expect_eq "speech events" "silence speak${TAB}3 $title" "$(e2e_speech_events | tail -n 2 | cut -f1,2 | paste -sd ' ')"
pb_wait_focus 2
pb_wait_class "$tone" 10 "the clicked song"
pb_no_box || e2e_fail "the click gave a box: $E2E_BOX"
e2e_pass "the press announced song 3 and the release played it"

# The same player goes on: only the label of the case changes, its speech log stays.
E2E_CASE="space plays on key-up"
pb_stop_key
pb_wait_class silent 5 "keypad minus"
ws_key Up
pb_wait_focus 1
xdotool keydown space
pb_stays silent 1 "Space held down"
xdotool keyup space
pb_wait_class "$(ws_field text "${E2E_BUTTONS[1]}" | grep -q three && echo 880 || echo 440)" 10 "Space released"
e2e_close_main
e2e_pass "nothing while Space was held; song 2 played when it was released"
