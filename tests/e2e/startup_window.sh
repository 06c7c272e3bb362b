# The player window after a successful start with 1, 10 and 20 songs: its outer size, the song
# buttons' captions, positions and font in tab order, the speech control's speed set after the
# buttons exist and before the first announcement, and a music folder left exactly as it was.
source "$(dirname "$0")/e2e_lib.sh"

# start_with NAME...: a music folder of these songs (plus entries that are no songs), started.
start_with() {
  local count=$#
  E2E_MUSIC=$E2E_CASE_DIR/cwd/music
  e2e_songs "$E2E_MUSIC" "$@"
  mkdir -p "$E2E_MUSIC/old.mp3"
  echo "not a song" >"$E2E_MUSIC/notes.txt"
  e2e_readme "$E2E_CASE_DIR/cwd"
  E2E_MUSIC_BEFORE=$(e2e_folder_state "$E2E_MUSIC")
  e2e_launch "$E2E_CASE_DIR/cwd"
  e2e_wait_main "$count"
}

first_announced() { e2e_speech_events | grep -q "^speak${TAB}"; }

# The log holds create, speed 160 (with every button made), then song 1's announcement.
expect_startup_speech() {
  local count=$1
  ws_wait 10 "the first announcement" first_announced || e2e_fail "song 1 was not announced"
  e2e_expect_speech create "speed${TAB}160" "speak${TAB}$(e2e_announcement 1 "${E2E_SONG_NAMES[0]}")"
  e2e_expect_eq "song buttons when the speed was set" "$count" "$(grep "${TAB}speed${TAB}" "$E2E_SPEECH_LOG" | cut -f2)"
}

# Title, place on the screen, fixed frame with minimise but no maximise box, outer size, the
# yellow background, the button column.
expect_window() {
  local count=$1 style
  e2e_expect_eq "window title" "Otopicco♪" "$(ws_field title "$E2E_MAIN")"
  e2e_expect_eq "window left and top" "343,116" "$(ws_field rect "$E2E_MAIN" | cut -d, -f1-2)"
  style=$(ws_field style "$E2E_MAIN")
  e2e_expect_eq "sizing frame, maximise box, minimise box, system menu (0/1)" "0 0 1 1" \
    "$(((style >> 18) & 1)) $(((style >> 16) & 1)) $(((style >> 17) & 1)) $(((style >> 19) & 1))"
  e2e_expect_eq "outer size" "320x$((60 * (count - 1) + 180))" "$(ws_field outer_size "$(ws_probe rect "$E2E_MAIN_HWND")")"
  e2e_expect_button_layout
}

finish_unchanged() {
  e2e_close_main
  e2e_expect_eq "last speech event" "release" "$(e2e_speech_events | tail -n 1)"
  e2e_expect_eq "music folder after the run" "$E2E_MUSIC_BEFORE" "$(e2e_folder_state "$E2E_MUSIC")"
}

e2e_begin speech

e2e_case "one song"
start_with "ABC.MP3"
expect_window 1
e2e_match_captions "ABC.MP3"
e2e_expect_button_font "${E2E_BUTTONS[0]}"
expect_startup_speech 1
# Left of the column the background shows; song 1 is framed in blue after its announcement.
e2e_expect_eq "background left of the buttons" "FFFF00" "$(ws_field rgb "$(ws_probe clientpixel "$E2E_MAIN_HWND" 4 30)")"
e2e_expect_eq "frame left of song 1" "0000FF" "$(ws_field rgb "$(ws_probe clientpixel "$E2E_MAIN_HWND" 14 30)")"
focus=$(ws_probe focus "$E2E_MAIN_HWND")
e2e_expect_eq "focused control" "$(ws_field hwnd "${E2E_BUTTONS[0]}")" "$(ws_field focus "$focus")"
finish_unchanged
e2e_pass "window 320x180, caption [ 1 ABC + 17 blanks], speed then announcement"

# Names with Japanese, half-width katakana, punctuation, an upper-case extension, hidden files
# (Wine marks dot files hidden), exactly 20 and 21 bytes, and an empty title.
ten=("ABC.mp3" "さくら.mp3" "it's a [test] & 100%.mp3" "日本語の歌のタイトル.mp3" "abcdefghijklmnopqrstu.mp3"
  "UPPER.MP3" ".hidden song.mp3" "a,b;c=d+e~f.mp3" "ﾊﾝｶｸ ｶﾅ.mp3" ".mp3")
e2e_case "ten songs"
start_with "${ten[@]}"
expect_window 10
e2e_match_captions "${ten[@]}"
for button in "${E2E_BUTTONS[@]}"; do e2e_expect_button_font "$button"; done
expect_startup_speech 10
finish_unchanged
e2e_pass "window 320x720, ten captions in tab order, fonts, speech order"

twenty=()
for i in $(seq -w 1 10); do twenty+=("song $i.mp3" "みんなのうた$i.mp3"); done
e2e_case "twenty songs"
start_with "${twenty[@]}"
expect_window 20
e2e_match_captions "${twenty[@]}"
e2e_expect_button_font "${E2E_BUTTONS[0]}"
e2e_expect_button_font "${E2E_BUTTONS[19]}"
expect_startup_speech 20
finish_unchanged
e2e_pass "window 320x1320, twenty buttons"
