# OK on a folder without songs: a folder with no MP3 file at all, and one whose only match is a
# directory named x.mp3, both give the plain box "mp3ファイルがみつかりません。" titled "otopicco";
# the player then has its old buttons, the focus back on the song it had, nothing is announced,
# and songs still come from the folder in force before (music at first, later a chosen one).
source "$(dirname "$0")/folder_lib.sh"

# fd_ok_without_songs FOLDER FOCUSED CLASS: selects FOLDER, OK, the box, OK on the box; then the
# player is back as it was with song FOCUSED (zero-based) focused, nothing was spoken meanwhile,
# and Enter resumes the stopped song (tone CLASS).
fd_ok_without_songs() {
  local folder=$1 focused=$2 class=$3 captions seen
  captions=$(fd_captions)
  fd_select "$folder"
  seen=$(e2e_speech_events | wc -l)
  pb_enter
  e2e_expect_box "otopicco" "$FD_NO_MP3" 0
  e2e_press_box
  fd_wait_closed "after the box for $folder"
  fd_expect_back "$focused" "$captions"
  # The stopped song resumes from the old folder. By the time it is heard, a focus announcement
  # on the return would have been logged long since.
  fd_play_expect "$class" "the stopped song resumes after OK on $folder"
  e2e_expect_eq "speech events from OK on $folder to the song" "" "$(e2e_speech_events | tail -n +$((seen + 1)))"
}

# fd_next_song_plays KEY INDEX CLASS: KEY moves to song INDEX, whose announcement is waited for;
# Enter opens its file from the folder in force and plays CLASS, with no message box.
fd_next_song_plays() {
  local seen
  seen=$(pb_speak_count)
  ws_key "$1"
  pb_wait_focus "$2"
  ws_wait 10 "the announcement of song $(($2 + 1))" eval '(($(pb_speak_count) > seen))' ||
    e2e_fail "song $(($2 + 1)) was not announced"
  fd_play_expect "$3" "song $(($2 + 1)) plays from the folder in force"
  pb_no_box || e2e_fail "a message box appeared: $E2E_BOX"
}

pb_begin speech
e2e_case "folders without songs"
fd_songs "$E2E_CASE_DIR/music" 440 a.mp3 b.mp3 c.mp3
mkdir -p "$E2E_CASE_DIR/empty" "$E2E_CASE_DIR/dironly/x.mp3"
printf 'not a song\n' >"$E2E_CASE_DIR/empty/notes.txt"
pb_song "$E2E_CASE_DIR/dironly/x.mp3/inside.mp3" 880:8
pb_song "$E2E_CASE_DIR/two/p.mp3" 880:8
pb_song "$E2E_CASE_DIR/two/q.mp3" 880:8
fd_start 3
pb_record_start
before=$(e2e_folder_state "$E2E_CASE_DIR/dironly")

fd_next_song_plays Down 1 440
fd_open_while_playing
fd_ok_without_songs empty 1 440
fd_next_song_plays Down 2 440
e2e_pass "a folder without MP3 files: the box, the old buttons and focus, songs from music"

fd_open_while_playing
e2e_expect_eq "selection kept after the failed OK" empty "$(fd_selected_text)"
fd_ok_without_songs dironly 2 440
fd_next_song_plays Up 1 440
e2e_expect_eq "the folder with x.mp3 is untouched" "$before" "$(e2e_folder_state "$E2E_CASE_DIR/dironly")"
e2e_pass "a folder whose only match is a directory x.mp3: the same box, songs from music"

# After a folder was chosen, a failed OK keeps that folder, not music.
fd_open_while_playing
fd_select two
pb_enter
fd_wait_closed "OK on two"
fd_expect_rebuilt 2 p.mp3 q.mp3
fd_play_expect 880 "song 1 of two plays"
fd_open_while_playing
fd_ok_without_songs empty 0 880
fd_next_song_plays Down 1 880
e2e_pass "a failed OK after choosing two: songs still come from two"

e2e_close_main
