# A Wine session for the demo, and the Wine prefix that the demo and the end-to-end tests run in:
# a private Wine prefix, a private X server, a private PulseAudio with a null sink, the program
# started inside Wine's virtual desktop, and a cleanup that stops everything the session started.
# Source it from bash; nothing runs on load. (The end-to-end scenarios run their own sessions in
# Python: tests/e2e/harness/desktop.py and wine/session.py.)
#
# Call ws_start first; everything else needs its servers and its session folder.
#
#   ws_prefix_create [--for-tests]   make a fresh prefix (the tests' fixture does this once a run;
#                                    only a prefix marked for tests takes the speech stand-in)
#   ws_prefix_ensure                 make the prefix only if it is missing (the demo)
#   ws_start                         X server, sound server, wineserver; installs the cleanup trap
#   ws_launch DIR EXE                start EXE (a Unix path) with DIR as its working directory
#   ws_probe ARGS...                 run probe.exe in the prefix, print its lines
#   ws_wait SECONDS WHAT CMD...      poll CMD until it succeeds; fail after SECONDS
#   ws_program_running / ws_program_wait_exit SECONDS   (the exit code lands in WS_PROGRAM_RC)
#   ws_screenshot FILE               the whole X screen
#   ws_speech_register               the speech double, only in a test prefix
#   ws_stop                          what the trap runs
#
# Settings (environment): OTOPICCO_WINE_PREFIX (the prefix), OTOPICCO_PROBE_DIR (the folder with
# probe.exe and probe_hook.dll), OTOPICCO_SPEECH_DOUBLE (speech_double.dll), WS_KEEP=1 keeps the
# session folder with its logs.

WS_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WS_PREFIX=${OTOPICCO_WINE_PREFIX:-$WS_REPO/build/win64/wine-prefix}
WS_PROBE_DIR=${OTOPICCO_PROBE_DIR:-$WS_REPO/build/win64/tests/wine/probe}
WS_DESKTOP=otopicco
WS_SCREEN=1600x1600
WS_SINK=otopicco_sink
WS_SPEECH_DOUBLE=${OTOPICCO_SPEECH_DOUBLE:-$WS_REPO/build/win64/tests/wine/speech_double/speech_double.dll}
WS_SPEECH_CLSID='{EEE78591-FE22-11D0-8BEF-0060081841DE}'
WS_SPEECH_DOUBLE=${OTOPICCO_SPEECH_DOUBLE:-$WS_REPO/build/win64/tests/wine/speech_double/speech_double.dll}
WS_TEST_MARK=otopicco-test-prefix

export WINEPREFIX=$WS_PREFIX WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine converts its arguments (the Japanese font names) from the Unix locale.
export LC_ALL=C.UTF-8

WS_DIR=
WS_XVFB_PID=
WS_PULSE_PID=
WS_PROGRAM_PID=
WS_LOCK_FD=

ws_log() { echo "wine-session: $*" >&2; }
ws_die() { ws_log "$*"; exit 1; }

# Every wine process writes to files: the first one starts services that keep its standard error
# open for good, and a reader of a pipe would wait for them forever.
ws_wine() { wine "$@" >>"${WS_DIR:-/tmp}/wine.log" 2>&1; }

# Z: is Wine's view of the Unix root.
ws_winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

ws_wait() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if ((SECONDS >= deadline)); then
      ws_log "timed out after ${seconds}s waiting for: $what"
      return 1
    fi
    sleep 0.1
  done
  return 0
}

ws_prefix_write_settings() {
  local fonts='HKCU\Software\Wine\Fonts\Replacements'
  # A REGEDIT4 file would be read in the ANSI code page and mangle these names.
  ws_wine reg add "$fonts" /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f || return 1
  ws_wine reg add "$fonts" /v 'ＭＳ ゴシック' /d 'IPAGothic' /f || return 1
  ws_wine reg add "$fonts" /v 'MS UI Gothic' /d 'IPAPGothic' /f || return 1
  # Title bars use the caption font, whose default lacks "♪" and Japanese: give them the bold
  # IPA Gothic. The value is a LOGFONTW: height -12, weight 700, charset 128 (Shift-JIS).
  local caption_font
  caption_font=f4ffffff000000000000000000000000bc020000000000800000000049005000410050004700
  caption_font+=6f007400680069006300$(printf '0%.0s' {1..88})
  ws_wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionFont /t REG_BINARY \
    /d "$caption_font" /f || return 1
  # Every process of the prefix joins one virtual desktop: there is no window manager under
  # Xvfb, and the desktop activates windows and gives focus the way Windows does. Set here rather
  # than by `wine explorer /desktop=NAME,SIZE program.exe`, whose wine command is explorer's: it
  # never returns the program's exit code. probe.exe joins the same desktop this way too.
  ws_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$WS_DESKTOP" /f || return 1
  ws_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$WS_DESKTOP" /d "$WS_SCREEN" /f || return 1
}

ws_prefix_create() {
  local for_tests=${1:-}
  [[ -n $WS_DIR ]] || ws_die "ws_prefix_create needs ws_start first"
  if [[ -d $WS_PREFIX ]]; then
    # Only ever delete a Wine prefix (or an empty folder), whatever OTOPICCO_WINE_PREFIX says.
    [[ -f $WS_PREFIX/system.reg || -z $(ls -A "$WS_PREFIX") ]] ||
      ws_die "$WS_PREFIX exists and is no Wine prefix; not deleting it"
    WINEPREFIX=$WS_PREFIX wineserver -k >/dev/null 2>&1
    rm -rf "$WS_PREFIX"
  fi
  mkdir -p "$(dirname "$WS_PREFIX")"
  ws_wine wineboot -i || { ws_log "wineboot failed (see $WS_DIR/wine.log)"; return 1; }
  # This Wine build does not find fonts-wine's files by itself (caption buttons show "0 1 r").
  cp /usr/share/wine/fonts/* "$WS_PREFIX/drive_c/windows/Fonts/" || return 1
  ws_prefix_write_settings || return 1
  [[ $for_tests == --for-tests ]] && : >"$WS_PREFIX/$WS_TEST_MARK"
  # Let the wineserver end by itself, so it writes the registry to the prefix, then keep a
  # persistent one for the rest of the session.
  wineserver -w
  wineserver -p {WS_LOCK_FD}>&-
  ws_log "prefix ready: $WS_PREFIX"
}

ws_prefix_ensure() {
  [[ -f $WS_PREFIX/system.reg && -f $WS_PREFIX/drive_c/windows/Fonts/tahoma.ttf ]] && return 0
  ws_prefix_create
}

ws_start_xvfb() {
  local fdfile=$WS_DIR/display
  # -displayfd lets Xvfb choose a free display itself, so parallel sessions cannot collide.
  Xvfb -displayfd 7 -screen 0 "${WS_SCREEN}x24" -nolisten tcp 7>"$fdfile" >"$WS_DIR/xvfb.log" 2>&1 {WS_LOCK_FD}>&- &
  WS_XVFB_PID=$!
  ws_wait 15 "Xvfb" test -s "$fdfile" || return 1
  export DISPLAY=:$(tr -d '\n' <"$fdfile")
  ws_wait 15 "X display $DISPLAY" xdotool getdisplaygeometry >/dev/null 2>&1
}

ws_sink_ready() { pactl list short sinks 2>/dev/null | grep -q "$WS_SINK"; }

ws_start_pulse() {
  local run=$WS_DIR/pulse
  mkdir -p "$run"
  export PULSE_RUNTIME_PATH=$run PULSE_SERVER=unix:$run/native
  # With PulseAudio's default buffering the first second or so of every song Wine plays never
  # reaches the sink; short client buffers make the recording hold each song from its start.
  export PULSE_LATENCY_MSEC=30
  # Nothing from /etc/pulse: an empty per-user daemon.conf wins over the system one, -n skips
  # default.pa, and the clients read an empty client.conf. The null sink is the only sink.
  mkdir -p "$run/.config/pulse"
  : >"$run/.config/pulse/daemon.conf"
  : >"$run/client.conf"
  export PULSE_CLIENTCONFIG=$run/client.conf
  HOME=$run XDG_CONFIG_HOME=$run/.config pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    -L "module-native-protocol-unix socket=$run/native auth-anonymous=1" \
    -L "module-null-sink sink_name=$WS_SINK" >"$WS_DIR/pulse.log" 2>&1 {WS_LOCK_FD}>&- &
  WS_PULSE_PID=$!
  ws_wait 15 "PulseAudio null sink" ws_sink_ready || return 1
  pactl set-default-sink "$WS_SINK" >>"$WS_DIR/pulse.log" 2>&1
}

ws_start() {
  [[ -z $WS_DIR ]] || return 0
  # One session at a time per prefix, also across separate test runs: a second run's fixture
  # would otherwise delete the prefix under the first, and both would share its wineserver.
  # The servers started below do not inherit the lock, so it ends with this shell.
  mkdir -p "$(dirname "$WS_PREFIX")"
  exec {WS_LOCK_FD}>"$WS_PREFIX.lock"
  if ! flock -n "$WS_LOCK_FD"; then
    ws_log "waiting for another session on $WS_PREFIX"
    flock -w 900 "$WS_LOCK_FD" || ws_die "the prefix $WS_PREFIX stayed busy"
  fi
  WS_DIR=$(mktemp -d /tmp/otopicco-session.XXXXXX)
  trap 'ws_stop' EXIT
  trap 'exit 130' INT TERM
  ws_start_xvfb || ws_die "cannot start Xvfb (see $WS_DIR/xvfb.log)"
  ws_start_pulse || ws_die "cannot start PulseAudio (see $WS_DIR/pulse.log)"
  # A persistent wineserver: the prefix stays up between the short probe.exe runs.
  if [[ -d $WS_PREFIX ]]; then wineserver -p {WS_LOCK_FD}>&-; fi
  ws_log "session $WS_DIR on DISPLAY=$DISPLAY"
}

ws_launch() {
  local dir=$1 exe=$2
  [[ -d $dir ]] || ws_die "no working directory $dir"
  [[ -f $exe ]] || ws_die "no program $exe"
  (cd "$dir" && exec wine "$exe") >"$WS_DIR/program.log" 2>&1 &
  WS_PROGRAM_PID=$!
}

ws_probe() {
  local out rc
  out=$(mktemp "$WS_DIR/probe.XXXXXX") || return 1
  wine "$WS_PROBE_DIR/probe.exe" "$@" >"$out" 2>>"$WS_DIR/wine.log"
  rc=$?
  cat "$out"
  rm -f "$out"
  return $rc
}

# The value of KEY in one line of inspect output (fields are tab-separated key=value).
ws_field() {
  local key=$1 line=$2 field
  local IFS=$'\t'
  for field in $line; do
    if [[ $field == "$key="* ]]; then
      printf '%s' "${field#*=}"
      return 0
    fi
  done
  return 1
}

ws_program_running() { [[ -n $WS_PROGRAM_PID ]] && kill -0 "$WS_PROGRAM_PID" 2>/dev/null; }
ws_program_gone() { ! ws_program_running; }

ws_program_wait_exit() {
  local seconds=${1:-20}
  ws_wait "$seconds" "the program to end" ws_program_gone || return 1
  wait "$WS_PROGRAM_PID"
  WS_PROGRAM_RC=$?
  WS_PROGRAM_PID=
  return 0
}

ws_screenshot() { import -window root "$1" >>"$WS_DIR/import.log" 2>&1; }

ws_speech_register() {
  [[ -f $WS_PREFIX/$WS_TEST_MARK ]] || ws_die "refusing to register the speech double outside a test prefix"
  [[ -f $WS_SPEECH_DOUBLE ]] || ws_die "no speech double at $WS_SPEECH_DOUBLE"
  local dir=$WS_PREFIX/drive_c/otopicco-test
  mkdir -p "$dir"
  cp "$WS_SPEECH_DOUBLE" "$dir/speech_double.dll"
  local key="HKCR\\CLSID\\$WS_SPEECH_CLSID\\InprocServer32"
  ws_wine reg add "$key" /ve /d 'C:\otopicco-test\speech_double.dll' /f &&
    ws_wine reg add "$key" /v ThreadingModel /d Apartment /f
}

ws_stop() {
  local rc=$?
  trap - EXIT
  if [[ -d $WS_PREFIX ]]; then WINEPREFIX=$WS_PREFIX wineserver -k >/dev/null 2>&1; fi
  if [[ -n $WS_PROGRAM_PID ]]; then wait "$WS_PROGRAM_PID" 2>/dev/null; WS_PROGRAM_PID=; fi
  local pid
  for pid in $WS_PULSE_PID $WS_XVFB_PID; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  WS_PULSE_PID= WS_XVFB_PID=
  if [[ -n $WS_DIR ]]; then
    if [[ ${WS_KEEP:-0} == 1 || $rc != 0 ]]; then
      ws_log "logs kept in $WS_DIR"
    else
      rm -rf "$WS_DIR"
    fi
  fi
  WS_DIR=
  if [[ -n $WS_LOCK_FD ]]; then exec {WS_LOCK_FD}>&-; WS_LOCK_FD=; fi
  return $rc
}
