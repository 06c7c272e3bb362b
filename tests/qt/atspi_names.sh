#!/usr/bin/env bash
# Checks through AT-SPI that the window system gives screen readers the names of the song
# buttons, menu items, the help text and the folder tree, on a private X server and private
# session and accessibility buses.
#
# Usage: atspi_names.sh QT_DEMO
set -euo pipefail
demo=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

work=$(mktemp -d /tmp/otopicco-atspi.XXXXXX)
xvfb_pid= bus_pid= demo_pid=
cleanup() {
  local pid
  for pid in $demo_pid $bus_pid $xvfb_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The accessibility bus lives in XDG_RUNTIME_DIR: a private one keeps it apart from others.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 7 -screen 0 1024x900x24 -nolisten tcp 7>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(tr -d '\n' <"$work/display")
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
bus_pid=$(cat "$work/bus.pid")
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
# Start the accessibility bus before the program, as a desktop session has it.
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
  --method org.a11y.Bus.GetAddress >/dev/null

check() {
  local mode=$1
  shift
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$demo" $mode >"$work/demo.log" 2>&1 &
  demo_pid=$!
  local status=0
  /usr/bin/python3 "$here/atspi_names.py" "$(basename "$demo")" "$@" || status=$?
  kill "$demo_pid" 2>/dev/null && wait "$demo_pid" 2>/dev/null || true
  demo_pid=
  return $status
}

check "" 'push button=1 さくら' 'push button=3 東京の夜空' 'push button=6 とても長い題名のうた' \
  'menu item=ファイル(F)' 'menu item=フォルダを指定...(O)' 'menu item=停止(S)' \
  'menu item=ヘルプ(H)' 'menu item=バージョン情報...' 'frame=Otopicco♪'
check help 'push button=おわる' 'text=ヘルプ'
check folder 'push button=デスクットプ' 'push button=ＯＫ' 'tree=フォルダの選択'
