#!/usr/bin/env bash
# The demo of the Windows program (scripts/demo.sh wine): installs what is missing, builds the
# program, lays out build/demo/ (the program, its `music` folder of demo songs and the help file)
# and starts the player on it under Wine.
#
# On a desktop the player opens in a Wine desktop window on the current display and the demo ends
# when you close it. Without a display the demo runs on a private X server, leaves a screenshot and
# the program's output in build/demo/, and stops everything it started.
#
# Wine here has no speech engine: the player says so in its own message box, as it would on a
# Windows machine without one. The speech stand-in of the tests is never installed for the demo.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

demo=$root/build/demo
# A prefix of the demo's own: the tests make theirs afresh and put their speech stand-in into it.
export OTOPICCO_WINE_PREFIX=$root/build/wine-demo

say() { echo "demo: $*"; }
fail() { echo "demo: $*" >&2; exit 1; }

lay_out_demo() {
  local exe=$root/build/win64/otopicco.exe
  [[ -f $exe ]] || exe=$(find "$root/build/win64" -name otopicco.exe -print -quit)
  [[ -n $exe && -f $exe ]] || fail "the build made no otopicco.exe under build/win64"
  rm -rf "$demo"
  mkdir -p "$demo"
  cp "$exe" "$demo/otopicco.exe"
  scripts/make-demo-music.sh "$demo" >/dev/null
  # The help file ships as Shift-JIS with Windows line ends; it is kept in UTF-8 for editing.
  iconv -f UTF-8 -t CP932 assets/ReadMe_sapi.utf8.txt | sed 's/\r$//; s/$/\r/' >"$demo/ReadMe_sapi.txt"
}

scripts/install-deps.sh
# Only the 64-bit build runs here: 32-bit Wine needs i386 packages that these machines cannot
# install. The shipped 32-bit program is built by scripts/build.sh and scripts/test.sh.
scripts/build.sh win64
lay_out_demo
say "laid out $demo: otopicco.exe (the 64-bit build; the 32-bit one cannot run under this Wine),"
say "  music/ ($(find "$demo/music" -name '*.mp3' | wc -l) demo songs) and ReadMe_sapi.txt"

# The session library was written without nounset in mind; its settings are given here.
WS_KEEP=${WS_KEEP:-0}
# shellcheck source=scripts/wine-session.sh
source scripts/wine-session.sh
session() {
  set +u
  "$@"
  local rc=$?
  set -u
  return $rc
}

# The size of the prefix's Wine desktop: the tests' large screen on the private X server, a size
# that fits an ordinary monitor on a desktop (six songs need about 330 x 600 pixels at 343, 116).
# The desktop is made by the prefix's first program with the size it finds then: restart the
# prefix's wineserver so that the player's desktop gets the new one.
set_desktop_size() {
  ws_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$WS_DESKTOP" /d "$1" /f || return 1
  wineserver -k >/dev/null 2>&1
  wineserver -w
}

finish_desktop() {
  set +eu
  wineserver -k >/dev/null 2>&1  # the demo's own prefix: only what the demo started
  cp "$WS_DIR/program.log" "$demo/otopicco.log" 2>/dev/null
  rm -rf "$WS_DIR"
}

# On the current display, in the prefix's Wine desktop; ends when the player is closed.
run_on_desktop() {
  WS_DIR=$(mktemp -d /tmp/otopicco-demo.XXXXXX)
  trap finish_desktop EXIT
  session ws_prefix_ensure || fail "cannot make the Wine prefix $WS_PREFIX (see $WS_DIR/wine.log)"
  session set_desktop_size 1024x768 || fail "cannot set the Wine desktop's size"
  say "starting the player on $DISPLAY; end it with Alt+F4 (or keypad /)"
  session ws_launch "$demo" "$demo/otopicco.exe" || fail "cannot start the player"
  wait "$WS_PROGRAM_PID" || true
  say "the player has ended; its output is in $demo/otopicco.log"
}

# The first window the player shows: a message box of its own, or the player window.
first_box=
player_window=
player_rect=
player_or_box_shown() {
  local line
  line=$(ws_probe boxes 2>/dev/null | grep -F 'exe=otopicco.exe' | head -n 1) || true
  if [[ -n $line ]]; then
    first_box=$line
    return 0
  fi
  player_shown
}

player_shown() {
  local line
  line=$(ws_probe windows 2>/dev/null | grep -F 'exe=otopicco.exe' | grep -F $'title=Otopicco♪\t' |
    grep -F $'\tvisible=1' | head -n 1) || true
  [[ -n $line ]] || return 1
  player_window=$(ws_field hwnd "$line")
  player_rect=$(ws_field rect "$line")  # left,top,right,bottom on the screen
}

# Painted: the window's yellow shows beside the song buttons.
player_painted() {
  ws_probe clientpixel "$player_window" 5 30 2>/dev/null | grep -q 'rgb=FFFF00'
}

# Keeps the program's output, then stops the servers, Wine and the player. The session's cleanup
# was written for plain bash: it runs without errexit and nounset.
finish_headless() {
  local rc=$?
  set +eu
  cp "$WS_DIR/program.log" "$demo/otopicco.log" 2>/dev/null
  (exit "$rc")
  ws_stop
}

# On a private X server and sound server; leaves screenshots and the program's output.
run_headless() {
  say "there is no display (DISPLAY is not set): running the demo on a private X server instead"
  session ws_start || fail "cannot start the private X and sound servers"
  trap finish_headless EXIT
  session ws_prefix_ensure || fail "cannot make the Wine prefix $WS_PREFIX"
  session set_desktop_size "$WS_SCREEN" || fail "cannot set the Wine desktop's size"
  wineserver -p  # kept up between the short inspection runs
  session ws_launch "$demo" "$demo/otopicco.exe" || fail "cannot start the player"
  session ws_wait 90 "the player's first window" player_or_box_shown || {
    ws_screenshot "$demo/screenshot.png"
    fail "the player showed no window; screenshot in $demo/screenshot.png"
  }
  if [[ -n $first_box ]]; then
    ws_screenshot "$demo/screenshot-message.png"
    say "the player says: $(ws_field text "$first_box") (screenshot: $demo/screenshot-message.png)"
    [[ $first_box == *対応している音声合成エンジンがありません* ]] || fail "the demo did not expect that message"
    # Only here, with nobody to press it, does the demo press OK itself.
    session ws_probe press "$(ws_field hwnd "$first_box")" >/dev/null || fail "cannot press OK"
    session ws_wait 30 "the player window" player_shown || fail "no player window after the message"
  fi
  session ws_wait 20 "the player window to be drawn" player_painted || true
  ws_screenshot "$demo/screenshot.png"
  local left top right bottom
  IFS=, read -r left top right bottom <<<"$player_rect"
  convert "$demo/screenshot.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    "$demo/player.png"
  say "screenshots: $demo/screenshot.png (the screen), $demo/player.png (the player window)"
  say "the program's output: $demo/otopicco.log"
}

if [[ -n ${DISPLAY:-} ]]; then
  run_on_desktop
else
  run_headless
fi
