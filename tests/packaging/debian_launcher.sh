# The Debian package's launcher, on a home folder of its own, with a stand-in player that writes
# down the folder it was started in: the first start makes ~/Otopicco with the demo songs and
# the help file; after that nothing in the teacher's folder is added, replaced or removed, but
# for a help file that the launcher copied and nobody changed, which the next version's replaces.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/debian_lib.sh"

work=$(mktemp -d /tmp/otopicco-launcher.XXXXXX)
trap 'rm -rf "$work"' EXIT
shipped=$work/usr/share/otopicco
started=$work/started
# A home with a space in its name: every path in the launcher must be quoted.
export HOME="$work/home of teacher"
unset XDG_STATE_HOME
mkdir -p "$HOME" "$shipped/music"
printf 'song one' >"$shipped/music/01 いちばん.mp3"
printf 'song two' >"$shipped/music/Two.mp3"
printf 'help v1\r\n' >"$shipped/ReadMe_sapi.txt"

cat >"$work/player" <<EOF
#!/bin/sh
printf '%s\n' "\$PWD" >"$started"
EOF
chmod 755 "$work/player"
launcher=$work/otopicco
sed -e "s|@PROGRAM@|$work/player|; s|@SHIPPED@|$shipped|" "$OTOPICCO_LAUNCHER_TEMPLATE" >"$launcher"
chmod 755 "$launcher"
folder=$HOME/Otopicco

# Runs the launcher; the player must have been started in FOLDER.
start_in() {
  local folder=$1
  shift
  rm -f "$started"
  (cd / && "$launcher" "$@") >"$work/out" 2>&1 || dl_fail "the launcher failed: $(cat "$work/out")"
  [[ -f $started ]] || dl_fail "the player was not started: $(cat "$work/out")"
  dl_expect_eq "the player's folder" "$folder" "$(cat "$started")"
}

DL_STEP="first start"
start_in "$folder"
dl_expect_eq "songs" "$(cd "$shipped/music" && ls)" "$(cd "$folder/music" && ls)"
for song in "$shipped"/music/*; do
  cmp -s "$song" "$folder/music/$(basename "$song")" || dl_fail "$(basename "$song") is not the demo song"
done
cmp -s "$shipped/ReadMe_sapi.txt" "$folder/ReadMe_sapi.txt" || dl_fail "no copy of the help file"
[[ -w $folder/music && -w $folder/music/Two.mp3 ]] || dl_fail "the teacher cannot change the songs"
dl_expect_eq "left-overs" "" "$(find "$folder" -name '*otopicco-new*')"
dl_pass "~/Otopicco made with the demo songs and the help file, the player started there"

DL_STEP="the teacher's changes"
rm "$folder/music/Two.mp3"
printf 'mine' >"$folder/music/先生のうた.mp3"
before=$(dl_folder_state "$folder")
start_in "$folder"
dl_expect_eq "the folder after a start" "$before" "$(dl_folder_state "$folder")"
dl_pass "a removed demo song stays removed, an added song stays, nothing is touched"

DL_STEP="an empty music folder"
rm "$folder/music"/*
before=$(dl_folder_state "$folder")
start_in "$folder"
dl_expect_eq "the folder after a start" "$before" "$(dl_folder_state "$folder")"
dl_pass "an empty music folder is the teacher's and stays empty"

DL_STEP="new version's help"
rm -r "$folder/music" && mkdir "$folder/music"
printf 'help v2\r\n' >"$shipped/ReadMe_sapi.txt"
start_in "$folder"
cmp -s "$shipped/ReadMe_sapi.txt" "$folder/ReadMe_sapi.txt" || dl_fail "the unchanged help file was not renewed"
printf 'help v3\r\n' >"$shipped/ReadMe_sapi.txt"
printf '先生より\r\n' >>"$folder/ReadMe_sapi.txt"
before=$(dl_folder_state "$folder")
start_in "$folder"
dl_expect_eq "the folder with an edited help file" "$before" "$(dl_folder_state "$folder")"
rm "$folder/ReadMe_sapi.txt"
start_in "$folder"
cmp -s "$shipped/ReadMe_sapi.txt" "$folder/ReadMe_sapi.txt" || dl_fail "a missing help file was not put back"
dl_pass "an unchanged copy is renewed, an edited one kept, a missing one put back"

DL_STEP="a folder without songs"
rm -rf "$folder" && mkdir -p "$folder"
printf 'my own help\r\n' >"$folder/ReadMe_sapi.txt"
printf 'notes' >"$folder/notes.txt"
start_in "$folder"
dl_expect_eq "songs" "$(cd "$shipped/music" && ls)" "$(cd "$folder/music" && ls)"
dl_expect_eq "the teacher's help" "my own help"$'\r' "$(cat "$folder/ReadMe_sapi.txt")"
dl_expect_eq "the teacher's notes" "notes" "$(cat "$folder/notes.txt")"
dl_pass "an existing ~/Otopicco without music gets the demo songs; its files stay"

DL_STEP="music that is not a folder"
rm -rf "$folder/music" && ln -s "$work/unplugged stick/music" "$folder/music"
before=$(dl_folder_state "$folder")
start_in "$folder"
dl_expect_eq "the folder after a start" "$before" "$(dl_folder_state "$folder")"
dl_pass "a link to a missing folder is left for the player to report"

DL_STEP="a folder named by the teacher"
mkdir -p "$work/class 2/music"
before=$(dl_folder_state "$work/class 2")
rm -rf "$folder"
start_in "$work/class 2" "$work/class 2"
dl_expect_eq "the named folder" "$before" "$(dl_folder_state "$work/class 2")"
[[ ! -e $folder ]] || dl_fail "~/Otopicco was made although a folder was named"
dl_pass "the player starts in the named folder, which stays as it is"

DL_STEP="no ~/Otopicco possible"
printf 'a file' >"$folder"
start_in "$shipped"
dl_expect_eq "the file named Otopicco" "a file" "$(cat "$folder")"
grep -q "cannot make" "$work/out" || dl_fail "no word of why: $(cat "$work/out")"
dl_pass "the player starts on the shipped demo songs and says why"

DL_STEP="command line"
rm -f "$started"
"$launcher" --help >"$work/out" 2>&1 || dl_fail "--help failed"
grep -q '^Usage: otopicco' "$work/out" || dl_fail "--help printed: $(cat "$work/out")"
status=0
"$launcher" --bogus >"$work/out" 2>&1 || status=$?
dl_expect_eq "exit status for an unknown option" 2 "$status"
[[ ! -f $started ]] || dl_fail "the player was started for --help or a wrong option"
dl_pass "--help prints the usage, a wrong option fails, neither starts the player"
