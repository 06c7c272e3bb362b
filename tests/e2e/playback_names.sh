# Song files whose names would break an MCI command string (quotes, spaces, "%", "&", brackets)
# or that hold Japanese and characters Shift-JIS cannot hold: every one of them plays. Each song
# is chosen in turn; it must be heard, without an error box, and stop on keypad minus.
source "$(dirname "$0")/playback_lib.sh"

names=(
  "it's 'quoted'.mp3"
  "two  spaces here.mp3"
  "100% sure.mp3"
  "rock & roll.mp3"
  "(live) [take 2].mp3"
  "さくら さくら.mp3"
  "🎵 emoji.mp3"
  "𠮷野家の歌.mp3"
  "a;b,c=d^e!.mp3"
)

pb_begin speech
e2e_case "names that must play"
for name in "${names[@]}"; do pb_song "$E2E_CASE_DIR/music/$name" 440:6; done
pb_start_player "$E2E_CASE_DIR" ${#names[@]}
pb_record_start
for ((i = 0; i < ${#names[@]}; i++)); do
  pb_focus "$i"
  caption=$(ws_field text "${E2E_BUTTONS[$i]}")
  pb_enter
  ws_wait 10 "song $((i + 1)) [$caption]" pb_tail_is 440 ||
    { e2e_box_shown && e2e_fail "song $((i + 1)) [$caption] gave a box: $E2E_BOX"; e2e_fail "song $((i + 1)) [$caption] was not heard"; }
  pb_no_box || e2e_fail "song $((i + 1)) [$caption] gave a box: $E2E_BOX"
  pb_stop_key
  pb_wait_class silent 3 "keypad minus on song $((i + 1)) [$caption]"
done
e2e_close_main
e2e_pass "all ${#names[@]} songs heard"
