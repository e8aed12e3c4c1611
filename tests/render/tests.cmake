list(APPEND VELMARCH_UNIT_TESTS
    tests/render/hud_test.cpp
    tests/render/painter_test.cpp
    tests/render/world_test.cpp
)
