# A music folder of 2,000 songs: the player starts about as fast as with one song, shows at most
# 21 buttons with a window sized for them, and leaves the folder exactly as it was.
source "$(dirname "$0")/e2e_lib.sh"

SONGS=2000

seconds_since() { echo "$1 $EPOCHREALTIME" | awk '{ printf "%.1f", $2 - $1 }'; }

e2e_begin nospeech
# The plain box about the missing engine would stop the clock: measure with the speech double.
e2e_speech speech

e2e_case "one song, for comparison"
e2e_songs "$E2E_CASE_DIR/cwd/music" "only.mp3"
e2e_readme "$E2E_CASE_DIR/cwd"
start=$EPOCHREALTIME
e2e_launch "$E2E_CASE_DIR/cwd"
e2e_wait_main 1
small=$(seconds_since "$start")
e2e_close_main

e2e_case "$SONGS songs"
music=$E2E_CASE_DIR/cwd/music
mkdir -p "$music"
e2e_readme "$E2E_CASE_DIR/cwd"
tone=$(e2e_tone 440)
for ((i = 1; i <= SONGS; i++)); do printf '%s\0' "$music/track $i.mp3"; done | xargs -0 -n 200 sh -c 'for f; do cp "$0" "$f"; done' "$tone"
before=$(e2e_folder_state "$music")
start=$EPOCHREALTIME
e2e_launch "$E2E_CASE_DIR/cwd"
ws_wait 30 "the player window" e2e_main_shown || e2e_fail "the player window did not appear"
E2E_MAIN_HWND=$(ws_field hwnd "$E2E_MAIN")
# A long list gets 20 or 21 buttons; wait until the count stops at one of them.
ws_wait 10 "20 or 21 buttons" eval 'e2e_read_buttons; ((${#E2E_BUTTONS[@]} == 20 || ${#E2E_BUTTONS[@]} == 21))' ||
  e2e_fail "expected 20 or 21 buttons, found ${#E2E_BUTTONS[@]}"
large=$(seconds_since "$start")
count=${#E2E_BUTTONS[@]}
awk -v s="$small" -v l="$large" 'BEGIN { exit !(l <= s + 3 && l <= 15) }' ||
  e2e_fail "start with $SONGS songs took ${large}s, with one song ${small}s"
e2e_expect_eq "outer size" "320x$((60 * (count - 1) + 180))" "$(ws_field outer_size "$(ws_probe rect "$E2E_MAIN_HWND")")"
e2e_expect_button_layout
# Each caption names a song of the folder, each song at most once.
declare -A seen
for i in "${!E2E_BUTTONS[@]}"; do
  caption=$(ws_field text "${E2E_BUTTONS[$i]}")
  [[ $caption =~ ^\ $((i + 1))\ (track\ [0-9]+)\ +$ ]] || e2e_fail "button $((i + 1)) caption [$caption]"
  title=${BASH_REMATCH[1]}
  [[ -f "$music/$title.mp3" && -z ${seen[$title]} ]] || e2e_fail "button $((i + 1)) names [$title]"
  seen[$title]=1
done
e2e_close_main
e2e_expect_eq "music folder after the run" "$before" "$(e2e_folder_state "$music")"
e2e_pass "$count buttons after ${large}s (one song: ${small}s), folder unchanged"
