# Shared steps of the browsing tests: starting the player on a list of songs and waiting for song
# 1's announcement, counting and waiting for announcements in the speech double's log, reading the
# frame band around every song button from the player window's pixels, and a stranger's window
# (Wine's notepad) that covers the player and takes the activation away from it.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

BLUE=0000FF
YELLOW=FFFF00

# br_start NAME...: a fresh case folder with these songs, the player started in it, and its
# song buttons read. With speech the first announcement is waited for: keys sent before the
# window is active can be lost.
br_start() {
  local count=$#
  e2e_songs "$E2E_CASE_DIR/music" "$@"
  e2e_readme "$E2E_CASE_DIR"
  e2e_launch "$E2E_CASE_DIR"
  e2e_wait_main "$count"
  e2e_match_captions "$@"
  BR_COUNT=$count
}

br_speaks() { e2e_speech_events | grep -c "^speak${TAB}"; }
br_speaks_at_least() { (($(br_speaks) >= $1)); }

# br_wait_speaks N: until the log holds N announcements (or other speak calls).
br_wait_speaks() {
  ws_wait "${2:-10}" "$1 speak calls" br_speaks_at_least "$1" ||
    e2e_fail "expected $1 speak calls, the log has $(br_speaks)"
}

# The announcement of song NUMBER (1-based) of the running list.
br_says() { printf 'speak\t%s' "$(e2e_announcement "$1" "${E2E_SONG_NAMES[$(($1 - 1))]}")"; }

# Log events from line N + 1 on (N events seen before).
br_events_after() { e2e_speech_events | tail -n +$(($1 + 1)); }
br_lines() { e2e_speech_events | wc -l; }

# br_expect_after N EVENT...: exactly these events came after the first N.
br_expect_after() {
  local seen=$1 expected
  shift
  expected=$(printf '%s\n' "$@")
  e2e_expect_eq "speech events after the first $seen" "$expected" "$(br_events_after "$seen")"
}

# Sample points of the frame band of song index I: the middle of its top, bottom, left and right
# sides. The frame rectangle runs from (13, 60 I + 14) to (307, 60 I + 58) with a 4-pixel pen
# centred on it, and the button covers (15, 60 I + 16) to (305, 60 I + 56).
br_band_points() {
  local i=$1 top=$((60 * $1 + 14))
  echo "160 $((top)) 160 $((top + 43)) 13 $((top + 22)) 306 $((top + 22))"
}

# The colour of every song's frame band, one word per song: B (all four sides blue), Y (all
# yellow), or the four colours when they differ. Read in one inspect run.
br_frames() {
  local i points=() out
  for ((i = 0; i < BR_COUNT; i++)); do points+=($(br_band_points "$i")); done
  out=$(ws_probe clientpixel "$E2E_MAIN_HWND" "${points[@]}") || return 1
  local -a rgb
  mapfile -t rgb < <(printf '%s\n' "$out" | sed -n 's/.*rgb=//p')
  local words=() sides
  for ((i = 0; i < BR_COUNT; i++)); do
    sides="${rgb[4 * i]} ${rgb[4 * i + 1]} ${rgb[4 * i + 2]} ${rgb[4 * i + 3]}"
    case $sides in
      "$BLUE $BLUE $BLUE $BLUE") words+=(B) ;;
      "$YELLOW $YELLOW $YELLOW $YELLOW") words+=(Y) ;;
      *) words+=("[${sides// /,}]") ;;
    esac
  done
  echo "${words[*]}"
}

# The expected frames with the blue band around the songs given (1-based), yellow elsewhere.
br_frames_blue_at() {
  local i words=() n
  for ((i = 1; i <= BR_COUNT; i++)); do
    local w=Y
    for n in "$@"; do ((n == i)) && w=B; done
    words+=("$w")
  done
  echo "${words[*]}"
}

br_frames_are() { BR_FRAMES=$(br_frames) && [[ $BR_FRAMES == "$1" ]]; }

# br_wait_frames SONG...: until the blue band is around exactly these songs.
br_wait_frames() {
  local want
  want=$(br_frames_blue_at "$@")
  ws_wait 10 "frames [$want]" br_frames_are "$want" ||
    e2e_fail "frames: expected [$want], got [$BR_FRAMES]"
}

# br_expect_frames SONG...: the blue band is around exactly these songs now.
br_expect_frames() { e2e_expect_eq "frames" "$(br_frames_blue_at "$@")" "$(br_frames)"; }

# The song (1-based) whose button has the keyboard focus, 0 for none.
br_focused_song() {
  local focus i
  focus=$(ws_field focus "$(ws_probe focus "$E2E_MAIN_HWND")")
  for i in "${!E2E_BUTTONS[@]}"; do
    [[ $(ws_field hwnd "${E2E_BUTTONS[$i]}") == "$focus" ]] && { echo $((i + 1)); return; }
  done
  echo 0
}

br_focus_is() { [[ $(br_focused_song) == "$1" ]]; }
br_wait_focus() { ws_wait 10 "the focus on song $1" br_focus_is "$1" || e2e_fail "the focus is on song $(br_focused_song), not $1"; }

# The player window is the active window of the desktop.
br_main_active() { [[ $(ws_field active "$(ws_probe focus "$E2E_MAIN_HWND")") == "$E2E_MAIN_HWND" ]]; }

br_numlock() {
  numlockx "$1" || e2e_fail "numlockx $1 failed"
}

# br_stranger_open: Wine's notepad, placed over the whole player window, becomes the active
# window; its handle lands in BR_STRANGER.
br_stranger_found() {
  BR_STRANGER=$(ws_probe windows | grep "${TAB}exe=notepad.exe\$" | grep "${TAB}visible=1${TAB}" | grep -v "${TAB}class=IME${TAB}" | head -n 1)
  [[ -n $BR_STRANGER ]]
}
br_stranger_active() { [[ $(ws_field active "$(ws_probe focus "$(ws_field hwnd "$BR_STRANGER")")") == "$(ws_field hwnd "$BR_STRANGER")" ]]; }

br_stranger_open() {
  local key='HKCU\Software\Microsoft\Notepad'
  # Notepad opens where it was last closed: put it over the player window (left 343, top 116).
  ws_wine reg add "$key" /v iWindowPosX /t REG_DWORD /d 300 /f &&
    ws_wine reg add "$key" /v iWindowPosY /t REG_DWORD /d 80 /f &&
    ws_wine reg add "$key" /v iWindowPosDX /t REG_DWORD /d 420 /f &&
    ws_wine reg add "$key" /v iWindowPosDY /t REG_DWORD /d "${1:-1400}" /f || e2e_fail "cannot place notepad"
  (exec wine notepad.exe) >>"$WS_DIR/notepad.log" 2>&1 &
  BR_STRANGER_PID=$!
  ws_wait 20 "notepad's window" br_stranger_found || e2e_fail "notepad did not open"
  ws_wait 10 "notepad active" br_stranger_active || e2e_fail "notepad did not become the active window"
}

br_stranger_close() {
  ws_probe close "$(ws_field hwnd "$BR_STRANGER")" >/dev/null || e2e_fail "cannot close notepad"
  wait "$BR_STRANGER_PID" 2>/dev/null
  BR_STRANGER_PID=
}

# Back to the player from another window the way a sighted helper does it: a click on its title
# bar. Closing a stranger's window leaves Wine's desktop without a foreground window, and keys
# would be lost until something is clicked.
br_come_back() {
  local outer
  outer=$(ws_field outer "$(ws_probe rect "$E2E_MAIN_HWND")") || e2e_fail "cannot read the player's rectangle"
  IFS=, read -r left top _ _ <<<"$outer"
  xdotool mousemove $((left + 100)) $((top + 10)) click 1 || e2e_fail "xdotool click failed"
  ws_wait 10 "the player active again" br_main_active || e2e_fail "the player did not become active"
}

br_main_minimized() { [[ $(ws_field minimized "$(e2e_windows | grep "hwnd=$E2E_MAIN_HWND$TAB")") == "$1" ]]; }
br_system_menu_open() { e2e_windows | grep "${TAB}class=#32768${TAB}" | grep -q "${TAB}visible=1${TAB}"; }

# Minimise the player and restore it through its system menu (Alt+Space, then Minimize or
# Restore): the restored window is painted afresh, so its frame shows what the paint handler draws.
br_system_menu() {
  ws_key alt+space
  ws_wait 10 "the system menu" br_system_menu_open || e2e_fail "the system menu did not open"
  ws_key "$1"
}

br_minimize_restore() {
  br_system_menu n
  ws_wait 10 "the player minimised" br_main_minimized 1 || e2e_fail "the player was not minimised"
  br_system_menu r
  ws_wait 10 "the player restored" br_main_minimized 0 || e2e_fail "the player was not restored"
  ws_wait 10 "the player active again" br_main_active || e2e_fail "the restored player is not active"
}

# The player ends without leaving a window; the last speech event is the release.
br_finish() {
  e2e_close_main
  [[ ! -f $E2E_SPEECH_LOG ]] || e2e_expect_eq "last speech event" "release" "$(e2e_speech_events | tail -n 1)"
}

# br_start_on_song_2: three songs, started, song 1 announced, then Down to song 2 framed and
# announced; BR_SEEN is the count of log events by then, for br_expect_after.
br_start_on_song_2() {
  br_start "one.mp3" "two.mp3" "three.mp3"
  br_wait_speaks 1
  ws_key Down
  br_wait_speaks 2
  br_wait_frames 2
  BR_SEEN=$(br_lines)
}
