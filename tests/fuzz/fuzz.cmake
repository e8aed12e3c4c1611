# The file readers under libFuzzer, with AddressSanitizer and UndefinedBehaviorSanitizer: a build
# of its own that makes only the fuzz targets (scripts/fuzz configures and runs it).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(VELMARCH_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
add_compile_options(${VELMARCH_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link -O1 -fno-omit-frame-pointer
                    -gline-tables-only -Wall -Wextra)
add_link_options(${VELMARCH_FUZZ_SANITIZERS} -fsanitize=fuzzer)
include_directories(${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

configure_file(${CMAKE_SOURCE_DIR}/cmake/default_font.cpp.in
               ${CMAKE_BINARY_DIR}/generated/default_font.cpp @ONLY)

set(VELMARCH_READER_SOURCES
    app/Settings.cpp
    platform/BoundedLineReader.cpp
    platform/ReadFile.cpp
    platform/Text.cpp
    platform/DataFile.cpp
    screens/HighscoreTable.cpp
    screens/PageFile.cpp
    screens/PlayerName.cpp
)
add_library(velmarch_fuzz_readers STATIC
    ${VELMARCH_READER_SOURCES}
    ${CMAKE_BINARY_DIR}/generated/default_font.cpp
    tests/fuzz/ReaderChecks.cpp
)
target_link_libraries(velmarch_fuzz_readers PUBLIC sfml-graphics sfml-system)

# The level loader comes with the game's loading screen, rules and drawing, but no menu screens.
set(VELMARCH_GAME_PART_SOURCES
    ${VELMARCH_PLATFORM_SOURCES}
    screens/Game.cpp
    screens/LoadingWindow.cpp
    ${VELMARCH_ASSETS_SOURCES}
    ${VELMARCH_WORLD_SOURCES}
    ${VELMARCH_RULES_SOURCES}
    ${VELMARCH_RENDER_SOURCES}
)
list(REMOVE_ITEM VELMARCH_GAME_PART_SOURCES ${VELMARCH_READER_SOURCES})
add_library(velmarch_fuzz_game STATIC ${VELMARCH_GAME_PART_SOURCES} tests/fuzz/LevelCheck.cpp)
target_link_libraries(velmarch_fuzz_game PUBLIC velmarch_fuzz_readers sfml-graphics sfml-audio
                      sfml-window sfml-system Threads::Threads)

foreach(reader level highscores pages name)
    add_executable(velmarch-fuzz-${reader} tests/fuzz/${reader}_fuzz.cpp)
    target_link_libraries(velmarch-fuzz-${reader} PRIVATE velmarch_fuzz_readers)
endforeach()
target_link_libraries(velmarch-fuzz-level PRIVATE velmarch_fuzz_game)
