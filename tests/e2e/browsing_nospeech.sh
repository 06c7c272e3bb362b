# Browsing without a speech control: after the box about the missing engine, the blue band still
# frames song 1, moves with Down (wrapping), Tab and keypad 8, and the yellow paints over the band
# left behind; nothing is spoken, no further box appears and the program keeps running.
source "$(dirname "$0")/browsing_lib.sh"

e2e_begin nospeech
br_numlock on

# move KEY SONG: KEY moves the blue band (and the focus) to SONG alone.
move() {
  ws_key "$1"
  br_wait_frames "$2"
  br_wait_focus "$2"
}

e2e_case "frames without speech"
e2e_songs "$E2E_CASE_DIR/music" "one.mp3" "two.mp3" "three.mp3"
e2e_readme "$E2E_CASE_DIR"
e2e_launch "$E2E_CASE_DIR"
e2e_expect_box "otopicco" "$NO_SPEECH_ENGINE" 0
e2e_press_box
e2e_wait_main 3
BR_COUNT=3
br_wait_frames 1
ws_wait 10 "the player active" br_main_active || e2e_fail "the player did not become active"
br_wait_focus 1
move Down 2
move Down 3
move Down 1
move Tab 2
# The selection stayed on song 1 (Tab does not move it): keypad 8 goes to the last song.
move KP_Up 3
move Up 2
! e2e_box_shown || e2e_fail "a message box appeared while browsing: $E2E_BOX"
ws_program_running || e2e_fail "the program ended while browsing"
e2e_close_main
e2e_expect_no_speech_log
e2e_pass "frames follow Down, Tab, keypad 8 and Up; nothing spoken, no box"
