# velmarch-bench: median frame costs of the screens and the game, with the frame limit off. Each
# mode is a function in a file of its own; run it from the game folder so that it reads the real
# content:
#   cd build/game && ./velmarch-bench menu
find_package(OpenGL REQUIRED)
add_executable(velmarch-bench
    tools/bench/main.cpp
    tools/bench/Bench.cpp
    tools/bench/GameBench.cpp
    tools/bench/LoadingBench.cpp
    tools/bench/MenuBench.cpp
    tools/bench/PagesBench.cpp
    tools/bench/UpdateBench.cpp
)
target_compile_options(velmarch-bench PRIVATE -Wall -Wextra)
target_link_libraries(velmarch-bench PRIVATE velmarch_app OpenGL::GL)
target_include_directories(velmarch-bench PRIVATE ${VELMARCH_TOOLS_ROOT})
set_target_properties(velmarch-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMARCH_GAME_DIR})
