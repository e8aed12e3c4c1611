list(APPEND VELMARCH_UNIT_TESTS
    tests/app/application_test.cpp
    tests/app/desktop_test.cpp
    tests/app/game_folder_test.cpp
    tests/app/loading_test.cpp
    tests/app/menu_test.cpp
)
