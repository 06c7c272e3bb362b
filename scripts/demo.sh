#!/usr/bin/env bash
# The demo: installs what is missing, builds the Linux program, lays out build/demo/ (the program,
# its `music` folder of demo songs and the help file) and starts the player there, speaking
# Japanese through speech-dispatcher with the Open JTalk voice.
#
#   scripts/demo.sh        the Linux program
#   scripts/demo.sh wine   the Windows program under Wine instead (scripts/demo-wine.sh)
#
# On a desktop (DISPLAY or WAYLAND_DISPLAY set) the player opens in your own session, speaks
# with your own speech-dispatcher, and the demo ends when you close the player. Without a display
# it runs on a private X server and sound server (scripts/demo-headless.sh), presses Down a few
# times, and leaves a screenshot, a recording of what the player said and the program's output in
# build/demo/; it stops everything it started.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

case ${1:-} in
  wine) exec scripts/demo-wine.sh ;;
  "") ;;
  *) echo "usage: $0 [wine]" >&2; exit 2 ;;
esac

demo=$root/build/demo
say() { echo "demo: $*"; }
fail() { echo "demo: $*" >&2; exit 1; }

lay_out_demo() {
  local program=$root/build/linux/platform/linux/otopicco
  [[ -x $program ]] || fail "the build made no $program"
  rm -rf "$demo"
  mkdir -p "$demo"
  cp "$program" "$demo/otopicco"
  scripts/make-demo-music.sh "$demo" >/dev/null
  scripts/make-help-file.sh "$demo/ReadMe_sapi.txt"
}

# The voice a desktop's speech-dispatcher offers for Japanese: it reads the voices installed
# when it started, and stops by itself a while after its last program has gone.
check_desktop_voice() {
  local modules
  modules=$(timeout 15 spd-say -O 2>/dev/null) || {
    say "speech-dispatcher does not answer: the player will say that it cannot speak"
    return 0
  }
  grep -qx 'openjtalk-generic' <<<"$modules" && return 0
  say "your speech-dispatcher does not offer the Open JTalk voice (yet): Japanese will be read by"
  say "  espeak-ng, kana only. It was started before the voice was installed, or your own"
  say "  ~/.config/speech-dispatcher lists its voices: run scripts/install-openjtalk-voice.sh --user"
  say "  and start the demo again once speech-dispatcher has stopped (a minute or so after the"
  say "  last program that spoke, or at your next login)."
}

run_on_desktop() {
  check_desktop_voice
  say "starting the player on ${WAYLAND_DISPLAY:-$DISPLAY}: Up and Down choose a song, Enter plays"
  say "  it; end the demo by closing the player (Alt+F4, or keypad /)"
  local rc=0
  (cd "$demo" && exec ./otopicco) >"$demo/otopicco.log" 2>&1 || rc=$?
  say "the player has ended; its output is in $demo/otopicco.log"
  return "$rc"
}

run_headless() {
  say "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the demo on a"
  say "  private X server and sound server instead, and recording what the player says"
  scripts/demo-headless.sh "$demo"
}

scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target otopicco
lay_out_demo
say "laid out $demo: otopicco, music/ ($(find "$demo/music" -name '*.mp3' | wc -l) demo songs)" \
  "and ReadMe_sapi.txt"

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  run_on_desktop
else
  run_headless
fi
