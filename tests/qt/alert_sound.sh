#!/usr/bin/env bash
# Checks that the alert sound is audible and that two asked for in a row are heard as two: plays
# them on a private PulseAudio null sink and counts the sounds in a recording of it.
#
# Usage: alert_sound.sh QT_DEMO
set -euo pipefail
demo=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

work=$(mktemp -d /tmp/otopicco-alert.XXXXXX)
pulse_pid= silence_pid= parec_pid=
cleanup() {
  local pid
  for pid in $parec_pid $silence_pid $pulse_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

run=$work/pulse
mkdir -p "$run/.config/pulse"
: >"$run/.config/pulse/daemon.conf"
: >"$run/client.conf"
export PULSE_RUNTIME_PATH=$run PULSE_SERVER=unix:$run/native PULSE_CLIENTCONFIG=$run/client.conf
HOME=$run XDG_CONFIG_HOME=$run/.config pulseaudio -n --daemonize=no --exit-idle-time=-1 \
  --use-pid-file=no --disallow-exit \
  -L "module-native-protocol-unix socket=$run/native auth-anonymous=1" \
  -L "module-null-sink sink_name=alert_sink" >"$work/pulse.log" 2>&1 &
pulse_pid=$!
for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -q alert_sink && break; sleep 0.1; done
pactl set-default-sink alert_sink
# The monitor of a null sink delivers nothing while no stream plays: keep a silent one playing.
# Its short buffer sets the sink's latency, which otherwise holds two seconds of sound before it
# counts as played (the alert sound's own stream keeps its usual buffer, so a busy machine does
# not starve it into pieces).
sox -n -r 44100 -c 1 -b 16 -t wav - synth 60 sine 0 vol 0 2>/dev/null | PULSE_LATENCY_MSEC=30 paplay &
silence_pid=$!

count_sounds() {
  local beeps=$1 file=$work/beeps-$1.wav
  parec -d alert_sink.monitor --file-format=wav --channels=1 --rate=44100 "$file" &
  parec_pid=$!
  for _ in $(seq 100); do [[ -f $file && $(stat -c %s "$file") -gt 8192 ]] && break; sleep 0.1; done
  QT_QPA_PLATFORM=offscreen timeout 30 "$demo" beep "$beeps" >"$work/demo.log" 2>&1
  sleep 0.5  # what the sink still holds (its latency is 30 ms)
  kill -INT "$parec_pid" && wait "$parec_pid" 2>/dev/null || true
  parec_pid=
  /usr/bin/python3 "$here/sound_bursts.py" "$file"
}

status=0
for beeps in 1 2; do
  heard=$(count_sounds "$beeps")
  echo "alert sounds asked for: $beeps, heard: $heard"
  [[ $heard == "$beeps" ]] || status=1
done
exit $status
