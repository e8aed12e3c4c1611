# velmarch-autoplay: plays levels and whole games through the game's rules and reports whether
# they were won. The decisions live in a library of their own so that the tests use them too.
add_library(velmarch_autoplay STATIC
    tools/autoplay/Bot.cpp
    tools/autoplay/Planner.cpp
    tools/autoplay/Run.cpp
)
target_compile_options(velmarch_autoplay PRIVATE -Wall -Wextra)
target_link_libraries(velmarch_autoplay PUBLIC velmarch_screens)
target_include_directories(velmarch_autoplay PUBLIC ${VELMARCH_TOOLS_ROOT})

add_executable(velmarch-autoplay tools/autoplay/main.cpp)
target_compile_options(velmarch-autoplay PRIVATE -Wall -Wextra)
target_link_libraries(velmarch-autoplay PRIVATE velmarch_autoplay)
set_target_properties(velmarch-autoplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMARCH_GAME_DIR})
