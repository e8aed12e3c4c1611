set(VELMARCH_PLATFORM_TESTS
    tests/platform/sound_files_test.cpp
    tests/platform/text_test.cpp
    tests/platform/window_test.cpp
)
