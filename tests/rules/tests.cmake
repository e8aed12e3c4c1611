list(APPEND VELMARCH_UNIT_TESTS
    tests/rules/combat_test.cpp
    tests/rules/enemies_test.cpp
    tests/rules/geometry_test.cpp
    tests/rules/progress_test.cpp
)
