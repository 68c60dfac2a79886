#!/usr/bin/env bash
# Installs the Debian packages of the given lists (files beside this script,
# one package a line) that are not installed yet. Does nothing, and asks for
# nothing, when every package is already there.
#   tools/install-deps.sh packages-run.txt [packages-test.txt ...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || { echo "usage: $0 LIST..." >&2; exit 2; }
wanted=()
declare -A list_of
for list in "$@"; do
  while read -r package; do
    wanted+=("$package")
    list_of[$package]=$list
  done < <(grep -v -E '^\s*(#|$)' "$here/$list")
done

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
# Names the package and its list rather than leaving apt-get's bare
# "Unable to locate package".
release=$(. /etc/os-release && echo "${PRETTY_NAME:-this system}")
unknown=0
for package in "${missing[@]}"; do
  if [ -z "$(apt-cache policy "$package" 2>/dev/null | awk '/Candidate:/ && $2 != "(none)" { print $2 }')" ]; then
    echo "$0: $package (tools/${list_of[$package]}) cannot be installed: $release's package sources do not have it" >&2
    unknown=1
  fi
done
[ "$unknown" -eq 0 ] || exit 1
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
