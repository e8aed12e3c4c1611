# The autoplayer's foresight against the game itself.
list(APPEND VELMARCH_UNIT_TESTS
    tests/autoplay/planner_test.cpp
)
