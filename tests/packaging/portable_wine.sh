# The portable zip under Wine: unpacked into a folder of a stick, the program started in its own
# folder, as a double-click starts it, shows the demo songs beside it, announces the first one and
# ends cleanly, leaving the unpacked folder as it was.
#
# This Wine runs 64-bit programs only, so the zip run here is the 64-bit twin of the one that
# ships (the same layout, around the 64-bit otopicco.exe).
source "$(dirname "$0")/packaging_lib.sh"

pk_begin
stick="$WS_DIR/USB stick"
mkdir -p "$stick" && unzip -q "$OTOPICCO_PORTABLE_ZIP" -d "$stick" || pk_fail "cannot unpack the zip"
folder=$stick/Otopicco

PK_STEP="unpacked"
pk_expect_eq "unpacked top level" "Otopicco" "$(ls -A "$stick")"
pk_expect_eq "unpacked folder" "$(printf '%s\n' ReadMe_sapi.txt music otopicco.exe)" "$(ls -A "$folder" | LC_ALL=C sort)"
[[ -n $(pk_song_titles "$folder/music") ]] || pk_fail "no songs in the unpacked music folder"
pk_pass "otopicco.exe, ReadMe_sapi.txt and music/ side by side"

PK_STEP="double-click"
before=$(pk_folder_state "$folder")
pk_start_in "$folder" "$folder/otopicco.exe"
pk_expect_player_on "$folder/music"
pk_expect_eq "unpacked folder after the run" "$before" "$(pk_folder_state "$folder")"
pk_pass "the program started in its own folder shows the songs beside it"
