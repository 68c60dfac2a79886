#!/usr/bin/env bash
# Succeeds, saying nothing, where the real audio tests can have a sound
# server without installing one: PulseAudio is installed (they start a private
# one), or PipeWire with its PulseAudio service, WirePlumber and a D-Bus daemon
# is, or, for
# want of both, a server answers. Elsewhere prints the package list (beside
# this script) that adds what is missing without replacing the desktop's own
# server, and fails:
#   packages-test-sound-server-pipewire.txt  where PipeWire is the desktop's
#                                            server (PulseAudio would take its
#                                            place)
#   packages-test-sound-server.txt           where there is neither
installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }
installed pulseaudio && exit 0
if installed pipewire || installed pipewire-pulse; then
  installed pipewire-pulse && installed wireplumber && installed dbus-daemon && exit 0
  echo packages-test-sound-server-pipewire.txt
  exit 1
fi
command -v pactl >/dev/null && pactl info >/dev/null 2>&1 && exit 0
echo packages-test-sound-server.txt
exit 1
