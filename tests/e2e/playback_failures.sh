# Songs that cannot be played: a file deleted after the list was built, a file that is not MP3
# data, a zero-byte file, the whole music folder removed. Each is reported aloud (with the speech
# double) and in the error box "エラー", naming the music folder and the file; the song that played
# before ends; choosing the same song again reports again; another song still plays afterwards.
# Without the speech control only the box appears.
source "$(dirname "$0")/playback_lib.sh"

# fails_then_recovers NAME GOOD: the focused song NAME cannot be played while song GOOD plays.
fails_then_recovers() {
  local name=$1 good=$2
  pb_focus "$good"
  pb_enter
  pb_wait_class 440 10 "Enter on a playable song"
  pb_focus "$(pb_button_of "${name%.mp3}")"
  local target=$(pb_current_focus)
  pb_enter
  pb_expect_not_found "$name"
  # Opening the failed song closed the one that played.
  pb_wait_class silent 3 "after the failed song"
  pb_wait_focus "$target"
  pb_enter
  pb_expect_not_found "$name"
  pb_stays silent 0.5 "after the second report"
  pb_expect_running
  pb_focus "$good"
  pb_enter
  pb_wait_class 440 10 "a playable song after the reports"
  pb_stop_key
  pb_wait_class silent 3 "keypad minus"
}

pb_begin speech

e2e_case "file deleted after start, speech"
pb_song "$E2E_CASE_DIR/music/good.mp3" 440:6
pb_song "$E2E_CASE_DIR/music/ゆき.mp3" 880:6
pb_start_player "$E2E_CASE_DIR" 2
pb_record_start
good=$(pb_button_of good)
rm "$E2E_CASE_DIR/music/ゆき.mp3"
fails_then_recovers "ゆき.mp3" "$good"
e2e_close_main
e2e_pass "spoken and shown twice, then another song played"

e2e_case "not MP3 data, zero bytes"
pb_song "$E2E_CASE_DIR/music/good.mp3" 440:6
printf 'This is a text file, not a song.\r\n' >"$E2E_CASE_DIR/music/text.mp3"
: >"$E2E_CASE_DIR/music/empty.mp3"
pb_start_player "$E2E_CASE_DIR" 3
pb_record_start
good=$(pb_button_of good)
fails_then_recovers "text.mp3" "$good"
fails_then_recovers "empty.mp3" "$good"
e2e_close_main
e2e_pass "both reported twice, the playable song played after each"

e2e_case "music folder removed after start"
pb_song "$E2E_CASE_DIR/music/one.mp3" 440:6
pb_song "$E2E_CASE_DIR/music/two.mp3" 440:6
pb_start_player "$E2E_CASE_DIR" 2
pb_record_start
mv "$E2E_CASE_DIR/music" "$E2E_CASE_DIR/away"
first=$(pb_button_of one)
pb_focus "$first"
pb_enter
pb_expect_not_found "one.mp3"
pb_wait_focus "$first"
pb_enter
pb_expect_not_found "one.mp3"
pb_focus "$(pb_button_of two)"
pb_enter
pb_expect_not_found "two.mp3"
pb_stays silent 0.5 "with the folder gone"
# The folder comes back: the next click opens its song, whatever the failed opens left behind.
mv "$E2E_CASE_DIR/away" "$E2E_CASE_DIR/music"
pb_focus "$first"
pb_enter
pb_wait_class 440 10 "a song once the folder is back"
e2e_close_main
e2e_pass "every song reported, a song played once the folder was back"

e2e_speech nospeech
PB_SPEECH=nospeech
e2e_case "file deleted after start, no speech control"
pb_song "$E2E_CASE_DIR/music/good.mp3" 440:6
pb_song "$E2E_CASE_DIR/music/gone.mp3" 880:6
pb_start_player "$E2E_CASE_DIR" 2
pb_record_start
good=$(pb_button_of good)
rm "$E2E_CASE_DIR/music/gone.mp3"
fails_then_recovers "gone.mp3" "$good"
e2e_close_main
e2e_expect_no_speech_log
e2e_pass "box only, twice, then another song played"
