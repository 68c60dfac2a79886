# Sourced by the browser build's scripts. Qt looks for Emscripten where
# Emscripten's own installer puts it, under EMSDK, when it is configured and
# when a program is configured against it, and reads the folder's name from
# the installer's settings in the form the installer writes them.
# web_emsdk FOLDER makes FOLDER such a place that leads to Debian's
# Emscripten, and exports EMSDK naming it.
web_emsdk() {
  export EMSDK=$1
  mkdir -p "$EMSDK/upstream"
  ln -sfn /usr/share/emscripten "$EMSDK/upstream/emscripten"
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
}
