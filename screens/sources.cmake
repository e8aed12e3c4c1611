set(VELMARCH_SCREENS_SOURCES
    screens/DataFile.cpp
    screens/HighscoreTable.cpp
    screens/HighscoresScreen.cpp
    screens/NameEntryScreen.cpp
    screens/ScreenParts.cpp
    screens/TextPages.cpp
)
