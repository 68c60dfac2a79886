#!/usr/bin/env bash
# Installs the Debian packages of the given lists (files beside this script,
# one package a line) that are not installed yet. Does nothing, and asks for
# nothing, when every package is already there.
#   tools/install-deps.sh packages-run.txt [packages-test.txt ...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || { echo "usage: $0 LIST..." >&2; exit 2; }
wanted=()
for list in "$@"; do
  mapfile -t -O "${#wanted[@]}" wanted < <(grep -v -E '^\s*(#|$)' "$here/$list")
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
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
