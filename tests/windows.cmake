# The Windows tests that the Linux build has no form of, or its own form
# (linux.cmake): included by CMakeLists.txt. They run under Wine
# (tools/windows/test.sh makes the prefix and runs them).

# The platform's watch on the table's directory and a table that cannot be saved.
target_sources(vorntestsupport PRIVATE
    support/DirectoryChangesTableWrites.cpp
    support/HeldOpenUnsavableTable.cpp
)
# The table held open by another program.
vorn_test(test_top_players_file_windows test_top_players_file_windows.cpp)
set_tests_properties(test_top_players_file_windows PROPERTIES TIMEOUT 120)
# The program's icon at every size and its version, as Windows reads them.
vorn_test(test_program_resources test_program_resources.cpp)
target_link_libraries(test_program_resources PRIVATE version)
target_compile_definitions(test_program_resources PRIVATE
    VORN_PROGRAM="${VORN_TEST_ROOT}$<TARGET_FILE:vorn>" VORN_VERSION="${PROJECT_VERSION}")

# The board's frames as Windows shows them, on Wine's windows platform.
add_test(NAME e2e_board_pixels
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/board_pixels.sh $<TARGET_FILE:test_board_pixels>)
set_tests_properties(e2e_board_pixels PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)

# The packages a player gets (tools/windows/package.sh leaves them in build/).
set(vorn_package ${PROJECT_SOURCE_DIR}/build/vorn-${PROJECT_VERSION}-windows-x64)
# End-to-end: the packaged program under Wine on Xvfb with a window manager
# and real X input, as Linux's program is tested.
foreach(test IN ITEMS window game_over two_windows)
    add_test(NAME e2e_${test}
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/package_e2e.sh ${vorn_package}.zip ${test})
endforeach()
add_test(NAME e2e_pictures
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/package_e2e.sh ${vorn_package}.zip pictures
                 ${PROJECT_SOURCE_DIR}/art)
add_test(NAME package_loads COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/package_loads.sh ${vorn_package}.zip)
add_test(NAME installer
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer.sh ${vorn_package}-setup.exe ${vorn_package}.zip)
# Another program holding an installed file, for the upgrade's test; built
# alone, as the package's own DLLs are all it finds there.
add_executable(hold_file support/hold_file.cpp)
target_compile_options(hold_file PRIVATE ${VORN_WARNINGS})
target_link_options(hold_file PRIVATE -static -municode)
add_test(NAME installer_upgrade
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer_upgrade.sh ${vorn_package}-setup.exe
                 ${vorn_package}.zip ${PROJECT_SOURCE_DIR}/tools/windows/make-installer.sh
                 ${CMAKE_BINARY_DIR}/desktop/windows/vorn.ico $<TARGET_FILE:hold_file>)
set_tests_properties(e2e_window e2e_game_over e2e_two_windows e2e_pictures package_loads installer installer_upgrade
                     PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)

# The cues with no audio driver at all: silent, and each holds the game.
add_test(NAME audio_no_driver
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/no_audio_driver.sh $<TARGET_FILE:audio_play_cues>)
set_tests_properties(audio_no_driver PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# The build scripts where two runs meet or one was cut short.
add_test(NAME windows_build_scripts
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/build_scripts.sh ${CMAKE_BINARY_DIR})
set_tests_properties(windows_build_scripts PROPERTIES TIMEOUT 180)
