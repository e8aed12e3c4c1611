list(APPEND VELMARCH_UNIT_TESTS
    tests/game/assets_test.cpp
    tests/game/entities_test.cpp
    tests/game/loader_test.cpp
)
