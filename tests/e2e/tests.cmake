# End-to-end tests: the real program under X servers of their own (tests/e2e/lib.sh).
set(VELMARCH_E2E_ENVIRONMENT "ALSOFT_DRIVERS=null")
# Spoiled content and the command line, in both builds: where the program meets bad input, the
# sanitizers watch it.
set(VELMARCH_E2E_TESTS damaged_sources options)
if(VELMARCH_SANITIZE)
    # When the program ends, the graphics driver has been unloaded with the display, and what it
    # left behind can no longer be traced to anyone. Memory errors are still caught here; leaks
    # are checked by the unit tests, which keep the driver loaded to the end.
    list(APPEND VELMARCH_E2E_ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:detect_stack_use_after_return=1")
else()
    # Screens, layout and long runs check behaviour more than memory: the normal build runs them,
    # the sanitized game is soaked with random input instead (scripts/soak).
    list(APPEND VELMARCH_E2E_TESTS screens letterbox hostile_folder many_games)
endif()
foreach(name ${VELMARCH_E2E_TESTS})
    add_test(NAME e2e.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh ${VELMARCH_GAME_DIR})
    set_tests_properties(e2e.${name} PROPERTIES
        LABELS e2e TIMEOUT 600 ENVIRONMENT "${VELMARCH_E2E_ENVIRONMENT}")
endforeach()
