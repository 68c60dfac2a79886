# The Linux tests that the Windows build has no form of, or its own form
# (windows.cmake): included by CMakeLists.txt.

# The platform's watch on the table's directory and a directory that cannot be saved in.
target_sources(vorntestsupport PRIVATE
    support/FileSizeLimit.cpp support/FileSizeLimit.h
    support/InotifyTableWrites.cpp
    support/ReadOnlyDirectory.cpp support/ReadOnlyDirectory.h
    support/ReadOnlyUnsavableTable.cpp
)
# The table's file where Linux can put odd things in its place: a FIFO, links,
# a full disk; and a 10 MB line read without holding it (/proc's peak memory).
vorn_test(test_top_players_file_linux test_top_players_file_linux.cpp)
set_tests_properties(test_top_players_file_linux PROPERTIES TIMEOUT 120)

# End-to-end: the real program under Xvfb with a window manager and real X input.
add_test(NAME e2e_window
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window_e2e.sh $<TARGET_FILE:vorn>)
set_tests_properties(e2e_window PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
add_test(NAME art_regenerates
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/art_regenerates.sh $<TARGET_FILE:artgen> ${PROJECT_SOURCE_DIR}/art)
add_test(NAME e2e_pictures
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/pictures_e2e.sh $<TARGET_FILE:vorn> ${PROJECT_SOURCE_DIR}/art)
set_tests_properties(e2e_pictures PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
# The real program as a native Wayland client of Weston's headless back end.
add_test(NAME e2e_wayland
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wayland_e2e.sh $<TARGET_FILE:vorn> ${PROJECT_SOURCE_DIR}/art)
set_tests_properties(e2e_wayland PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
# The board's frames on X11 and Wayland, as test_board_pixels compares them offscreen.
foreach(display IN ITEMS x11 wayland)
    add_test(NAME e2e_board_pixels_${display}
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/board_pixels.sh $<TARGET_FILE:test_board_pixels> ${display})
    set_tests_properties(e2e_board_pixels_${display} PROPERTIES TIMEOUT 120)
endforeach()
add_test(NAME e2e_game_over
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/game_over_e2e.sh $<TARGET_FILE:vorn>)
set_tests_properties(e2e_game_over PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
add_test(NAME e2e_two_windows
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/two_windows_e2e.sh $<TARGET_FILE:vorn>)
set_tests_properties(e2e_two_windows PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# The cue files as wavgen makes them.
add_test(NAME wavgen_reproduces_zvuk COMMAND wavgen --check ${PROJECT_SOURCE_DIR}/zvuk)


# ---- The program on the desktop: its icon, desktop entry, metainfo and install ----
find_package(Qt6 6.4 REQUIRED COMPONENTS Svg)
vorn_test(test_app_icon test_app_icon.cpp)
target_link_libraries(test_app_icon PRIVATE Qt6::Svg)
target_compile_definitions(test_app_icon PRIVATE VORN_SOURCE_DIR="${VORN_TEST_SOURCE_DIR}" VORN_APP_ID="${VORN_APP_ID}")
# The desktop entry and the metainfo as the desktop's own validators see them
# (any remark from desktop-file-validate fails), and an install into a
# temporary prefix.
add_test(NAME desktop_entry_valid
         COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/desktop/${VORN_APP_ID}.desktop)
set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ".")
add_test(NAME metainfo_valid
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/metainfo_valid.sh validate ${PROJECT_SOURCE_DIR}/desktop/${VORN_APP_ID}.metainfo.xml)
add_test(NAME install_layout COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_layout.sh ${CMAKE_BINARY_DIR})

# ---- Faults and mends: a failed embed, a sound server that dies ----
add_executable(audio_hold_cues audio/hold_cues.cpp audio/CueLengths.h)
target_link_libraries(audio_hold_cues PRIVATE vorncore)
target_include_directories(audio_hold_cues PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(audio_hold_cues PRIVATE ${VORN_WARNINGS})
add_test(NAME embedsound_failures
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tools/embedsound_failures.sh $<TARGET_FILE:embedsound> ${PROJECT_SOURCE_DIR})
# The sound server's faults at each phase of a cue (hold_cues.cpp lists them),
# each against a private server of the test's own; `make soak-audio` runs them
# over and over.
set(VORN_AUDIO_FAULT_PHASES before connecting playing draining between missing restarted)
foreach(phase IN LISTS VORN_AUDIO_FAULT_PHASES)
    add_test(NAME audio_fault_${phase}
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/audio/server_faults.sh
                     $<TARGET_FILE:audio_hold_cues> $<TARGET_FILE:audio_measure_recording> ${phase})
    set_tests_properties(audio_fault_${phase} PROPERTIES TIMEOUT 60 RUN_SERIAL TRUE)
endforeach()
# The tests that need a real sound server, labelled so that `make test` can
# count them. Where none can be had they skip (77), or fail with CI set.
list(TRANSFORM VORN_AUDIO_FAULT_PHASES PREPEND audio_fault_ OUTPUT_VARIABLE vorn_audio_fault_tests)
set_tests_properties(${vorn_audio_fault_tests} PROPERTIES LABELS audio SKIP_RETURN_CODE 77)

# ---- Start-up without a display: the check, and the real program refusing with one line ----
vorn_test(test_no_display test_no_display.cpp)
add_test(NAME no_display COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/no_display.sh $<TARGET_FILE:vorn>)
