set(VELMARCH_LIFECYCLE_TESTS
    tests/lifecycle/lifecycle_test.cpp
)
