# The player's menu bar: its captions, access keys and shortcuts in display order as the menu bar
# holds them; Ctrl+S with nothing playing does nothing (no box, the program goes on answering
# keys); the version item speaks the version and then shows it in a plain box without icon.
source "$(dirname "$0")/menus_lib.sh"

e2e_begin speech

e2e_case "menu bar"
mn_start speech
menu=$(ws_probe menu "$E2E_MAIN_HWND") || e2e_fail "cannot read the menu bar: $menu"
items=$(printf '%s\n' "$menu" | grep '^item' | while IFS= read -r line; do
  printf '%s|%s|%s|%s|%s\n' "$(ws_field depth "$line")" "$(ws_field text "$line")" \
    "$(ws_field submenu "$line")" "$(ws_field separator "$line")" "$(ws_field disabled "$line")"
done)
expected=$(printf '%s\n' \
  '0|ファイル(&F)|1|0|0' \
  '1|フォルダを指定...(&O)\tCtrl+O|0|0|0' \
  '1|停止(&S)\tCtrl+S|0|0|0' \
  '1|終了(&X)|0|0|0' \
  '0|ヘルプ(&H)|1|0|0' \
  '1|ヘルプ...(&A)|0|0|0' \
  '1|バージョン情報...|0|0|0')
e2e_expect_eq "menu items (depth|caption and shortcut|submenu|separator|disabled)" "$expected" "$items"
e2e_pass "two menus with their five items, access keys and the Ctrl+O and Ctrl+S shortcuts"

mn_subcase "Ctrl+S with nothing playing"
e2e_match_captions "${MN_SONGS[@]}"
seen=$(e2e_speech_events | wc -l)
ws_key ctrl+s
# Down after Ctrl+S: had Ctrl+S opened a box, the box would take the key and song 2 would not
# be announced.
ws_key Down
mn_second_announced() { e2e_speech_events | grep -qF "speak${TAB}$(e2e_announcement 2 "${E2E_SONG_NAMES[1]}")"; }
ws_wait 15 "song 2's announcement" mn_second_announced || e2e_fail "Down after Ctrl+S did not announce song 2"
mn_no_box || e2e_fail "Ctrl+S showed a box: $(ws_probe boxes)"
ws_program_running || e2e_fail "the program ended after Ctrl+S"
e2e_expect_eq "speech after Ctrl+S and Down" \
  "$(printf 'silence\nspeak\t%s' "$(e2e_announcement 2 "${E2E_SONG_NAMES[1]}")")" \
  "$(e2e_speech_events | tail -n +$((seen + 1)))"
e2e_pass "no box, nothing spoken, the next key is still handled"

mn_subcase "version message"
seen=$(e2e_speech_events | wc -l)
# バージョン情報... has no access key: the second item of the Help menu.
mn_menu h Down Return
e2e_wait_box
# The speech is not waited for, but it is asked for before the box opens.
e2e_expect_eq "speech when the version box is shown" "speak${TAB}$MN_VERSION_SPOKEN" \
  "$(e2e_speech_events | tail -n +$((seen + 1)))"
e2e_expect_box "$MN_TITLE" "$MN_VERSION_BOX" 0
e2e_press_box
mn_wait_active "$E2E_MAIN_HWND" "the player window after the version box"
ws_program_running || e2e_fail "the program ended after the version box"
e2e_close_main
mn_expect_release_once_last
e2e_pass "version spoken, then the plain box titled $MN_TITLE with the version and the credit"
