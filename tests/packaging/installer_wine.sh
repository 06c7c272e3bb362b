# The installer under Wine, in a fresh prefix: a silent install lays out the program, the working
# folder with the demo songs and the help file, both shortcuts and the uninstall entry; both
# shortcuts start the player on the demo songs; a reinstall leaves the teacher's songs and help
# alone but refreshes a help file nobody changed; with the player running, an update or uninstall
# fails and changes nothing; the uninstall removes the program, its shortcuts and its registry
# entries and leaves the working folder and every song in it.
#
# This Wine runs 64-bit programs only, so the installer run here is the 64-bit twin of the one
# that ships (the same script, around the 64-bit otopicco.exe).
source "$(dirname "$0")/packaging_lib.sh"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Otopicco'
settings_key='HKCU\Software\Otopicco'

pk_begin
program_dir=$PK_PROFILE/AppData/Local/Programs/Otopicco
work_dir=$PK_PROFILE/Documents/Otopicco
start_menu_link=$PK_PROFILE/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Otopicco.lnk
desktop_link=$PK_PROFILE/Desktop/Otopicco.lnk

# What the installer must lay out: the files of the portable zip, which ship the same program.
shipped=$WS_DIR/shipped
mkdir -p "$shipped" && unzip -q "$OTOPICCO_PORTABLE_ZIP" -d "$shipped" || pk_fail "cannot unpack the zip"
shipped=$shipped/Otopicco

install_silently() {
  wine "$OTOPICCO_INSTALLER" /S >>"$WS_DIR/wine.log" 2>&1 || pk_fail "the installer failed ($?)"
}

PK_STEP="first install"
install_silently
cmp -s "$program_dir/otopicco.exe" "$shipped/otopicco.exe" || pk_fail "no otopicco.exe or another one in $program_dir"
[[ -f $program_dir/uninstall.exe ]] || pk_fail "no uninstall.exe in $program_dir"
cmp -s "$work_dir/ReadMe_sapi.txt" "$shipped/ReadMe_sapi.txt" || pk_fail "the working folder's help file is not the shipped one"
pk_expect_eq "demo songs in the working folder" "$(pk_song_titles "$shipped/music")" "$(pk_song_titles "$work_dir/music")"
for song in "$shipped"/music/*; do
  cmp -s "$song" "$work_dir/music/$(basename "$song")" || pk_fail "$(basename "$song") differs from the shipped song"
done
pk_expect_eq "Add/Remove Programs name" "Otopicco" "$(pk_reg_value "$uninstall_key" DisplayName)"
pk_expect_eq "Add/Remove Programs version" "$OTOPICCO_VERSION" "$(pk_reg_value "$uninstall_key" DisplayVersion)"
uninstaller=$(pk_reg_value "$uninstall_key" UninstallString | tr -d '"')
pk_expect_eq "uninstaller registered" "$program_dir/uninstall.exe" "$(pk_unix_path "$uninstaller")"
pk_expect_eq "quiet uninstall" "\"$uninstaller\" /S" "$(pk_reg_value "$uninstall_key" QuietUninstallString)"
pk_pass "program, working folder, demo songs, help file and uninstall entry laid out"

PK_STEP="shortcuts"
for link in "$start_menu_link" "$desktop_link"; do
  [[ -f $link ]] || pk_fail "no shortcut $link"
  fields=$("$PK_PYTHON" "$PK_HERE/lnk.py" "$link") || pk_fail "cannot read $link"
  target=$(sed -n 's/^target=//p' <<<"$fields")
  start_folder=$(sed -n 's/^workdir=//p' <<<"$fields")
  pk_expect_eq "$(basename "$(dirname "$link")") shortcut's program" "$program_dir/otopicco.exe" "$(pk_unix_path "$target")"
  pk_expect_eq "$(basename "$(dirname "$link")") shortcut's start folder" "$work_dir" "$(pk_unix_path "$start_folder")"
  pk_expect_eq "shortcut's arguments" "" "$(sed -n 's/^arguments=//p' <<<"$fields")"
  pk_expect_eq "shortcut's icon" "$target" "$(sed -n 's/^icon=//p' <<<"$fields")"
done
# Opened as Explorer opens them: through the shell, from a folder without songs.
for link in "$start_menu_link" "$desktop_link"; do
  pk_start_shortcut "$(pk_windows_path "$link")"
  pk_expect_player_on "$work_dir/music"
done
pk_pass "both shortcuts start the installed program in the working folder, on the demo songs"

PK_STEP="update refreshes an unchanged help file"
# As an earlier version leaves it: its own help in the program folder and, unchanged, in the
# working folder.
printf 'old help\r\n' | tee "$program_dir/ReadMe_sapi.txt" >"$work_dir/ReadMe_sapi.txt"
install_silently
cmp -s "$work_dir/ReadMe_sapi.txt" "$shipped/ReadMe_sapi.txt" || pk_fail "the unchanged help file was not refreshed"
pk_pass "an unchanged help file is replaced by this version's"

PK_STEP="update keeps the teacher's songs and help"
first_demo=$(find "$work_dir/music" -name '*.mp3' -printf '%f\n' | sort | head -n 1)
rm "$work_dir/music/$first_demo"
pk_song "$work_dir/music/先生のうた.mp3"
printf '先生より: 毎朝「さくら」を聞きます。\r\n' | iconv -f UTF-8 -t CP932 >>"$work_dir/ReadMe_sapi.txt"
before=$(pk_folder_state "$work_dir")
install_silently
pk_expect_eq "working folder after the reinstall" "$before" "$(pk_folder_state "$work_dir")"
cmp -s "$program_dir/otopicco.exe" "$shipped/otopicco.exe" || pk_fail "the reinstall lost the program"
[[ -f $start_menu_link && -f $desktop_link ]] || pk_fail "the reinstall lost a shortcut"
pk_start_shortcut "$(pk_windows_path "$desktop_link")"
pk_expect_player_on "$work_dir/music"
pk_pass "a removed demo song stays removed, the teacher's song and help are untouched, and the player shows them"

PK_STEP="update and uninstall wait for the player to close"
# A program file other than this version's, as an earlier version leaves it.
printf 'earlier' >>"$program_dir/otopicco.exe"
program_before=$(sha256sum <"$program_dir/otopicco.exe")
before=$(pk_folder_state "$work_dir")
pk_start_shortcut "$(pk_windows_path "$desktop_link")"
pk_wait_player_on "$work_dir/music"
wine "$OTOPICCO_INSTALLER" /S >>"$WS_DIR/wine.log" 2>&1 && pk_fail "a silent update reported success with the player running"
pk_expect_eq "program after the refused update" "$program_before" "$(sha256sum <"$program_dir/otopicco.exe")"
# In place (_?=), the uninstaller runs to its end before it returns.
wine "$(pk_unix_path "$uninstaller")" /S "_?=$(pk_windows_path "$program_dir")" >>"$WS_DIR/wine.log" 2>&1 &&
  pk_fail "a silent uninstall reported success with the player running"
pk_expect_eq "program after the refused uninstall" "$program_before" "$(sha256sum <"$program_dir/otopicco.exe")"
[[ -f $start_menu_link && -f $desktop_link ]] || pk_fail "the refused uninstall removed a shortcut"
pk_reg_key_exists "$uninstall_key" || pk_fail "the refused uninstall removed the uninstall entry"
pk_expect_eq "working folder after the refused update and uninstall" "$before" "$(pk_folder_state "$work_dir")"
pk_close_player
install_silently
cmp -s "$program_dir/otopicco.exe" "$shipped/otopicco.exe" || pk_fail "the update after closing did not replace the program"
pk_pass "with the player running, both fail without touching anything; once it is closed the update goes through"

PK_STEP="uninstall"
before=$(pk_folder_state "$work_dir")
# The uninstaller copies itself away and returns at once; the copy removes the uninstall entry
# last, and then the program folder holds nothing more.
wine "$(pk_unix_path "$uninstaller")" /S >>"$WS_DIR/wine.log" 2>&1 || pk_fail "the uninstaller failed ($?)"
ws_wait 60 "the uninstall entry to go" pk_reg_key_gone "$uninstall_key" || pk_fail "the uninstall entry stayed"
program_dir_gone() { [[ ! -e $program_dir ]]; }
ws_wait 30 "the program folder to go" program_dir_gone || pk_fail "left in $program_dir: $(ls -A "$program_dir")"
[[ ! -e $start_menu_link ]] || pk_fail "the Start-menu shortcut stayed"
[[ ! -e $desktop_link ]] || pk_fail "the desktop shortcut stayed"
pk_reg_key_gone "$settings_key" || pk_fail "the settings key $settings_key stayed"
pk_expect_eq "working folder after the uninstall" "$before" "$(pk_folder_state "$work_dir")"
[[ -f "$work_dir/music/先生のうた.mp3" ]] || pk_fail "the teacher's song is gone"
pk_pass "program, shortcuts and registry entries removed; the working folder and its songs kept"
