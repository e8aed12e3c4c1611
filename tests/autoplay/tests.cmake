# The autoplayer's foresight against the game itself.
set(VELMARCH_AUTOPLAY_TESTS
    tests/autoplay/planner_test.cpp
)
