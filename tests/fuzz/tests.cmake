# The unit tests replay the fuzz targets' kept inputs with the same checks.
list(APPEND VELMARCH_UNIT_TESTS
    tests/fuzz/LevelCheck.cpp
    tests/fuzz/ReaderChecks.cpp
    tests/fuzz/readers_test.cpp
)
set_source_files_properties(tests/fuzz/readers_test.cpp PROPERTIES
    COMPILE_DEFINITIONS VELMARCH_FUZZ_INPUTS="${CMAKE_SOURCE_DIR}/tests/fuzz")
