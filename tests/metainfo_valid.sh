#!/usr/bin/env bash
# Validates AppStream metainfo offline and fails on any error, warning or
# info; pedantic hints pass. --strict alone cannot serve both AppStream 0.16
# (Debian 12) and 1.0 (Debian 13): 1.0 wants <developer> in place of the
# deprecated <developer_name>, and 0.16 reports <developer> as an unknown tag,
# so on releases before 1.0 that one info is forgiven.
#   metainfo_valid.sh validate FILE
#   metainfo_valid.sh validate-tree DIR
set -uo pipefail
if [ $# -ne 2 ] || { [ "$1" != validate ] && [ "$1" != validate-tree ]; }; then
  echo "usage: $0 validate FILE | validate-tree DIR" >&2
  exit 2
fi
mode=$1
target=$2
version=$(appstreamcli --version | sed -n 's/^AppStream version: *//p')
[ -n "$version" ] || { echo "FAIL: cannot tell the version of appstreamcli" >&2; exit 1; }

output=$(appstreamcli "$mode" --no-net "$target" 2>&1)
status=$?
issues=$(echo "$output" | grep -E '^[[:space:]]*[EWI]: ')
if [ "${version%%.*}" -lt 1 ]; then
  issues=$(echo "$issues" | grep -Ev '^[[:space:]]*I: [^ ]+: unknown-tag developer$')
fi

if [ "$status" -ne 0 ] || [ -n "$issues" ]; then
  echo "FAIL: appstreamcli $version $mode $target (exit $status):" >&2
  echo "$output" >&2
  exit 1
fi
echo "appstreamcli $version: $target is valid"
