# The Debian package on this machine, as a teacher uses it: apt installs it with what it depends
# on; the desktop entry's command starts the player, on a private X server, with a private home,
# in ~/Otopicco on the demo songs, and song 1 is announced; a song the teacher adds is there at
# the next start; removing and then purging the package leaves the teacher's folder exactly as
# it was, and takes the package's voice configuration only with the purge. The machine is left as
# the test found it (debian_machine.sh), also when a step fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/debian_lib.sh"
source "$here/debian_machine.sh"
source "$repo/scripts/linux-session.sh"

package=$OTOPICCO_DEB_DIR/otopicco_${OTOPICCO_VERSION}_$(dpkg --print-architecture).deb
shipped=/usr/share/otopicco
TAB=$'\t'

dm_require_permission
[[ -f $package ]] || dl_fail "no package (packaging_debian_build makes it)"
ls_start log
# The machine first: the session's folder, with apt's log, goes with a successful ls_stop.
trap 'status=$?; set +e; dm_restore; (exit $status); ls_stop; exit $status' EXIT
DM_LOG=$LS_DIR/apt.log
dm_lock
export HOME=$LS_DIR/home
unset XDG_STATE_HOME XDG_DATA_HOME
mkdir -p "$HOME"
folder=$HOME/Otopicco

on_failure() {
  [[ -s $LS_DIR/program.log ]] && { echo "--- program output" >&2; tail -n 20 "$LS_DIR/program.log" >&2; }
  echo "--- speech" >&2
  cat "$LS_SPEECH_LOG" >&2
  ls_screenshot "$LS_DIR/failure.png" && echo "screenshot: $LS_DIR/failure.png" >&2
}
fail() { on_failure; dl_fail "$@"; }

DL_STEP="install"
dm_install "$package"
dm_installed otopicco || fail "dpkg does not list otopicco as installed"
dl_expect_eq "the command" /usr/bin/otopicco "$(command -v otopicco)"
dpkg-query -W -f='${Conffiles}' otopicco | grep -q " $DM_VOICE_CONF " ||
  fail "$DM_VOICE_CONF is not a conffile"
speaker=$(sed -n 's/^GenericExecuteSynth .*| *\([^ ]*\) .*/\1/p' "$DM_VOICE_CONF" | tr -d "\\\\'")
[[ -x $speaker ]] && dpkg-query -S "$speaker" 2>/dev/null | grep -q '^otopicco: ' ||
  fail "the voice configuration runs [$speaker], not the package's own program"
desktop=/usr/share/applications/otopicco.desktop
command=$(sed -n 's/^Exec=//p' "$desktop")
dl_expect_eq "the desktop entry's command" otopicco "$command"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null 2>&1 || fail "no icon $icon in the hicolor theme"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
dl_pass "installed with its command, desktop entry, icon and the voice configuration as a conffile"

# The player started by COMMAND from the root folder, as a desktop starts it: it must announce
# song 1, titled TITLE, from ~/Otopicco.
player_pid=
spoken_before=0
spoken_since() { tail -n "+$((spoken_before + 1))" "$LS_SPEECH_LOG" | grep "${TAB}speak${TAB}" | cut -f6; }
has_spoken() { [[ $(spoken_since | wc -l) -ge $1 ]]; }
expect_player_on() {
  local title=$1
  shift
  spoken_before=$(wc -l <"$LS_SPEECH_LOG")
  ls_launch / "$@" 9>&-
  player_pid=$LS_PROGRAM_PID
  ls_wait 40 "the first announcement" has_spoken 1 || fail "song 1 was not announced"
  dl_expect_eq "first announcement" "1 $title" "$(spoken_since | head -n 1)"
  dl_expect_eq "the player's folder" "$folder" "$(readlink "/proc/$player_pid/cwd")"
}

windows_shown() { [[ $(xdotool search --onlyvisible --pid "$player_pid" 2>/dev/null | wc -l) -ge $1 ]]; }

# Keypad divide says goodbye in a message box; Enter closes it and the player ends.
close_player() {
  xdotool key KP_Divide
  ls_wait 10 "the goodbye box" windows_shown 2 || fail "no goodbye box"
  ls_wait 10 "the goodbye" has_spoken 2 || fail "no goodbye said"
  xdotool key Return
  ls_program_wait_exit 20 || fail "the player did not end"
  dl_expect_eq "exit code" 0 "$LS_PROGRAM_RC"
}

DL_STEP="first start"
first_demo=$(find "$shipped/music" -name '*.mp3' -printf '%f\n' | sed 's/\.mp3$//' | LC_ALL=C sort -f | head -n 1)
[[ -n $first_demo ]] || fail "no demo songs in $shipped/music"
expect_player_on "$first_demo" $command
dl_expect_eq "the teacher's songs" "$(cd "$shipped/music" && ls)" "$(cd "$folder/music" && ls)"
cmp -s "$shipped/ReadMe_sapi.txt" "$folder/ReadMe_sapi.txt" || fail "no copy of the help file"
# Once it has spoken, the player loads its song player, the installed module beside it.
module=/usr/libexec/otopicco/otopicco-gstreamer.so
song_player_loaded() { grep -q " $module\$" "/proc/$player_pid/maps"; }
ls_wait 20 "the song player" song_player_loaded || fail "the player did not load $module"
close_player
dl_pass "the desktop entry starts the player in ~/Otopicco, made with the demo songs; song 1 announced; its song player loads"

DL_STEP="second start"
# A short tone named to come first: the player must show the teacher's folder, not the demo's.
sox -n -r 22050 -c 1 "$LS_DIR/tone.wav" synth 0.4 sine 660 2>>"$LS_DIR/sox.log" &&
  lame --quiet "$LS_DIR/tone.wav" "$folder/music/01 先生のうた.mp3" 2>>"$LS_DIR/sox.log" ||
  fail "cannot make the teacher's song"
rm "$folder/music/$first_demo.mp3"
before=$(dl_folder_state "$HOME")
expect_player_on "01 先生のうた" otopicco
close_player
dl_expect_eq "the home folder after the second start" "$before" "$(dl_folder_state "$HOME")"
dl_pass "the teacher's song is song 1, the removed demo song stays removed"

DL_STEP="the installed voice"
# The package's voice configuration, as speech-dispatcher finds it in /etc when the user has none
# of their own: the player speaks through it, Open JTalk makes the title, and it is heard.
voice_file=/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice
made=$XDG_RUNTIME_DIR/otopicco-openjtalk
title_made() { compgen -G "$made/*_01 先生のうた.raw" >/dev/null; }
if [[ -f $voice_file ]] && command -v open_jtalk >/dev/null; then
  ls_speech_stop
  ls_speech_mode voice
  rm "$XDG_CONFIG_HOME/speech-dispatcher/modules/openjtalk-generic.conf"
  ls_record_start "$LS_DIR/voice.wav" 9>&- || fail "cannot record"
  ls_launch / otopicco 9>&-
  player_pid=$LS_PROGRAM_PID
  ls_wait 40 "Open JTalk to make the title" title_made || fail "Open JTalk made no title: $(ls "$made")"
  # Half a second of speech: more than a click, less than the shortest title read aloud.
  measure() { "$repo/tests/linux/sound_measure.py" "$LS_DIR/voice.wav"; }
  heard() { measure | awk '{ sub("heard=", "", $3); exit !($3 >= 0.5) }'; }
  ls_wait 20 "the announcement to be heard" heard || fail "nothing heard: $(measure)"
  ls_record_stop
  xdotool key KP_Divide
  ls_wait 10 "the goodbye box" windows_shown 2 || fail "no goodbye box"
  xdotool key Return
  ls_program_wait_exit 20 || fail "the player did not end"
  dl_pass "the player speaks Japanese through the package's Open JTalk voice"
else
  echo "skipped [$DL_STEP]: Open JTalk or its voice is not installed on this machine"
fi
dl_expect_eq "the home folder after speaking" "$before" "$(dl_folder_state "$HOME")"

DL_STEP="remove"
dm_apt remove otopicco
[[ ! -e /usr/bin/otopicco && ! -e /usr/libexec/otopicco ]] || fail "the program stayed"
dl_expect_eq "the home folder after the removal" "$before" "$(dl_folder_state "$HOME")"
[[ -f $DM_VOICE_CONF ]] || fail "the removal took the voice configuration (a conffile stays until the purge)"
dl_pass "the program is gone, the teacher's folder and the voice configuration stay"

DL_STEP="purge"
dm_apt purge otopicco
! dm_present otopicco || fail "dpkg still knows otopicco: $(dpkg-query -W -f='${Status}' otopicco)"
[[ ! -e $DM_VOICE_CONF ]] || fail "the purge left $DM_VOICE_CONF"
[[ ! -e $shipped ]] || fail "the purge left $shipped"
dl_expect_eq "the home folder after the purge" "$before" "$(dl_folder_state "$HOME")"
dl_pass "the package and its configuration are gone, the teacher's folder is untouched"
