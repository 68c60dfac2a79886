# Sourced by the build-qt.sh of tools/windows/ and tools/web/: the Qt options
# that every cross-build shares. Only what the game and its tests use is
# built: no examples or Qt's own tests, and none of SQL, network, D-Bus,
# printing, concurrency, XML, Vulkan, ICU, GLib, fontconfig, nor the GIF, ICO
# and JPEG image plug-ins (the game's pictures are PNG, which Qt reads
# itself). Qt's bundled zlib, PCRE2, HarfBuzz, FreeType and libpng stand in
# for the system's, which the target system does not have.
qt_build_options=(
  -DQT_UNITY_BUILD=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
)
qt_modules_off=(
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF
  -DFEATURE_fontconfig=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_jpeg=OFF
)
qt_bundled_libraries=(
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
)
