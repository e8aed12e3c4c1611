find_package(GTest REQUIRED)
include(GoogleTest)

# Each area lists its files.
set(VELMARCH_UNIT_TESTS tests/main.cpp)
foreach(area platform app content screens game rules render lifecycle fuzz autoplay)
    include(tests/${area}/tests.cmake)
endforeach()
add_executable(velmarch-tests ${VELMARCH_UNIT_TESTS})
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
