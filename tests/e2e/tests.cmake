# End-to-end tests: the real program under the X server of the test run (scripts/test).
set(VELMARCH_E2E_DIR ${CMAKE_SOURCE_DIR}/tests/e2e)

add_test(NAME e2e.menu COMMAND bash ${VELMARCH_E2E_DIR}/menu.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.menu_without_sources
         COMMAND bash ${VELMARCH_E2E_DIR}/menu.sh ${VELMARCH_GAME_DIR} --without-sources)
add_test(NAME e2e.menu_with_damaged_sources
         COMMAND bash ${VELMARCH_E2E_DIR}/menu.sh ${VELMARCH_GAME_DIR} --damaged-sources)
add_test(NAME e2e.menu_with_system_audio
         COMMAND bash ${VELMARCH_E2E_DIR}/menu.sh ${VELMARCH_GAME_DIR} --system-audio)
add_test(NAME e2e.letterbox COMMAND bash ${VELMARCH_E2E_DIR}/letterbox.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.name_entry COMMAND bash ${VELMARCH_E2E_DIR}/name_entry.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.highscores COMMAND bash ${VELMARCH_E2E_DIR}/highscores.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.highscores_with_endless_files
         COMMAND bash ${VELMARCH_E2E_DIR}/highscores.sh ${VELMARCH_GAME_DIR} --endless-files)
add_test(NAME e2e.game COMMAND bash ${VELMARCH_E2E_DIR}/game.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.pages COMMAND bash ${VELMARCH_E2E_DIR}/pages.sh ${VELMARCH_GAME_DIR})
add_test(NAME e2e.options COMMAND bash ${VELMARCH_E2E_DIR}/options.sh ${VELMARCH_GAME_DIR})

set(VELMARCH_E2E_ENVIRONMENT "ALSOFT_DRIVERS=null")
if(VELMARCH_SANITIZE)
    # When the program ends, the graphics driver has been unloaded with the display, and what it
    # left behind can no longer be traced to anyone. Memory errors are still caught here; leaks
    # are checked by the unit tests, which keep the driver loaded to the end.
    list(APPEND VELMARCH_E2E_ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:detect_stack_use_after_return=1")
endif()

set_tests_properties(e2e.menu e2e.menu_without_sources e2e.menu_with_damaged_sources
    e2e.menu_with_system_audio e2e.letterbox e2e.name_entry e2e.highscores
    e2e.highscores_with_endless_files e2e.pages e2e.game e2e.options
    PROPERTIES
    LABELS e2e TIMEOUT 240 ENVIRONMENT "${VELMARCH_E2E_ENVIRONMENT}")

# Long runs that check behaviour more than memory: the normal build runs them, the sanitized game
# is soaked with random input instead (scripts/soak). Sound files replaced by folders; game after
# game in one process (two here: each takes over half a minute of transitions); a read-only data
# folder.
if(NOT VELMARCH_SANITIZE)
    add_test(NAME e2e.sound_folders
             COMMAND bash ${VELMARCH_E2E_DIR}/sound_folders.sh ${VELMARCH_GAME_DIR})
    add_test(NAME e2e.many_games
             COMMAND bash ${VELMARCH_E2E_DIR}/many_games.sh ${VELMARCH_GAME_DIR} 2)
    add_test(NAME e2e.highscores_read_only
             COMMAND bash ${VELMARCH_E2E_DIR}/highscores.sh ${VELMARCH_GAME_DIR} --read-only)
    set_tests_properties(e2e.sound_folders e2e.many_games e2e.highscores_read_only PROPERTIES
        LABELS e2e TIMEOUT 400 ENVIRONMENT "${VELMARCH_E2E_ENVIRONMENT}")
endif()
