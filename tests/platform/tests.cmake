list(APPEND VELMARCH_UNIT_TESTS
    tests/platform/gamepad_test.cpp
    tests/platform/read_file_test.cpp
    tests/platform/text_test.cpp
    tests/platform/window_test.cpp
)
