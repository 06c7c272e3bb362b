#!/usr/bin/env bash
# Makes the demo's `music` folder: a few short songs and one short story, each an MP3 that says its
# own title and then plays a simple tune, made here from nothing (espeak-ng, sox, lame), so the
# demo needs no downloads and gives the same files every time.
#
# Usage: scripts/make-demo-music.sh OUTDIR      (writes OUTDIR/music/*.mp3, replacing that folder)
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
for tool in espeak-ng sox lame awk; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (run scripts/install-deps.sh)" >&2; exit 1; }
done

outdir=$1
mkdir -p "$outdir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readonly RATE=44100

# The frequency of a note name such as A4, C5 or F#4 (equal temperament, A4 = 440 Hz).
frequency() {
  awk -v n="$1" 'BEGIN {
    split("C C# D D# E F F# G G# A A# B", names, " ")
    name = substr(n, 1, length(n) - 1); octave = substr(n, length(n)) + 0
    for (i = 1; i <= 12; i++) if (names[i] == name) semitone = i - 1
    printf "%.2f", 440 * 2 ^ (((octave + 1) * 12 + semitone - 69) / 12) }'
}

# tune OUT.wav SECONDS_PER_UNIT NOTE:UNITS ...   a melody, one soft triangle tone per note
tune() {
  local out=$1 unit=$2 i=0 parts=()
  shift 2
  for note in "$@"; do
    local name=${note%%:*} units=${note##*:} part
    part=$(printf '%s/note-%03d.wav' "$work" "$i")
    local seconds
    seconds=$(awk -v u="$unit" -v n="$units" 'BEGIN { printf "%.3f", u * n }')
    sox -R -n -r "$RATE" -c 1 "$part" synth "$seconds" triangle "$(frequency "$name")" \
      fade q 0.01 "$seconds" 0.06 vol 0.4
    parts+=("$part")
    i=$((i + 1))
  done
  sox "${parts[@]}" "$out"
  rm -f "${parts[@]}"
}

# say OUT.wav VOICE TEXT   the spoken title, in the tune's sample format
say() {
  espeak-ng -v "$2" -s 140 -w "$work/speech-raw.wav" "$3" 2>/dev/null
  sox -R "$work/speech-raw.wav" -r "$RATE" -c 1 "$1" norm -3 pad 0 0.2  # as loud as the tune, a breath before it
}

# song FILE-NAME VOICE SPOKEN-TITLE SECONDS_PER_UNIT NOTE:UNITS ...
song() {
  local file=$1 voice=$2 title=$3 unit=$4
  shift 4
  say "$work/title.wav" "$voice" "$title"
  tune "$work/tune.wav" "$unit" "$@"
  sox -R "$work/title.wav" "$work/tune.wav" "$work/song.wav"
  lame --quiet --noreplaygain -m m -b 96 "$work/song.wav" "$work/music/$file"
}

# story FILE-NAME VOICE TEXT   a short spoken story with a little tune at its end
story() {
  say "$work/title.wav" "$2" "$3"
  tune "$work/tune.wav" 0.15 C5:2 G4:2 E4:2 C4:4
  sox -R "$work/title.wav" "$work/tune.wav" "$work/song.wav"
  lame --quiet --noreplaygain -m m -b 96 "$work/song.wav" "$work/music/$1"
}

# Titles are spoken in Japanese when espeak-ng has a Japanese voice (it reads kana), else English.
# The file names are written as Japanese children's books write them, kanji and all, so that
# the player's announcements show that kanji are read right (お話 is "おはなし", 歌 is "うた").
if espeak-ng --voices=ja 2>/dev/null | awk 'NR > 1 && $2 == "ja" { found = 1 } END { exit !found }'; then
  ja=ja
  sakura=さくら kaeru=かえるのうた kirakira=きらきらぼし merry=メリーさんのひつじ joy=かんきのうた
  tale="おはなし。むかしむかし、ちいさな かえるが いました。かえるは まいにち うたを うたいました。おしまい。"
else
  ja=en
  sakura=Sakura kaeru="The frog song" kirakira="Twinkle twinkle little star" merry="Mary had a little lamb"
  joy="Ode to joy"
  tale="A story. Once upon a time there was a little frog. Every day the frog sang a song. The end."
fi

mkdir -p "$work/music"
song さくら.mp3 "$ja" "$sakura" 0.18 \
  A4:2 A4:2 B4:4 A4:2 A4:2 B4:4 A4:2 B4:2 C5:2 B4:2 A4:2 B4:1 A4:1 F4:4 \
  E4:2 C4:2 E4:2 F4:2 E4:2 E4:1 C4:1 B3:4
song かえるの歌.mp3 "$ja" "$kaeru" 0.16 \
  C4:2 D4:2 E4:2 F4:2 E4:2 D4:2 C4:4 E4:2 F4:2 G4:2 A4:2 G4:2 F4:2 E4:4 \
  C4:4 C4:4 C4:4 C4:4 C4:1 C4:1 D4:1 D4:1 E4:1 E4:1 F4:1 F4:1 E4:2 D4:2 C4:4
song きらきらぼし.mp3 "$ja" "$kirakira" 0.2 \
  C4:2 C4:2 G4:2 G4:2 A4:2 A4:2 G4:4 F4:2 F4:2 E4:2 E4:2 D4:2 D4:2 C4:4
song メリーさんの羊.mp3 "$ja" "$merry" 0.16 \
  E4:2 D4:2 C4:2 D4:2 E4:2 E4:2 E4:4 D4:2 D4:2 D4:4 E4:2 G4:2 G4:4 \
  E4:2 D4:2 C4:2 D4:2 E4:2 E4:2 E4:2 E4:2 D4:2 D4:2 E4:2 D4:2 C4:6
song 歓喜の歌.mp3 "$ja" "$joy" 0.2 \
  E4:2 E4:2 F4:2 G4:2 G4:2 F4:2 E4:2 D4:2 C4:2 C4:2 D4:2 E4:2 E4:3 D4:1 D4:4
story お話.mp3 "$ja" "$tale"

rm -rf "$outdir/music"
mv "$work/music" "$outdir/music"
echo "demo songs in $outdir/music"
