# Playing and stopping songs, heard in a recording of the null sink: Enter plays the focused song;
# keypad minus and Ctrl+S stop it and a later Enter resumes it where it stopped; a second Enter on
# the playing song does not restart it; Enter on another song ends the old one at once and plays
# the new one from its start; a song that played to its end plays again from its start; the stop
# keys with nothing playing change nothing. Songs are tones whose pitch changes at known times,
# so where in a song the player is can be told from the recording.
source "$(dirname "$0")/playback_lib.sh"

pb_begin speech

# --- Enter plays, keypad minus stops, Enter resumes where it stopped.
e2e_case "keypad minus stops, Enter resumes"
pb_song "$E2E_CASE_DIR/music/rising.mp3" 440:2 880:3
pb_start_player "$E2E_CASE_DIR" 1
pb_record_start
start=$(pb_mark)
pb_enter
pb_wait_class 440 10 "Enter on song 1"
onset=$(pb_first 440 "$start") || e2e_fail "no onset of song 1"
pb_wait_recorded "$onset" 1.2
stop=$(pb_mark)
pb_stop_key
pb_wait_class silent 3 "keypad minus"
pb_stays silent 1.5 "after keypad minus"
before=$(pb_span 440 "$onset" $((stop - onset)))
resume=$(pb_mark)
pb_enter
pb_wait_class 880 10 "Enter on the stopped song, its second tone"
first_sound=$(pb_classes "$resume" | awk '$2 != "silent" { print $2; exit }')
e2e_expect_eq "first tone after the resume" 440 "$first_sound"
after=$(pb_span 440 "$resume")
# 2 s of the low tone in all when it resumes; a restart would add the whole 2 s again.
total=$(awk -v a="$before" -v b="$after" 'BEGIN { printf "%.2f", a + b }')
awk -v t="$total" 'BEGIN { exit !(t >= 1.6 && t <= 2.6) }' ||
  e2e_fail "low tone heard ${before}s before the stop and ${after}s after it: the song did not resume (2 s in all expected)"
e2e_expect_eq "speech events" "create speed${TAB}160 speak${TAB}1 rising" "$(e2e_speech_events | paste -sd ' ')"
e2e_close_main
e2e_pass "heard, silent after keypad minus, resumed (${before}s + ${after}s of the first tone)"

# --- A second Enter on the playing song goes on; Ctrl+S stops it.
e2e_case "second Enter does not restart, Ctrl+S stops"
pb_song "$E2E_CASE_DIR/music/rising.mp3" 440:2 880:3
pb_start_player "$E2E_CASE_DIR" 1
pb_record_start
start=$(pb_mark)
pb_enter
pb_wait_class 440 10 "Enter on song 1"
onset=$(pb_first 440 "$start") || e2e_fail "no onset of song 1"
pb_wait_recorded "$onset" 1.0
pb_enter
pb_wait_class 880 10 "the song's second tone"
high=$(pb_first 880 "$onset") || e2e_fail "no onset of the second tone"
gap=$(pb_seconds $((high - onset)))
# The second tone starts 2 s into the song; a restart at the second Enter would put it at 3 s.
awk -v g="$gap" 'BEGIN { exit !(g >= 1.7 && g <= 2.4) }' ||
  e2e_fail "the second tone came ${gap}s after the first: the second Enter restarted the song"
silences=$(pb_count silent "$onset" $((high - onset)))
((silences == 0)) || e2e_fail "the song broke off for $silences windows at the second Enter"
pb_ctrl_s
pb_wait_class silent 3 "Ctrl+S"
pb_stays silent 1.5 "after Ctrl+S"
pb_no_box || e2e_fail "a box appeared: $E2E_BOX"
e2e_close_main
e2e_pass "second tone ${gap}s after the start, no break, silent after Ctrl+S"

# --- Another song ends the old one at once and plays from its start, also when it was played
# before.
e2e_case "another song replaces the playing one"
pb_song "$E2E_CASE_DIR/music/steady.mp3" 440:8
pb_song "$E2E_CASE_DIR/music/falling.mp3" 880:2 440:6
pb_start_player "$E2E_CASE_DIR" 2
low=$(pb_button_of steady)
high=$(pb_button_of falling)
pb_record_start
pb_focus "$low"
pb_enter
pb_wait_class 440 10 "Enter on the low song"
pb_focus "$high"
switch=$(pb_mark)
pb_enter
pb_wait_class 880 3 "Enter on the other song"
switched=$(pb_first 880 "$switch") || e2e_fail "no onset of the other song"
awk -v s="$(pb_seconds $((switched - switch)))" 'BEGIN { exit !(s <= 1.0) }' ||
  e2e_fail "the other song began $(pb_seconds $((switched - switch)))s after Enter"
e2e_expect_eq "low-tone windows over the new song's start" 0 "$(pb_count both "$switch" $((switched - switch + PB_RATE)))"
pb_wait_recorded "$switched" 0.5
e2e_expect_eq "low-tone windows while the other song plays" 0 "$(pb_count 440 "$switched" $((PB_RATE / 2)))"
# Let the other song reach its low part, go back to the first song, then choose the other again:
# it must start with its high tone, not go on where it was.
pb_wait_class 440 5 "the other song's low part"
pb_focus "$low"
back=$(pb_mark)
pb_enter
# The switch shows as a short break between the two low tones.
ws_wait 5 "a break at the switch" eval '(($(pb_count silent "$back") > 0))' || e2e_fail "no switch to the first song heard"
pb_wait_class 440 5 "the first song again"
pb_focus "$high"
again=$(pb_mark)
pb_enter
pb_wait_class 880 3 "the other song from its start"
# The old song's low tone, the break of the switch, then the first sound of the other song.
first_sound=$(pb_classes "$again" | awk '$2 == "silent" { gap = 1; next } gap { print $2; exit }')
e2e_expect_eq "tone after Enter on the other song again" 880 "$first_sound"
pb_stop_key
pb_wait_class silent 3 "keypad minus"
e2e_close_main
e2e_pass "the old song ended at once, the new one started from its start, twice"

# --- A song that has ended plays again from its start; the stop keys do nothing when nothing
# plays: before any song, and after one ended.
e2e_case "stop keys with nothing playing, an ended song again"
pb_song "$E2E_CASE_DIR/music/short.mp3" 440:1 880:1
pb_start_player "$E2E_CASE_DIR" 1
pb_record_start
events=$(e2e_speech_events)
pb_stop_key
pb_ctrl_s
pb_stays silent 1 "the stop keys before any song"
pb_no_box || e2e_fail "a box appeared for a stop key with nothing playing: $E2E_BOX"
pb_expect_running
start=$(pb_mark)
pb_enter
pb_wait_class 440 10 "Enter on song 1"
pb_wait_class 880 5 "the second tone"
pb_wait_class silent 5 "the end of the song"
pb_stays silent 0.5 "after the end"
pb_stop_key
pb_ctrl_s
pb_stays silent 1 "the stop keys after the end"
pb_no_box || e2e_fail "a box appeared for a stop key after the end: $E2E_BOX"
e2e_expect_eq "speech events" "$events" "$(e2e_speech_events)"
again=$(pb_mark)
pb_enter
pb_wait_class 880 10 "the ended song again, its second tone"
pb_wait_class silent 5 "the second end"
low=$(pb_span 440 "$again")
high=$(pb_span 880 "$again")
awk -v l="$low" -v h="$high" 'BEGIN { exit !(l >= 0.8 && l <= 1.2 && h >= 0.8 && h <= 1.2) }' ||
  e2e_fail "after the end Enter played ${low}s of the first tone and ${high}s of the second (1 s each expected)"
e2e_close_main
e2e_pass "stop keys silent and harmless, the ended song played whole again"
