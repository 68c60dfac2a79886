#!/usr/bin/env bash
# A private sound server for the audio tests: everything of it in a work
# directory, reached only through its own socket there (PULSE_SERVER), with
# one null sink and no sound device. It never touches a server that a player
# runs, so the tests may kill and restart it at will. PulseAudio where it is
# installed; otherwise PipeWire with its PulseAudio service and WirePlumber,
# their device monitors switched off.
#
#   private_server.sh start WORKDIR [RATE]   starts it (again, after a kill) and
#       waits until it answers; then a low-latency stream (pulse_session.sh
#       says why) and a recorder of the sink's monitor into WORKDIR/heard.raw.
#       The server's pids go to WORKDIR/server.pids, one a line.
#   private_server.sh stop WORKDIR           ends the recorder, then the rest.
#
# Sourced, it gives private_server_kind (pulseaudio, pipewire, or fails),
# private_server_environment WORKDIR (exports what a client needs: PULSE_SERVER,
# PULSE_SINK, ...), private_server_start (without the recorder),
# private_server_record and private_server_stop.

private_server_sink=vorn_test
private_server_default_rate=44100
# How long a server may take to answer.
private_server_start_tries=200
private_server_try_seconds=0.05

private_server_has_pipewire() {
  local program
  for program in pipewire pipewire-pulse wireplumber dbus-daemon; do
    command -v "$program" >/dev/null || return 1
  done
}

# VORN_PRIVATE_SOUND_SERVER=pipewire picks PipeWire where both are installed.
private_server_kind() {
  if [ "${VORN_PRIVATE_SOUND_SERVER:-}" = pipewire ]; then
    private_server_has_pipewire && echo pipewire
  elif command -v pulseaudio >/dev/null; then
    echo pulseaudio
  elif private_server_has_pipewire; then
    echo pipewire
  else
    return 1
  fi
}

private_server_environment() {
  local work=$1
  export HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
  export PULSE_RUNTIME_PATH=$work/runtime/pulse PULSE_STATE_PATH=$work/state
  export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native PULSE_SINK=$private_server_sink
  export PULSE_CLIENTCONFIG=$work/client.conf
  mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$XDG_CONFIG_HOME"
  chmod 700 "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
  printf 'autospawn = no\n' > "$PULSE_CLIENTCONFIG"
}

# Starts COMMAND in the background, its output appended to LOG and its pid to
# PID_FILE. A subshell's child, it is none of this shell's jobs: the shell does
# not report it when the test kills it.
private_server_spawn() {
  local pid_file=$1 log=$2
  shift 2
  ("$@" </dev/null >>"$log" 2>&1 & echo $! >> "$pid_file")
}

private_server_answers() {
  local _
  for _ in $(seq $private_server_start_tries); do
    pactl info >/dev/null 2>&1 && return 0
    sleep $private_server_try_seconds
  done
  return 1
}

private_server_start_pulseaudio() {
  local work=$1 rate=$2
  : > "$work/server.pids"
  private_server_spawn "$work/server.pids" /dev/null \
    pulseaudio -n --daemonize=no --system=false --use-pid-file=false --exit-idle-time=-1 \
    --log-target=file:"$work/pulse.log" \
    -L "module-null-sink sink_name=$private_server_sink rate=$rate" \
    -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1"
  private_server_answers
}

private_server_start_pipewire() {
  local work=$1 rate=$2 _
  # WirePlumber would otherwise open the machine's sound cards, cameras and
  # Bluetooth devices, which belong to the player's own server.
  mkdir -p "$XDG_CONFIG_HOME/wireplumber/main.lua.d" "$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d"
  printf 'alsa_monitor.enabled = false\nv4l2_monitor.enabled = false\nlibcamera_monitor.enabled = false\n' \
    > "$XDG_CONFIG_HOME/wireplumber/main.lua.d/90-vorn-test.lua"
  printf 'bluez_monitor.enabled = false\n' > "$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d/90-vorn-test.lua"
  : > "$work/server.pids"
  # WirePlumber does not run without a session bus: a private one.
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  private_server_spawn "$work/server.pids" "$work/pipewire.log" \
    dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS"
  local program
  for program in pipewire wireplumber pipewire-pulse; do
    private_server_spawn "$work/server.pids" "$work/pipewire.log" "$program"
    if [ "$program" = pipewire ]; then
      for _ in $(seq $private_server_start_tries); do
        [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break
        sleep $private_server_try_seconds
      done
    fi
  done
  private_server_answers || return 1
  pactl load-module module-null-sink "sink_name=$private_server_sink" "rate=$rate" >/dev/null
}

# A stream of zeros that asks for a low latency: the null sink starts out
# mixing two seconds ahead, and only a stream's request brings that down, once
# the block it mixes has run out; suspending the sink and resuming it ends
# that block at once. Sounds started before then would be cut off before they
# were mixed, and a synchronous sound would wait for its drain. Starts the
# stream in the background (its pid in low_latency_pid) and waits until the
# sink's latency is down.
low_latency_stream() {
  local sink=$1 rate=$2 latency= _
  low_latency_pid=$( (pacat --raw --format=s16le --rate="$rate" --channels=1 --latency-msec=20 /dev/zero \
    </dev/null >/dev/null 2>&1 & echo $!) )
  for _ in $(seq $private_server_start_tries); do
    latency=$(pactl list sinks | awk -v sink="$sink" \
      '/^Sink #/ { ours = 0 } $1 == "Name:" && $2 == sink { ours = 1 } ours && $1 == "Latency:" { print $2; exit }')
    [ -n "$latency" ] && [ "$latency" -lt 50000 ] && break
    pactl suspend-sink "$sink" 1 && pactl suspend-sink "$sink" 0
    sleep $private_server_try_seconds
  done
  echo "sink latency: ${latency:-unknown} us" >&2
}

private_server_start() {
  local work=$1 rate=${2:-$private_server_default_rate} kind
  kind=$(private_server_kind) || { echo "private server: neither PulseAudio nor PipeWire is installed" >&2; return 1; }
  private_server_environment "$work"
  private_server_end_helpers "$work"
  if ! "private_server_start_$kind" "$work" "$rate"; then
    cat "$work/pulse.log" "$work/pipewire.log" 2>/dev/null >&2
    echo "private server: $kind did not start" >&2
    return 1
  fi
  low_latency_stream "$private_server_sink" "$rate"
  echo "$low_latency_pid" > "$work/helper.pids"
}

private_server_record() {
  local work=$1 rate=${2:-$private_server_default_rate}
  : > "$work/recorder.pid"
  private_server_spawn "$work/recorder.pid" /dev/null \
    parecord --raw --device="$private_server_sink.monitor" --format=s16le --rate="$rate" --channels=1 \
    --latency-msec=20 "$work/heard.raw"
}

# A process that has ended may linger as a zombie until whoever adopted it
# reaps it, which can take seconds.
private_server_running() {
  local _pid _name state
  read -r _pid _name state _ 2>/dev/null < "/proc/$1/stat" && [ "$state" != Z ]
}

# Ends a process with SIGNAL, or with SIGKILL where it outlives that, and
# waits until it is gone (reaped too, where it is this shell's child).
private_server_end() {
  local pid=$1 signal=$2 _
  kill "-$signal" "$pid" 2>/dev/null || return 0
  for _ in $(seq $private_server_start_tries); do
    wait "$pid" 2>/dev/null || true
    private_server_running "$pid" || return 0
    sleep $private_server_try_seconds
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# The recorder is asked to end with SIGINT, so that it writes out what it holds.
private_server_end_helpers() {
  local work=$1 pid
  if [ -s "$work/recorder.pid" ]; then
    private_server_end "$(cat "$work/recorder.pid")" INT
    rm -f "$work/recorder.pid"
  fi
  if [ -s "$work/helper.pids" ]; then
    while read -r pid; do private_server_end "$pid" TERM; done < "$work/helper.pids"
    rm -f "$work/helper.pids"
  fi
}

private_server_stop() {
  local work=$1 pid
  private_server_end_helpers "$work"
  if [ -s "$work/server.pids" ]; then
    while read -r pid; do private_server_end "$pid" TERM; done < "$work/server.pids"
    rm -f "$work/server.pids"
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case ${1:-} in
    start) private_server_start "$2" "${3:-}" && private_server_record "$2" "${3:-}" ;;
    stop) private_server_stop "$2" ;;
    *) echo "usage: private_server.sh start|stop WORKDIR [RATE]" >&2; exit 2 ;;
  esac
fi
