#!/usr/bin/env bash
# The demo without a display (scripts/demo-headless.sh) on a folder of songs whose titles have
# kanji: it must leave a screenshot with the player on it, the program's output, and a recording
# in which each announcement is heard for about as long as Open JTalk itself reads "number title"
# (espeak-ng, which says "Chinese letter" for each kanji, or a cut-off announcement would not
# be), one announcement per key.
#
#   tests/linux/demo_test.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
program=$1
work=$(mktemp -d /tmp/otopicco-demo-test.XXXXXX)
failed=0
fail() { echo "FAIL: $*"; failed=1; }
field() { local line=$2; line=${line#*"$1="}; echo "${line%% *}"; }
within() { python3 -c "import sys; a, b, t = map(float, sys.argv[1:]); sys.exit(abs(a - b) > t * b)" "$@"; }

# Titles in the player's order (name order), each with a kanji.
titles=(お話 かえるの歌 メリーさんの羊 歓喜の歌)
mkdir -p "$work/music"
sox -q -n -r 44100 -c 1 -b 16 "$work/tone.wav" synth 1 sine 440 vol 0.5
lame --quiet -b 64 "$work/tone.wav" "$work/tone.mp3"
for title in "${titles[@]}"; do cp "$work/tone.mp3" "$work/music/$title.mp3"; done
iconv -f UTF-8 -t CP932 "$repo/assets/ReadMe_sapi.utf8.txt" | sed 's/$/\r/' >"$work/ReadMe_sapi.txt"
cp "$program" "$work/otopicco"

"$repo/scripts/demo-headless.sh" "$work" $((${#titles[@]} - 1)) | tee "$work/demo.out" ||
  fail "the demo failed"
[[ -f $work/otopicco.log ]] || fail "the program's output was not kept"
yellow=$(convert "$work/screenshot.png" -fill black +opaque yellow -fill white -opaque yellow \
  -format '%[fx:mean*w*h]' info: 2>/dev/null || echo 0)
((${yellow%.*} > 20000)) || fail "the screenshot shows no player window ($yellow yellow pixels)"

# Where each announcement is in the recording, as the demo heard them; the WAV starts 0.3 s
# before the first.
mapfile -t spans < <(sed -n 's/.*heard .* (\([0-9.]*\) s to \([0-9.]*\) s into the recording).*/\1 \2/p' \
  "$work/demo.out")
[[ ${#spans[@]} -eq ${#titles[@]} ]] || fail "${#spans[@]} announcements heard, ${#titles[@]} expected"
read -r first _ <<<"${spans[0]:-0 0}"
offset=$(python3 -c "print(max(0, $first - 0.3))")
for i in "${!spans[@]}"; do
  read -r start end <<<"${spans[$i]}"
  text="$((i + 1)) ${titles[$i]}"
  # Open JTalk's own reading at the program's speed (160 words a minute over the normal 170).
  printf '%s\n' "$text" | open_jtalk -x /var/lib/mecab/dic/open-jtalk/naist-jdic \
    -m /usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice -r 0.941 \
    -ow "$work/reference-$i.wav"
  expected=$(field sounding "$("$here/sound_measure.py" "$work/reference-$i.wav")")
  heard=$("$here/sound_measure.py" "$work/announcements.wav" \
    "$(python3 -c "print($start - $offset)")" "$(python3 -c "print($end - $offset)")")
  echo "\"$text\": speech heard for $(field sounding "$heard") s, Open JTalk reads it in $expected s"
  within "$(field sounding "$heard")" "$expected" 0.25 ||
    fail "\"$text\" was heard for $(field sounding "$heard") s of speech, Open JTalk reads it in $expected s"
  python3 -c "import sys; sys.exit(not float(sys.argv[1]) > 0.02)" "$(field rms "$heard")" ||
    fail "\"$text\" is hardly audible (rms $(field rms "$heard"))"
done

if ((failed)); then
  echo "evidence kept in $work"
  exit 1
fi
rm -rf "$work"
echo "PASS: the demo leaves its screenshot, output and a recording of every announcement"
