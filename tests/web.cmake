# The suites that run on the browser's WebAssembly build (make test-web),
# with WebAssembly's 32-bit pointers, size_t and long. In Node.js, with the
# host's files as they are (NODERAWFS): the rules of the table's file, its
# code page and its numbers, the sound service's and the saved data's. In a
# page of Chromium, since Qt for WebAssembly has no platform without one: the
# game's rules played in the real window on the virtual clock, and the
# browser's hold of input. Those that start other programs or threads, or
# watch a platform's own files, have no counterpart in a page.
function(vorn_for_node name)
    # Qt's bindings to the page are linked, though only its locale is asked for.
    target_link_options(${name} PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -lembind
                        --pre-js ${CMAKE_CURRENT_SOURCE_DIR}/web/node-navigator.js)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/web/node-navigator.js)
endfunction()

function(vorn_node_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vorntestsupport)
    target_compile_options(${name} PRIVATE ${VORN_WARNINGS})
    vorn_for_node(${name})
    add_test(NAME ${name} COMMAND node $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

vorn_node_test(test_lenient_number test_lenient_number.cpp)
vorn_node_test(test_windows_1250 test_windows_1250.cpp)
vorn_node_test(test_top_players_file test_top_players_file.cpp)
vorn_node_test(test_property_bag test_property_bag.cpp)
vorn_node_test(test_wav_image test_wav_image.cpp)
target_compile_definitions(test_wav_image PRIVATE VORN_SOURCE_DIR="${VORN_TEST_SOURCE_DIR}")
vorn_node_test(test_sound_service test_sound_service.cpp)
# Its real service holds the sound on the page's timer.
target_link_options(test_sound_service PRIVATE -sASYNCIFY)

# The suites that need a window: run in a page of Chromium by
# tests/web/test_suites.py, through tests/web/suite.html.
function(vorn_page_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vorntestsupport)
    target_compile_options(${name} PRIVATE ${VORN_WARNINGS})
    target_link_options(${name} PRIVATE -sASYNCIFY -sEXIT_RUNTIME=1)
    # Finished as Qt finishes a program for a page: made by NAME_entry().
    qt_finalize_target(${name})
endfunction()

vorn_page_test(test_browser_hold test_browser_hold.cpp)
vorn_page_test(test_fall test_fall.cpp)
vorn_page_test(test_next_piece test_next_piece.cpp)
vorn_page_test(test_matching test_matching.cpp)
vorn_page_test(test_collapse test_collapse.cpp)
vorn_page_test(test_game_flow test_game_flow.cpp)
vorn_page_test(test_game_cues test_game_cues.cpp)

# The real audio path in a page (tests/audio/real_audio.sh with
# tests/web/play_cues.py): the cues played through the real window and sound
# service into the page's audio context, and the recording of the sink's
# monitor measured in Node.js.
target_link_options(audio_play_cues PRIVATE -sASYNCIFY -sEXIT_RUNTIME=1)
qt_finalize_target(audio_play_cues)
vorn_for_node(audio_measure_recording)
add_test(NAME audio_real_path
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/audio/real_audio.sh
                 ${CMAKE_CURRENT_SOURCE_DIR}/web/play_cues.py $<TARGET_FILE:audio_measure_recording>)
set_tests_properties(audio_real_path PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE LABELS audio SKIP_RETURN_CODE 77
                     ENVIRONMENT VORN_WEB_TREE=${CMAKE_BINARY_DIR})

# The site's script where a run was cut short, failed or is repeated.
add_test(NAME web_site_script COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/web/site_script.sh)
