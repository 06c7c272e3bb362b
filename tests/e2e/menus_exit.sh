# The ways the program ends: the keypad divide key speaks the goodbye, shows "おわります。" in a
# plain box and ends after OK (also without a speech control, then silently); the menu's
# "終了(&X)" and Alt+F4 end it at once. Every way ends with exit code 0 and no window left, and
# the speech control is released exactly once, as the last thing the double hears.
source "$(dirname "$0")/menus_lib.sh"

# The goodbye box is dismissed with Enter, as the spoken goodbye asks.
goodbye() {
  mn_numlock_on
  local seen
  seen=$(e2e_speech_events | wc -l)
  ws_key KP_Divide
  e2e_wait_box
  if [[ $1 == speech ]]; then
    e2e_expect_eq "speech when the goodbye box is shown" "speak${TAB}$MN_GOODBYE_SPOKEN" \
      "$(e2e_speech_events | tail -n +$((seen + 1)))"
  fi
  e2e_expect_box "$MN_TITLE" "$MN_GOODBYE_BOX" 0
  ws_program_running || e2e_fail "the program ended before the goodbye box was dismissed"
  mn_wait_active "$E2E_BOX_HWND" "the goodbye box"
  ws_key Return
  e2e_expect_clean_exit
}

e2e_begin nospeech

e2e_case "keypad divide without a speech control"
e2e_songs "$E2E_CASE_DIR/music" "${MN_SONGS[@]}"
e2e_readme "$E2E_CASE_DIR"
e2e_launch "$E2E_CASE_DIR"
e2e_expect_box "$MN_TITLE" "$NO_SPEECH_ENGINE" 0
e2e_press_box
e2e_wait_main 2
mn_wait_active "$E2E_MAIN_HWND" "the player window"
goodbye nospeech
e2e_expect_no_speech_log
e2e_pass "the goodbye box, then the end after Enter, nothing spoken"

e2e_speech speech

e2e_case "keypad divide"
mn_start speech
goodbye speech
mn_expect_release_once_last
e2e_pass "spoken goodbye, the box, then the end after Enter; released once"

e2e_case "menu 終了(&X)"
mn_start speech
mn_menu f x
e2e_expect_clean_exit
mn_expect_release_once_last
e2e_pass "ended by the menu; released once"

e2e_case "Alt+F4"
mn_start speech
ws_key alt+F4
e2e_expect_clean_exit
mn_expect_release_once_last
e2e_pass "ended by Alt+F4; released once"
