# Content: the generated pictures and sounds, the font, the levels and the text pages.
list(APPEND VELMARCH_UNIT_TESTS
    tests/content/generator_test.cpp
    tests/content/levels_test.cpp
    tests/content/pages_test.cpp
    tests/content/pictures_test.cpp
    tests/content/sounds_test.cpp
    tests/content/winnable_test.cpp
)
set_source_files_properties(tests/content/generator_test.cpp PROPERTIES
    COMPILE_DEFINITIONS "VELMARCH_CONTENT_TOOL=\"$<TARGET_FILE:velmarch-content>\"")
