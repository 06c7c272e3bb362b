#!/usr/bin/env bash
# The Linux demo without a display: runs the player of DIR (DIR/otopicco, started in DIR) in a
# private session (scripts/linux-session.sh: its own X server, sound server and speech-dispatcher
# with the Open JTalk voice), lets it announce its first song, presses Down a few times, and
# leaves in DIR what a newcomer can look at and listen to:
#
#   DIR/screenshot.png       the screen with the player on it
#   DIR/announcements.wav    what the player said, from its first announcement to its last
#   DIR/otopicco.log         the program's output
#
#   scripts/demo-headless.sh DIR [DOWN_KEYS]     (3 Down keys unless told otherwise)
#
# Every key waits for the announcement before it to be said to its end, as a child listening
# would: sound heard in the session's recording since the key, then a moment of quiet.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=$(cd "${1:?usage: $0 DIR [DOWN_KEYS]}" && pwd)
down_keys=${2:-3}
[[ -x $dir/otopicco ]] || { echo "demo: no program $dir/otopicco" >&2; exit 1; }

# Longer than any pause inside an announcement: 0.15 s after its number, more on a busy machine
# while the voice makes a title it has not said before.
quiet_after=1.2
# A screen the size of a small monitor: the six demo songs need about 330 x 480 pixels.
export LS_SCREEN=${LS_SCREEN:-1024x768}
say() { echo "demo: $*"; }

# shellcheck source=scripts/linux-session.sh
source "$repo/scripts/linux-session.sh"
recording=
first= last=  # the first announcement's start and the last one's end, in the recording
finish() {
  local rc=$?
  set +eu
  [[ -n $LS_DIR ]] && cp "$LS_DIR/program.log" "$dir/otopicco.log" 2>/dev/null
  (exit "$rc")
  ls_stop
}

# How far the recording has got, in seconds (16-bit mono at 44.1 kHz after a 44-byte header).
recorded_seconds() {
  local samples=$((($(stat -c %s "$recording") - 44) / 2))
  printf '%d.%03d\n' $((samples / 44100)) $((samples % 44100 * 1000 / 44100))
}

# Waits for the announcement heard since SECONDS into the recording to be said to its end.
await_announcement() {
  local what=$1 since=$2 heard start end
  if ! heard=$("$repo/scripts/await-sound.py" "$recording" "$since" "$quiet_after" 60); then
    ls_screenshot "$dir/screenshot.png"
    say "nothing was heard for $what; the screen is in $dir/screenshot.png" >&2
    return 1
  fi
  read -r start end <<<"${heard//[a-z=]/}"
  first=${first:-$start} last=$end
  say "heard $what ($start s to $end s into the recording)"
}

ls_start voice
trap finish EXIT
recording=$LS_DIR/recording.wav
ls_record_start "$recording" || { say "cannot record the session's sound" >&2; exit 1; }
ls_launch "$dir" "$dir/otopicco"
await_announcement "the first song's announcement" 0 ||
  { say "the player did not speak; its output is in $dir/otopicco.log" >&2; exit 1; }

for ((key = 1; key <= down_keys; key++)); do
  mark=$(recorded_seconds)
  xdotool key Down
  await_announcement "song $((key + 1))'s announcement after Down" "$mark" || exit 1
done

ls_screenshot "$dir/screenshot.png"
ls_program_running || { say "the player ended by itself; see $dir/otopicco.log" >&2; exit 1; }
ls_record_stop

# From a little before the first announcement to a little after the last one.
from=$(python3 -c "print(max(0, $first - 0.3))") to=$(python3 -c "print($last + 0.5)")
sox -q "$recording" "$dir/announcements.wav" trim "$from" "=$to"
say "the screen: $dir/screenshot.png"
say "what the player said: $dir/announcements.wav ($(soxi -D "$dir/announcements.wav" | cut -c1-4) s;" \
  "play it with: play $dir/announcements.wav)"
say "the program's output: $dir/otopicco.log"
