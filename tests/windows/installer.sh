#!/usr/bin/env bash
# The installer, run silently under Wine (/S) for the current user: it
# installs without administrator rights (nothing under Program Files or in
# the machine's registry), puts the program and its files in the user's
# programs folder and an entry in the Start menu; the program started from
# that entry writes its table in the user's folder for it; the uninstaller
# removes every installed file, the entry and its key in the apps list, and
# leaves the table.
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/x_session.sh"
source "$here/wine_session.sh"
source "$here/installed.sh"

start_wine_x_session
unpack_package "$zip"
find_installer_places
machine_programs=$(windows_folder ProgramFiles)

wine "$setup" /S
# What was installed is the portable package's files and the uninstaller.
expect_equal "installed files" "$( (cd "$package" && find . -type f; echo ./uninstall.exe) | sort)" \
  "$(cd "$programs" && find . -type f | sort)"
[ -f "$entry" ] || fail "no Start menu entry $entry"
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 || fail "no $uninstall_key"
[ -z "$(find "$machine_programs" -iname '*vorn*')" ] || fail "the installer wrote under $machine_programs"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorn' >/dev/null 2>&1 &&
  fail "the installer wrote to the machine's registry"

# Started as the Start menu starts it: in the table's folder. (Wine's start
# does not pass on the exit status of a program started through a shortcut.)
wine start /unix "$entry"
find_window "Vorn v2.00" >/dev/null
for _ in $(seq 50); do [ -f "$table_folder/Vorn.nrz" ] && break; sleep 0.1; done
[ -f "$table_folder/Vorn.nrz" ] || fail "the installed program wrote no table in $table_folder"
# Both say why, or with /S end with status 2; nothing installed changes.
key_and_entry() { wine reg query "$uninstall_key" | tr -d '\r' | sort; ls "$entry"; }
before=$(installed_files "$programs"; key_and_entry)
running="Vorn is running. Close the game, then choose Retry."
answer_message_box "Vorn Setup" "$setup"
expect_equal "the installer while the game runs" "$running 2" "$message_text $message_status"
answer_message_box "Vorn Uninstall" "$programs/uninstall.exe" "_?=$(winepath -w "$programs")"
expect_equal "the uninstaller while the game runs" "$running 2" "$message_text $message_status"
status=0
wine "$setup" /S || status=$?
expect_equal "the silent installer's status while the game runs" 2 "$status"
status=0
wine "$programs/uninstall.exe" /S "_?=$(winepath -w "$programs")" || status=$?
expect_equal "the silent uninstaller's status while the game runs" 2 "$status"
expect_equal "what is installed after the refusals" "$before" "$(installed_files "$programs"; key_and_entry)"

wmctrl -c "Vorn v2.00"
for _ in $(seq 100); do xdotool search --name '^Vorn v2.00$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --name '^Vorn v2.00$' >/dev/null 2>&1 && fail "the installed program did not end when its window was closed"

wine "$programs/uninstall.exe" /S
# The uninstaller works from a copy of itself in the temporary folder.
for _ in $(seq 300); do [ -e "$programs" ] || break; sleep 0.1; done
[ ! -e "$programs" ] || fail "the uninstaller left $(cd "$programs" && find . | tr '\n' ' ')"
[ ! -e "$entry" ] || fail "the uninstaller left the Start menu entry"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left $uninstall_key"
[ -f "$table_folder/Vorn.nrz" ] || fail "the uninstaller removed the table"
echo "installer: passed"
