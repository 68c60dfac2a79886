# Sourced by the tests that play real sound: a null sink to play into and
# record from, for the caller's duration.
#
# Where a sound server already answers (PipeWire's PulseAudio service or
# PulseAudio itself), the sink is loaded into it and unloaded afterwards: that
# server is never replaced, stopped or given a second one beside it. Where
# none answers, as on CI, a private server (private_server.sh) is started with
# everything of it in the work directory, also when run as root.
#
#   pulse_session_start WORKDIR [RATE]  exports PULSE_SINK (and, for a private
#                                       server, PULSE_SERVER, HOME, ...); sets
#                                       pulse_monitor, pulse_private and, for a
#                                       private server, pulse_work; returns
#                                       pulse_session_unavailable's status
#                                       where no server can be had
#   pulse_session_unavailable WHY       says why; 1 (a failure) with CI set,
#                                       else 77 (a skip to CTest)
#   pulse_session_low_latency           brings the sink's latency down (see
#                                       there) for the rest of the session
#   pulse_session_stop                  undoes what start did; safe to repeat

source "$(dirname "${BASH_SOURCE[0]}")/private_server.sh"

pulse_session_default_rate=44100
pulse_module_index=
pulse_work=
pulse_latency_stream_pid=

# The fault cases start a sound server of their own and kill it. On a machine
# whose player already runs one they start none beside it: they say so and
# skip, or fail with CI set.
pulse_session_skip_beside_running_server() {
  if pactl info >/dev/null 2>&1; then
    pulse_session_unavailable "a sound server runs here, and the fault cases start no second one beside it"
    exit
  fi
}

pulse_session_unavailable() {
  if [ -n "${CI:-}" ]; then
    echo "sound server: failed: $1 (CI is set, where every real-audio test must run)" >&2
    return 1
  fi
  echo "sound server: skipped: $1" >&2
  return 77
}

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
    export PULSE_SINK
  elif ! private_server_kind >/dev/null; then
    # As where PipeWire runs on the desktop but not in this session, without
    # its PulseAudio service.
    pulse_session_unavailable "no sound server answers, and neither PulseAudio nor PipeWire's PulseAudio service is installed"
    return
  else
    pulse_private=1
    pulse_work=$work
    private_server_start "$work" "$rate" || { pulse_session_stop; return 1; }
  fi
  pulse_monitor=$PULSE_SINK.monitor
}

# The sink's latency down for the rest of the session (low_latency_stream
# says why); a private server's sink has it from the start.
pulse_session_low_latency() {
  [ "$pulse_private" = 1 ] && return 0
  low_latency_stream "$PULSE_SINK" "${1:-$pulse_session_default_rate}"
  pulse_latency_stream_pid=$low_latency_pid
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
  if [ -n "$pulse_work" ]; then
    private_server_stop "$pulse_work"
    pulse_work=
  fi
}
