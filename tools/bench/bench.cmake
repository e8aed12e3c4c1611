# velmarch-bench: frame costs measured offscreen.

# The gameplay update's cost: mode `update` (benchUpdate in tools/bench/UpdateBench.hpp).
if(TARGET velmarch-bench)
    target_sources(velmarch-bench PRIVATE tools/bench/UpdateBench.cpp)
endif()
