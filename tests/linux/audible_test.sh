#!/usr/bin/env bash
# Heard in a recording of a private session's sound output: the announcement "1曲目 東京の夜空"
# read by the Open JTalk voice through speech-dispatcher, as long as Open JTalk's own reading of
# it (espeak-ng would say "Chinese letter" for each of its six kanji and take far longer), and a
# song played by the song player.
#
#   tests/linux/audible_test.sh CHECK_PROGRAM   (otopicco_linux_check)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
check=$1
# shellcheck source=../../scripts/linux-session.sh
source "$here/../../scripts/linux-session.sh"
ls_start voice
text='1曲目 東京の夜空'
failed=0
fail() { echo "FAIL: $*"; failed=1; }
field() { local line=$2; line=${line#*"$1="}; echo "${line%% *}"; }
within() { python3 -c "import sys; a, b, t = map(float, sys.argv[1:]); sys.exit(abs(a - b) > t)" "$@"; }
above() { python3 -c "import sys; sys.exit(not float(sys.argv[1]) > float(sys.argv[2]))" "$@"; }
# Sound was heard in the recording, and has been quiet for a second since.
heard_and_over() {
  local measured
  measured=$("$here/sound_measure.py" "$1" 2>/dev/null) || return 1
  [[ $(field start "$measured") != none ]] &&
    above "$(field length "$measured")" "$(python3 -c "print($(field end "$measured") + 1)")"
}
# Records while CHECK ARGS... runs, until what it plays is over.
record_check() {
  local recording=$1 log=$2
  shift 2
  ls_record_start "$recording"
  "$check" "$@" >"$log" &
  local pid=$!
  ls_wait 60 "sound, then a second of quiet" heard_and_over "$recording" || fail "nothing heard ($*)"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  ls_record_stop
}

# Open JTalk's own reading, at the program's speed (160 words a minute over the normal 170).
printf '%s\n' "$text" | open_jtalk -x /var/lib/mecab/dic/open-jtalk/naist-jdic \
  -m /usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice -r 0.941 \
  -ow "$LS_DIR/reference.wav"
reference=$("$here/sound_measure.py" "$LS_DIR/reference.wav")

record_check "$LS_DIR/speech.wav" "$LS_DIR/speak.log" speak 60 "$text"
spoken=$("$here/sound_measure.py" "$LS_DIR/speech.wav")
echo "Open JTalk alone:     $reference"
echo "through the program:  $spoken ($(cat "$LS_DIR/speak.log"))"
grep -q 'voice module: openjtalk-generic' "$LS_DIR/speak.log" || fail "not the Open JTalk voice"
heard=$(field heard "$spoken")
expected=$(field heard "$reference")
within "$heard" "$expected" "$(python3 -c "print($expected * 0.25)")" ||
  fail "speech heard for ${heard}s, Open JTalk reads the text in ${expected}s"
above "$(field rms "$spoken")" 0.02 || fail "the speech is hardly audible"

sox -q -n -r 44100 -c 1 -b 16 -t wav - synth 2 sine 440 vol 0.5 | lame --quiet -b 64 - "$LS_DIR/tone.mp3"
record_check "$LS_DIR/song.wav" "$LS_DIR/play.log" play 60 "$LS_DIR/tone.mp3"
song=$("$here/sound_measure.py" "$LS_DIR/song.wav")
echo "the 2 s 440 Hz song:  $song"
within "$(field heard "$song")" 2.0 0.25 || fail "the song was heard for $(field heard "$song")s"
within "$(field hz "$song")" 440 15 || fail "the song was heard at $(field hz "$song") Hz"
above "$(field rms "$song")" 0.1 || fail "the song is hardly audible"

if ((failed)); then
  export LS_KEEP=1
  exit 1
fi
echo "PASS: the announcement and the song are heard"
