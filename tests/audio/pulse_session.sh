# Sourced by the tests that play real sound: a null sink to play into and
# record from, for the caller's duration.
#
# Where a sound server already answers (PipeWire's PulseAudio service or
# PulseAudio itself), the sink is loaded into it and unloaded afterwards: that
# server is never replaced, stopped or given a second one beside it. Where
# none answers, as on CI, a private PulseAudio server is started with
# everything of it in the work directory, also when run as root.
#
#   pulse_session_start WORKDIR [RATE]  exports PULSE_SINK (and, for a private
#                                       server, PULSE_SERVER, HOME, ...); sets
#                                       pulse_monitor, pulse_private and, for a
#                                       private server, pulse_server_pid
#   pulse_session_low_latency           brings the sink's latency down (see
#                                       there) for the rest of the session
#   pulse_session_stop                  undoes what start did; safe to repeat

pulse_session_default_rate=44100
pulse_module_index=
pulse_server_pid=
pulse_latency_stream_pid=

pulse_session_start() {
  local work=$1 rate=${2:-$pulse_session_default_rate}
  if pactl info >/dev/null 2>&1; then
    pulse_private=0
    # Unique on this server, so that parallel runs and a player's own sinks never collide.
    PULSE_SINK=vorn_test_$$_${RANDOM}
    pulse_module_index=$(pactl load-module module-null-sink "sink_name=$PULSE_SINK" "rate=$rate") || {
      echo "pulse session: could not load a null sink into the running server" >&2
      return 1
    }
  else
    pulse_private=1
    PULSE_SINK=vorn_test
    pulse_session_start_private "$work" "$rate" || return 1
  fi
  export PULSE_SINK
  pulse_monitor=$PULSE_SINK.monitor
}

pulse_session_start_private() {
  local work=$1 rate=$2
  export HOME=$work XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime PULSE_STATE_PATH=$work/state
  mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_STATE_PATH"
  chmod 700 "$XDG_RUNTIME_DIR"
  local socket=$XDG_RUNTIME_DIR/native
  export PULSE_SERVER=unix:$socket
  printf 'autospawn = no\n' > "$work/client.conf"
  export PULSE_CLIENTCONFIG=$work/client.conf

  pulseaudio -n --daemonize=no --system=false --use-pid-file=false --exit-idle-time=-1 \
    --log-target=file:"$work/pulse.log" \
    -L "module-null-sink sink_name=$PULSE_SINK rate=$rate" \
    -L "module-native-protocol-unix socket=$socket auth-anonymous=1" &
  pulse_server_pid=$!
  local _
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$work/pulse.log" >&2
  echo "pulse session: the private server did not start" >&2
  pulse_session_stop
  return 1
}

# A stream of zeros that asks for a low latency: the null sink starts out
# mixing two seconds ahead, and only a stream's request brings that down, once
# the first block has run out. Sounds started before then would be cut off
# before they were mixed, and a synchronous sound would wait for its drain.
pulse_session_low_latency() {
  local rate=${1:-$pulse_session_default_rate} latency= _
  pacat --raw --format=s16le --rate="$rate" --channels=1 --latency-msec=20 /dev/zero &
  pulse_latency_stream_pid=$!
  for _ in $(seq 50); do
    latency=$(pactl list sinks | awk -v sink="$PULSE_SINK" \
      '/^Sink #/ { ours = 0 } $1 == "Name:" && $2 == sink { ours = 1 } ours && $1 == "Latency:" { print $2; exit }')
    [ -n "$latency" ] && [ "$latency" -lt 50000 ] && break
    sleep 0.1
  done
  echo "sink latency: ${latency:-unknown} us"
}

pulse_session_stop() {
  if [ -n "$pulse_latency_stream_pid" ]; then
    kill "$pulse_latency_stream_pid" 2>/dev/null || true
    wait "$pulse_latency_stream_pid" 2>/dev/null || true
    pulse_latency_stream_pid=
  fi
  if [ -n "$pulse_module_index" ]; then
    pactl unload-module "$pulse_module_index" 2>/dev/null || true
    pulse_module_index=
  fi
  if [ -n "$pulse_server_pid" ]; then
    kill "$pulse_server_pid" 2>/dev/null || true
    wait "$pulse_server_pid" 2>/dev/null || true
    pulse_server_pid=
  fi
}
