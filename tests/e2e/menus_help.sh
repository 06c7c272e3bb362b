# The help window: opened from the menu with Alt+H, A, captioned "ヘルプ", its "おわる" button
# holding the focus; it shows ReadMe_sapi.txt of the working directory, Left and Right do not move
# the caret in its text, "おわる" (Enter) hides it and reopening shows the same text even after
# the file changed on disk. A NUL byte in the file shows as a blank and cuts nothing off. Started
# without the file, one error box about it comes first and the window shows the built-in text.
source "$(dirname "$0")/menus_lib.sh"

help_lines=("オトピッコのヘルプ（テスト用）" "　↓キーで次の曲へ。" "Enterキーで演奏します。" "" "最後の行")

e2e_begin speech

e2e_case "help file in the working directory"
mn_write_help "$E2E_CASE_DIR" "${help_lines[@]}"
mn_start speech
mn_help_hidden || e2e_fail "the help window should exist hidden before it is asked for: [$MN_HELP]"
spoken=$(e2e_speech_events)
mn_open_help
e2e_expect_eq "help window caption" "ヘルプ" "$(ws_field title "$MN_HELP")"
mn_read_help_controls
e2e_expect_eq "help button caption" "おわる" "$(ws_field text "$MN_HELP_BUTTON")"
e2e_expect_eq "focus when the help window opens" "$(ws_field hwnd "$MN_HELP_BUTTON")" "$(mn_focused "$MN_HELP_HWND")"
mn_expect_memo_lines "help text" "${help_lines[@]}"
e2e_expect_eq "speech while opening the help window" "$spoken" "$(e2e_speech_events)"
e2e_pass "caption, focus on おわる, the file's lines, nothing spoken"

mn_subcase "Left and Right in the help text"
memo=$(ws_field hwnd "$MN_HELP_MEMO")
ws_key Tab
ws_wait 10 "the focus in the help text" eval '[[ $(mn_focused "$MN_HELP_HWND") == "$memo" ]]' ||
  e2e_fail "Tab did not move the focus into the help text"
ws_key ctrl+Home
ws_wait 10 "the caret at the start" eval '[[ $(mn_selection) == "0 0" ]]' ||
  e2e_fail "Ctrl+Home did not put the caret at the start: $(mn_selection)"
# Caret positions count characters, each line end two (CR LF).
line2=$(( $(printf '%s' "${help_lines[0]}" | wc -m) + 2 ))
line3=$(( line2 + $(printf '%s' "${help_lines[1]}" | wc -m) + 2 ))
ws_key Down Down
mn_caret_at() { caret=$(mn_selection) && [[ $caret == "$1 $1" ]]; }
ws_wait 10 "the caret at the start of line 3" mn_caret_at "$line3" ||
  e2e_fail "Down Down did not put the caret at the start of line 3 ($line3): $caret"
ws_key Right Right Left
# Up behind Left and Right: once it has moved the caret, Left and Right have been handled.
ws_key Up
mn_caret_up() { after=$(mn_selection) && [[ $after != "$caret" ]]; }
ws_wait 10 "the caret one line up" mn_caret_up || e2e_fail "Up did not move the caret"
# Had Right or Left moved the caret along line 3, Up would land off the start of line 2.
e2e_expect_eq "caret after Down Down Right Right Left Up" "$line2 $line2" "$after"
ws_key Tab
ws_wait 10 "the focus back on おわる" eval '[[ $(mn_focused "$MN_HELP_HWND") == "$(ws_field hwnd "$MN_HELP_BUTTON")" ]]' ||
  e2e_fail "Tab did not move the focus back to おわる"
e2e_pass "the caret moves up and down only"

mn_subcase "おわる and reopening"
ws_key Return
ws_wait 10 "the help window hidden" mn_help_hidden || e2e_fail "Enter on おわる did not hide the help window"
mn_write_help "$E2E_CASE_DIR" "書きかえたヘルプ" "これは表示されないはず"
mn_open_help
mn_expect_memo_lines "help text after reopening" "${help_lines[@]}"
e2e_expect_eq "focus when the help window opens again" "$(ws_field hwnd "$MN_HELP_BUTTON")" "$(mn_focused "$MN_HELP_HWND")"
ws_key Return
ws_wait 10 "the help window hidden" mn_help_hidden || e2e_fail "Enter on おわる did not hide the help window again"
e2e_close_main
mn_expect_release_once_last
e2e_pass "hidden by おわる, the same text again, the changed file not read"

e2e_case "help file holding a NUL byte"
# The NUL shows as a blank, as Notepad shows it, and nothing after it is lost.
{ e2e_sjis "前"; printf '\0'; e2e_sjis "後ろの文"; printf '\r\n\0\r\n'; e2e_sjis "最後の行"; printf '\r\n'; } \
  >"$E2E_CASE_DIR/ReadMe_sapi.txt" || e2e_fail "cannot write the help file"
mn_start speech
mn_open_help
mn_expect_memo_lines "help text with NUL bytes" "前 後ろの文" " " "最後の行"
ws_key Return
ws_wait 10 "the help window hidden" mn_help_hidden || e2e_fail "Enter on おわる did not hide the help window"
e2e_close_main
mn_expect_release_once_last
e2e_pass "every line shown whole, each NUL as a blank"

e2e_case "no help file in the working directory"
e2e_songs "$E2E_CASE_DIR/music" "${MN_SONGS[@]}"
e2e_launch "$E2E_CASE_DIR"
e2e_expect_box "$MN_TITLE" "$MN_CANNOT_OPEN" 1
e2e_press_box
e2e_wait_main 2
ws_wait 20 "song 1's announcement" mn_first_announced || e2e_fail "song 1 was not announced"
mn_no_box || e2e_fail "a second box after the help file's: $(ws_probe boxes)"
mn_open_help
text=$(mn_memo_text)
e2e_expect_eq "first line of the built-in help" "●Otopicco SAPI4版　Ver2.0 ヘルプ" "${text%%'\r\n'*}"
use=$(mn_escaped_lines \
  "　↓キー(あるいはTabキー)でひとつ下の曲に移動できま" \
  "す、移動後、曲の番号と曲名が合成音声で読まれます。ま" \
  "た、一番下の曲まで移動しますと、一番上の曲に移動しま" \
  "す。" \
  "　Enterキーを押すと、その曲を演奏することができます。" \
  "　Ctrl+Sキーまたはテンキーの－で、演奏中の曲を止める" \
  "　ことができます。" \
  "" \
  "　終了はAlt+F4で終わってください。")
[[ $text == *'[使い方]\r\n'"$use"'\r\n'* ]] || e2e_fail "the built-in help lacks the use section as stored: [$text]"
ws_key Return
ws_wait 10 "the help window hidden" mn_help_hidden || e2e_fail "Enter on おわる did not hide the help window"
e2e_close_main
mn_expect_release_once_last
e2e_pass "one error box titled $MN_TITLE, then the built-in text"
