#!/usr/bin/env bash
# A private Linux desktop session for the native program's tests and the demo: its own X server,
# D-Bus session bus, PulseAudio with a null sink (recordable), and speech-dispatcher with a
# configuration of its own, all stopped again at the end. Nothing of the user's session is used.
#
# Run a command in a session:
#   scripts/linux-session.sh [--speech MODE] [--record FILE] [--keep] -- COMMAND [ARGS...]
# From inside a session (a test, the e2e driver), change its speech:
#   scripts/linux-session.sh speech-mode MODE   stop the service, write MODE's configuration
#   scripts/linux-session.sh speech-stop [--kill]   stop the service (--kill: as if it crashed)
#   scripts/linux-session.sh speech-start       start it now rather than at the first request
# or source it from bash and call the functions (nothing runs on load):
#   ls_start [MODE]            servers and speech configuration; installs the cleanup trap
#   ls_speech_mode MODE        the voice the next speech-dispatcher offers (see below)
#   ls_speech_start / ls_speech_stop   start the service before the program does / stop it
#   ls_speech_pid              the running service's process id, if any
#   ls_record_start FILE / ls_record_stop   record what is heard (16-bit mono WAV, 44.1 kHz);
#                              LS_RECORD_READY is the host time its data begins
#   ls_launch DIR COMMAND...   start a program in DIR; ls_program_running; ls_program_wait_exit S
#   ls_wait SECONDS WHAT COMMAND...   poll COMMAND until it succeeds; fail after SECONDS
#   ls_screenshot FILE         the whole X screen
#   ls_stop                    what the trap runs
#
# Speech modes: "voice" (Open JTalk for Japanese, espeak-ng beside it), "espeak" (espeak-ng only),
# "log" (a voice that writes what it is asked into $LS_SPEECH_LOG, see
# platform/linux/speechd/speech-log), "novoice" (the service runs but offers no voice), "none"
# (the service cannot be started). The program starts the service itself when it first speaks
# (speech-dispatcher's autospawn), with this session's configuration.
#
# The session exports: DISPLAY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR (speech-dispatcher's
# socket), XDG_CONFIG_HOME (its configuration), PULSE_SERVER, PULSE_RUNTIME_PATH,
# PULSE_CLIENTCONFIG, LS_SINK (the null sink), LS_SPEECH_LOG, LS_DIR (the session's folder,
# kept on failure or with LS_KEEP=1) and OTOPICCO_SESSION, which marks every process of the
# session so that ls_stop ends them all, also those the program or speech-dispatcher started.

LS_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LS_SPEECHD_FILES=$LS_REPO/platform/linux/speechd
LS_SCREEN=${LS_SCREEN:-1600x1600}
LS_SINK=otopicco_sink
LS_SPEECH_HOLD=${LS_SPEECH_HOLD:-0.5}
# 5 makes the service log every request of its clients (the end-to-end driver reads them).
LS_SPEECH_LOG_LEVEL=${LS_SPEECH_LOG_LEVEL:-3}

LS_DIR=
LS_XVFB_PID=
LS_DBUS_PID=
LS_PULSE_PID=
LS_KEEPER_PID=
LS_PAREC_PID=
LS_PROGRAM_PID=
LS_PROGRAM_RC=

ls_log() { echo "linux-session: $*" >&2; }
ls_die() { ls_log "$*"; exit 1; }

ls_wait() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if ((SECONDS >= deadline)); then
      ls_log "timed out after ${seconds}s waiting for: $what"
      return 1
    fi
    sleep 0.05
  done
}

ls_start_xvfb() {
  local fdfile=$LS_DIR/display
  # -displayfd lets Xvfb choose a free display itself, so parallel sessions cannot collide.
  Xvfb -displayfd 7 -screen 0 "${LS_SCREEN}x24" -nolisten tcp 7>"$fdfile" >"$LS_DIR/xvfb.log" 2>&1 &
  LS_XVFB_PID=$!
  ls_wait 15 "Xvfb" test -s "$fdfile" || return 1
  export DISPLAY=:$(tr -d '\n' <"$fdfile")
}

ls_start_dbus() {
  local address=$LS_DIR/dbus-address
  dbus-daemon --session --nofork --nopidfile --print-address=7 7>"$address" \
    >"$LS_DIR/dbus.log" 2>&1 &
  LS_DBUS_PID=$!
  ls_wait 15 "the session bus" test -s "$address" || return 1
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
}

ls_sink_ready() { pactl list short sinks 2>/dev/null | grep -q "$LS_SINK"; }

ls_start_pulse() {
  local run=$LS_DIR/pulse
  mkdir -p "$run/.config/pulse"
  export PULSE_RUNTIME_PATH=$run PULSE_SERVER=unix:$run/native LS_SINK
  # Nothing from /etc/pulse: an empty per-user daemon.conf wins over the system one, -n skips
  # default.pa, and the clients read an empty client.conf. The null sink is the only sink.
  : >"$run/.config/pulse/daemon.conf"
  : >"$run/client.conf"
  export PULSE_CLIENTCONFIG=$run/client.conf
  HOME=$run XDG_CONFIG_HOME=$run/.config pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no --disallow-exit \
    -L "module-native-protocol-unix socket=$run/native auth-anonymous=1" \
    -L "module-null-sink sink_name=$LS_SINK" >"$LS_DIR/pulse.log" 2>&1 &
  LS_PULSE_PID=$!
  ls_wait 15 "PulseAudio null sink" ls_sink_ready || return 1
  pactl set-default-sink "$LS_SINK" >>"$LS_DIR/pulse.log" 2>&1
}

# Writes FILE from TEMPLATE with @NAME@ replaced by the values given as NAME=VALUE.
ls_fill() {
  local template=$1 file=$2 text pair
  shift 2
  text=$(<"$template")
  for pair in "$@"; do text=${text//@${pair%%=*}@/${pair#*=}}; done
  printf '%s\n' "$text" >"$file"
}

ls_speech_mode() {
  local mode=$1 config=$XDG_CONFIG_HOME/speech-dispatcher
  rm -rf "$config"
  # The log folder must exist: without it the service logs to the standard error it was started
  # with, and a client that started it would wait for that pipe to close, for ever.
  mkdir -p "$config/modules" "$LS_DIR/speechd-log"
  local modules=() default=
  case $mode in
    voice)
      ls_fill "$LS_SPEECHD_FILES/openjtalk-generic.conf.in" "$config/modules/openjtalk-generic.conf" \
        "SPEAK=$LS_SPEECHD_FILES/openjtalk-speak"
      modules=('"openjtalk-generic" "sd_generic" "openjtalk-generic.conf"'
               '"espeak-ng" "sd_espeak-ng" "espeak-ng.conf"')
      default=openjtalk-generic ;;
    espeak)
      modules=('"espeak-ng" "sd_espeak-ng" "espeak-ng.conf"')
      default=espeak-ng ;;
    log)
      ls_fill "$LS_SPEECHD_FILES/otopicco-log.conf.in" "$config/modules/otopicco-log.conf" \
        "SPEAKLOG=$LS_SPEECHD_FILES/speech-log" "LOG=$LS_SPEECH_LOG" "HOLD=$LS_SPEECH_HOLD"
      modules=('"otopicco-log" "sd_generic" "otopicco-log.conf"')
      default=otopicco-log ;;
    novoice)
      modules=('"dummy" "sd_dummy" ""')
      default=dummy ;;
    none) ;;
    *) ls_log "unknown speech mode: $mode"; return 1 ;;
  esac
  {
    echo "# speech-dispatcher for one private session ($mode), written by linux-session.sh."
    echo "LogLevel $LS_SPEECH_LOG_LEVEL"
    echo "LogDir \"$LS_DIR/speechd-log\""
    echo 'Timeout 0'
    echo 'AudioOutputMethod "pulse"'
    echo 'DefaultVolume 100'
    # No symbol tables: with them speech-dispatcher rewrites texts before any voice sees them
    # (brackets become "カッコ", "&" and "%" vanish, even with punctuation off), where Open JTalk
    # reads symbols well by itself; and the test voice must see each text exactly as asked.
    local module
    for module in "${modules[@]}"; do echo "AddModule $module"; done
    if [[ -n $default ]]; then
      echo "DefaultModule $default"
      echo "LanguageDefaultModule \"ja\" \"$default\""
    fi
    echo 'DefaultLanguage "ja"'
    [[ $mode == none ]] && echo 'DisableAutoSpawn'
  } >"$config/speechd.conf"
  LS_SPEECH_MODE=$mode
}

ls_speech_pid() {
  local pid
  pid=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null) || return 1
  [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null && echo "$pid"
}

ls_speech_socket_ready() { [[ -S $XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock ]] && ls_speech_pid >/dev/null; }

ls_speech_start() {
  speech-dispatcher --spawn >>"$LS_DIR/speechd.out" 2>&1
  ls_wait 15 "speech-dispatcher" ls_speech_socket_ready
}

ls_speech_gone() { ! kill -0 "$1" 2>/dev/null; }

# Stops the service (SIGTERM; SIGKILL if it has not ended within a few seconds, as
# speech-dispatcher 0.11 sometimes hangs in its own shutdown) or, with --kill, ends it at once
# as a crash would.
ls_speech_stop() {
  local pid
  pid=$(ls_speech_pid) || return 0
  if [[ ${1:-} != --kill ]]; then
    kill "$pid" 2>/dev/null
    ls_wait 3 "speech-dispatcher to end" ls_speech_gone "$pid" 2>/dev/null && return 0
  fi
  kill -KILL "$pid" 2>/dev/null
  ls_wait 10 "speech-dispatcher to end" ls_speech_gone "$pid"
}

ls_record_has_data() { [[ -f $1 ]] && (($(stat -c %s "$1") > 8192)); }

ls_record_start() {
  local file=$1
  # The null sink's monitor delivers nothing while no stream plays: a silent stream keeps it
  # going for as long as the recording runs.
  pacat --playback --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 \
    --client-name=silence --stream-name=silence </dev/zero >>"$LS_DIR/parec.log" 2>&1 &
  LS_KEEPER_PID=$!
  parec -d "$LS_SINK.monitor" --file-format=wav --channels=1 --rate=44100 --latency-msec=10 \
    "$file" >>"$LS_DIR/parec.log" 2>&1 &
  LS_PAREC_PID=$!
  ls_wait 10 "recording data" ls_record_has_data "$file" || return 1
  LS_RECORD_READY=$EPOCHREALTIME
}

ls_record_stop() {
  local pid
  for pid in $LS_PAREC_PID $LS_KEEPER_PID; do
    kill -INT "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  LS_PAREC_PID= LS_KEEPER_PID=
}

ls_launch() {
  local dir=$1
  shift
  [[ -d $dir ]] || ls_die "no working directory $dir"
  LS_PROGRAM_RC=
  (cd "$dir" && exec "$@") >"$LS_DIR/program.log" 2>&1 &
  LS_PROGRAM_PID=$!
}

ls_program_running() { [[ -n $LS_PROGRAM_PID ]] && kill -0 "$LS_PROGRAM_PID" 2>/dev/null; }
ls_program_gone() { ! ls_program_running; }

ls_program_wait_exit() {
  ls_wait "${1:-20}" "the program to end" ls_program_gone || return 1
  wait "$LS_PROGRAM_PID"
  LS_PROGRAM_RC=$?
  LS_PROGRAM_PID=
}

ls_screenshot() { import -display "$DISPLAY" -window root "$1" >>"$LS_DIR/import.log" 2>&1; }

ls_start() {
  [[ -z $LS_DIR ]] || return 0
  LS_DIR=$(mktemp -d /tmp/otopicco-linux-session.XXXXXX)
  trap 'ls_stop' EXIT
  trap 'exit 130' INT TERM
  export LS_DIR OTOPICCO_SESSION=$LS_DIR
  export XDG_RUNTIME_DIR=$LS_DIR/runtime XDG_CONFIG_HOME=$LS_DIR/config
  export LS_SPEECH_LOG=$LS_DIR/speech.log
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$XDG_CONFIG_HOME"
  : >"$LS_SPEECH_LOG"
  ls_start_xvfb || ls_die "cannot start Xvfb (see $LS_DIR/xvfb.log)"
  ls_start_dbus || ls_die "cannot start the session bus (see $LS_DIR/dbus.log)"
  ls_start_pulse || ls_die "cannot start PulseAudio (see $LS_DIR/pulse.log)"
  ls_speech_mode "${1:-voice}" || ls_die "cannot write the speech configuration"
  ls_log "session $LS_DIR on DISPLAY=$DISPLAY, speech: $LS_SPEECH_MODE"
}

# Every process that carries this session's mark in its environment (the servers, the program,
# speech-dispatcher and its voices, the accessibility bus the session bus started...).
ls_session_pids() {
  local environ pid entry
  local -a variables
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [[ $pid != "$$" && $pid != "$BASHPID" ]] || continue
    # Builtins only: a helper process would carry the mark itself.
    { mapfile -d '' variables <"$environ"; } 2>/dev/null || continue
    for entry in "${variables[@]}"; do
      if [[ $entry == "OTOPICCO_SESSION=$LS_DIR" ]]; then
        echo "$pid"
        break
      fi
    done
  done
}

ls_stop() {
  local rc=$?
  trap - EXIT
  ls_record_stop
  if [[ -n $LS_PROGRAM_PID ]]; then
    kill "$LS_PROGRAM_PID" 2>/dev/null
    wait "$LS_PROGRAM_PID" 2>/dev/null
    LS_PROGRAM_PID=
  fi
  [[ -n $LS_DIR ]] && ls_speech_stop
  local pid
  for pid in $LS_PULSE_PID $LS_DBUS_PID $LS_XVFB_PID; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  LS_PULSE_PID= LS_DBUS_PID= LS_XVFB_PID=
  if [[ -n $LS_DIR ]]; then
    local left
    left=$(ls_session_pids)
    if [[ -n $left ]]; then
      # shellcheck disable=SC2086
      kill $left 2>/dev/null
      sleep 0.2
      left=$(ls_session_pids)
      # shellcheck disable=SC2086
      [[ -z $left ]] || kill -KILL $left 2>/dev/null
    fi
    if [[ ${LS_KEEP:-0} == 1 || $rc != 0 ]]; then
      ls_log "logs kept in $LS_DIR"
    else
      rm -rf "$LS_DIR"
    fi
  fi
  LS_DIR=
  return $rc
}

# Commands for a session that is already running (its folder comes from the environment).
ls_control() {
  LS_DIR=${OTOPICCO_SESSION:-}
  [[ -n $LS_DIR && -d $LS_DIR ]] || ls_die "$1: not inside a session"
  case $1 in
    speech-mode) ls_speech_stop && ls_speech_mode "$2" ;;
    speech-stop) ls_speech_stop "${2:-}" ;;
    speech-start) ls_speech_start ;;
  esac
}

ls_main() {
  case ${1:-} in
    speech-mode | speech-stop | speech-start) ls_control "$@"; return ;;
  esac
  local mode=voice record= status
  while [[ $# -gt 0 ]]; do
    case $1 in
      --speech) mode=$2; shift 2 ;;
      --record) record=$2; shift 2 ;;
      --keep) export LS_KEEP=1; shift ;;
      --) shift; break ;;
      *) break ;;
    esac
  done
  [[ $# -gt 0 ]] || ls_die "usage: $0 [--speech MODE] [--record FILE] [--keep] -- COMMAND [ARGS...]"
  ls_start "$mode"
  if [[ -n $record ]]; then ls_record_start "$record" || ls_die "cannot record"; fi
  "$@"
  status=$?
  ls_record_stop
  return $status
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
  set -u
  ls_main "$@"
  exit $?
fi
