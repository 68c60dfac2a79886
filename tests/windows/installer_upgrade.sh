#!/usr/bin/env bash
# Upgrading, and uninstalling while another program holds an installed file,
# under Wine, silently but for one message:
#   installer_upgrade.sh SETUP ZIP MAKE-INSTALLER ICON HOLD-FILE
# - 1.00 installed in a folder of the player's choice, then a later version
#   whose Qt renamed a plug-in: the later one goes to the same folder, which
#   then holds exactly its files, and the apps list names it;
# - an installed file held open, shared with nobody (an editor, a scanner):
#   the uninstaller removes the rest, names that file, and keeps itself, the
#   Start menu entry and the key, so that it can be run again; an installer
#   then refuses and copies nothing; once the file is let go, the
#   uninstaller removes everything but the table.
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
make_installer=$(realpath "$3")
icon=$(realpath "$4")
hold_file=$(realpath "$5")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/x_session.sh"
source "$here/wine_session.sh"
source "$here/installed.sh"

start_wine_x_session
unpack_package "$zip"
find_installer_places
table=$table_folder/Vorn.nrz
chosen='C:\Games\Vorn'
folder=$(winepath -u "$chosen")

# The later version: the modern style's plug-in under another name.
later=$work/later
cp -r "$package" "$later"
mv "$later/styles/qmodernwindowsstyle.dll" "$later/styles/qwindowsmodernstyle.dll"
bash "$make_installer" "$later" 1.01 "$icon" "$work/later-setup.exe"

wine "$setup" /S "/D=$chosen"
expect_equal "1.00 in the chosen folder" "$(installed_files "$package")" \
  "$(installed_files "$folder" | grep -v ' \./uninstall\.exe$')"
mkdir -p "$(dirname "$table")"
printf 'Ann\r\n3$\r\n' >"$table"

wine "$work/later-setup.exe" /S
[ ! -e "$programs" ] || fail "the upgrade went to $programs, not where 1.00 was"
expect_equal "the folder after the upgrade" "$(installed_files "$later")" \
  "$(installed_files "$folder" | grep -v ' \./uninstall\.exe$')"
[ -f "$folder/uninstall.exe" ] || fail "the upgrade left no uninstaller"
expect_equal "the version in the apps list" 1.01 "$(key_value DisplayVersion)"
expect_equal "the folder in the apps list" "$chosen" "$(key_value InstallLocation)"

# Another program holds one DLL open until its input ends.
mkfifo "$work/hold-input"
wine "$hold_file" "$chosen\\Qt6Core.dll" <"$work/hold-input" >"$work/hold-output" 2>&1 &
hold=$!
exec {hold_input}>"$work/hold-input"
for _ in $(seq 300); do grep -q held "$work/hold-output" && break; sleep 0.1; done
grep -q held "$work/hold-output" || fail "could not hold Qt6Core.dll open: $(cat "$work/hold-output")"

status=0
wine "$folder/uninstall.exe" /S "_?=$chosen" || status=$?
expect_equal "the uninstaller's status with a file held" 2 "$status"
expect_equal "what the uninstaller left" "./Qt6Core.dll ./uninstall.exe" "$(cd "$folder" && find . -type f | sort | xargs)"
[ -f "$entry" ] || fail "the uninstaller removed the Start menu entry while a file was left"
expect_equal "the version in the apps list with a file left" 1.01 "$(key_value DisplayVersion)"

# Run by hand it says so, once the player has confirmed (the page's title
# ends in a space); it then waits for the box to be closed.
WINEDEBUG=+msgbox wine "$folder/uninstall.exe" "_?=$chosen" >"$work/uninstall.log" 2>&1 &
uninstaller=$!
xdotool windowactivate --sync "$(find_window "Vorn Uninstall ")" key Return
expect_equal "what the uninstaller says with a file held" \
  'Vorn could not remove these files:\r\nC:\\Games\\Vorn\\Qt6Core.dll\r\n\r\nClose any program that uses them, then uninstall Vorn again.' \
  "$(message_box_text "$work/uninstall.log")"
kill "$uninstaller"
wait "$uninstaller" || true

status=0
wine "$setup" /S || status=$?
expect_equal "the installer's status while the earlier version cannot go" 2 "$status"
expect_equal "the folder after the refused install" "./Qt6Core.dll ./uninstall.exe" \
  "$(cd "$folder" && find . -type f | sort | xargs)"
expect_equal "the version in the apps list after the refused install" 1.01 "$(key_value DisplayVersion)"

exec {hold_input}>&-
wait "$hold"
wine "$folder/uninstall.exe" /S
# The uninstaller works from a copy of itself in the temporary folder.
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "the uninstaller left $(cd "$folder" && find . | xargs)"
[ ! -e "$entry" ] || fail "the uninstaller left the Start menu entry"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left $uninstall_key"
expect_equal "the table after the uninstall" 'Ann 3$' "$(tr -d '\r' <"$table" | xargs)"
echo "installer_upgrade: passed"
