# Choosing other folders of songs: Ctrl+O while a song plays stops it and opens "フォルダの選択"
# with the program's folder as its only root, expanded and selected; OK on a folder with MP3 files
# rebuilds the button column (fewer songs shrink the window, more songs grow it), makes the player
# active with song 1 focused and announced, and the next Enter plays the new folder's song even
# though it has the same number as the song played before. A folder whose name Shift-JIS cannot
# hold still plays. The dialog keeps its selection from one opening to the next.
source "$(dirname "$0")/folder_lib.sh"

pb_begin speech
e2e_case "choose folders"
old=(a.mp3 b.mp3 c.mp3)
two=("二曲目.mp3" y.mp3)
five=(k1.mp3 k2.mp3 k3.mp3 k4.mp3 k5.mp3)
wide_name="曲𠮷🎵"
wide=(s.mp3)
# Each folder plays its own tone, so the recording tells which folder a song came from.
fd_songs "$E2E_CASE_DIR/music" 440 "${old[@]}"
fd_songs "$E2E_CASE_DIR/two" 880 "${two[@]}"
fd_songs "$E2E_CASE_DIR/five" 440 "${five[@]}"
fd_songs "$E2E_CASE_DIR/$wide_name" 880 "${wide[@]}"
fd_start 3
pb_record_start

fd_play_expect 440 "song 1 of music plays"
fd_open_while_playing

# The first opening: the dialog's frame and buttons, and the folder that holds the program as the
# tree's only root, expanded one level and selected.
e2e_expect_eq "dialog client size" 298x341 "$(ws_field client_size "$(ws_probe rect "$FD_DIALOG_HWND")")"
e2e_expect_eq "dialog buttons" "デスクットプ ＯＫ キャンセル" \
  "$(for b in "${FD_BUTTONS[@]}"; do ws_field text "$b"; echo; done | paste -sd ' ')"
e2e_expect_eq "focus in the dialog" "$FD_TREE_HWND" "$(ws_field focus "$(ws_probe focus "$FD_DIALOG_HWND")")"
tree=$(fd_tree)
e2e_expect_eq "the root node" "0 $(basename "$E2E_CASE_DIR") 1 1 4" "$(head -n 1 <<<"$tree")"
e2e_expect_eq "the root's child nodes" "$(printf '%s\n' five music two "$wide_name" | sort)" \
  "$(tail -n +2 <<<"$tree" | awk '$1 != 1 { print "not depth 1:", $0; next } { print $2 }' | sort)"
e2e_pass "Ctrl+O stopped the song; the dialog opened on the program's folder"

# Fewer songs: the window shrinks; song 1 (as before) now plays from the new folder.
fd_select two
seen=$(e2e_speech_events | wc -l)
pb_enter
fd_wait_closed "OK on two"
fd_expect_rebuilt 2 "${two[@]}"
ws_wait 10 "the announcement of song 1" eval '(($(e2e_speech_events | wc -l) >= seen + 2))'
e2e_expect_eq "speech after OK" "$(printf 'silence\nspeak\t%s' "$(e2e_announcement 1 "${E2E_SONG_NAMES[0]}")")" \
  "$(e2e_speech_events | tail -n +$((seen + 1)))"
fd_play_expect 880 "song 1 of the new folder plays, not the old song 1"
e2e_pass "OK on a folder of 2 songs: 2 buttons, window 240 high, song 1 announced and played from it"

# More songs: the window grows. The dialog opens with the folder chosen last still selected.
fd_open_while_playing
e2e_expect_eq "selection kept from the last opening" two "$(fd_selected_text)"
fd_select five
seen=$(e2e_speech_events | wc -l)
pb_enter
fd_wait_closed "OK on five"
fd_expect_rebuilt 5 "${five[@]}"
ws_wait 10 "the announcement of song 1" eval '(($(e2e_speech_events | wc -l) >= seen + 2))'
e2e_expect_eq "speech after OK" "$(printf 'silence\nspeak\t%s' "$(e2e_announcement 1 "${E2E_SONG_NAMES[0]}")")" \
  "$(e2e_speech_events | tail -n +$((seen + 1)))"
fd_play_expect 440 "song 1 of five plays, not song 1 of two"
e2e_pass "OK on a folder of 5 songs: 5 buttons, window 420 high, song 1 played from it"

# A folder name with characters outside Shift-JIS: its songs are still found and played.
fd_open_while_playing
fd_select "$wide_name"
pb_enter
fd_wait_closed "OK on $wide_name"
fd_expect_rebuilt 1 "${wide[@]}"
fd_play_expect 880 "the song of $wide_name plays"
pb_no_box || e2e_fail "a message box appeared: $E2E_BOX"
e2e_pass "a folder named $wide_name: 1 button, window 180 high, its song plays"

e2e_close_main
