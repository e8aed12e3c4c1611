find_package(GTest REQUIRED)
include(GoogleTest)

include(tests/platform/tests.cmake)
include(tests/app/tests.cmake)
include(tests/content/tests.cmake)
include(tests/screens/tests.cmake)
include(tests/game/tests.cmake)
include(tests/rules/tests.cmake)
include(tests/render/tests.cmake)
include(tests/lifecycle/tests.cmake)
include(tests/fuzz/tests.cmake)
include(tests/autoplay/tests.cmake)

add_executable(velmarch-tests
    tests/main.cpp
    ${VELMARCH_PLATFORM_TESTS}
    ${VELMARCH_APP_TESTS}
    ${VELMARCH_CONTENT_TESTS}
    ${VELMARCH_SCREENS_TESTS}
    ${VELMARCH_GAME_TESTS}
    ${VELMARCH_RULES_TESTS}
    ${VELMARCH_RENDER_TESTS}
    ${VELMARCH_LIFECYCLE_TESTS}
    ${VELMARCH_FUZZ_TESTS}
    ${VELMARCH_AUTOPLAY_TESTS}
)
target_compile_options(velmarch-tests PRIVATE -Wall -Wextra)
if(VELMARCH_SANITIZE)
    # The sanitizers watch the game's code, which the libraries bring; the test files themselves
    # are built plain, which halves the sanitized build. They learn of the sanitizers from this.
    target_compile_options(velmarch-tests PRIVATE -fno-sanitize=all)
    target_compile_definitions(velmarch-tests PRIVATE VELMARCH_SANITIZED)
endif()
target_link_libraries(velmarch-tests PRIVATE velmarch_app velmarch_autoplay GTest::gtest)
add_dependencies(velmarch-tests velmarch-content-files)
# Tests run where the game runs, reading the content the build assembled.
gtest_discover_tests(velmarch-tests
    WORKING_DIRECTORY ${VELMARCH_GAME_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS unit ENVIRONMENT "ALSOFT_DRIVERS=null")

include(tests/layers/tests.cmake)
include(tests/e2e/tests.cmake)
include(tests/package/tests.cmake)
