# Sourced by the installer tests, after wine_session.sh: where the installer
# puts things, as the tests read them.

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorn'
windows_folder() { winepath -u "$(wine cmd /c "echo %$1%" | tr -d '\r')"; }
# A value of the apps-list key.
key_value() { wine reg query "$uninstall_key" /v "$1" | tr -d '\r' | awk -v name="$1" '$1 == name { print $3 }'; }
# What is installed in folder $1: each file with its digest.
installed_files() { (cd "$1" && find . -type f -exec md5sum {} + | sort -k 2); }

# Once the Wine session runs: the default programs folder, the table's
# folder and the Start menu entry.
find_installer_places() {
  programs=$(windows_folder LOCALAPPDATA)/Programs/Vorn
  table_folder=$(windows_folder APPDATA)/Vorn
  entry=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Vorn.lnk
}
