# End-to-end tests: the real program under X servers of their own (tests/e2e/lib.sh).
set(VELMARCH_E2E_ENVIRONMENT "ALSOFT_DRIVERS=null")
# Bad input in both builds, so that the sanitizers watch it.
set(VELMARCH_E2E_TESTS damaged_sources options)
if(VELMARCH_SANITIZE)
    # At exit the graphics driver is unloaded and its memory untraceable: the unit tests, which
    # keep it loaded, check leaks.
    list(APPEND VELMARCH_E2E_ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:detect_stack_use_after_return=1")
else()
    # Behaviour more than memory; the sanitized game is soaked with random input instead.
    list(APPEND VELMARCH_E2E_TESTS screens letterbox hostile_folder many_games display_modes attacks)
endif()
# Rough seconds each takes: ctest starts the longest first, so that on a fresh machine, which has
# no timings of earlier runs, the short unit tests fill the gaps at the end.
set(VELMARCH_E2E_COST_many_games 160)
set(VELMARCH_E2E_COST_display_modes 80)
set(VELMARCH_E2E_COST_screens 150)
set(VELMARCH_E2E_COST_damaged_sources 110)
set(VELMARCH_E2E_COST_attacks 100)
set(VELMARCH_E2E_COST_hostile_folder 90)
set(VELMARCH_E2E_COST_letterbox 30)
foreach(name ${VELMARCH_E2E_TESTS})
    add_test(NAME e2e.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh ${VELMARCH_GAME_DIR})
    set(cost 10)
    if(DEFINED VELMARCH_E2E_COST_${name})
        set(cost ${VELMARCH_E2E_COST_${name}})
    endif()
    # 77: a test that cannot run here (the attacks need root to play two users).
    set_tests_properties(e2e.${name} PROPERTIES LABELS e2e TIMEOUT 600 SKIP_RETURN_CODE 77
        COST ${cost} ENVIRONMENT "${VELMARCH_E2E_ENVIRONMENT}")
endforeach()
