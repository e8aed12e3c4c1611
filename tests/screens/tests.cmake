list(APPEND VELMARCH_UNIT_TESTS
    tests/screens/data_file_test.cpp
    tests/screens/highscore_table_test.cpp
    tests/screens/highscores_screen_test.cpp
    tests/screens/name_entry_test.cpp
    tests/screens/text_pages_test.cpp
)
