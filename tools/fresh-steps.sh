#!/usr/bin/env bash
# The steps of tools/test-fresh.sh, run as root inside the clean system:
#   fresh-steps.sh DIST FIRST-PACKAGE...
# Installs the README's first line, then runs `make run`, `make test`,
# `make package` and `make package-test` in /root/vorn, each to its end, and
# prints a table of how long each took, how many packages it installed and
# whether it passed.
set -uo pipefail
dist=$1; shift
export DEBIAN_FRONTEND=noninteractive
# How long `make run` may take to build before the game must be running, and
# how long the game must then keep running.
build_limit_s=1800
game_alive_s=5

installed_count() { dpkg-query -W -f '${db:Status-Abbrev}\n' | grep -c '^ii'; }
rows=()
failed=0
# step NAME COMMAND...: runs the command, notes its row.
step() {
  local name=$1; shift
  local before start status=0
  before=$(installed_count)
  start=$SECONDS
  echo "==== fresh $dist: $name"
  "$@" || status=$?
  local result=passed
  [ "$status" -eq 0 ] || { result="FAILED ($status)"; failed=1; }
  rows+=("$(printf '%-28s %-12s %3d min %02d s  %4d packages' "$name" "$result" \
    $(((SECONDS - start) / 60)) $(((SECONDS - start) % 60)) $(($(installed_count) - before)))")
}

first_line() { apt-get update -q && apt-get install -y -q "$@"; }

game_pid() {
  local comm
  for process in /proc/[0-9]*; do
    comm=$(cat "$process/comm" 2>/dev/null) || continue
    [ "$comm" = vorn ] && { echo "${process#/proc/}"; return 0; }
  done
  return 1
}

# `make run` ends only when the game is closed: it passes once the game has
# kept running for a few seconds and has written its top-players file.
make_run() {
  QT_QPA_PLATFORM=offscreen setsid make run &
  local make_pid=$! waited=0 alive=0
  while kill -0 "$make_pid" 2>/dev/null && [ "$waited" -lt "$build_limit_s" ]; do
    if game_pid >/dev/null; then alive=$((alive + 1)); else alive=0; fi
    if [ "$alive" -gt "$game_alive_s" ] && [ -s Vorn.nrz ]; then
      kill -TERM -- "-$make_pid"
      wait "$make_pid" 2>/dev/null
      echo "the game ran for ${game_alive_s} s and wrote Vorn.nrz"
      return 0
    fi
    sleep 1
    waited=$((waited + 1))
  done
  kill -TERM -- "-$make_pid" 2>/dev/null
  wait "$make_pid"
  echo "make run ended (or took over ${build_limit_s} s) before the game had run for ${game_alive_s} s" >&2
  return 1
}

step "apt-get install $*" first_line "$@"
cd /root/vorn || exit 1
# The copied tree becomes a repository, as a clone would be: `make package`
# takes the files git knows.
git init -q && git add -A
step "make run" make_run
step "make test" make test
step "make package" make package
# The package just built is the one to install and try: -o keeps make from
# building it a second time.
step "make package-test" make -o package package-test

echo "==== fresh $dist: summary"
printf '%s\n' "${rows[@]}"
[ "$failed" -eq 0 ] && echo "fresh $dist: every step passed"
exit "$failed"
