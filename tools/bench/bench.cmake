# velmarch-bench: frame costs measured offscreen.
find_package(OpenGL REQUIRED)
add_executable(velmarch-bench
    tools/bench/GameBench.cpp
    tools/bench/game_main.cpp
)
target_include_directories(velmarch-bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(velmarch-bench PRIVATE -Wall -Wextra)
target_link_libraries(velmarch-bench PRIVATE velmarch_core OpenGL::GL)
set_target_properties(velmarch-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMARCH_GAME_DIR})

# The gameplay update's cost: mode `update` (benchUpdate in tools/bench/UpdateBench.hpp).
if(TARGET velmarch-bench)
    target_sources(velmarch-bench PRIVATE tools/bench/UpdateBench.cpp)
endif()
