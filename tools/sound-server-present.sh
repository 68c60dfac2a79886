#!/usr/bin/env bash
# Succeeds when this machine has a sound server of its own: one answers now,
# or PipeWire's PulseAudio service or PulseAudio is installed (a desktop's
# server may simply not run in this shell's session).
installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }
command -v pactl >/dev/null && pactl info >/dev/null 2>&1 && exit 0
installed pipewire-pulse || installed pulseaudio
