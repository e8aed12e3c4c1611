list(APPEND VELMARCH_UNIT_TESTS
    tests/lifecycle/lifecycle_test.cpp
)
