# Start-up with no speech control, and with one that rejects the speed: without a control the
# plain box about the missing engine comes first, the player then starts with every button and
# nothing is ever spoken; a rejected speed is shown by the default exception box, after which the
# player still starts with the buttons made before it and announces song 1.
source "$(dirname "$0")/e2e_lib.sh"

songs=("one.mp3" "二曲目.mp3" "three.mp3")

e2e_begin nospeech
e2e_case "no speech control"
e2e_songs "$E2E_CASE_DIR/music" "${songs[@]}"
e2e_readme "$E2E_CASE_DIR"
e2e_launch "$E2E_CASE_DIR"
e2e_expect_box "otopicco" "$NO_SPEECH_ENGINE" 0
e2e_press_box
e2e_wait_main 3
e2e_match_captions "${songs[@]}"
ws_wait 10 "the focus on song 1" eval '[[ $(ws_field focus "$(ws_probe focus "$E2E_MAIN_HWND")") == "$(ws_field hwnd "${E2E_BUTTONS[0]}")" ]]' ||
  e2e_fail "song 1 did not get the focus"
e2e_close_main
e2e_expect_no_speech_log
e2e_pass "plain box first, three buttons, nothing spoken"

e2e_speech speech
e2e_case "speed rejected"
e2e_songs "$E2E_CASE_DIR/music" "${songs[@]}"
e2e_readme "$E2E_CASE_DIR"
export OTOPICCO_SPEECH_FAIL=speed
e2e_launch "$E2E_CASE_DIR"
e2e_wait_box
e2e_expect_eq "box title" "otopicco" "$(ws_field title "$E2E_BOX")"
e2e_expect_eq "box icon" 1 "$(ws_field icon "$E2E_BOX")"
[[ $(ws_field text "$E2E_BOX") == *"speech double: speed refused on request"* ]] ||
  e2e_fail "the box does not show the control's error: $(ws_field text "$E2E_BOX")"
e2e_expect_speech create "fail${TAB}speed"
e2e_press_box
e2e_wait_main 3
e2e_match_captions "${songs[@]}"
ws_wait 10 "the first announcement" eval 'e2e_speech_events | grep -q "^speak"' || e2e_fail "song 1 was not announced"
e2e_expect_speech create "fail${TAB}speed" "speak${TAB}$(e2e_announcement 1 "${E2E_SONG_NAMES[0]}")"
e2e_close_main
e2e_expect_eq "last speech event" "release" "$(e2e_speech_events | tail -n 1)"
e2e_pass "exception box with the control's error, then the player with its buttons"
